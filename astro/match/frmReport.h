// The astro report: both partners' personal data, the compatibility figures and
// both natal charts, as a fixed form of labels. It lives inside the report
// frame MDIForm1; its scroll bar VScroll1 scrolls it where the frame shows
// less than the whole. Long names and places wrap, so they show whole.
#pragma once
#include <optional>

#include "astro/match/astro_entries.h"
#include "astro/match/astro_match.h"
#include "shell/form.h"

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QScrollArea;
class QScrollBar;

namespace astro {

class frmReport : public shell::Form {
  Q_OBJECT

 public:
  // Loads the report, copying the personal data from the entry form's entries;
  // it keeps the entries, so the match can be made again on other positions.
  explicit frmReport(const zentara::AstroEntries& entries, QWidget* parent = nullptr);

  // The fourteen positions of each chart, then the four figures and the
  // comment, and under the charts what the positions are measured from.
  void Fill(const zentara::AstroMatchResult& match);

  // The match the report shows now (the last filled); nothing before the first Fill.
  const zentara::AstroMatchResult* Match() const { return match_ ? &*match_ : nullptr; }
  // The slot texts a partner's chart rows show now.
  zentara::ChartPositions ShownPositions(zentara::Partner partner) const;
  // What the positions shown now are: their equinox and node.
  const zentara::ChartOptions& ShownOptions() const { return shown_; }
  // The entries the report was made from.
  const zentara::AstroEntries& Entries() const { return entries_; }

  // The scroll bar at the report's right edge, which scrolls the report; its
  // width enters the report's placement in the frame.
  QScrollBar* VScroll1() const { return VScroll1_; }
  // The report itself, whole, without its scroll bar: what goes on paper.
  QWidget* Page() const { return page_; }

  // The whole report beside its scroll bar.
  QSize sizeHint() const override;

 private:
  // The report's parts, made in the constructor, top to bottom.
  QHBoxLayout* MakePersonFrames(QWidget* page);
  QGroupBox* MakeCompatibility(QWidget* page);
  QGroupBox* MakeFigures(QWidget* parent);
  QGroupBox* MakeNatalPositions(QWidget* page);
  void MakeScrollView();

  void Form_Load(const zentara::AstroEntries& entries);
  // The report as tall as its texts, wrapped at its fixed width, make it.
  void FitPage();

  QLabel *mName_, *mDOB_, *mCity_, *mState_, *Mcountry_;
  QLabel *fName_, *fDOB_, *fCity_, *fState_, *fCountry_;
  QLabel *lblPower_, *lblHarmony_, *lblPH_, *lblPercentage_, *lblComment_;
  QList<QLabel*> lblPlanetPosition_Male_, lblPlanetPosition_Female_;
  QLabel* lblEquinox_;
  QWidget* page_;
  QScrollArea* view_;
  QScrollBar* VScroll1_;
  zentara::AstroEntries entries_;
  zentara::ChartOptions shown_;
  std::optional<zentara::AstroMatchResult> match_;
};

}  // namespace astro
