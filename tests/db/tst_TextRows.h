#pragma once

#include <QObject>

// Rows read as the engine's text for the grids, and the word mask the search asks the engine
// for.
class tst_TextRows : public QObject
{
    Q_OBJECT

private slots:
    void readsStoredText();
    void failureStopsTheRows();
    void wordMask_data();
    void wordMask();
};
