// The desktop style draws a group box's frame as Fusion does from its picture:
// the same place and colours, every pixel compared (the titled and untitled
// frames are tall enough to be filled in more than one band).
#include <QGroupBox>
#include <QStyleFactory>

#include "gui_test_support.h"
#include "platform/drawn_frames_style.h"

namespace {

// Levels of 255 a drawn pixel may differ from Fusion's: its straight lines and
// fills, and the anti-aliased rounded corners.
constexpr int kLineToleranceLevels = 2;
constexpr int kCornerToleranceLevels = 12;
// Pixels a corner may have beyond kLineToleranceLevels.
constexpr int kCornerPixels = 6;

QImage Drawn(QStyle* style, const QString& title, bool checkable, QSize size) {
  QGroupBox box(title);
  box.setCheckable(checkable);
  box.setStyle(style);
  box.resize(size);
  return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class DrawnFramesStyleTest : public QObject {
  Q_OBJECT

 private slots:
  void frameMatchesFusionsPicture_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<QSize>("size");
    QTest::newRow("titled") << "Your Details Please" << false << QSize(360, 120);
    QTest::newRow("untitled") << "" << false << QSize(300, 90);
    QTest::newRow("checkable, untitled") << "" << true << QSize(200, 80);
    QTest::newRow("small") << "Option" << false << QSize(40, 44);
  }
  void frameMatchesFusionsPicture() {
    QFETCH(QString, title);
    QFETCH(bool, checkable);
    QFETCH(QSize, size);
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    std::unique_ptr<QStyle> drawn(new platform::DrawnFramesStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    const QImage expected = Drawn(fusion.get(), title, checkable, size);
    const QImage actual = Drawn(drawn.get(), title, checkable, size);
    QCOMPARE(actual.size(), expected.size());
    int beyondLine = 0;
    for (int y = 0; y < expected.height(); ++y) {
      for (int x = 0; x < expected.width(); ++x) {
        const QRgb want = expected.pixel(x, y);
        const QRgb got = actual.pixel(x, y);
        const int difference = std::max({std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                                         std::abs(qBlue(want) - qBlue(got))});
        if (difference > kLineToleranceLevels) ++beyondLine;
        QVERIFY2(difference <= kCornerToleranceLevels,
                 qPrintable(QStringLiteral("pixel (%1, %2): expected #%3, got #%4")
                                .arg(x)
                                .arg(y)
                                .arg(want & 0xffffff, 6, 16, QLatin1Char('0'))
                                .arg(got & 0xffffff, 6, 16, QLatin1Char('0'))));
      }
    }
    QVERIFY2(beyondLine <= 4 * kCornerPixels, qPrintable(QStringLiteral("%1 pixels beyond %2 levels")
                                                              .arg(beyondLine)
                                                              .arg(kLineToleranceLevels)));
  }
};

ZENTARA_GUI_TEST_MAIN(DrawnFramesStyleTest)
#include "drawn_frames_style_test.moc"
