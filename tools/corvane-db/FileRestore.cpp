#include "FileRestore.h"

#include "DbError.h"
#include "FilePlacement.h"
#include "PasswordPrompt.h"
#include "ProgramClosed.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

DbError restoreFailure(const QString &database, const QString &cause)
{
    return DbError(
        QStringLiteral("%1 was not restored: %2. Nothing was changed.").arg(database, cause));
}

// The engine's side files hold writes that belong to the file beside them: a copy of the main
// file alone would lose them (a backup), and a new file under an old journal would be spoilt
// by it on the next opening (the database).
void refuseUnfinishedWrites(const QString &path, const QString &database)
{
    for (const char *suffix : { "-journal", "-wal" }) {
        const QString side = path + QLatin1String(suffix);
        if (QFileInfo::exists(side))
            throw restoreFailure(database,
                QStringLiteral("%1 holds writes not yet in %2; open %2 once with Corvane or "
                               "corvane-db check and close it again")
                    .arg(side, path));
    }
}

// A copy of the backup beside the database, so the backup itself is only read.
void copyInto(const QString &backup, const QString &part, const QString &database)
{
    QFile from(backup);
    QFile to(part);
    if (!from.open(QIODevice::ReadOnly))
        throw restoreFailure(database, QStringLiteral("%1 cannot be read").arg(backup));
    if (!to.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw restoreFailure(database, QStringLiteral("%1 cannot be written").arg(part));
    while (!from.atEnd()) {
        const QByteArray block = from.read(1 << 20);
        if (block.isEmpty() || to.write(block) != block.size())
            throw restoreFailure(database,
                QStringLiteral("copying %1 failed (%2)")
                    .arg(backup,
                        from.error() != QFile::NoError ? from.errorString() : to.errorString()));
    }
    to.close();
    FilePlacement::makeDurable(part);
}

// The file is removed unless it was given the database's name.
struct PartFile
{
    QString path;
    ~PartFile()
    {
        if (!path.isEmpty())
            QFile::remove(path);
    }
};

} // namespace

namespace FileRestore {

QString keptName(const QString &database)
{
    return database + QStringLiteral(".before-restore");
}

int run(
    const QString &backup, const QString &database, const QString &programFolder, QTextStream &out)
{
    const ProgramClosed closed(programFolder, database);
    const bool replacing = QFileInfo::exists(database);
    const QString kept = keptName(database);
    if (replacing) {
        FilePlacement::refuseExisting(kept);
        refuseUnfinishedWrites(database, database);
    }
    if (!QFileInfo(backup).isFile())
        throw restoreFailure(database, QStringLiteral("the backup %1 does not exist").arg(backup));
    refuseUnfinishedWrites(backup, database);

    PartFile part { FilePlacement::temporaryBeside(database, replacing ? database : backup) };
    copyInto(backup, part.path, database);
    // Checked in the copy that will take the database's place: opening it proves it is one of
    // this program's files (and brings an older one up to date), the engine's check that it is
    // whole.
    {
        const PasswordOpening opened = PasswordPrompt::open(part.path, backup);
        const QString integrity = opened.db->integrityCheck();
        if (integrity != QLatin1String("ok"))
            throw restoreFailure(database,
                QStringLiteral("the backup %1 fails the integrity check (%2)")
                    .arg(backup, integrity));
    }
    FilePlacement::makeDurable(part.path);

    if (replacing)
        FilePlacement::linkWithoutReplacing(database, kept);
    if (std::rename(
            QFile::encodeName(part.path).constData(), QFile::encodeName(database).constData())
        != 0) {
        const QString cause = QString::fromLocal8Bit(strerror(errno));
        if (replacing)
            QFile::remove(kept);
        throw restoreFailure(database, cause);
    }
    part.path.clear();

    out << "restored " << database << " from " << backup << '\n';
    if (replacing)
        out << "the replaced file is kept as " << kept << '\n';
    return 0;
}

} // namespace FileRestore
