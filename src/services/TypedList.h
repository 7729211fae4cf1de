#pragma once

class QComboBox;

// A drop-down list the user may type any text into as well as pick an entry of. What is typed
// stays as typed: it is not completed from the list, not added to it, and leaving the box or
// pressing Enter does not turn it into a pick of the entry that has the same words. Only
// picking an entry (in the popup, with the arrow keys or the wheel) is a pick.
void makeTypedList(QComboBox *list);
