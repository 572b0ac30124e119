// The numerology entry form: both partners' names and birth dates.
#pragma once
#include "shell/form.h"

namespace numerology {

class frmMain : public shell::Form {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);

 public slots:
  void cmdExit_Click();

 protected:
  void closedByUser() override;
};

}  // namespace numerology
