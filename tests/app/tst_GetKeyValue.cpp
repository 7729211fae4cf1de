#include "FakeRegistry.h"
#include "SysInfo.h"
#include "TestRegistry.h"

#include <QTest>
#include <QtEndian>

// Reading one value of the machine's settings store, as the About box does.
class TestGetKeyValue : public QObject
{
    Q_OBJECT
private slots:
    void readsValue_data();
    void readsValue();
    void readOnlyStoreRefusesWriting();
};

namespace {

const QString Key = QStringLiteral("SOFTWARE\\Maker\\Tools\\Info");

QByteArray dword(quint32 value)
{
    const quint32 stored = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&stored), sizeof stored);
}

} // namespace

void TestGetKeyValue::readsValue_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("path"); // the key asked for
    QTest::addColumn<QString>("name"); // the value asked for
    QTest::addColumn<quint32>("root");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("text"); // the output after the call; it holds "before" on entry

    const quint32 S = Registry::String;
    const quint32 LM = Registry::LocalMachine;
    const QString path = Key;
    const QString name = QStringLiteral("PATH");

    QTest::newRow("string with its NUL")
        << S << QByteArray("/usr/bin/tool\0", 14) << path << name << LM << true << "/usr/bin/tool";
    QTest::newRow("string without its NUL")
        << S << QByteArray("/usr/bin/tool") << path << name << LM << true << "/usr/bin/tool";
    QTest::newRow("empty string with its NUL")
        << S << QByteArray(1, '\0') << path << name << LM << true << "";
    QTest::newRow("empty string without a NUL")
        << S << QByteArray() << path << name << LM << true << "";
    QTest::newRow("only the last NUL goes") << S << QByteArray("ab\0\0", 4) << path << name << LM
                                            << true << QString::fromLatin1("ab\0", 3);
    QTest::newRow("letters beyond ASCII") << S << QByteArray("/opt/f\xc3\xbcr/tool\0", 15) << path
                                          << name << LM << true << "/opt/f\u00fcr/tool";
    QTest::newRow("a full buffer without NUL")
        << S << QByteArray(1024, 'x') << path << name << LM << true << QString(1024, u'x');
    QTest::newRow("a full buffer ending in NUL")
        << S << QByteArray(1023, 'x') + '\0' << path << name << LM << true << QString(1023, u'x');
    QTest::newRow("larger than the buffer")
        << S << QByteArray(1025, 'x') << path << name << LM << false << "";
    QTest::newRow("key and value names ignore case")
        << S << QByteArray("/bin/x") << path.toLower() << "path" << LM << true << "/bin/x";

    const quint32 D = Registry::DWord;
    QTest::newRow("32-bit value") << D << dword(0x12AB34CD) << path << name << LM << true
                                  << "&h12AB34CD";
    QTest::newRow("32-bit value with zero high bytes")
        << D << dword(0x1234) << path << name << LM << true << "&h1234";
    QTest::newRow("32-bit value with a zero inner byte")
        << D << dword(0x01020304) << path << name << LM << true << "&h1020304";
    QTest::newRow("32-bit zero") << D << dword(0) << path << name << LM << true << "&h0";
    QTest::newRow("32-bit all ones")
        << D << dword(0xFFFFFFFF) << path << name << LM << true << "&hFFFFFFFF";

    QTest::newRow("another type leaves the output")
        << quint32(Registry::Binary) << QByteArray("\x01\x02", 2) << path << name << LM << true
        << "before";
    QTest::newRow("missing key") << S << QByteArray("/bin/x") << Key + "\\Other" << name << LM
                                 << false << "";
    QTest::newRow("missing value")
        << S << QByteArray("/bin/x") << path << "FOLDER" << LM << false << "";
    QTest::newRow("a key above the value's")
        << S << QByteArray("/bin/x") << "SOFTWARE\\Maker" << name << LM << false << "";
    QTest::newRow("another root") << S << QByteArray("/bin/x") << path << name
                                  << quint32(0x80000001) << false << "";
}

void TestGetKeyValue::readsValue()
{
    QFETCH(quint32, type);
    QFETCH(QByteArray, stored);
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(quint32, root);
    QFETCH(bool, read);
    QFETCH(QString, text);

    FakeRegistry store;
    store.setValue(Key, QStringLiteral("PATH"), type, stored);

    QString output = QStringLiteral("before");
    QCOMPARE(GetKeyValue(root, path, name, output), read);
    QCOMPARE(output, text);
    // Whatever happened, no key is left open.
    QCOMPARE(store.openKeys(), 0);
}

void TestGetKeyValue::readOnlyStoreRefusesWriting()
{
    // The store refuses to be opened for writing; reading it still finds the tool.
    FakeRegistry store;
    store.setString(Key, QStringLiteral("PATH"), QStringLiteral("/bin/x"), true);
    Registry::Key key = 0;
    QCOMPARE(store.openKey(Registry::LocalMachine, Key, Registry::AllAccess, key),
        Registry::AccessDenied);
    QCOMPARE(store.openKeys(), 0);
    QString output;
    QVERIFY(GetKeyValue(Registry::LocalMachine, Key, QStringLiteral("PATH"), output));
    QCOMPARE(output, QStringLiteral("/bin/x"));
}

CORVANE_TEST(TestGetKeyValue)
#include "tst_GetKeyValue.moc"
