#pragma once

#include <QByteArray>
#include <QString>

class TextRows;

// The current row of a search's customers as the customer grid shows it: the first 21 fields
// of the statement in 19 tab-separated cells, City, State and Zip in one, DateEntered in the
// date-and-time form, in UTF-8. scratch is reused from row to row.
QByteArray customerLine(const TextRows &rows, QByteArray &scratch);
