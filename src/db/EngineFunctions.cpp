#include "EngineFunctions.h"

#include "FoldedCollation.h"
#include "LikePattern.h"

#include <memory>
#include <new>
#include <sqlite3.h>

namespace {

int collate(void *, int aBytes, const void *a, int bBytes, const void *b)
{
    return FoldedCollation::compare(
        static_cast<const char *>(a), aBytes, static_cast<const char *>(b), bBytes);
}

void deletePattern(void *pattern)
{
    delete static_cast<LikePattern *>(pattern);
}

// The compiled patterns of one call of a function. A pattern that stays the same for the whole
// statement (written in it or bound to it) is compiled on the first row and kept by the engine
// for the rest; the search tests 100,000 rows against the same few patterns.
class CompiledPatterns
{
public:
    explicit CompiledPatterns(sqlite3_context *context)
        : m_context(context)
    { }

    // The pattern of argument 'index'; null when it is Null or memory ran out.
    const LikePattern *at(sqlite3_value **argv, int index)
    {
        if (auto *kept = static_cast<LikePattern *>(sqlite3_get_auxdata(m_context, index)))
            return kept;
        const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[index]));
        if (!text || m_fresh == MaxSearchWords)
            return nullptr;
        try {
            m_compiled[m_fresh]
                = std::make_unique<LikePattern>(text, sqlite3_value_bytes(argv[index]));
        } catch (const std::bad_alloc &) {
            return nullptr;
        }
        m_index[m_fresh] = index;
        return m_compiled[m_fresh++].get();
    }

    // Handed over once the result is set: the engine may destroy a pattern at once when it
    // cannot keep it.
    void keep()
    {
        for (int i = 0; i < m_fresh; ++i)
            sqlite3_set_auxdata(m_context, m_index[i], m_compiled[i].release(), deletePattern);
        m_fresh = 0;
    }

private:
    sqlite3_context *m_context;
    std::unique_ptr<LikePattern> m_compiled[MaxSearchWords];
    int m_index[MaxSearchWords] = {};
    int m_fresh = 0;
};

// "value Like pattern" reaches the engine as like(pattern, value).
void like(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *value = reinterpret_cast<const char *>(sqlite3_value_text(argv[1]));
    const int valueBytes = sqlite3_value_bytes(argv[1]);
    CompiledPatterns patterns(context);
    const LikePattern *pattern = value ? patterns.at(argv, 0) : nullptr;
    if (!pattern) {
        sqlite3_result_error_nomem(context);
        return;
    }
    sqlite3_result_int(context, pattern->matches(value, valueBytes));
    patterns.keep();
}

void wordMask(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    const int words = argc > 0 ? sqlite3_value_int(argv[0]) : 0;
    if (words < 1 || words > MaxSearchWords || argc < 1 + words) {
        sqlite3_result_error(context, "WordMask: wrong arguments", -1);
        return;
    }
    CompiledPatterns compiled(context);
    const LikePattern *patterns[MaxSearchWords];
    for (int i = 0; i < words; ++i) {
        if (sqlite3_value_type(argv[1 + i]) == SQLITE_NULL) {
            sqlite3_result_error(context, "WordMask: a pattern is Null", -1);
            return;
        }
        patterns[i] = compiled.at(argv, 1 + i);
        if (!patterns[i]) {
            sqlite3_result_error_nomem(context);
            return;
        }
    }
    const int all = (1 << words) - 1;
    int mask = 0;
    for (int column = 1 + words; column < argc && mask != all; ++column) {
        if (sqlite3_value_type(argv[column]) == SQLITE_NULL)
            continue;
        const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[column]));
        const int bytes = sqlite3_value_bytes(argv[column]);
        for (int i = 0; i < words; ++i)
            if (!(mask & (1 << i)) && patterns[i]->matches(text, bytes))
                mask |= 1 << i;
    }
    sqlite3_result_int(context, mask);
    compiled.keep();
}

} // namespace

namespace EngineFunctions {

int install(sqlite3 *db)
{
    int rc = sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, collate, nullptr);
    if (rc != SQLITE_OK)
        return rc;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    rc = sqlite3_create_function_v2(db, "like", 2, flags, nullptr, like, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return rc;
    return sqlite3_create_function_v2(
        db, "WordMask", -1, flags, nullptr, wordMask, nullptr, nullptr, nullptr);
}

} // namespace EngineFunctions
