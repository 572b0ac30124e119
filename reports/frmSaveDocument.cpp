#include "reports/frmSaveDocument.h"

#include "common/translatable.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTextEdit>

#include "platform/platform.h"

namespace reports {
namespace {

// Mouse down, move and up; a click is a down and an up.
bool ClearsClipboard(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
         type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
}

}  // namespace

frmSaveDocument::frmSaveDocument(QWidget* returnTo) : ReportWindow("frmSaveDocument", "RTB", returnTo) {
  connect(AddButton("cmdPrint", QT_TRANSLATE_NOOP("ReportWindow", "&Print")), &QPushButton::clicked, this, &frmSaveDocument::cmdPrint_Click);
  connect(AddButton("cmdBack", QT_TRANSLATE_NOOP("ReportWindow", "&Back")), &QPushButton::clicked, this, &frmSaveDocument::cmdBack_Click);
  connect(AddButton("cmdSave", QT_TRANSLATE_NOOP("ReportWindow", "&Save")), &QPushButton::clicked, this, &frmSaveDocument::cmdSave_Click);
  connect(RTB(), &QTextEdit::textChanged, this, [] { platform::current().clearClipboard(); });
  RTB()->viewport()->installEventFilter(this);
}

bool frmSaveDocument::eventFilter(QObject* watched, QEvent* event) {
  if (watched == RTB()->viewport() && ClearsClipboard(event->type())) platform::current().clearClipboard();
  return ReportWindow::eventFilter(watched, event);
}

}  // namespace reports
