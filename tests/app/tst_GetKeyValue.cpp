#include "FakeRegistry.h"
#include "SysInfo.h"
#include "TestRegistry.h"

#include <QTest>
#include <QtEndian>

// Reading one value of the machine's settings store. The store refuses to be opened for writing,
// so every value read here also shows that reading asks for no more than reading.
class tst_GetKeyValue : public QObject
{
    Q_OBJECT
private slots:
    void readsValue_data();
    void readsValue();
};

namespace {

const QString Key = QStringLiteral("SOFTWARE\\Maker\\Tools\\Info");

QByteArray dword(quint32 value)
{
    const quint32 stored = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&stored), sizeof stored);
}

} // namespace

void tst_GetKeyValue::readsValue_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("stored"); // as the value PATH of Key
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("text"); // the output after the call; it holds "before" on entry

    const quint32 S = Registry::String, D = Registry::DWord;
    const QString P = QStringLiteral("PATH");
    QTest::newRow("string with its NUL")
        << S << QByteArray("/bin/tool\0", 10) << Key << P << true << "/bin/tool";
    QTest::newRow("string without its NUL")
        << S << QByteArray("/bin/tool") << Key << P << true << "/bin/tool";
    QTest::newRow("empty, without a NUL") << S << QByteArray() << Key << P << true << "";
    QTest::newRow("a full buffer without NUL")
        << S << QByteArray(1024, 'x') << Key << P << true << QString(1024, u'x');
    QTest::newRow("larger than the buffer")
        << S << QByteArray(1025, 'x') << Key << P << false << "";
    QTest::newRow("names ignore case")
        << S << QByteArray("/bin/x") << Key.toLower() << "path" << true << "/bin/x";
    QTest::newRow("32-bit value") << D << dword(0x12AB34CD) << Key << P << true << "&h12AB34CD";
    QTest::newRow("32-bit value with zero bytes")
        << D << dword(0x00010203) << Key << P << true << "&h10203";
    QTest::newRow("another type leaves the output")
        << quint32(Registry::Binary) << QByteArray("\x01\x02", 2) << Key << P << true << "before";
    QTest::newRow("missing key") << S << QByteArray("/bin/x") << Key + "\\Other" << P << false
                                 << "";
    QTest::newRow("missing value") << S << QByteArray("/bin/x") << Key << "FOLDER" << false << "";
}

void tst_GetKeyValue::readsValue()
{
    QFETCH(quint32, type);
    QFETCH(QByteArray, stored);
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(bool, read);
    QFETCH(QString, text);

    FakeRegistry store;
    store.setValue(Key, QStringLiteral("PATH"), type, stored);
    QString output = QStringLiteral("before");
    QCOMPARE(GetKeyValue(Registry::LocalMachine, path, name, output), read);
    QCOMPARE(output, text);
    QCOMPARE(store.openKeys(), 0); // whatever happened, no key is left open
}

CORVANE_TEST(tst_GetKeyValue)
#include "tst_GetKeyValue.moc"
