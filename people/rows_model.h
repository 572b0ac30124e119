// A read-only table for the windows' long lists: rows are made only when
// shown, so a list of a hundred thousand people opens and filters at once.
#pragma once
#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

namespace people {

class RowsModel : public QAbstractTableModel {
 public:
  // `text(row, column)` gives a cell's text when it is shown.
  RowsModel(QStringList headers, std::function<QString(int row, int column)> text, QObject* parent = nullptr)
      : QAbstractTableModel(parent), headers_(std::move(headers)), text_(std::move(text)) {}

  // The list now has `rows` rows; everything shown is read again.
  void Reset(int rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : static_cast<int>(headers_.size()); }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return text_(index.row(), index.column());
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return headers_.value(section);
  }

 private:
  QStringList headers_;
  std::function<QString(int, int)> text_;
  int rows_ = 0;
};

}  // namespace people
