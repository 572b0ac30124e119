// The astro report frame: a top bar with Print, Back and Exit over a
// multiple-document area that holds the report, frmReport, and beside it a
// window of five tabs: the chart wheel of both partners with one partner's
// house cusps ("Houses of:" chooses whose), the grid of the aspects between
// their charts, both partners' houses with the overlays both ways, the
// relationship's own chart, composite or Davison, and the scores explained. The frame opens with both in view, the wheel
// beside the report where the screen is wide enough (report_layout.h), and
// keeps them so as it is resized, until the user moves or sizes one of them.
// The Window menu brings the report or a tab forward;
// the File menu also saves the wheel as a picture, exports the report, the
// wheel, the grid and the houses as a PDF file, and holds the remembered
// choices: the positions' equinox and node, the aspects' orbs and the house
// system.
#pragma once
#include <QPointer>

#include "astro/engine/chart_options.h"
#include "astro/match/chart_wheel.h"
#include "astro/match/house_overlays.h"
#include "astro/match/relationship_charts.h"
#include "astro/match/synastry.h"
#include "astro/match/report_layout.h"
#include "shell/form.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace astro {

class frmReport;
class ChartWheelView;
class AspectsView;
class HousesView;
class RelationshipView;
class ScoresView;

class MDIForm1 : public shell::Form {
  Q_OBJECT

 public:
  // Takes the filled report as its child; the wheel shows the positions it shows.
  explicit MDIForm1(frmReport* report, QWidget* parent = nullptr);

  frmReport* report() const { return report_; }
  QMdiSubWindow* reportWindow() const { return reportWindow_; }
  QMdiArea* area() const { return area_; }
  ChartWheelView* wheel() const { return wheel_; }
  AspectsView* aspects() const { return aspects_; }
  HousesView* houses() const { return houses_; }
  RelationshipView* relationship() const { return relationship_; }
  ScoresView* scores() const { return scores_; }
  QComboBox* housesOf() const { return cboHousesOf_; }
  // Both partners' houses and overlays as the Houses tab shows them now.
  const zentara::CoupleHouses& coupleHouses() const { return couple_; }
  QTabWidget* wheelTabs() const { return wheelTabs_; }
  QMdiSubWindow* wheelWindow() const { return wheelWindow_; }

 public slots:
  // Centres the report in the frame's inner width (the part of the view the
  // wheel beside it leaves), at the top, never left of the view's edge, and
  // shows it.
  void MDIForm_Activate();
  // Places the buttons from the frame's right edge and centres the heading.
  void MDIForm_Resize();
  void cmdPrint_Click();
  void cmdBack_Click();
  void cmdExit_Click();
  // The report on the first page, the wheel on the second, the aspects on
  // the third, the houses on the fourth and the composite and Davison charts
  // on the fifth and sixth, as a PDF file.
  void mnuExportPDF_Click();
  // The wheel as an SVG or PNG file: the relationship's while its tab is
  // shown, else the couple's.
  void mnuSavePicture_Click();
  // Everything about the couple in one PDF file (reports/couple_report.h),
  // without the numerology readings, whose full names the astro form lacks.
  void mnuCoupleReport_Click();
  // Bring the report, the wheel or the aspects forward; a window out of view is
  // moved into it.
  void mnuReport_Click();
  void mnuChartWheel_Click();
  void mnuAspects_Click();
  void mnuHouses_Click();
  void mnuRelationship_Click();
  void mnuScores_Click();
  // Draws the cusps of the partner chosen in "Houses of:" (0 male, 1 female).
  void cboHousesOf_Click(int index);
  // Remembers the choice and shows the match again on the positions it picks:
  // the report's rows, the wheel and the aspects.
  void mnuEquinoxOfDate_Click(bool ofDate);
  // Asks for the orbs; new ones are remembered and give the wheel and the grid anew.
  void mnuAspectOrbs_Click();

 protected:
  void closedByUser() override;
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Tab and Shift+Tab through the whole frame (frame_tab_order.h).
  bool focusNextPrevChild(bool next) override;

 private:
  // The sizes the arrangement of the windows starts from.
  zentara::ReportFrameParts Parts() const;
  // The report and the wheel where ArrangeReportFrame puts them in the view.
  void Arrange();
  // The view's width the report is centred in.
  int ReportInnerWidth() const;
  void BringWheelWindowForward(QWidget* tab);
  // The parts the frame is made of, in the order it makes them.
  void MakeTopBar(QWidget* central, QVBoxLayout* layout);
  void MakeWheelWindow();
  void MakeHousesOfChoice();
  void MakeHouseSystemMenu(QMenu* file);
  void MakeReportWindow(frmReport* report);
  // `widget` in an MDI window of the area whose Tab follows the frame's order.
  QMdiSubWindow* AddSubWindow(QWidget* widget, Qt::WindowFlags flags);
  void MakeMenus(const zentara::ChartOptions& shown);
  void SizeToShowBothWindows();
  // The wheel, the aspects and the houses of the match the report shows, at
  // the orbs and in the house system chosen.
  void ShowWheelAndAspects();
  // The report, wheel and aspects made again with these options; with the
  // node chosen (which is remembered).
  void ShowMatchWith(const zentara::ChartOptions& options);
  void UseNode(zentara::LunarNode node);
  void UseOrbs(const zentara::AspectOrbs& orbs);
  // Remembers the system and shows the houses, the wheel's cusps included, in it.
  void UseHouseSystem(zentara::HouseSystem system);
  // What the wheel shows besides the charts: the orbs, the positions' options
  // and the cusps of the partner chosen.
  zentara::WheelOptions WheelOptionsNow() const;
  // The composite and the Davison chart with their wheels, for the PDF.
  std::vector<std::pair<zentara::RelationshipChart, zentara::ChartWheel>> RelationshipPages() const;

  QPointer<frmReport> report_;
  QMdiSubWindow* reportWindow_;
  ChartWheelView* wheel_;
  AspectsView* aspects_;
  HousesView* houses_;
  RelationshipView* relationship_;
  ScoresView* scores_;
  QComboBox* cboHousesOf_;
  QTabWidget* wheelTabs_;
  QMdiSubWindow* wheelWindow_;
  zentara::AspectOrbs orbs_;
  zentara::HouseSystem houseSystem_ = zentara::HouseSystem::Placidus;
  zentara::Partner housesOf_ = zentara::Partner::Male;
  zentara::CoupleHouses couple_;
  bool shown_ = false;         // the frame has been shown, so its view has its size
  bool arranging_ = false;     // the frame itself is moving its windows
  bool userArranged_ = false;  // the user has moved, sized, maximized or minimized one
  QObject* pressedOn_ = nullptr;  // the window a mouse button went down on, until it comes up
  bool wheelBeside_ = false;   // as last arranged
  QMdiArea* area_;
  QWidget* picTop_;
  QLabel* lblHeading_;
  QPushButton *cmdPrint_, *cmdBack_, *cmdExit_;
};

}  // namespace astro
