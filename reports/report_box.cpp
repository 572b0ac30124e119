#include "reports/report_box.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/platform.h"
#include "reports/saved_reading.h"
#include "reports/saved_reading_entries.h"
#include "shell/qt_text.h"

namespace reports {

QTextEdit* MakeReportBox(QWidget* parent, const char* name) {
  auto* box = new QTextEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setUndoRedoEnabled(false);
  box->viewport()->setMouseTracking(true);
  QFont font(QStringLiteral("Verdana"), 9);
  font.setStyleHint(QFont::SansSerif);
  box->setFont(font);
  box->document()->setDefaultFont(font);
  return box;
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
  platform::current().printDocument(*box->document());
}

void SaveReading(QWidget* owner) {
  const platform::FileDialogRequest request{
      QStringLiteral("Rich Text Format | *.kvz"),
      QStringLiteral("kvz"),
      platform::FileFlags::OverwritePrompt | platform::FileFlags::HideReadOnly |
          platform::FileFlags::PathMustExist | platform::FileFlags::NoReadOnlyReturn,
      QStringLiteral("Save Your Numerology Compatibility Result ...."),
      QString(),
  };
  const QString chosen = platform::current().saveFileName(owner, request);
  if (chosen.isEmpty()) return;
  const QString path = shell::ToQt(zentara::WithDefaultExtension(shell::ToStd(chosen), zentara::SavedReadingExtension));
  const std::string bytes = zentara::EncodeSavedReading(modNumerologyComaptibility::SavedReadingEntries);
  // Written beside the target and renamed over it only when complete, so a failed
  // write never leaves a cut file nor destroys the one it would replace.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  // A short write or a failed flush (a full disk) would otherwise still be
  // committed, cutting the file short.
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.flush()) {
    file.cancelWriting();
  }
  file.commit();
}

}  // namespace reports
