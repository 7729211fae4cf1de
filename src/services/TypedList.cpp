#include "TypedList.h"

#include <QComboBox>
#include <QLineEdit>

void makeTypedList(QComboBox *list)
{
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    // At the end of an edit the box looks its text up in the list and, finding it, selects that
    // entry and reports it as picked. Passing through a box that shows a listed text would then
    // count as a change, or load a customer again over the user's edits.
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
}
