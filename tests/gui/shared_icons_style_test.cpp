// The desktop's style hands out one icon of each standard kind, so file dialogs
// opened one after the other draw the pictures the first one drew.
#include <QAbstractButton>
#include <QFileDialog>

#include "gui_test_support.h"
#include "platform/shared_icons_style.h"

class SharedIconsStyleTest : public QObject {
  Q_OBJECT

  // The cache keys of the icons on a new save dialog's buttons, in order.
  static QList<qint64> SaveDialogIcons() {
    QFileDialog dialog(nullptr, QStringLiteral("Save"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QList<qint64> keys;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
      if (!button->icon().isNull()) keys << button->icon().cacheKey();
    }
    return keys;
  }

 private slots:
  void initTestCase() { QApplication::setStyle(new platform::SharedIconsStyle()); }

  void theNextFileDialogShowsTheSameIcons() {
    const QList<qint64> first = SaveDialogIcons();
    QVERIFY(first.size() >= 5);  // back, up, new folder, list, details at least
    QCOMPARE(SaveDialogIcons(), first);
  }
};

ZENTARA_GUI_TEST_MAIN(SharedIconsStyleTest)
#include "shared_icons_style_test.moc"
