#include "reports/frmDisp.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "platform/platform.h"
#include "reports/modRTB.h"
#include "reports/report_box.h"
#include "shell/exit_application.h"

namespace reports {
namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

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

frmDisp::frmDisp(QWidget* returnTo) : Form("frmDisp"), returnTo_(returnTo) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  txtDisp_ = MakeReportBox(central, "txtDisp");
  layout->addWidget(txtDisp_);
  auto* buttons = new QHBoxLayout();
  auto* cmdPrint = Button(central, "cmdPrint", "&Print");
  auto* cmdSave = Button(central, "cmdSave", "&Save");
  auto* cmdBack = Button(central, "cmdBack", "&Back");
  auto* cmdExit = Button(central, "cmdExit", "&Exit");
  for (QPushButton* button : {cmdPrint, cmdSave, cmdBack, cmdExit}) buttons->addWidget(button);
  layout->addLayout(buttons);
  setCentralWidget(central);
  resize(560, 420);

  connect(cmdPrint, &QPushButton::clicked, this, &frmDisp::cmdPrint_Click);
  connect(cmdSave, &QPushButton::clicked, this, &frmDisp::cmdSave_Click);
  connect(cmdBack, &QPushButton::clicked, this, &frmDisp::cmdBack_Click);
  connect(cmdExit, &QPushButton::clicked, this, &frmDisp::cmdExit_Click);
  txtDisp_->installEventFilter(this);
  txtDisp_->viewport()->installEventFilter(this);

  modRTB::HookLinkClicks(txtDisp_, this);
}

bool frmDisp::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == txtDisp_ || watched == txtDisp_->viewport()) && CollapsesSelection(event->type())) {
    QTextCursor caret = txtDisp_->textCursor();
    if (caret.hasSelection()) {
      caret.clearSelection();
      txtDisp_->setTextCursor(caret);
    }
  }
  return Form::eventFilter(watched, event);
}

void frmDisp::cmdPrint_Click() { PrintWholeText(txtDisp_); }

void frmDisp::cmdSave_Click() { SaveReading(this); }

void frmDisp::cmdBack_Click() {
  const QPointer<QWidget> returnTo = returnTo_;
  unload();
  if (returnTo) platform::current().showModeless(returnTo);
}

void frmDisp::cmdExit_Click() {
  const QPointer<QWidget> returnTo = returnTo_;
  unload();
  if (returnTo) returnTo->hide();
  shell::ExitApplication();
}

// Unhooks this window's box; a box its builder already unhooked, or another
// window's, is left alone.
void frmDisp::Form_Unload() {
  if (modRTB::HookedBox() == txtDisp_) modRTB::UnhookLinkClicks();
}

}  // namespace reports
