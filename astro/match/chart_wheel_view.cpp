#include "astro/match/chart_wheel_view.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include "astro/match/chart_wheel_words.h"
#include "astro/match/dark_palette.h"
#include "astro/match/synastry_texts.h"
#include "astro/match/translated_sentences.h"
#include "shell/hover_text.h"
#include "platform/qt_text.h"

namespace astro {
namespace {

constexpr int kPreferredSide = 480;  // pixels
// A line counts as hovered this close to its edge.
constexpr double kHoverReach = 3;  // pixels

QColor ToQt(zentara::Colour colour) { return QColor(colour.Red, colour.Green, colour.Blue); }

QPen Pen(zentara::Colour colour, double width) {
  QPen pen(ToQt(colour), width);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

struct ShapePainter {
  QPainter& painter;
  QFont font;

  void operator()(const zentara::WheelCircle& circle) const {
    painter.setPen(Pen(circle.Stroke, circle.StrokeWidth));
    painter.setBrush(circle.Fill ? QBrush(ToQt(*circle.Fill)) : QBrush(Qt::NoBrush));
    painter.drawEllipse(QPointF(circle.X, circle.Y), circle.Radius, circle.Radius);
  }
  void operator()(const zentara::WheelSector& sector) const {
    const QPointF centre(sector.X, sector.Y);
    const QRectF outer(centre - QPointF(sector.Outer, sector.Outer), QSizeF(2 * sector.Outer, 2 * sector.Outer));
    const QRectF inner(centre - QPointF(sector.Inner, sector.Inner), QSizeF(2 * sector.Inner, 2 * sector.Inner));
    QPainterPath path;
    path.arcMoveTo(outer, sector.StartAngle);
    path.arcTo(outer, sector.StartAngle, sector.Sweep);
    path.arcTo(inner, sector.StartAngle + sector.Sweep, -sector.Sweep);
    path.closeSubpath();
    painter.fillPath(path, ToQt(sector.Fill));
  }
  void operator()(const zentara::WheelLine& line) const {
    painter.setPen(Pen(line.Stroke, line.StrokeWidth));
    painter.drawLine(QPointF(line.X1, line.Y1), QPointF(line.X2, line.Y2));
  }
  void operator()(const zentara::WheelText& text) {
    // Sizes are in the painter's units; points are what QFont takes.
    font.setPointSizeF(text.Size * 72.0 / painter.device()->logicalDpiY());
    painter.setFont(font);
    painter.setPen(ToQt(text.Fill));
    const QString shown = platform::ToQt(text.Text);
    const double advance = QFontMetricsF(font, painter.device()).horizontalAdvance(shown);
    painter.drawText(QPointF(text.X - advance / 2, text.Y), shown);
  }
};

}  // namespace

bool IsDarkPalette(const QPalette& palette) {
  const QColor window = palette.window().color();
  return zentara::IsDarkWindowColour({static_cast<std::uint8_t>(window.red()), static_cast<std::uint8_t>(window.green()),
                                      static_cast<std::uint8_t>(window.blue())});
}

void PaintWheelDrawing(QPainter& painter, const zentara::WheelDrawing& drawing, zentara::Colour ground) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(QRectF(0, 0, drawing.Side, drawing.Side), ToQt(ground));
  QFont font(platform::ToQt(zentara::WheelFontFamily));
  font.setHintingPreference(QFont::PreferNoHinting);
  ShapePainter shapes{painter, font};
  for (const zentara::WheelShape& shape : drawing.Shapes) std::visit(shapes, shape);
  painter.restore();
}

QImage RenderChartWheel(const zentara::ChartWheel& wheel, int side, qreal pixelRatio) {
  const int pixels = qRound(side * pixelRatio);
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintWheelDrawing(painter, zentara::DrawChartWheel(wheel, side));
  return image;
}

ChartWheelView::ChartWheelView(zentara::ChartWheel wheel, QWidget* parent)
    : QWidget(parent), wheel_(std::move(wheel)) {
  setObjectName(QStringLiteral("chartWheel"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(160, 160);
  // Tab stops here so that a reader speaks the wheel in words.
  setFocusPolicy(Qt::TabFocus);
  Describe();
}

void ChartWheelView::setWheel(zentara::ChartWheel wheel) {
  wheel_ = std::move(wheel);
  Describe();
  update();
}

void ChartWheelView::Describe() {
  setAccessibleName(TranslatedSentences(zentara::WheelWordsContext, {zentara::ChartWheelName(wheel_)}));
  setAccessibleDescription(TranslatedSentences(zentara::WheelWordsContext, zentara::ChartWheelWords(wheel_)));
}

QString ChartWheelView::toolTipAt(QPoint point) const {
  const int side = qMin(width(), height());
  const std::vector<zentara::WheelAspectLine> lines = zentara::AspectLines(wheel_, side);
  const auto hovered = zentara::AspectLineAt(lines, point.x() - (width() - side) / 2.0,
                                             point.y() - (height() - side) / 2.0, kHoverReach);
  return hovered ? platform::ToQt(zentara::AspectSentence(lines[*hovered].Of)) : QString();
}

QSize ChartWheelView::sizeHint() const { return {kPreferredSide, kPreferredSide}; }

bool ChartWheelView::event(QEvent* event) {
  if (shell::AnswerHover(this, event, [this](QPoint point) { return toolTipAt(point); })) return true;
  return QWidget::event(event);
}

void ChartWheelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool dark = IsDarkPalette(palette());
  const zentara::Colour ground = dark ? zentara::DarkGround() : zentara::PaperWhite;
  painter.fillRect(rect(), ToQt(ground));
  const int side = qMin(width(), height());
  painter.translate((width() - side) / 2.0, (height() - side) / 2.0);
  const zentara::WheelDrawing drawing = zentara::DrawChartWheel(wheel_, side);
  PaintWheelDrawing(painter, dark ? zentara::DarkWheelDrawing(drawing) : drawing, ground);
}

}  // namespace astro
