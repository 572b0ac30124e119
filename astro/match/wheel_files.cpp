#include "astro/match/wheel_files.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QIODevice>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include "astro/match/synastry_grid_view.h"
#include "astro/match/chart_wheel_svg.h"
#include "astro/match/chart_wheel_view.h"
#include "astro/match/houses_view.h"
#include "astro/match/relationship_view.h"
#include "astro/match/report_paper.h"
#include "reports/file_dialogs.h"
#include "reports/file_export.h"
#include "reports/file_names.h"
#include "reports/saved_reading.h"
#include "common/application_title.h"
#include "platform/qt_text.h"
#include "shell/whole_text_label.h"

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

platform::FileDialogRequest PictureRequest(const std::string& name) {
  QStringList filter;
  for (const PictureKind& kind : kPictureKinds) {
    filter << QString::fromLatin1(kind.description) << QStringLiteral("*.") + platform::ToQt(kind.extension);
  }
  return {
      filter.join(u'|'),
      platform::ToQt(kPictureKinds[0].extension),
      platform::FileFlags::OverwritePrompt | platform::FileFlags::HideReadOnly |
          platform::FileFlags::PathMustExist | platform::FileFlags::NoReadOnlyReturn,
      QCoreApplication::translate("WheelFiles", "Save Chart Picture"),
      platform::ToQt(name),
  };
}

// Sets the wheel's font at the size of a page's text lines (a share of the
// page's width) and black ink; returns the line's height.
double UsePageFont(QPainter& painter, const QRect& page) {
  QFont font(platform::ToQt(zentara::WheelFontFamily));
  const double line = page.width() / kAspectsPageLines;
  font.setPointSizeF(line / kLineSpacing * 72.0 / painter.device()->logicalDpiY());
  painter.setFont(font);
  painter.setPen(Qt::black);
  return line;
}

// The aspects' page: a heading, the grid as wide as the page, and under it the
// tightest aspects, the key to the colours and the equinox, a line each.
void PaintAspectsPage(QPainter& painter, const zentara::ChartWheel& wheel, const QRect& page) {
  const double line = UsePageFont(painter, page);
  double y = page.top();
  const auto write = [&](const QString& text, const QColor& colour) {
    painter.setPen(colour);
    painter.drawText(QRectF(page.left(), y, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter, text);
    y += line;
  };
  write(QCoreApplication::translate("WheelFiles", "Aspects between the charts: his points down, hers across"), Qt::black);
  y += line / 2;
  const double side = qMin<double>(page.width(), page.height() * kGridShareOfHeight);
  painter.save();
  painter.translate(page.left(), y);
  PaintAspectGrid(painter, zentara::ArrangeAspectGrid(wheel.Aspects), side);
  painter.restore();
  y += side + line;
  write(QCoreApplication::translate("WheelFiles", "Tightest aspects:"), Qt::black);
  for (const std::string& sentence : zentara::TightestAspectSentences(wheel.Aspects)) {
    write(platform::ToQt(sentence), Qt::black);
  }
  y += line / 2;
  for (const zentara::KeyLine& key : zentara::AspectKeyLines()) {
    write(platform::ToQt(key.Text), QColor(key.Ink.Red, key.Ink.Green, key.Ink.Blue));
  }
  y += line / 2;
  write(platform::ToQt(zentara::PositionsStatement(wheel.Positions)), Qt::black);
}

// The lines over the wheel, each wrapped to the page's width, in the wheel's
// font at the aspects' page's size; the height they take with a gap below.
int PaintWheelHeading(QPainter& painter, const std::vector<std::string>& lines, const QRect& page) {
  const double line = UsePageFont(painter, page);
  const QFont font = painter.font();
  qreal y = page.top();
  for (const std::string& text : lines) {
    QTextLayout layout(platform::ToQt(text), font, painter.device());
    const qreal height = shell::LayOutWrapped(layout, page.width());
    layout.draw(&painter, QPointF(page.left(), y));
    y += height;
  }
  return qRound(y - page.top() + line);
}

}  // namespace

void SaveChartPicture(QWidget* owner, const zentara::ChartWheel& wheel, const std::string& name) {
  const platform::SaveChoice choice =
      reports::AskSaveFileChoice(owner, reports::FileKind::Pictures, PictureRequest(name));
  if (choice.path.isEmpty()) return;
  // A name typed with an extension the program knows ("wheel.png") is saved as
  // that type, whichever type the dialog shows.
  const zentara::TypedFileName file = zentara::WithTypeExtension(
      platform::ToStd(choice.path), kPictureExtensions, choice.filterIndex == static_cast<int>(kPng) ? kPng : 0);
  const QString path = platform::ToQt(file.path);
  const std::size_t kind = file.type;
  reports::WriteFileSafely(owner, path, [&](QIODevice& device) {
    if (kind == kPng) {
      // Opaque: the wheel stands on white, and PNG then needs no alpha channel.
      const QImage image =
          RenderChartWheel(wheel, static_cast<int>(zentara::SvgWheelSide)).convertToFormat(QImage::Format_RGB32);
      return image.save(&device, "PNG", kPngQuality);
    }
    const std::string svg = zentara::ChartWheelSvg(zentara::DrawChartWheel(wheel, zentara::SvgWheelSide));
    return device.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size());
  });
}

bool WriteReportPdf(QIODevice& device, const ReportPdf& pdf) {
  QPdfWriter writer(&device);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setCreator(platform::ToQt(zentara::ApplicationTitle));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  const QRect page = painter.viewport();
  PaintReportPage(painter, pdf.report, page);
  if (!writer.newPage()) return false;
  const int headingHeight = PaintWheelHeading(painter, pdf.wheelHeading, page);
  const QRect below = page.adjusted(0, headingHeight, 0, 0);
  const int side = qMin(below.width(), below.height());
  painter.save();
  painter.translate(below.left() + (below.width() - side) / 2, below.top());
  PaintWheelDrawing(painter, zentara::DrawChartWheel(pdf.wheel, side));
  painter.restore();
  if (!writer.newPage()) return false;
  PaintAspectsPage(painter, pdf.wheel, page);
  if (!writer.newPage()) return false;
  const double line = UsePageFont(painter, page);
  PaintHouseTables(painter, pdf.houses, page, line);
  for (const auto& [chart, wheel] : pdf.relationships) {
    if (!writer.newPage()) return false;
    PaintRelationshipPage(painter, chart, wheel, page, UsePageFont(painter, page));
  }
  return painter.end();
}

void ExportReportPdf(QWidget* owner, const ReportPdf& pdf, const std::string& name) {
  reports::ExportPdf(owner, QCoreApplication::translate("WheelFiles", "Export as PDF"), platform::ToQt(name),
                     [&](QIODevice& device) { return WriteReportPdf(device, pdf); });
}

}  // namespace astro
