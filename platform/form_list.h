// The list of open forms in the order they were loaded, as both platforms keep it.
#pragma once
#include <QList>
#include <QPointer>
#include <QWidget>

namespace platform {

class FormList {
 public:
  void add(QWidget* form) { forms_.append(QPointer<QWidget>(form)); }
  void remove(QWidget* form) { forms_.removeAll(QPointer<QWidget>(form)); }
  // The forms still open; a form deleted without being unloaded drops out.
  QList<QWidget*> open() const {
    QList<QWidget*> result;
    for (const auto& form : forms_) {
      if (form) result.append(form.data());
    }
    return result;
  }

 private:
  QList<QPointer<QWidget>> forms_;
};

}  // namespace platform
