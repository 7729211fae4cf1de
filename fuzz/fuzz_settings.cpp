// The machine's settings file the About box reads for the system information tool. Any bytes
// there give a value or none, never a crash; and a tool's path written in quotes, under key and
// value names in any letter case, reads back exactly as written.

#include "FuzzCheck.h"
#include "Registry.h"
#include "SysInfo.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

QString settingsFile()
{
    static QTemporaryDir folder;
    static const QString file = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, folder.path());
        QDir(folder.path()).mkpath(QStringLiteral("Corvane"));
        return folder.filePath(QStringLiteral("Corvane/Corvane.conf"));
    }();
    return file;
}

void install(const QByteArray &bytes)
{
    QFile file(settingsFile());
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    file.flush(); // written now, not when the file closes after its time is set
    // The settings library keeps a file it read until its time or size changes: every input
    // gets a time of its own, or one of the same size written within a second would go unseen.
    static QDateTime stamp = QDateTime::currentDateTimeUtc();
    stamp = stamp.addSecs(1);
    file.setFileTime(stamp, QFileDevice::FileModificationTime);
}

// Alternates the letter case where the fuzzer's bits say so.
QString recased(const QString &name, quint64 bits)
{
    QString out = name;
    for (qsizetype i = 0; i < out.size(); ++i, bits = bits >> 1 | bits << 63)
        if (bits & 1)
            out[i] = out[i].isUpper() ? out[i].toLower() : out[i].toUpper();
    return out;
}

bool read(const QString &key, const QString &name, QString &value)
{
    value = QStringLiteral("before");
    const bool found = GetKeyValue(Registry::LocalMachine, key, name, value);
    fuzzCheck(found || value.isEmpty(), "a value not read leaves nothing", value);
    return found;
}

// A path as an installation writes it: in quotes, of characters that need no escape there.
bool writable(const QString &path)
{
    for (const QChar c : path)
        if (c.unicode() < 0x20 || c == u'"' || c == u'\\' || c == QChar(0x7F))
            return false;
    // A value that starts with "@" is the settings library's own notation ("@@" for one "@");
    // a tool's full path never does.
    return !path.isEmpty() && !path.startsWith(u'@') && path.toUtf8().size() < 1000;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    QString value;
    if (input.ConsumeBool()) {
        const std::string bytes = input.ConsumeRemainingBytesAsString();
        install(QByteArray(bytes.data(), qsizetype(bytes.size())));
        read(ToolKey, QStringLiteral("PATH"), value);
        read(ToolFolderKey, QStringLiteral("MSINFO"), value);
        return 0;
    }
    const quint64 bits = input.ConsumeIntegral<quint64>();
    const QString path = QString::fromStdString(input.ConsumeRemainingBytesAsString());
    if (!writable(path))
        return 0;
    const QString section = recased(QStringLiteral("SOFTWARE/Microsoft/Shared Tools/MSINFO"), bits);
    const QString name = recased(QStringLiteral("PATH"), bits >> 40);
    install(QStringLiteral("[%1]\n%2=\"%3\"\n").arg(section, name, path).toUtf8());
    fuzzCheck(read(ToolKey, QStringLiteral("PATH"), value), "the tool's path is found", path);
    fuzzCheck(value == path, "the tool's path reads back",
        QString::fromLatin1(path.toUtf8().toHex(' ') + " / " + value.toUtf8().toHex(' ')));
    return 0;
}
