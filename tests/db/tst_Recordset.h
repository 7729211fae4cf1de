#pragma once

#include <QObject>

// Reading rows, and changing them through the one-table record sets a save opens.
class tst_Recordset : public QObject
{
    Q_OBJECT

private slots:
    void emptyResultIsAtBothEnds();
    void walksRowsInOrder();
    void readsFieldsByNameIgnoringCase();
    void addNewGetsAnIdFromTheEngine();
    void idsAreNeverReused();
    void editChangesOnlyItsRow();
    void roundTripsAwkwardText_data();
    void roundTripsAwkwardText();
    void keepsNullAndEmptyApart();
    void misuseIsRefused_data();
    void misuseIsRefused();
    void editOfAVanishedRowFails();
    void storedChangeIsVisibleAtOnce();
    void transactionsStandOrFallTogether();
};
