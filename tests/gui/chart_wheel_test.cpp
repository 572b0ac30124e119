// The chart wheel in the astro report frame: its window beside the report, the
// Window menu, the picture against a golden one, drawing at the window's size,
// the aspects' tab and the hovered names, the equinox and orbs chosen in the
// File menu, the Houses tab and the house system, and the frame's files: SVG
// (the golden file zentara-cli match --svg also writes), PNG and PDF, and what
// a failed save does.
#include <QAction>
#include <QComboBox>
#include <QHelpEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QImageReader>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <sys/stat.h>

#include "astro/match/MDIForm1.h"
#include "tests/gui/worked_couple.h"
#include "astro/engine/planets/zodiac_text.h"
#include "astro/match/synastry_grid_view.h"
#include "astro/match/frmOrbs.h"
#include "astro/match/astro_match.h"
#include "astro/match/chart_wheel_svg.h"
#include "astro/match/chart_wheel_view.h"
#include "astro/match/frmReport.h"
#include "astro/match/houses_view.h"
#include "astro/match/relationship_view.h"
#include "reports/couple_report.h"
#include "platform/qt_text.h"
#include "astro/match/scores_view.h"
#include "gui_test_support.h"
#include "file_checks.h"
#include "shell/control_array.h"

using namespace testing_support;
using astro::MDIForm1;

namespace {

// A golden pixel counts as different when a channel moves by more than this
// (of 255), and the picture fails when more than this share of pixels do.
constexpr int kChannelTolerance = 40;
constexpr double kDifferingShareTolerance = 0.005;
constexpr int kGoldenSide = 480;  // pixels
// The report's page of the PDF drawn as a picture by another program, at a
// resolution near the screen's, differs from the frame's report by its
// smoothing of text and edges: this much on average (channels, of 255).
constexpr double kPdfPictureTolerance = 7.0;
constexpr int kPageDotsPerInch = 100;
// The report's logo, the one picture on its page: 56 points at 4 pixels each.
constexpr int kLogoPixels = 224;
// The wheel fills 96% of the smaller side; its outer line's width and the
// antialiasing widen it by up to this share of the side.
constexpr double kWheelShare = 0.96;
constexpr double kEdgeTolerance = 0.01;  // of the side

// The first and last column of the centre row that are not white.
std::pair<int, int> InkedSpan(const QImage& image) {
  const int row = image.height() / 2;
  int first = -1, last = -1;
  for (int x = 0; x < image.width(); ++x) {
    if (image.pixelColor(x, row) != Qt::white) {
      if (first < 0) first = x;
      last = x;
    }
  }
  return {first, last};
}

}  // namespace

class ChartWheelTest : public QObject {
  Q_OBJECT
  std::unique_ptr<platform::FakePlatform> holder_;
  platform::FakePlatform* fake_ = nullptr;
  QPointer<MDIForm1> frame_;
  QPointer<astro::frmReport> report_;
  std::unique_ptr<QTemporaryDir> folder_;

  void trigger(const char* name) { frame_->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
  QString path(const char* name) const { return folder_->filePath(QString::fromLatin1(name)); }
  QString setting(const char* name) const {
    return fake_->settings.value(platform::FakePlatform::settingKey("zentara", "Settings", QString::fromLatin1(name)));
  }
  QString row(const char* array, int slot) const { return shell::ArrayMember<QLabel>(report_, array, slot)->text(); }
  // The centre of a square of the aspect grid, counting the headers as row and column 0.
  QPoint square(int row, int column) const {
    const auto* grid = frame_->aspects()->gridView();
    const double side = qMin(grid->width(), grid->height()) / double(zentara::AspectGridSquares);
    return QPoint(qRound((column + 0.5) * side), qRound((row + 0.5) * side));
  }

 private slots:
  void init() {
    fake_ = &FreshPlatform(holder_);
    folder_ = std::make_unique<QTemporaryDir>();
    const zentara::AstroEntries entries = JohnAndMary();
    report_ = new astro::frmReport(entries);
    report_->Fill(*zentara::CalculateAstroMatch(entries));
    frame_ = new MDIForm1(report_);
    fake_->showModeless(frame_);
  }

  void theWheelHasItsWindowAndTheReportStaysInFront() {
    QMdiSubWindow* wheel = frame_->wheelWindow();
    QCOMPARE(wheel->windowTitle(), QStringLiteral("Chart Wheel"));
    QCOMPARE(frame_->area()->subWindowList(QMdiArea::StackingOrder).last(), frame_->reportWindow());
    // At the top right of the view, whole, once the area has laid out its scroll bars.
    QCoreApplication::processEvents();
    const QRect view = frame_->area()->viewport()->rect();
    QVERIFY2(view.contains(wheel->geometry()) && wheel->y() == 0 && wheel->geometry().right() == view.right(),
             qPrintable(QStringLiteral("wheel at %1,%2 %3x%4 in a view %5x%6").arg(wheel->x()).arg(wheel->y())
                            .arg(wheel->width()).arg(wheel->height()).arg(view.width()).arg(view.height())));
    // The wheel shows what the report's rows show.
    const zentara::ChartWheel& shown = frame_->wheel()->wheel();
    QCOMPARE(shown.Male.size() + shown.Female.size(), 28u);
    for (const auto& [point, array] : {std::pair{shown.Male[zentara::SunSlot], "lblPlanetPosition_Male"},
                                       std::pair{shown.Female[zentara::MidheavenSlot], "lblPlanetPosition_Female"}}) {
      const QString row = shell::ArrayMember<QLabel>(report_, array, static_cast<int>(point.Slot))->text();
      QCOMPARE(QStringLiteral("%1 %2 %3").arg(point.Position.Degrees, 2, 10, QChar('0'))
                   .arg(row.mid(3, 3)).arg(point.Position.Minutes, 2, 10, QChar('0')), row);
      QCOMPARE(zentara::modPlanetPosition_Western::SignKeys.find(row.mid(3, 3).toStdString()),
               static_cast<std::size_t>(point.Position.Sign) * 3);
    }

    wheel->move(5000, 5000);  // dragged out of view
    trigger("mnuChartWheel");
    QCOMPARE(frame_->area()->activeSubWindow(), wheel);
    const QSize room = frame_->area()->viewport()->size() - wheel->size();
    QCOMPARE(wheel->pos(), QPoint(qMax(0, room.width()), qMax(0, room.height())));  // back in view
    trigger("mnuReport");
    QCOMPARE(frame_->area()->activeSubWindow(), frame_->reportWindow());
    wheel->close();
    QVERIFY(wheel->isVisible());
    QCOMPARE(frame_->findChild<QMenu*>("mnuWindow")->title(), QStringLiteral("&Window"));
  }

  // Under a dark palette the wheel and the grid are dark on screen; the
  // picture made for files stays on white.
  void theWheelAndTheGridFollowADarkPalette() {
    QPalette dark = frame_->palette();
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    astro::AspectGridView* grid = frame_->aspects()->gridView();
    for (QWidget* view : {static_cast<QWidget*>(frame_->wheel()), static_cast<QWidget*>(grid)}) {
      view->resize(300, 300);
      const auto corner = [view] { return view->grab().toImage().pixelColor(2, 2).lightness(); };
      QCOMPARE(corner(), 255);
      view->setPalette(dark);
      QVERIFY2(corner() < 40, qPrintable(view->objectName() + QStringLiteral(" corner lightness %1").arg(corner())));
    }
    QCOMPARE(astro::RenderChartWheel(frame_->wheel()->wheel(), 200).pixelColor(2, 2), QColor(Qt::white));
  }

  void theWheelMatchesItsGoldenPicture() {
    const QImage actual = astro::RenderChartWheel(frame_->wheel()->wheel(), kGoldenSide)
                              .convertToFormat(QImage::Format_RGB32);
    const QString golden = QStringLiteral(ZENTARA_TEST_DATA_DIR "/chart_wheel_john_mary.png");
    if (qEnvironmentVariableIsSet("ZENTARA_WRITE_GOLDEN")) QVERIFY(actual.save(golden));
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(expected.size(), actual.size());
    qsizetype differing = 0;
    const auto apart = [](int a, int b) { return qAbs(a - b) > kChannelTolerance; };
    for (int y = 0; y < actual.height(); ++y) {
      for (int x = 0; x < actual.width(); ++x) {
        const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
        differing += apart(qRed(a), qRed(e)) || apart(qGreen(a), qGreen(e)) || apart(qBlue(a), qBlue(e));
      }
    }
    const double share = double(differing) / double(actual.width() * actual.height());
    const QString saved = QDir::temp().filePath(QStringLiteral("chart_wheel_john_mary.actual.png"));
    if (share > kDifferingShareTolerance) actual.save(saved);
    QVERIFY2(share <= kDifferingShareTolerance,
             qPrintable(QStringLiteral("%1 of %2 pixels (%3%) differ by more than %4 from %5 (at most %6% may); "
                                       "the picture drawn is %7")
                            .arg(differing).arg(actual.width() * actual.height()).arg(share * 100, 0, 'f', 2)
                            .arg(kChannelTolerance).arg(golden).arg(kDifferingShareTolerance * 100).arg(saved)));
  }

  // The window's wheel, and a picture at twice the pixels, each as large as given.
  void theWheelIsDrawnAtTheSizeItIsGiven() {
    frame_->wheel()->resize(700, 460);
    for (const QImage& image : {frame_->wheel()->grab().toImage(),
                                astro::RenderChartWheel(frame_->wheel()->wheel(), 230, 2)}) {
      const auto [first, last] = InkedSpan(image);
      QVERIFY2(qAbs(first - (image.width() - 460 * kWheelShare) / 2) <= 460 * kEdgeTolerance &&
                   qAbs(last - first + 1 - 460 * kWheelShare) <= 460 * kEdgeTolerance,
               qPrintable(QStringLiteral("%1x%2 image: wheel from %3 to %4, expected %5 wide")
                              .arg(image.width()).arg(image.height()).arg(first).arg(last).arg(460 * kWheelShare)));
    }
  }

  void thePictureIsSvgOrPngAsTheChosenFilterSays() {
    fake_->fileNames = {path("wheel"), path("wheel")};
    fake_->chosenFilters = {0, 1};
    trigger("mnuSavePicture");
    trigger("mnuSavePicture");
    const platform::FileDialogRequest& request = fake_->fileDialogs.last().request;
    QCOMPARE(request.filter, QStringLiteral("SVG Picture (*.svg)|*.svg|PNG Picture (*.png)|*.png"));
    QCOMPARE(request.defaultExtension + " " + request.title, QStringLiteral("svg Save Chart Picture"));
    QCOMPARE(request.flags, 0x8806u);
    // The couple's name, its extension left to the type chosen, in the folder of the picture before.
    QCOMPARE(request.initialName, QStringLiteral("John and Mary"));
    QCOMPARE(request.folder, folder_->path());

    // zentara-cli match --svg writes the same file for the couple (tests/cli/match_cli.sh).
    const QString golden = QStringLiteral(ZENTARA_TEST_DATA_DIR "/chart_wheel_john_mary.svg");
    if (qEnvironmentVariableIsSet("ZENTARA_WRITE_GOLDEN")) {
      QFile::remove(golden);
      QVERIFY(QFile::copy(path("wheel.svg"), golden));
    }
    QVERIFY2(FileBytes(path("wheel.svg")) == FileBytes(golden), "the saved SVG differs from " + golden.toUtf8());

    QImageReader png(path("wheel.png"));
    QCOMPARE(png.format(), QByteArray("png"));
    QCOMPARE(png.size(), QSize(600, 600));
    QVERIFY(fake_->messages.isEmpty());
  }

  void aTypedExtensionDecidesThePictureType() {
    // name typed, filter chosen (0 SVG, 1 PNG), file written, whether it is PNG
    const struct {
      const char* typed;
      int chosen;
      const char* written;
      bool png;
    } rows[] = {{"typed.png", 0, "typed.png", true},
                {"typed.SVG", 1, "typed.SVG", false},
                {"typed.jpg", 1, "typed.jpg.png", true},
                {"typed.jpg", 0, "typed.jpg.svg", false}};
    for (const auto& row : rows) {
      fake_->fileNames = {path(row.typed)};
      fake_->chosenFilters = {row.chosen};
      trigger("mnuSavePicture");
      const QByteArray start = FileBytes(path(row.written)).left(8);
      QVERIFY2(start.startsWith(row.png ? "\x89PNG" : "<?xml"),
               qPrintable(QStringLiteral("%1 with filter %2: %3 starts with %4")
                              .arg(row.typed).arg(row.chosen).arg(row.written, QString::fromLatin1(start.toHex()))));
      QFile::remove(path(row.written));
    }
    QVERIFY(fake_->messages.isEmpty());
  }

  void thePdfHoldsTheReportAndThenTheWheel() {
    fake_->fileNames = {path("report")};
    trigger("mnuExportPDF");
    QCOMPARE(fake_->fileDialogs.last().request.filter, QStringLiteral("PDF Document (*.pdf)|*.pdf"));
    QCOMPARE(fake_->fileDialogs.last().request.initialName, QStringLiteral("John and Mary.pdf"));
    QCOMPARE(PdfPageCount(path("report.pdf")), 6);
    // Page 1 is the report, whole, drawn in lines and text: its words are
    // text, no picture on it is larger than the report's little logo, and
    // drawn as a picture it is the report the frame shows.
    const QString reportPage = PdfText(path("report.pdf"), 1, 1);
    for (const QString& text : {QStringLiteral("Compatibility Report:"), QStringLiteral("New Delhi"),
                                QStringLiteral("22 Leo 15"), QStringLiteral("Sun to Pluto on the equinox of J2000")}) {
      QVERIFY2(reportPage.contains(text), qPrintable(text + " is not on the report's page: " + reportPage));
    }
    for (const QImage& image : PdfPageImages(path("report.pdf"), 1)) {
      QVERIFY2(image.width() <= kLogoPixels && image.height() <= kLogoPixels,
               qPrintable(QStringLiteral("a %1x%2 picture on the report's page").arg(image.width()).arg(image.height())));
    }
    const QImage page = PdfPagePicture(path("report.pdf"), 1, kPageDotsPerInch);
    const QImage shown = report_->Page()->grab().toImage();
    const QImage drawn = page.copy(InkedArea(page)).scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = MeanChannelDifference(drawn, shown);
    QVERIFY2(difference < kPdfPictureTolerance,
             qPrintable(QStringLiteral("page 1 differs by %1 on average from the %2x%3 report").arg(difference)
                            .arg(shown.width()).arg(shown.height())));
    // Page 2: the wheel under both partners' births.
    const QString heading = PdfText(path("report.pdf"), 2, 2).simplified();
    for (const QString& text : {QStringLiteral("Male: John, born August 15, 1975 at 14:30 in New Delhi, Delhi, India"),
                                QStringLiteral("Female: Mary, born February 10, 1978 at 6:05 in New York, New York, USA")}) {
      QVERIFY2(heading.contains(text), qPrintable(text + " is not over the wheel: " + heading));
    }
    const QString wheelPage = PdfText(path("report.pdf"), 2, 2);
    for (const QString& text : {QStringLiteral("Inner: Male"), QStringLiteral("Asc"), QStringLiteral("\u2609"),
                                QStringLiteral("equinox of J2000")}) {
      QVERIFY2(wheelPage.contains(text), qPrintable(text + " is not on the wheel's page: " + wheelPage));
    }
    // Page 3: the aspects' grid, the tightest five and the equinox.
    const QString aspectsPage = PdfText(path("report.pdf"), 3, 3);
    for (const QString& text : {QStringLiteral("Tightest aspects:"), QStringLiteral("Neptune sextile Mercury, 0\u00B003' from exact"),
                                QStringLiteral("Pluto conjunction North Node, 0\u00B016' from exact"),
                                QStringLiteral("\u25B3"), QStringLiteral("3\u00B059'"),
                                QStringLiteral("Sun to Pluto on the equinox of J2000")}) {
      QVERIFY2(aspectsPage.contains(text), qPrintable(text + " is not on the aspects' page: " + aspectsPage));
    }
    // Page 4: the houses, as the Houses tab has them.
    const QString housesPage = PdfText(path("report.pdf"), 4, 4);
    for (const QString& text : {QStringLiteral("Cusps: Placidus"), QStringLiteral("13 Sag 43"), QStringLiteral("15 Cap 07"),
                                QStringLiteral("His points in her houses"), QStringLiteral("Her points in his houses"),
                                QStringLiteral("North Node")}) {
      QVERIFY2(housesPage.contains(text), qPrintable(text + " is not on the houses' page: " + housesPage));
    }
    // Pages 5 and 6: the composite and the Davison chart.
    const QString compositePage = PdfText(path("report.pdf"), 5, 5);
    const QString davisonPage = PdfText(path("report.pdf"), 6, 6);
    QVERIFY2(compositePage.contains("Composite: midpoints of both charts") && compositePage.contains("21 Sco 56"),
             qPrintable(compositePage));
    QVERIFY2(davisonPage.contains("Davison: 1976-11-12 09:32:30 UT") && davisonPage.contains("20 Sco 27"),
             qPrintable(davisonPage));
    QVERIFY(fake_->messages.isEmpty());
  }

  // The Houses tab against John and Mary's houses worked by hand in
  // tests/astro/houses_test.cpp; the system chosen in the File menu and the
  // partner chosen beside the tabs.
  void theHousesTabShowsBothOverlaysAndTheSystemChosen() {
    QTabWidget* tabs = frame_->wheelTabs();
    QCOMPARE(tabs->count(), 5);
    QCOMPARE(tabs->tabText(2), QStringLiteral("Houses"));
    trigger("mnuHouses");
    QCOMPARE(tabs->currentWidget(), static_cast<QWidget*>(frame_->houses()));
    const auto cell = [](QTableWidget* table, int row, int column) { return table->item(row, column)->text(); };
    QTableWidget* cusps = frame_->houses()->cusps();
    QCOMPARE(cusps->rowCount(), 12);
    QCOMPARE(cell(cusps, 0, 1) + " | " + cell(cusps, 0, 2) + " | " + cell(cusps, 7, 2),
             QStringLiteral("13 Sag 43 | 15 Cap 07 | 28 Leo 06"));
    QTableWidget* his = frame_->houses()->hisInHers();
    QTableWidget* hers = frame_->houses()->hersInHis();
    QCOMPARE(his->rowCount(), 13);
    QCOMPARE(QStringList({cell(his, 0, 0), cell(his, 0, 1), cell(his, 0, 2)}).join(" "),
             QStringLiteral("Sun 22 Leo 15 7"));  // his Sun in her 7th house
    QCOMPARE(QStringList({cell(hers, 11, 0), cell(hers, 11, 2), cell(hers, 11, 3)}).join(" "),
             QStringLiteral("Ascendant 1 1"));  // her ascendant twelve minutes before his cusp 2
    QCOMPARE(cell(his, 12, 3), QStringLiteral("10"));  // his midheaven in his own 10th
    // Under each overlay table, what each planet and the node means there.
    QVERIFY(frame_->houses()->hisInHersTexts()->text().startsWith(
        "John's sense of purpose falls in Mary's seventh house, the house of partnership and commitment."));
    QCOMPARE(frame_->houses()->hersInHisTexts()->text().count("\n\n"), 10);
    QVERIFY(!frame_->houses()->notes()->isVisibleTo(frame_->houses()));
    // The wheel draws his cusps at first, hers once chosen.
    QCOMPARE(frame_->wheel()->wheel().Houses->Of, zentara::Partner::Male);
    QCOMPARE(frame_->wheel()->wheel().Houses->Cusps, frame_->coupleHouses().Male.Cusps);
    QTest::keyClick(frame_->housesOf(), Qt::Key_Down);
    QCOMPARE(frame_->wheel()->wheel().Houses->Of, zentara::Partner::Female);
    QCOMPARE(frame_->wheel()->wheel().Houses->Cusps, frame_->coupleHouses().Female.Cusps);

    // Koch from the File menu: the tab, the wheel and the setting, and a new frame starts from it.
    QAction* koch = frame_->findChild<QAction*>("mnuHousesKoch");
    QVERIFY(frame_->findChild<QAction*>("mnuHousesPlacidus")->isChecked() && !koch->isChecked());
    koch->trigger();
    QVERIFY(koch->isChecked());
    QCOMPARE(setting("HouseSystem"), QStringLiteral("koch"));
    QCOMPARE(frame_->findChild<QLabel*>("lblCuspsTitle")->text(), QStringLiteral("Cusps: Koch"));
    QCOMPARE(frame_->wheel()->wheel().Houses->System, zentara::HouseSystem::Koch);
    QVERIFY(cell(cusps, 1, 1) != QStringLiteral("15 Cap 19"));  // his Placidus cusp 2
    auto* report = new astro::frmReport(JohnAndMary());
    report->Fill(*zentara::CalculateAstroMatch(JohnAndMary()));
    QPointer<MDIForm1> another = new MDIForm1(report);
    QVERIFY(another->findChild<QAction*>("mnuHousesKoch")->isChecked());
    QCOMPARE(another->coupleHouses().System, zentara::HouseSystem::Koch);
    another->unload();
  }

  // The Relationship tab: the composite at first, the Davison chart when
  // chosen (the charts of tests/astro/relationship_charts_test.cpp and of
  // zentara-cli composite and davison), and its picture saved from the tab.
  void theRelationshipTabShowsBothChartsOfTheCouple() {
    QTabWidget* tabs = frame_->wheelTabs();
    QCOMPARE(tabs->tabText(3), QStringLiteral("Relationship"));
    trigger("mnuRelationship");
    astro::RelationshipView* view = frame_->relationship();
    QCOMPARE(tabs->currentWidget(), static_cast<QWidget*>(view));
    QCOMPARE(view->statement()->text(),
             QStringLiteral("Composite: midpoints of both charts, houses by midpoints of Placidus cusps"));
    QCOMPARE(view->positions()->item(zentara::SunSlot, 1)->text(), QStringLiteral("21 Sco 56"));
    QCOMPARE(view->wheel()->wheel().Title, std::string("Composite"));
    QTest::keyClick(view->choice(), Qt::Key_Down);
    QVERIFY(view->statement()->text().startsWith("Davison: 1976-11-12 09:32:30 UT at 69°29'41\" N 17°32'26\" E"));
    QVERIFY(view->statement()->text().endsWith("Placidus has no cusps at 69°29' N; Porphyry used"));
    QCOMPARE(view->positions()->item(zentara::SunSlot, 1)->text(), QStringLiteral("20 Sco 27"));
    QCOMPARE(view->cusps()->rowCount(), 12);
    QCOMPARE(view->cusps()->item(0, 1)->text(), view->positions()->item(zentara::AscendantSlot, 1)->text());
    QVERIFY(view->aspects()->text().startsWith("Aspects within the chart:\nNeptune sextile Pluto, 0°12' from exact"));

    fake_->fileNames = {path("davison")};
    fake_->chosenFilters = {0};
    trigger("mnuSavePicture");
    QCOMPARE(fake_->fileDialogs.last().request.initialName, QStringLiteral("John and Mary Davison"));
    const QByteArray svg = FileBytes(path("davison.svg"));
    QVERIFY(svg.contains(">Davison</text>") && !svg.contains("Outer: Female"));
    QVERIFY(fake_->messages.isEmpty());
  }

  // The Scores tab explains the report's figures with the couple's numbers
  // (his Moon 07 Sag 42, her Moon 28 Pis 22) and gives the second score of
  // tests/astro/relationship_score_test.cpp; the report's figures stay.
  void theScoresTabExplainsTheFiguresAndGivesTheSecondScore() {
    QCOMPARE(frame_->wheelTabs()->tabText(4), QStringLiteral("Scores"));
    trigger("mnuScores");
    QCOMPARE(frame_->wheelTabs()->currentWidget(), static_cast<QWidget*>(frame_->scores()));
    const QString figures = frame_->scores()->figures()->text();
    for (const QString& text : {QStringLiteral("His Moon at 7° of Sagittarius gives Power 210 (30 × 7"),
                                QStringLiteral("Her Moon at 28° of Pisces gives Harmony 840 (30 × 28)."),
                                QStringLiteral("210 × 840 = 176400"), QStringLiteral(": 1764."),
                                QStringLiteral("Comment: 17 is “Very Bad”")}) {
      QVERIFY2(figures.contains(text), qPrintable(text + " is not in: " + figures));
    }
    const QString second = frame_->scores()->secondScore()->text();
    QVERIFY2(second.contains("Relationship score: 20, Exceptional\n\n+5  Both Suns in fixed signs"), qPrintable(second));
    QCOMPARE(Child<QLabel>(report_, "lblPower")->text(), QStringLiteral("210"));
  }

  // The couple report from the File menu: every part's heading as text, the
  // numerology said to be left out (the astro form has no full names), the
  // texts of the aspects and overlays, page numbers, and a file under 2 MB.
  void theCoupleReportHoldsEveryPart() {
    fake_->fileNames = {path("couple")};
    trigger("mnuCoupleReport");
    QCOMPARE(fake_->fileDialogs.last().request.initialName, QStringLiteral("John and Mary Couple Report.pdf"));
    const QString file = path("couple.pdf");
    const int pages = PdfPageCount(file);
    QVERIFY2(pages >= 6, qPrintable(QStringLiteral("%1 pages").arg(pages)));
    const QString text = PdfText(file, 1, pages).simplified();
    for (const std::string_view heading : zentara::CoupleReportHeadings) {
      QVERIFY2(text.contains(platform::ToQt(heading)), qPrintable(platform::ToQt(heading) + " is not in the report"));
    }
    for (const QString& part : {QStringLiteral("need both partners' full names"),
                                QStringLiteral("Mary's way of thinking and talking and John's dreams"),
                                QStringLiteral("John's sense of purpose falls in Mary's seventh house"),
                                QStringLiteral("Davison: 1976-11-12 09:32:30 UT"), QStringLiteral("Houses: Placidus")}) {
      QVERIFY2(text.contains(part), qPrintable(part + " is not in the report"));
    }
    QVERIFY2(text.contains(QStringLiteral(" %1 ").arg(pages)) || text.endsWith(QString::number(pages)),
             "no page numbers");
    QVERIFY(QFileInfo(file).size() < 2 * 1024 * 1024);
    QVERIFY(fake_->messages.isEmpty());
  }

  // Beyond the polar circle Placidus has no cusps: the tab says so.
  void aPolarBirthSaysItsHousesFellBack() {
    zentara::AstroEntries entries = JohnAndMary();
    entries.Male.LatitudeDegrees = "70";
    auto* report = new astro::frmReport(entries);
    report->Fill(*zentara::CalculateAstroMatch(entries));
    QPointer<MDIForm1> frame = new MDIForm1(report);
    QLabel* notes = frame->houses()->notes();
    QVERIFY(notes->isVisibleTo(frame->houses()));
    QVERIFY2(notes->text().startsWith(QStringLiteral("Male: Placidus has no cusps at 70°36' N; Porphyry used")),
             qPrintable(notes->text()));
    QCOMPARE(frame->wheel()->wheel().Houses->System, zentara::HouseSystem::Porphyry);
    frame->unload();
  }

  void theAspectsTabShowsTheGridAndTheTightestFive() {
    QTabWidget* tabs = frame_->wheelTabs();
    QCOMPARE(tabs->tabText(0) + "|" + tabs->tabText(1), QStringLiteral("Chart Wheel|Aspects"));
    trigger("mnuAspects");
    QCOMPARE(tabs->currentWidget(), static_cast<QWidget*>(frame_->aspects()));
    QCOMPARE(frame_->area()->activeSubWindow(), frame_->wheelWindow());
    QCOMPARE(frame_->aspects()->tightest()->text(),
             QStringLiteral("Tightest aspects:\nNeptune sextile Mercury, 0\u00B003' from exact\n"
                            "Moon sextile North Node, 0\u00B013' from exact\nJupiter square Mars, 0\u00B013' from exact\n"
                            "Midheaven sextile Mars, 0\u00B014' from exact\n"
                            "Pluto conjunction North Node, 0\u00B016' from exact"));
    // Hovering a cell names its aspect, a header its point, an empty cell nothing.
    auto* grid = frame_->aspects()->gridView();
    QCoreApplication::processEvents();
    const struct {
      int row, column;
      const char* named;
    } hovered[] = {{9, 3, "Neptune sextile Mercury, 0\u00B003' from exact"},  // his Neptune, her Mercury
                   {1, 1, "Sun opposition Sun, 0\u00B038' from exact"},
                   {13, 2, "Midheaven opposition Moon, 3\u00B026' from exact"},
                   {9, 0, "His Neptune"}, {0, 3, "Her Mercury"}, {1, 2, ""}, {0, 0, ""}};
    for (const auto& cell : hovered) {
      QCOMPARE(grid->toolTipAt(square(cell.row, cell.column)), QString::fromUtf8(cell.named));
    }
    QHelpEvent help(QEvent::ToolTip, square(9, 3), grid->mapToGlobal(square(9, 3)));
    QCoreApplication::sendEvent(grid, &help);
    QTRY_COMPARE(QToolTip::text(), QString::fromUtf8(hovered[0].named));
    QToolTip::hideText();
    // Every cell of the grid holds its row's and column's aspect.
    std::size_t filled = 0;
    for (std::size_t r = 0; r < zentara::AspectPointCount; ++r) {
      for (std::size_t c = 0; c < zentara::AspectPointCount; ++c) {
        if (const auto& aspect = grid->grid().Cells[r][c]) {
          QCOMPARE(std::pair(aspect->Male, aspect->Female), std::pair(zentara::AspectPoints[r], zentara::AspectPoints[c]));
          ++filled;
        }
      }
    }
    QCOMPARE(filled, 44u);
    // Under the grid every aspect with its paragraph, the partners by name, closest first.
    const QString texts = frame_->aspects()->texts()->text();
    QVERIFY2(texts.startsWith("Neptune sextile Mercury, 0°03' from exact\nMary's way of thinking and talking and "
                              "John's dreams and sensitivity work together with little effort."),
             qPrintable(texts.left(300)));
    QCOMPARE(texts.count(" from exact\n"), 44);
  }

  void hoveringALineOfTheWheelNamesItsAspect() {
    astro::ChartWheelView* view = frame_->wheel();
    view->resize(500, 400);
    const int side = 400;
    const std::vector<zentara::WheelAspectLine> lines = zentara::AspectLines(view->wheel(), side);
    QCOMPARE(lines.size(), 44u);
    const zentara::WheelLine& tightest = lines[0].Line;
    const QPoint middle(qRound((tightest.X1 + tightest.X2) / 2 + 50), qRound((tightest.Y1 + tightest.Y2) / 2));
    QCOMPARE(view->toolTipAt(middle), QStringLiteral("Neptune sextile Mercury, 0\u00B003' from exact"));
    QCOMPARE(view->toolTipAt(QPoint(60, 10)), QString());  // the corner, off every line
  }

  void theEquinoxOfDateRedoesTheMatchAndIsRemembered() {
    const QString power = Child<QLabel>(report_, "lblPower")->text();
    QCOMPARE(Child<QLabel>(report_, "lblEquinox")->text(), QStringLiteral("Sun to Pluto on the equinox of J2000"));
    QAction* entry = frame_->findChild<QAction*>("mnuEquinoxOfDate");
    QCOMPARE(entry->text() + (entry->isCheckable() ? " checkable" : ""),
             QStringLiteral("Positions on the Equinox of &Date checkable"));
    QVERIFY(!entry->isChecked());
    entry->trigger();
    QVERIFY(entry->isChecked());
    QCOMPARE(setting("PositionsEquinox"), QStringLiteral("date"));
    // 1975 and 1978 true to the sky: the Sun to Pluto 21' to 19' back, the
    // Moon a minute on; its whole degrees, and so the figures, stay.
    QCOMPARE(QStringList({row("lblPlanetPosition_Male", 0), row("lblPlanetPosition_Male", 1),
                          row("lblPlanetPosition_Female", 0), row("lblPlanetPosition_Female", 12),
                          Child<QLabel>(report_, "lblPower")->text(), Child<QLabel>(report_, "lblEquinox")->text()}),
             QStringList({"21 Leo 55", "07 Sag 43", "21 Aqu 19", "15 Cap 07", power,
                          "Positions of date, true to the sky; scores use these positions"}));
    const zentara::ChartWheel& wheel = frame_->wheel()->wheel();
    QCOMPARE(wheel.Positions.PositionsEquinox, zentara::Equinox::OfDate);
    QCOMPARE(wheel.Male[zentara::SunSlot].Position.Minutes, 55);
    QCOMPARE(frame_->aspects()->gridView()->grid().Cells, zentara::ArrangeAspectGrid(wheel.Aspects).Cells);
    // Saved pictures follow: the SVG states the equinox of date.
    fake_->fileNames = {path("wheel.svg")};
    trigger("mnuSavePicture");
    QVERIFY(FileBytes(path("wheel.svg")).contains(">scores use these positions</text>"));
    entry->trigger();
    QCOMPARE(setting("PositionsEquinox"), QStringLiteral("j2000"));
    QCOMPARE(row("lblPlanetPosition_Male", 0), QStringLiteral("22 Leo 15"));
  }

  void theTrueNodeIsChosenFromTheMenuAndRemembered() {
    QAction* mean = frame_->findChild<QAction*>("mnuMeanNode");
    QAction* truth = frame_->findChild<QAction*>("mnuTrueNode");
    QVERIFY(mean && truth && mean->isChecked() && !truth->isChecked());
    QCOMPARE(row("lblPlanetPosition_Male", 10), QStringLiteral("25 Sco 40"));  // the mean node, as ever
    truth->trigger();
    QVERIFY(truth->isChecked() && !mean->isChecked());
    QCOMPARE(setting("LunarNode"), QStringLiteral("true"));
    // The osculating node of 15 August 1975 (237.0688 degrees in Swiss
    // Ephemeris), and its opposite.
    QCOMPARE(QStringList({row("lblPlanetPosition_Male", 10), row("lblPlanetPosition_Male", 11),
                          Child<QLabel>(report_, "lblEquinox")->text()}),
             QStringList({"27 Sco 04", "27 Tau 04", "Sun to Pluto on the equinox of J2000; true node"}));
    mean->trigger();
    QCOMPARE(setting("LunarNode"), QStringLiteral("mean"));
    QCOMPARE(row("lblPlanetPosition_Male", 10), QStringLiteral("25 Sco 40"));
  }

  void theOrbsBoxChangesTheAspectsAndIsRemembered() {
    trigger("mnuAspectOrbs");
    auto* box = OpenForm<astro::frmOrbs>(*fake_);
    QVERIFY(box && fake_->modalShown.last().data() == box);
    QSpinBox* orbs[] = {Child<QSpinBox>(box, "spnLuminaries"), Child<QSpinBox>(box, "spnPlanets"),
                        Child<QSpinBox>(box, "spnPoints")};
    QCOMPARE(QList<int>({orbs[0]->value(), orbs[1]->value(), orbs[2]->value(), orbs[0]->maximum()}),
             QList<int>({8, 6, 4, 10}));
    orbs[0]->setValue(1), orbs[1]->setValue(1), orbs[2]->setValue(0);
    box->activateWindow();  // the box in front, as the user sees it
    QVERIFY(QTest::qWaitForWindowActive(box));
    QTest::keyClick(orbs[2], Qt::Key_Escape);  // Cancel, as in every dialog
    ProcessDeletions();
    QVERIFY(!OpenForm<astro::frmOrbs>(*fake_));
    QCOMPARE(frame_->wheel()->wheel().Aspects.size(), 44u);
    QVERIFY(setting("AspectOrbs").isEmpty());

    trigger("mnuAspectOrbs");
    box = OpenForm<astro::frmOrbs>(*fake_);
    Child<QSpinBox>(box, "spnLuminaries")->setValue(1);
    Child<QSpinBox>(box, "spnPlanets")->setValue(1);
    auto* points = Child<QSpinBox>(box, "spnPoints");
    points->selectAll();
    QTest::keyClicks(points, "0");
    QTest::keyClick(points, Qt::Key_Return);  // OK, with the orb just typed
    ProcessDeletions();
    QVERIFY(!OpenForm<astro::frmOrbs>(*fake_));
    QCOMPARE(setting("AspectOrbs"), QStringLiteral("1,1,0"));
    QCOMPARE(frame_->wheel()->wheel().Aspects.size(), 9u);
    QCOMPARE(zentara::AspectLines(frame_->wheel()->wheel(), 480).size(), 9u);
    QVERIFY(frame_->aspects()->tightest()->text().endsWith("Pluto conjunction North Node, 0\u00B016' from exact"));
    // A new frame starts from the orbs remembered.
    auto* report = new astro::frmReport(JohnAndMary());
    report->Fill(*zentara::CalculateAstroMatch(JohnAndMary()));
    QPointer<MDIForm1> another = new MDIForm1(report);
    QCOMPARE(another->wheel()->wheel().Aspects.size(), 9u);
    another->unload();
  }

  void aFailedSaveSaysWhyAndKeepsTheEarlierFile() {
    // A folder that does not exist, and a pipe, which stays a pipe.
    QCOMPARE(::mkfifo(QFile::encodeName(path("pipe.svg")).constData(), 0600), 0);
    fake_->fileNames = {path("missing/report.pdf"), path("pipe.svg")};
    trigger("mnuExportPDF");
    trigger("mnuSavePicture");
    QCOMPARE(fake_->messages.size(), 2);
    QVERIFY(fake_->messages[0].text.startsWith("Could not save " + path("missing/report.pdf") + ": "));
    QCOMPARE(fake_->messages[1].text, "Could not save " + path("pipe.svg") + ": it is not a regular file");
    QCOMPARE(fake_->messages[0].icon, platform::Icon::Critical);
    struct stat pipe {};
    QVERIFY(::stat(QFile::encodeName(path("pipe.svg")).constData(), &pipe) == 0 && S_ISFIFO(pipe.st_mode));
    QFile::remove(path("pipe.svg"));

    // A disk that fills up while writing: files may not grow past 4 KiB.
    QFile earlier(path("report.pdf"));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier export") > 0);
    earlier.close();
    fake_->fileNames = {path("report.pdf"), path("wheel.png")};
    fake_->chosenFilters = {1};
    WithFilesLimitedTo(4096, [this] {
      trigger("mnuExportPDF");
      trigger("mnuSavePicture");
    });
    QCOMPARE(fake_->messages.size(), 4);
    QVERIFY2(fake_->messages[2].text.startsWith("Could not save " + path("report.pdf") + ": "),
             qPrintable(fake_->messages[2].text));
    QCOMPARE(FileBytes(path("report.pdf")), QByteArray("earlier export"));
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"});
  }
};

ZENTARA_GUI_TEST_MAIN(ChartWheelTest)
#include "chart_wheel_test.moc"
