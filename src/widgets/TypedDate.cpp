#include "TypedDate.h"

#include <QLocale>

#include <optional>
#include <vector>

namespace {

// Spaces, and the invisible marks that keep right-to-left forms in order, are no one's typing.
bool isBlank(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Format;
}

// One piece of a date form: a number ('d', 'M' or 'y') or the separator up to the next number.
struct Piece
{
    QChar number; // null for a separator
    QString separator; // its characters other than blanks
};

// The pieces of a form made of numbers and separators only; nothing for a form with names.
std::optional<std::vector<Piece>> numericPieces(const QString &format)
{
    std::vector<Piece> pieces;
    auto addToSeparator = [&pieces](QChar c) {
        if (isBlank(c))
            return;
        if (pieces.empty() || !pieces.back().number.isNull())
            pieces.push_back({});
        pieces.back().separator += c;
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'd' || c == u'M' || c == u'y') {
            qsizetype run = 1;
            while (i + run < format.size() && format.at(i + run) == c)
                ++run;
            if (c != u'y' && run > 2)
                return std::nullopt;
            pieces.push_back({ c, {} });
            i += run;
        } else if (c == u'\'') {
            // Quoted text stands as it is; two quotes are one quote.
            const qsizetype close = format.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? format.size() : close;
            if (end == i + 1)
                addToSeparator(c);
            for (qsizetype k = i + 1; k < end; ++k)
                addToSeparator(format.at(k));
            i = end + 1;
        } else if (c.isLetter()) {
            return std::nullopt;
        } else {
            addToSeparator(c);
            ++i;
        }
    }
    return pieces;
}

// A two-digit year as the year ending in those digits among the 80 years before and the 19
// after today's: dates of purchases lie behind, lease ends and call-backs ahead.
int nearYear(int twoDigits, QDate today)
{
    const int now = today.year();
    int year = now - now % 100 + twoDigits;
    if (year > now + 19)
        year -= 100;
    else if (year < now - 80)
        year += 100;
    return year;
}

QDate readNumbers(
    QStringView text, const std::vector<Piece> &pieces, QDate today, bool twoDigitYears)
{
    int day = 0;
    int month = 0;
    int year = 0;
    qsizetype at = 0;
    auto skipBlanks = [&] {
        while (at < text.size() && isBlank(text.at(at)))
            ++at;
    };
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        const Piece &piece = pieces[p];
        skipBlanks();
        if (piece.number.isNull()) {
            const bool last = p + 1 == pieces.size();
            for (QChar c : piece.separator) {
                skipBlanks();
                if (at == text.size() && last)
                    break;
                if (at == text.size() || text.at(at) != c)
                    return {};
                ++at;
            }
            continue;
        }
        const int most = piece.number == u'y' ? 4 : 2;
        int value = 0;
        int digits = 0;
        while (at < text.size() && digits < most && text.at(at).isDigit()) {
            value = value * 10 + text.at(at).digitValue();
            ++digits;
            ++at;
        }
        if (piece.number == u'y') {
            if (digits == 4)
                year = value;
            else if (digits == 2 && twoDigitYears)
                year = nearYear(value, today);
            else
                return {};
        } else if (digits == 0) {
            return {};
        } else {
            (piece.number == u'd' ? day : month) = value;
        }
    }
    skipBlanks();
    if (at != text.size())
        return {};
    // Invalid where a number is missing or out of its range, 31 April included.
    return QDate(year, month, day);
}

} // namespace

QDate readTypedDate(QStringView text, const QString &format, QDate today, bool twoDigitYears)
{
    if (const auto pieces = numericPieces(format))
        return readNumbers(text, *pieces, today, twoDigitYears);
    return QLocale().toDate(text.trimmed().toString(), format);
}
