#include "astro/match/frmMatch.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/control_array.h"
#include "shell/exit_application.h"
#include "web/web_commands.h"

namespace astro {

frmMatch::frmMatch(QWidget* parent) : Form("frmMatch", parent) {
  // The reminder runs each time the form loads, before anything is shown.
  web::RemindOfUpdate();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* heading = new QLabel(QStringLiteral("QM Orvanel Software"), central);
  heading->setObjectName(QStringLiteral("Label1"));
  layout->addWidget(heading, 0, Qt::AlignHCenter);
  auto* exit = shell::MakeArrayMember<QPushButton>(central, "cmdNav", 1);
  exit->setText(QStringLiteral("Exit"));
  layout->addWidget(exit, 0, Qt::AlignRight);
  setCentralWidget(central);
  connect(exit, &QPushButton::clicked, this, &frmMatch::cmdNav_Click);
}

void frmMatch::cmdNav_Click() { close(); }

void frmMatch::closedByUser() { shell::ExitApplication(); }

}  // namespace astro
