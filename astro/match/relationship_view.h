// The report frame's "Relationship" tab: the composite or the Davison chart of
// the couple ("Chart:" chooses which), said in one line over it, its wheel
// with its houses and the aspects among its own points, and under the wheel
// the tables of its positions and of its cusps and the aspects in words. The
// tab keeps the match it was given, so choosing the other chart needs nothing
// from the frame.
#pragma once
#include <QWidget>

#include "astro/match/chart_wheel.h"
#include "astro/match/relationship_charts.h"

class QComboBox;
class QLabel;
class QPainter;
class QTableWidget;

namespace astro {

class ChartWheelView;

class RelationshipView : public QWidget {
  Q_OBJECT

 public:
  explicit RelationshipView(QWidget* parent = nullptr);

  // Shows the chart chosen of `match`, with its houses in `system`, its
  // aspects at `orbs`.
  void setMatch(const zentara::AstroMatchResult& match, zentara::HouseSystem system, const zentara::AspectOrbs& orbs);

  zentara::RelationshipKind kind() const;
  const zentara::RelationshipChart& chart() const { return chart_; }
  // Both charts of the match shown, as the PDF's pages have them.
  zentara::RelationshipChart chartOf(zentara::RelationshipKind kind) const;
  // The wheel of a chart of this match, as the tab draws it.
  zentara::ChartWheel wheelOf(const zentara::RelationshipChart& chart) const;

  QComboBox* choice() const { return cboRelationship_; }
  QLabel* statement() const { return statement_; }
  ChartWheelView* wheel() const { return wheel_; }
  QTableWidget* positions() const { return positions_; }
  QTableWidget* cusps() const { return cusps_; }
  QLabel* aspects() const { return aspects_; }

 private:
  void Show();

  zentara::AstroMatchResult match_;
  zentara::HouseSystem system_ = zentara::HouseSystem::Placidus;
  zentara::AspectOrbs orbs_;
  zentara::RelationshipChart chart_;
  QComboBox* cboRelationship_;
  QLabel *statement_, *aspects_;
  ChartWheelView* wheel_;
  QTableWidget *positions_, *cusps_;
};

// A relationship chart's page of the PDF file, in the painter's current font
// with text lines `line` high: the statement and its notes, the wheel, and
// under it its positions and cusps side by side.
void PaintRelationshipPage(QPainter& painter, const zentara::RelationshipChart& chart,
                           const zentara::ChartWheel& wheel, const QRect& page, double line);

}  // namespace astro
