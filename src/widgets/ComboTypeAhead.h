#pragma once

#include <QtGlobal>

class QComboBox;

// Picks a list entry by the prefix typed in quick succession (shared by all lists).
// keyAscii is set to 0 so that the list ignores the key.
void ComboTypeAhead(QComboBox *list, quint16 &keyAscii);
// The clock ComboTypeAhead reads: seconds since midnight. Tests replace it.
void setTypeAheadClock(double (*clock)());
