#include "TestRegistry.h"

#include "Database.h"
#include "MainMod.h"
#include "MsgBox.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QScopeGuard>
#include <QTest>

// The first start of each user of an installation whose config.txt names the database from the
// user's home.
class tst_HomeDatabase : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void firstStart_data();
    void firstStart();
};

void tst_HomeDatabase::cleanup()
{
    endRun();
    setProgramFolder(QString());
    MsgBox::setHandler(nullptr);
}

void tst_HomeDatabase::firstStart_data()
{
    QTest::addColumn<bool>("there"); // the file exists before the start
    QTest::addColumn<int>("answer"); // to the question, where it comes

    QTest::newRow("no file, Yes makes it") << false << int(MsgBox::Yes);
    QTest::newRow("no file, No stops") << false << int(MsgBox::No);
    QTest::newRow("file there, no question") << true << int(MsgBox::No);
}

void tst_HomeDatabase::firstStart()
{
    QFETCH(bool, there);
    QFETCH(int, answer);

    ProgramFolder folder, home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", oldHome); });
    const QString path = home.filePath(QStringLiteral(".local/share/Corvane/customers.db"));
    if (there)
        home.createDatabase(path);
    folder.writeConfig(QStringLiteral("~/.local/share/Corvane/customers.db"));
    QStringList shown;
    MsgBox::setHandler([&](const QString &text, const QString &, MsgBox::Buttons buttons) {
        shown << text + (buttons == MsgBox::YesNo ? QStringLiteral(" [Yes/No]") : QString());
        return MsgBox::Answer(answer);
    });

    setProgramFolder(folder.path());
    const bool started = Main() == 0;

    QCOMPARE(started, there || answer == MsgBox::Yes);
    if (!there)
        QCOMPARE(shown.isEmpty() ? QString() : shown.takeFirst(),
            QStringLiteral("There is no database at %1 yet.\n\n"
                           "Make a new empty database there? [Yes/No]")
                .arg(path));
    if (started) {
        QVERIFY(shown.isEmpty());
        QCOMPARE(gDatabasePath, path);
        QCOMPARE(gDatabase->integrityCheck(), QStringLiteral("ok"));
    } else {
        // As for any missing database: the engine's message naming the file, and nothing written.
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(path), qPrintable(shown[0]));
        QVERIFY(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
}

CORVANE_TEST(tst_HomeDatabase)
#include "tst_HomeDatabase.moc"
