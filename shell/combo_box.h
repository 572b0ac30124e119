// The drop-down combo boxes of the entry forms: a list to pick from whose text
// can also be typed over. A typed text is never added to the list.
#pragma once
#include <QStringList>

class QComboBox;
class QWidget;

namespace shell {

// A combo box named `name` holding `items`, with nothing selected and no
// completion (a typed text stays exactly as typed).
QComboBox* MakeDropDownCombo(QWidget* parent, const char* name, const QStringList& items);

// Appends `items` to the list without changing what the box shows: a box with
// nothing selected keeps nothing selected.
void AddListItems(QComboBox* box, const QStringList& items);

// The list position the box shows: the index of the item whose text equals the
// box's text exactly, or -1 when the text matches no item.
int ListPosition(const QComboBox* box);

// "1".."n" and first..last as list items, and the twelve month names.
QStringList NumberItems(int first, int last);
QStringList MonthItems();

}  // namespace shell
