// The rich-text box of the report windows, and what both windows do with it:
// print the whole reading and save its entries.
#pragma once
#include <QString>

#include <memory>

class QFont;
class QMenu;
class QTextDocument;
class QPoint;
class QTextEdit;
class QWidget;

namespace reports {

// The reading's face and size on paper: Verdana 9 pt, or the closest
// installed sans-serif face where Verdana is missing.
inline constexpr int kReadingPoints = 9;
QFont PaperReadingFont();
// On screen: the same face, grown with a larger desktop font
// (shell::FontGrowth).
QFont ScreenReadingFont();

// The box's text in the paper font, for printing and PDF, which stay the same
// whatever the screen shows.
std::unique_ptr<QTextDocument> PaperCopy(const QTextEdit& box);

// A read-only box named `name` in the screen font. Its text can be selected, not edited.
// It gives none of its text to the clipboard, a drag or the primary selection;
// its context menu offers no Select All (MakeReportContextMenu).
QTextEdit* MakeReportBox(QWidget* parent, const char* name);

// The box's context menu at `at` (viewport coordinates): Qt's own for a
// read-only box, without Select All. The caller owns it.
QMenu* MakeReportContextMenu(QTextEdit* box, const QPoint& at);

// Appends `text` at the end of the box, bold or regular, and leaves the caret
// after it, so pieces appended one after another follow each other.
void AppendAtCaret(QTextEdit* box, const QString& text, bool bold);

// Prints the box's whole text, formatted and paginated, on the default printer,
// with no dialog; says "No printer is available." when there is none.
void PrintWholeText(QTextEdit* box);

// "No printer is available." (information icon), for a print that could not
// happen because there is no printer to print on.
void SayNoPrinterIsAvailable(QWidget* owner);

// Asks for a file name (in the folder of the last saved reading) and writes
// the entries of the reading shown to it as a saved reading. Nothing is written and nothing said when the user cancels; a
// file that cannot be written (a pipe or a device among them) is left as it was,
// with nothing said.
void SaveReading(QWidget* owner);

}  // namespace reports
