// Controls made with their names: every control carries its name as objectName.
#pragma once
#include <QAction>
#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QString>

namespace shell {

inline QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}
inline QPushButton* NamedButton(QWidget* parent, const char* name, const char* caption) {
  return NamedButton(parent, name, QString::fromLatin1(caption));
}

// A heading: the label's font made bold and `scale` times its size.
inline void MakeHeading(QWidget* label, double scale) {
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * scale);
  label->setFont(font);
}

// A bold heading, `scale` times the font's size, showing `text` as plain text.
inline QLabel* NamedHeading(QWidget* parent, const char* name, const QString& text, double scale) {
  auto* heading = new QLabel(text, parent);
  heading->setObjectName(QString::fromLatin1(name));
  heading->setTextFormat(Qt::PlainText);
  MakeHeading(heading, scale);
  return heading;
}

// Paragraphs of plain text, wrapped to the width they are given.
inline QLabel* NamedParagraphs(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

inline QAction* NamedMenuEntry(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}
inline QAction* NamedMenuEntry(QMenu* menu, const char* name, const char* caption) {
  return NamedMenuEntry(menu, name, QString::fromLatin1(caption));
}

}  // namespace shell
