// The update reminder: when it asks, what it stores, what Yes and No do.
#include "gui_test_support.h"
#include "platform/qt_text.h"
#include "reports/scramble.h"
#include "site_config.h"
#include "web/web_commands.h"

using namespace testing_support;

namespace {

// "Duration" as the settings store holds it: each character moved up 85 places
// in Windows-1252 and read back as Unicode.
const QString kScrambledName = QString::fromUtf8("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

}  // namespace

class UpdateReminderTest : public QObject {
  Q_OBJECT
  std::unique_ptr<platform::FakePlatform> holder_;
  platform::FakePlatform* fake_ = nullptr;

  QString key() const { return platform::FakePlatform::settingKey("zentara", "Settings", kScrambledName); }
  void storeRaw(const QString& unscrambled) {
    fake_->settings.insert(key(), platform::ToQt(zentara::ScrambleUtf8(platform::ToStd(unscrambled))));
  }
  void storeDaysFromToday(int days) { storeRaw(fake_->shortDateText(fake_->todayDate.addDays(days))); }
  QString storedText() const { return platform::ToQt(zentara::UnscrambleUtf8(platform::ToStd(fake_->settings.value(key())))); }
  QString todayText() const { return fake_->shortDateText(fake_->todayDate); }
  QString downloadPage() const {
    return platform::ToQt(zentara::MakerSiteAddress) + "/qm-free-zentara/ssd.php?page=download-web-page";
  }

 private slots:
  void init() { fake_ = &FreshPlatform(holder_); }

  void firstRunStoresTodaySilently() {
    web::RemindOfUpdate();
    QVERIFY(fake_->messages.isEmpty());
    QCOMPARE(fake_->settings.keys(), QStringList{key()});
    QCOMPARE(storedText(), todayText());
    // The stored text is scrambled: the date itself does not appear.
    QVERIFY(!fake_->settings.value(key()).contains(QString::number(fake_->todayDate.year())));
  }

  void asksOnlyFifteenDaysOrMoreAway_data() {
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("asks");
    QTest::newRow("today") << 0 << false;
    QTest::newRow("14 days past") << -14 << false;
    QTest::newRow("15 days past") << -15 << true;
    QTest::newRow("a year past") << -365 << true;
    QTest::newRow("14 days ahead") << 14 << false;
    QTest::newRow("15 days ahead") << 15 << true;
  }
  void asksOnlyFifteenDaysOrMoreAway() {
    QFETCH(int, days);
    QFETCH(bool, asks);
    storeDaysFromToday(days);
    const QString before = fake_->settings.value(key());
    web::RemindOfUpdate();
    if (!asks) {
      QVERIFY(fake_->messages.isEmpty());
      QCOMPARE(fake_->settings.value(key()), before);
      QVERIFY(!fake_->calls.contains("writeSetting"));
      return;
    }
    QCOMPARE(fake_->messages.size(), 1);
    QCOMPARE(fake_->messages[0].text, kQuestion);
    QCOMPARE(fake_->messages[0].icon, platform::Icon::Information);
    QCOMPARE(fake_->messages[0].buttons, platform::Buttons::YesNo);
    QCOMPARE(storedText(), todayText());
  }

  void yesStoresTodayThenOpensTheDownloadPage() {
    storeDaysFromToday(-30);
    fake_->answers = {platform::Answer::Yes};
    web::RemindOfUpdate();
    QCOMPARE(fake_->openedAddresses, QStringList{downloadPage()});
    QCOMPARE(storedText(), todayText());
    QVERIFY(fake_->calls.indexOf("writeSetting") < fake_->calls.indexOf("openAddress"));
  }

  void noStoresTodayAndOpensNothing() {
    storeDaysFromToday(-30);
    fake_->answers = {platform::Answer::No};
    web::RemindOfUpdate();
    QVERIFY(fake_->openedAddresses.isEmpty());
    QCOMPARE(storedText(), todayText());
  }

  void asksAtMostOnceOnTheSameDay() {
    storeDaysFromToday(-40);
    web::RemindOfUpdate();
    web::RemindOfUpdate();
    web::RemindOfUpdate();
    QCOMPARE(fake_->messages.size(), 1);
  }

  void unreadableDateCountsAsFirstRun_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("another format") << "2026-11-01";
    QTest::newRow("not a date") << "soon";
    QTest::newRow("impossible date") << "2/30/2026";
  }
  void unreadableDateCountsAsFirstRun() {
    QFETCH(QString, stored);
    storeRaw(stored);
    web::RemindOfUpdate();
    QVERIFY(fake_->messages.isEmpty());
    QCOMPARE(storedText(), todayText());
  }
};

ZENTARA_GUI_TEST_MAIN(UpdateReminderTest)
#include "update_reminder_test.moc"
