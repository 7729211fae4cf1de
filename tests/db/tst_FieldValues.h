#pragma once

#include <QObject>

// Values as each column type holds them: widths refused with the field named, payments and dates
// read back as they were written.
class tst_FieldValues : public QObject
{
    Q_OBJECT

private slots:
    void readsValuesByColumnType();
    void widths_data();
    void widths();
    void payments_data();
    void payments();
    void datesFromText_data();
    void datesFromText();
};
