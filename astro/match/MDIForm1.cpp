#include "astro/match/MDIForm1.h"

#include "common/translatable.h"

#include <QCoreApplication>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QEvent>
#include <QWindowStateChangeEvent>
#include <QtMath>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "astro/match/synastry_grid_view.h"
#include "astro/match/chart_settings.h"
#include "astro/match/chart_wheel_view.h"
#include "astro/match/couple_report_pdf.h"
#include "astro/match/frmOrbs.h"
#include "astro/match/frame_tab_order.h"
#include "astro/match/frmReport.h"
#include "astro/match/house_tables.h"
#include "astro/match/houses_view.h"
#include "astro/match/relationship_view.h"
#include "astro/match/scores_view.h"
#include "astro/match/birth_from_entries.h"
#include "astro/match/report_layout.h"
#include "astro/match/report_paper.h"
#include "astro/match/wheel_files.h"
#include "platform/platform.h"
#include "reports/file_names.h"
#include "reports/report_box.h"
#include "shell/controls.h"
#include "shell/exit_application.h"
#include "shell/help_menu.h"
#include "shell/navigation.h"
#include "shell/screen_fit.h"
#include "shell/spoken_names.h"
#include "shell/text_tables.h"

namespace astro {
namespace {

constexpr int kTopBarHeight = 44;  // pixels
// The wheel opens no smaller than its degrees and minutes are this high.
constexpr double kReadableLabelPixels = 10;
constexpr QColor kTopBarColour(40, 70, 120);

// The top bar paints its colour itself instead of carrying a palette, which its
// buttons would inherit. A palette made for one frame has a key of its own, and
// the style keeps the pictures of the buttons it draws in its picture cache by
// their palette's key: every frame's buttons would add new pictures to that
// cache, a match after a match, until its limit of some megabytes.
class TopBar final : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent* /*event*/) override { QPainter(this).fillRect(rect(), kTopBarColour); }
};

// The entries of the File menu's "House System", one a system, in the order of AllHouseSystems.
struct HouseSystemEntry {
  zentara::HouseSystem system;
  const char* name;
  const char* caption;
};
constexpr HouseSystemEntry kHouseSystemEntries[] = {
    {zentara::HouseSystem::Placidus, "mnuHousesPlacidus", QT_TRANSLATE_NOOP("MDIForm1", "&Placidus")},
    {zentara::HouseSystem::Koch, "mnuHousesKoch", QT_TRANSLATE_NOOP("MDIForm1", "&Koch")},
    {zentara::HouseSystem::Regiomontanus, "mnuHousesRegiomontanus", QT_TRANSLATE_NOOP("MDIForm1", "&Regiomontanus")},
    {zentara::HouseSystem::Campanus, "mnuHousesCampanus", QT_TRANSLATE_NOOP("MDIForm1", "&Campanus")},
    {zentara::HouseSystem::Porphyry, "mnuHousesPorphyry", QT_TRANSLATE_NOOP("MDIForm1", "P&orphyry")},
    {zentara::HouseSystem::Equal, "mnuHousesEqual", QT_TRANSLATE_NOOP("MDIForm1", "&Equal")},
    {zentara::HouseSystem::WholeSign, "mnuHousesWholeSign", QT_TRANSLATE_NOOP("MDIForm1", "&Whole Sign")},
};

QPushButton* TopBarButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QCoreApplication::translate("MDIForm1", caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->adjustSize();
  button->move(0, (kTopBarHeight - button->height()) / 2);
  return button;
}

}  // namespace

MDIForm1::MDIForm1(frmReport* report, QWidget* parent) : Form("MDIForm1", parent), report_(report) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  MakeTopBar(central, layout);
  area_ = new QMdiArea(central);
  area_->setObjectName(QStringLiteral("mdiArea"));
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  layout->addWidget(area_, 1);
  setCentralWidget(central);
  // The wheel's window comes first, so the report's opens in front of it.
  MakeWheelWindow();
  MakeReportWindow(report);
  MakeMenus(report->ShownOptions());
  connect(cmdPrint_, &QPushButton::clicked, this, &MDIForm1::cmdPrint_Click);
  connect(cmdBack_, &QPushButton::clicked, this, &MDIForm1::cmdBack_Click);
  connect(cmdExit_, &QPushButton::clicked, this, &MDIForm1::cmdExit_Click);
  static constexpr shell::SpokenName kSpokenNames[] = {
      {"wheelTabs", QT_TRANSLATE_NOOP("SpokenNames", "Chart pages")}, {"cboHousesOf", QT_TRANSLATE_NOOP("SpokenNames", "Houses of")},
      {"reportView", QT_TRANSLATE_NOOP("SpokenNames", "Astro report")}};
  shell::GiveSpokenNames(this, kSpokenNames);
  SizeToShowBothWindows();
}

QMdiSubWindow* MDIForm1::AddSubWindow(QWidget* widget, Qt::WindowFlags flags) {
  auto* window = new FrameSubWindow([this](bool next) { return focusNextPrevChild(next); });
  window->setWidget(widget);
  window->setAttribute(Qt::WA_DeleteOnClose);
  area_->addSubWindow(window);
  // Given once in the area: the title bar's buttons follow them there.
  window->setWindowFlags(flags);
  return window;
}

bool MDIForm1::focusNextPrevChild(bool next) {
  QWidget* report = report_ ? report_->findChild<QWidget*>(QStringLiteral("reportView")) : nullptr;
  const QList<QWidget*> stops = TabStops({cmdPrint_, cmdBack_, cmdExit_, report, wheelTabs_->tabBar(),
                                          wheelTabs_->cornerWidget(), wheelTabs_->currentWidget()});
  QWidget* target = NextTabStop(stops, QApplication::focusWidget(), next);
  if (!target) return Form::focusNextPrevChild(next);
  for (QWidget* up = target; up; up = up->parentWidget()) {
    if (auto* window = qobject_cast<QMdiSubWindow*>(up)) {
      area_->setActiveSubWindow(window);
      break;
    }
  }
  target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void MDIForm1::MakeTopBar(QWidget* central, QVBoxLayout* layout) {
  // The top bar places its controls itself, on every resize of the frame.
  picTop_ = new TopBar(central);
  picTop_->setObjectName(QStringLiteral("picTop"));
  picTop_->setFixedHeight(kTopBarHeight);
  lblHeading_ = new QLabel(QCoreApplication::translate("MDIForm1", "QM Orvanel Software"), picTop_);
  lblHeading_->setObjectName(QStringLiteral("lblHeading"));
  // A label's text is drawn as it is, never kept as a picture: its own palette costs nothing.
  QPalette headingPalette = lblHeading_->palette();
  headingPalette.setColor(QPalette::WindowText, Qt::white);
  lblHeading_->setPalette(headingPalette);
  shell::MakeHeading(lblHeading_, 1.4);
  lblHeading_->adjustSize();
  lblHeading_->move(0, (kTopBarHeight - lblHeading_->height()) / 2);
  cmdPrint_ = TopBarButton(picTop_, "cmdPrint", QT_TRANSLATE_NOOP("MDIForm1", "&Print"));
  cmdBack_ = TopBarButton(picTop_, "cmdBack", QT_TRANSLATE_NOOP("MDIForm1", "&Back"));
  cmdExit_ = TopBarButton(picTop_, "cmdExit", QT_TRANSLATE_NOOP("MDIForm1", "&Exit"));
  layout->addWidget(picTop_);
  // The frame's layout sizes the top bar after the frame's own resize.
  picTop_->installEventFilter(this);
}

void MDIForm1::MakeWheelWindow() {
  // Like the report, the wheel's window stays for the frame's whole life.
  orbs_ = StoredOrbs();
  houseSystem_ = StoredHouseSystem();
  wheelTabs_ = new QTabWidget();
  wheelTabs_->setObjectName(QStringLiteral("wheelTabs"));
  wheelTabs_->setWindowTitle(QCoreApplication::translate("MDIForm1", "Chart Wheel"));
  wheel_ = new ChartWheelView(zentara::ChartWheel{});
  aspects_ = new AspectsView();
  houses_ = new HousesView();
  relationship_ = new RelationshipView();
  scores_ = new ScoresView();
  wheelTabs_->addTab(wheel_, QCoreApplication::translate("MDIForm1", "Chart Wheel"));
  wheelTabs_->addTab(aspects_, QCoreApplication::translate("MDIForm1", "Aspects"));
  wheelTabs_->addTab(houses_, QCoreApplication::translate("MDIForm1", "Houses"));
  wheelTabs_->addTab(relationship_, QCoreApplication::translate("MDIForm1", "Relationship"));
  wheelTabs_->addTab(scores_, QCoreApplication::translate("MDIForm1", "Scores"));
  MakeHousesOfChoice();
  ShowWheelAndAspects();
  wheelWindow_ = AddSubWindow(
      wheelTabs_, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
  wheelWindow_->setObjectName(QStringLiteral("wheelWindow"));
  wheelWindow_->installEventFilter(this);
  wheelWindow_->adjustSize();
}

void MDIForm1::MakeHousesOfChoice() {
  // "Houses of: [Male]" at the right of the tabs, shown with the wheel's tab:
  // whose cusps the wheel draws. There it takes none of the wheel's height.
  auto* choice = new QWidget(wheelTabs_);
  choice->setObjectName(QStringLiteral("housesOfChoice"));
  auto* row = new QHBoxLayout(choice);
  row->setContentsMargins(6, 0, 6, 0);
  cboHousesOf_ = shell::AddCaptionedChoice(choice, row, "lblHousesOf",
                                           QCoreApplication::translate("MDIForm1", "Houses &of:"), "cboHousesOf",
                                           {QCoreApplication::translate("MDIForm1", "Male"), QCoreApplication::translate("MDIForm1", "Female")});
  wheelTabs_->setCornerWidget(choice, Qt::TopRightCorner);
  connect(cboHousesOf_, &QComboBox::activated, this, &MDIForm1::cboHousesOf_Click);
  connect(wheelTabs_, &QTabWidget::currentChanged, choice,
          [this, choice] { choice->setVisible(wheelTabs_->currentWidget() == wheel_); });
}

void MDIForm1::MakeReportWindow(frmReport* report) {
  // The report stays for the frame's whole life: its window has no close box,
  // and a close asked of it otherwise is refused (see eventFilter).
  reportWindow_ = AddSubWindow(report, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  reportWindow_->setObjectName(QStringLiteral("reportWindow"));
  reportWindow_->installEventFilter(this);
  reportWindow_->adjustSize();
}

void MDIForm1::MakeMenus(const zentara::ChartOptions& shown) {
  QMenu* file = menuBar()->addMenu(QCoreApplication::translate("MDIForm1", "&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  const auto entry = [this, file](const char* name, const QString& caption, auto slot) {
    QAction* made = shell::NamedMenuEntry(file, name, caption);
    connect(made, &QAction::triggered, this, slot);
    return made;
  };
  entry("mnuPrint", QCoreApplication::translate("MDIForm1", "&Print"), &MDIForm1::cmdPrint_Click);
  entry("mnuExportPDF", QCoreApplication::translate("MDIForm1", "Export as &PDF..."), &MDIForm1::mnuExportPDF_Click);
  entry("mnuSavePicture", QCoreApplication::translate("MDIForm1", "Save Chart &Picture..."), &MDIForm1::mnuSavePicture_Click);
  entry("mnuCoupleReport", QCoreApplication::translate("MDIForm1", "Couple &Report..."), &MDIForm1::mnuCoupleReport_Click);
  file->addSeparator();
  QAction* mnuEquinoxOfDate = entry("mnuEquinoxOfDate", QCoreApplication::translate("MDIForm1", "Positions on the Equinox of &Date"), &MDIForm1::mnuEquinoxOfDate_Click);
  mnuEquinoxOfDate->setCheckable(true);
  mnuEquinoxOfDate->setChecked(shown.PositionsEquinox == zentara::Equinox::OfDate);
  // The node shown, one of two.
  auto* nodes = new QActionGroup(this);
  QAction* mnuMeanNode = entry("mnuMeanNode", QCoreApplication::translate("MDIForm1", "&Mean Node"), [this] { UseNode(zentara::LunarNode::Mean); });
  QAction* mnuTrueNode = entry("mnuTrueNode", QCoreApplication::translate("MDIForm1", "&True Node"), [this] { UseNode(zentara::LunarNode::True); });
  for (QAction* node : {mnuMeanNode, mnuTrueNode}) {
    node->setCheckable(true);
    nodes->addAction(node);
  }
  (shown.Node == zentara::LunarNode::True ? mnuTrueNode : mnuMeanNode)->setChecked(true);
  entry("mnuAspectOrbs", QCoreApplication::translate("MDIForm1", "Aspect &Orbs..."), &MDIForm1::mnuAspectOrbs_Click);
  MakeHouseSystemMenu(file);
  file->addSeparator();
  entry("mnuBack", QCoreApplication::translate("MDIForm1", "&Back"), &MDIForm1::cmdBack_Click);
  file->addSeparator();
  entry("mnuExit", QCoreApplication::translate("MDIForm1", "&Exit"), &MDIForm1::cmdExit_Click);

  QMenu* windows = menuBar()->addMenu(QCoreApplication::translate("MDIForm1", "&Window"));
  windows->setObjectName(QStringLiteral("mnuWindow"));
  connect(shell::NamedMenuEntry(windows, "mnuReport", QCoreApplication::translate("MDIForm1", "&Report")), &QAction::triggered, this, &MDIForm1::mnuReport_Click);
  connect(shell::NamedMenuEntry(windows, "mnuChartWheel", QCoreApplication::translate("MDIForm1", "Chart &Wheel")), &QAction::triggered, this,
          &MDIForm1::mnuChartWheel_Click);
  connect(shell::NamedMenuEntry(windows, "mnuAspects", QCoreApplication::translate("MDIForm1", "&Aspects")), &QAction::triggered, this,
          &MDIForm1::mnuAspects_Click);
  connect(shell::NamedMenuEntry(windows, "mnuHouses", QCoreApplication::translate("MDIForm1", "&Houses")), &QAction::triggered, this,
          &MDIForm1::mnuHouses_Click);
  connect(shell::NamedMenuEntry(windows, "mnuRelationship", QCoreApplication::translate("MDIForm1", "Re&lationship")), &QAction::triggered, this,
          &MDIForm1::mnuRelationship_Click);
  connect(shell::NamedMenuEntry(windows, "mnuScores", QCoreApplication::translate("MDIForm1", "&Scores")), &QAction::triggered, this, &MDIForm1::mnuScores_Click);
  shell::AddHelpMenu(this, QCoreApplication::translate("MDIForm1", "&Online Help"), QCoreApplication::translate("MDIForm1", "&Visit Us Online"));
}

void MDIForm1::MakeHouseSystemMenu(QMenu* file) {
  QMenu* systems = file->addMenu(QCoreApplication::translate("MDIForm1", "House &System"));
  systems->setObjectName(QStringLiteral("mnuHouseSystem"));
  auto* group = new QActionGroup(this);
  for (const HouseSystemEntry& entry : kHouseSystemEntries) {
    QAction* action = shell::NamedMenuEntry(systems, entry.name, QCoreApplication::translate("MDIForm1", entry.caption));
    action->setCheckable(true);
    action->setChecked(entry.system == houseSystem_);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, system = entry.system] { UseHouseSystem(system); });
  }
}

void MDIForm1::SizeToShowBothWindows() {
  // Both windows in view on opening: the frame as large as the screen lets
  // it show them (report_layout.h), the view less the top bar, the menu bar,
  // the area's frame and the desktop's frame, as far as it is known yet.
  area_->installEventFilter(this);
  const QRect available = shell::AvailableArea(this);
  const QSize bars = QSize(0, menuBar()->sizeHint().height() + kTopBarHeight) + QSize(2, 2) * area_->frameWidth();
  const QSize largest = available.size() - bars - shell::FrameExtra(this);
  const zentara::Extent view = zentara::OpeningView({largest.width(), largest.height()}, Parts());
  resize(QSize(view.Width, view.Height) + bars);
}

zentara::ReportFrameParts MDIForm1::Parts() const {
  const QSize report = reportWindow_->sizeHint();
  // The window's frame, title bar and tabs: what it adds to its largest tab.
  const QSize decoration = wheelWindow_->sizeHint() - wheel_->sizeHint()
                                                        .expandedTo(aspects_->sizeHint())
                                                        .expandedTo(houses_->sizeHint())
                                                        .expandedTo(relationship_->sizeHint())
                                                        .expandedTo(scores_->sizeHint());
  return {
      .Report = {report.width(), report.height()},
      .ReportScrollBar = report_ ? report_->VScroll1()->sizeHint().width() : 0,
      .WheelDecoration = {decoration.width(), decoration.height()},
      // As tall as the report where there is room.
      .WheelSide = qMax(wheel_->sizeHint().width(), report.height() - decoration.height()),
      .WheelLeastSide = qCeil(zentara::LeastSideForLabels(kReadableLabelPixels)),
      .ViewScrollBar = area_->verticalScrollBar()->sizeHint().width(),
  };
}

void MDIForm1::Arrange() {
  const QSize view = area_->contentsRect().size();
  const zentara::ReportFrameArrangement arranged = zentara::ArrangeReportFrame({view.width(), view.height()}, Parts());
  const auto rect = [](const zentara::Box& box) { return QRect(box.Left, box.Top, box.Width, box.Height); };
  arranging_ = true;
  reportWindow_->setGeometry(rect(arranged.Report));
  wheelWindow_->setGeometry(rect(arranged.Wheel));
  arranging_ = false;
  wheelBeside_ = arranged.WheelBeside;
}

int MDIForm1::ReportInnerWidth() const {
  return wheelBeside_ && !userArranged_ ? wheelWindow_->x() : area_->viewport()->width();
}

void MDIForm1::MDIForm_Activate() {
  if (!report_) return;
  const double dpi = logicalDpiX();
  const double inner = zentara::TwipsFromPixels(ReportInnerWidth(), dpi);
  const double width = zentara::TwipsFromPixels(reportWindow_->width(), dpi);
  const double scrollBar = zentara::TwipsFromPixels(report_->VScroll1()->width(), dpi);
  arranging_ = true;
  reportWindow_->move(zentara::PixelsFromTwips(zentara::ReportLeft(inner, width, scrollBar), dpi), 0);
  arranging_ = false;
  reportWindow_->show();
}

void MDIForm1::MDIForm_Resize() {
  const double dpi = logicalDpiX();
  const auto twips = [dpi](int pixels) { return zentara::TwipsFromPixels(pixels, dpi); };
  const zentara::TopBarLefts lefts = zentara::PlaceTopBar({
      .Frame = twips(frameGeometry().width()),
      .PrintButton = twips(cmdPrint_->width()),
      .BackButton = twips(cmdBack_->width()),
      .ExitButton = twips(cmdExit_->width()),
      .TopBar = twips(picTop_->width()),
      .Heading = twips(lblHeading_->width()),
  });
  const auto place = [dpi](QWidget* control, double left) {
    control->move(zentara::PixelsFromTwips(left, dpi), control->y());
  };
  place(cmdExit_, lefts.ExitButton);
  place(cmdBack_, lefts.BackButton);
  place(cmdPrint_, lefts.PrintButton);
  place(lblHeading_, lefts.Heading);
}

// The whole report, also what lies outside the frame's view, as one image
// sharp on paper.
void MDIForm1::cmdPrint_Click() {
  if (!report_) return;
  if (!platform::current().printImage(ReportPrintImage(report_->Page()))) reports::SayNoPrinterIsAvailable(this);
}

void MDIForm1::mnuExportPDF_Click() {
  if (!report_) return;
  const zentara::AstroEntries& entries = report_->Entries();
  ExportReportPdf(this,
                  {report_->Page(), wheel_->wheel(),
                   {zentara::PartnerBirthLine(entries.Male, zentara::Partner::Male),
                    zentara::PartnerBirthLine(entries.Female, zentara::Partner::Female)},
                   zentara::MakeCoupleHouseTables(couple_, report_->ShownPositions(zentara::Partner::Male),
                                                  report_->ShownPositions(zentara::Partner::Female)),
                   RelationshipPages()},
                  zentara::CoupleFileName(entries.Male.Name, entries.Female.Name, "Astro Match", "pdf"));
}

void MDIForm1::mnuSavePicture_Click() {
  if (!report_) return;
  const zentara::AstroEntries& entries = report_->Entries();
  const std::string couple = zentara::CoupleFileName(entries.Male.Name, entries.Female.Name, "Chart Wheel", "");
  if (wheelTabs_->currentWidget() == relationship_) {
    const zentara::RelationshipChart& chart = relationship_->chart();
    SaveChartPicture(this, relationship_->wheelOf(chart), couple + " " + std::string(zentara::RelationshipTitle(chart.Kind)));
    return;
  }
  SaveChartPicture(this, wheel_->wheel(), couple);
}

std::vector<std::pair<zentara::RelationshipChart, zentara::ChartWheel>> MDIForm1::RelationshipPages() const {
  std::vector<std::pair<zentara::RelationshipChart, zentara::ChartWheel>> pages;
  for (const zentara::RelationshipKind kind : {zentara::RelationshipKind::Composite, zentara::RelationshipKind::Davison}) {
    zentara::RelationshipChart chart = relationship_->chartOf(kind);
    zentara::ChartWheel wheel = relationship_->wheelOf(chart);
    pages.emplace_back(std::move(chart), std::move(wheel));
  }
  return pages;
}

void MDIForm1::mnuCoupleReport_Click() {
  if (!report_) return;
  const zentara::AstroEntries& entries = report_->Entries();
  // The astro form holds one name a partner, not the full names the
  // numerology readings need: the report says it leaves them out.
  ExportCoupleReport(this,
                     {.Astro = entries, .Numerology = std::nullopt, .Options = report_->ShownOptions(),
                      .Houses = houseSystem_, .Orbs = orbs_},
                     zentara::CoupleFileName(entries.Male.Name, entries.Female.Name, "Couple Report", "") +
                         " Couple Report.pdf");
}

void MDIForm1::mnuReport_Click() { area_->setActiveSubWindow(reportWindow_); }

void MDIForm1::mnuChartWheel_Click() { BringWheelWindowForward(wheel_); }

void MDIForm1::mnuAspects_Click() { BringWheelWindowForward(aspects_); }

void MDIForm1::mnuHouses_Click() { BringWheelWindowForward(houses_); }

void MDIForm1::mnuRelationship_Click() { BringWheelWindowForward(relationship_); }

void MDIForm1::mnuScores_Click() { BringWheelWindowForward(scores_); }

void MDIForm1::cboHousesOf_Click(int index) {
  housesOf_ = index == 1 ? zentara::Partner::Female : zentara::Partner::Male;
  ShowWheelAndAspects();
}

void MDIForm1::BringWheelWindowForward(QWidget* tab) {
  wheelTabs_->setCurrentWidget(tab);
  if (!wheelWindow_->isMaximized()) {
    arranging_ = true;
    wheelWindow_->showNormal();
    const QSize room = area_->viewport()->size() - wheelWindow_->size();
    wheelWindow_->move(qBound(0, wheelWindow_->x(), qMax(0, room.width())),
                       qBound(0, wheelWindow_->y(), qMax(0, room.height())));
    arranging_ = false;
  }
  area_->setActiveSubWindow(wheelWindow_);
}

void MDIForm1::mnuEquinoxOfDate_Click(bool ofDate) {
  if (!report_) return;
  zentara::ChartOptions options = report_->ShownOptions();
  options.PositionsEquinox = ofDate ? zentara::Equinox::OfDate : zentara::Equinox::J2000;
  StoreEquinox(options.PositionsEquinox);
  ShowMatchWith(options);
}

void MDIForm1::UseNode(zentara::LunarNode node) {
  if (!report_) return;
  zentara::ChartOptions options = report_->ShownOptions();
  options.Node = node;
  StoreNode(node);
  ShowMatchWith(options);
}

void MDIForm1::ShowMatchWith(const zentara::ChartOptions& options) {
  // The report's entries passed the form's checks, so they always make a match.
  if (const auto match = zentara::CalculateAstroMatch(report_->Entries(), options)) report_->Fill(*match);
  ShowWheelAndAspects();
}

void MDIForm1::mnuAspectOrbs_Click() {
  frmOrbs::ShowModal(this, orbs_, [frame = QPointer<MDIForm1>(this)](const zentara::AspectOrbs& orbs) {
    if (frame) frame->UseOrbs(orbs);
  });
}

void MDIForm1::UseOrbs(const zentara::AspectOrbs& orbs) {
  orbs_ = orbs;
  StoreOrbs(orbs);
  ShowWheelAndAspects();
}

void MDIForm1::UseHouseSystem(zentara::HouseSystem system) {
  houseSystem_ = system;
  StoreHouseSystem(system);
  ShowWheelAndAspects();
}

zentara::WheelOptions MDIForm1::WheelOptionsNow() const {
  const zentara::ChartHouses& drawn = housesOf_ == zentara::Partner::Male ? couple_.Male : couple_.Female;
  return {.Orbs = orbs_, .Positions = report_->ShownOptions(), .Houses = zentara::WheelHousesOf(drawn, housesOf_)};
}

void MDIForm1::ShowWheelAndAspects() {
  if (!report_ || !report_->Match()) return;
  couple_ = zentara::CastCoupleHouses(*report_->Match(), houseSystem_);
  const zentara::ChartPositions male = report_->ShownPositions(zentara::Partner::Male);
  const zentara::ChartPositions female = report_->ShownPositions(zentara::Partner::Female);
  wheel_->setWheel(zentara::LayoutChartWheel(male, female, WheelOptionsNow()));
  const zentara::AstroEntries& entries = report_->Entries();
  aspects_->setAspects(wheel_->wheel().Aspects, entries.Male.Name, entries.Female.Name);
  houses_->setTables(zentara::MakeCoupleHouseTables(couple_, male, female, entries.Male.Name, entries.Female.Name));
  relationship_->setMatch(*report_->Match(), houseSystem_, orbs_);
  scores_->setMatch(*report_->Match());
}

void MDIForm1::cmdBack_Click() {
  if (report_) report_->unload();
  unload();
  navigation::ShowAstroForm();
}

void MDIForm1::cmdExit_Click() { shell::ExitApplication(); }

void MDIForm1::closedByUser() { shell::ExitApplication(); }

bool MDIForm1::event(QEvent* event) {
  const bool handled = Form::event(event);
  if (event->type() == QEvent::Show && !shown_) {
    shown_ = true;
    Arrange();
  }
  if (event->type() == QEvent::WindowActivate) MDIForm_Activate();
  return handled;
}

void MDIForm1::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  MDIForm_Resize();
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picTop_ && event->type() == QEvent::Resize) MDIForm_Resize();
  // The frame resized: the windows arranged anew, or, once the user has
  // arranged them, the report only as tall as the view.
  if (watched == area_ && event->type() == QEvent::Resize && shown_) {
    if (!userArranged_) {
      Arrange();
    } else {
      arranging_ = true;
      reportWindow_->resize(reportWindow_->width(),
                            qMin(reportWindow_->sizeHint().height(), area_->contentsRect().height()));
      arranging_ = false;
    }
  }
  if (watched == reportWindow_ || watched == wheelWindow_) {
    if (event->type() == QEvent::MouseButtonPress) pressedOn_ = watched;
    if (event->type() == QEvent::MouseButtonRelease) pressedOn_ = nullptr;
  }
  if ((watched == reportWindow_ || watched == wheelWindow_) && !arranging_) {
    // Dragged or sized with the mouse on its frame or title bar, or maximized,
    // minimized or restored (not merely made the active window). A button
    // held elsewhere is not the user arranging: the double-click in Best
    // Matches that opens the frame is still down while it is shown.
    constexpr Qt::WindowStates kSized = Qt::WindowMinimized | Qt::WindowMaximized;
    const bool dragged =
        (event->type() == QEvent::Move || event->type() == QEvent::Resize) && pressedOn_ == watched;
    const bool stateChanged =
        event->type() == QEvent::WindowStateChange &&
        (static_cast<QWindowStateChangeEvent*>(event)->oldState() & kSized) !=
            (static_cast<QWidget*>(watched)->windowState() & kSized);
    if (dragged || stateChanged) userArranged_ = true;
  }
  if ((watched == reportWindow_ || watched == wheelWindow_) && event->type() == QEvent::Close && !isUnloading()) {
    event->ignore();
    return true;
  }
  return Form::eventFilter(watched, event);
}

}  // namespace astro
