#include "reports/frmDisp.h"

#include "common/translatable.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTextEdit>

#include "shell/exit_application.h"

namespace reports {
namespace {

// The key and mouse events after which the selection is collapsed: focus, key
// down and up (a copy key finds nothing selected), button down and up.
bool CollapsesSelection(QEvent::Type type) {
  switch (type) {
    case QEvent::FocusIn:
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
      return true;
    default:
      return false;
  }
}

}  // namespace

frmDisp::frmDisp(QWidget* returnTo) : ReportWindow("frmDisp", "txtDisp", returnTo) {
  connect(AddButton("cmdPrint", QT_TRANSLATE_NOOP("ReportWindow", "&Print")), &QPushButton::clicked, this, &frmDisp::cmdPrint_Click);
  connect(AddButton("cmdSave", QT_TRANSLATE_NOOP("ReportWindow", "&Save")), &QPushButton::clicked, this, &frmDisp::cmdSave_Click);
  connect(AddButton("cmdBack", QT_TRANSLATE_NOOP("ReportWindow", "&Back")), &QPushButton::clicked, this, &frmDisp::cmdBack_Click);
  connect(AddButton("cmdExit", QT_TRANSLATE_NOOP("ReportWindow", "&Exit")), &QPushButton::clicked, this, &frmDisp::cmdExit_Click);
  txtDisp()->installEventFilter(this);
  txtDisp()->viewport()->installEventFilter(this);
}

bool frmDisp::eventFilter(QObject* watched, QEvent* event) {
  QTextEdit* box = txtDisp();
  if ((watched == box || watched == box->viewport()) && CollapsesSelection(event->type())) {
    QTextCursor caret = box->textCursor();
    if (caret.hasSelection()) {
      caret.clearSelection();
      box->setTextCursor(caret);
    }
  }
  return ReportWindow::eventFilter(watched, event);
}

void frmDisp::cmdExit_Click() {
  const QPointer<QWidget> main = returnTo();
  unload();
  if (main) main->hide();
  shell::ExitApplication();
}

}  // namespace reports
