// Checks of the files the program writes: their bytes, PDF pages, text and pictures read
// with poppler's tools (Debian: poppler-utils, installed by scripts/setup.sh),
// and a disk that fills up while writing.
#pragma once
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <cmath>
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

// The pictures on page `page` of a PDF file, as pdfimages extracts them.
inline QList<QImage> PdfPageImages(const QString& path, int page) {
  QTemporaryDir folder;
  const QString number = QString::number(page);
  ToolOutput("pdfimages", {"-f", number, "-l", number, "-png", path, folder.filePath("page")});
  QList<QImage> images;
  for (const QString& name : QDir(folder.path()).entryList({"page-*.png"}, QDir::Files, QDir::Name)) {
    images << QImage(folder.filePath(name));
  }
  return images;
}

// Page `page` of a PDF file drawn as a picture at `dotsPerInch`, as pdftoppm draws it.
inline QImage PdfPagePicture(const QString& path, int page, int dotsPerInch) {
  QTemporaryDir folder;
  const QString number = QString::number(page);
  ToolOutput("pdftoppm", {"-f", number, "-l", number, "-r", QString::number(dotsPerInch), "-png", "-singlefile", path,
                          folder.filePath("page")});
  return QImage(folder.filePath("page.png"));
}

// The part of a picture that is not white.
inline QRect InkedArea(const QImage& image) {
  QRect inked;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != Qt::white) inked |= QRect(x, y, 1, 1);
    }
  }
  return inked;
}

// The mean difference of two pictures of one size over their pixels' channels
// (0 to 255); 255 when their sizes differ.
inline double MeanChannelDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.isNull()) return 255;
  const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
  double total = 0;
  for (int row = 0; row < x.height(); ++row) {
    const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
    const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
    for (int column = 0; column < x.width(); ++column) {
      total += std::abs(qRed(p[column]) - qRed(q[column])) + std::abs(qGreen(p[column]) - qGreen(q[column])) +
               std::abs(qBlue(p[column]) - qBlue(q[column]));
    }
  }
  return total / (3.0 * x.width() * x.height());
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
