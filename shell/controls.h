// Controls made with their names: every control carries its name as objectName.
#pragma once
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QString>

namespace shell {

inline QPushButton* NamedButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

inline QAction* NamedMenuEntry(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(QString::fromLatin1(caption));
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace shell
