#pragma once

#include <QString>

// The program's SQL dialect turned into the engine's SQL: dates between number signs become
// 'YYYY-MM-DD' (with a time 'YYYY-MM-DD HH:MM:SS') text, "DELETE * FROM" drops its star,
// "SELECT TOP n" becomes a LIMIT n at the end of that SELECT. Quoted values, bracketed names
// and comments are never touched; everything else passes unchanged. Like stays as it is: the
// program's connection supplies its own like().
QString translateDialect(const QString &sql);
