// The astro report in its frame: what the report shows, long texts whole, the
// placement of the report and the top bar, its scroll bar, Print, Back, Exit
// and the Help menu.
#include <QAction>
#include <functional>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include "astro/match/MDIForm1.h"
#include "astro/match/frmMatch.h"
#include "astro/match/frmReport.h"
#include "file_checks.h"
#include "gui_test_support.h"
#include "shell/frmAbout.h"
#include "platform/qt_text.h"
#include "site_config.h"

using namespace testing_support;
using astro::MDIForm1;

namespace {

// Rounding a position in twips to whole pixels may move it by one pixel.
constexpr int kPixelTolerance = 1;
// The least resolution of the printed report on paper.
constexpr double kPaperDotsPerInch = 300;
// A picture drawn three times as large and made small again differs from the
// screen's by its smoothing: this much on average (channels, of 255).
constexpr double kShrunkPictureTolerance = 6.0;

zentara::AstroEntries Entries() {
  zentara::AstroEntries e;
  e.Male.Name = "Arjun ", e.Male.City = "Pune", e.Male.State = "MH", e.Male.Country = "India";
  e.Female.Name = "Priya", e.Female.City = "Agra", e.Female.State = "UP", e.Female.Country = "India";
  e.Female.MonthPosition = 7, e.Female.DayPosition = 14, e.Female.YearPosition = 74;
  return e;
}

zentara::AstroMatchResult Result() {
  zentara::AstroMatchResult match;
  for (std::size_t slot = 0; slot < zentara::FilledChartSlotCount; ++slot) {
    match.Male[slot] = QStringLiteral("%1 Ari 01").arg(slot, 2, 10, QChar('0')).toStdString();
    match.Female[slot] = QStringLiteral("%1 Pis 59").arg(slot + 10).toStdString();
  }
  match.Male[zentara::MoonSlot] = "05 Leo 07";
  match.Score = zentara::ScoreMoonDegrees(5, 12);
  return match;
}

int Twips(int twips, const QWidget* widget) { return twips * widget->logicalDpiX() / 1440; }

}  // namespace

class AstroReportTest : public QObject {
  Q_OBJECT
  std::unique_ptr<platform::FakePlatform> holder_;
  platform::FakePlatform* fake_ = nullptr;
  QPointer<MDIForm1> frame_;
  QPointer<astro::frmReport> report_;

  QString label(const char* name) { return Child<QLabel>(report_, name)->text(); }
  QPushButton* button(const char* name) { return Child<QPushButton>(frame_, name); }
  void trigger(const char* name) { frame_->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }

 private slots:
  void init() {
    fake_ = &FreshPlatform(holder_);
    report_ = new astro::frmReport(Entries());
    report_->Fill(Result());
    frame_ = new MDIForm1(report_);
    fake_->showModeless(frame_);
  }

  void showsThePersonalDataFiguresAndCharts() {
    QCOMPARE(frame_->windowTitle() + " / " + report_->windowTitle(),
             QStringLiteral("QM Zentara Software v2.05 / QM Orvanel Software v2.0"));
    QCOMPARE(report_->parentWidget(), static_cast<QWidget*>(frame_->reportWindow()));
    QStringList shown;
    for (const char* name : {"mName", "mDOB", "mCity", "mState", "Mcountry", "fName", "fDOB", "fCity", "fState",
                             "fCountry", "lblPower", "lblHarmony", "lblPH", "lblPercentage", "lblComment"}) {
      shown << label(name);
    }
    QCOMPARE(shown, (QStringList{"Arjun ", "January 1, 1901", "Pune", "MH", "India", "Priya", "August 15, 1975",
                                 "Agra", "UP", "India", "150", "360", "540", "5", "Very Bad"}));
    for (int slot = 0; slot < 14; ++slot) {
      const QString male = shell::ArrayMember<QLabel>(report_, "lblPlanetPosition_Male", slot)->text();
      const QString female = shell::ArrayMember<QLabel>(report_, "lblPlanetPosition_Female", slot)->text();
      QCOMPARE(male, slot == 1 ? QStringLiteral("05 Leo 07") : QStringLiteral("%1 Ari 01").arg(slot, 2, 10, QChar('0')));
      QCOMPARE(female, QStringLiteral("%1 Pis 59").arg(slot + 10));
    }
    QStringList frames, texts, menus;
    for (const QGroupBox* box : report_->findChildren<QGroupBox*>()) frames << box->title();
    QCOMPARE(frames, (QStringList{"Male:", "Female:", "Compatibility:", "Compatibility Report:",
                                  "Natal Position Data:", "Male:", "Female:"}));
    for (const QLabel* caption : report_->findChildren<QLabel*>()) texts << caption->text();
    for (const char* expected : {"N Node", "S Node", "Asc", "MC", "P * H", "Date of Birth:",
                                 "Thus, Power, Harmony and Power * Harmony are displayed in the report. Based on the "
                                 "average values calculated for a random group of people, the percentage level of "
                                 "compatibility is calculated and displayed."}) {
      QVERIFY2(texts.contains(QString::fromLatin1(expected)), expected);
    }
    QCOMPARE(Child<QLabel>(frame_, "lblHeading")->text(), QStringLiteral("QM Orvanel Software"));
    QCOMPARE(button("cmdPrint")->text() + button("cmdBack")->text() + button("cmdExit")->text(),
             QStringLiteral("&Print&Back&Exit"));
    for (const char* name : {"mnuPrint", "mnuBack", "mnuExit", "mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout"}) {
      menus << frame_->findChild<QAction*>(name)->text();
    }
    QCOMPARE(menus, (QStringList{"&Print", "&Back", "&Exit", "&Online Help", "&Visit Us Online",
                                 "Check for Software &Update", "&About Software"}));
  }

  void resizePlacesTheTopBarFromTheRightEdge() {
    for (const int width : {900, 640}) {
      frame_->resize(width, 500);
      const auto near = [width](int actual, int expected, const char* what) {
        QVERIFY2(qAbs(actual - expected) <= kPixelTolerance,
                 qPrintable(QStringLiteral("%1, frame %2 px wide: %3, expected %4")
                                .arg(what).arg(width).arg(actual).arg(expected)));
      };
      const QRect exit = button("cmdExit")->geometry(), back = button("cmdBack")->geometry();
      const QRect print = button("cmdPrint")->geometry();
      near(frame_->frameGeometry().width() - exit.right() - 1, Twips(300, frame_), "Exit to the right edge");
      near(exit.left() - back.right() - 1, Twips(100, frame_), "Back to Exit");
      near(back.left() - print.right() - 1, Twips(100, frame_), "Print to Back");
      near(Child<QLabel>(frame_, "lblHeading")->geometry().center().x(),
           Child<QWidget>(frame_, "picTop")->width() / 2, "heading centre");
    }
  }

  void activationCentresTheReportAtTheTop() {
    QMdiSubWindow* window = frame_->reportWindow();
    // A frame wider than the report and its scroll bar centres it; a narrower
    // one puts it at the view's left edge, never beyond.
    for (const int width : {1100, 700}) {
      frame_->resize(width, 500);
      window->move(3, 40);
      QEvent activate(QEvent::WindowActivate);
      QCoreApplication::sendEvent(frame_, &activate);
      const int expected =
          qMax(0, (frame_->area()->viewport()->width() - window->width() - report_->VScroll1()->width()) / 2);
      QVERIFY2(qAbs(window->x() - expected) <= kPixelTolerance,
               qPrintable(QStringLiteral("frame %1 wide: left %2, expected %3").arg(width).arg(window->x()).arg(expected)));
      QCOMPARE(window->y(), 0);
      QVERIFY(window->isVisible());
    }
  }

  // The report dragged by its title bar stays where the user put it when the
  // frame is resized: the frame no longer arranges its windows.
  void aWindowDraggedByItsTitleBarStaysPut() {
    frame_->resize(1100, 700);
    QCoreApplication::processEvents();
    QMdiSubWindow* window = frame_->reportWindow();
    const QPoint arranged = window->pos();
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const QPoint grip = window->mapTo(frame_, QPoint(window->width() / 2, titleBar / 2));
    const QPoint drop = grip + QPoint(40, 30);
    QTest::mousePress(frame_->windowHandle(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(frame_->windowHandle(), drop);
    QTest::mouseRelease(frame_->windowHandle(), Qt::LeftButton, {}, drop);
    const QPoint dropped = window->pos();
    frame_->resize(1000, 650);
    QCoreApplication::processEvents();
    QVERIFY2(dropped == arranged + QPoint(40, 30) && window->pos() == dropped,
             qPrintable(QStringLiteral("arranged at %1,%2, dropped at %3,%4, then at %5,%6")
                            .arg(arranged.x()).arg(arranged.y()).arg(dropped.x()).arg(dropped.y())
                            .arg(window->x()).arg(window->y())));
  }

  // In a frame shorter than the report, the report's own scroll bar scrolls it.
  void VScroll1ScrollsTheReport() {
    frame_->resize(900, 600);
    QCoreApplication::processEvents();
    QScrollBar* bar = report_->VScroll1();
    QWidget* page = report_->Page();
    QVERIFY2(frame_->reportWindow()->geometry().bottom() <= frame_->area()->viewport()->height(),
             "the report's window reaches below the view");
    QVERIFY(bar->isVisible() && bar->maximum() > 0);
    QCOMPARE(bar->maximum() + bar->pageStep(), page->height());  // the whole report, a view at a time
    QCOMPARE(bar->mapTo(report_, QPoint(bar->width(), 0)).x(), report_->width());  // at its right edge
    bar->setValue(bar->maximum());
    QCOMPARE(page->y(), -bar->maximum());
    QVERIFY(!frame_->area()->verticalScrollBar()->isVisible());  // the frame's view has nothing to scroll
  }

  // Print sends the whole report, also what is out of view, without its
  // scroll bar, with pixels enough for 300 dots an inch on any common paper.
  void printSendsTheWholeReportSharp() {
    frame_->resize(420, 300);
    QWidget* page = report_->Page();
    QVERIFY(frame_->area()->viewport()->height() < page->height());
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    trigger("mnuPrint");
    QCOMPARE(fake_->printedImages.size(), 2);
    const QImage printed = fake_->printedImages[0];
    QCOMPARE(printed.size(), fake_->printedImages[1].size());
    // Printed as large as A4 or Letter, upright or turned, holds it.
    for (const auto& [across, down] : {std::pair{8.27, 11.69}, {11.69, 8.27}, {8.5, 11.0}, {11.0, 8.5}}) {
      const double inches = qMin(across, down * printed.width() / printed.height());
      QVERIFY2(printed.width() / inches >= kPaperDotsPerInch,
               qPrintable(QStringLiteral("%1x%2 pixels, %3 dpi on paper %4 by %5 in")
                              .arg(printed.width()).arg(printed.height()).arg(printed.width() / inches)
                              .arg(across).arg(down)));
    }
    // The report itself, whole: its picture, made small again, is what it shows.
    const QImage shown = page->grab().toImage();
    const double difference = MeanChannelDifference(
        printed.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), shown);
    QVERIFY2(difference < kShrunkPictureTolerance,
             qPrintable(QStringLiteral("the %1x%2 picture differs by %3 from the %4x%5 report")
                            .arg(printed.width()).arg(printed.height()).arg(difference)
                            .arg(shown.width()).arg(shown.height())));
    QVERIFY(fake_->messages.isEmpty());
    fake_->printerAvailable = false;
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    QCOMPARE(fake_->messages.size(), 1);
    QCOMPARE(fake_->messages[0].text, QStringLiteral("No printer is available."));
    QCOMPARE(fake_->messages[0].icon, platform::Icon::Information);
  }

  // A name, city or country of any length shows whole, wrapped, in the frame
  // and on paper alike (the paper is the same report).
  void longTextsShowWhole() {
    zentara::AstroEntries entries = Entries();
    entries.Male.Name = "Archibald Fitzgerald Montgomery Wellington Smythe Beauregard Jones";
    entries.Female.City = "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch";
    entries.Female.Country = "United Kingdom of Great Britain and Northern Ireland";
    report_ = new astro::frmReport(entries);
    report_->Fill(Result());
    frame_ = new MDIForm1(report_);
    fake_->showModeless(frame_);
    QCoreApplication::processEvents();
    for (const char* name : {"mName", "fCity", "fCountry"}) {
      auto* value = Child<QLabel>(report_, name);
      const QFontMetrics metrics(value->font());
      const int lines = value->height() / metrics.height();
      // Wrapped into lines no wider than the label, as many as the text needs.
      QVERIFY2(lines >= 2 && lines * value->width() >= metrics.horizontalAdvance(value->text()),
               qPrintable(QStringLiteral("%1: \"%2\" (%3 px) in %4 lines of %5 px")
                              .arg(name, value->text()).arg(metrics.horizontalAdvance(value->text()))
                              .arg(lines).arg(value->width())));
      // Within the report, beside its frame's other half.
      QVERIFY(report_->Page()->rect().contains(QRect(value->mapTo(report_->Page(), QPoint()), value->size())));
    }
  }

  void theReportCannotBeClosedOnItsOwn() {
    frame_->reportWindow()->close();
    ProcessDeletions();
    QVERIFY(report_ && report_->isVisible());
    QVERIFY(fake_->openForms().contains(report_.data()));
  }

  void backShowsAFreshEntryForm_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
  }
  void backShowsAFreshEntryForm() {
    QFETCH(bool, fromMenu);
    fromMenu ? trigger("mnuBack") : QTest::mouseClick(button("cmdBack"), Qt::LeftButton);
    ProcessDeletions();
    QVERIFY(frame_.isNull() && report_.isNull());
    auto* form = OpenForm<astro::frmMatch>(*fake_);
    QVERIFY(form);
    QCOMPARE(fake_->openForms().size(), 1);
    QCOMPARE(fake_->modelessShown.last().data(), static_cast<QWidget*>(form));
    QCOMPARE(QStringList({Child<QLineEdit>(form, "txtMName")->text(), Child<QComboBox>(form, "cboMMonth")->currentText(),
                          Child<QComboBox>(form, "cboMYear")->currentText(),
                          Child<QComboBox>(form, "cmbFTimeZone")->currentText()}),
             QStringList({"", "January", "1901", "Alaska/Hawaii Daylight Time,AHDT,-9.0"}));
    QCOMPARE(fake_->processEnds, 0);
  }

  // The style keeps what it draws of buttons, lists and scroll bars as pictures
  // found again by the control's palette; a frame whose controls carried
  // palettes of their own would add its pictures to that cache at every match.
  void theNextFrameDrawsItsControlsWithTheSamePalettes() {
    auto* nextReport = new astro::frmReport(Entries());
    nextReport->Fill(Result());
    auto* next = new MDIForm1(nextReport);
    fake_->showModeless(next);
    const QList<QWidget*> before = frame_->findChildren<QWidget*>(), after = next->findChildren<QWidget*>();
    QCOMPARE(after.size(), before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
      // A label's text is drawn as it is, never kept as a picture.
      if (qobject_cast<QLabel*>(before[i])) continue;
      QVERIFY2(after[i]->palette().cacheKey() == before[i]->palette().cacheKey(),
               qPrintable(QStringLiteral("%1 \"%2\" has a palette of its own")
                              .arg(QString::fromLatin1(before[i]->metaObject()->className()), before[i]->objectName())));
    }
  }

  void everyExitEndsTheProgram() {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"close box", [this] { frame_->close(); }},
        {"menu", [this] { trigger("mnuExit"); }},
        {"Exit", [this] { QTest::mouseClick(button("cmdExit"), Qt::LeftButton); }}};
    for (const auto& [name, exit] : ways) {
      init();
      exit();
      QVERIFY2(fake_->openForms().isEmpty() && fake_->processEnds == 1, name);
    }
  }

  void helpMenuOpensThePagesAndTheAboutBox() {
    for (const char* entry : {"mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout"}) trigger(entry);
    const QString site = platform::ToQt(zentara::MakerSiteAddress) + "/qm-free-zentara/ssd.php?page=";
    QCOMPARE(fake_->openedAddresses,
             (QStringList{site + "help-web-page", site + "home-page", site + "download-web-page"}));
    auto* about = qobject_cast<shell::frmAbout*>(fake_->modalShown.value(0).data());
    QVERIFY(about && about->parentWidget() == frame_);
  }
};

ZENTARA_GUI_TEST_MAIN(AstroReportTest)
#include "astro_report_test.moc"
