#include "shell/drop_down_combo.h"

#include <QAbstractItemModel>
#include <QCompleter>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>

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

namespace {

// A completer that completes nothing, lent to each new box's line edit for a
// moment. A combo box made editable with setEditable builds its popup list and
// a completer over its items at once, which the boxes then throw away (about
// 1.4 million instructions a box, paid before a form is first shown); given a
// line edit that already has a completer, it keeps that one instead and
// leaves the popup list until it is first opened.
QCompleter* LentCompleter() {
  static QPointer<QCompleter> lent;
  if (lent.isNull()) lent = new QCompleter(QCoreApplication::instance());
  return lent;
}

}  // namespace

QComboBox* MakeDropDownCombo(QWidget* parent, const char* name, const QStringList& items) {
  auto* box = new DropDownCombo(parent);
  box->setObjectName(QString::fromLatin1(name));
  auto* edit = new QLineEdit(box);
  edit->setCompleter(LentCompleter());
  box->setLineEdit(edit);
  box->setInsertPolicy(QComboBox::NoInsert);
  // Hands the lent completer back: a typed text stays exactly as typed.
  box->setCompleter(nullptr);
  // Asked now, before any item is added, the box's usual size is that of an
  // empty box, room for about seven letters, whatever its items: the size the
  // form is first laid out with, which sets the window's size, so the forms
  // keep the layout they were drawn for. (Qt measures the items at the first
  // show, within that window.)
  box->sizeHint();
  AddListItems(box, items);
  return box;
}

void AddListItems(QComboBox* box, const QStringList& items) {
  const int selected = box->currentIndex();
  const QString shown = box->currentText();
  box->addItems(items);
  // Qt selects the first item added to an empty list; the form decides instead.
  if (selected < 0) {
    box->setCurrentIndex(-1);
    box->setEditText(shown);
  }
}

int ListPosition(const QComboBox* box) {
  return box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

QStringList NumberItems(int first, int last) {
  QStringList items;
  for (int n = first; n <= last; ++n) items << QString::number(n);
  return items;
}

namespace {

// The months as the entries, the readings and the saved files hold them.
constexpr const char* kMonths[] = {
    QT_TRANSLATE_NOOP("Months", "January"), QT_TRANSLATE_NOOP("Months", "February"),
    QT_TRANSLATE_NOOP("Months", "March"),   QT_TRANSLATE_NOOP("Months", "April"),
    QT_TRANSLATE_NOOP("Months", "May"),     QT_TRANSLATE_NOOP("Months", "June"),
    QT_TRANSLATE_NOOP("Months", "July"),    QT_TRANSLATE_NOOP("Months", "August"),
    QT_TRANSLATE_NOOP("Months", "September"), QT_TRANSLATE_NOOP("Months", "October"),
    QT_TRANSLATE_NOOP("Months", "November"), QT_TRANSLATE_NOOP("Months", "December"),
};

QString Shown(const char* month) { return QCoreApplication::translate("Months", month); }

}  // namespace

QStringList MonthItems() {
  QStringList items;
  for (const char* month : kMonths) items << Shown(month);
  return items;
}

QString StoredMonthText(const QString& shown) {
  for (const char* month : kMonths) {
    if (shown == Shown(month)) return QString::fromLatin1(month);
  }
  return shown;
}

QString ShownMonthText(const QString& stored) {
  for (const char* month : kMonths) {
    if (stored == QLatin1String(month)) return Shown(month);
  }
  return stored;
}

}  // namespace shell
