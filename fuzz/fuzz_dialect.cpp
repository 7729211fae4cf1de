// The SQL dialect and Like. A statement translated once is translated for good (a second pass
// changes nothing); a Like pattern matches exactly what a plain backtracking reading of its
// wildcards matches, through the engine's like() and WordMask() as well as directly; and the
// navigator's search, with any two words, gives the engine one statement it accepts whole
// (a quote in a word cannot end the value early), whose answer agrees with the words' matches.

#include "Dialect.h"
#include "EngineFunctions.h"
#include "FoldedCollation.h"
#include "FuzzCheck.h"
#include "LikePattern.h"
#include "Schema.h"
#include "SearchStatement.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

using Chars = std::u32string;

Chars folded(const QString &text)
{
    Chars chars;
    for (const char32_t c : text.toUcs4())
        chars += CaseFold::fold(c);
    return chars;
}

// Like read the simplest way: one wildcard after the other, trying every length for each *.
// A [ without its ] is itself; [] stands for nothing; in a list, x-y is a range unless the dash
// comes first or last.
class ReferenceLike
{
public:
    ReferenceLike(const QString &pattern, const QString &text)
        : m_pattern(pattern.toUcs4())
        , m_text(folded(text))
        , m_known(size_t((m_pattern.size() + 1) * (m_text.size() + 1)), -1)
    { }

    bool matches() { return match(0, 0); }

private:
    bool match(size_t p, size_t t)
    {
        signed char &known = m_known[p * (m_text.size() + 1) + t];
        if (known < 0)
            known = matchHere(p, t);
        return known;
    }

    bool matchHere(size_t p, size_t t)
    {
        if (p == size_t(m_pattern.size()))
            return t == m_text.size();
        const char32_t c = m_pattern[p];
        const bool more = t < m_text.size();
        if (c == '*')
            return match(p + 1, t) || (more && match(p, t + 1));
        if (c == '?')
            return more && match(p + 1, t + 1);
        if (c == '#')
            return more && m_text[t] >= '0' && m_text[t] <= '9' && match(p + 1, t + 1);
        if (c == '[') {
            qsizetype close = p + 1;
            if (close < m_pattern.size() && m_pattern[close] == '!')
                ++close;
            while (close < m_pattern.size() && m_pattern[close] != ']')
                ++close;
            if (close < m_pattern.size())
                return matchList(p + 1, size_t(close), t);
        }
        return more && CaseFold::fold(c) == m_text[t] && match(p + 1, t + 1);
    }

    bool matchList(size_t first, size_t close, size_t t)
    {
        const bool negated = m_pattern[first] == '!';
        if (negated)
            ++first;
        if (first == close && !negated)
            return match(close + 1, t);
        if (t == m_text.size())
            return false;
        bool found = false;
        for (size_t i = first; i < close; ++i) {
            char32_t lo = CaseFold::fold(m_pattern[i]);
            char32_t hi = lo;
            if (i + 2 < close && m_pattern[i + 1] == '-') {
                hi = CaseFold::fold(m_pattern[i + 2]);
                i += 2;
            }
            found = found || (m_text[t] >= lo && m_text[t] <= hi);
        }
        return found != negated && match(close + 1, t + 1);
    }

    QList<uint> m_pattern;
    Chars m_text;
    std::vector<signed char> m_known;
};

bool referenceLike(const QString &pattern, const QString &text)
{
    return ReferenceLike(pattern, text).matches();
}

// One connection for the whole run: the program's functions and tables, one customer with one
// machine and one call, their searched columns filled with what wildcards and folding may trip on.
const char *const CustomerColumns = "Customer,Address1,Address2,City,State,Zip,Phone,Fax,Website,"
                                    "Contact1,Contact1Title,Contact2,Contact2Title";
const QStringList CustomerRow = { "O'Neil & Søn Kopierer", "12 Main St", "Suite #4", "Straße", "NY",
    "10001", "555-0100", "", "www.kelvin-k.com", "ÉLISE", "Buyer", "Bob", "CEO" };
const QStringList EquipmentRow = { "Canon", "IR-2020 [plus]", "SN_100%", "Ikon", "Yes", "50*x?" };
const QStringList CallRow = { "Ann", "wants a quote" };

void exec(sqlite3 *db, const QString &sql, const QStringList &values = {})
{
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr);
    for (int i = 0; i < values.size(); ++i)
        sqlite3_bind_text(statement, i + 1, values[i].toUtf8().constData(), -1, SQLITE_TRANSIENT);
    const int rc = sqlite3_step(statement);
    sqlite3_finalize(statement);
    fuzzCheck(rc == SQLITE_DONE, "setting up the database", sql);
}

QString marks(qsizetype count)
{
    return QStringList(count, QStringLiteral("?")).join(u',');
}

sqlite3 *database()
{
    static sqlite3 *db = [] {
        sqlite3 *opened = nullptr;
        sqlite3_open(":memory:", &opened);
        EngineFunctions::install(opened);
        for (const QString &statement : Schema::createStatements())
            exec(opened, statement);
        exec(opened,
            QStringLiteral("INSERT INTO Customer (%1) VALUES (%2)")
                .arg(QLatin1String(CustomerColumns), marks(CustomerRow.size())),
            CustomerRow);
        exec(opened,
            QStringLiteral("INSERT INTO Equipment (Customer,Brand,Model,SN,Provider,Satisfied,"
                           "Notes) VALUES (?,%1)")
                .arg(marks(EquipmentRow.size())),
            QStringList { CustomerRow[0] } + EquipmentRow);
        exec(opened,
            QStringLiteral(
                "INSERT INTO Telemarket (Customer,Telemarketer,Interest) VALUES (?,?,?)"),
            QStringList { CustomerRow[0] } + CallRow);
        return opened;
    }();
    return db;
}

// The integers of every row a statement gives, in the given column; empty when it gives none.
std::vector<int> column(const BoundStatement &bound, int at, bool whole = true)
{
    const QByteArray sql = bound.sql.toUtf8();
    sqlite3_stmt *statement = nullptr;
    const char *tail = nullptr;
    const int rc
        = sqlite3_prepare_v2(database(), sql.constData(), int(sql.size()), &statement, &tail);
    fuzzCheck(rc == SQLITE_OK, "the engine takes the statement",
        bound.sql + " : " + QString::fromUtf8(sqlite3_errmsg(database())));
    if (whole)
        fuzzCheck(QString::fromUtf8(tail).trimmed().isEmpty(), "one whole statement", bound.sql);
    fuzzCheck(sqlite3_bind_parameter_count(statement) == bound.values.size(), "a value per mark",
        bound.sql);
    for (int i = 0; i < bound.values.size(); ++i) {
        const QByteArray value = bound.values[i].toString().toUtf8();
        sqlite3_bind_text(statement, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    }
    std::vector<int> values;
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW)
        values.push_back(sqlite3_column_int(statement, at));
    sqlite3_finalize(statement);
    fuzzCheck(step == SQLITE_DONE, "the statement runs", bound.sql);
    return values;
}

// Whether the engine takes the text as statements on the program's tables.
bool accepted(const QString &sql)
{
    const QByteArray utf8 = sql.toUtf8();
    const char *at = utf8.constData();
    const char *end = at + utf8.size();
    while (at < end) {
        sqlite3_stmt *statement = nullptr;
        const char *tail = nullptr;
        const int rc = sqlite3_prepare_v2(database(), at, int(end - at), &statement, &tail);
        sqlite3_finalize(statement);
        if (rc != SQLITE_OK || !tail || tail <= at)
            return false;
        at = tail;
    }
    return true;
}

// Only a statement the engine takes counts: text that is no statement may come out of a first
// pass as different text that is no statement either, and the engine refuses both.
void translation(const QString &sql)
{
    const QString once = translateDialect(sql);
    if (!accepted(once))
        return;
    const QString twice = translateDialect(once);
    fuzzCheck(twice == once, "translating twice changes nothing", sql + "\n" + once + "\n" + twice);
}

int referenceMask(const QStringList &words, const QStringList &columns)
{
    int mask = 0;
    for (int i = 0; i < words.size(); ++i)
        for (const QString &text : columns)
            if (referenceLike(QLatin1Char('*') + words[i] + QLatin1Char('*'), text))
                mask |= 1 << i;
    return mask;
}

void like(const QString &pattern, const QString &text)
{
    const QByteArray p = pattern.toUtf8();
    const QByteArray t = text.toUtf8();
    const bool expected = referenceLike(pattern, text);
    const bool direct
        = LikePattern(p.constData(), int(p.size())).matches(t.constData(), int(t.size()));
    fuzzCheck(direct == expected, "Like agrees with the reference", pattern + " / " + text);
    const std::vector<int> engine
        = column({ QStringLiteral("SELECT ? LIKE ?"), { text, pattern } }, 0);
    fuzzCheck(engine == std::vector<int> { expected }, "the engine's Like agrees",
        pattern + " / " + text);
}

void search(QString word1, QString word2)
{
    // The engine reads a statement's text up to its first NUL, and no one types one.
    word1.remove(QChar(0));
    word2.remove(QChar(0));
    SearchCriteria criteria;
    criteria.word1 = word1;
    criteria.word2 = word2;
    QStringList words;
    for (const QString &word : { word1, word2 })
        if (!word.isEmpty())
            words << word;
    const int all = (1 << words.size()) - 1;
    const int customer = referenceMask(words, CustomerRow);
    const int machine = referenceMask(words, EquipmentRow);
    const int call = referenceMask(words, CallRow);
    const bool found = (customer | machine | call) == all;

    const std::vector<int> kept = column({ translateDialect(searchStatement(criteria)), {} }, 0);
    fuzzCheck(kept.size() == (found ? 1u : 0u), "the kept search finds what the words match",
        words.join(u'|'));

    const SearchPlan plan = searchPlan(criteria);
    fuzzCheck(plan.allWords == all, "a bit per word", words.join(u'|'));
    const std::vector<int> customers = column(plan.customers, 21);
    fuzzCheck(customers.size() == 1, "every customer without other criteria", words.join(u'|'));
    if (words.isEmpty())
        return;
    fuzzCheck(customers[0] == customer, "the customer's word mask", words.join(u'|'));
    const std::vector<int> machines = column(plan.machines, 1);
    fuzzCheck(machines == (machine ? std::vector<int> { machine } : std::vector<int> {}),
        "the machine's word mask", words.join(u'|'));
    const std::vector<int> calls = column(plan.calls, 1);
    fuzzCheck(calls == (call ? std::vector<int> { call } : std::vector<int> {}),
        "the call's word mask", words.join(u'|'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int mode = input.ConsumeIntegralInRange(0, 3);
    const auto text = [&input](size_t most) {
        return QString::fromStdString(input.ConsumeRandomLengthString(most));
    };
    if (mode == 0) {
        translation(text(4096));
    } else if (mode == 1) {
        const QString pattern = text(24);
        like(pattern, text(48));
    } else if (mode == 2) {
        const QString word1 = text(24);
        search(word1, text(24));
    } else {
        // Bytes that are no UTF-8 at all, as a damaged file may hold.
        const std::string pattern = input.ConsumeRandomLengthString(64);
        const std::string value = input.ConsumeRemainingBytesAsString();
        LikePattern(pattern.data(), int(pattern.size())).matches(value.data(), int(value.size()));
    }
    return 0;
}
