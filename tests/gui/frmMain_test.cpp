// The numerology entry form: its load state, ValidateEntries as the user meets
// it (message, icon, focus), Back, Exit and the Help menu.
#include <QAction>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "gui_test_support.h"
#include "numerology/frmMain.h"
#include "shell/frmAbout.h"
#include "shell/frmAtFirst.h"
#include "platform/qt_text.h"
#include "site_config.h"

using namespace testing_support;
using numerology::frmMain;

class FrmMainTest : public QObject {
  Q_OBJECT
  std::unique_ptr<platform::FakePlatform> holder_;
  platform::FakePlatform* fake_ = nullptr;
  QPointer<frmMain> form_;

  QLineEdit* text(const char* name) { return Child<QLineEdit>(form_, name); }
  QComboBox* combo(const char* name) { return Child<QComboBox>(form_, name); }
  void click(const char* name) { QTest::mouseClick(Child<QPushButton>(form_, name), Qt::LeftButton); }
  void trigger(const char* name) { form_->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
  void fillValid() {
    text("txtMF")->setText("John");
    text("txtML")->setText("Smith");
    text("txtFF")->setText("Mary");
    text("txtFL")->setText("Smith");
  }

 private slots:
  void init() {
    fake_ = &FreshPlatform(holder_);
    form_ = new frmMain();
  }

  void loadsWithItsDefaults() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("QM Zentara Software v2.05"));
    for (const char* name : {"txtMF", "txtMM", "txtML", "txtFF", "txtFM", "txtFL"}) {
      QVERIFY2(text(name) && text(name)->text().isEmpty(), name);
    }
    for (const char* name : {"cboMD", "cboFD", "cboMMD"}) {
      QCOMPARE(combo(name)->count(), 31);
      QCOMPARE(combo(name)->itemText(30), QStringLiteral("31"));
    }
    for (const char* name : {"cboMM", "cboFM", "cboMMM"}) {
      QCOMPARE(combo(name)->count(), 12);
      QCOMPARE(combo(name)->itemText(1), QStringLiteral("February"));
    }
    for (const char* name : {"cboMY", "cboFY", "cboMMY"}) {
      QCOMPARE(combo(name)->count(), 151);
      QCOMPARE(combo(name)->itemText(0), QStringLiteral("1900"));
      QCOMPARE(combo(name)->itemText(150), QStringLiteral("2050"));
    }
    for (const char* sex : {"M", "F"}) {
      const QByteArray prefix = QByteArray("cbo") + sex;
      QCOMPARE(combo(prefix + "M")->currentText(), QStringLiteral("January"));
      QCOMPARE(combo(prefix + "D")->currentText(), QStringLiteral("1"));
      QCOMPARE(combo(prefix + "Y")->currentText(), QStringLiteral("1900"));
    }
    for (const char* name : {"cboMMD", "cboMMM", "cboMMY"}) {
      QCOMPARE(combo(name)->currentIndex(), -1);
      QVERIFY(combo(name)->currentText().isEmpty());
    }
    const std::pair<const char*, const char*> captions[] = {
        {"cmdLP", "LifePath Compatibility"}, {"cmdD", "Destiny Compatibility"},
        {"cmdCR", "Comprehensive Reading"},  {"cmdOpen", "&Open Previously Saved Reading"},
        {"cmdBack", "&Back"},                {"cmdExit", "Exit"},
        {"cmdNav", "Exit"},
    };
    for (const auto& [name, caption] : captions) {
      QCOMPARE(Child<QPushButton>(form_, name)->text(), QString::fromLatin1(caption));
    }
  }

  void typedTextIsNeverAddedToAList() {
    combo("cboMD")->setEditText("32");
    QTest::keyClick(combo("cboMD"), Qt::Key_Return);
    QCOMPARE(combo("cboMD")->count(), 31);
    QCOMPARE(combo("cboMD")->currentText(), QStringLiteral("32"));
  }

  // The lists complete nothing: a typed prefix of an item stays as typed. Their
  // popup lists, made when first opened, hold every item.
  void typedPrefixIsNotCompletedAndThePopupHoldsTheList() {
    QComboBox* month = combo("cboMM");
    month->setFocus();
    month->lineEdit()->clear();
    QTest::keyClicks(month, QStringLiteral("Ma"));
    QCOMPARE(month->currentText(), QStringLiteral("Ma"));
    QCOMPARE(month->completer(), nullptr);
    month->showPopup();
    QTRY_VERIFY(month->view()->isVisible());
    QCOMPARE(month->view()->model()->rowCount(), 12);
    month->hidePopup();
  }

  void everyBlankFieldGetsItsMessageAndFocus_data() {
    QTest::addColumn<QString>("cleared");  // the last field emptied, all later ones filled
    QTest::addColumn<QString>("message");
    QTest::newRow("male first") << "txtMF" << "Male: First Name cannot be blank";
    QTest::newRow("male last") << "txtML" << "Male: Last Name cannot be blank";
    QTest::newRow("female first") << "txtFF" << "Female: First Name cannot be blank";
    QTest::newRow("female last") << "txtFL" << "Female: Last Name cannot be blank";
    QTest::newRow("male day") << "cboMD" << "Male: Date of Birth cannot be blank";
    QTest::newRow("male month") << "cboMM" << "Male: Month of Birth cannot be blank";
    QTest::newRow("male year") << "cboMY" << "Male: Year of Birth cannot be blank";
    QTest::newRow("female day") << "cboFD" << "Female: Date of Birth cannot be blank";
    QTest::newRow("female month") << "cboFM" << "Female: Month of Birth cannot be blank";
    QTest::newRow("female year") << "cboFY" << "Female: Year of Birth cannot be blank";
  }
  void everyBlankFieldGetsItsMessageAndFocus() {
    QFETCH(QString, cleared);
    QFETCH(QString, message);
    fillValid();
    QWidget* control = form_->findChild<QWidget*>(cleared);
    if (auto* box = qobject_cast<QLineEdit*>(control)) box->clear();
    if (auto* box = qobject_cast<QComboBox*>(control)) box->setEditText(QString());
    click("cmdLP");
    QCOMPARE(fake_->messages.size(), 1);
    QCOMPARE(fake_->messages[0].text, message);
    QCOMPARE(fake_->messages[0].icon, platform::Icon::Information);
    QCOMPARE(fake_->messages[0].buttons, platform::Buttons::Ok);
    QCOMPARE(fake_->focused.data(), control);
  }

  void allEmptyShowsOnlyTheFirstMessage() {
    click("cmdCR");
    QCOMPARE(fake_->messages.size(), 1);
    QCOMPARE(fake_->messages[0].text, QStringLiteral("Male: First Name cannot be blank"));
    QCOMPARE(fake_->focused.data(), static_cast<QWidget*>(text("txtMF")));
  }

  void datesAreJudgedByListPosition_data() {
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::newRow("male 29 Feb 1900") << "M" << "February" << "29" << "1900" << "";
    QTest::newRow("male 29 Feb 1901") << "M" << "February" << "29" << "1901"
                                      << "Please Enter Your Correct Date Or Month!";
    QTest::newRow("male 30 Feb 1904") << "M" << "February" << "30" << "1904"
                                      << "Please Enter your Correct Date Or Month!";
    QTest::newRow("male 31 Apr") << "M" << "April" << "31" << "1990"
                                 << "Please Enter Your Correct Date Or Month !";
    QTest::newRow("female 31 Jun") << "F" << "June" << "31" << "1971"
                                   << "Please Enter Your Partner's Correct Date Or Month !";
    QTest::newRow("female 29 Feb 1901") << "F" << "February" << "29" << "1901"
                                        << "Please Enter Your Partner's Correct Date Or Month!";
    QTest::newRow("typed day no item") << "M" << "February" << "31 " << "1901" << "";
  }
  void datesAreJudgedByListPosition() {
    QFETCH(QString, sex);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, year);
    QFETCH(QString, message);
    fillValid();
    combo(qPrintable("cbo" + sex + "M"))->setCurrentText(month);
    combo(qPrintable("cbo" + sex + "D"))->setEditText(day);
    combo(qPrintable("cbo" + sex + "Y"))->setCurrentText(year);
    QCOMPARE(form_->ValidateEntries(), message.isEmpty());
    if (message.isEmpty()) {
      QVERIFY(fake_->messages.isEmpty());
      return;
    }
    QCOMPARE(fake_->messages.size(), 1);
    QCOMPARE(fake_->messages[0].text, message);
    QCOMPARE(fake_->messages[0].icon, platform::Icon::Information);
    QVERIFY(!fake_->calls.contains("focus"));
  }

  void everyReadingCommandChecksTheEntries() {
    for (const char* command : {"cmdLP", "cmdD", "cmdCR"}) click(command);
    for (const char* entry : {"mnuLP", "mnuD", "mnuCR"}) trigger(entry);
    QCOMPARE(fake_->messages.size(), 6);
    for (const auto& message : fake_->messages) {
      QCOMPARE(message.text, QStringLiteral("Male: First Name cannot be blank"));
    }
  }

  void backShowsAFreshStartFormAndKeepsTheProgram() {
    text("txtMF")->setText("John");
    click("cmdBack");
    ProcessDeletions();
    QVERIFY(form_.isNull());
    auto* start = OpenForm<shell::frmAtFirst>(*fake_);
    QVERIFY(start);
    QCOMPARE(Child<QLineEdit>(start, "txtName")->text(), QStringLiteral("a"));
    QCOMPARE(fake_->processEnds, 0);
  }

  void everyExitEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit") << "cmdExit";
    QTest::newRow("second Exit") << "cmdNav";
    QTest::newRow("menu") << "mnuExit";
    QTest::newRow("close box") << "";
  }
  void everyExitEndsTheProgram() {
    QFETCH(QString, how);
    new shell::frmAbout();  // any other open form goes too
    if (how.isEmpty()) {
      form_->close();
    } else if (how.startsWith("mnu")) {
      trigger(qPrintable(how));
    } else {
      click(qPrintable(how));
    }
    QVERIFY(fake_->openForms().isEmpty());
    QCOMPARE(fake_->processEnds, 1);
  }

  void helpMenuOpensThePagesAndTheAboutBox() {
    trigger("mnuOnline");
    trigger("mnuVisit");
    trigger("mnuUpdate");
    const QString site = platform::ToQt(zentara::MakerSiteAddress) + "/qm-free-zentara/ssd.php?page=";
    QCOMPARE(fake_->openedAddresses, (QStringList{site + "help-web-page", site + "home-page",
                                                  site + "download-web-page"}));
    trigger("mnuAbout");
    QVERIFY(qobject_cast<shell::frmAbout*>(fake_->modalShown.value(0).data()));
    const std::pair<const char*, const char*> captions[] = {
        {"mnuOnline", "&Online help"}, {"mnuVisit", "&Visit us Online"},
        {"mnuUpdate", "Check for Software &Update"}, {"mnuAbout", "&About Software"},
        {"mnuCR", "&Comprehensive Reading"}, {"mnuLP", "&LifePath Compatibility"},
        {"mnuD", "&Destiny Compatibility"}, {"mnuBack", "&Back"}, {"mnuExit", "E&xit"},
    };
    for (const auto& [name, caption] : captions) {
      QCOMPARE(form_->findChild<QAction*>(name)->text(), QString::fromLatin1(caption));
    }
  }
};

ZENTARA_GUI_TEST_MAIN(FrmMainTest)
#include "frmMain_test.moc"
