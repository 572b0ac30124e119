#include "shell/combo_box.h"

#include <QComboBox>

namespace shell {

QComboBox* MakeDropDownCombo(QWidget* parent, const char* name, const QStringList& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
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

QStringList MonthItems() {
  return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
          QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
          QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
          QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

}  // namespace shell
