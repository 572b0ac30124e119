// The astro report in its frame: what the report shows, the placement of the
// report and the top bar, Print, Back, Exit and the Help menu.
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

#include "astro/match/MDIForm1.h"
#include "astro/match/frmMatch.h"
#include "astro/match/frmReport.h"
#include "gui_test_support.h"
#include "shell/frmAbout.h"
#include "shell/qt_text.h"
#include "site_config.h"

using namespace testing_support;
using astro::MDIForm1;

namespace {

// Rounding a position in twips to whole pixels may move it by one pixel.
constexpr int kPixelTolerance = 1;

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
    window->move(3, 40);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(frame_, &activate);
    const int expected =
        (frame_->area()->viewport()->width() - window->width() - report_->VScroll1()->width()) / 2;
    QVERIFY2(qAbs(window->x() - expected) <= kPixelTolerance,
             qPrintable(QStringLiteral("left %1, expected %2").arg(window->x()).arg(expected)));
    QCOMPARE(window->y(), 0);
    QVERIFY(window->isVisible());
  }

  void printSendsTheWholeReportAlsoWhatIsOutOfView() {
    frame_->resize(420, 300);
    QVERIFY(frame_->area()->viewport()->height() < report_->height());
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    trigger("mnuPrint");
    QCOMPARE(fake_->printedImages.size(), 2);
    const QSize whole = report_->size() * report_->devicePixelRatio();
    QCOMPARE(fake_->printedImages[0].size(), whole);
    QCOMPARE(fake_->printedImages[1].size(), whole);
    QVERIFY(fake_->messages.isEmpty());
    fake_->printerAvailable = false;
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    QCOMPARE(fake_->messages.size(), 1);
    QCOMPARE(fake_->messages[0].text, QStringLiteral("No printer is available."));
    QCOMPARE(fake_->messages[0].icon, platform::Icon::Information);
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
    const QString site = shell::ToQt(zentara::MakerSiteAddress) + "/qm-free-zentara/ssd.php?page=";
    QCOMPARE(fake_->openedAddresses,
             (QStringList{site + "help-web-page", site + "home-page", site + "download-web-page"}));
    auto* about = qobject_cast<shell::frmAbout*>(fake_->modalShown.value(0).data());
    QVERIFY(about && about->parentWidget() == frame_);
  }
};

ZENTARA_GUI_TEST_MAIN(AstroReportTest)
#include "astro_report_test.moc"
