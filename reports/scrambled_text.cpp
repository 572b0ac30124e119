#include "reports/scrambled_text.h"

#include "reports/ansi_codepage.h"
#include "reports/scramble.h"
#include "shell/qt_text.h"

namespace reports {

QString ScrambleText(const QString& text) {
  return shell::ToQt(zentara::AnsiToUtf8(zentara::ScrambleField(zentara::Utf8ToAnsi(shell::ToStd(text)))));
}

QString UnscrambleText(const QString& text) {
  return shell::ToQt(zentara::AnsiToUtf8(zentara::UnscrambleField(zentara::Utf8ToAnsi(shell::ToStd(text)))));
}

}  // namespace reports
