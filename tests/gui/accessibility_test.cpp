// What a screen reader gets from the windows, read through Qt's own
// accessibility interfaces (no bus needed): every control Tab reaches has a
// name of its own, not its group's title, its value or nothing; the report's
// figures and positions come with their captions; the aspect grid is a table
// whose cells say which two points and which aspect.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QtMath>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>
#include <QTabWidget>

#include "astro/match/MDIForm1.h"
#include "astro/match/frmMatch.h"
#include "astro/match/frmOrbs.h"
#include "astro/match/frmPlaceLookup.h"
#include "astro/match/chart_wheel_view.h"
#include "astro/match/frmReport.h"
#include "astro/match/score_explanation.h"
#include "astro/match/synastry_grid_view.h"
#include "astro/match/synastry_texts.h"
#include "astro/places/atlas_location.h"
#include "book/book.h"
#include "gui_test_support.h"
#include "numerology/frmMain.h"
#include "people/desktop_book.h"
#include "people/frmPeople.h"
#include "people/frmPerson.h"
#include "reports/frmDisp.h"
#include "reports/frmSaveDocument.h"
#include "shell/frmAbout.h"
#include "shell/frmAtFirst.h"
#include "tests/gui/worked_couple.h"

using namespace testing_support;

namespace {

QString Describe(QWidget* control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
  return face ? face->text(QAccessible::Description) : QString();
}

QString Spoken(QWidget* control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
  return face ? face->text(QAccessible::Name) : QString();
}

// The titles of the group boxes round `control`.
QStringList GroupTitles(const QWidget* control) {
  QStringList titles;
  for (const QWidget* up = control->parentWidget(); up; up = up->parentWidget()) {
    if (const auto* group = qobject_cast<const QGroupBox*>(up)) titles << group->title();
  }
  return titles;
}

// Every control of `window` that Tab reaches, with a problem: no name, a
// group's title, its own value, or a name another control has too.
QStringList Unnamed(QWidget* window) {
  QStringList problems;
  QHash<QString, QString> owners;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(window)) continue;
    // The text box inside a combo or spin box is spoken as part of it.
    if (qobject_cast<const QComboBox*>(control->parentWidget()) ||
        qobject_cast<const QAbstractSpinBox*>(control->parentWidget())) {
      continue;
    }
    const QString name = Spoken(control);
    const QString who = control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                         : control->objectName();
    QString value;
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) value = box->text();
    if (const auto* list = qobject_cast<const QComboBox*>(control)) value = list->currentText();
    if (name.trimmed().isEmpty()) {
      problems << who + ": no name";
    } else if (GroupTitles(control).contains(name)) {
      problems << who + ": named only by its group, \"" + name + "\"";
    } else if (!value.isEmpty() && name == value) {
      problems << who + ": named by its value, \"" + name + "\"";
    } else if (owners.contains(name) && !qobject_cast<const QTabBar*>(control)) {  // a tab bar says its tab
      problems << who + ": named \"" + name + "\" like " + owners[name];
    }
    owners.insert(name, who);
  }
  return problems;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT
  std::unique_ptr<platform::FakePlatform> holder_;
  platform::FakePlatform* fake_ = nullptr;

  // The report frame of the worked couple, shown.
  astro::MDIForm1* WorkedCoupleFrame() {
    auto* report = new astro::frmReport(JohnAndMary());
    report->Fill(*zentara::CalculateAstroMatch(JohnAndMary()));
    auto* frame = new astro::MDIForm1(report);
    fake_->showModeless(frame);
    frame->activateWindow();
    QCoreApplication::processEvents();
    return frame;
  }

  void expectNamed(QWidget* window) {
    fake_->showModeless(window);
    QCoreApplication::processEvents();
    const QStringList problems = Unnamed(window);
    QVERIFY2(problems.isEmpty(), qPrintable(window->objectName() + ":\n  " + problems.join("\n  ")));
  }

 private slots:
  void initTestCase() {
    qputenv("ZENTARA_ATLAS_FILE", ZENTARA_TEST_ATLAS);
    people::CloseBook();
  }
  void init() { fake_ = &FreshPlatform(holder_); }

  void theEntryFormsNameEveryControl() {
    expectNamed(new shell::frmAtFirst());
    expectNamed(new numerology::frmMain());
    expectNamed(new astro::frmMatch());
  }

  void theLookUpNamesItsBoxesAndList() {
    zentara::AstroPartnerEntries entries = JohnAndMary().Male;
    entries.City = "London";
    expectNamed(new astro::frmPlaceLookup(zentara::Partner::Male, entries, zentara::places::SharedAtlas()));
  }

  // Typing in City refills the list, which says how many places it holds.
  void theLookUpCountsThePlacesFound() {
    zentara::AstroPartnerEntries entries = JohnAndMary().Male;
    entries.City = entries.State = entries.Country = "";
    auto* lookUp = new astro::frmPlaceLookup(zentara::Partner::Male, entries, zentara::places::SharedAtlas());
    fake_->showModeless(lookUp);
    auto* city = lookUp->findChild<QLineEdit*>("txtLookupCity");
    auto* list = lookUp->findChild<QTreeWidget*>("lstPlaces");
    QTest::keyClicks(city, "Lond");
    const int found = list->topLevelItemCount();
    QVERIFY(found > 1);
    QCOMPARE(Describe(list), QStringLiteral("Places, %1 found").arg(found));
  }

  void theOtherWindowsNameEveryControl() {
    expectNamed(new astro::frmOrbs(zentara::DefaultAspectOrbs, [](const zentara::AspectOrbs&) {}));
    expectNamed(new people::frmPeople(people::PeopleMode::Manage));
    zentara::book::Person person;
    expectNamed(new people::frmPerson(person));
    expectNamed(new shell::frmAbout());
    auto* numerology = new numerology::frmMain();
    expectNamed(new reports::frmDisp(numerology));
    expectNamed(new reports::frmSaveDocument(numerology));
  }

  void theReportFrameNamesEveryControl() { expectNamed(WorkedCoupleFrame()); }

  // At half as large again as the usual font, every caption and value of the
  // report has its whole width.
  void theReportFitsItsTextsAtALargerFont() {
    const QFont usual = QApplication::font();
    QFont larger = usual;
    larger.setPointSizeF(usual.pointSizeF() * 1.5);
    QApplication::setFont(larger);
    astro::MDIForm1* frame = WorkedCoupleFrame();
    QStringList clipped;
    for (const QLabel* label : frame->report()->findChildren<QLabel*>()) {
      if (!label->isVisible() || label->wordWrap() || label->text().isEmpty() || label->text().startsWith('<')) continue;
      const int needed = qCeil(QFontMetricsF(label->font()).horizontalAdvance(label->text()));
      if (label->contentsRect().width() < needed) {
        clipped << QStringLiteral("\"%1\" %2 of %3 pixels").arg(label->text()).arg(label->contentsRect().width()).arg(needed);
      }
    }
    QApplication::setFont(usual);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
  }

  // Each figure and position spoken with its caption and partner.
  void theReportSpeaksItsValuesWithTheirCaptions() {
    astro::MDIForm1* frame = WorkedCoupleFrame();
    const auto match = zentara::CalculateAstroMatch(JohnAndMary());
    const auto spoken = [frame](const char* name, int index = -1) {
      QWidget* label = index < 0 ? frame->findChild<QWidget*>(QString::fromLatin1(name))
                                 : shell::ArrayMember<QWidget>(frame->report(), QString::fromLatin1(name), index);
      return label ? Spoken(label) : QStringLiteral("(no label)");
    };
    QCOMPARE(spoken("lblPlanetPosition_Male", 0), QStringLiteral("Male Sun, ") + QString::fromStdString(match->Male[0]));
    QCOMPARE(spoken("lblPlanetPosition_Female", 13), QStringLiteral("Female MC, ") + QString::fromStdString(match->Female[13]));
    QCOMPARE(spoken("lblPercentage"), QStringLiteral("Percentage, %1").arg(match->Score.Percentage));
    QCOMPARE(spoken("fName"), QStringLiteral("Female name, Mary"));
  }

  // Tab goes round the whole frame, into the wheel's window and out again,
  // and Shift+Tab goes back the same way.
  void tabGoesRoundTheWholeFrame() {
    astro::MDIForm1* frame = WorkedCoupleFrame();
    frame->findChild<QWidget*>("cmdPrint")->setFocus();
    const auto walk = [](Qt::Key key, int steps) {
      QStringList reached;
      for (int step = 0; step < steps; ++step) {
        QTest::keyClick(QApplication::focusWidget(), key);
        reached << QApplication::focusWidget()->objectName();
      }
      return reached.join(' ');
    };
    QCOMPARE(walk(Qt::Key_Tab, 7), QStringLiteral("cmdBack cmdExit reportView qt_tabwidget_tabbar cboHousesOf chartWheel cmdPrint"));
    QCOMPARE(walk(Qt::Key_Backtab, 2), QStringLiteral("chartWheel cboHousesOf"));
    frame->wheelTabs()->setCurrentWidget(frame->aspects());
    frame->findChild<QWidget*>("reportView")->setFocus();
    QCOMPARE(walk(Qt::Key_Tab, 3), QStringLiteral("qt_tabwidget_tabbar aspectGrid aspectTextsScroll"));
  }

  // The wheel in words: which chart is inner, and the positions.
  void theWheelHasATextAlternative() {
    astro::MDIForm1* frame = WorkedCoupleFrame();
    const auto match = zentara::CalculateAstroMatch(JohnAndMary());
    const auto sun = zentara::ReadSlotText(match->Female[0]);
    QVERIFY(sun);
    const QString herSun = QStringLiteral("Female chart: Sun at %1°%2' %3.")
                               .arg(sun->Degrees)
                               .arg(sun->Minutes, 2, 10, QLatin1Char('0'))
                               .arg(QString::fromLatin1(zentara::SignNames[static_cast<std::size_t>(sun->Sign)].data()));
    QAccessibleInterface* wheel = QAccessible::queryAccessibleInterface(frame->wheel());
    const QString words = wheel->text(QAccessible::Description);
    QVERIFY2(words.contains(QStringLiteral("the male chart on the inner ring")) && words.contains(herSun),
             qPrintable(words + "\nexpected to hold: " + herSun));
    QCOMPARE(wheel->text(QAccessible::Name), QStringLiteral("Chart wheel"));
  }

  // The grid as a table: headers, every cell's aspect at its place, and the
  // current cell moved by the keys.
  void theAspectGridIsATable() {
    astro::MDIForm1* frame = WorkedCoupleFrame();
    astro::AspectGridView* grid = frame->aspects()->gridView();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(grid);
    QAccessibleTableInterface* table = face ? face->tableInterface() : nullptr;
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 13);
    QCOMPARE(table->columnCount(), 13);
    QCOMPARE(table->rowDescription(1), QStringLiteral("His Moon"));
    QCOMPARE(table->columnDescription(12), QStringLiteral("Her Midheaven"));
    int aspects = 0;
    for (int row = 0; row < 13; ++row) {
      for (int column = 0; column < 13; ++column) {
        const auto& aspect = grid->grid().Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
        QAccessibleInterface* cell = table->cellAt(row, column);
        const QString expected =
            QStringLiteral("His %1 and her %2: ")
                .arg(QString::fromLatin1(zentara::SlotWords[zentara::AspectPoints[static_cast<std::size_t>(row)]].data()),
                     QString::fromLatin1(zentara::SlotWords[zentara::AspectPoints[static_cast<std::size_t>(column)]].data()).toLower()) +
            (aspect ? QString::fromLatin1(zentara::AspectKindOf(aspect->Kind).Name.data()) + ", " +
                          QString::fromStdString(zentara::SeparationText(aspect->SeparationMinutes)) + " from exact"
                    : QStringLiteral("no aspect"));
        QCOMPARE(cell->text(QAccessible::Name), expected);
        QCOMPARE(cell->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name), table->rowDescription(row));
        aspects += aspect ? 1 : 0;
      }
    }
    QVERIFY2(aspects > 0, "the worked couple makes aspects");
    frame->wheelTabs()->setCurrentWidget(frame->aspects());
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(table->selectedCells().value(0), table->cellAt(2, 1));
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(table->selectedCells().value(0), table->cellAt(12, 12));
  }
};

ZENTARA_GUI_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
