#pragma once

#include <QObject>
#include <QTemporaryDir>

// corvane-db password: a password of the file's own and back, the file encrypted at every step,
// refusals that change nothing, and a re-key cut short that leaves a file one of the two opens.
class tst_ToolPassword : public QObject
{
    Q_OBJECT

private slots:
    void setAndReturn();
    void refusals_data();
    void refusals();
    void killedMidRekey();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};
