// What both report windows share: one report box above a row of buttons, and
// Print, Save and Back. Back unloads the window and shows the form it came from.
// A small File menu exports the reading as a PDF file.
#pragma once
#include <QPointer>

#include "shell/form.h"

class QHBoxLayout;
class QPushButton;
class QTextEdit;

namespace reports {

class ReportWindow : public shell::Form {
  Q_OBJECT

 public:
  QTextEdit* box() const { return box_; }

 public slots:
  // Prints the whole reading, formatted and paginated, on the default printer.
  void cmdPrint_Click();
  // Saves the entries behind the reading (reports/report_box.h).
  void cmdSave_Click();
  void cmdBack_Click();
  // Writes the whole reading, laid out and paginated as Print does, to a PDF file.
  void mnuExportPDF_Click();

 protected:
  // A window named `name` whose box is named `boxName`; `returnTo` is the form
  // that Back shows again. Loading hooks the box's links.
  ReportWindow(const char* name, const char* boxName, QWidget* returnTo);
  // Adds a button to the row; buttons stand in the order they are added.
  QPushButton* AddButton(const char* name, const char* caption);
  QWidget* returnTo() const { return returnTo_; }
  // Unhooks this window's box; a box its builder already unhooked, or another
  // window's, is left alone.
  void Form_Unload() override;

 private:
  QTextEdit* box_;
  QHBoxLayout* buttons_;
  QPointer<QWidget> returnTo_;
};

}  // namespace reports
