// The astro entry form: its load state and tab order, ValidateAstroEntries as
// the user meets it, the key filters and the paste rule, the look-up buttons, the
// calculation handing over to the report frame, Exit and the Help menu.
#include <QAction>
#include <functional>
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
#include "astro/match/frmPlaceLookup.h"
#include "astro/match/frmReport.h"
#include "gui_test_support.h"
#include "shell/frmAbout.h"
#include "platform/qt_text.h"
#include "site_config.h"

using namespace testing_support;
using astro::frmMatch;
using platform::Icon;

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
          {"Name", "Arjun"}, {"LD", "28"},       {"LM", "36"},         {"LoD", "77"},
          {"LoM", "13"},     {"City", "New Delhi"}, {"State", "Delhi"}, {"Country", "India"}};
      for (const auto& [field, value] : texts) text("txt" + sex + field)->setText(value);
      const std::pair<const char*, int> lists[] = {{"cbo%1Date", 14}, {"cbo%1Month", 7}, {"cbo%1Year", 74},
                                                   {"cbo%1HH", 14},   {"cbo%1MM", 30},   {"cmb%1TimeZone", 34}};
      for (const auto& [list, position] : lists) combo(QString::fromLatin1(list).arg(sex))->setCurrentIndex(position);
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
    for (const QString sex : {"M", "F"}) {
      const std::tuple<const char*, int, const char*, const char*> lists[] = {
          {"cbo%1Date", 31, "1", "31"}, {"cbo%1Month", 12, "January", "December"}, {"cbo%1Year", 150, "1901", "2050"},
          {"cbo%1HH", 24, "0", "23"},   {"cbo%1MM", 60, "0", "59"},
          {"cmb%1TimeZone", 71, "Alaska/Hawaii Daylight Time,AHDT,-9.0", "Yukon War Time,YWT,-8.0"}};
      for (const auto& [name, count, first, last] : lists) {
        QComboBox* box = combo(QString::fromLatin1(name).arg(sex));
        QVERIFY2(box && !box->isEditable() && box->currentIndex() == 0, name);
        QCOMPARE(QStringList({QString::number(box->count()), box->itemText(0), box->itemText(count - 1)}),
                 QStringList({QString::number(count), first, last}));
      }
      for (const char* field : {"Name", "LD", "LM", "LoD", "LoM", "City", "State", "Country"}) {
        QVERIFY2(text("txt" + sex + field)->text().isEmpty(), field);
        QCOMPARE(text("txt" + sex + field)->maxLength(), QString(field).contains('L') ? 3 : 32767);
      }
      auto* dst = form_->findChild<QCheckBox*>("chk" + sex + "DST");
      QVERIFY(dst->text() == "Daylight Saving Time" && !dst->isChecked());
      const QString ns = "opt" + sex + "Long", ew = "opt" + sex + "Lat";
      QCOMPARE(option(ns, 0)->text() + option(ns, 1)->text() + option(ew, 0)->text() + option(ew, 1)->text(),
               QStringLiteral("NorthSouthEastWest"));
      QVERIFY(option(ns, 0)->isChecked() && option(ew, 0)->isChecked());
    }
    QCOMPARE(Child<QPushButton>(form_, "Command2")->text(), QStringLiteral("Click here to find Latitude && Longitude"));
    QCOMPARE(Child<QPushButton>(form_, "cmdCalculate")->text(), QStringLiteral("Analyze Compatibility"));
    QCOMPARE(shell::ArrayMember<QPushButton>(form_, "cmdNav", 1)->text(), QStringLiteral("Exit"));
    QStringList menus;
    for (const char* name : {"mnuCalculate", "mnuExit", "mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout"}) {
      menus << form_->findChild<QAction*>(name)->text();
    }
    QCOMPARE(menus, (QStringList{"&Analyze Compatibility", "&Exit", "&Online Help", "&Visit Us Online",
                                 "Check for Software &Update", "&About Software"}));
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
    QTest::addColumn<QString>("cleared");  // a box emptied; "" for the date case
    QTest::addColumn<QString>("message");
    QTest::newRow("male name") << "txtMName" << "Please Enter Male Name";
    QTest::newRow("male longitude minutes") << "txtMLoM" << "Please Enter Minute in Longitude";
    QTest::newRow("female longitude minutes") << "txtFLoM" << "Please Enter Minutes in Longitude";
    QTest::newRow("female country") << "txtFCountry" << "Please Enter Country";
    QTest::newRow("male 31 April") << "" << "Please Enter Your Correct Date Or Month !";
  }
  void failedChecksShowTheirMessageAndFocus() {
    QFETCH(QString, cleared);
    QFETCH(QString, message);
    fillValid();
    cleared.isEmpty() ? combo("cboMMonth")->setCurrentText("April") : text(cleared)->clear();
    combo("cboMDate")->setCurrentText("31");
    click("cmdCalculate");
    QCOMPARE(messageTexts(), QStringList{message});
    QCOMPARE(fake_->messages[0].icon, cleared.isEmpty() ? Icon::Information : Icon::Critical);
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
    QVERIFY(option("optFLat", 0)->isChecked() && !fake_->calls.contains("focus"));
  }

  void keyFiltersDiscardRefusedKeys() {
    QTest::keyClicks(text("txtMCity"), "Rio 2");
    QCOMPARE(text("txtMCity")->text(), QStringLiteral("Rio "));
    QCOMPARE(fake_->messages.value(0).icon, Icon::Critical);
    QCOMPARE(fake_->focused.data(), static_cast<QWidget*>(text("txtMCity")));
    fake_->focused = nullptr;
    QTest::keyClicks(text("txtFLD"), "-1.23");  // the fourth digit does not fit
    QTest::keyClick(text("txtFLD"), Qt::Key_Backspace);
    QCOMPARE(text("txtFLD")->text(), QStringLiteral("12"));
    QCOMPARE(messageTexts(), (QStringList{"Please enter only letters", "Please enter only numbers",
                                          "Please enter only numbers"}));
    QVERIFY(fake_->focused.isNull());
  }

  // The box holds "7" (digits) or "A" (letters), typed, before the text comes.
  void pastedAndDroppedTextsAreJudgedWhole_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::newRow("digits pasted") << "txtMLD" << "45" << "keys" << "745" << "";
    QTest::newRow("letter in digits, cut to fit") << "txtMLD" << "12a" << "keys" << "7" << "Please enter only numbers";
    QTest::newRow("minus dropped") << "txtFLoM" << "-5" << "drop" << "7" << "Please enter only numbers";
    QTest::newRow("place from the menu") << "txtMCity" << " New York" << "menu" << "A New York" << "";
    QTest::newRow("post code from the menu") << "txtFState" << "Delhi 110001" << "menu" << "A"
                                             << "Please enter only letters";
    QTest::newRow("any other way") << "txtMLM" << "1x" << "insert" << "7" << "Please enter only numbers";
  }
  void pastedAndDroppedTextsAreJudgedWhole() {
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
      const QPoint at(target->width() - 2, target->height() / 2);
      QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(target, &enter);
      QCoreApplication::sendEvent(target, &drop);
    }
    QCOMPARE(target->text(), after);
    QCOMPARE(messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
    const bool refocused = !message.isEmpty() && !digits;
    QCOMPARE(fake_->focused.data(), refocused ? static_cast<QWidget*>(target) : nullptr);
  }

  void lookUpsCheckThePlaceThenOpenTheLookUpWindow() {
    click("Command1");
    QCOMPARE(messageTexts(), QStringList{"Please Enter City"});
    QCOMPARE(fake_->focused.data(), static_cast<QWidget*>(text("txtMCity")));
    fillValid();
    text("txtFState")->clear();
    click("Command2");
    QCOMPARE(messageTexts().value(1), QStringLiteral("Please Enter State"));
    QCOMPARE(fake_->focused.data(), static_cast<QWidget*>(text("txtFState")));
    QVERIFY(fake_->modalShown.isEmpty());
    text("txtFState")->setText("Maharashtra");
    click("Command2");
    auto* window = qobject_cast<astro::frmPlaceLookup*>(fake_->modalShown.value(0).data());
    QVERIFY(window && fake_->messages.size() == 2 && fake_->webLookupsMade == 0);
    QCOMPARE(Child<QLabel>(window, "lblHeading")->text() + " " + Child<QLineEdit>(window, "txtLookupState")->text(),
             QStringLiteral("Find the Place of Birth: Female Maharashtra"));
  }

  void analyzeClosesTheFormAndShowsTheFilledReport() {
    fillValid();
    combo("cboFYear")->setCurrentText("1979");
    trigger("mnuCalculate");
    ProcessDeletions();
    QVERIFY(form_.isNull() && fake_->messages.isEmpty() && fake_->processEnds == 0);
    auto* frame = OpenForm<astro::MDIForm1>(*fake_);
    QVERIFY(frame && fake_->modelessShown.last().data() == frame);
    // The engines' worked chart for the male: Moon at 7 Sagittarius, so Power 210.
    const auto* report = frame->report();
    QCOMPARE(QStringList({Child<QLabel>(report, "mDOB")->text(), Child<QLabel>(report, "fDOB")->text(),
                          shell::ArrayMember<QLabel>(report, "lblPlanetPosition_Male", 1)->text(),
                          Child<QLabel>(report, "lblPower")->text()}),
             QStringList({"August 15, 1975", "August 15, 1979", "07 Sag 42", "210"}));
    QVERIFY(shell::ArrayMember<QLabel>(report, "lblPlanetPosition_Female", 1)->text() != "07 Sag 42");
  }

  // A remembered "Positions on the Equinox of Date" gives the report the
  // positions of date, says so, and has its menu entry checked.
  void analyzeUsesTheRememberedEquinox() {
    fake_->settings[platform::FakePlatform::settingKey("zentara", "Settings", "PositionsEquinox")] = "date";
    fillValid();
    trigger("mnuCalculate");
    ProcessDeletions();
    auto* frame = OpenForm<astro::MDIForm1>(*fake_);
    QVERIFY(frame);
    QCOMPARE(QStringList({shell::ArrayMember<QLabel>(frame->report(), "lblPlanetPosition_Male", 0)->text(),
                          Child<QLabel>(frame->report(), "lblEquinox")->text()}),
             QStringList({"21 Leo 55", "Positions of date, true to the sky; scores use these positions"}));
    QVERIFY(frame->findChild<QAction*>("mnuEquinoxOfDate")->isChecked());
  }

  void everyExitEndsTheProgram() {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"close box", [this] { form_->close(); }},
        {"menu", [this] { trigger("mnuExit"); }},
        {"Exit", [this] { shell::ArrayMember<QPushButton>(form_, "cmdNav", 1)->click(); }}};
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
    QVERIFY(qobject_cast<shell::frmAbout*>(fake_->modalShown.value(0).data()));
  }
};

ZENTARA_GUI_TEST_MAIN(FrmMatchTest)
#include "frmMatch_test.moc"
