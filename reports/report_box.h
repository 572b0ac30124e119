// The rich-text box of the report windows, and what both windows do with it:
// print the whole reading and save its entries.
#pragma once
#include <QString>

class QTextEdit;
class QWidget;

namespace reports {

// A read-only box named `name` in Verdana 9 pt, or the closest installed
// sans-serif face where Verdana is missing. Its text can be selected, not edited.
QTextEdit* MakeReportBox(QWidget* parent, const char* name);

// Appends `text` at the end of the box, bold or regular, and leaves the caret
// after it, so pieces appended one after another follow each other.
void AppendAtCaret(QTextEdit* box, const QString& text, bool bold);

// Prints the box's whole text, formatted and paginated, on the default printer;
// no dialog, no message.
void PrintWholeText(QTextEdit* box);

// Asks for a file name and writes the entries of the reading shown to it as a
// saved reading. Nothing is written and nothing said when the user cancels; a
// file that cannot be written is left as it was.
void SaveReading(QWidget* owner);

}  // namespace reports
