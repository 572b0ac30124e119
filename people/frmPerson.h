// One person of the book, added or changed: every column in its own box, and
// the atlas's look-up for the place. Save checks the columns as the book does
// and stores the person; the window then closes. A person changed or removed
// by another window or program since this window read them is never saved
// over: the user is told, and may reload the person or save a new one.
#pragma once
#include <array>
#include <cstdint>

#include "book/book.h"
#include "book/person.h"
#include "shell/form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace people {

class frmPerson : public shell::Form {
  Q_OBJECT

 public:
  // `person` with id 0 is a new person.
  explicit frmPerson(const zentara::book::Person& person, QWidget* parent = nullptr);

 signals:
  // The person was stored with this id.
  void PersonSaved(std::int64_t id);

 public slots:
  void cmdSave_Click();
  void cmdFindPlace_Click();
  void cmdCancel_Click();

 private:
  QLineEdit* Box(zentara::book::Column column) const;
  // Fills every box from `person`, who is then the one a Save stores over.
  void ShowPerson(const zentara::book::Person& person);
  // Save found the person changed (or removed) elsewhere: asks whether to
  // reload them or save `person` as new; true, with the new id, once saved.
  bool SaveOverChange(zentara::book::Book::SaveOutcome outcome, zentara::book::Person person, std::int64_t& id);

  zentara::book::Person person_;
  std::array<QLineEdit*, zentara::book::ColumnCount> boxes_{};  // the text columns; others null
  QComboBox* cboFrame_;
  QComboBox* cboZone_;
  QCheckBox* chkDst_;
  QPlainTextEdit* txtNote_;
};

}  // namespace people
