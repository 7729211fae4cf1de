#include "SearchFunctions.h"

#include "LikePattern.h"

#include <memory>
#include <new>
#include <sqlite3.h>

namespace {

constexpr int MaxWords = 8;

void deletePattern(void *pattern)
{
    delete static_cast<LikePattern *>(pattern);
}

// The compiled pattern of argument index; kept by the engine for the statement when constant,
// otherwise compiled for this call into owned.
const LikePattern *patternAt(
    sqlite3_context *context, sqlite3_value **argv, int index, std::unique_ptr<LikePattern> &owned)
{
    if (auto *kept = static_cast<LikePattern *>(sqlite3_get_auxdata(context, index)))
        return kept;
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[index]));
    if (!text)
        return nullptr;
    LikePattern *pattern = nullptr;
    try {
        pattern = new LikePattern(text, sqlite3_value_bytes(argv[index]));
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
    sqlite3_set_auxdata(context, index, pattern, deletePattern);
    // The engine destroys it at once when it cannot keep it.
    if (auto *kept = static_cast<LikePattern *>(sqlite3_get_auxdata(context, index)))
        return kept;
    try {
        owned = std::make_unique<LikePattern>(text, sqlite3_value_bytes(argv[index]));
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
    return owned.get();
}

void wordMask(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    const int words = argc > 0 ? sqlite3_value_int(argv[0]) : 0;
    if (words < 1 || words > MaxWords || argc < 1 + words) {
        sqlite3_result_error(context, "WordMask: wrong arguments", -1);
        return;
    }
    const LikePattern *patterns[MaxWords];
    std::unique_ptr<LikePattern> owned[MaxWords];
    for (int i = 0; i < words; ++i) {
        if (sqlite3_value_type(argv[1 + i]) == SQLITE_NULL) {
            sqlite3_result_error(context, "WordMask: a pattern is Null", -1);
            return;
        }
        patterns[i] = patternAt(context, argv, 1 + i, owned[i]);
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
}

} // namespace

namespace SearchFunctions {

int install(sqlite3 *db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_function_v2(
        db, "WordMask", -1, flags, nullptr, wordMask, nullptr, nullptr, nullptr);
}

} // namespace SearchFunctions
