#include "Registry.h"
#include "SysInfo.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The machine's store on this desktop: the system-wide settings file an installation writes.
class tst_RegistrySettings : public QObject
{
    Q_OBJECT
private slots:
    void readsTheInstalledFile_data();
    void readsTheInstalledFile();
};

void tst_RegistrySettings::readsTheInstalledFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("tool"); // the tool's value as read; "-": not read
    QTest::addColumn<QString>("folder"); // the folder value as read; "-": not read

    QTest::newRow("both values") << QByteArray("[SOFTWARE/Microsoft/Shared Tools/MSINFO]\n"
                                               "PATH=/usr/bin/system-monitor\n"
                                               "[SOFTWARE/Microsoft/Shared Tools Location]\n"
                                               "MSINFO=/opt/system tools\n")
                                 << "/usr/bin/system-monitor"
                                 << "/opt/system tools";
    QTest::newRow("names written by the settings library, in another case")
        << QByteArray("[software/microsoft/shared%20tools/msinfo]\npath=\"/opt/a,b/monitor\"\n")
        << "/opt/a,b/monitor"
        << "-";
    // Unquoted, the comma makes a list of strings: a value, but no string to start.
    QTest::newRow("an unquoted comma")
        << QByteArray("[SOFTWARE/Microsoft/Shared Tools/MSINFO]\nPATH=/opt/a,b/monitor\n")
        << "before"
        << "-";
    // Written by hand or damaged, the library's notation for serialized values is plain text.
    QTest::newRow("a value in the settings library's notation")
        << QByteArray("[SOFTWARE/Microsoft/Shared Tools/MSINFO]\nPATH=@Variant(damaged)\n")
        << "@Variant(damaged)"
        << "-";
    QTest::newRow("no file") << QByteArray() << "-"
                             << "-";
}

void tst_RegistrySettings::readsTheInstalledFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, tool);
    QFETCH(QString, folder);

    QTemporaryDir configFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, configFolder.path());
    if (!file.isEmpty()) {
        QVERIFY(QDir(configFolder.path()).mkpath(QStringLiteral("Corvane")));
        QFile conf(configFolder.filePath(QStringLiteral("Corvane/Corvane.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(file);
    }
    auto read = [](const char *key, const char *name) {
        QString value = QStringLiteral("before");
        return GetKeyValue(Registry::LocalMachine, QLatin1String(key), QLatin1String(name), value)
            ? value
            : value.isEmpty() ? QStringLiteral("-")
                              : QStringLiteral("not emptied");
    };
    QCOMPARE(read("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"), tool);
    QCOMPARE(read("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"), folder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("/etc/xdg"));
}

CORVANE_TEST(tst_RegistrySettings)
#include "tst_RegistrySettings.moc"
