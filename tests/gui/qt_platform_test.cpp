// The desktop program's own platform: the single-copy claim, the settings store,
// the short date text, the save dialog's chosen file type and its header picture,
// against Qt's test locations.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QHeaderView>
#include <QIcon>
#include <QTreeView>
#include <QLineEdit>
#include <QTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QUuid>

#include "gui_test_support.h"
#include "platform/qt_platform.h"
#include "platform/qt_text.h"
#include "reports/scramble.h"

class QtPlatformTest : public QObject {
  Q_OBJECT

  static QString uniqueName() { return "zentara-test-" + QUuid::createUuid().toString(QUuid::Id128); }
  static QString lockPath(const QString& name) {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/" + name + ".lock";
  }

 private slots:
  void secondClaimOnTheSameNameIsRefused() {
    const QString name = uniqueName();
    platform::QtPlatform first(name);
    platform::QtPlatform second(name);
    platform::QtPlatform other(uniqueName());
    QVERIFY(!first.anotherCopyRunning());
    QVERIFY(!first.anotherCopyRunning());  // asking again does not refuse itself
    QVERIFY(second.anotherCopyRunning());
    QVERIFY(!other.anotherCopyRunning());
  }

  void claimIsReleasedWhenTheCopyEnds() {
    const QString name = uniqueName();
    { platform::QtPlatform first(name); QVERIFY(!first.anotherCopyRunning()); }
    platform::QtPlatform next(name);
    QVERIFY(!next.anotherCopyRunning());
  }

  void lockLeftByACrashedCopyIsTakenOver() {
    // A lock file naming a process that no longer exists, as a crash leaves it.
    QProcess finished;
    finished.start("true");
    QVERIFY(finished.waitForFinished());
    const qint64 deadPid = finished.processId() > 0 ? finished.processId() : 999999;
    const QString name = uniqueName();
    QDir().mkpath(QFileInfo(lockPath(name)).path());
    QFile lock(lockPath(name));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\nzentara\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    platform::QtPlatform next(name);
    QVERIFY(!next.anotherCopyRunning());
  }

  // Only a live copy keeps another out: a damaged lock file or a folder in
  // the lock's place is taken over, not left to lock the user out for good.
  void aDamagedLockIsTakenOver_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("folder");
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("random bytes") << QByteArray("\x8f\x02\xffz\n\x01\x93", 7) << false;
    QTest::newRow("no process number") << QByteArray("zentara\nhost\n") << false;
    QTest::newRow("folder") << QByteArray() << true;
  }
  void aDamagedLockIsTakenOver() {
    QFETCH(QByteArray, content);
    QFETCH(bool, folder);
    const QString name = uniqueName();
    const QString path = lockPath(name);
    QDir().mkpath(QFileInfo(path).path());
    if (folder) {
      QVERIFY(QDir().mkpath(path + "/inside"));
    } else {
      QFile lock(path);
      QVERIFY(lock.open(QIODevice::WriteOnly));
      QVERIFY(lock.write(content) == content.size() && lock.flush());
      // Written a minute ago: no copy is still in the middle of writing it.
      QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    }
    platform::QtPlatform next(name);
    QVERIFY(!next.anotherCopyRunning());
    platform::QtPlatform second(name);
    QVERIFY(second.anotherCopyRunning());  // and the lock taken over keeps the next copy out
  }

  void settingsRoundTripWithScrambledNames() {
    platform::QtPlatform desktop(uniqueName());
    const QString application = uniqueName();
    const QString name = QString::fromUtf8("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
    const QString value = QString::fromUtf8("\u2020\u201E\u2021\u0152\u008D");
    QCOMPARE(desktop.readSetting(application, "Settings", name), QString());
    desktop.writeSetting(application, "Settings", name, value);
    QCOMPARE(desktop.readSetting(application, "Settings", name), value);
    QCOMPARE(desktop.readSetting(application, "Other", name), QString());
  }

  void shortDateTextReadsBackToTheSameDate() {
    platform::QtPlatform desktop(uniqueName());
    for (const QDate date : {QDate(2026, 12, 7), QDate(1999, 1, 31), QDate(2030, 2, 28)}) {
      const QString text = desktop.shortDateText(date);
      QVERIFY2(text.contains(QString::number(date.year())), qPrintable(text));  // four-digit year
      QCOMPARE(desktop.readShortDate(text), std::optional<QDate>(date));
    }
    QVERIFY(!desktop.readShortDate("no date").has_value());
    QVERIFY(!desktop.readShortDate("").has_value());
  }

  // The dialog opens in the folder asked for with the name suggested, without
  // extension; the user picks the second file type and accepts the name.
  void saveDialogTellsTheChosenFileTypeAndGivesItsExtension() {
    platform::QtPlatform desktop(uniqueName());
    QTemporaryDir folder;
    QString seen;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      seen = dialog->nameFilters().join(u';') + " in " + dialog->directory().path() + " as " + name->text();
      auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      QTest::keyClick(types, Qt::Key_Down);
      QTest::keyClick(name, Qt::Key_Return);
    });
    const platform::SaveChoice choice = desktop.saveFileChoice(
        nullptr, {"SVG Picture (*.svg)|*.svg|PNG Picture (*.png)|*.png", "svg", platform::FileFlags::OverwritePrompt,
                  "Save", "wheel", folder.path()});
    QCOMPARE(seen, "SVG Picture (*.svg);PNG Picture (*.png) in " + folder.path() + " as wheel");
    QCOMPARE(choice.filterIndex, 1);
    QCOMPARE(choice.path, folder.filePath("wheel.png"));
  }

  // The list header of every file dialog shows one picture for the whole run,
  // which the picture cache finds again instead of keeping one more a dialog.
  // A dialog given no folder, or one that is gone, opens in the user's
  // documents or home folder, never in the folder the program runs in.
  void everyFileDialogShowsTheSameHeaderPicture() {
    platform::QtPlatform desktop(uniqueName());
    QList<qint64> pictures;
    QStringList folders;
    for (const QString& folder : {QString(), QStringLiteral("/no/such/folder")}) {
      QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!shown) return;
        const QAbstractItemModel* list = shown->findChild<QTreeView*>()->header()->model();
        pictures << qvariant_cast<QIcon>(list->headerData(0, Qt::Horizontal, Qt::DecorationRole)).cacheKey();
        folders << shown->directory().absolutePath();
        shown->reject();
      });
      desktop.saveFileName(nullptr, {"PDF File (*.pdf)|*.pdf", "pdf", 0, "Export as PDF", "", folder});
    }
    QCOMPARE(pictures.size(), 2);
    QVERIFY2(pictures[0] != QIcon().cacheKey(), "the header shows no icon");
    QCOMPARE(pictures[1], pictures[0]);
    for (const QString& opened : folders) {
      QVERIFY2(opened == QDir::homePath() || QFileInfo(opened).dir() == QDir::home(),
               qPrintable(opened + " is neither the home folder " + QDir::homePath() + " nor in it"));
    }
  }

  // The reminder's date goes through the settings store's character shift,
  // which keeps only Windows-1252, and may be read under another locale than
  // the one it was written under: it is written alike in every locale, comes
  // back whole in each, and the locale's own text of earlier versions still
  // reads as the same day.
  void shortDateSurvivesTheCharacterShiftInEveryLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("writesAsTheLocaleDoes");  // earlier versions: Latin digits, plain separators
    for (const char* name : {"ar_EG", "ar_SA", "ar_MA", "fa_IR", "bn_BD", "my_MM", "ne_NP", "mr_IN", "bg_BG"}) {
      QTest::newRow(name) << QString::fromLatin1(name) << false;
    }
    for (const char* name : {"en_US", "en_GB", "de_DE", "hu_HU", "ja_JP"}) QTest::newRow(name) << QString::fromLatin1(name) << true;
  }
  void shortDateSurvivesTheCharacterShiftInEveryLocale() {
    QFETCH(QString, locale);
    QFETCH(bool, writesAsTheLocaleDoes);
    QLocale::setDefault(QLocale(locale));
    platform::QtPlatform desktop(uniqueName());
    // What earlier versions wrote: the locale's text with a four-digit year.
    QString localeFormat = QLocale().dateFormat(QLocale::ShortFormat);
    if (!localeFormat.contains("yyyy")) localeFormat.replace("yy", "yyyy");
    for (const QDate date : {QDate(2026, 12, 7), QDate(1999, 1, 31), QDate(2030, 2, 8)}) {
      const QString text = desktop.shortDateText(date);
      QCOMPARE(text, date.toString(Qt::ISODate));
      const QString stored = platform::ToQt(zentara::ScrambleUtf8(platform::ToStd(text)));
      QCOMPARE(desktop.readShortDate(platform::ToQt(zentara::UnscrambleUtf8(platform::ToStd(stored)))), std::optional<QDate>(date));
      const QString earlier = QLocale().toString(date, localeFormat);
      if (writesAsTheLocaleDoes) {
        QCOMPARE(desktop.readShortDate(platform::ToQt(zentara::UnscrambleUtf8(platform::ToStd(platform::ToQt(zentara::ScrambleUtf8(platform::ToStd(earlier))))))),
                 std::optional<QDate>(date));
      }
    }
  }

  void shortDateOfEarlierVersionsWithMonthNamesIsRead() {
    QLocale::setDefault(QLocale::c());  // short dates such as "7 Dec 2026"
    platform::QtPlatform desktop(uniqueName());
    QCOMPARE(desktop.readShortDate("7 Dec 2026"), std::optional<QDate>(QDate(2026, 12, 7)));
  }

  void cleanup() { QLocale::setDefault(QLocale::c()); }
};

ZENTARA_GUI_TEST_MAIN(QtPlatformTest)
#include "qt_platform_test.moc"
