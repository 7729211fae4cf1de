#include "RegistrySettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>

namespace {

// The folder the system-wide settings files are in, as the settings library finds it (a test
// may have moved it): asked of a file that does not exist, since asking of ours would read it.
QString systemSettingsFolder()
{
    const QSettings absent(QSettings::NativeFormat, QSettings::SystemScope,
        QStringLiteral("corvane-no-such-folder"), QStringLiteral("none"));
    return QDir::cleanPath(QFileInfo(absent.fileName()).absolutePath() + QStringLiteral("/.."));
}

// The settings library reads a value written as "@Variant(...)" (and its other "@" forms) as
// serialized data, trusting the sizes inside it: a damaged file could make it ask for gigabytes.
// An installation writes only plain text, so every value (and every item of a list) that starts
// with "@" is given the library's escape for a plain "@" and is read as the text it is.
QByteArray plainValues(const QByteArray &file)
{
    static const QRegularExpression notation(QStringLiteral("(^|,)(\\s*\"?)@"));
    QStringList lines = QString::fromUtf8(file).split(u'\n');
    for (QString &line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || line.trimmed().startsWith(u'['))
            continue;
        QString value = line.mid(equals + 1);
        value.replace(notation, QStringLiteral("\\1\\2@@"));
        line = line.left(equals + 1) + value;
    }
    return lines.join(u'\n').toUtf8();
}

} // namespace

long RegistrySettings::openKey(quint32 root, const QString &path, quint32 access, Key &key)
{
    reload();
    return RegistryTable::openKey(root, path, access, key);
}

void RegistrySettings::reload()
{
    clear();
    // Only the program's own file, not the organisation-wide one beside it.
    QFile file(systemSettingsFolder() + QStringLiteral("/Corvane/Corvane.conf"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QTemporaryFile plain;
    if (!plain.open())
        return;
    plain.write(plainValues(file.readAll()));
    plain.close();
    QSettings settings(plain.fileName(), QSettings::IniFormat);
    const QStringList entries = settings.allKeys();
    for (const QString &entry : entries) {
        const qsizetype slash = entry.lastIndexOf(u'/');
        QString path = slash < 0 ? QString() : entry.left(slash);
        path.replace(u'/', u'\\');
        const QString name = entry.mid(slash + 1);
        const QVariant value = settings.value(entry);
        // An unquoted entry with commas in it reads as a list: kept as a list of strings,
        // which is not a string value, rather than as a string it was not written as.
        if (value.typeId() == QMetaType::QStringList) {
            QByteArray strings;
            for (const QString &item : value.toStringList())
                strings += item.toUtf8() + '\0';
            setValue(path, name, MultiString, strings + '\0');
        } else {
            setValue(path, name, String, value.toString().toUtf8() + '\0');
        }
    }
}
