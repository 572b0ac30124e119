// Controls made with their names: every control carries its name as objectName.
#pragma once
#include <QAction>
#include <QFont>
#include <QMenu>
#include <QPushButton>
#include <QString>

namespace shell {

inline QPushButton* NamedButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// A heading: the label's font made bold and `scale` times its size.
inline void MakeHeading(QWidget* label, double scale) {
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * scale);
  label->setFont(font);
}

inline QAction* NamedMenuEntry(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(QString::fromLatin1(caption));
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace shell
