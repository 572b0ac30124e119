// The astrological entry form: both partners' names, births and places, checked
// by ValidateAstroEntries before the match is calculated and its report shown.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "astro/match/astro_entries.h"
#include "astro/match/zone_following.h"
#include "astro/match/form_entry.h"
#include "astro/places/zoneinfo_offsets.h"
#include "book/person.h"
#include "shell/form.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace astro {

class KeyFilteredBox;

class frmMatch : public shell::Form {
  Q_OBJECT

 public:
  explicit frmMatch(QWidget* parent = nullptr);

  // Checks the entries in their fixed order. On the first failure it shows that
  // check's message, moves the focus or sets the direction the check names, and
  // returns false.
  bool ValidateAstroEntries();

  // Both partners' entries exactly as the controls hold them.
  zentara::AstroEntries Entries() const;

  // A person of the book into one partner's controls, all of them and nothing
  // else; Save Person then stores that partner into this person. A person the
  // astro match cannot take (no birth time, born before 1901) is refused with
  // a message, and false.
  bool UsePerson(zentara::Partner partner, const zentara::book::Person& person);

 public slots:
  void cmdCalculate_Click();
  void Command1_Click();
  void Command2_Click();
  void cmdNav_Click();
  void ChoosePerson_Click(zentara::Partner partner);
  void SavePerson_Click(zentara::Partner partner);

 protected:
  void closedByUser() override;

 private:
  struct PartnerControls {
    KeyFilteredBox* txtName;
    QComboBox *cboDate, *cboMonth, *cboYear, *cboHH, *cboMM, *cmbTimeZone;
    QCheckBox* chkDST;
    KeyFilteredBox *txtLD, *txtLM, *txtLoD, *txtLoM;
    std::array<QRadioButton*, 2> optLong;  // latitude: 0 North, 1 South
    std::array<QRadioButton*, 2> optLat;   // longitude: 0 East, 1 West
    QPushButton* lookUp;
    QLabel* lblZone;  // under the look-up button: the zone followed, or why it no longer is
    KeyFilteredBox *txtCity, *txtState, *txtCountry;
    QPushButton *cmdChoose, *cmdSavePerson;
  };

  static QGroupBox* PartnerFrame(QWidget* parent, const char* caption, char sex, PartnerControls& controls);
  // The other parts the form is made of, and what each partner's controls do.
  void MakeHeadingAndInstruction(QWidget* central, QVBoxLayout* layout, QHBoxLayout* partners);
  void MakeCommands(QWidget* central, QVBoxLayout* layout);
  void MakeMenus();
  void ConnectPartner(const PartnerControls& controls, zentara::Partner partner);
  void Form_Load();
  void SetTabOrder();
  void LookUpPlace(zentara::Partner partner);
  void FillPlace(zentara::Partner partner, const zentara::places::PlaceEntries& place);
  // The partner's zone row and box set for the birth date and time on the
  // form, while a zone filled in from the atlas is followed.
  void FollowBirth(zentara::Partner partner);
  void StopFollowing(zentara::Partner partner, zentara::FollowingEnded why);
  void RefuseEntry(KeyFilteredBox* box);
  const PartnerControls& ControlsOf(zentara::Partner partner) const;
  QWidget* ControlOf(zentara::Partner partner, zentara::AstroField field) const;

  PartnerControls male_{}, female_{};
  // For each partner (Male, Female): the person the entries came from (0 for
  // none), and the IANA zone of the place the atlas filled in, kept until the
  // coordinates are typed over.
  std::int64_t chosen_[2] = {0, 0};
  std::string atlasZone_[2];
  // For each partner: the zone of the place last filled in, followed until a
  // zone is set by hand or the place is edited.
  std::optional<zentara::FollowedZone> followed_[2];
  zentara::places::TzdbTimeZoneRules rules_;
};

}  // namespace astro
