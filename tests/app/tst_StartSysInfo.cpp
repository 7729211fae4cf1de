#include "FakeRegistry.h"
#include "ScriptedMsgBox.h"
#include "SysInfo.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Finding and starting the system information tool the machine's settings name.
class TestStartSysInfo : public QObject
{
    Q_OBJECT
private slots:
    void startsOrTellsUnavailable_data();
    void startsOrTellsUnavailable();
};

namespace {

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

// A tool that leaves a mark beside itself when it runs, so that a test sees it was started.
void writeTool(const QString &path, bool executable)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\necho started > \"$0.ran\"\n");
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}

} // namespace

void TestStartSysInfo::startsOrTellsUnavailable_data()
{
    // $T stands for a folder holding an executable tool.sh and a plain file plain.sh, $F for a
    // folder holding an executable MSINFO32.EXE, $E for an empty folder.
    QTest::addColumn<quint32>("pathType"); // of the tool's own value; NoType: no such value
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder"); // the folder value; empty: no such value
    QTest::addColumn<QString>("started"); // the tool expected to run; empty: the message

    const quint32 none = Registry::NoType;
    const quint32 S = Registry::String;

    QTest::newRow("neither value") << none << ""
                                   << ""
                                   << "";
    QTest::newRow("only the folder, without the tool in it") << none << ""
                                                             << "$E"
                                                             << "";
    QTest::newRow("only the folder, with the tool in it") << none << ""
                                                          << "$F"
                                                          << "$F/MSINFO32.EXE";
    QTest::newRow("a path to nothing") << S << "$T/missing"
                                       << ""
                                       << "";
    QTest::newRow("a path to a file that is no program") << S << "$T/plain.sh"
                                                         << ""
                                                         << "";
    QTest::newRow("an empty path") << S << ""
                                   << ""
                                   << "";
    QTest::newRow("a path that starts") << S << "$T/tool.sh"
                                        << ""
                                        << "$T/tool.sh";
    QTest::newRow("a system program") << S << "/bin/true"
                                      << ""
                                      << "-";
    QTest::newRow("the path wins over the folder") << S << "$T/tool.sh"
                                                   << "$F"
                                                   << "$T/tool.sh";
    QTest::newRow("a path to nothing is not helped by the folder") << S << "$T/missing"
                                                                   << "$F"
                                                                   << "";
    QTest::newRow("a 32-bit value is no path") << quint32(Registry::DWord) << ""
                                               << ""
                                               << "";
    QTest::newRow("a value of another type is no path") << quint32(Registry::Binary) << ""
                                                        << "$F"
                                                        << "";
}

void TestStartSysInfo::startsOrTellsUnavailable()
{
    QFETCH(quint32, pathType);
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, started);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir root(dir.path());
    for (const char *sub : { "T", "F", "E" })
        QVERIFY(root.mkdir(QLatin1String(sub)));
    writeTool(root.filePath("T/tool.sh"), true);
    writeTool(root.filePath("T/plain.sh"), false);
    writeTool(root.filePath("F/MSINFO32.EXE"), true);
    auto expand = [&](QString text) {
        for (const char *sub : { "T", "F", "E" })
            text.replace(QLatin1Char('$') + QLatin1String(sub), root.filePath(QLatin1String(sub)));
        return text;
    };

    FakeRegistry store;
    if (pathType == Registry::String)
        store.setString(ToolKey, QStringLiteral("PATH"), expand(path), true);
    else if (pathType != Registry::NoType)
        store.setValue(ToolKey, QStringLiteral("PATH"), pathType, QByteArray("\x01\0\0\0", 4));
    if (!folder.isEmpty())
        store.setString(FolderKey, QStringLiteral("MSINFO"), expand(folder), false);

    ScriptedMsgBox messages;
    if (started.isEmpty())
        messages.expect(Unavailable, QStringLiteral("Corvane"));
    StartSysInfo();
    QVERIFY2(messages.problems().isEmpty(), qPrintable(messages.problems().join('\n')));
    QCOMPARE(store.openKeys(), 0);

    // Started without waiting for it: the mark comes later. Only the expected tool ran.
    if (started.startsWith(QLatin1Char('$')))
        QTRY_VERIFY(QFile::exists(expand(started) + ".ran"));
    QTest::qWait(50);
    for (const char *tool : { "T/tool.sh", "T/plain.sh", "F/MSINFO32.EXE" }) {
        const QString mark = root.filePath(QLatin1String(tool)) + ".ran";
        QCOMPARE(QFile::exists(mark), mark == expand(started) + ".ran");
    }
}

CORVANE_TEST(TestStartSysInfo)
#include "tst_StartSysInfo.moc"
