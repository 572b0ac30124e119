// The window of a single reading (life path or destiny): the reading's text with
// live web addresses, Print, Save, Back and Exit. No selection survives a key or
// mouse action in the text, so the reading cannot be copied out of it.
#pragma once
#include "reports/report_window.h"

namespace reports {

class frmDisp : public ReportWindow {
  Q_OBJECT

 public:
  // `returnTo` is the form that Back shows again and Exit hides.
  explicit frmDisp(QWidget* returnTo);

  QTextEdit* txtDisp() const { return box(); }

 public slots:
  void cmdExit_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace reports
