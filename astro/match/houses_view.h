// The report frame's "Houses" tab: both partners' cusps side by side and the
// two overlay tables, "His points in her houses" and "Her points in his
// houses", each point with its house in its own chart too; above them what
// the houses say of a chart whose system could not be used. The tables are
// read-only and scroll together in one view.
#pragma once
#include <QWidget>

#include "astro/match/house_tables.h"

class QLabel;
class QPainter;
class QTableWidget;

namespace astro {

class HousesView : public QWidget {
  Q_OBJECT

 public:
  explicit HousesView(QWidget* parent = nullptr);

  void setTables(const zentara::CoupleHouseTables& tables);
  QLabel* notes() const { return notes_; }
  QTableWidget* cusps() const { return cusps_; }
  QTableWidget* hisInHers() const { return hisInHers_; }
  QTableWidget* hersInHis() const { return hersInHis_; }
  QLabel* hisInHersTexts() const { return hisInHersTexts_; }
  QLabel* hersInHisTexts() const { return hersInHisTexts_; }

 private:
  QLabel* notes_;
  QLabel *cuspsTitle_, *hisInHersTitle_, *hersInHisTitle_;
  QTableWidget *cusps_, *hisInHers_, *hersInHis_;
  QLabel *hisInHersTexts_, *hersInHisTexts_;
};

// The Houses page of the report's PDF file, in the painter's current font,
// one text line `line` high from the top of `page`: a heading, the notes, the
// cusps' table, and the two overlay tables side by side.
void PaintHouseTables(QPainter& painter, const zentara::CoupleHouseTables& tables, const QRect& page, double line);

}  // namespace astro
