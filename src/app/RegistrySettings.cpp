#include "RegistrySettings.h"

#include <QSettings>
#include <QStringList>

long RegistrySettings::openKey(quint32 root, const QString &path, quint32 access, Key &key)
{
    reload();
    return RegistryTable::openKey(root, path, access, key);
}

void RegistrySettings::reload()
{
    clear();
    QSettings settings(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Corvane"),
        QStringLiteral("Corvane"));
    // Only the program's own file, not the organisation-wide one beside it.
    settings.setFallbacksEnabled(false);
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
