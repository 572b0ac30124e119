#include "shell/frmAtFirst.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/controls.h"
#include "platform/platform.h"
#include "shell/navigation.h"
#include "shell/drop_down_combo.h"
#include "shell/control_array.h"
#include "shell/exit_application.h"
#include "shell/spoken_names.h"
#include "shell/word_wrap_label.h"

namespace shell {

// What a screen reader calls the boxes, which their group's title names otherwise.
constexpr SpokenName kSpokenNames[] = {
    {"txtName", QT_TRANSLATE_NOOP("SpokenNames", "Your name")},
    {"cboMonth", QT_TRANSLATE_NOOP("SpokenNames", "Your birth month")},
    {"cboDate", QT_TRANSLATE_NOOP("SpokenNames", "Your birth day")},
    {"cboYear", QT_TRANSLATE_NOOP("SpokenNames", "Your birth year")},
};

inline constexpr auto kDateFormatNote = QT_TRANSLATE_NOOP(
    "shell::frmAtFirst", "This program has been designed keeping in mind date settings according to MM/DD/YYYY format");

frmAtFirst::frmAtFirst(QWidget* parent) : Form("frmAtFirst", parent) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);

  auto* option = new QGroupBox(QCoreApplication::translate("shell::frmAtFirst", "Option"), central);
  auto* optionLayout = new QVBoxLayout(option);
  auto* matchGroup = new QButtonGroup(this);
  const char* matchCaptions[] = {QT_TRANSLATE_NOOP("shell::frmAtFirst", "Astro Match Compatibility"),
                                 QT_TRANSLATE_NOOP("shell::frmAtFirst", "Numerology Match Compatibility")};
  for (int i = 0; i < 2; ++i) {
    optOptions_[i] = MakeArrayMember<QRadioButton>(option, "optOptions", i);
    optOptions_[i]->setText(QCoreApplication::translate("shell::frmAtFirst", matchCaptions[i]));
    matchGroup->addButton(optOptions_[i], i);
    optionLayout->addWidget(optOptions_[i]);
  }
  cmdProceed_ = new QPushButton(QCoreApplication::translate("shell::frmAtFirst", "&Proceed"), option);
  cmdProceed_->setObjectName(QStringLiteral("cmdProceed"));
  optionLayout->addWidget(cmdProceed_, 0, Qt::AlignRight);
  // The start form has no menu bar: the book of people has a button.
  auto* cmdPeople = NamedButton(option, "cmdPeople", QCoreApplication::translate("shell::frmAtFirst", "P&eople..."));
  optionLayout->addWidget(cmdPeople, 0, Qt::AlignRight);
  connect(cmdPeople, &QPushButton::clicked, this, [] { navigation::ShowPeople(); });
  layout->addWidget(option);

  auto* details = new QGroupBox(QCoreApplication::translate("shell::frmAtFirst", "Your Details Please"), central);
  auto* detailsLayout = new QGridLayout(details);
  detailsLayout->addWidget(new QLabel(QCoreApplication::translate("shell::frmAtFirst", "Name"), details), 0, 0);
  txtName_ = new QLineEdit(details);
  txtName_->setObjectName(QStringLiteral("txtName"));
  detailsLayout->addWidget(txtName_, 0, 1, 1, 3);
  detailsLayout->addWidget(new QLabel(QCoreApplication::translate("shell::frmAtFirst", "Birth Day"), details), 1, 0);
  cboMonth_ = MakeDropDownCombo(details, "cboMonth", {});
  cboDate_ = MakeDropDownCombo(details, "cboDate", {});
  cboYear_ = MakeDropDownCombo(details, "cboYear", {});
  detailsLayout->addWidget(cboMonth_, 1, 1);
  detailsLayout->addWidget(cboDate_, 1, 2);
  detailsLayout->addWidget(cboYear_, 1, 3);
  layout->addWidget(details);

  auto* sex = new QWidget(central);
  auto* sexLayout = new QHBoxLayout(sex);
  auto* sexGroup = new QButtonGroup(this);
  const char* sexCaptions[] = {QT_TRANSLATE_NOOP("shell::frmAtFirst", "Male"), QT_TRANSLATE_NOOP("shell::frmAtFirst", "Female")};
  for (int i = 0; i < 2; ++i) {
    auto* button = MakeArrayMember<QRadioButton>(sex, "optSex", i);
    button->setText(QCoreApplication::translate("shell::frmAtFirst", sexCaptions[i]));
    sexGroup->addButton(button, i);
    sexLayout->addWidget(button);
  }
  layout->addWidget(sex);

  auto* note = new QGroupBox(QCoreApplication::translate("shell::frmAtFirst", "Note: "), central);
  auto* noteLayout = new QVBoxLayout(note);
  noteLayout->addWidget(new WordWrapLabel(QCoreApplication::translate("shell::frmAtFirst", kDateFormatNote), note));
  layout->addWidget(note);

  setCentralWidget(central);
  connect(cmdProceed_, &QPushButton::clicked, this, &frmAtFirst::cmdProceed_Click);
  GiveSpokenNames(this, kSpokenNames);
  Form_Load();
}

void frmAtFirst::Form_Load() {
  // Each list shows its first item. Filled while empty, a list shows it at
  // once; AddListItems would first take that selection back, for nothing.
  cboDate_->addItems(NumberItems(1, 31));
  cboMonth_->addItems(MonthItems());
  cboYear_->addItems(NumberItems(1936, 2050));
  cboDate_->setCurrentIndex(0);
  cboMonth_->setCurrentIndex(0);
  cboYear_->setCurrentIndex(0);
  txtName_->setText(QStringLiteral("a"));
}

QRadioButton* frmAtFirst::optOptions(int index) const { return optOptions_[index]; }

bool frmAtFirst::ValidateMatchChoice() {
  if (optOptions_[0]->isChecked() || optOptions_[1]->isChecked()) return true;
  auto& desktop = platform::current();
  desktop.showMessage(this, QCoreApplication::translate("shell::frmAtFirst", "Please Select One Option"), platform::Icon::Information,
                      platform::Buttons::Ok);
  desktop.setFocus(cmdProceed_);
  return false;
}

void frmAtFirst::cmdProceed_Click() {
  if (!ValidateMatchChoice()) return;
  if (optOptions_[0]->isChecked()) {
    navigation::ShowAstroForm();
  } else {
    navigation::ShowNumerologyForm();
  }
  unload();
}

void frmAtFirst::closedByUser() { ExitApplication(); }

}  // namespace shell
