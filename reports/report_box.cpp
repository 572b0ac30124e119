#include "reports/report_box.h"

#include <QCoreApplication>
#include <QAction>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "platform/platform.h"
#include "shell/screen_fit.h"
#include "reports/file_dialogs.h"
#include "reports/file_export.h"
#include "reports/saved_reading.h"
#include "reports/saved_reading_entries.h"
#include "platform/qt_text.h"

namespace reports {

QFont PaperReadingFont() {
  QFont font(QStringLiteral("Verdana"), kReadingPoints);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QFont ScreenReadingFont() {
  QFont font = PaperReadingFont();
  font.setPointSizeF(kReadingPoints * shell::FontGrowth());
  return font;
}

std::unique_ptr<QTextDocument> PaperCopy(const QTextEdit& box) {
  std::unique_ptr<QTextDocument> copy(box.document()->clone());
  copy->setDefaultFont(PaperReadingFont());
  return copy;
}

namespace {

// The reading windows resist copying their text. The box hands out no text for
// a selection: not to the clipboard, not to a drag, and not to the X11 primary
// selection, which a select-all or a drag by the mouse would otherwise fill
// for a middle click to paste.
class ReportTextBox final : public QTextEdit {
 public:
  using QTextEdit::QTextEdit;

 protected:
  QMimeData* createMimeDataFromSelection() const override { return new QMimeData; }
  // The desktop's font changed size: the reading follows it on screen.
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ApplicationFontChange) UseScreenFont(this);
    return QTextEdit::event(event);
  }

 public:
  static void UseScreenFont(QTextEdit* box) {
    const QFont font = ScreenReadingFont();
    box->setFont(font);
    box->document()->setDefaultFont(font);
  }
};

}  // namespace

QTextEdit* MakeReportBox(QWidget* parent, const char* name) {
  auto* box = new ReportTextBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setUndoRedoEnabled(false);
  box->viewport()->setMouseTracking(true);
  ReportTextBox::UseScreenFont(box);
  box->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(box, &QWidget::customContextMenuRequested, box, [box](const QPoint& at) {
    QMenu* menu = MakeReportContextMenu(box, at);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(box->viewport()->mapToGlobal(at));
  });
  return box;
}

QMenu* MakeReportContextMenu(QTextEdit* box, const QPoint& at) {
  QMenu* menu = box->createStandardContextMenu(at);
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("select-all")) menu->removeAction(action);
  }
  return menu;
}

void AppendAtCaret(QTextEdit* box, const QString& text, bool bold) {
  QTextCursor caret = box->textCursor();
  caret.movePosition(QTextCursor::End);
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  caret.insertText(text, format);
  box->setTextCursor(caret);
}

void PrintWholeText(QTextEdit* box) {
  QTextCursor caret = box->textCursor();
  caret.clearSelection();
  box->setTextCursor(caret);
  if (!platform::current().printDocument(*PaperCopy(*box))) SayNoPrinterIsAvailable(box->window());
}

void SayNoPrinterIsAvailable(QWidget* owner) {
  // A print that silently does not happen would pass for one that did.
  platform::current().showMessage(owner, QCoreApplication::translate("ReadingBox", "No printer is available."), platform::Icon::Information,
                                  platform::Buttons::Ok);
}

void SaveReading(QWidget* owner) {
  const platform::FileDialogRequest request{
      QCoreApplication::translate("ReadingBox", "Rich Text Format | *.kvz"),
      QStringLiteral("kvz"),
      platform::FileFlags::OverwritePrompt | platform::FileFlags::HideReadOnly |
          platform::FileFlags::PathMustExist | platform::FileFlags::NoReadOnlyReturn,
      QCoreApplication::translate("ReadingBox", "Save Your Numerology Compatibility Result ...."),
      QString(),
  };
  const QString chosen = AskSaveFileName(owner, FileKind::Readings, request);
  if (chosen.isEmpty()) return;
  const QString path = platform::ToQt(zentara::WithDefaultExtension(platform::ToStd(chosen), zentara::SavedReadingExtension));
  const std::string bytes = zentara::EncodeSavedReading(modNumerologyComaptibility::SavedReadingEntries);
  // Replaced only once the new file is complete, so a failed save never leaves
  // a cut file nor destroys the one it would replace; a pipe or a device is
  // refused, not replaced by a plain file. A save shows no message either way.
  ReplaceFileBytes(path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace reports
