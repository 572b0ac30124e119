// Passing texts between the forms (QString) and the pure library (UTF-8 std::string).
#pragma once
#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace platform {

inline QString ToQt(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToStd(const QString& text) { return text.toStdString(); }

// A text of the pure library marked for translation (common/translatable.h),
// in the user's language: the translation in `context`, or the text itself.
inline QString Translated(const char* context, std::string_view text) {
  return QCoreApplication::translate(context, std::string(text).c_str());
}

}  // namespace platform
