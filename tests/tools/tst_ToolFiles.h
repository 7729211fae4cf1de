#pragma once

#include <QObject>
#include <QTemporaryDir>

// What corvane-db does to files: making, checking, never overwriting, keeping them locked.
class tst_ToolFiles : public QObject
{
    Q_OBJECT

private slots:
    void createThenCheckCountsNothing();
    void neverOverwrites_data();
    void neverOverwrites();
    void checkRefusesFilesItCannotRead_data();
    void checkRefusesFilesItCannotRead();
    void checkFailsOnDamagedFile();
    void demoInMissingFolderLeavesNothing();
    void demoFileHoldsTheGeneratorsRows();
    void demoFileNeedsThePassword();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};
