// Reading a PDF file the program wrote with poppler's tools (Debian:
// poppler-utils, installed by scripts/setup.sh).
#pragma once
#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace testing_support {

// The standard output of `program` with `arguments`, or "<failed: ...>".
inline QString ToolOutput(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    return QStringLiteral("<failed: %1 %2: %3>").arg(program, arguments.join(u' '), process.errorString());
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The page count pdfinfo gives, or -1.
inline int PdfPageCount(const QString& path) {
  const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(ToolOutput("pdfinfo", {path}));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The text of pages `first` to `last` (1-based; 0 for all), as pdftotext reads it.
inline QString PdfText(const QString& path, int first = 0, int last = 0) {
  QStringList arguments{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
  if (first > 0) arguments << "-f" << QString::number(first) << "-l" << QString::number(last);
  return ToolOutput("pdftotext", arguments << path << QStringLiteral("-"));
}

}  // namespace testing_support
