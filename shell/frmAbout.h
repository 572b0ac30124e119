// The about box, shown modally from the Help menus.
#pragma once
#include "shell/form.h"

namespace shell {

class frmAbout : public Form {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);

  // Builds the box and shows it modally; returns when it is closed.
  static void ShowModal(QWidget* owner);

 public slots:
  void cmdOK_Click();
  void lblHomePage_Click();
};

}  // namespace shell
