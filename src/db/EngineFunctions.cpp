#include "EngineFunctions.h"

#include "FoldedCollation.h"
#include "LikePattern.h"
#include "SearchFunctions.h"

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

// "value Like pattern" reaches the engine as like(pattern, value).
void like(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *value = reinterpret_cast<const char *>(sqlite3_value_text(argv[1]));
    const int valueBytes = sqlite3_value_bytes(argv[1]);
    if (!value) {
        sqlite3_result_error_nomem(context);
        return;
    }

    // A constant pattern is compiled once and kept by the engine for the whole statement.
    if (auto *kept = static_cast<LikePattern *>(sqlite3_get_auxdata(context, 0))) {
        sqlite3_result_int(context, kept->matches(value, valueBytes));
        return;
    }
    const auto *patternText = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const int patternBytes = sqlite3_value_bytes(argv[0]);
    if (!patternText) {
        sqlite3_result_error_nomem(context);
        return;
    }
    LikePattern *pattern = nullptr;
    try {
        pattern = new LikePattern(patternText, patternBytes);
    } catch (const std::bad_alloc &) {
        sqlite3_result_error_nomem(context);
        return;
    }
    sqlite3_result_int(context, pattern->matches(value, valueBytes));
    // Handed over last: the engine may destroy it at once when it cannot keep it.
    sqlite3_set_auxdata(context, 0, pattern, deletePattern);
}

} // namespace

namespace EngineFunctions {

int install(sqlite3 *db)
{
    int rc = sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, collate, nullptr);
    if (rc != SQLITE_OK)
        return rc;
    rc = sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
        like, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return rc;
    return SearchFunctions::install(db);
}

} // namespace EngineFunctions
