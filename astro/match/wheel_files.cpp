#include "astro/match/wheel_files.h"

#include <QBuffer>
#include <QIODevice>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "astro/match/aspect_grid_view.h"
#include "astro/match/chart_wheel_svg.h"
#include "astro/match/chart_wheel_view.h"
#include "reports/file_export.h"
#include "reports/file_names.h"
#include "reports/saved_reading.h"
#include "shell/application_title.h"
#include "shell/qt_text.h"

namespace astro {
namespace {

// The entries of the picture dialog's filter, in order, one row a kind.
struct PictureKind {
  const char* description;
  std::string_view extension;
};
constexpr PictureKind kPictureKinds[] = {
    {"SVG Picture (*.svg)", "svg"},
    {"PNG Picture (*.png)", "png"},
};
constexpr std::string_view kPictureExtensions[] = {kPictureKinds[0].extension, kPictureKinds[1].extension};
constexpr std::size_t kPng = 1;
// Qt's PNG quality 80 is zlib's fastest level: a file a few percent larger than
// at the default level, written in about half the time.
constexpr int kPngQuality = 80;
// The aspects' page: its text lines are a page's width over this many high,
// their letters that over kLineSpacing; the grid takes at most this share of
// the page's height.
constexpr double kAspectsPageLines = 40, kLineSpacing = 1.5, kGridShareOfHeight = 0.62;

platform::FileDialogRequest PictureRequest() {
  QStringList filter;
  for (const PictureKind& kind : kPictureKinds) {
    filter << QString::fromLatin1(kind.description) << QStringLiteral("*.") + shell::ToQt(kind.extension);
  }
  return {
      filter.join(u'|'),
      shell::ToQt(kPictureKinds[0].extension),
      platform::FileFlags::OverwritePrompt | platform::FileFlags::HideReadOnly |
          platform::FileFlags::PathMustExist | platform::FileFlags::NoReadOnlyReturn,
      QStringLiteral("Save Chart Picture"),
      QString(),
  };
}

// The aspects' page: a heading, the grid as wide as the page, and under it the
// tightest aspects, the key to the colours and the equinox, a line each.
void PaintAspectsPage(QPainter& painter, const zentara::ChartWheel& wheel, const QRect& page) {
  QFont font(shell::ToQt(zentara::WheelFontFamily));
  const double line = page.width() / kAspectsPageLines;
  font.setPointSizeF(line / kLineSpacing * 72.0 / painter.device()->logicalDpiY());
  painter.setFont(font);
  painter.setPen(Qt::black);
  double y = page.top();
  const auto write = [&](const QString& text, const QColor& colour) {
    painter.setPen(colour);
    painter.drawText(QRectF(page.left(), y, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter, text);
    y += line;
  };
  write(QStringLiteral("Aspects between the charts: his points down, hers across"), Qt::black);
  y += line / 2;
  const double side = qMin<double>(page.width(), page.height() * kGridShareOfHeight);
  painter.save();
  painter.translate(page.left(), y);
  PaintAspectGrid(painter, zentara::ArrangeAspectGrid(wheel.Aspects), side);
  painter.restore();
  y += side + line;
  write(QStringLiteral("Tightest aspects:"), Qt::black);
  for (const std::string& sentence : zentara::TightestAspectSentences(wheel.Aspects)) {
    write(shell::ToQt(sentence), Qt::black);
  }
  y += line / 2;
  for (const zentara::KeyLine& key : zentara::AspectKeyLines()) {
    write(shell::ToQt(key.Text), QColor(key.Ink.Red, key.Ink.Green, key.Ink.Blue));
  }
  y += line / 2;
  write(shell::ToQt(zentara::EquinoxStatement(wheel.PositionsEquinox)), Qt::black);
}

}  // namespace

void SaveChartPicture(QWidget* owner, const zentara::ChartPositions& male, const zentara::ChartPositions& female,
                      const zentara::WheelOptions& options) {
  const platform::SaveChoice choice = platform::current().saveFileChoice(owner, PictureRequest());
  if (choice.path.isEmpty()) return;
  // A name typed with an extension the program knows ("wheel.png") is saved as
  // that type, whichever type the dialog shows.
  const zentara::TypedFileName file = zentara::WithTypeExtension(
      shell::ToStd(choice.path), kPictureExtensions, choice.filterIndex == static_cast<int>(kPng) ? kPng : 0);
  const QString path = shell::ToQt(file.path);
  const std::size_t kind = file.type;
  reports::WriteFileSafely(owner, path, [&](QIODevice& device) {
    if (kind == kPng) {
      // Opaque: the wheel stands on white, and PNG then needs no alpha channel.
      const QImage image =
          RenderChartWheel(zentara::LayoutChartWheel(male, female, options), static_cast<int>(zentara::SvgWheelSide))
              .convertToFormat(QImage::Format_RGB32);
      return image.save(&device, "PNG", kPngQuality);
    }
    const std::string svg = zentara::ChartWheelSvg(male, female, options);
    return device.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size());
  });
}

bool WriteReportPdf(QIODevice& device, const QImage& report, const zentara::ChartWheel& wheel) {
  QPdfWriter writer(&device);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setCreator(shell::ToQt(zentara::ApplicationTitle));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  const QRect page = painter.viewport();
  QSize size = report.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.drawImage(QRect(page.topLeft(), size), report, report.rect());
  if (!writer.newPage()) return false;
  PaintWheelDrawing(painter, zentara::DrawChartWheel(wheel, qMin(page.width(), page.height())));
  if (!writer.newPage()) return false;
  PaintAspectsPage(painter, wheel, page);
  return painter.end();
}

void ExportReportPdf(QWidget* owner, const QImage& report, const zentara::ChartWheel& wheel) {
  const QString chosen =
      platform::current().saveFileName(owner, reports::PdfExportRequest(QStringLiteral("Export as PDF")));
  if (chosen.isEmpty()) return;
  const QString path = shell::ToQt(zentara::WithDefaultExtension(shell::ToStd(chosen), "pdf"));
  reports::WriteFileSafely(owner, path, [&](QIODevice& device) { return WriteReportPdf(device, report, wheel); });
}

}  // namespace astro
