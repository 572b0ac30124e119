// The window of the comprehensive reading: the formatted reading, Print, Back
// and Save. Its addresses are plain text. Any change of the text and any mouse
// action on it empty the system clipboard, so the reading cannot be copied out.
#pragma once
#include "reports/report_window.h"

namespace reports {

class frmSaveDocument : public ReportWindow {
  Q_OBJECT

 public:
  // `returnTo` is the form that Back shows again.
  explicit frmSaveDocument(QWidget* returnTo);

  QTextEdit* RTB() const { return box(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace reports
