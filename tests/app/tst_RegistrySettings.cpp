#include "Registry.h"
#include "SysInfo.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The machine's store on this desktop: the system-wide settings file an installation writes.
class TestRegistrySettings : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readsTheInstalledFile_data();
    void readsTheInstalledFile();
    void noFileNoValue();
    void changesAreSeenWithoutRestart();

private:
    void install(const QByteArray &text);
    QString read(const QString &key, const QString &name, bool *found = nullptr);

    std::unique_ptr<QTemporaryDir> m_folder;
};

namespace {

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

} // namespace

void TestRegistrySettings::init()
{
    // The desktop's system-wide configuration folder, here a fresh one for each test.
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_folder->path());
}

void TestRegistrySettings::cleanup()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("/etc/xdg"));
    m_folder.reset();
}

void TestRegistrySettings::install(const QByteArray &text)
{
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Corvane")));
    QFile file(m_folder->filePath(QStringLiteral("Corvane/Corvane.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QString TestRegistrySettings::read(const QString &key, const QString &name, bool *found)
{
    QString value = QStringLiteral("before");
    const bool ok = GetKeyValue(Registry::LocalMachine, key, name, value);
    if (found)
        *found = ok;
    return value;
}

void TestRegistrySettings::readsTheInstalledFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("tool"); // the tool's own value as read; "-": not read
    QTest::addColumn<QString>("folder"); // the folder value as read; "-": not read

    QTest::newRow("both values") << QByteArray("[SOFTWARE/Microsoft/Shared Tools/MSINFO]\n"
                                               "PATH=/usr/bin/system-monitor\n"
                                               "[SOFTWARE/Microsoft/Shared Tools Location]\n"
                                               "MSINFO=/opt/system tools\n")
                                 << "/usr/bin/system-monitor"
                                 << "/opt/system tools";
    QTest::newRow("names as the settings library writes them")
        << QByteArray("[SOFTWARE/Microsoft/Shared%20Tools/MSINFO]\nPATH=/usr/bin/monitor\n")
        << "/usr/bin/monitor"
        << "-";
    QTest::newRow("names in another case")
        << QByteArray("[software/microsoft/shared tools location]\nmsinfo=/opt/tools\n") << "-"
        << "/opt/tools";
    QTest::newRow("a quoted value with a comma")
        << QByteArray("[SOFTWARE/Microsoft/Shared Tools/MSINFO]\nPATH=\"/opt/a,b/monitor\"\n")
        << "/opt/a,b/monitor"
        << "-";
    // Unquoted, the comma makes a list of strings: a value, but no string to start.
    QTest::newRow("an unquoted value with a comma")
        << QByteArray("[SOFTWARE/Microsoft/Shared Tools/MSINFO]\nPATH=/opt/a,b/monitor\n")
        << "before"
        << "-";
    QTest::newRow("other keys only") << QByteArray("[SOFTWARE/Other]\nPATH=/bin/true\n") << "-"
                                     << "-";
}

void TestRegistrySettings::readsTheInstalledFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, tool);
    QFETCH(QString, folder);

    install(file);
    bool found = false;
    QCOMPARE(read(ToolKey, QStringLiteral("PATH"), &found), tool == "-" ? QString() : tool);
    QCOMPARE(found, tool != "-");
    QCOMPARE(read(FolderKey, QStringLiteral("MSINFO"), &found), folder == "-" ? QString() : folder);
    QCOMPARE(found, folder != "-");
}

void TestRegistrySettings::noFileNoValue()
{
    bool found = true;
    QCOMPARE(read(ToolKey, QStringLiteral("PATH"), &found), QString());
    QVERIFY(!found);
    // Nothing can be written through it either.
    Registry::Key key = 0;
    QCOMPARE(
        Registry::current().openKey(Registry::LocalMachine, QString(), Registry::AllAccess, key),
        Registry::AccessDenied);
}

void TestRegistrySettings::changesAreSeenWithoutRestart()
{
    // An installation that names its tool while the program runs is heard at the next press.
    QCOMPARE(read(ToolKey, QStringLiteral("PATH")), QString());
    install("[SOFTWARE/Microsoft/Shared Tools/MSINFO]\nPATH=/usr/bin/first\n");
    QCOMPARE(read(ToolKey, QStringLiteral("PATH")), QStringLiteral("/usr/bin/first"));
    install("[SOFTWARE/Microsoft/Shared Tools/MSINFO]\nPATH=/usr/local/bin/second\n");
    QCOMPARE(read(ToolKey, QStringLiteral("PATH")), QStringLiteral("/usr/local/bin/second"));
}

CORVANE_TEST(TestRegistrySettings)
#include "tst_RegistrySettings.moc"
