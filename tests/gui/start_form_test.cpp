// Start-up order, the start form and the way out of the program.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "astro/match/frmMatch.h"
#include "gui_test_support.h"
#include "numerology/frmMain.h"
#include "platform/qt_text.h"
#include "reports/scramble.h"
#include "site_config.h"
#include "shell/application_icon.h"
#include "shell/exit_application.h"
#include "shell/frmAbout.h"
#include "shell/frmAtFirst.h"
#include "shell/startup.h"

using namespace testing_support;
using platform::Buttons;
using platform::Icon;
using shell::frmAtFirst;

class StartFormTest : public QObject {
  Q_OBJECT
  std::unique_ptr<platform::FakePlatform> holder_;
  platform::FakePlatform* fake_ = nullptr;

  frmAtFirst* startForm() { return OpenForm<frmAtFirst>(*fake_); }

 private slots:
  void init() { fake_ = &FreshPlatform(holder_); }

  void secondCopyIsRefusedAndEnds() {
    fake_->anotherCopy = true;
    QVERIFY(!shell::RunStartup());
    QCOMPARE(fake_->messages.size(), 1);
    QCOMPARE(fake_->messages[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(fake_->messages[0].icon, Icon::Information);
    QCOMPARE(fake_->messages[0].buttons, Buttons::Ok);
    QCOMPARE(fake_->processEnds, 1);
    // Nothing else happens: no reminder, no start form.
    QCOMPARE(fake_->calls, (QStringList{"message", "endProcess"}));
    QVERIFY(fake_->openForms().isEmpty());
  }

  void reminderRunsBeforeTheStartFormIsShown() {
    // A reminder 20 days old asks its question; the start form comes after it.
    fake_->settings.insert(
        platform::FakePlatform::settingKey("zentara", "Settings", platform::ToQt(zentara::ScrambleUtf8(platform::ToStd("Duration")))),
        platform::ToQt(zentara::ScrambleUtf8(platform::ToStd(fake_->shortDateText(fake_->todayDate.addDays(-20))))));
    QVERIFY(shell::RunStartup());
    const qsizetype question = fake_->calls.indexOf("message");
    const qsizetype shown = fake_->calls.indexOf("showModeless");
    QVERIFY2(question >= 0 && shown > question, qPrintable(fake_->calls.join(',')));
    QVERIFY(fake_->messages[0].text.startsWith("There maybe an update"));
    QVERIFY(startForm() != nullptr);
    QCOMPARE(fake_->modelessShown.value(0).data(), static_cast<QWidget*>(startForm()));
  }

  void startFormLoadsWithItsDefaults() {
    auto* form = new frmAtFirst();
    QCOMPARE(form->windowTitle(), QStringLiteral("QM Zentara Software v2.05"));
    const auto* month = Child<QComboBox>(form, "cboMonth");
    const auto* date = Child<QComboBox>(form, "cboDate");
    const auto* year = Child<QComboBox>(form, "cboYear");
    QCOMPARE(month->count(), 12);
    QCOMPARE(month->itemText(11), QStringLiteral("December"));
    QCOMPARE(date->count(), 31);
    QCOMPARE(date->itemText(30), QStringLiteral("31"));
    QCOMPARE(year->count(), 115);
    QCOMPARE(year->itemText(0), QStringLiteral("1936"));
    QCOMPARE(year->itemText(114), QStringLiteral("2050"));
    QCOMPARE(month->currentText(), QStringLiteral("January"));
    QCOMPARE(date->currentText(), QStringLiteral("1"));
    QCOMPARE(year->currentText(), QStringLiteral("1936"));
    QCOMPARE(Child<QLineEdit>(form, "txtName")->text(), QStringLiteral("a"));
    QCOMPARE(Child<QPushButton>(form, "cmdProceed")->text(), QStringLiteral("&Proceed"));
    for (const char* group : {"optOptions", "optSex"}) {
      for (int i = 0; i < 2; ++i) {
        auto* option = shell::ArrayMember<QRadioButton>(form, group, i);
        QVERIFY2(option && !option->isChecked(), group);
      }
    }
    QCOMPARE(shell::ArrayMember<QRadioButton>(form, "optOptions", 0)->text(),
             QStringLiteral("Astro Match Compatibility"));
    QCOMPARE(shell::ArrayMember<QRadioButton>(form, "optOptions", 1)->text(),
             QStringLiteral("Numerology Match Compatibility"));
  }

  void proceedWithoutAChoiceAsksForOne() {
    auto* form = new frmAtFirst();
    QTest::mouseClick(Child<QPushButton>(form, "cmdProceed"), Qt::LeftButton);
    QCOMPARE(fake_->messages.size(), 1);
    QCOMPARE(fake_->messages[0].text, QStringLiteral("Please Select One Option"));
    QCOMPARE(fake_->messages[0].icon, Icon::Information);
    QCOMPARE(fake_->focused.data(), static_cast<QWidget*>(Child<QPushButton>(form, "cmdProceed")));
    QCOMPARE(fake_->openForms(), (QList<QWidget*>{form}));
  }

  void proceedOpensTheChosenForm_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("opened");
    QTest::newRow("astro") << 0 << "frmMatch";
    QTest::newRow("numerology") << 1 << "frmMain";
  }
  void proceedOpensTheChosenForm() {
    QFETCH(int, option);
    QFETCH(QString, opened);
    QPointer<frmAtFirst> form = new frmAtFirst();
    // Whatever else is on the form does not matter.
    Child<QLineEdit>(form, "txtName")->clear();
    form->optOptions(option)->setChecked(true);
    form->cmdProceed_Click();
    ProcessDeletions();
    QVERIFY(form.isNull());
    QCOMPARE(fake_->openForms().size(), 1);
    QCOMPARE(fake_->openForms()[0]->objectName(), opened);
    QCOMPARE(fake_->modelessShown.last()->objectName(), opened);
    QCOMPARE(fake_->processEnds, 0);
  }

  void closingTheStartFormEndsTheProgram() {
    QPointer<frmAtFirst> form = new frmAtFirst();
    QPointer<shell::frmAbout> about = new shell::frmAbout();
    form->close();
    ProcessDeletions();
    QVERIFY(form.isNull());
    QVERIFY(about.isNull());
    QCOMPARE(fake_->processEnds, 1);
  }

  void exitApplicationUnloadsEveryFormInOrder() {
    QList<QPointer<QWidget>> forms = {new frmAtFirst(), new numerology::frmMain(),
                                      new shell::frmAbout()};
    QStringList unloadOrder;
    for (const auto& form : forms) {
      connect(form.data(), &QObject::destroyed, this,
              [&unloadOrder, name = form->objectName()] { unloadOrder << name; });
    }
    shell::ExitApplication();
    QVERIFY(fake_->openForms().isEmpty());
    ProcessDeletions();
    QCOMPARE(unloadOrder, (QStringList{"frmAtFirst", "frmMain", "frmAbout"}));
    QCOMPARE(fake_->processEnds, 1);
    QCOMPARE(fake_->calls.count("endProcess"), 1);
  }

  void aboutBoxOpensTheHomePageAndClosesOnOk() {
    shell::frmAbout::ShowModal(nullptr);
    auto* about = OpenForm<shell::frmAbout>(*fake_);
    QVERIFY(about);
    QCOMPARE(fake_->modalShown.last().data(), static_cast<QWidget*>(about));
    about->lblHomePage_Click();
    QCOMPARE(fake_->openedAddresses,
             QStringList{platform::ToQt(zentara::MakerSiteAddress) + "/qm-free-zentara/ssd.php?page=home-page"});
    QTest::mouseClick(Child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    QVERIFY(fake_->openForms().isEmpty());
    QCOMPARE(fake_->processEnds, 0);
  }

  void aboutBoxShowsTheProgramsIcon() {
    auto* about = new shell::frmAbout();
    const QImage shown = Child<QLabel>(about, "picIcon")->pixmap().toImage();
    const QImage icon = shell::ApplicationPicture(72, about->devicePixelRatioF()).toImage();
    QCOMPARE(shown, icon);
    // Drawn from the built-in SVG, not left an empty square: its middle is opaque sky.
    QCOMPARE(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255);
  }
};

ZENTARA_GUI_TEST_MAIN(StartFormTest)
#include "start_form_test.moc"
