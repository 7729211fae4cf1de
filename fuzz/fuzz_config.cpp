// config.txt: the reader takes any bytes a text editor may leave and gives five items or a
// ConfigError; the fifth item's number is a 16-bit whole number or a ConfigError.

#include "ConfigError.h"
#include "ConfigReader.h"
#include "FuzzCheck.h"

#include <QStringList>

namespace {

const QString FileName = QStringLiteral("config.txt");

// The items written back as the README shows them: each in double quotes, one to a line.
QByteArray written(const QStringList &items)
{
    QByteArray bytes;
    for (const QString &item : items)
        bytes += '"' + item.toUtf8() + "\"\r\n";
    return bytes;
}

bool quotable(const QString &item)
{
    return !item.contains(u'"') && !item.contains(u'\r') && !item.contains(u'\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList items;
    try {
        items = readConfigItems(bytes, FileName);
    } catch (const ConfigError &) {
        return 0;
    }
    fuzzCheck(items.size() == ConfigItemCount, "five items", items.join(u'|'));

    // Items that fit between quotes read back exactly, however the file had them.
    bool allQuotable = true;
    for (const QString &item : items)
        allQuotable = allQuotable && quotable(item);
    if (allQuotable) {
        const QStringList again = readConfigItems(written(items), FileName);
        fuzzCheck(again == items, "items read back", items.join(u'|') + " / " + again.join(u'|'));
    }

    try {
        const qint16 months = configNumber(items[4], FileName);
        fuzzCheck(configNumber(QString::number(months), FileName) == months,
            "call-back months read back", items[4]);
    } catch (const ConfigError &) { }
    return 0;
}
