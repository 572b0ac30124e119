#include "numerology/frmMain.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "shell/exit_application.h"

namespace numerology {

frmMain::frmMain(QWidget* parent) : Form("frmMain", parent) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* exit = new QPushButton(QStringLiteral("Exit"), central);
  exit->setObjectName(QStringLiteral("cmdExit"));
  layout->addWidget(exit, 0, Qt::AlignRight);
  setCentralWidget(central);
  connect(exit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
}

void frmMain::cmdExit_Click() { shell::ExitApplication(); }

void frmMain::closedByUser() { shell::ExitApplication(); }

}  // namespace numerology
