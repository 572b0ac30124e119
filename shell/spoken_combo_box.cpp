#include "shell/spoken_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace shell {

namespace {

// A combo box as a reader sees it: its name, its item as the value, and the
// action that opens its list. Its children are the widget's own (the text box
// of an editable one); the open list announces itself as it takes focus.
class NamedComboBoxAccessible final : public QAccessibleWidget {
 public:
  explicit NamedComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {
    addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
  }

  QString text(QAccessible::Text kind) const override {
    switch (kind) {
      case QAccessible::Name: return box()->accessibleName();
      case QAccessible::Value: return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
      default: return QAccessibleWidget::text(kind);
    }
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) {
      box()->showPopup();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// Asked first with the most derived class's name: any combo box, of a class
// of ours too, that has a name.
QAccessibleInterface* NamedComboBoxes(const QString& /*className*/, QObject* object) {
  auto* box = qobject_cast<QComboBox*>(object);
  if (!box || box->accessibleName().isEmpty()) return nullptr;
  return new NamedComboBoxAccessible(box);
}

}  // namespace

void SpeakByName(QComboBox* box) {
  static const bool installed = [] {
    QAccessible::installFactory(NamedComboBoxes);
    return true;
  }();
  (void)installed;
  // Qt makes a box's interface as soon as the box changes (its first item is
  // an event), before any name is given, and keeps it: one made without the
  // name is dropped so that the next asks the factory again.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(box);
  if (made && !dynamic_cast<NamedComboBoxAccessible*>(made)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

}  // namespace shell
