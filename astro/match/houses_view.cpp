#include "astro/match/houses_view.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/qt_text.h"
#include "shell/controls.h"
#include "shell/text_tables.h"

namespace astro {
namespace {

constexpr double kTitleScale = 1.1;

void Fill(QLabel* title, QTableWidget* table, const zentara::HouseTable& rows) {
  title->setText(platform::Translated("HouseTables", rows.Title).replace(QLatin1String("%1"), platform::ToQt(rows.TitleArg)));
  table->setAccessibleName(title->text());
  QStringList headings;
  for (const std::string& column : rows.Columns) headings << platform::Translated("HouseTables", column);
  table->setColumnCount(static_cast<int>(headings.size()));
  table->setHorizontalHeaderLabels(headings);
  QList<QStringList> texts;
  for (const std::vector<std::string>& row : rows.Rows) {
    QStringList cells;
    // The first column names the points ("Sun"), or numbers the houses.
    for (const std::string& cell : row) cells << (cells.isEmpty() ? platform::Translated("Points", cell) : platform::ToQt(cell));
    texts << cells;
  }
  shell::FillTextTable(table, texts);
}

}  // namespace

HousesView::HousesView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("housesView"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("housesScroll"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  outer->addWidget(scroll);
  auto* page = new QWidget(scroll);
  auto* layout = new QVBoxLayout(page);
  notes_ = shell::NamedParagraphs(page, "lblHouseNotes");
  cuspsTitle_ = shell::NamedHeading(page, "lblCuspsTitle", {}, kTitleScale);
  cusps_ = shell::MakeTextTable(page, "tblCusps", {});
  hisInHersTitle_ = shell::NamedHeading(page, "lblHisInHersTitle", {}, kTitleScale);
  hisInHers_ = shell::MakeTextTable(page, "tblHisInHers", {});
  hersInHisTitle_ = shell::NamedHeading(page, "lblHersInHisTitle", {}, kTitleScale);
  hersInHis_ = shell::MakeTextTable(page, "tblHersInHis", {});
  hisInHersTexts_ = shell::NamedParagraphs(page, "lblHisInHersTexts");
  hersInHisTexts_ = shell::NamedParagraphs(page, "lblHersInHisTexts");
  for (QWidget* part : {static_cast<QWidget*>(notes_), static_cast<QWidget*>(cuspsTitle_),
                        static_cast<QWidget*>(cusps_), static_cast<QWidget*>(hisInHersTitle_),
                        static_cast<QWidget*>(hisInHers_), static_cast<QWidget*>(hisInHersTexts_),
                        static_cast<QWidget*>(hersInHisTitle_), static_cast<QWidget*>(hersInHis_),
                        static_cast<QWidget*>(hersInHisTexts_)}) {
    layout->addWidget(part);
  }
  layout->addStretch(1);
  scroll->setWidget(page);
}

void HousesView::setTables(const zentara::CoupleHouseTables& tables) {
  QStringList notes;
  for (const std::string& note : tables.Notes) notes << platform::ToQt(note);
  notes_->setText(notes.join(u'\n'));
  notes_->setVisible(!notes.isEmpty());
  Fill(cuspsTitle_, cusps_, tables.Cusps);
  Fill(hisInHersTitle_, hisInHers_, tables.HisInHers);
  Fill(hersInHisTitle_, hersInHis_, tables.HersInHis);
  const auto paragraphs = [](const std::vector<std::string>& texts) {
    QStringList lines;
    for (const std::string& text : texts) lines << platform::ToQt(text);
    return lines.join(QStringLiteral("\n\n"));
  };
  hisInHersTexts_->setText(paragraphs(tables.HisInHersTexts));
  hersInHisTexts_->setText(paragraphs(tables.HersInHisTexts));
}

namespace {

// A table as lines of text from (left, y) within `width`, its columns evenly
// spaced; returns the y under its last line.
double PaintTable(QPainter& painter, const zentara::HouseTable& table, double left, double y, double width,
                  double line) {
  painter.drawText(QRectF(left, y, width, line), Qt::AlignLeft | Qt::AlignVCenter, platform::ToQt(zentara::HouseTableTitle(table)));
  y += line;
  const double column = width / static_cast<double>(table.Columns.size());
  const auto row = [&](const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      painter.drawText(QRectF(left + column * static_cast<double>(i), y, column, line),
                       Qt::AlignLeft | Qt::AlignVCenter, platform::ToQt(texts[i]));
    }
    y += line;
  };
  row(table.Columns);
  for (const std::vector<std::string>& texts : table.Rows) row(texts);
  return y;
}

}  // namespace

void PaintHouseTables(QPainter& painter, const zentara::CoupleHouseTables& tables, const QRect& page, double line) {
  double y = page.top();
  painter.drawText(QRectF(page.left(), y, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("HousesView", "Houses of both charts and where each partner's points fall"));
  y += 1.5 * line;
  for (const std::string& note : tables.Notes) {
    painter.drawText(QRectF(page.left(), y, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     platform::ToQt(note));
    y += line;
  }
  if (!tables.Notes.empty()) y += line / 2;
  y = PaintTable(painter, tables.Cusps, page.left(), y, page.width() / 2.0, line) + line;
  const double half = page.width() / 2.0;
  PaintTable(painter, tables.HisInHers, page.left(), y, half - line, line);
  PaintTable(painter, tables.HersInHis, page.left() + half, y, half - line, line);
}

}  // namespace astro
