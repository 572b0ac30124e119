// The base of every window of the program.
//
// A form is listed among the open forms from the moment it is built until it is
// unloaded, and it is deleted once unloaded. A form shown as a window of its
// own keeps to the screen: just before it is first shown (so that it is laid
// out once, at the size that fits), when it is first shown, and again when it
// is first active (by then the desktop has framed it), it is made smaller where
// it is larger than the screen's available area, and moved inside that area
// (shell/screen_fit.h). `unload()` is the program closing a
// form; the user closing it (close box, system menu) calls `closedByUser()` first,
// which the main forms use to end the program.
#pragma once
#include <QMainWindow>

namespace shell {

class Form : public QMainWindow {
  Q_OBJECT

 public:
  // `name` is the form's name, also its objectName.
  explicit Form(const char* name, QWidget* parent = nullptr);

  // Closes the form for good without treating it as the user's close. Safe to
  // call more than once.
  void unload();
  bool isUnloading() const { return unloading_; }

 protected:
  // The user closed the window; the form is unloaded after this returns.
  virtual void closedByUser() {}
  // The form is being unloaded, by the program or by the user; runs once.
  virtual void Form_Unload() {}
  void closeEvent(QCloseEvent* event) final;
  void setVisible(bool visible) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void forget();
  bool unloading_ = false;
  bool shown_ = false, activated_ = false;
};

}  // namespace shell
