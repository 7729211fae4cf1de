#pragma once

#include "ScratchDatabase.h"

#include <QObject>
#include <memory>

// What the demo generator writes, read back from a file of its own.
class tst_DemoData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameArgumentsSameRows();
    void otherSeedOtherRows();
    void countsPerCustomer();
    void namesUniqueIgnoringCase();
    void namesHaveApostrophesAndAccents();
    void textColumnsAreNeverNull_data();
    void textColumnsAreNeverNull();
    void datesInTheDemoYears_data();
    void datesInTheDemoYears();
    void leasedAndPurchasedMachines();
    void callsAndCallBacks();
    void rowsEnteredAfterTheirCustomer();
    void typesAndCities();
    void negativeOrZeroCount();
    void failedLoadLeavesTheFileAsItWas();

private:
    std::unique_ptr<ScratchDatabase> m_demo;
};
