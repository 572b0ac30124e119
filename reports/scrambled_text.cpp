#include "reports/scrambled_text.h"

#include "reports/ansi_codepage.h"
#include "reports/scramble.h"
#include "platform/qt_text.h"

namespace reports {

QString ScrambleText(const QString& text) {
  return platform::ToQt(zentara::AnsiToUtf8(zentara::ScrambleField(zentara::Utf8ToAnsi(platform::ToStd(text)))));
}

QString UnscrambleText(const QString& text) {
  return platform::ToQt(zentara::AnsiToUtf8(zentara::UnscrambleField(zentara::Utf8ToAnsi(platform::ToStd(text)))));
}

}  // namespace reports
