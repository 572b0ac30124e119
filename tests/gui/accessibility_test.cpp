// What a screen reader gets from the windows, read through Qt's own
// accessibility interfaces (no bus needed): every control Tab reaches has a
// name of its own, not its group's title, its value or nothing; the report's
// figures and positions come with their captions; the aspect grid is a table
// whose cells say which two points and which aspect.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "astro/match/MDIForm1.h"
#include "astro/match/frmMatch.h"
#include "astro/match/frmOrbs.h"
#include "astro/match/frmPlaceLookup.h"
#include "astro/match/frmReport.h"
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

  void theReportFrameNamesEveryControl() {
    auto* report = new astro::frmReport(JohnAndMary());
    report->Fill(*zentara::CalculateAstroMatch(JohnAndMary()));
    expectNamed(new astro::MDIForm1(report));
  }
};

ZENTARA_GUI_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
