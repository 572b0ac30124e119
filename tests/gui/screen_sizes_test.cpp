// The windows on a screen of the size ZENTARA_TEST_SCREEN names
// ("1280x1024", "1024x768", "800x600"; CTest runs this program once for
// each): the entry form and the look-up window whole on it; the report frame
// opening with the report and the wheel both in view, the wheel beside the
// report where the screen is wide enough and readable everywhere, opened from
// the astro form or from Best Matches alike; the People and Best Matches
// windows whole, every column's texts in view.
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QHeaderView>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>

#include "astro/match/MDIForm1.h"
#include "tests/gui/worked_couple.h"
#include "astro/match/astro_match.h"
#include "astro/match/chart_wheel_drawing.h"
#include "astro/match/chart_wheel_view.h"
#include "astro/match/frmMatch.h"
#include "astro/match/frmPlaceLookup.h"
#include "astro/match/frmReport.h"
#include "book/book.h"
#include "gui_test_support.h"
#include "people/desktop_book.h"
#include "people/frmBestMatches.h"
#include "people/frmPeople.h"
#include "shell/navigation.h"
#include "platform/offscreen_screen.h"
#include "shell/form.h"

using namespace testing_support;

namespace {

// The wheel's degrees and minutes are at least this high (em) where it opens.
constexpr double kReadableLabelPixels = 10;

QString Text(const QRect& rect) {
  return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// A control's rectangle on the screen.
QRect OnScreen(const QWidget* control) { return QRect(control->mapToGlobal(QPoint(0, 0)), control->size()); }

// Counts the resize events each top-level window gets, by its name: a window
// fitted to the screen after its first layout gets two, and is laid out twice.
class WindowResizes : public QObject {
 public:
  WindowResizes() { qApp->installEventFilter(this); }
  ~WindowResizes() override { qApp->removeEventFilter(this); }
  QMap<QString, int> counts;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
      ++counts[watched->objectName()];
    }
    return false;
  }
};

}  // namespace

class ScreenSizesTest : public QObject {
  Q_OBJECT
  std::unique_ptr<platform::FakePlatform> holder_;
  platform::FakePlatform* fake_ = nullptr;
  QRect area_;  // the screen's available area

  // The window, with its frame, and the controls named, all on the screen.
  void expectOnScreen(const QWidget* window, std::initializer_list<const char*> controls) {
    QVERIFY2(area_.contains(window->frameGeometry()),
             qPrintable(QStringLiteral("%1 at %2 on a screen of %3")
                            .arg(window->objectName(), Text(window->frameGeometry()), Text(area_))));
    for (const char* name : controls) {
      const QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(name));
      QVERIFY2(control && area_.contains(OnScreen(control)) &&
                   QRect(window->mapToGlobal(QPoint(0, 0)), window->size()).contains(OnScreen(control)),
               qPrintable(QStringLiteral("%1 of %2 at %3").arg(QString::fromLatin1(name), window->objectName(),
                                                             control ? Text(OnScreen(control)) : "nowhere")));
    }
  }

  // The frame with both windows in view: the wheel beside the report where
  // a readable one fits, else behind it; the report's figures never covered.
  void expectBothWindowsInView(astro::MDIForm1* frame) {
    const QWidget* report = frame->report();
    expectOnScreen(frame, {"cmdPrint", "cmdBack", "cmdExit"});

    const QRect view = frame->area()->viewport()->rect();
    const QRect reportRect = frame->reportWindow()->geometry(), wheelRect = frame->wheelWindow()->geometry();
    const QString where = QStringLiteral("report at %1, wheel at %2 in a view of %3")
                              .arg(Text(reportRect), Text(wheelRect), Text(view));
    QVERIFY2(view.contains(reportRect) && reportRect.y() == 0, qPrintable(where));
    // Where a readable wheel fits beside the report, it stands there whole;
    // elsewhere it is behind the report, the report in front.
    const bool beside = view.width() >= reportRect.width() + qCeil(zentara::LeastSideForLabels(kReadableLabelPixels)) +
                                            (wheelRect.width() - frame->wheel()->width());
    if (beside) {
      QVERIFY2(view.contains(wheelRect) && !wheelRect.intersects(reportRect), qPrintable(where));
    } else {
      QCOMPARE(frame->area()->subWindowList(QMdiArea::StackingOrder).last(), frame->reportWindow());
      QVERIFY2(wheelRect.y() == 0 && wheelRect.right() <= qMax(view.right(), wheelRect.width() - 1), qPrintable(where));
    }
    QCOMPARE(beside, area_.width() >= 1280);
    // The report's figures are not covered: the wheel is beside or behind.
    const QWidget* figures = Child<QWidget>(report, "lblPercentage");
    QVERIFY2(!wheelRect.intersects(QRect(figures->mapTo(frame->area()->viewport(), QPoint()), figures->size())) ||
                 !beside,
             qPrintable(where));
    // The wheel opens large enough for its labels to be read.
    const int side = qMin(frame->wheel()->width(), frame->wheel()->height());
    QVERIFY2(side * zentara::WheelRadiusShare * zentara::NumberSize >= kReadableLabelPixels,
             qPrintable(QStringLiteral("a wheel %1 pixels wide").arg(side)));
  }

  // Each column of the list as wide as its heading and the texts its rows
  // show (but `squeezed`, which takes what the others leave), and the last
  // column's right edge in the list's view: nothing to scroll to.
  void expectColumnsWhole(const QTableView* list, int squeezed = -1) {
    const QHeaderView* header = list->horizontalHeader();
    const int columns = list->model()->columnCount();
    for (int column = 0; column < columns; ++column) {
      if (column == squeezed) continue;
      int needed = header->sectionSizeHint(column);
      for (int row = 0; row < list->model()->rowCount(); ++row) {
        QStyleOptionViewItem option;
        option.initFrom(list);
        needed = qMax(needed, list->itemDelegate()->sizeHint(option, list->model()->index(row, column)).width());
      }
      const QString heading = list->model()->headerData(column, Qt::Horizontal).toString();
      QVERIFY2(list->columnWidth(column) >= needed,
               qPrintable(QStringLiteral("%1 of %2 is %3 pixels wide, its texts need %4")
                              .arg(heading, list->objectName()).arg(list->columnWidth(column)).arg(needed)));
    }
    const int right = header->sectionViewportPosition(columns - 1) + header->sectionSize(columns - 1);
    QVERIFY2(right <= list->viewport()->width(),
             qPrintable(QStringLiteral("the columns of %1 end at %2 in a view %3 wide")
                            .arg(list->objectName()).arg(right).arg(list->viewport()->width())));
  }

  // Every button and label of the window on the screen and not cut.
  void expectControlsWhole(const QWidget* window) {
    for (const QWidget* control : window->findChildren<QWidget*>()) {
      if (!qobject_cast<const QPushButton*>(control) && !qobject_cast<const QLabel*>(control)) continue;
      const QRect where = OnScreen(control);
      QVERIFY2(control->isVisible() && area_.contains(where) &&
                   QRect(window->mapToGlobal(QPoint(0, 0)), window->size()).contains(where) &&
                   control->width() >= control->minimumSizeHint().width(),
               qPrintable(QStringLiteral("\"%1\" of %2 at %3, at least %4 wide")
                              .arg(control->property("text").toString(), window->objectName(), Text(where))
                              .arg(control->minimumSizeHint().width())));
    }
  }

 private slots:
  void initTestCase() {
    // A book of two people the astro match takes, and one it cannot.
    people::CloseBook();
    std::string error;
    const auto book = zentara::book::Book::Open(zentara::book::DefaultBookPath(), error);
    QVERIFY2(book, error.c_str());
    const auto add = [&](std::initializer_list<const char*> texts) {
      zentara::book::Person person;
      auto text = texts.begin();
      for (const auto& info : zentara::book::Columns) {
        if (text == texts.end()) break;
        zentara::book::SetColumn(person, info.column, *text++);
      }
      book->Add(person);
    };
    add({"John", "1975-08-15", "14:30", "34", "0", "28N36", "77E13", "New Delhi", "Delhi", "India", "John", "Paul",
         "Smith", "male"});
    add({"Mary", "1978-02-10", "06:05", "27", "1", "40N42", "74W00", "New York", "New York", "USA", "Mary", "",
         "Jones", "female"});
    add({"", "1900-02-29", "", "", "", "", "", "", "", "", "Ann", "", "Lee"});
  }

  void init() {
    fake_ = &FreshPlatform(holder_);
    area_ = QGuiApplication::primaryScreen()->availableGeometry();
  }

  void theEntryFormAndTheLookUpAreWhole() {
    const WindowResizes resizes;
    auto* form = new astro::frmMatch();
    fake_->showModeless(form);
    QCoreApplication::processEvents();
    expectOnScreen(form, {"txtFName", "txtFCountry", "cmdCalculate", "cmdNav", "Command2"});
    for (const char* box : {"txtMCity", "txtMState", "txtMCountry"}) {
      form->findChild<QLineEdit*>(QString::fromLatin1(box))->setText("Chicago");
    }
    QTest::mouseClick(Child<QPushButton>(form, "Command1"), Qt::LeftButton);
    auto* lookUp = qobject_cast<astro::frmPlaceLookup*>(fake_->modalShown.value(0).data());
    QVERIFY(lookUp);
    QCoreApplication::processEvents();
    expectOnScreen(lookUp, {"cmdWebSearch", "cmdFill", "cmdClose", "txtLookupCountry", "lstPlaces"});
    // Each laid out once, at the size that fits the screen.
    for (const char* name : {"frmMatch", "frmPlaceLookup"}) {
      QVERIFY2(resizes.counts.value(name) == 1,
               qPrintable(QStringLiteral("%1 resized %2 times on a screen of %3")
                              .arg(name).arg(resizes.counts.value(name)).arg(Text(area_))));
    }
  }

  // A window wider than the screen that its controls cannot let narrow to fit
  // is made only as narrow as they allow, laid out once, its left edge in view.
  void aWindowShrinksNoNarrowerThanItsControlsAllow() {
    const WindowResizes resizes;
    auto* form = new shell::Form("frmWide");
    auto* wide = new QWidget(form);
    wide->setMinimumSize(area_.width() + 100, 50);
    form->setCentralWidget(wide);
    form->resize(area_.width() + 300, 100);
    fake_->showModeless(form);
    QCoreApplication::processEvents();
    const QString where = Text(form->frameGeometry()) + " on a screen of " + Text(area_);
    QVERIFY2(form->width() == form->minimumSizeHint().width() && form->frameGeometry().left() == area_.left(),
             qPrintable(where));
    QVERIFY2(resizes.counts.value("frmWide") == 1, qPrintable(where));
    form->unload();
  }

  void theReportFrameOpensWithBothWindowsInView() {
    auto* report = new astro::frmReport(JohnAndMary());
    report->Fill(*zentara::CalculateAstroMatch(JohnAndMary()));
    auto* frame = new astro::MDIForm1(report);
    fake_->showModeless(frame);
    frame->activateWindow();
    QCoreApplication::processEvents();
    expectBothWindowsInView(frame);
  }

  // The People window and a person's Best Matches whole; a double-click on a
  // best match (its button still down as the frame opens) opens the match
  // arranged as Analyze Compatibility does.
  void thePeopleWindowsAndAMatchFromThemAreWhole() {
    navigation::ShowPeople();
    auto* window = OpenForm<people::frmPeople>(*fake_);
    QVERIFY(window);
    QCoreApplication::processEvents();
    expectOnScreen(window, {"txtSearch", "lstPeople", "lblCount"});
    expectControlsWhole(window);
    expectColumnsWhole(Child<QTableView>(window, "lstPeople"), 2);

    Child<QTableView>(window, "lstPeople")->selectRow(1);  // John, after Ann Lee
    QTest::mouseClick(Child<QPushButton>(window, "cmdBest"), Qt::LeftButton);
    auto* best = OpenForm<people::frmBestMatches>(*fake_);
    QVERIFY(best);
    QCoreApplication::processEvents();
    expectOnScreen(best, {"lblHeading", "lstRanked", "lstUnranked", "cmdClose"});
    expectControlsWhole(best);
    auto* ranked = Child<QTableView>(best, "lstRanked");
    expectColumnsWhole(ranked, 0);

    const QRect mary = ranked->visualRect(ranked->model()->index(0, 0));
    QTest::mouseDClick(best->windowHandle(), Qt::LeftButton, {}, ranked->viewport()->mapTo(best, mary.center()));
    QCoreApplication::processEvents();
    auto* frame = OpenForm<astro::MDIForm1>(*fake_);
    QVERIFY(frame);
    QCOMPARE(frame->report()->Entries().Female.Name, std::string("Mary"));
    expectBothWindowsInView(frame);
  }
};

// The screen of ZENTARA_TEST_SCREEN, on Qt's offscreen platform.
int main(int argc, char** argv) {
  QTemporaryDir folder;
  const QSize screen = platform::RequestedScreenSize();
  QString error;
  if (screen.isEmpty() || !platform::UseOffscreenScreen(screen, folder.path(), true, error)) {
    qCritical("ZENTARA_TEST_SCREEN must name a screen such as 1024x768 %s", qPrintable(error));
    return 2;
  }
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.path()));
  qputenv("ZENTARA_BOOK", QFile::encodeName(folder.filePath("people.sqlite")));
  QStandardPaths::setTestModeEnabled(true);
  QLocale::setDefault(QLocale::c());
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  ScreenSizesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "screen_sizes_test.moc"
