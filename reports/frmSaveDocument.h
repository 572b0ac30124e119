// The window of the comprehensive reading: the formatted reading, Print, Back
// and Save. Its addresses are plain text. Any change of the text and any mouse
// action on it empty the system clipboard, so the reading cannot be copied out.
#pragma once
#include <QPointer>

#include "shell/form.h"

class QTextEdit;

namespace reports {

class frmSaveDocument : public shell::Form {
  Q_OBJECT

 public:
  // `returnTo` is the form that Back shows again.
  explicit frmSaveDocument(QWidget* returnTo);

  QTextEdit* RTB() const { return RTB_; }

 public slots:
  void cmdPrint_Click();
  void cmdSave_Click();
  void cmdBack_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Form_Unload() override;

 private:
  QTextEdit* RTB_;
  QPointer<QWidget> returnTo_;
};

}  // namespace reports
