#include "astro/match/translated_sentences.h"

#include <QCoreApplication>
#include <QStringList>

#include "platform/qt_text.h"

namespace astro {

QString TranslatedSentences(const char* context, const std::vector<zentara::Sentence>& sentences) {
  QStringList texts;
  for (const zentara::Sentence& sentence : sentences) {
    const QString format = QCoreApplication::translate(context, sentence.Format, "", sentence.Count);
    QStringList args;
    for (std::size_t a = 0; a < sentence.Args.size(); ++a) {
      const char* argContext = a < sentence.ArgContexts.size() ? sentence.ArgContexts[a] : nullptr;
      args << (argContext ? platform::Translated(argContext, sentence.Args[a]) : platform::ToQt(sentence.Args[a]));
    }
    // %1 to %9 filled in one pass, so a typed name holding "%2" stays as typed.
    QString text;
    for (qsizetype at = 0; at < format.size(); ++at) {
      const qsizetype arg = at + 1 < format.size() ? format[at + 1].digitValue() - 1 : -1;
      if (format[at] == QLatin1Char('%') && arg >= 0 && arg < args.size()) {
        text += args[arg];
        ++at;
      } else {
        text += format[at];
      }
    }
    texts << text;
  }
  return texts.join(QLatin1Char(' '));
}

}  // namespace astro
