// The entry forms' combo box and word-wrapped labels measure their text fewer
// times than Qt's own widgets, and must still give exactly Qt's sizes: side
// by side with a plain QComboBox or QLabel set up the same way, through the
// changes a form can make after it is shown.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <functional>

#include "gui_test_support.h"
#include "shell/drop_down_combo.h"
#include "shell/word_wrap_label.h"
#include "shell/whole_text_label.h"

namespace {

// Set up as the forms set up their boxes: an editable box with no completion
// whose usual size is asked once before any item is added.
template <class Box>
Box* MakeBox(QWidget* parent, const QStringList& items) {
  auto* box = new Box(parent);
  box->setLineEdit(new QLineEdit(box));
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  box->sizeHint();
  box->addItems(items);
  return box;
}

QString Sizes(const QComboBox* box) {
  return QStringLiteral("usual %1x%2, smallest %3x%4")
      .arg(box->sizeHint().width())
      .arg(box->sizeHint().height())
      .arg(box->minimumSizeHint().width())
      .arg(box->minimumSizeHint().height());
}

// Doubles the label's or box's font size.
void Enlarge(QWidget* widget) {
  QFont font = widget->font();
  font.setPointSize(font.pointSize() * 2);
  widget->setFont(font);
}

}  // namespace

class SizesMeasuredOnceTest : public QObject {
  Q_OBJECT

 private slots:
  void comboBoxGivesQtsSizes_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("changeDuringShow");  // made after show(), before its layout
    QTest::newRow("as shown") << "" << false;
    QTest::newRow("longer items after the show") << "items" << false;
    QTest::newRow("longer items as the box is shown") << "items" << true;
    QTest::newRow("font") << "font" << false;
    QTest::newRow("style") << "style" << false;
    QTest::newRow("size policy") << "policy" << false;
  }
  void comboBoxGivesQtsSizes() {
    QFETCH(QString, change);
    QFETCH(bool, changeDuringShow);
    const QStringList years = shell::NumberItems(1936, 2050);
    // A widget does not own a style set on it: this one outlives the boxes.
    const std::unique_ptr<QStyle> otherStyle(QStyleFactory::create(QStringLiteral("Windows")));
    const auto apply = [&](QComboBox* box) {
      if (change == "items") box->addItems({QStringLiteral("Wednesday, 30 September 2050")});
      if (change == "font") Enlarge(box);
      if (change == "style") box->setStyle(otherStyle.get());
      if (change == "policy") box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    };
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    QComboBox* boxes[] = {MakeBox<QComboBox>(&window, years), MakeBox<shell::DropDownCombo>(&window, years)};
    for (QComboBox* box : boxes) layout->addWidget(box);
    window.show();
    if (changeDuringShow) {
      for (QComboBox* box : boxes) apply(box);
    }
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(Sizes(boxes[1]), Sizes(boxes[0]));
    if (!changeDuringShow) {
      for (QComboBox* box : boxes) apply(box);
    }
    QCoreApplication::processEvents();
    QCOMPARE(Sizes(boxes[1]), Sizes(boxes[0]));
    QCOMPARE(boxes[1]->width(), boxes[0]->width());
  }

  // The word-wrapping label against Qt's, and the look-up window's wrapping
  // label against one made afresh, after each change in turn.
  void labelsGiveFreshHeights() {
    const QString text = QStringLiteral(
        "This program has been designed keeping in mind date settings according to MM/DD/YYYY format");
    const std::pair<const char*, std::function<void(QLabel*)>> changes[] = {
        {"none", [](QLabel*) {}},
        {"text", [&](QLabel* label) { label->setText(text + QStringLiteral(" and a good deal longer")); }},
        {"font", [](QLabel* label) { Enlarge(label); }},
        {"margin", [](QLabel* label) { label->setMargin(9); }},
        {"indent", [](QLabel* label) { label->setIndent(30); }},
        {"contents margins", [](QLabel* label) { label->setContentsMargins(20, 5, 20, 5); }},
    };
    QLabel plain(text);
    plain.setWordWrap(true);
    shell::WordWrapLabel remembering(text);
    shell::WholeTextLabel wrapping;
    wrapping.setText(text);
    for (std::size_t done = 0; done < std::size(changes); ++done) {
      for (QLabel* label : {&plain, static_cast<QLabel*>(&remembering), static_cast<QLabel*>(&wrapping)}) {
        changes[done].second(label);
      }
      shell::WholeTextLabel fresh;
      fresh.setText(text);
      for (std::size_t i = 0; i <= done; ++i) changes[i].second(&fresh);
      for (const int width : {40, 205, 330, 205, 600, 40}) {
        const auto failure = [&](const QLabel& expected, const QLabel& actual) {
          return QStringLiteral("after %1, width %2: expected %3, got %4")
              .arg(QLatin1String(changes[done].first))
              .arg(width)
              .arg(expected.heightForWidth(width))
              .arg(actual.heightForWidth(width));
        };
        QVERIFY2(remembering.heightForWidth(width) == plain.heightForWidth(width), qPrintable(failure(plain, remembering)));
        QVERIFY2(wrapping.heightForWidth(width) == fresh.heightForWidth(width), qPrintable(failure(fresh, wrapping)));
      }
    }
  }
};

ZENTARA_GUI_TEST_MAIN(SizesMeasuredOnceTest)
#include "sizes_measured_once_test.moc"
