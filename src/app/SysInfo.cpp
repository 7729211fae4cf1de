#include "SysInfo.h"

#include "MsgBox.h"
#include "Registry.h"

#include <QByteArray>
#include <QFileInfo>
#include <QProcess>

namespace {

constexpr quint32 ValueBufferSize = 1024;

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolValue = QStringLiteral("PATH");
const QString ToolFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString ToolFolderValue = QStringLiteral("MSINFO");
// Looked for in the folder the second value names. The folder is joined with this platform's
// separator: a backslash would make a file name of its own here, not a path into the folder.
const QString ToolInFolder = QStringLiteral("/MSINFO32.EXE");

void unavailable()
{
    MsgBox::show(QStringLiteral("System Information Is Unavailable At This Time"),
        QStringLiteral("Corvane"));
}

// A 32-bit value's bytes come lowest first; the text is "&h" and the digits of the number they
// make, highest first, without leading zeros (upper case, as the platform writes hexadecimal).
QString dwordText(const QByteArray &bytes)
{
    QByteArray digits;
    for (qsizetype at = bytes.size() - 1; at >= 0; --at)
        digits += QByteArray(1, bytes.at(at)).toHex().toUpper();
    while (digits.size() > 1 && digits.startsWith('0'))
        digits.remove(0, 1);
    return QStringLiteral("&h") + QString::fromLatin1(digits.isEmpty() ? "0" : digits);
}

bool failed(Registry &registry, Registry::Key key, QString &KeyVal)
{
    KeyVal.clear();
    registry.closeKey(key);
    return false;
}

} // namespace

bool GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal)
{
    Registry &registry = Registry::current();
    Registry::Key key = 0;
    // Reading is all this needs. Asking for all access, writing included, would be refused to
    // every user who may not change the machine's settings, and the tool would seem missing.
    if (registry.openKey(KeyRoot, KeyName, Registry::ReadAccess, key) != Registry::Success)
        return failed(registry, key, KeyVal);

    QByteArray buffer(ValueBufferSize, '\0');
    quint32 size = ValueBufferSize;
    quint32 type = Registry::NoType;
    if (registry.queryValue(key, SubKeyRef, type, buffer.data(), size) != Registry::Success)
        return failed(registry, key, KeyVal);

    // A string may have been stored with or without its terminating NUL: both give one text.
    QByteArray kept = buffer.left(qMin(size, ValueBufferSize));
    if (!kept.isEmpty() && kept.back() == '\0')
        kept.chop(1);

    if (type == Registry::String)
        KeyVal = QString::fromUtf8(kept);
    else if (type == Registry::DWord)
        KeyVal = dwordText(kept);
    registry.closeKey(key);
    return true;
}

void StartSysInfo()
{
    QString SysInfoPath;
    if (!GetKeyValue(Registry::LocalMachine, ToolKey, ToolValue, SysInfoPath)) {
        if (!GetKeyValue(Registry::LocalMachine, ToolFolderKey, ToolFolderValue, SysInfoPath)) {
            unavailable();
            return;
        }
        const QString inFolder = SysInfoPath + ToolInFolder;
        if (!QFileInfo(inFolder).isFile()) {
            unavailable();
            return;
        }
        SysInfoPath = inFolder;
    }
    // The tool runs on its own; the program does not wait for it.
    if (SysInfoPath.isEmpty() || !QProcess::startDetached(SysInfoPath, {}))
        unavailable();
}
