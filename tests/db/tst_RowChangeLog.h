#pragma once

#include <QObject>

// The rows the program's connection changed, as a copy kept in memory learns them, and the
// writes the rows alone cannot tell.
class tst_RowChangeLog : public QObject
{
    Q_OBJECT

private slots:
    void logsEachWrite_data();
    void logsEachWrite();
    void closingEndsTheLog();
};
