#pragma once

#include <QObject>
#include <QTemporaryDir>

// corvane-db backup and restore: a consistent copy while another connection writes, and a
// restore that checks the backup first, keeps the replaced file and keeps out of Corvane's way.
class tst_ToolBackup : public QObject
{
    Q_OBJECT

private slots:
    void backupHoldsEveryCommittedRow_data();
    void backupHoldsEveryCommittedRow();
    void restoreKeepsReplacedFile();
    void restoreRefuses_data();
    void restoreRefuses();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};
