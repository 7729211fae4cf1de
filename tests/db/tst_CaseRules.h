#pragma once

#include <QObject>

// Letter case is ignored alike by =, DISTINCT, ORDER BY, Like and the unique name, for every
// alphabet and not only A to Z.
class tst_CaseRules : public QObject
{
    Q_OBJECT

private slots:
    void sameName_data();
    void sameName();
    void orders_data();
    void orders();
    void keysOrderAsTheEngine_data();
    void keysOrderAsTheEngine();
};
