// The report frame's "Aspect Orbs..." box: the orbs of the three kinds of
// point, each 0 to 10 whole degrees, with OK and Cancel. Enter is OK (Cancel
// where Cancel has the focus), Escape is Cancel.
#pragma once
#include <functional>

#include "astro/match/synastry.h"
#include "shell/form.h"

class QPushButton;
class QSpinBox;

namespace astro {

class frmOrbs : public shell::Form {
  Q_OBJECT

 public:
  using Chosen = std::function<void(const zentara::AspectOrbs&)>;

  // The box showing `orbs`; OK hands the orbs shown to `chosen`.
  frmOrbs(const zentara::AspectOrbs& orbs, Chosen chosen, QWidget* parent = nullptr);

  // Shows the box modally, owned by `owner`.
  static void ShowModal(QWidget* owner, const zentara::AspectOrbs& orbs, Chosen chosen);

 public slots:
  void cmdOK_Click();
  void cmdCancel_Click();

 protected:
  // Enter, which the boxes and buttons leave to the window.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QSpinBox *spnLuminaries_, *spnPlanets_, *spnPoints_;
  QPushButton* cmdCancel_;
  Chosen chosen_;
};

}  // namespace astro
