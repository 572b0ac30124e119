#include "shell/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

#include "platform/platform.h"
#include "shell/controls.h"

namespace shell {

namespace {

constexpr Language kLanguages[] = {
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00e7ais"},
    {"es", "Espa\u00f1ol"},
};

constexpr auto kSection = "Settings";
constexpr auto kLanguageName = "Language";  // a code of kLanguages

bool Known(const QString& code) {
  for (const Language& language : kLanguages) {
    if (code == QLatin1String(language.code)) return true;
  }
  return false;
}

QString Stored() {
  auto& desktop = platform::current();
  return desktop.readSetting(desktop.applicationName(), QString::fromLatin1(kSection), QString::fromLatin1(kLanguageName));
}

void Store(const QString& code) {
  auto& desktop = platform::current();
  desktop.writeSetting(desktop.applicationName(), QString::fromLatin1(kSection), QString::fromLatin1(kLanguageName),
                       code);
}

}  // namespace

std::span<const Language> Languages() { return kLanguages; }

QString StartingLanguage() {
  if (const QString stored = Stored(); Known(stored)) return stored;
  for (const QString& name : QLocale::system().uiLanguages()) {
    const QString code = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    if (Known(code)) return code;
  }
  return QStringLiteral("en");
}

bool InstallTranslations(QCoreApplication& application, const QString& code) {
  if (!Known(code)) return true;
  bool complete = true;
  // Parented to the application, they last as long as it does. English has
  // only the forms of its plurals, and needs none of Qt's.
  auto* program = new QTranslator(&application);
  if (program->load(QStringLiteral(":/zentara/i18n/zentara_") + code)) {
    QCoreApplication::installTranslator(program);
  } else {
    complete = false;
  }
  if (code == QLatin1String("en")) return complete;
  auto* qt = new QTranslator(&application);
  if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  } else {
    complete = false;
  }
  return complete;
}

void AddLanguageEntry(QMenu* help, QWidget* owner) {
  QAction* entry = NamedMenuEntry(help, "mnuLanguage", QCoreApplication::translate("Language", "&Language..."));
  QObject::connect(entry, &QAction::triggered, owner, [owner] {
    QStringList choices;
    for (const Language& language : kLanguages) choices << QString::fromUtf8(language.native);
    choices << QCoreApplication::translate("Language", "Cancel");
    const int chosen = platform::current().askChoice(
        owner,
        QCoreApplication::translate("Language",
                                    "Choose the language of the windows. It is used from the next time the "
                                    "program starts."),
        platform::Icon::Information, choices);
    if (chosen >= 0 && chosen < static_cast<int>(std::size(kLanguages))) {
      Store(QString::fromLatin1(kLanguages[chosen].code));
    }
  });
}

}  // namespace shell
