#include "TestRegistry.h"

#include "Database.h"
#include "MDI.h"
#include "MainMod.h"
#include "MsgBox.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QTest>

// An installation names the database from the user's home; the first start of each user finds no
// file there and is asked whether to make one.
class tst_HomeDatabase : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstStart_data();
    void firstStart();

private:
    struct Message
    {
        QString text;
        MsgBox::Buttons buttons;
    };
    QList<Message> m_messages;
    QByteArray m_home;
};

namespace {

const QString Item = QStringLiteral("~/.local/share/Corvane/customers.db");

} // namespace

void tst_HomeDatabase::init()
{
    m_home = qgetenv("HOME");
    m_messages.clear();
}

void tst_HomeDatabase::cleanup()
{
    endRun();
    setProgramFolder(QString());
    MsgBox::setHandler(nullptr);
    qputenv("HOME", m_home);
}

void tst_HomeDatabase::firstStart_data()
{
    QTest::addColumn<bool>("there"); // the file exists before the start
    QTest::addColumn<int>("answer"); // to the question, when it comes
    QTest::addColumn<bool>("starts");

    QTest::newRow("no file, Yes makes it") << false << int(MsgBox::Yes) << true;
    QTest::newRow("no file, No stops") << false << int(MsgBox::No) << false;
    QTest::newRow("file there, no question") << true << int(MsgBox::Yes) << true;
}

void tst_HomeDatabase::firstStart()
{
    QFETCH(bool, there);
    QFETCH(int, answer);
    QFETCH(bool, starts);

    ProgramFolder folder, home;
    qputenv("HOME", home.path().toUtf8());
    const QString path = home.filePath(QStringLiteral(".local/share/Corvane/customers.db"));
    if (there)
        home.createDatabase(path);
    folder.writeConfig(Item);
    const auto before = home.contents();
    MsgBox::setHandler([&](const QString &text, const QString &, MsgBox::Buttons buttons) {
        m_messages.append({ text, buttons });
        return MsgBox::Answer(answer);
    });

    setProgramFolder(folder.path());
    QCOMPARE(Main() == 0, starts);

    const QString question
        = QStringLiteral("There is no database at %1 yet.\n\nMake a new empty database there?")
              .arg(path);
    if (!there) {
        QVERIFY(!m_messages.isEmpty());
        QCOMPARE(m_messages[0].text, question);
        QCOMPARE(m_messages[0].buttons, MsgBox::YesNo);
        m_messages.removeFirst();
    }
    if (starts) {
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(gDatabasePath, path);
        QCOMPARE(gDatabase->integrityCheck(), QStringLiteral("ok"));
        QVERIFY(mainWindow());
    } else {
        // As any missing database: the engine's message naming the file, and nothing written.
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].text.contains(path), qPrintable(m_messages[0].text));
        QCOMPARE(home.contents(), before);
        QVERIFY(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
}

CORVANE_TEST(tst_HomeDatabase)
#include "tst_HomeDatabase.moc"
