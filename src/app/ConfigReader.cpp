#include "ConfigReader.h"

#include "ConfigError.h"
#include "Formats.h"

#include <QStringDecoder>
#include <clocale>
#include <cstdlib>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool endsItem(char c)
{
    return c == ',' || c == '\n' || c == '\r';
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Files come from Notepad as often as from anywhere else: UTF-8 when the bytes are valid UTF-8,
// otherwise the Western 8-bit code page. Only the file's own start may hold a byte order mark,
// and the scanner passes over that one: each item is decoded on its own, and one that starts
// with the mark's character keeps it like any other.
QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// Reads free-format items one after the other from the bytes of the file.
class ItemScanner
{
public:
    explicit ItemScanner(const QByteArray &bytes)
        : m_bytes(bytes)
    {
        if (m_bytes.startsWith("\xEF\xBB\xBF"))
            m_pos = 3;
    }

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // A comma always has an item after it, if only an empty one at the end of the file.
    bool hasItem() const { return !atEnd() || m_afterComma; }

    QString next()
    {
        m_afterComma = false;
        while (!atEnd() && isBlank(m_bytes[m_pos]))
            ++m_pos;
        const QByteArray item = !atEnd() && m_bytes[m_pos] == '"' ? quoted() : unquoted();
        skipTerminator();
        return decode(item);
    }

private:
    // Runs to the next double quote, commas and line ends included; whatever follows the
    // closing quote up to the end of the item is dropped.
    QByteArray quoted()
    {
        const qsizetype start = ++m_pos;
        while (!atEnd() && m_bytes[m_pos] != '"')
            ++m_pos;
        const QByteArray item = m_bytes.mid(start, m_pos - start);
        while (!atEnd() && !endsItem(m_bytes[m_pos]))
            ++m_pos;
        return item;
    }

    QByteArray unquoted()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && !endsItem(m_bytes[m_pos]))
            ++m_pos;
        qsizetype end = m_pos;
        while (end > start && isBlank(m_bytes[end - 1]))
            --end;
        return m_bytes.mid(start, end - start);
    }

    // A comma, LF, CR or CR LF ends the item.
    void skipTerminator()
    {
        if (atEnd())
            return;
        const char c = m_bytes[m_pos++];
        m_afterComma = c == ',';
        if (c == '\r' && !atEnd() && m_bytes[m_pos] == '\n')
            ++m_pos;
    }

    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
    bool m_afterComma = false;
};

// The length of the decimal number at the start of text (optional sign, digits, fraction,
// exponent), 0 when there is none.
qsizetype numberLength(const QString &text)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == QLatin1Char('.'))
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            ++digits;
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// The value of a number numberLength() accepted, read the same in every locale; beyond the range
// of a double it is infinity, below it 0.
double numberValue(const QString &number)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const QByteArray ascii = number.toLatin1();
    return strtod_l(ascii.constData(), nullptr, c);
}

} // namespace

QStringList readConfigItems(const QByteArray &bytes, const QString &fileName)
{
    ItemScanner scanner(bytes);
    QStringList items;
    while (items.size() < ConfigItemCount && scanner.hasItem())
        items.append(scanner.next());
    if (items.size() < ConfigItemCount)
        throw ConfigError(
            fileName, QStringLiteral("it holds fewer than five items (%1)").arg(items.size()));
    return items;
}

qint16 configNumber(const QString &item, const QString &fileName)
{
    qsizetype start = 0;
    while (start < item.size()
        && (item[start] == QLatin1Char(' ') || item[start] == QLatin1Char('\t')))
        ++start;
    const QString text = item.mid(start);
    const qsizetype length = numberLength(text);
    if (length == 0)
        return 0;
    const double rounded = roundHalfEven(numberValue(text.left(length)));
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw ConfigError(
            fileName, QStringLiteral("the fifth item \"%1\" is outside -32768 to 32767").arg(item));
    return qint16(rounded);
}
