#include "shell/drop_down_combo.h"

#include <QAbstractItemModel>
#include <QEvent>

namespace shell {

DropDownCombo::DropDownCombo(QWidget* parent) : QComboBox(parent) { watchItems(); }

void DropDownCombo::watchItems() {
  // Any change to the items leaves a smallest size measured before it stale.
  const auto itemsChanged = [this] {
    if (smallest_ == Smallest::OfTheseItems) smallest_ = Smallest::OfEarlierItems;
  };
  QAbstractItemModel* items = model();
  connect(items, &QAbstractItemModel::rowsInserted, this, itemsChanged);
  connect(items, &QAbstractItemModel::rowsRemoved, this, itemsChanged);
  connect(items, &QAbstractItemModel::rowsMoved, this, itemsChanged);
  connect(items, &QAbstractItemModel::dataChanged, this, itemsChanged);
  connect(items, &QAbstractItemModel::layoutChanged, this, itemsChanged);
  connect(items, &QAbstractItemModel::modelReset, this, itemsChanged);
}

void DropDownCombo::setModel(QAbstractItemModel* items) {
  if (smallest_ == Smallest::OfTheseItems) smallest_ = Smallest::OfEarlierItems;
  QComboBox::setModel(items);
  watchItems();
}

QSize DropDownCombo::minimumSizeHint() const {
  // Qt measures on the first question, and again after a change of style.
  if (smallest_ == Smallest::NotMeasured) smallest_ = Smallest::OfTheseItems;
  return QComboBox::minimumSizeHint();
}

QSize DropDownCombo::sizeHint() const {
  // Setting either anew makes Qt measure again.
  if (iconSizeAtShow_ && (sizeAdjustPolicy() != AdjustToContentsOnFirstShow || iconSize() != *iconSizeAtShow_)) {
    qtMeasures_ = true;
  }
  if (qtMeasures_ || !iconSizeAtShow_) return QComboBox::sizeHint();
  if (!usual_) {
    if (smallest_ == Smallest::OfEarlierItems) {
      qtMeasures_ = true;
      return QComboBox::sizeHint();
    }
    usual_ = minimumSizeHint();
  }
  return *usual_;
}

void DropDownCombo::showEvent(QShowEvent* event) {
  // Only this policy makes the first show measure again, and with a shortest
  // length set the two sizes are measured differently.
  if (!shown_ && sizeAdjustPolicy() == AdjustToContentsOnFirstShow && minimumContentsLength() == 0) {
    iconSizeAtShow_ = iconSize();
  }
  shown_ = true;
  QComboBox::showEvent(event);
}

void DropDownCombo::changeEvent(QEvent* event) {
  // Qt forgets its usual size on either, and its smallest on a style change.
  if (event->type() == QEvent::StyleChange) smallest_ = Smallest::NotMeasured;
  if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange) {
    qtMeasures_ = true;
    usual_.reset();
  }
  QComboBox::changeEvent(event);
}

}  // namespace shell
