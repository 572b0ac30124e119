#include "astro/match/synastry_grid_view.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QScrollArea>
#include <QPaintDevice>
#include <QPainter>
#include <QVBoxLayout>

#include "astro/match/synastry_grid_accessible.h"
#include "astro/match/synastry_texts.h"
#include "astro/match/chart_wheel.h"
#include "astro/match/chart_wheel_drawing.h"
#include "astro/match/chart_wheel_view.h"
#include "astro/match/dark_palette.h"
#include "shell/controls.h"
#include "shell/hover_text.h"
#include "astro/match/reading_texts.h"
#include "platform/qt_text.h"

namespace astro {
namespace {

constexpr int kPreferredSide = 476;  // pixels: 14 squares of 34
// Text sizes as shares of a square's side.
constexpr double kSymbolSize = 0.42, kSeparationSize = 0.24, kHeaderSize = 0.40, kAngleHeaderSize = 0.30;
// A cell's tint: its tone's colour this much, white the rest.
constexpr double kTintShare = 0.16;
constexpr zentara::Colour kGridLines{205, 205, 205};
constexpr zentara::Colour kInk{40, 40, 40};

QColor ToQt(zentara::Colour colour) { return QColor(colour.Red, colour.Green, colour.Blue); }

zentara::Colour Tint(zentara::Colour colour) {
  const auto mix = [](std::uint8_t part) { return static_cast<std::uint8_t>(qRound(255 - (255 - part) * kTintShare)); };
  return {mix(colour.Red), mix(colour.Green), mix(colour.Blue)};
}

// The grid's colours: as made for white paper, or their dark counterparts,
// each text and line standing out from what it is drawn on.
struct GridInks {
  bool dark = false;
  zentara::Colour ground() const { return dark ? zentara::DarkGround() : zentara::PaperWhite; }
  zentara::Colour onGround(zentara::Colour ink, double ratio) const {
    return dark ? zentara::LightenAgainst(zentara::MirrorLightness(ink), ground(), ratio) : ink;
  }
  zentara::Colour tint(zentara::Colour colour) const {
    return dark ? zentara::MirrorLightness(Tint(colour)) : Tint(colour);
  }
  zentara::Colour onTint(zentara::Colour ink, zentara::Colour tintOf) const {
    return dark ? zentara::LightenAgainst(zentara::MirrorLightness(ink), tint(tintOf), zentara::TextContrast) : ink;
  }
};

// `text` centred in `box` at `size` canvas units.
void CentredText(QPainter& painter, QFont& font, const QRectF& box, const QString& text, double size, QColor colour) {
  font.setPointSizeF(size * 72.0 / painter.device()->logicalDpiY());
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

void PaintAspectGrid(QPainter& painter, const zentara::AspectGrid& grid, double side, bool dark) {
  const GridInks inks{dark};
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font(platform::ToQt(zentara::WheelFontFamily));
  font.setHintingPreference(QFont::PreferNoHinting);
  const double square = side / static_cast<double>(zentara::AspectGridSquares);
  const auto box = [square](std::size_t row, std::size_t column) {
    return QRectF(static_cast<double>(column) * square, static_cast<double>(row) * square, square, square);
  };
  painter.fillRect(QRectF(0, 0, side, side), ToQt(inks.ground()));

  for (std::size_t i = 0; i < zentara::AspectPointCount; ++i) {
    const zentara::ChartSlot slot = zentara::AspectPoints[i];
    const bool angle = slot == zentara::AscendantSlot || slot == zentara::MidheavenSlot;
    const QString symbol = platform::ToQt(zentara::PointSymbols[slot]);
    const double size = (angle ? kAngleHeaderSize : kHeaderSize) * square;
    CentredText(painter, font, box(i + 1, 0), symbol, size, ToQt(inks.onGround(zentara::MaleInk, zentara::TextContrast)));
    CentredText(painter, font, box(0, i + 1), symbol, size,
                ToQt(inks.onGround(zentara::FemaleInk, zentara::TextContrast)));
  }
  for (std::size_t row = 0; row < zentara::AspectPointCount; ++row) {
    for (std::size_t column = 0; column < zentara::AspectPointCount; ++column) {
      const std::optional<zentara::Aspect>& aspect = grid.Cells[row][column];
      if (!aspect) continue;
      const QRectF cell = box(row + 1, column + 1);
      const zentara::Colour colour = zentara::AspectColour(aspect->Kind);
      painter.fillRect(cell, ToQt(inks.tint(colour)));
      const QRectF upper(cell.left(), cell.top() + 0.04 * square, square, 0.55 * square);
      const QRectF lower(cell.left(), cell.top() + 0.58 * square, square, 0.38 * square);
      CentredText(painter, font, upper, platform::ToQt(zentara::AspectKindOf(aspect->Kind).Symbol), kSymbolSize * square,
                  ToQt(inks.onTint(colour, colour)));
      CentredText(painter, font, lower, platform::ToQt(zentara::SeparationText(aspect->SeparationMinutes)),
                  kSeparationSize * square, ToQt(inks.onTint(kInk, colour)));
    }
  }
  painter.setPen(QPen(ToQt(inks.onGround(kGridLines, zentara::LineContrast)), 0));
  for (std::size_t line = 1; line <= zentara::AspectGridSquares; ++line) {
    const double at = static_cast<double>(line) * square;
    painter.drawLine(QPointF(at, square), QPointF(at, side));
    painter.drawLine(QPointF(square, at), QPointF(side, at));
  }
  painter.restore();
}

AspectGridView::AspectGridView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("aspectGrid"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 200);
  setFocusPolicy(Qt::StrongFocus);
  SpeakAspectGridsAsTables();
}

void AspectGridView::setCurrentCell(int row, int column) {
  const int last = static_cast<int>(zentara::AspectPointCount) - 1;
  row = qBound(0, row, last);
  column = qBound(0, column, last);
  if (row == currentRow_ && column == currentColumn_) return;
  currentRow_ = row;
  currentColumn_ = column;
  update();
  AnnounceCurrentCell(this);
}

void AspectGridView::keyPressEvent(QKeyEvent* event) {
  const int last = static_cast<int>(zentara::AspectPointCount) - 1;
  switch (event->key()) {
    case Qt::Key_Up: setCurrentCell(currentRow_ - 1, currentColumn_); break;
    case Qt::Key_Down: setCurrentCell(currentRow_ + 1, currentColumn_); break;
    case Qt::Key_Left: setCurrentCell(currentRow_, currentColumn_ - 1); break;
    case Qt::Key_Right: setCurrentCell(currentRow_, currentColumn_ + 1); break;
    case Qt::Key_Home: setCurrentCell(event->modifiers() & Qt::ControlModifier ? 0 : currentRow_, 0); break;
    case Qt::Key_End: setCurrentCell(event->modifiers() & Qt::ControlModifier ? last : currentRow_, last); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void AspectGridView::mousePressEvent(QMouseEvent* event) {
  const auto cell = zentara::AspectGridCellAt(qMin(width(), height()), event->position().x(), event->position().y());
  if (cell) setCurrentCell(static_cast<int>(cell->Row), static_cast<int>(cell->Column));
  QWidget::mousePressEvent(event);
}

void AspectGridView::setAspects(const std::vector<zentara::Aspect>& aspects) {
  grid_ = zentara::ArrangeAspectGrid(aspects);
  update();
}

QString AspectGridView::toolTipAt(QPoint point) const {
  const auto square = zentara::AspectGridSquareAt(qMin(width(), height()), point.x(), point.y());
  if (!square || (square->Row == 0 && square->Column == 0)) return {};
  if (square->Row == 0 || square->Column == 0) {
    const bool his = square->Column == 0;
    const zentara::ChartSlot slot = zentara::AspectPoints[(his ? square->Row : square->Column) - 1];
    const QString point = platform::Translated("Points", zentara::SlotWords[slot]);
    return (his ? QCoreApplication::translate("AspectsView", "His %1") : QCoreApplication::translate("AspectsView", "Her %1"))
        .arg(point);
  }
  const std::optional<zentara::Aspect>& aspect = grid_.Cells[square->Row - 1][square->Column - 1];
  return aspect ? platform::ToQt(zentara::AspectSentence(*aspect)) : QString();
}

QSize AspectGridView::sizeHint() const { return {kPreferredSide, kPreferredSide}; }

bool AspectGridView::event(QEvent* event) {
  if (shell::AnswerHover(this, event, [this](QPoint point) { return toolTipAt(point); })) return true;
  return QWidget::event(event);
}

void AspectGridView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());  // beside the square grid
  const int side = qMin(width(), height());
  PaintAspectGrid(painter, grid_, side, IsDarkPalette(palette()));
  if (hasFocus()) {
    const double square = side / static_cast<double>(zentara::AspectGridSquares);
    const QRectF cell((currentColumn_ + 1) * square, (currentRow_ + 1) * square, square, square);
    painter.setPen(QPen(palette().highlight().color(), 2));
    painter.drawRect(cell.adjusted(1, 1, -1, -1));
  }
}

AspectsView::AspectsView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("aspectsView"));
  auto* layout = new QVBoxLayout(this);
  grid_ = new AspectGridView(this);
  layout->addWidget(grid_, 3);
  tightest_ = new QLabel(this);
  tightest_->setObjectName(QStringLiteral("lblTightest"));
  tightest_->setTextFormat(Qt::PlainText);
  layout->addWidget(tightest_);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("aspectTextsScroll"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  texts_ = shell::NamedParagraphs(scroll, "lblAspectTexts");
  texts_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  scroll->setWidget(texts_);
  layout->addWidget(scroll, 2);
}

void AspectsView::setAspects(const std::vector<zentara::Aspect>& aspects, std::string_view hisName,
                             std::string_view herName) {
  grid_->setAspects(aspects);
  QStringList lines{QCoreApplication::translate("AspectsView", "Tightest aspects:")};
  for (const std::string& sentence : zentara::TightestAspectSentences(aspects)) lines << platform::ToQt(sentence);
  if (aspects.empty()) lines << QCoreApplication::translate("AspectsView", "None within the orbs.");
  tightest_->setText(lines.join(u'\n'));
  QStringList paragraphs;
  for (const zentara::Aspect& aspect : aspects) {
    paragraphs << platform::ToQt(zentara::AspectSentence(aspect)) + u'\n' +
                      platform::ToQt(zentara::AspectText(aspect.Male, aspect.Female, aspect.Kind, hisName, herName));
  }
  texts_->setText(paragraphs.join(QStringLiteral("\n\n")));
}

}  // namespace astro
