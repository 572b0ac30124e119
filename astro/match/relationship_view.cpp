#include "astro/match/relationship_view.h"

#include "astro/match/translated_sentences.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "astro/match/chart_wheel_view.h"
#include "astro/match/synastry.h"
#include "astro/match/synastry_texts.h"
#include "platform/qt_text.h"
#include "shell/controls.h"
#include "shell/text_tables.h"

namespace astro {
namespace {

// The wheel takes this share of the tab's height at first; the rest shows the tables.
constexpr int kWheelStretch = 3, kTablesStretch = 2;
// The wheel on the PDF's page takes at most this share of the page's height.
constexpr double kPageWheelShare = 0.6;

void FillTable(QTableWidget* table, const std::vector<std::pair<std::string, std::string>>& rows) {
  QList<QStringList> texts;
  for (const auto& [first, second] : rows) texts << QStringList{platform::ToQt(first), platform::ToQt(second)};
  shell::FillTextTable(table, texts);
}

// Each point's word and its position: "Sun", "21 Sco 56".
std::vector<std::pair<std::string, std::string>> PositionRows(const zentara::RelationshipChart& chart) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (std::size_t slot = 0; slot < zentara::FilledChartSlotCount; ++slot) {
    rows.emplace_back(std::string(zentara::SlotWords[slot]), chart.Positions[slot]);
  }
  return rows;
}

std::vector<std::pair<std::string, std::string>> CuspRows(const zentara::RelationshipChart& chart) {
  std::vector<std::pair<std::string, std::string>> rows;
  const std::array<std::string, 12> cusps = zentara::CuspTexts(chart.Houses);
  for (std::size_t cusp = 0; cusp < cusps.size(); ++cusp) rows.emplace_back(std::to_string(cusp + 1), cusps[cusp]);
  return rows;
}

// The statement, and the houses' notes a line each under it.
QString StatementText(const zentara::RelationshipChart& chart) {
  QStringList lines{TranslatedSentences("Relationship", {zentara::RelationshipStatementSentence(chart)})};
  for (const std::string& note : chart.Notes) lines << platform::ToQt(note);
  return lines.join(u'\n');
}

}  // namespace

RelationshipView::RelationshipView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("relationshipView"));
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout();
  cboRelationship_ = shell::AddCaptionedChoice(this, bar, "lblRelationship",
                                               QCoreApplication::translate("RelationshipView", "&Chart:"), "cboRelationship",
                                               {QCoreApplication::translate("RelationshipView", "Composite"), QCoreApplication::translate("RelationshipView", "Davison")});
  bar->addStretch(1);
  layout->addLayout(bar);
  statement_ = shell::NamedParagraphs(this, "lblRelationshipStatement");
  layout->addWidget(statement_);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->setObjectName(QStringLiteral("relationshipSplitter"));
  wheel_ = new ChartWheelView(zentara::ChartWheel{}, splitter);
  wheel_->setObjectName(QStringLiteral("relationshipWheel"));
  auto* scroll = new QScrollArea(splitter);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* tables = new QWidget(scroll);
  auto* tablesLayout = new QVBoxLayout(tables);
  auto* row = new QHBoxLayout();
  positions_ =
      shell::MakeTextTable(tables, "tblRelationshipPositions", {QCoreApplication::translate("RelationshipView", "Point"), QCoreApplication::translate("RelationshipView", "Position")});
  cusps_ = shell::MakeTextTable(tables, "tblRelationshipCusps", {QCoreApplication::translate("RelationshipView", "House"), QCoreApplication::translate("RelationshipView", "Cusp")});
  row->addWidget(positions_, 0, Qt::AlignTop);
  row->addWidget(cusps_, 0, Qt::AlignTop);
  row->addStretch(1);
  tablesLayout->addLayout(row);
  aspects_ = shell::NamedParagraphs(tables, "lblRelationshipAspects");
  tablesLayout->addWidget(aspects_);
  tablesLayout->addStretch(1);
  scroll->setWidget(tables);
  splitter->addWidget(wheel_);
  splitter->addWidget(scroll);
  splitter->setStretchFactor(0, kWheelStretch);
  splitter->setStretchFactor(1, kTablesStretch);
  layout->addWidget(splitter, 1);
  connect(cboRelationship_, &QComboBox::activated, this, [this] { Show(); });
}

void RelationshipView::setMatch(const zentara::AstroMatchResult& match, zentara::HouseSystem system,
                                const zentara::AspectOrbs& orbs) {
  match_ = match;
  system_ = system;
  orbs_ = orbs;
  Show();
}

zentara::RelationshipKind RelationshipView::kind() const {
  return cboRelationship_->currentIndex() == 1 ? zentara::RelationshipKind::Davison
                                               : zentara::RelationshipKind::Composite;
}

zentara::RelationshipChart RelationshipView::chartOf(zentara::RelationshipKind kind) const {
  return zentara::CastRelationshipChart(kind, match_, system_);
}

zentara::ChartWheel RelationshipView::wheelOf(const zentara::RelationshipChart& chart) const {
  return zentara::LayoutSingleChartWheel(
      chart.Positions, std::string(zentara::RelationshipTitle(chart.Kind)),
      {.Orbs = orbs_, .Positions = match_.Options(), .Houses = zentara::WheelHousesOf(chart.Houses, zentara::Partner::Male)});
}

void RelationshipView::Show() {
  chart_ = chartOf(kind());
  statement_->setText(StatementText(chart_));
  wheel_->setWheel(wheelOf(chart_));
  FillTable(positions_, PositionRows(chart_));
  FillTable(cusps_, CuspRows(chart_));
  QStringList lines{QCoreApplication::translate("RelationshipView", "Aspects within the chart:")};
  for (const zentara::Aspect& aspect : wheel_->wheel().Aspects) lines << platform::ToQt(zentara::AspectSentence(aspect));
  if (wheel_->wheel().Aspects.empty()) lines << QCoreApplication::translate("RelationshipView", "None within the orbs.");
  aspects_->setText(lines.join(u'\n'));
}

void PaintRelationshipPage(QPainter& painter, const zentara::RelationshipChart& chart,
                           const zentara::ChartWheel& wheel, const QRect& page, double line) {
  double y = page.top();
  const auto write = [&](const QString& text, double left, double width) {
    painter.drawText(QRectF(left, y, width, line), Qt::AlignLeft | Qt::AlignVCenter, text);
  };
  for (const QString& text : StatementText(chart).split(u'\n')) {
    write(text, page.left(), page.width());
    y += line;
  }
  y += line / 2;
  const double side = qMin<double>(page.width(), page.height() * kPageWheelShare);
  painter.save();
  painter.translate(page.left() + (page.width() - side) / 2, y);
  PaintWheelDrawing(painter, zentara::DrawChartWheel(wheel, side));
  painter.restore();
  y += side + line;
  const double column = page.width() / 4.0;
  const double top = y;
  for (const auto& [point, position] : PositionRows(chart)) {
    write(platform::ToQt(point), page.left(), column);
    write(platform::ToQt(position), page.left() + column, column);
    y += line;
  }
  y = top;
  for (const auto& [house, cusp] : CuspRows(chart)) {
    write(QCoreApplication::translate("RelationshipView", "Cusp %1").arg(platform::ToQt(house)), page.left() + 2 * column, column);
    write(platform::ToQt(cusp), page.left() + 3 * column, column);
    y += line;
  }
}

}  // namespace astro
