#pragma once

#include "Registry.h"

#include <QByteArray>
#include <QHash>

// A store held in memory: keys and their values as raw bytes, read-only to its readers. Key
// paths and value names ignore letter case, as the system's registry does. Opening a key for
// anything beyond reading is refused, since nothing may be written here.
class RegistryTable : public Registry
{
public:
    // Puts a value under the key at path ("A\B\C"), creating the key and the keys above it.
    // The bytes are kept as given: a string may be stored with or without its terminating NUL.
    void setValue(const QString &path, const QString &name, quint32 type, const QByteArray &data);
    void clear();
    // Handles given out and not closed yet.
    int openKeys() const { return int(m_open.size()); }

    long openKey(quint32 root, const QString &path, quint32 access, Key &key) override;
    long queryValue(
        Key key, const QString &name, quint32 &type, char *buffer, quint32 &size) override;
    long closeKey(Key key) override;

private:
    struct Value
    {
        quint32 type = NoType;
        QByteArray data;
    };
    using Values = QHash<QString, Value>;

    static QString folded(const QString &text) { return text.toCaseFolded(); }

    QHash<QString, Values> m_keys; // by folded path, then by folded value name
    QHash<Key, QString> m_open; // handle to folded path
    Key m_nextKey = 1;
};
