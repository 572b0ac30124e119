#include "reports/frmSaveDocument.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "platform/platform.h"
#include "reports/modRTB.h"
#include "reports/report_box.h"

namespace reports {
namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// Mouse down, move and up; a click is a down and an up.
bool ClearsClipboard(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
         type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
}

}  // namespace

frmSaveDocument::frmSaveDocument(QWidget* returnTo) : Form("frmSaveDocument"), returnTo_(returnTo) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  RTB_ = MakeReportBox(central, "RTB");
  layout->addWidget(RTB_);
  auto* buttons = new QHBoxLayout();
  auto* cmdPrint = Button(central, "cmdPrint", "&Print");
  auto* cmdBack = Button(central, "cmdBack", "&Back");
  auto* cmdSave = Button(central, "cmdSave", "&Save");
  for (QPushButton* button : {cmdPrint, cmdBack, cmdSave}) buttons->addWidget(button);
  layout->addLayout(buttons);
  setCentralWidget(central);
  resize(600, 520);

  connect(cmdPrint, &QPushButton::clicked, this, &frmSaveDocument::cmdPrint_Click);
  connect(cmdBack, &QPushButton::clicked, this, &frmSaveDocument::cmdBack_Click);
  connect(cmdSave, &QPushButton::clicked, this, &frmSaveDocument::cmdSave_Click);
  connect(RTB_, &QTextEdit::textChanged, this, [] { platform::current().clearClipboard(); });
  RTB_->viewport()->installEventFilter(this);

  modRTB::HookLinkClicks(RTB_, this);
}

bool frmSaveDocument::eventFilter(QObject* watched, QEvent* event) {
  if (watched == RTB_->viewport() && ClearsClipboard(event->type())) platform::current().clearClipboard();
  return Form::eventFilter(watched, event);
}

void frmSaveDocument::cmdPrint_Click() { PrintWholeText(RTB_); }

void frmSaveDocument::cmdSave_Click() { SaveReading(this); }

void frmSaveDocument::cmdBack_Click() {
  const QPointer<QWidget> returnTo = returnTo_;
  unload();
  if (returnTo) platform::current().showModeless(returnTo);
}

// Unhooks this window's box; a box its builder already unhooked, or another
// window's, is left alone.
void frmSaveDocument::Form_Unload() {
  if (modRTB::HookedBox() == RTB_) modRTB::UnhookLinkClicks();
}

}  // namespace reports
