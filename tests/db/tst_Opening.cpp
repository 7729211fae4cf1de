#include "tst_Opening.h"
#include "TestRegistry.h"

#include "DbError.h"
#include "Recordset.h"
#include "ScratchDatabase.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>
#include <sqlite3.h>
#include <unistd.h>

namespace {

// A connection of the bare engine, as the stock shell has it: none of the program's functions.
struct Bare
{
    sqlite3 *db = nullptr;
    explicit Bare(const QString &path, int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    }
    ~Bare() { sqlite3_close(db); }
    int run(const char *sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }
    int run(const QString &sql) { return run(sql.toUtf8().constData()); }
    int number(const char *pragma)
    {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, pragma, -1, &stmt, nullptr);
        const int value = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
        sqlite3_finalize(stmt);
        return value;
    }
};

// A bare connection to one of the program's files, with its password given.
struct Keyed : Bare
{
    explicit Keyed(const QString &path)
        : Bare(path, SQLITE_OPEN_READWRITE)
    {
        run("PRAGMA key = 'KXQ'");
    }
};

// The message of the refusal to open the file; empty when it opens.
QString openRefusal(const QString &path)
{
    try {
        Database::open(path);
    } catch (const DbError &error) {
        return error.message();
    }
    return {};
}

// The program's mark, as the file states it.
constexpr int OwnApplicationId = 0x436F7276;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

void tst_Opening::fileIsUnreadableWithoutPassword()
{
    ScratchDatabase scratch;
    scratch.insert(QStringLiteral("Customer"),
        { { QStringLiteral("Customer"), QStringLiteral("Zyxwvut Copiers") } });
    const QString path = scratch.path();
    // While the file is open its latest changes stand in the write-ahead journal beside it,
    // which must be as unreadable as the file.
    QFile journal(path + "-wal");
    QVERIFY(journal.open(QIODevice::ReadOnly));
    QVERIFY(!journal.readAll().contains("Zyxwvut"));
    scratch.close();
    // Closing folds the journal back into the file, so that the file alone is whole.
    QVERIFY(!QFile::exists(journal.fileName()));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    QVERIFY(!raw.isEmpty());
    QVERIFY(!raw.contains("SQLite format 3"));
    QVERIFY(!raw.contains("Zyxwvut"));
    QVERIFY(!raw.contains("CREATE TABLE"));

    try {
        Database::open(path, QStringLiteral("guess"));
        QFAIL("opened with another password");
    } catch (const DbError &error) {
        QCOMPARE(error.message(),
            QStringLiteral("The database %1 could not be opened: the password is "
                           "wrong or the file is damaged.")
                .arg(path));
    }
    QCOMPARE(Database::open(path)
                 ->openRecordset(QStringLiteral("SELECT Customer FROM Customer"))
                 .field(0)
                 .toString(),
        QStringLiteral("Zyxwvut Copiers"));
}

void tst_Opening::stockEngineWorksWithPassword()
{
    // The stock shell must read and write the file with only the password: the schema names
    // nothing the bare engine lacks, and it keeps the widths on its own.
    ScratchDatabase scratch;
    const QString path = scratch.path();
    scratch.close();
    Bare bare(path, SQLITE_OPEN_READWRITE);
    QCOMPARE(bare.run("PRAGMA key = 'KXQ'"), SQLITE_OK);
    QCOMPARE(bare.run("INSERT INTO Customer (Customer, City) VALUES ('Acme', 'Lyon')"), SQLITE_OK);
    QCOMPARE(bare.run("SELECT * FROM Customer WHERE City = 'LYON' ORDER BY Customer"), SQLITE_OK);
    const QByteArray tooWide = "UPDATE Customer SET City = '" + QByteArray(51, 'x') + "'";
    QCOMPARE(bare.run(tooWide.constData()), SQLITE_CONSTRAINT);
    QCOMPARE(bare.run("PRAGMA integrity_check"), SQLITE_OK);
}

void tst_Opening::openFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("cause");

    QTest::newRow("missing") << "missing"
                             << "the file does not exist";
    QTest::newRow("folder") << "folder"
                            << "it is a folder, not a database file";
    QTest::newRow("empty") << "empty"
                           << "the file is empty, not a database";
    QTest::newRow("text file") << "text"
                               << "the file is not a database";
    QTest::newRow("text of whole pages") << "pages"
                                         << "the password is wrong or the file is damaged";
    QTest::newRow("plain database") << "plain"
                                    << "the file is a database without encryption";
    QTest::newRow("other tables")
        << "tables"
        << "the file lacks the tables Equipment and Telemarket of this program";
    QTest::newRow("read-only") << "readonly"
                               << "there is no permission to change the file";
}

void tst_Opening::openFailures()
{
    QFETCH(QString, kind);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.db"));
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x.db")));
    } else if (kind == QLatin1String("empty")) {
        writeFile(path, {});
    } else if (kind == QLatin1String("text")) {
        writeFile(path, "Customer,City\nAcme,Lyon\n");
    } else if (kind == QLatin1String("pages")) {
        writeFile(path, QByteArray(2048, 'x'));
    } else if (kind == QLatin1String("plain")) {
        Bare bare(path);
        QCOMPARE(bare.run("CREATE TABLE Customer (Customer TEXT)"), SQLITE_OK);
    } else if (kind == QLatin1String("tables")) {
        Bare bare(path);
        QCOMPARE(bare.run("PRAGMA key = 'KXQ'; CREATE TABLE customer (Customer TEXT)"), SQLITE_OK);
    } else if (kind == QLatin1String("readonly")) {
        if (geteuid() == 0)
            QSKIP("the superuser may write any file");
        Database::create(path);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    }
    try {
        Database::open(path);
        QFAIL("opened");
    } catch (const DbError &error) {
        const QString expected
            = QStringLiteral("The database %1 could not be opened: %2").arg(path, cause);
        QVERIFY2(error.message().startsWith(expected), qPrintable(error.message()));
        QVERIFY(error.message().endsWith(QLatin1Char('.')));
    }
}

void tst_Opening::lockedFileIsNamed()
{
    ScratchDatabase scratch;
    const QString path = scratch.path();
    scratch.close();
    auto other = std::make_unique<Keyed>(path);
    QCOMPARE(other->run("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE"), SQLITE_OK);
    QCOMPARE(openRefusal(path),
        QStringLiteral(
            "The database %1 could not be opened: the file is locked by another program.")
            .arg(path));
    // Once the other program lets go, the file opens. A file with a write-ahead journal stays
    // locked by a program in exclusive mode until it closes the file.
    QCOMPARE(other->run("COMMIT"), SQLITE_OK);
    other.reset();
    QVERIFY(Database::open(path));
}

void tst_Opening::fileIdentity_data()
{
    QTest::addColumn<int>("applicationId"); // -1: as the program made the file
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("cause"); // empty when the file opens
    QTest::addColumn<int>("versionAfter");

    QTest::newRow("made by the program") << -1 << -1 << "" << 3;
    QTest::newRow("made before files were marked") << 0 << 0 << "" << 3;
    QTest::newRow("version 1, without the type index") << -1 << 1 << "" << 3;
    QTest::newRow("version 2, without the city and zip indexes") << -1 << 2 << "" << 3;
    QTest::newRow("another application's mark")
        << 0x12345678 << 1 << "the file belongs to another application (application id 305419896)"
        << 1;
    QTest::newRow("another application's version without a mark")
        << 0 << 4 << "the file belongs to another application (application id 0)" << 4;
    QTest::newRow("newer version")
        << OwnApplicationId << 4 << "the file is of version 4, newer than this program knows (3)"
        << 4;
}

void tst_Opening::fileIdentity()
{
    QFETCH(int, applicationId);
    QFETCH(int, version);
    QFETCH(QString, cause);
    QFETCH(int, versionAfter);
    ScratchDatabase scratch;
    scratch.insert(
        QStringLiteral("Customer"), { { QStringLiteral("Customer"), QStringLiteral("Kept") } });
    const QString path = scratch.path();
    scratch.close();
    {
        Keyed bare(path);
        QCOMPARE(bare.number("PRAGMA application_id"), OwnApplicationId);
        QCOMPARE(bare.number("PRAGMA user_version"), 3);
        // Files of an older layout lack what later versions added.
        if (version >= 0 && version < 2)
            QCOMPARE(bare.run("DROP INDEX CustomerType"), SQLITE_OK);
        if (version >= 0 && version < 3) {
            QCOMPARE(bare.run("DROP INDEX CustomerCity"), SQLITE_OK);
            QCOMPARE(bare.run("DROP INDEX CustomerZip"), SQLITE_OK);
        }
        if (applicationId >= 0)
            QCOMPARE(bare.run(QStringLiteral("PRAGMA application_id = %1").arg(applicationId)),
                SQLITE_OK);
        if (version >= 0)
            QCOMPARE(bare.run(QStringLiteral("PRAGMA user_version = %1").arg(version)), SQLITE_OK);
    }

    try {
        auto db = Database::open(path);
        QVERIFY2(cause.isEmpty(), "opened");
        QCOMPARE(db->foundVersion(), version < 0 ? 3 : version);
        QCOMPARE(db->version(), versionAfter);
        QCOMPARE(
            db->openRecordset(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name "
                                             "IN ('CustomerType','CustomerCity','CustomerZip')"))
                .field(0)
                .toInt(),
            3);
        QCOMPARE(db->openRecordset(QStringLiteral("SELECT Customer FROM Customer")).field(0),
            QVariant(QStringLiteral("Kept")));
    } catch (const DbError &error) {
        QCOMPARE(error.message(),
            QStringLiteral("The database %1 could not be opened: %2.").arg(path, cause));
    }
    // A refused file is left as it was; an older one now carries the mark.
    Keyed bare(path);
    QCOMPARE(bare.number("PRAGMA user_version"), versionAfter);
    QCOMPARE(
        bare.number("PRAGMA application_id"), cause.isEmpty() ? OwnApplicationId : applicationId);
}

void tst_Opening::upgradeWaitsForNoWriter()
{
    // The stamp of an older file is one transaction: while another program writes, the file is
    // refused and stays as it was, and it is stamped once the writer is done.
    ScratchDatabase scratch;
    const QString path = scratch.path();
    scratch.close();
    Keyed other(path);
    QCOMPARE(other.run("PRAGMA application_id = 0; PRAGMA user_version = 0"), SQLITE_OK);
    QCOMPARE(other.run("BEGIN IMMEDIATE; INSERT INTO Customer (Customer) VALUES ('Writing')"),
        SQLITE_OK);
    const QString refusal = openRefusal(path);
    QVERIFY2(refusal.startsWith(QStringLiteral("The database %1 could not be opened: it could "
                                               "not be brought up to version 3 (")
                                    .arg(path)),
        qPrintable(refusal));
    QCOMPARE(other.number("PRAGMA user_version"), 0);
    QCOMPARE(other.run("COMMIT"), SQLITE_OK);
    QCOMPARE(Database::open(path)->foundVersion(), 0);
    QCOMPARE(other.number("PRAGMA user_version"), 3);
    QCOMPARE(other.number("PRAGMA application_id"), OwnApplicationId);
}

void tst_Opening::createRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("cause");
    QTest::newRow("existing file") << "taken.db"
                                   << "KXQ"
                                   << "a file of that name exists already";
    QTest::newRow("missing folder") << "nowhere/new.db"
                                    << "KXQ"
                                    << "the folder does not exist";
    QTest::newRow("no password") << "open.db"
                                 << ""
                                 << "a password is needed";
}

void tst_Opening::createRefusals()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    writeFile(dir.filePath(QStringLiteral("taken.db")), "keep me");
    try {
        Database::create(path, password);
        QFAIL("created");
    } catch (const DbError &error) {
        QVERIFY2(error.message().startsWith(
                     QStringLiteral("The database %1 could not be created: %2").arg(path, cause)),
            qPrintable(error.message()));
    }
    QFile taken(dir.filePath(QStringLiteral("taken.db")));
    QVERIFY(taken.open(QIODevice::ReadOnly));
    QCOMPARE(taken.readAll(), QByteArray("keep me"));
    QCOMPARE(QFile::exists(path), name == QLatin1String("taken.db"));
}

CORVANE_TEST(tst_Opening)
