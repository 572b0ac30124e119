// Passing texts between the forms (QString) and the pure library (UTF-8 std::string).
#pragma once
#include <QString>
#include <string>
#include <string_view>

namespace platform {

inline QString ToQt(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToStd(const QString& text) { return text.toStdString(); }

}  // namespace platform
