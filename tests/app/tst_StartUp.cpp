#include "tst_StartUp.h"
#include "TestRegistry.h"

#include "Database.h"
#include "DbError.h"
#include "MDI.h"
#include "MainMod.h"
#include "MsgBox.h"
#include "ProgramFolder.h"
#include "RunningCopy.h"
#include "WindowTestBase.h"
#include "frmPassword.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString Running = QStringLiteral("This application is already running.");
const QString RunningTitle = QStringLiteral("Application Already Running");

enum class Fault {
    NoConfig,
    TooFewItems,
    MonthsAbove,
    MonthsBelow,
    EmptyPath,
    MissingDatabase,
    WrongPassword,
    NotADatabase,
    FolderForDatabase,
};

QString configStopped(const QString &config, const QString &cause)
{
    return QStringLiteral("The configuration file %1 could not be used: %2.").arg(config, cause);
}

// The message the engine itself gives for a file it cannot open.
QString engineMessage(const QString &path)
{
    try {
        Database::open(path);
    } catch (const DbError &error) {
        return error.message();
    }
    return QStringLiteral("(the engine opened %1)").arg(path);
}

} // namespace

Q_DECLARE_METATYPE(Fault)

// Answers the start-up password window as a user would: types each answer and presses OK, or
// Cancel where an answer is Cancel or none is left. Keeps what the window showed each time.
class PasswordAnswers
{
public:
    static inline const QString Cancel = QStringLiteral("<Cancel>");

    PasswordAnswers()
    {
        // The window waits in an event loop of its own; the timer runs within it.
        m_timer.callOnTimeout([this] { answer(); });
        m_timer.start(0);
    }

    QStringList answers;
    // The line under the field each time ("" the first time), and whether the field hid what
    // was typed; what a screen reader calls the field, the file and the buttons.
    QStringList notes;
    QList<bool> masked;
    QStringList names;
    // Where the second look at the window is saved, if anywhere.
    QString screenshotPath;

private:
    void answer()
    {
        auto *window = qobject_cast<frmPassword *>(QApplication::activeModalWidget());
        if (!window || !window->isVisible())
            return;
        names = QStringList { window->txtPassword->accessibleName(),
            window->lblFile->accessibleName(), window->btnOK->accessibleName(),
            window->btnCancel->accessibleName() };
        notes << window->lblTries->text();
        masked << (window->txtPassword->echoMode() == QLineEdit::Password);
        const QString next = answers.isEmpty() ? Cancel : answers.takeFirst();
        if (next != Cancel)
            QTest::keyClicks(window->txtPassword, next);
        if (!screenshotPath.isEmpty() && notes.size() == 2)
            window->grab().save(screenshotPath);
        QTest::mouseClick(next == Cancel ? window->btnCancel : window->btnOK, Qt::LeftButton);
    }

    QTimer m_timer;
};

tst_StartUp::tst_StartUp() = default;
tst_StartUp::~tst_StartUp() = default;

void tst_StartUp::init()
{
    m_messages.clear();
    m_startFolder = QDir::currentPath();
    MsgBox::setHandler([this](const QString &text, const QString &title, MsgBox::Buttons) {
        m_messages.append({ text, title });
        return MsgBox::Ok;
    });
    // Any file the built-in password does not open asks; unless a test answers, it is cancelled.
    m_password = std::make_unique<PasswordAnswers>();
}

void tst_StartUp::cleanup()
{
    endRun();
    setProgramFolder(QString());
    MsgBox::setHandler(nullptr);
    m_password.reset();
    QDir::setCurrent(m_startFolder);
}

void tst_StartUp::goodStart()
{
    ProgramFolder folder;
    const QString database = folder.createDatabase(QStringLiteral("customers.db"));
    folder.writeConfig(database, QStringLiteral("6"));
    setProgramFolder(folder.path());

    QCOMPARE(Main(), 0);
    QVERIFY(m_messages.isEmpty());
    QVERIFY(m_password->notes.isEmpty());
    QVERIFY(mainWindow());
    QVERIFY(mainWindow()->isVisible());
    QCOMPARE(mainWindow()->windowTitle(), QStringLiteral("Corvane"));
    QVERIFY(gDatabase);
    QCOMPARE(gDatabasePath, database);
    QCOMPARE(gCallBackMonths, qint16(6));
    // The connection is the real one: it reads the tables.
    QCOMPARE(gDatabase->integrityCheck(), QStringLiteral("ok"));
}

void tst_StartUp::databasePath_data()
{
    QTest::addColumn<QString>("item"); // item 3 as written in config.txt
    QTest::addColumn<QString>("location"); // where the file lies: "folder/..." or "elsewhere/..."

    QTest::newRow("relative, beside the program") << "customers.db"
                                                  << "folder/customers.db";
    QTest::newRow("relative, in a subfolder") << "data/customers.db"
                                              << "folder/data/customers.db";
    QTest::newRow("relative, upwards") << "../shared.db"
                                       << "folder/../shared.db";
    QTest::newRow("relative with commas") << "Smith, Jones/c.db"
                                          << "folder/Smith, Jones/c.db";
    QTest::newRow("absolute") << "@elsewhere/customers.db"
                              << "elsewhere/customers.db";
}

void tst_StartUp::databasePath()
{
    QFETCH(QString, item);
    QFETCH(QString, location);

    QTemporaryDir outer;
    const QString programPath = outer.filePath(QStringLiteral("program"));
    const QString elsewherePath = outer.filePath(QStringLiteral("elsewhere"));
    const QString startedFrom = outer.filePath(QStringLiteral("started-from"));
    for (const QString &dir : { programPath, elsewherePath, startedFrom })
        QVERIFY(QDir().mkpath(dir));

    const auto resolve = [&](QString text) {
        return text.replace(QStringLiteral("folder/"), programPath + QLatin1Char('/'))
            .replace(QStringLiteral("elsewhere/"), elsewherePath + QLatin1Char('/'));
    };
    const QString expected = resolve(location);
    QVERIFY(QDir().mkpath(QFileInfo(expected).absolutePath()));
    Database::create(expected);

    // A working copy of the fixture, but in a folder laid out for this row.
    QFile config(QDir(programPath).filePath(QStringLiteral("config.txt")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    const QString written = item.startsWith(QLatin1Char('@')) ? resolve(item.mid(1)) : item;
    config.write(
        QStringLiteral("Corvane\n\"Database\",\"%1\"\nCall back months,3\n").arg(written).toUtf8());
    config.close();

    // Started from another folder: the database is found all the same.
    QDir::setCurrent(startedFrom);
    setProgramFolder(programPath);
    QCOMPARE(Main(), 0);
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(QFileInfo(gDatabasePath).canonicalFilePath(), QFileInfo(expected).canonicalFilePath());
    QCOMPARE(
        QFileInfo(gDatabase->path()).canonicalFilePath(), QFileInfo(expected).canonicalFilePath());
    QCOMPARE(gCallBackMonths, qint16(3));
}

void tst_StartUp::stops_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::newRow("config.txt missing") << Fault::NoConfig;
    QTest::newRow("fewer than five items") << Fault::TooFewItems;
    QTest::newRow("fifth item above the range") << Fault::MonthsAbove;
    QTest::newRow("fifth item below the range") << Fault::MonthsBelow;
    QTest::newRow("database path empty") << Fault::EmptyPath;
    QTest::newRow("database missing") << Fault::MissingDatabase;
    QTest::newRow("database with another password") << Fault::WrongPassword;
    QTest::newRow("file that is not a database") << Fault::NotADatabase;
    QTest::newRow("folder in place of the database") << Fault::FolderForDatabase;
}

void tst_StartUp::stops()
{
    QFETCH(Fault, fault);

    ProgramFolder folder;
    const QString config = QDir::toNativeSeparators(folder.filePath(QStringLiteral("config.txt")));
    const QString database = folder.filePath(QStringLiteral("customers.db"));
    QString expected; // the whole message
    QString named = config;
    switch (fault) {
    case Fault::NoConfig: {
        QFile absent(config);
        QVERIFY(!absent.open(QIODevice::ReadOnly));
        expected = configStopped(
            config, QStringLiteral("it cannot be opened (%1)").arg(absent.errorString()));
        break;
    }
    case Fault::TooFewItems:
        folder.createDatabase(QStringLiteral("customers.db"));
        folder.writeConfig(QByteArray("\"Corvane\"\r\n\"Database\",\"customers.db\"\r\n"));
        expected = configStopped(config, QStringLiteral("it holds fewer than five items (3)"));
        break;
    case Fault::MonthsAbove:
    case Fault::MonthsBelow: {
        folder.createDatabase(QStringLiteral("customers.db"));
        const QString months
            = fault == Fault::MonthsAbove ? QStringLiteral("32768") : QStringLiteral("-32769");
        folder.writeConfig(QStringLiteral("customers.db"), months);
        expected = configStopped(
            config, QStringLiteral("the fifth item \"%1\" is outside -32768 to 32767").arg(months));
        break;
    }
    case Fault::EmptyPath:
        folder.writeConfig(QString());
        expected
            = configStopped(config, QStringLiteral("the third item (the database path) is empty"));
        break;
    case Fault::MissingDatabase:
        folder.writeConfig(QStringLiteral("customers.db"));
        named = database;
        break;
    case Fault::WrongPassword:
        folder.createDatabase(QStringLiteral("customers.db"), QStringLiteral("not-the-password"));
        folder.writeConfig(QStringLiteral("customers.db"));
        named = database;
        break;
    case Fault::NotADatabase: {
        QFile file(database);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        folder.writeConfig(QStringLiteral("customers.db"));
        named = database;
        break;
    }
    case Fault::FolderForDatabase:
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("customers.db")));
        folder.writeConfig(QStringLiteral("customers.db"));
        named = database;
        break;
    }
    if (named == database)
        expected = engineMessage(database);

    const auto before = folder.contents();
    setProgramFolder(folder.path());
    QCOMPARE_NE(Main(), 0);

    QCOMPARE(m_messages.size(), 1);
    if (!expected.isEmpty())
        QCOMPARE(m_messages[0].first, expected);
    QVERIFY2(m_messages[0].first.contains(QDir::toNativeSeparators(named)),
        qPrintable(m_messages[0].first));
    QCOMPARE(m_messages[0].second, QStringLiteral("Corvane"));
    QVERIFY(!mainWindow());
    QVERIFY(!gDatabase);
    QCOMPARE(folder.contents(), before);
}

void tst_StartUp::secondCopy()
{
    ProgramFolder folder;
    const QString database = folder.createDatabase(QStringLiteral("customers.db"));
    folder.writeConfig(QStringLiteral("customers.db"));
    RunningCopy first;
    const QString problem = first.start(folder, database);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    // What a first copy in this process would have set up stays as it was.
    gDatabasePath = QStringLiteral("/first/copy.db");
    gCallBackMonths = 9;
    setProgramFolder(folder.path());
    QCOMPARE_NE(Main(), 0);
    QCOMPARE(m_messages, (QList<QPair<QString, QString>> { { Running, RunningTitle } }));
    QVERIFY(!mainWindow());
    QVERIFY(!gDatabase);
    QCOMPARE(gDatabasePath, QStringLiteral("/first/copy.db"));
    QCOMPARE(gCallBackMonths, qint16(9));
    QVERIFY(first.running());

    // A second copy whose database cannot be opened says so rather than that one is running.
    m_messages.clear();
    folder.writeConfig(QStringLiteral("missing.db"));
    QCOMPARE_NE(Main(), 0);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].first, engineMessage(folder.filePath(QStringLiteral("missing.db"))));
    QVERIFY(first.running());

    // Once the first copy is gone, the next one starts.
    m_messages.clear();
    first.kill();
    folder.writeConfig(QStringLiteral("customers.db"));
    QCOMPARE(Main(), 0);
    QVERIFY(m_messages.isEmpty());
    QVERIFY(mainWindow());
}

void tst_StartUp::ownPassword_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("starts");

    const QString own = QStringLiteral("Own one");
    QTest::newRow("right at once") << QStringList { own } << true;
    QTest::newRow("right at the third try") << QStringList { "own one", "Own", own } << true;
    QTest::newRow("wrong three times") << QStringList { "a", "KXQ", "own one" } << false;
    QTest::newRow("cancelled") << QStringList { PasswordAnswers::Cancel } << false;
}

void tst_StartUp::ownPassword()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, starts);
    ProgramFolder folder;
    const QString database
        = folder.createDatabase(QStringLiteral("customers.db"), QStringLiteral("Own one"));
    folder.writeConfig(QStringLiteral("customers.db"));
    const QString today = engineMessage(database);
    const auto before = folder.contents();
    m_password->answers = answers;
    if (QByteArray(QTest::currentDataTag()) == "right at the third try")
        m_password->screenshotPath = WindowTestBase::screenshotPath(QStringLiteral("password.png"));

    setProgramFolder(folder.path());
    QCOMPARE(Main() == 0, starts);
    const QStringList notes { QString(), "The password is wrong. 2 tries left.",
        "The password is wrong. 1 try left." };
    QCOMPARE(m_password->notes, notes.mid(0, answers.size()));
    QCOMPARE(m_password->masked, QList<bool>(answers.size(), true));
    QCOMPARE(m_password->names,
        QStringList({ "Password:", QDir::toNativeSeparators(database), "OK", "Cancel" }));
    if (starts) {
        QVERIFY(m_messages.isEmpty());
        QVERIFY(mainWindow());
        QCOMPARE(gDatabase->integrityCheck(), QStringLiteral("ok"));
    } else {
        // As a file the program cannot open always stopped it, and untouched.
        QCOMPARE(m_messages, (QList<QPair<QString, QString>> { { today, "Corvane" } }));
        QVERIFY(!mainWindow());
        QCOMPARE(folder.contents(), before);
    }
}

CORVANE_TEST(tst_StartUp)
