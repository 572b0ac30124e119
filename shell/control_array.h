// Control arrays: several controls that share one name and are told apart by an
// index, kept in the dynamic property "index".
#pragma once
#include <QString>
#include <QVariant>
#include <QWidget>

namespace shell {

template <class Control>
Control* MakeArrayMember(QWidget* parent, const char* name, int index) {
  auto* control = new Control(parent);
  control->setObjectName(QString::fromLatin1(name));
  control->setProperty("index", index);
  return control;
}

// The member `index` of the array `name` below `root`, or nullptr.
template <class Control>
Control* ArrayMember(const QWidget* root, const QString& name, int index) {
  for (Control* control : root->findChildren<Control*>(name)) {
    if (control->property("index").toInt() == index) return control;
  }
  return nullptr;
}

}  // namespace shell
