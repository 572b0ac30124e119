#include "reports/report_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "platform/platform.h"
#include "reports/modRTB.h"
#include "reports/report_box.h"
#include "shell/controls.h"

namespace reports {

ReportWindow::ReportWindow(const char* name, const char* boxName, QWidget* returnTo)
    : Form(name), returnTo_(returnTo) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  box_ = MakeReportBox(central, boxName);
  layout->addWidget(box_);
  buttons_ = new QHBoxLayout();
  layout->addLayout(buttons_);
  setCentralWidget(central);
  resize(600, 480);
  modRTB::HookLinkClicks(box_, this);
}

QPushButton* ReportWindow::AddButton(const char* name, const char* caption) {
  QPushButton* button = shell::NamedButton(centralWidget(), name, caption);
  buttons_->addWidget(button);
  return button;
}

void ReportWindow::cmdPrint_Click() { PrintWholeText(box_); }

void ReportWindow::cmdSave_Click() { SaveReading(this); }

void ReportWindow::cmdBack_Click() {
  const QPointer<QWidget> back = returnTo_;
  unload();
  if (back) platform::current().showModeless(back);
}

void ReportWindow::Form_Unload() {
  if (modRTB::HookedBox() == box_) modRTB::UnhookLinkClicks();
}

}  // namespace reports
