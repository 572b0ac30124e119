// The language of the desktop's windows. English is the program's own and is
// always there; German, French and Spanish come as translations built into the
// program. The language follows the desktop's locale until one is chosen with
// Help > Language..., which is remembered and used from the next start. The
// command line, the readings' and interpretations' texts, the zone names and
// every stored file stay English.
#pragma once
#include <QString>
#include <span>

class QCoreApplication;
class QMenu;
class QWidget;

namespace shell {

struct Language {
  const char* code;    // "en", "de", "fr", "es"
  const char* native;  // its name in itself, as the choice shows it
};
std::span<const Language> Languages();

// The language remembered, else the first of the desktop's languages the
// program has, else English: a code of Languages().
QString StartingLanguage();

// Loads the program's translation and Qt's own (its buttons and file dialogs)
// for `code`; for English, only the forms of its plurals. False when a file is
// missing.
bool InstallTranslations(QCoreApplication& application, const QString& code);

// "&Language..." (mnuLanguage) at the end of `help`: asks for a language and
// remembers it for the next start.
void AddLanguageEntry(QMenu* help, QWidget* owner);

}  // namespace shell
