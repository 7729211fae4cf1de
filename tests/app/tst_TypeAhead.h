#pragma once

#include <QObject>

class tst_TypeAhead : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase();
    void typing_data();
    void typing();
    void anotherListStartsFresh();
    void selectingIsNotPicking();
};
