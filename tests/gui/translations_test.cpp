// The windows in other languages: every message of every translation file
// finished, with the placeholders of its English text; under German the
// entry forms speak German while the numerology entries, and so the readings
// and the saved file, stay the English ones byte for byte.
#include <QComboBox>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include "gui_test_support.h"
#include "astro/match/frmMatch.h"
#include "numerology/frmMain.h"
#include "reports/saved_reading.h"
#include "shell/drop_down_combo.h"
#include "shell/language.h"
#include "platform/qt_text.h"
#include "web/update_reminder_rule.h"

using namespace testing_support;

namespace {

// The placeholders of a text: %1 ... %9 and %n, sorted.
QStringList Placeholders(const QString& text) {
  QStringList found;
  for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%[1-9n]")).globalMatch(text)) {
    found << match.captured();
  }
  found.sort();
  return found;
}

// Problems of one .ts file: unfinished or empty translations, placeholders lost.
QStringList Problems(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {path + QStringLiteral(": cannot be read")};
  QStringList problems;
  QXmlStreamReader xml(&file);
  QString source;
  int messages = 0;
  while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("source")) {
      source = xml.readElementText(QXmlStreamReader::IncludeChildElements);  // a <byte> stands for a control character
      ++messages;
    } else if (xml.name() == QLatin1String("translation")) {
      if (xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished")) {
        problems << QStringLiteral("unfinished: ") + source;
      }
      if (xml.attributes().value(QLatin1String("type")) == QLatin1String("vanished")) continue;
      const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      if (text.trimmed().isEmpty()) problems << QStringLiteral("empty: ") + source;
      // A plural's forms each keep %n; their text runs together here, so its
      // placeholders are compared without repeats.
      QStringList wanted = Placeholders(source), given = Placeholders(text);
      given.removeDuplicates();
      wanted.removeDuplicates();
      if (wanted != given) problems << QStringLiteral("placeholders of \"%1\": %2").arg(source, text);
    }
  }
  if (xml.hasError()) problems << xml.errorString();
  if (messages == 0) problems << QStringLiteral("no messages");
  return problems;
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT
  std::unique_ptr<platform::FakePlatform> holder_;
  platform::FakePlatform* fake_ = nullptr;

 private slots:
  void init() { fake_ = &FreshPlatform(holder_); }

  void everyMessageIsTranslatedWithItsPlaceholders() {
    const QDir folder(QStringLiteral(ZENTARA_TRANSLATIONS_DIR));
    const QStringList files = folder.entryList({QStringLiteral("*.ts")});
    QCOMPARE(files.size(), 4);  // English (its plurals), German, French, Spanish
    for (const QString& name : files) {
      const QStringList problems = Problems(folder.filePath(name));
      QVERIFY2(problems.isEmpty(), qPrintable(name + ":\n  " + problems.join("\n  ")));
    }
  }

  void germanWindowsKeepEnglishEntries() {
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/zentara/i18n/zentara_de")));
    QCoreApplication::installTranslator(&german);
    auto* form = new numerology::frmMain();
    fake_->showModeless(form);
    const QString readingCaption = Child<QPushButton>(form, "cmdCR")->text();
    // A message with a carriage return, which the translation files hold as a <byte>.
    const QString reminder = platform::Translated("Web", zentara::UpdateReminderMessage);
    const QString firstMonth = Child<QComboBox>(form, "cboMM")->itemText(0);
    const zentara::NumerologyEntries entries{"John", "Paul", "Smith", "Mary", "", "Jones",
                                             "March", "4", "1970", "December", "31", "1972"};
    form->SetEntries(entries);
    const QString shownMonth = Child<QComboBox>(form, "cboMM")->currentText();
    const zentara::NumerologyEntries read = form->Entries();
    QCoreApplication::removeTranslator(&german);

    QCOMPARE(readingCaption, QStringLiteral("Umfassende Deutung"));
    QVERIFY2(reminder.startsWith(QStringLiteral("Möglicherweise")) && reminder.contains(QLatin1Char('\r')),
             qPrintable(reminder));
    QCOMPARE(firstMonth, QStringLiteral("Januar"));
    QCOMPARE(shownMonth, QStringLiteral("März"));
    QCOMPARE(QByteArray::fromStdString(zentara::EncodeSavedReading(read)),
             QByteArray::fromStdString(zentara::EncodeSavedReading(entries)));
  }

  // A month typed over the list is kept as typed; a shown one goes back to English.
  void monthTextsGoBackToEnglish() {
    QCOMPARE(shell::StoredMonthText(shell::MonthItems().at(11)), QStringLiteral("December"));
    QCOMPARE(shell::StoredMonthText(QStringLiteral("Decembre")), QStringLiteral("Decembre"));
    QCOMPARE(shell::ShownMonthText(QStringLiteral("May")), shell::MonthItems().at(4));
  }

  // "&Language..." ends the Help menu of both entry forms; the language
  // chosen is remembered for the next start, Cancel changes nothing.
  void theLanguageChosenIsRemembered() {
    for (QMainWindow* form : {static_cast<QMainWindow*>(new numerology::frmMain()),
                              static_cast<QMainWindow*>(new astro::frmMatch())}) {
      fake_->showModeless(form);
      const QList<QAction*> help = form->findChild<QMenu*>(QStringLiteral("mnuHelp"))->actions();
      QCOMPARE(help.last()->objectName(), QStringLiteral("mnuLanguage"));
      QCOMPARE(help.at(help.size() - 2)->objectName(), QStringLiteral("mnuAbout"));
      fake_->settings.clear();
      fake_->choicesTaken = {4};  // Cancel
      help.last()->trigger();
      QVERIFY(fake_->settings.isEmpty());
      fake_->choicesTaken = {1};  // Deutsch
      help.last()->trigger();
      QCOMPARE(fake_->messages.last().choices.value(1), QStringLiteral("Deutsch"));
      QCOMPARE(fake_->settings.value(QStringLiteral("zentara/Settings/Language")), QStringLiteral("de"));
      QCOMPARE(shell::StartingLanguage(), QStringLiteral("de"));
    }
  }

  void everyLanguageHasItsTranslations() {
    for (const shell::Language& language : shell::Languages()) {
      if (QLatin1String(language.code) == QLatin1String("en")) continue;
      QTranslator translator;
      QVERIFY2(translator.load(QStringLiteral(":/zentara/i18n/zentara_") + QLatin1String(language.code)),
               language.code);
      QVERIFY2(!translator.isEmpty(), language.code);
    }
  }
};

ZENTARA_GUI_TEST_MAIN(TranslationsTest)
#include "translations_test.moc"
