#pragma once

#include <QObject>

// The statements the windows send, in their own shapes, against a small seeded database.
class tst_Statements : public QObject
{
    Q_OBJECT

private slots:
    void selects_data();
    void selects();
    void changes_data();
    void changes();
    void refusals_data();
    void refusals();
    void refusalsReleaseTheirStatements_data();
    void refusalsReleaseTheirStatements();
};
