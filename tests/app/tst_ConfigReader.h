#pragma once

#include <QObject>

class tst_ConfigReader : public QObject
{
    Q_OBJECT
private slots:
    void items_data();
    void items();
    void tooFewItems_data();
    void tooFewItems();
    void number_data();
    void number();
    void numberOutOfRange_data();
    void numberOutOfRange();
};
