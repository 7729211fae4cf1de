#pragma once

#include <QObject>

// The encrypted file, and what the user is told when it cannot be opened or made.
class tst_Opening : public QObject
{
    Q_OBJECT

private slots:
    void fileIsUnreadableWithoutPassword();
    void stockEngineWorksWithPassword();
    void openFailures_data();
    void openFailures();
    void lockedFileIsNamed();
    void fileIdentity_data();
    void fileIdentity();
    void upgradeWaitsForNoWriter();
    void createRefusals_data();
    void createRefusals();
};
