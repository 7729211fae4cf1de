#include "FakeRegistry.h"
#include "ScriptedMsgBox.h"
#include "SysInfo.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Finding and starting the system information tool the machine's settings name.
class tst_StartSysInfo : public QObject
{
    Q_OBJECT
private slots:
    void startsOrTellsUnavailable_data();
    void startsOrTellsUnavailable();
};

void tst_StartSysInfo::startsOrTellsUnavailable_data()
{
    // In a scratch folder: T/tool.sh (a program), T/plain.sh (the same, not executable),
    // F/MSINFO32.EXE (a program) and the empty folder E. Each program marks its own run.
    QTest::addColumn<QString>("path"); // the tool's own value; empty: no such value
    QTest::addColumn<QString>("folder"); // the folder value; empty: no such value
    QTest::addColumn<QString>("started"); // the program expected to run; empty: the message

    QTest::newRow("neither value") << ""
                                   << ""
                                   << "";
    QTest::newRow("only the folder, without the tool") << ""
                                                       << "E"
                                                       << "";
    QTest::newRow("only the folder, with the tool") << ""
                                                    << "F"
                                                    << "F/MSINFO32.EXE";
    QTest::newRow("a path to nothing") << "T/missing"
                                       << "F"
                                       << "";
    QTest::newRow("a path to a file that is no program") << "T/plain.sh"
                                                         << ""
                                                         << "";
    QTest::newRow("a path that starts, before the folder") << "T/tool.sh"
                                                           << "F"
                                                           << "T/tool.sh";
    QTest::newRow("a system program") << "/bin/true"
                                      << ""
                                      << "/bin/true";
}

void tst_StartSysInfo::startsOrTellsUnavailable()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, started);

    QTemporaryDir scratch;
    const QDir root(scratch.path());
    const QStringList programs = { "T/tool.sh", "T/plain.sh", "F/MSINFO32.EXE" };
    QVERIFY(root.mkpath("T") && root.mkpath("F") && root.mkpath("E"));
    for (const QString &program : programs) {
        QFile file(root.filePath(program));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\necho started > \"$0.ran\"\n");
        if (!program.contains("plain"))
            file.setPermissions(file.permissions() | QFile::ExeOwner);
    }

    FakeRegistry store;
    const QString key = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools");
    if (!path.isEmpty())
        store.setString(key + "\\MSINFO", "PATH", root.filePath(path), true);
    if (!folder.isEmpty())
        store.setString(key + " Location", "MSINFO", root.filePath(folder), false);
    ScriptedMsgBox messages;
    if (started.isEmpty())
        messages.expect("System Information Is Unavailable At This Time", "Corvane");

    StartSysInfo();
    QVERIFY2(messages.problems().isEmpty(), qPrintable(messages.problems().join('\n')));
    // Started without waiting for it: its mark comes later. No other program ran.
    if (programs.contains(started))
        QTRY_VERIFY(QFile::exists(root.filePath(started) + ".ran"));
    QTest::qWait(50);
    for (const QString &program : programs)
        QCOMPARE(QFile::exists(root.filePath(program) + ".ran"), program == started);
}

CORVANE_TEST(tst_StartSysInfo)
#include "tst_StartSysInfo.moc"
