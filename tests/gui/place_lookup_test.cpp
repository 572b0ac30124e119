// The look-up window of a birthplace over the atlas the build made: opened by
// each partner's button with the form's place, Fill In into that partner's
// place, coordinates, zone and box and nowhere else, the keys, a country that
// is none and the closest names under the list, Search the Web for the
// window's place, the window when the atlas cannot be loaded, and the look-up
// of the person dialog of the book of people.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "astro/match/frmMatch.h"
#include "astro/match/frmPlaceLookup.h"
#include "astro/places/atlas_location.h"
#include "gui_test_support.h"
#include "people/frmPerson.h"
#include "platform/qt_text.h"
#include "shell/startup.h"
#include "site_config.h"

using namespace testing_support;
using astro::frmMatch;
using astro::frmPlaceLookup;

class PlaceLookupTest : public QObject {
  Q_OBJECT
  std::unique_ptr<platform::FakePlatform> holder_;
  platform::FakePlatform* fake_ = nullptr;
  QPointer<frmMatch> form_;
  QTemporaryDir atlasFolder_;

  QLineEdit* text(const QString& name) { return form_->findChild<QLineEdit*>(name); }
  QComboBox* combo(const QString& name) { return form_->findChild<QComboBox*>(name); }

  // Every entry of the form as "control=value", the chosen option of each pair included.
  QStringList formState() const {
    QStringList state;
    for (auto* box : form_->findChildren<QLineEdit*>()) state << box->objectName() + "=" + box->text();
    for (auto* list : form_->findChildren<QComboBox*>()) {
      state << list->objectName() + "=" + QString::number(list->currentIndex());
    }
    for (auto* box : form_->findChildren<QCheckBox*>()) {
      state << box->objectName() + "=" + QString::number(box->isChecked());
    }
    for (auto* option : form_->findChildren<QRadioButton*>()) {
      if (option->isChecked()) state << option->objectName() + "=" + option->text();
    }
    return state;
  }
  static QStringList withChanges(QStringList state, const QStringList& changes) {
    for (const QString& change : changes) {
      for (QString& entry : state) entry = entry.section('=', 0, 0) == change.section('=', 0, 0) ? change : entry;
    }
    return state;
  }

  // Both partners filled (zone row 5 with the box checked, South and West),
  // one partner's birth and place typed, and its look-up button pressed.
  frmPlaceLookup* lookUp(const QString& sex, const QStringList& place, const QStringList& birth = {}) {
    for (const QString partner : {"M", "F"}) {
      for (const char* field : {"Name", "City", "State", "Country"}) text("txt" + partner + field)->setText("Pune");
      combo("cmb" + partner + "TimeZone")->setCurrentIndex(5);
      form_->findChild<QCheckBox*>("chk" + partner + "DST")->setChecked(true);
      for (const char* pair : {"Long", "Lat"}) {
        shell::ArrayMember<QRadioButton>(form_, "opt" + partner + pair, 1)->setChecked(true);
      }
    }
    const char* lists[] = {"Date", "Month", "Year", "HH", "MM"};
    for (int i = 0; i < birth.size(); ++i) combo("cbo" + sex + lists[i])->setCurrentText(birth[i]);
    for (int i = 0; i < 3; ++i) text("txt" + sex + QStringList{"City", "State", "Country"}[i])->setText(place[i]);
    QTest::mouseClick(Child<QPushButton>(form_, sex == "M" ? "Command1" : "Command2"), Qt::LeftButton);
    return qobject_cast<frmPlaceLookup*>(fake_->modalShown.value(fake_->modalShown.size() - 1).data());
  }

 private slots:
  void initTestCase() {
    // Start-up and a fresh entry form run while the atlas file does not exist
    // yet: had either read it, every look-up below would find it missing.
    const QString atlas = atlasFolder_.filePath("atlas.bin");
    qputenv(zentara::places::AtlasFileVariable, QFile::encodeName(atlas));
    fake_ = &FreshPlatform(holder_);
    QVERIFY(shell::RunStartup());
    new frmMatch();
    QVERIFY(QFile::link(QStringLiteral(ZENTARA_TEST_ATLAS), atlas));
  }

  void init() {
    fake_ = &FreshPlatform(holder_);
    form_ = new frmMatch();
  }

  void fillInSetsThatPartnersPlaceCoordinatesAndZoneOnly_data() {
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QStringList>("place");  // city, state, country as typed on the form
    QTest::addColumn<QStringList>("birth");  // day, month, year, hour, minute
    QTest::addColumn<QString>("suggestion");
    QTest::addColumn<QStringList>("changes");
    QTest::newRow("male, Delhi") << "M" << QStringList{"Delhi", "Delhi", "India"}
                                 << QStringList{"15", "August", "1975", "14", "30"}
                                 << "Fill In sets the time zone \"Indian Time, IST, +5.3\" and clears Daylight Saving "
                                    "Time."
                                 << QStringList{"txtMLD=28", "txtMLM=39", "optMLong=North", "txtMLoD=77", "txtMLoM=14",
                                                "optMLat=East", "cmbMTimeZone=34", "chkMDST=0"};
    QTest::newRow("female, New York in summer")
        << "F" << QStringList{"New York City", "New York", "United States"}
        << QStringList{"4", "July", "1980", "10", "0"}
        << "Fill In sets the time zone \"Eastern Standard Time,EST,-5.0\" and checks Daylight Saving Time."
        << QStringList{"txtFLD=40", "txtFLM=43", "optFLong=North", "txtFLoD=74", "txtFLoM=0", "optFLat=West",
                       "cmbFTimeZone=27", "chkFDST=1"};
    QTest::newRow("male, Kathmandu: no row gives +05:45")
        << "M" << QStringList{"Kathmandu", "Bagmati", "Nepal"} << QStringList{"1", "June", "1990", "12", "0"}
        << "No time zone of the list gives UTC+05:45: Fill In sets the latitude and longitude only and leaves the "
           "time zone and Daylight Saving Time as they are."
        << QStringList{"txtMLD=27", "txtMLM=42", "optMLong=North", "txtMLoD=85", "txtMLoM=19", "optMLat=East",
                       "txtMState=Bagmati Province"};
  }
  void fillInSetsThatPartnersPlaceCoordinatesAndZoneOnly() {
    QFETCH(QString, sex);
    QFETCH(QStringList, place);
    QFETCH(QStringList, birth);
    QFETCH(QString, suggestion);
    QFETCH(QStringList, changes);
    frmPlaceLookup* window = lookUp(sex, place, birth);
    QVERIFY(window);
    const QStringList before = formState();
    QCOMPARE(QStringList({window->windowTitle(), Child<QLabel>(window, "lblHeading")->text(),
                          Child<QLineEdit>(window, "txtLookupState")->text(),
                          Child<QLabel>(window, "lblCredit")->text(),
                          Child<QTreeWidget>(window, "lstPlaces")->currentItem()->text(0),
                          Child<QLabel>(window, "lblSuggestion")->text()}),
             QStringList({"QM Zentara Software v2.05",
                          "Find the Place of Birth: " + QString(sex == "M" ? "Male" : "Female"),
                          place[1], "Places: GeoNames (geonames.org), CC BY 4.0", place[0], suggestion}));
    QVERIFY(Child<QLabel>(window, "lblStatus")->text().endsWith("1 place found."));

    QTest::keyClick(Child<QLineEdit>(window, "txtLookupCity"), Qt::Key_Return);
    QVERIFY(!fake_->openForms().contains(window));
    QCOMPARE(formState(), withChanges(before, changes));
  }

  void typingSearchesAndArrowsMoveTheSelection() {
    frmPlaceLookup* window = lookUp("F", {"Spr", "Illinois", "US"});
    auto* city = Child<QLineEdit>(window, "txtLookupCity");
    auto* list = Child<QTreeWidget>(window, "lstPlaces");
    city->end(false);
    QTest::keyClicks(city, "ingfield");  // one Springfield in Illinois
    auto* state = Child<QLineEdit>(window, "txtLookupState");
    QTest::keyClick(state, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(state, Qt::Key_Backspace);  // every Springfield of the country
    QVERIFY2(list->topLevelItemCount() > 2, qPrintable(Child<QLabel>(window, "lblStatus")->text()));
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) QTest::keyClick(city, key);
    QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), 1);
    const QString latitude = list->currentItem()->text(3), longitude = list->currentItem()->text(4);
    QTest::keyClick(Child<QLineEdit>(window, "txtLookupCountry"), Qt::Key_Enter);
    const auto boxes = [this](const char* degrees, const char* minutes, QChar direction) {
      return text(degrees)->text() + direction + QString("%1").arg(text(minutes)->text().toInt(), 2, 10, QChar('0'));
    };
    QCOMPARE(boxes("txtFLD", "txtFLM", 'N') + boxes("txtFLoD", "txtFLoM", 'W'), latitude + longitude);
  }

  // Every column is as wide as its heading or its widest text, as the style
  // measures them, for the first list and after each search: no text is cut.
  void everyColumnFitsItsWidestText() {
    frmPlaceLookup* window = lookUp("F", {"Springfield", "Illinois", "US"});
    QVERIFY(window);
    auto* list = Child<QTreeWidget>(window, "lstPlaces");
    auto* city = Child<QLineEdit>(window, "txtLookupCity");
    Child<QLineEdit>(window, "txtLookupState")->clear();
    for (const QString search : {"Springfield", "Saint", "Ulaanbaatar"}) {
      city->setText(search);
      QVERIFY2(list->topLevelItemCount() > 0, qPrintable(search));
      for (int column = 0; column < list->columnCount(); ++column) {
        int widest = list->header()->sectionSizeHint(column);
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
          const QModelIndex cell = list->model()->index(row, column);
          widest = std::max(widest, list->sizeHintForIndex(cell).width());
        }
        QVERIFY2(list->header()->sectionSize(column) == widest,
                 qPrintable(QStringLiteral("%1, column %2: width %3, its widest text %4")
                                .arg(search)
                                .arg(column)
                                .arg(list->header()->sectionSize(column))
                                .arg(widest)));
      }
    }
  }

  void aCountryThatIsNoneAndTheClosestNamesAreSaidUnderTheList() {
    frmPlaceLookup* window = lookUp("M", {"Mumbai", "Maharashtra", "Holland"});
    QVERIFY(window);
    auto* status = Child<QLabel>(window, "lblStatus");
    QCOMPARE(status->text(), QStringLiteral("No country named Holland: the country is left out. 1 place found."));
    Child<QLineEdit>(window, "txtLookupCity")->setText("Chicgo");
    QCOMPARE(Child<QTreeWidget>(window, "lstPlaces")->topLevelItemCount(), 0);
    QVERIFY2(status->text().startsWith("No country named Holland. No place is named \"Chicgo\" or has a name "
                                       "beginning with it. Did you mean \"Chicago\", "),
             qPrintable(status->text()));
    QVERIFY(!Child<QPushButton>(window, "cmdFill")->isEnabled());

    // A city pasted by mistake, as long as the box takes: no place, and the
    // status repeats only its start.
    auto* city = Child<QLineEdit>(window, "txtLookupCity");
    city->setText(QString(city->maxLength(), 'a'));
    QCOMPARE(Child<QTreeWidget>(window, "lstPlaces")->topLevelItemCount(), 0);
    QCOMPARE(status->text(), "No country named Holland. No place is named \"" + QString(80, 'a') +
                                 "...\" or has a name beginning with it.");
  }

  // The place chosen in the window, whatever the form held, spelt in the
  // letters the form's boxes take; the partner's name stays.
  void fillInWritesTheChosenPlaceInTheFormsLetters_data() {
    QTest::addColumn<QStringList>("typed");     // city, state, country in the window
    QTest::addColumn<QStringList>("expected");  // the form's City, State, Country after Fill In
    QTest::newRow("another city") << QStringList{"Peoria", "Illinois", ""}
                                  << QStringList{"Peoria", "Illinois", "United States"};
    QTest::newRow("accents") << QStringList{"São Paulo", "", "Brazil"}
                             << QStringList{"Sao Paulo", "Sao Paulo", "Brazil"};
    QTest::newRow("full stop") << QStringList{"St. Louis", "Missouri", "US"}
                               << QStringList{"St Louis", "Missouri", "United States"};
    QTest::newRow("no region: the state stays") << QStringList{"Tromsø", "", "Norway"}
                                                << QStringList{"Tromso", "Illinois", "Norway"};
  }
  void fillInWritesTheChosenPlaceInTheFormsLetters() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    frmPlaceLookup* window = lookUp("F", {"Springfield", "Illinois", "US"});
    // The form still shows its start date, and the window says whose offsets it lists.
    QVERIFY2(Child<QLabel>(window, "lblBirthTime")->text().contains(
                 "The birth date is still the form's start value, so the offsets shown are for January 1, 1901"),
             qPrintable(Child<QLabel>(window, "lblBirthTime")->text()));
    const char* boxes[] = {"txtLookupCity", "txtLookupState", "txtLookupCountry"};
    for (int i = 0; i < 3; ++i) Child<QLineEdit>(window, boxes[i])->setText(typed[i]);
    QTest::mouseClick(Child<QPushButton>(window, "cmdFill"), Qt::LeftButton);
    QCOMPARE(QStringList({text("txtFCity")->text(), text("txtFState")->text(), text("txtFCountry")->text(),
                          text("txtFName")->text()}),
             expected + QStringList{"Pune"});
  }

  // The person dialog's look-up is headed by the person's name as typed so far
  // (their frame says nothing of it), and Fill In writes the whole place, as
  // the atlas spells it, which the book keeps: city, state and country.
  void thePersonDialogsLookUpNamesThePersonAndFillsTheWholePlace() {
    auto* person = new people::frmPerson(zentara::book::Person{});
    const auto box = [person](const char* name) { return Child<QLineEdit>(person, name); };
    box("txtDate")->setText("1975-08-15");
    box("txtCity")->setText("Sao Paulo");
    box("txtCountry")->setText("BR");
    const auto lookUp = [&] {
      QTest::mouseClick(Child<QPushButton>(person, "cmdFindPlace"), Qt::LeftButton);
      return qobject_cast<frmPlaceLookup*>(fake_->modalShown.last().data());
    };
    frmPlaceLookup* window = lookUp();
    QVERIFY(window);
    QCOMPARE(Child<QLabel>(window, "lblHeading")->text(), QStringLiteral("Find the Place of Birth"));
    window->cmdClose_Click();
    box("txtFirst")->setText("Daniel");
    box("txtLast")->setText("Souza");
    window = lookUp();
    QCOMPARE(Child<QLabel>(window, "lblHeading")->text(), QStringLiteral("Find the Place of Birth: Daniel Souza"));
    box("txtName")->setText("Dani");
    window->cmdClose_Click();
    window = lookUp();
    QCOMPARE(Child<QLabel>(window, "lblHeading")->text(), QStringLiteral("Find the Place of Birth: Dani"));
    QTest::keyClick(Child<QLineEdit>(window, "txtLookupCity"), Qt::Key_Return);
    QCOMPARE(QStringList({box("txtCity")->text(), box("txtState")->text(), box("txtCountry")->text(),
                          box("txtLat")->text(), box("txtLon")->text(), box("txtTimezone")->text()}),
             QStringList({"São Paulo", "São Paulo", "Brazil", "23S33", "46W38", "America/Sao_Paulo"}));
    QCOMPARE(Child<QComboBox>(person, "cboZone")->currentIndex(), 14 + 1);  // after "(unknown)"
  }

  // Chicago looked up on the form's start date is on standard time; the zone
  // row and box follow the birth date set afterwards, until the user sets the
  // zone by hand or edits the place.
  void theZoneFollowsTheBirthUntilSetByHand() {
    QLabel* line = Child<QLabel>(form_, "lblMZone");
    QVERIFY(line->isHidden());
    const auto fillIn = [this] {
      frmPlaceLookup* window = lookUp("M", {"Chicago", "Illinois", "US"});
      QTest::mouseClick(Child<QPushButton>(window, "cmdFill"), Qt::LeftButton);
    };
    const auto zone = [this, line] {
      return QStringList({combo("cmbMTimeZone")->currentText(),
                          QString::number(form_->findChild<QCheckBox*>("chkMDST")->isChecked()), line->text()});
    };
    const auto bornOn = [this](const char* day, const char* month, const char* year) {
      combo("cboMDate")->setCurrentText(day), combo("cboMMonth")->setCurrentText(month);
      combo("cboMYear")->setCurrentText(year);
    };
    const QString central = "Central Standard Time,CST,-6.0";
    fillIn();
    QVERIFY(!line->isHidden());
    QCOMPARE(zone(), QStringList({central, "0", "America/Chicago, CST, UTC\u22126 at this birth"}));
    bornOn("15", "August", "1975");
    QCOMPARE(zone(), QStringList({central, "1", "America/Chicago, CDT, UTC\u22125 at this birth"}));
    combo("cboMHH")->setCurrentText("3");  // still summer time
    QCOMPARE(zone()[1], QStringLiteral("1"));

    // The box ticked by hand: the date no longer moves it.
    QTest::mouseClick(form_->findChild<QCheckBox*>("chkMDST"), Qt::LeftButton);
    bornOn("15", "January", "1975");
    QCOMPARE(zone(), QStringList({central, "0", "America/Chicago is no longer followed: the time zone was set by hand"}));
    bornOn("15", "August", "1975");
    QCOMPARE(zone()[1], QStringLiteral("0"));

    // A zone row chosen by hand, and the city edited, end it too.
    fillIn();
    QTest::keyClick(combo("cmbMTimeZone"), Qt::Key_Down);
    bornOn("15", "January", "1975");
    QCOMPARE(zone(), QStringList({combo("cmbMTimeZone")->itemText(22), "1",
                                  "America/Chicago is no longer followed: the time zone was set by hand"}));
    fillIn();
    QTest::keyClicks(text("txtMCity"), "x");
    bornOn("15", "August", "1975");
    QCOMPARE(zone(), QStringList({central, "0", "America/Chicago is no longer followed: the place was edited"}));
  }

  void searchTheWebLooksUpThePlaceTheWindowShows() {
    frmPlaceLookup* window = lookUp("M", {"New Delhi", "Delhi", "India"});
    Child<QLineEdit>(window, "txtLookupCity")->setText("Mumbai");
    const QStringList before = formState();
    QTest::mouseClick(Child<QPushButton>(window, "cmdWebSearch"), Qt::LeftButton);
    QCOMPARE(fake_->webLookupsMade, 1);
    QCOMPARE(fake_->webLookups.value(0).searchText, QStringLiteral("Mumbai Delhi India Latitude Longitude"));
    QCOMPARE(fake_->webLookups.value(0).pageAddress,
             platform::ToQt(zentara::MakerSiteAddress) + "/qm-free-zentara/ssd.php?page=home-page");
    QVERIFY(!fake_->openForms().contains(window));
    QCOMPARE(formState(), before);

    // Without a browser the window stays open and says why nothing showed.
    fake_->browserAvailable = false;
    window = lookUp("M", {"New Delhi", "Delhi", "India"});
    QTest::mouseClick(Child<QPushButton>(window, "cmdWebSearch"), Qt::LeftButton);
    QCOMPARE(fake_->webLookupsMade, 2);
    QVERIFY(fake_->openForms().contains(window) && window->isVisible());
    QCOMPARE(fake_->messages.size(), 1);
    QCOMPARE(fake_->messages[0].text, QStringLiteral("No web browser could be started to search for the place."));
  }

  void withoutTheAtlasOnlySearchTheWebAndCloseWork() {
    const zentara::places::LoadedAtlas missing{nullptr, "cannot open /nowhere/atlas.bin"};
    auto* window = new frmPlaceLookup(zentara::Partner::Female, {}, missing);
    window->show();
    QCOMPARE(Child<QLabel>(window, "lblStatus")->text(),
             QStringLiteral("The atlas of places could not be loaded: cannot open /nowhere/atlas.bin"));
    for (const char* name : {"txtLookupCity", "txtLookupState", "lstPlaces", "cmdFill", "cmdWebSearch"}) {
      QVERIFY2(Child<QWidget>(window, name)->isEnabled() == (name == QLatin1String("cmdWebSearch")), name);
    }
    QTest::mouseClick(Child<QPushButton>(window, "cmdClose"), Qt::LeftButton);
    QVERIFY(!fake_->openForms().contains(window) && fake_->webLookupsMade == 0);
  }
};

ZENTARA_GUI_TEST_MAIN(PlaceLookupTest)
#include "place_lookup_test.moc"
