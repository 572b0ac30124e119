#include "shell/spoken_names.h"

#include "shell/spoken_combo_box.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QWidget>

namespace shell {

namespace {

void Name(QWidget* window, const QString& control, const QString& spoken) {
  const QList<QWidget*> found = window->findChildren<QWidget*>(control);
  Q_ASSERT_X(!found.isEmpty(), "GiveSpokenNames", qPrintable(control));
  for (QWidget* widget : found) {
    const QString caption = widget->property("text").toString().remove(QLatin1Char('&'));
    widget->setAccessibleName(spoken.contains(QLatin1String("%2")) ? QString(spoken).replace(QLatin1String("%2"), caption)
                                                                   : spoken);
    if (auto* box = qobject_cast<QComboBox*>(widget)) SpeakByName(box);
  }
}

}  // namespace

void GiveSpokenNames(QWidget* window, std::span<const SpokenName> names) {
  for (const SpokenName& name : names) {
    const QString control = QString::fromLatin1(name.control);
    const QString spoken = QCoreApplication::translate("SpokenNames", name.spoken);
    if (!control.contains(QLatin1String("%1"))) {
      Name(window, control, spoken);
      continue;
    }
    Name(window, control.arg(QLatin1Char('M')), spoken.arg(QCoreApplication::translate("SpokenNames", "Male")));
    Name(window, control.arg(QLatin1Char('F')), spoken.arg(QCoreApplication::translate("SpokenNames", "Female")));
  }
}

}  // namespace shell
