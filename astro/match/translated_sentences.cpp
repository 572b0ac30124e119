#include "astro/match/translated_sentences.h"

#include <QCoreApplication>
#include <QStringList>
#include <string>

#include "platform/qt_text.h"

namespace astro {

QString TranslatedSentences(const char* context, const std::vector<zentara::Sentence>& sentences) {
  QStringList texts;
  for (const zentara::Sentence& sentence : sentences) {
    // Translated whole (with its count's plural form), then filled as English is.
    const QString format = QCoreApplication::translate(context, sentence.Format, "", sentence.Count);
    std::vector<std::string> args;
    for (std::size_t a = 0; a < sentence.Args.size(); ++a) {
      const char* argContext = a < sentence.ArgContexts.size() ? sentence.ArgContexts[a] : nullptr;
      args.push_back(argContext ? platform::ToStd(platform::Translated(argContext, sentence.Args[a])) : sentence.Args[a]);
    }
    const QString text = platform::ToQt(zentara::FilledText(platform::ToStd(format), args, -1));
    texts << text;
  }
  return texts.join(QLatin1Char(' '));
}

}  // namespace astro
