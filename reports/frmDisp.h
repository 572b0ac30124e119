// The window of a single reading (life path or destiny): the reading's text with
// live web addresses, Print, Save, Back and Exit. No selection survives a key or
// mouse action in the text, so the reading cannot be copied out of it.
#pragma once
#include <QPointer>

#include "shell/form.h"

class QTextEdit;

namespace reports {

class frmDisp : public shell::Form {
  Q_OBJECT

 public:
  // `returnTo` is the form that Back shows again.
  explicit frmDisp(QWidget* returnTo);

  QTextEdit* txtDisp() const { return txtDisp_; }

 public slots:
  void cmdPrint_Click();
  void cmdSave_Click();
  void cmdBack_Click();
  void cmdExit_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Form_Unload() override;

 private:
  QTextEdit* txtDisp_;
  QPointer<QWidget> returnTo_;
};

}  // namespace reports
