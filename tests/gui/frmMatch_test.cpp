// The astro entry form: its load state and tab order, ValidateAstroEntries as
// the user meets it, the key filters and the paste rule, the look-ups, the
// calculation handing over to the report frame, Exit and the Help menu.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "astro/match/MDIForm1.h"
#include "astro/match/frmMatch.h"
#include "astro/match/frmReport.h"
#include "gui_test_support.h"
#include "shell/frmAbout.h"
#include "shell/qt_text.h"
#include "site_config.h"

using namespace testing_support;
using astro::frmMatch;
using platform::Icon;

namespace {
const QString kSite = shell::ToQt(zentara::MakerSiteAddress) + "/qm-free-zentara/ssd.php?page=";
}

class FrmMatchTest : public QObject {
  Q_OBJECT
  std::unique_ptr<platform::FakePlatform> holder_;
  platform::FakePlatform* fake_ = nullptr;
  QPointer<frmMatch> form_;

  QLineEdit* text(const QString& name) { return form_->findChild<QLineEdit*>(name); }
  QComboBox* combo(const QString& name) { return form_->findChild<QComboBox*>(name); }
  QRadioButton* option(const QString& name, int index) { return shell::ArrayMember<QRadioButton>(form_, name, index); }
  void click(const char* name) { QTest::mouseClick(Child<QPushButton>(form_, name), Qt::LeftButton); }
  void trigger(const char* name) { form_->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
  // Both partners born 15 August 1975, 14:30, Indian Time, at New Delhi.
  void fillValid() {
    for (const QString sex : {"M", "F"}) {
      const std::pair<const char*, const char*> texts[] = {
          {"Name", "Arjun"}, {"LD", "28"}, {"LM", "36"}, {"LoD", "77"}, {"LoM", "13"},
          {"City", "New Delhi"}, {"State", "Delhi"}, {"Country", "India"}};
      for (const auto& [field, value] : texts) text("txt" + sex + field)->setText(value);
      combo("cbo" + sex + "Date")->setCurrentIndex(14);
      combo("cbo" + sex + "Month")->setCurrentIndex(7);
      combo("cbo" + sex + "Year")->setCurrentText("1975");
      combo("cbo" + sex + "HH")->setCurrentIndex(14);
      combo("cbo" + sex + "MM")->setCurrentIndex(30);
      combo("cmb" + sex + "TimeZone")->setCurrentIndex(34);
    }
  }
  QStringList messageTexts() const {
    QStringList texts;
    for (const auto& message : fake_->messages) texts << message.text;
    return texts;
  }

 private slots:
  void init() {
    fake_ = &FreshPlatform(holder_);
    form_ = new frmMatch();
  }

  void loadsWithItsDefaultsAfterTheReminder() {
    QCOMPARE(fake_->calls.value(0), QStringLiteral("readSetting"));  // the reminder came first
    QCOMPARE(form_->windowTitle(), QStringLiteral("QM Zentara Software v2.05"));
    QCOMPARE(Child<QLabel>(form_, "Label1")->text(), QStringLiteral("QM Orvanel Software"));
    struct List {
      const char* name;
      int count;
      const char* first;
      const char* last;
    };
    for (const QString sex : {"M", "F"}) {
      const List lists[] = {{"cbo%1Date", 31, "1", "31"},       {"cbo%1Month", 12, "January", "December"},
                            {"cbo%1Year", 150, "1901", "2050"}, {"cbo%1HH", 24, "0", "23"},
                            {"cbo%1MM", 60, "0", "59"},
                            {"cmb%1TimeZone", 71, "Alaska/Hawaii Daylight Time,AHDT,-9.0", "Yukon War Time,YWT,-8.0"}};
      for (const List& list : lists) {
        QComboBox* box = combo(QString::fromLatin1(list.name).arg(sex));
        QVERIFY2(box && !box->isEditable(), list.name);
        QCOMPARE(box->count(), list.count);
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(box->itemText(0), QString::fromLatin1(list.first));
        QCOMPARE(box->itemText(list.count - 1), QString::fromLatin1(list.last));
      }
      for (const char* field : {"Name", "LD", "LM", "LoD", "LoM", "City", "State", "Country"}) {
        QVERIFY2(text("txt" + sex + field)->text().isEmpty(), field);
      }
      for (const char* field : {"LD", "LM", "LoD", "LoM"}) QCOMPARE(text("txt" + sex + field)->maxLength(), 3);
      auto* dst = form_->findChild<QCheckBox*>("chk" + sex + "DST");
      QCOMPARE(dst->text(), QStringLiteral("Daylight Saving Time"));
      QVERIFY(!dst->isChecked());
      const QString latitude = "opt" + sex + "Long", longitude = "opt" + sex + "Lat";
      QCOMPARE(option(latitude, 0)->text() + option(latitude, 1)->text(), QStringLiteral("NorthSouth"));
      QCOMPARE(option(longitude, 0)->text() + option(longitude, 1)->text(), QStringLiteral("EastWest"));
      QVERIFY(option(latitude, 0)->isChecked() && option(longitude, 0)->isChecked());
    }
    for (const char* name : {"Command1", "Command2"}) {
      QCOMPARE(Child<QPushButton>(form_, name)->text(), QStringLiteral("Click here to find Latitude && Longitude"));
    }
    QCOMPARE(Child<QPushButton>(form_, "cmdCalculate")->text(), QStringLiteral("Analyze Compatibility"));
    QCOMPARE(shell::ArrayMember<QPushButton>(form_, "cmdNav", 1)->text(), QStringLiteral("Exit"));
    const std::pair<const char*, const char*> menus[] = {
        {"mnuCalculate", "&Analyze Compatibility"}, {"mnuExit", "&Exit"},
        {"mnuOnline", "&Online Help"}, {"mnuVisit", "&Visit Us Online"},
        {"mnuUpdate", "Check for Software &Update"}, {"mnuAbout", "&About Software"}};
    for (const auto& [name, caption] : menus) {
      QCOMPARE(form_->findChild<QAction*>(name)->text(), QString::fromLatin1(caption));
    }
  }

  void tabGoesThroughBothPartnersInOrder() {
    QStringList expected, actual;
    for (const char* sex : {"M", "F"}) {
      for (const char* field : {"txt%1Name", "cbo%1Date", "cbo%1Month", "cbo%1Year", "cbo%1HH", "cbo%1MM", "txt%1LD",
                                "txt%1LM", "txt%1LoD", "txt%1LoM", "txt%1City", "txt%1State", "txt%1Country"}) {
        expected << QString::fromLatin1(field).arg(sex);
      }
    }
    QWidget* widget = text("txtMName");
    for (int i = 0; i < expected.size(); ++i) {
      actual << widget->objectName();
      do widget = widget->nextInFocusChain(); while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(actual, expected);
  }

  void failedChecksShowTheirMessageAndFocus_data() {
    QTest::addColumn<QString>("cleared");  // a box emptied; "" for the other cases
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("critical");
    QTest::newRow("male name") << "txtMName" << "Please Enter Male Name" << true;
    QTest::newRow("male longitude minutes") << "txtMLoM" << "Please Enter Minute in Longitude" << true;
    QTest::newRow("female latitude degrees") << "txtFLD" << "Please Enter Degree in Latitude" << true;
    QTest::newRow("female longitude minutes") << "txtFLoM" << "Please Enter Minutes in Longitude" << true;
    QTest::newRow("female country") << "txtFCountry" << "Please Enter Country" << true;
    QTest::newRow("male 31 April") << "" << "Please Enter Your Correct Date Or Month !" << false;
  }
  void failedChecksShowTheirMessageAndFocus() {
    QFETCH(QString, cleared);
    QFETCH(QString, message);
    QFETCH(bool, critical);
    fillValid();
    if (cleared.isEmpty()) {
      combo("cboMMonth")->setCurrentText("April");
      combo("cboMDate")->setCurrentText("31");
    } else {
      text(cleared)->clear();
    }
    click("cmdCalculate");
    QCOMPARE(messageTexts(), QStringList{message});
    QCOMPARE(fake_->messages[0].icon, critical ? Icon::Critical : Icon::Information);
    QCOMPARE(fake_->focused.data(), cleared.isEmpty() ? nullptr : static_cast<QWidget*>(text(cleared)));
    QVERIFY(form_ && fake_->openForms() == QList<QWidget*>{form_.data()});
  }

  void aMissingDirectionIsSetAfterItsMessage() {
    fillValid();
    auto* group = form_->findChild<QButtonGroup*>("optFLat");
    group->setExclusive(false);
    option("optFLat", 0)->setChecked(false);
    group->setExclusive(true);
    QVERIFY(!form_->ValidateAstroEntries());
    QCOMPARE(messageTexts(), QStringList{"Please Select Direction For The Longitude"});
    QVERIFY(option("optFLat", 0)->isChecked());
    QVERIFY(!fake_->calls.contains("focus"));
    QVERIFY(form_->ValidateAstroEntries());
  }

  void keyFiltersDiscardRefusedKeys() {
    QTest::keyClicks(text("txtMCity"), "Rio 2");
    QCOMPARE(text("txtMCity")->text(), QStringLiteral("Rio "));
    QCOMPARE(messageTexts(), QStringList{"Please enter only letters"});
    QCOMPARE(fake_->messages[0].icon, Icon::Critical);
    QCOMPARE(fake_->focused.data(), static_cast<QWidget*>(text("txtMCity")));

    fake_->focused = nullptr;
    QTest::keyClicks(text("txtFLD"), "-1.23");  // the fourth digit does not fit
    QTest::keyClick(text("txtFLD"), Qt::Key_Backspace);
    QCOMPARE(text("txtFLD")->text(), QStringLiteral("12"));
    QCOMPARE(messageTexts(), (QStringList{"Please enter only letters", "Please enter only numbers",
                                          "Please enter only numbers"}));
    QVERIFY(fake_->focused.isNull());
  }

  void refusedPastesAndDropsLeaveTheBoxAsItWas_data() {
    QTest::addColumn<QString>("box");  // holds "7" or "A", typed
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::newRow("digits pasted") << "txtMLD" << "45" << "keys" << "745" << "";
    QTest::newRow("letter in digits, cut to fit") << "txtMLD" << "12a" << "keys" << "7" << "Please enter only numbers";
    QTest::newRow("minus dropped") << "txtFLoM" << "-5" << "drop" << "7" << "Please enter only numbers";
    QTest::newRow("digits dropped") << "txtFLoM" << "5" << "drop" << "75" << "";
    QTest::newRow("place from the menu") << "txtMCity" << " New York" << "menu" << "A New York" << "";
    QTest::newRow("post code from the menu") << "txtFState" << "Delhi 110001" << "menu" << "A"
                                             << "Please enter only letters";
    QTest::newRow("any other way") << "txtMLM" << "1x" << "insert" << "7" << "Please enter only numbers";
    QTest::newRow("accented letter") << "txtMName" << QString::fromUtf8("Jos\u00e9") << "keys" << "A"
                                     << "Please enter only letters";
  }
  void refusedPastesAndDropsLeaveTheBoxAsItWas() {
    QFETCH(QString, box);
    QFETCH(QString, inserted);
    QFETCH(QString, how);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QLineEdit* target = text(box);
    const bool digits = target->maxLength() == 3;
    QTest::keyClicks(target, digits ? "7" : "A");
    QApplication::clipboard()->setText(inserted);
    if (how == "keys") {
      QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    } else if (how == "menu") {
      QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
      QCoreApplication::sendEvent(target, &request);
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu);
      for (QAction* action : menu->actions()) {
        if (action->text().startsWith("&Paste")) action->trigger();
      }
      menu->close();
    } else if (how == "insert") {
      target->insert(inserted);
      QCoreApplication::processEvents();  // reported once the box has undone the edit
    } else {
      QMimeData data;
      data.setText(inserted);
      const QPointF at(target->width() - 2, target->height() / 2.0);
      QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(target, &enter);
      QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(target, &drop);
    }
    QCOMPARE(target->text(), after);
    QCOMPARE(messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
    const bool refocused = !message.isEmpty() && !digits;
    QCOMPARE(fake_->focused.data(), refocused ? static_cast<QWidget*>(target) : nullptr);
  }

  void lookUpsCheckThePlaceThenSearch() {
    click("Command1");
    QCOMPARE(messageTexts(), QStringList{"Please Enter City"});
    QCOMPARE(fake_->focused.data(), static_cast<QWidget*>(text("txtMCity")));
    fillValid();
    text("txtFState")->clear();
    click("Command2");
    QCOMPARE(messageTexts().last(), QStringLiteral("Please Enter State"));
    QCOMPARE(fake_->focused.data(), static_cast<QWidget*>(text("txtFState")));
    QCOMPARE(fake_->webLookupsMade, 0);

    text("txtFState")->setText("Maharashtra");
    text("txtFCity")->setText("Pune");
    click("Command1");
    click("Command2");
    QCOMPARE(fake_->webLookupsMade, 2);  // a new look-up each time
    QCOMPARE(fake_->webLookups.size(), 2);
    QCOMPARE(fake_->webLookups[0].searchText, QStringLiteral("New Delhi Delhi India Latitude Longitude"));
    QCOMPARE(fake_->webLookups[1].searchText, QStringLiteral("Pune Maharashtra India Latitude Longitude"));
    QCOMPARE(fake_->webLookups[1].pageAddress, kSite + "home-page");
    QCOMPARE(messageTexts().size(), 2);
  }

  void analyzeClosesTheFormAndShowsTheFilledReport_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
  }
  void analyzeClosesTheFormAndShowsTheFilledReport() {
    QFETCH(bool, fromMenu);
    fillValid();
    combo("cboFYear")->setCurrentText("1979");
    text("txtFName")->setText("Priya");
    fromMenu ? trigger("mnuCalculate") : click("cmdCalculate");
    ProcessDeletions();
    QVERIFY(form_.isNull());
    QVERIFY(fake_->messages.isEmpty());
    auto* frame = OpenForm<astro::MDIForm1>(*fake_);
    QVERIFY(frame);
    QCOMPARE(fake_->modelessShown.last().data(), static_cast<QWidget*>(frame));
    astro::frmReport* report = frame->report();
    QCOMPARE(Child<QLabel>(report, "mName")->text(), QStringLiteral("Arjun"));
    QCOMPARE(Child<QLabel>(report, "fName")->text(), QStringLiteral("Priya"));
    QCOMPARE(Child<QLabel>(report, "mDOB")->text(), QStringLiteral("August 15, 1975"));
    QCOMPARE(Child<QLabel>(report, "fDOB")->text(), QStringLiteral("August 15, 1979"));
    QCOMPARE(Child<QLabel>(report, "Mcountry")->text(), QStringLiteral("India"));
    // The worked chart of the engines: Moon at 7 Sagittarius, ascendant 13 Sagittarius.
    QCOMPARE(shell::ArrayMember<QLabel>(report, "lblPlanetPosition_Male", 1)->text(), QStringLiteral("07 Sag 42"));
    QCOMPARE(shell::ArrayMember<QLabel>(report, "lblPlanetPosition_Male", 12)->text(), QStringLiteral("13 Sag 43"));
    QCOMPARE(Child<QLabel>(report, "lblPower")->text(), QStringLiteral("210"));
    QVERIFY(shell::ArrayMember<QLabel>(report, "lblPlanetPosition_Female", 1)->text() != "07 Sag 42");
    QCOMPARE(fake_->processEnds, 0);
  }

  void everyExitEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit") << "cmdNav";
    QTest::newRow("menu") << "mnuExit";
    QTest::newRow("close box") << "";
  }
  void everyExitEndsTheProgram() {
    QFETCH(QString, how);
    if (how.isEmpty()) {
      form_->close();
    } else if (how.startsWith("mnu")) {
      trigger(qPrintable(how));
    } else {
      shell::ArrayMember<QPushButton>(form_, how, 1)->click();
    }
    QVERIFY(fake_->openForms().isEmpty());
    QCOMPARE(fake_->processEnds, 1);
  }

  void helpMenuOpensThePagesAndTheAboutBox() {
    trigger("mnuOnline");
    trigger("mnuVisit");
    trigger("mnuUpdate");
    QCOMPARE(fake_->openedAddresses,
             (QStringList{kSite + "help-web-page", kSite + "home-page", kSite + "download-web-page"}));
    trigger("mnuAbout");
    QVERIFY(qobject_cast<shell::frmAbout*>(fake_->modalShown.value(0).data()));
  }
};

ZENTARA_GUI_TEST_MAIN(FrmMatchTest)
#include "frmMatch_test.moc"
