#include "WorkbookDateFormat.h"

#include <algorithm>

namespace {

// Characters a spreadsheet number format shows as they stand; any other literal is quoted, as
// letters and digits there would be read as fields or digit places.
bool plainLiteral(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('/') || c == QLatin1Char('-')
        || c == QLatin1Char(':') || c == QLatin1Char('.') || c == QLatin1Char(',');
}

class Converter
{
public:
    explicit Converter(const QString &format)
        : m_in(format)
    { }

    QString run()
    {
        while (m_at < m_in.size()) {
            const QChar c = m_in[m_at];
            if (c == QLatin1Char('\''))
                quoted();
            else if (!field(c))
                literal(QString(c)), ++m_at;
        }
        flush();
        return m_out;
    }

private:
    // How often c repeats from the current position.
    qsizetype run(QChar c) const
    {
        qsizetype n = 0;
        while (m_at + n < m_in.size() && m_in[m_at + n] == c)
            ++n;
        return n;
    }

    bool field(QChar c)
    {
        if (c == QLatin1Char('A') || c == QLatin1Char('a')) {
            const bool upper = c == QLatin1Char('A');
            const QChar p = upper ? QLatin1Char('P') : QLatin1Char('p');
            m_at += (m_at + 1 < m_in.size() && m_in[m_at + 1] == p) ? 2 : 1;
            flush();
            m_out += upper ? QStringLiteral("AM/PM") : QStringLiteral("am/pm");
            return true;
        }
        // Each field and its counterpart: a run of the field's letter gives as many of the
        // counterpart's, from its shortest form to its longest.
        struct Field
        {
            char qt, code;
            int shortest, longest;
        };
        static constexpr Field Fields[] = { { 'd', 'd', 1, 4 }, { 'M', 'm', 1, 4 },
            { 'y', 'y', 2, 4 }, { 'h', 'h', 1, 2 }, { 'H', 'h', 1, 2 }, { 'm', 'm', 1, 2 },
            { 's', 's', 1, 2 }, { 'z', '0', 1, 3 }, { 't', 0, 0, 0 } }; // no zone in a moment
        for (const Field &f : Fields) {
            if (c != QLatin1Char(f.qt))
                continue;
            const qsizetype n = run(c);
            m_at += n;
            flush();
            m_out += QString(std::clamp<qsizetype>(n, f.shortest, f.longest), QLatin1Char(f.code));
            return true;
        }
        return false;
    }

    // Text between single quotes, a doubled quote standing for the quote itself, inside quoted
    // text or out of it.
    void quoted()
    {
        ++m_at;
        if (m_at < m_in.size() && m_in[m_at] == QLatin1Char('\'')) {
            literal(QStringLiteral("'"));
            ++m_at;
            return;
        }
        while (m_at < m_in.size()) {
            if (m_in[m_at] == QLatin1Char('\'')) {
                if (m_at + 1 < m_in.size() && m_in[m_at + 1] == QLatin1Char('\'')) {
                    literal(QStringLiteral("'"));
                    m_at += 2;
                    continue;
                }
                ++m_at;
                return;
            }
            literal(QString(m_in[m_at++]));
        }
    }

    void literal(const QString &text)
    {
        for (const QChar c : text) {
            if (plainLiteral(c)) {
                flush();
                m_out += c;
            } else if (c == QLatin1Char('"')) {
                flush();
                m_out += QStringLiteral("\\\"");
            } else {
                m_pending += c;
            }
        }
    }

    void flush()
    {
        if (!m_pending.isEmpty())
            m_out += QLatin1Char('"') + m_pending + QLatin1Char('"');
        m_pending.clear();
    }

    const QString &m_in;
    qsizetype m_at = 0;
    QString m_out;
    QString m_pending; // literal text waiting for its quotes
};

} // namespace

QString WorkbookDateFormat::fromQt(const QString &qtFormat)
{
    return Converter(qtFormat).run().trimmed();
}
