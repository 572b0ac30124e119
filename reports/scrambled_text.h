// ScrambleField and UnscrambleField for the forms' texts: the text goes through
// the Windows-1252 code page, where the shift is defined, and back.
#pragma once
#include <QString>

namespace reports {

QString ScrambleText(const QString& text);
QString UnscrambleText(const QString& text);

}  // namespace reports
