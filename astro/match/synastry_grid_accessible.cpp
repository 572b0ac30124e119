#include "astro/match/synastry_grid_accessible.h"

#include <QCoreApplication>
#include <QAccessibleWidget>
#include <memory>
#include <vector>

#include "astro/match/synastry_grid_view.h"
#include "astro/match/synastry_texts.h"
#include "platform/qt_text.h"

namespace astro {

namespace {

constexpr int kPoints = static_cast<int>(zentara::AspectPointCount);
// The table's squares: a header row and column round the cells, the corner
// square naming the arrangement.
constexpr int kSquares = kPoints + 1;

QString PointName(bool his, int index) {
  const QString point = platform::Translated("Points", zentara::SlotWords[zentara::AspectPoints[static_cast<std::size_t>(index)]]);
  return (his ? QCoreApplication::translate("AspectGrid", "His %1") : QCoreApplication::translate("AspectGrid", "Her %1"))
      .arg(point);
}

class GridAccessible;

// One square of the table: a header or a cell, at its row and column of the
// squares (header row and column 0).
class SquareAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  SquareAccessible(GridAccessible* table, int row, int column) : table_(table), row_(row), column_(column) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text kind) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override {
    if (row_ == 0) return QAccessible::ColumnHeader;
    return column_ == 0 ? QAccessible::RowHeader : QAccessible::Cell;
  }
  QAccessible::State state() const override;
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface && row_ > 0 && column_ > 0
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
  }

  // The cell's place among the cells, headers not counted.
  int rowIndex() const override { return row_ - 1; }
  int columnIndex() const override { return column_ - 1; }
  int rowExtent() const override { return 1; }
  int columnExtent() const override { return 1; }
  bool isSelected() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QAccessibleInterface* table() const override;

 private:
  GridAccessible* table_;
  int row_, column_;
};

class GridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit GridAccessible(AspectGridView* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
  ~GridAccessible() override {
    for (const QAccessible::Id id : ids_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  AspectGridView* grid() const { return static_cast<AspectGridView*>(widget()); }

  // The square at `row` and `column` of the squares, made once and kept.
  QAccessibleInterface* square(int row, int column) const {
    if (row < 0 || column < 0 || row >= kSquares || column >= kSquares) return nullptr;
    if (ids_.empty()) ids_.assign(kSquares * kSquares, 0);
    QAccessible::Id& id = ids_[static_cast<std::size_t>(row * kSquares + column)];
    if (id == 0) {
      id = QAccessible::registerAccessibleInterface(
          new SquareAccessible(const_cast<GridAccessible*>(this), row, column));
    }
    return QAccessible::accessibleInterface(id);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return QCoreApplication::translate("AspectGrid", "Aspects grid");
    if (kind == QAccessible::Description) {
      return QCoreApplication::translate("AspectGrid", "His points down, her points across; each cell says the aspect they make, if any.");
    }
    return QAccessibleWidget::text(kind);
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  int childCount() const override { return kSquares * kSquares; }
  QAccessibleInterface* child(int index) const override {
    return index < 0 || index >= childCount() ? nullptr : square(index / kSquares, index % kSquares);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* square = dynamic_cast<const SquareAccessible*>(child);
    for (int index = 0; square && index < childCount(); ++index) {
      if (this->child(index) == child) return index;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = grid()->mapFromGlobal(QPoint(x, y));
    const int side = qMin(grid()->width(), grid()->height());
    if (local.x() < 0 || local.y() < 0 || local.x() >= side || local.y() >= side) return nullptr;
    return square(local.y() * kSquares / side, local.x() * kSquares / side);
  }

  // The table of cells, headers apart.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override { return square(row + 1, column + 1); }
  int columnCount() const override { return kPoints; }
  int rowCount() const override { return kPoints; }
  QString columnDescription(int column) const override { return PointName(false, column); }
  QString rowDescription(int row) const override { return PointName(true, row); }
  int selectedCellCount() const override { return 1; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override {
    return {cellAt(grid()->currentRow(), grid()->currentColumn())};
  }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  mutable std::vector<QAccessible::Id> ids_;
};

bool SquareAccessible::isValid() const { return table_->isValid(); }
QWindow* SquareAccessible::window() const { return table_->window(); }
QAccessibleInterface* SquareAccessible::parent() const { return table_; }
QAccessibleInterface* SquareAccessible::table() const { return table_; }

QString SquareAccessible::text(QAccessible::Text kind) const {
  if (kind != QAccessible::Name) return {};
  if (row_ == 0 && column_ == 0) return QCoreApplication::translate("AspectGrid", "His points down, her points across");
  if (row_ == 0) return PointName(false, column_ - 1);
  if (column_ == 0) return PointName(true, row_ - 1);
  const auto& aspect = table_->grid()->grid().Cells[static_cast<std::size_t>(row_ - 1)][static_cast<std::size_t>(column_ - 1)];
  const QString his = platform::Translated("Points", zentara::SlotWords[zentara::AspectPoints[static_cast<std::size_t>(row_ - 1)]]);
  const QString hers = platform::Translated("Points", zentara::SlotWords[zentara::AspectPoints[static_cast<std::size_t>(column_ - 1)]]);
  if (!aspect) return QCoreApplication::translate("AspectGrid", "His %1 and her %2: no aspect").arg(his, hers.toLower());
  return QCoreApplication::translate("AspectGrid", "His %1 and her %2: %3, %4 from exact")
      .arg(his, hers.toLower(), platform::ToQt(zentara::AspectKindOf(aspect->Kind).Name),
           platform::ToQt(zentara::SeparationText(aspect->SeparationMinutes)));
}

QRect SquareAccessible::rect() const {
  const AspectGridView* grid = table_->grid();
  const int side = qMin(grid->width(), grid->height());
  const QRect local(column_ * side / kSquares, row_ * side / kSquares, side / kSquares, side / kSquares);
  return QRect(grid->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State SquareAccessible::state() const {
  QAccessible::State state;
  state.readOnly = true;
  if (row_ > 0 && column_ > 0) {
    state.selectable = true;
    state.focusable = true;
    state.selected = isSelected();
    state.focused = state.selected && table_->grid()->hasFocus();
  }
  return state;
}

bool SquareAccessible::isSelected() const {
  return row_ - 1 == table_->grid()->currentRow() && column_ - 1 == table_->grid()->currentColumn();
}

QList<QAccessibleInterface*> SquareAccessible::rowHeaderCells() const { return {table_->square(row_, 0)}; }
QList<QAccessibleInterface*> SquareAccessible::columnHeaderCells() const { return {table_->square(0, column_)}; }

QAccessibleInterface* AspectGrids(const QString& className, QObject* object) {
  auto* grid = qobject_cast<AspectGridView*>(object);
  if (!grid || className != QLatin1String(AspectGridView::staticMetaObject.className())) return nullptr;
  return new GridAccessible(grid);
}

}  // namespace

void SpeakAspectGridsAsTables() {
  static const bool installed = [] {
    QAccessible::installFactory(AspectGrids);
    return true;
  }();
  (void)installed;
}

void AnnounceCurrentCell(AspectGridView* grid) {
  if (!QAccessible::isActive()) return;
  const int child = (grid->currentRow() + 1) * kSquares + grid->currentColumn() + 1;
  QAccessibleEvent focus(grid, QAccessible::Focus);
  focus.setChild(child);
  QAccessible::updateAccessibility(&focus);
  QAccessibleEvent selection(grid, QAccessible::Selection);
  selection.setChild(child);
  QAccessible::updateAccessibility(&selection);
}

}  // namespace astro
