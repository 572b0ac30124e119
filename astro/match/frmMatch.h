// The astrological entry form: both partners' birth data.
#pragma once
#include "shell/form.h"

namespace astro {

class frmMatch : public shell::Form {
  Q_OBJECT

 public:
  explicit frmMatch(QWidget* parent = nullptr);

 public slots:
  void cmdNav_Click();

 protected:
  void closedByUser() override;
};

}  // namespace astro
