#pragma once

#include <QObject>

// The translation of the program's SQL into the engine's, and the helpers that write values
// into it.
class tst_Dialect : public QObject
{
    Q_OBJECT

private slots:
    void translates_data();
    void translates();
    void writesText_data();
    void writesText();
    void writesDates_data();
    void writesDates();
};
