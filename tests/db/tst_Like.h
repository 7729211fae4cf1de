#pragma once

#include <QObject>

// The dialect's Like patterns, matched directly and through the engine.
class tst_Like : public QObject
{
    Q_OBJECT

private slots:
    void matches_data();
    void matches();
    void throughEngine_data();
    void throughEngine();
    void nullGivesNull();
    void patternFromColumn();
};
