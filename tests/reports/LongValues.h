#pragma once

#include <QHash>
#include <QString>
#include <QVariantMap>

class TempDatabase;

// Rows whose every column is as long as the database lets it be, for reports that must show
// every value whole.
namespace LongValues {

// Text cut or repeated to exactly width characters: a value as wide as its column in the
// database.
QString fit(const QString &text, int width);
// A long free text of numbered words, each found once.
QString numberedWords(const QString &stem, int words);
// A customer of that name, a machine and a call, every column at its database width, by table.
QHash<QString, QVariantMap> rows(const QString &name);
// Stores them as the windows would.
void add(TempDatabase &db, const QHash<QString, QVariantMap> &rows);

} // namespace LongValues
