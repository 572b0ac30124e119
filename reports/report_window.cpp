#include "reports/report_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "platform/platform.h"
#include "reports/file_export.h"
#include "reports/modRTB.h"
#include "reports/report_box.h"
#include "shell/screen_fit.h"
#include "shell/controls.h"

namespace reports {

ReportWindow::ReportWindow(const char* name, const char* boxName, QWidget* returnTo)
    : Form(name), returnTo_(returnTo) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  box_ = MakeReportBox(central, boxName);
  // A reader speaks the box by what it holds rather than as a nameless text.
  box_->setAccessibleName(QCoreApplication::translate("ReportWindow", "Reading"));
  layout->addWidget(box_);
  buttons_ = new QHBoxLayout();
  layout->addLayout(buttons_);
  setCentralWidget(central);
  QMenu* file = menuBar()->addMenu(QCoreApplication::translate("ReportWindow", "&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  connect(shell::NamedMenuEntry(file, "mnuExportPDF", QCoreApplication::translate("ReportWindow", "Export as &PDF...")), &QAction::triggered, this,
          &ReportWindow::mnuExportPDF_Click);
  resize(shell::GrownWithFont({600, 480}));
  modRTB::HookLinkClicks(box_, this);
}

QPushButton* ReportWindow::AddButton(const char* name, const char* caption) {
  // Captions are marked for translation where they are written.
  QPushButton* button = shell::NamedButton(centralWidget(), name, QCoreApplication::translate("ReportWindow", caption));
  buttons_->addWidget(button);
  return button;
}

void ReportWindow::cmdPrint_Click() { PrintWholeText(box_); }

void ReportWindow::cmdSave_Click() { SaveReading(this); }

void ReportWindow::mnuExportPDF_Click() { ExportReadingPdf(this, box_); }

void ReportWindow::cmdBack_Click() {
  const QPointer<QWidget> back = returnTo_;
  unload();
  if (back) platform::current().showModeless(back);
}

void ReportWindow::Form_Unload() {
  if (modRTB::HookedBox() == box_) modRTB::UnhookLinkClicks();
}

}  // namespace reports
