#include "RegistryTable.h"

#include <cstring>

void RegistryTable::setValue(
    const QString &path, const QString &name, quint32 type, const QByteArray &data)
{
    const QString key = folded(path);
    m_keys[key].insert(folded(name), Value { type, data });
    // Every key above it exists too, so that a reader may open any of them.
    for (qsizetype at = key.lastIndexOf(u'\\'); at > 0; at = key.lastIndexOf(u'\\', at - 1))
        if (!m_keys.contains(key.left(at)))
            m_keys.insert(key.left(at), {});
}

void RegistryTable::clear()
{
    m_keys.clear();
}

long RegistryTable::openKey(quint32 root, const QString &path, quint32 access, Key &key)
{
    key = 0;
    if (root != LocalMachine)
        return InvalidHandle;
    if (access & ~ReadAccess)
        return AccessDenied;
    const QString wanted = folded(path);
    if (!m_keys.contains(wanted))
        return NotFound;
    key = m_nextKey++;
    m_open.insert(key, wanted);
    return Success;
}

long RegistryTable::queryValue(
    Key key, const QString &name, quint32 &type, char *buffer, quint32 &size)
{
    const auto open = m_open.constFind(key);
    if (open == m_open.constEnd())
        return InvalidHandle;
    // A key opened before the table was refilled may have lost its values: not found then.
    const Values values = m_keys.value(*open);
    const auto value = values.constFind(folded(name));
    if (value == values.constEnd())
        return NotFound;
    type = value->type;
    const auto needed = quint32(value->data.size());
    if (needed > size) {
        size = needed;
        return MoreData;
    }
    if (needed > 0)
        std::memcpy(buffer, value->data.constData(), needed);
    size = needed;
    return Success;
}

long RegistryTable::closeKey(Key key)
{
    return m_open.remove(key) ? Success : InvalidHandle;
}
