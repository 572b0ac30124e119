// The numerology entry form: both partners' names and birth dates, checked by
// ValidateEntries before any reading is made.
#pragma once
#include <cstdint>

#include "common/partner.h"
#include "book/person.h"
#include "numerology/numerology_entries.h"
#include "numerology/pair_numbers.h"
#include "shell/form.h"

class QComboBox;
class QLineEdit;
class QVBoxLayout;

namespace numerology {

class frmMain : public shell::Form {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);

  // Checks the entries in their fixed order. On the first failure it shows that
  // check's message, moves the focus where the check says, and returns false.
  bool ValidateEntries();

  // The twelve entries exactly as they stand in the controls.
  zentara::NumerologyEntries Entries() const;
  // Puts `entries` into the twelve controls; a date part that is a list item
  // selects that item.
  void SetEntries(const zentara::NumerologyEntries& entries);
  // A person of the book into one partner's names and birth date, nothing
  // else; Save Person then stores that partner into this person.
  void UsePerson(zentara::Partner partner, const zentara::book::Person& person);

  // The readings, each shown in its modal window; they return when it closes.
  void Find_Lifepath_Number();
  void Find_Destiny_Number();
  void Find_Lifepath_Destiny_Number();
  // The four extended numbers of both partners, in the same window as the
  // comprehensive reading, with its Print and Save.
  void Find_Extended_Numbers();

 public slots:
  void cmdLP_Click();
  void cmdD_Click();
  void cmdCR_Click();
  void mnuExtended_Click();
  void cmdOpen_Click();
  void cmdBack_Click();
  void cmdExit_Click();
  void ChoosePerson_Click(zentara::Partner partner);
  void SavePerson_Click(zentara::Partner partner);

 protected:
  void closedByUser() override;

 private:
  // The parts the form is made of, top to bottom, then its menus.
  void MakeTitle(QWidget* central, QVBoxLayout* layout);
  void MakePartners(QWidget* central, QVBoxLayout* layout);
  void MakeMarriageDate(QWidget* central, QVBoxLayout* layout);
  void MakeButtons(QWidget* central, QVBoxLayout* layout);
  void MakeNote(QWidget* central, QVBoxLayout* layout);
  void MakeMenus();
  void Form_Load();
  QWidget* ControlOf(zentara::NumerologyField field) const;

  QLineEdit *txtMF_, *txtMM_, *txtML_, *txtFF_, *txtFM_, *txtFL_;
  QComboBox *cboMM_, *cboMD_, *cboMY_, *cboFM_, *cboFD_, *cboFY_;
  QComboBox *cboMMD_, *cboMMM_, *cboMMY_;

  // The numbers behind the reading made last.
  zentara::LifePathPair lifePath_;
  zentara::DestinyPair destiny_;
  // The person each partner's entries came from (Male, Female); 0 for none.
  std::int64_t chosen_[2] = {0, 0};
};

}  // namespace numerology
