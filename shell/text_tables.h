// Tables of text that show whole: read-only, nothing to select, no scroll bars
// of their own (the view around them scrolls), as tall as their rows and as
// wide as their columns; and a choice from a short list with its caption, the
// caption's mnemonic reaching the list.
#pragma once
#include <QStringList>

class QBoxLayout;
class QComboBox;
class QTableWidget;
class QWidget;

namespace shell {

// An empty table named `name`, with these column headings.
QTableWidget* MakeTextTable(QWidget* parent, const char* name, const QStringList& headings);

// Fills `table` with `rows` (as many texts a row as it has columns; every column
// but the first centred), and sizes it to show them all.
void FillTextTable(QTableWidget* table, const QList<QStringList>& rows);

// "Houses &of: [Male]": a label named `labelName` and a list named `boxName`
// holding `items`, added to `row`. Returns the list.
QComboBox* AddCaptionedChoice(QWidget* parent, QBoxLayout* row, const char* labelName, const QString& caption,
                              const char* boxName, const QStringList& items);

}  // namespace shell
