// The look-up window of one partner's birthplace, opened by the astro form's
// latitude and longitude buttons. The city, state and country are searched in
// the offline atlas at every keystroke; each place found is listed with its
// coordinates as the form's boxes take them and the offset its clocks kept at
// the birth date and time on the form. Fill In hands the chosen place to the
// form; Search the Web makes the web look-up of the place in the window's
// boxes instead.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "astro/match/astro_entries.h"
#include "astro/places/atlas_location.h"
#include "astro/match/form_entry.h"
#include "astro/places/zoneinfo_offsets.h"
#include "shell/form.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace astro {

class frmPlaceLookup : public shell::Form {
  Q_OBJECT

 public:
  // `entries`: the partner's entries as the form holds them; the boxes start
  // with their city, state and country, and the offsets are those at their
  // birth date and time. `atlas`: the loaded atlas, or why it could not be
  // loaded, in which case only Search the Web and Close work.
  // The heading names the partner: "Find the Place of Birth: Male".
  frmPlaceLookup(zentara::Partner partner, const zentara::AstroPartnerEntries& entries,
                 const zentara::places::LoadedAtlas& atlas, QWidget* parent = nullptr);
  // The heading names `whose` birthplace it is ("Find the Place of Birth: John
  // Smith"), or is "Find the Place of Birth" alone where `whose` is empty.
  frmPlaceLookup(const QString& whose, const zentara::AstroPartnerEntries& entries,
                 const zentara::places::LoadedAtlas& atlas, QWidget* parent = nullptr);

 signals:
  // Fill In: the chosen place, just before the window closes.
  void PlaceChosen(const zentara::places::PlaceEntries& place);

 public slots:
  void cmdWebSearch_Click();
  void cmdFill_Click();
  void cmdClose_Click();

 protected:
  // Up and Down in the search boxes move the selection in the list.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The window's parts, made in the constructor.
  QGridLayout* MakeSearchBoxes(QWidget* central, const zentara::AstroPartnerEntries& entries);
  void AddStatusLines(QWidget* central, QVBoxLayout* layout);
  QHBoxLayout* MakeCommands(QWidget* central);
  void ShowAtlasMissing(const std::string& error);
  void StartSearching();

  void Search();
  void FitColumnsToTexts();
  void ShowSuggestion();
  int SelectedRow() const;

  zentara::AstroPartnerEntries entries_;
  zentara::places::LocalDateTime birth_;
  std::shared_ptr<const zentara::places::Atlas> atlas_;
  zentara::places::TzdbTimeZoneRules rules_;
  std::vector<zentara::places::PlaceEntries> places_;  // the rows of the list, in order

  QLineEdit *txtCity_, *txtState_, *txtCountry_;
  QTreeWidget* lstPlaces_;
  QLabel *lblStatus_, *lblSuggestion_;
  QPushButton *cmdWebSearch_, *cmdFill_;
};

}  // namespace astro
