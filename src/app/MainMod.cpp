#include "MainMod.h"

#include "ConfigError.h"
#include "ConfigReader.h"
#include "Database.h"
#include "DbError.h"
#include "HomeDatabase.h"
#include "InstanceGuard.h"
#include "MDI.h"
#include "MsgBox.h"
#include "PasswordOpening.h"
#include "frmPassword.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>

namespace {

const QString ProgramTitle = QStringLiteral("Corvane");
constexpr int DatabasePathItem = 2;
constexpr int CallBackMonthsItem = 4;

QString gProgramFolder;
std::unique_ptr<InstanceGuard> gGuard;
QPointer<MDI> gMain;
// config.txt named the database from the user's home: a missing file there is a first start.
bool gDatabaseInHome = false;

// config.txt names the database relative to the program's folder, whatever folder the program
// was started from; an absolute path stands as it is, and "~/" starts from the user's home.
QString databasePathFrom(const QString &item, const QString &configPath)
{
    if (item.isEmpty())
        throw ConfigError(
            configPath, QStringLiteral("the third item (the database path) is empty"));
    gDatabaseInHome = HomeDatabase::names(item);
    if (gDatabaseInHome)
        return HomeDatabase::path(item);
    return QDir::isRelativePath(item) ? QDir(programFolder()).filePath(item) : item;
}

// A file with a password of its own is opened with the one the user gives; one with the built-in
// password starts without a question. Cancel, or a third wrong answer, stops start-up with the
// message a wrong password has always given.
std::unique_ptr<Database> openDatabase(const QString &path)
{
    std::unique_ptr<frmPassword> dialog;
    return PasswordOpening::open(path, [&](int wrongSoFar) {
        if (!dialog)
            dialog = std::make_unique<frmPassword>(path);
        return dialog->ask(wrongSoFar);
    }).db;
}

} // namespace

MDI *mainWindow()
{
    return gMain;
}

void setProgramFolder(const QString &folder)
{
    gProgramFolder = folder;
}

QString programFolder()
{
    return gProgramFolder.isEmpty() ? QCoreApplication::applicationDirPath() : gProgramFolder;
}

void ReadConfig()
{
    const QString path = QDir(programFolder()).filePath(QStringLiteral("config.txt"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ConfigError(path, QStringLiteral("it cannot be opened (%1)").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    file.close();

    const QStringList items = readConfigItems(bytes, path);
    const qint16 months = configNumber(items[CallBackMonthsItem], path);
    gDatabasePath = databasePathFrom(items[DatabasePathItem], path);
    gCallBackMonths = months;
}

int Main()
{
    // A start that stops leaves the program-wide values as they were, so a second copy refused
    // in the same process cannot disturb the first.
    const QString previousPath = gDatabasePath;
    const qint16 previousMonths = gCallBackMonths;
    auto stop = [&](const QString &text, const QString &title) {
        gDatabasePath = previousPath;
        gCallBackMonths = previousMonths;
        MsgBox::show(text, title);
        return 1;
    };

    std::unique_ptr<Database> database;
    try {
        ReadConfig();
        if (gDatabaseInHome)
            HomeDatabase::offerToCreate(gDatabasePath);
        database = openDatabase(gDatabasePath);
    } catch (const ConfigError &error) {
        return stop(error.message(), ProgramTitle);
    } catch (const DbError &error) {
        return stop(error.message(), ProgramTitle);
    }

    // The database is opened before the check: a second copy with a broken set-up reports that
    // first, as it always did.
    auto guard = std::make_unique<InstanceGuard>(programFolder());
    if (!guard->tryAcquire())
        return stop(QStringLiteral("This application is already running."),
            QStringLiteral("Application Already Running"));

    gDatabase = std::move(database);
    gGuard = std::move(guard);
    gMain = new MDI;
    gMain->setAttribute(Qt::WA_DeleteOnClose);
    WindowRegistry::setProgramRegistry(&gMain->registry());
    gMain->show();
    return 0;
}

void endRun()
{
    delete gMain.data();
    gDatabase.reset();
    gGuard.reset();
    gDatabasePath.clear();
    gCallBackMonths = 0;
    gNavigatorOpen = false;
}
