// Checks of the files the program writes: their bytes, PDF pages and text read
// with poppler's tools (Debian: poppler-utils, installed by scripts/setup.sh),
// and a disk that fills up while writing.
#pragma once
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace testing_support {

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

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

// Runs `act` while no file of this process may grow past `bytes`, as on a full
// disk: writes beyond it fail (also for root). Nothing may be printed meanwhile.
inline void WithFilesLimitedTo(rlim_t bytes, const std::function<void()>& act) {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit full{bytes, limit.rlim_max};
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &full);
  act();
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previousHandler);
}

}  // namespace testing_support
