#include "HomeDatabase.h"

#include "Database.h"
#include "MsgBox.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString HomePrefix = QStringLiteral("~/");

} // namespace

bool HomeDatabase::names(const QString &item)
{
    return item.startsWith(HomePrefix);
}

QString HomeDatabase::path(const QString &item)
{
    return QDir(QDir::homePath()).filePath(item.mid(HomePrefix.size()));
}

void HomeDatabase::offerToCreate(const QString &path)
{
    // A link that leads nowhere is a file the user set up and lost, not a first start.
    const QFileInfo file(path);
    if (file.exists() || file.isSymLink())
        return;
    const QString question
        = QStringLiteral("There is no database at %1 yet.\n\nMake a new empty database there?")
              .arg(QDir::toNativeSeparators(path));
    if (MsgBox::show(question, QStringLiteral("Corvane"), MsgBox::YesNo) != MsgBox::Yes)
        return;
    // A folder that cannot be made leaves the engine to name the file it cannot write.
    QDir().mkpath(file.absolutePath());
    Database::create(path);
}
