// The start form: the user picks the kind of match, numerology or astrology, and
// presses Proceed. Its name, sex and birth-day fields are not read by anything.
#pragma once
#include "shell/form.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace shell {

class frmAtFirst : public Form {
  Q_OBJECT

 public:
  explicit frmAtFirst(QWidget* parent = nullptr);

  // True when one of the two match options is selected; otherwise tells the user
  // to select one.
  bool ValidateMatchChoice();

  QRadioButton* optOptions(int index) const;

 public slots:
  void cmdProceed_Click();

 protected:
  void closedByUser() override;

 private:
  void Form_Load();

  QRadioButton* optOptions_[2] = {};
  QPushButton* cmdProceed_ = nullptr;
  QLineEdit* txtName_ = nullptr;
  QComboBox* cboMonth_ = nullptr;
  QComboBox* cboDate_ = nullptr;
  QComboBox* cboYear_ = nullptr;
};

}  // namespace shell
