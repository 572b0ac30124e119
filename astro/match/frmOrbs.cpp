#include "astro/match/frmOrbs.h"

#include "common/translatable.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include "platform/platform.h"
#include "shell/controls.h"

namespace astro {
namespace {

QSpinBox* OrbBox(QWidget* parent, const char* name, int value) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(0, zentara::LargestAspectOrb);
  box->setSuffix(QStringLiteral("\u00B0"));
  box->setValue(value);
  return box;
}

}  // namespace

frmOrbs::frmOrbs(const zentara::AspectOrbs& orbs, Chosen chosen, QWidget* parent)
    : Form("frmOrbs", parent), chosen_(std::move(chosen)) {
  setWindowTitle(QCoreApplication::translate("frmOrbs", "Aspect Orbs"));
  auto* central = new QWidget(this);
  auto* layout = new QGridLayout(central);
  spnLuminaries_ = OrbBox(central, "spnLuminaries", orbs.Luminaries);
  spnPlanets_ = OrbBox(central, "spnPlanets", orbs.Planets);
  spnPoints_ = OrbBox(central, "spnPoints", orbs.Points);
  const std::pair<const char*, QSpinBox*> rows[] = {
      {QT_TRANSLATE_NOOP("frmOrbs", "Orb when the &Sun or Moon takes part:"), spnLuminaries_},
      {QT_TRANSLATE_NOOP("frmOrbs", "Orb of the other &planets:"), spnPlanets_},
      {QT_TRANSLATE_NOOP("frmOrbs", "Orb of the &node, Asc and MC:"), spnPoints_},
  };
  int row = 0;
  for (const auto& [caption, box] : rows) {
    auto* label = new QLabel(QCoreApplication::translate("frmOrbs", caption), central);
    label->setBuddy(box);
    layout->addWidget(label, row, 0);
    layout->addWidget(box, row++, 1);
  }
  auto* note = new QLabel(QCoreApplication::translate("frmOrbs", "A pair of points takes the larger orb of its two."), central);
  layout->addWidget(note, row++, 0, 1, 2);
  auto* buttons = new QHBoxLayout();
  QPushButton* ok = shell::NamedButton(central, "cmdOK", QCoreApplication::translate("frmOrbs", "OK"));
  cmdCancel_ = shell::NamedButton(central, "cmdCancel", QCoreApplication::translate("frmOrbs", "Cancel"));
  ok->setDefault(true);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cmdCancel_);
  layout->addLayout(buttons, row, 0, 1, 2);
  setCentralWidget(central);
  connect(ok, &QPushButton::clicked, this, &frmOrbs::cmdOK_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmOrbs::cmdCancel_Click);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &frmOrbs::cmdCancel_Click);
}

void frmOrbs::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    Form::keyPressEvent(event);
    return;
  }
  // A spin box takes in what was typed, then leaves Enter to the window.
  focusWidget() == cmdCancel_ ? cmdCancel_Click() : cmdOK_Click();
}

void frmOrbs::ShowModal(QWidget* owner, const zentara::AspectOrbs& orbs, Chosen chosen) {
  auto* box = new frmOrbs(orbs, std::move(chosen), owner);
  box->setWindowFlag(Qt::Dialog);
  platform::current().showModal(box);
}

void frmOrbs::cmdOK_Click() {
  const zentara::AspectOrbs orbs{spnLuminaries_->value(), spnPlanets_->value(), spnPoints_->value()};
  const Chosen chosen = chosen_;
  unload();
  chosen(orbs);
}

void frmOrbs::cmdCancel_Click() { unload(); }

}  // namespace astro
