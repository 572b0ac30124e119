// The entry forms' combo box and word-wrapped labels measure their text fewer
// times than Qt's own widgets, and must still give exactly Qt's sizes: side
// by side with a plain QComboBox or QLabel set up the same way, through the
// changes a form can make after it is shown.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>

#include "gui_test_support.h"
#include "shell/combo_box.h"
#include "shell/drop_down_combo.h"
#include "shell/word_wrap_label.h"
#include "shell/wrapped_label.h"

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

enum class Change { None, ItemsAdded, ItemsRemoved, Font, Style, Placeholder, Policy, IconSize };

void Apply(Change change, QComboBox* box, QStyle* otherStyle) {
  switch (change) {
    case Change::None:
      break;
    case Change::ItemsAdded:
      box->addItems({QStringLiteral("Wednesday, 30 September 2050"), QStringLiteral("x")});
      break;
    case Change::ItemsRemoved:
      while (box->count() > 1) box->removeItem(box->count() - 1);
      break;
    case Change::Font: {
      QFont font = box->font();
      font.setPointSize(font.pointSize() + 5);
      box->setFont(font);
      break;
    }
    case Change::Style:
      box->setStyle(otherStyle);
      break;
    case Change::Placeholder:
      box->setPlaceholderText(QStringLiteral("Choose a year between 1936 and 2050"));
      break;
    case Change::Policy:
      box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
      box->setMinimumContentsLength(3);
      break;
    case Change::IconSize:
      box->setIconSize(QSize(40, 40));
      break;
  }
}

}  // namespace

class SizesMeasuredOnceTest : public QObject {
  Q_OBJECT

 private slots:
  void comboBoxGivesQtsSizes_data() {
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("itemsBeforeShow");
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("changeBeforeLayout");  // made during the show, before its layout
    const QStringList months = shell::MonthItems();
    const QStringList years = shell::NumberItems(1936, 2050);
    const auto row = [](const char* name, const QStringList& items, bool before, Change change,
                        bool changeBeforeLayout = false) {
      QTest::newRow(name) << items << before << static_cast<int>(change) << changeBeforeLayout;
    };
    row("months, as shown", months, true, Change::None);
    row("years, as shown", years, true, Change::None);
    row("no items", {}, true, Change::None);
    row("items added only after the show", months, false, Change::None);
    row("longer items added after the show", years, true, Change::ItemsAdded);
    row("items removed after the show", months, true, Change::ItemsRemoved);
    row("longer items added as the box is shown", months, true, Change::ItemsAdded, true);
    row("font changed after the show", months, true, Change::Font);
    row("style changed after the show", years, true, Change::Style);
    row("placeholder set after the show", years, true, Change::Placeholder);
    row("size policy set after the show", years, true, Change::Policy);
    row("icon size set after the show", months, true, Change::IconSize);
  }
  void comboBoxGivesQtsSizes() {
    QFETCH(QStringList, items);
    QFETCH(bool, itemsBeforeShow);
    QFETCH(int, change);
    QFETCH(bool, changeBeforeLayout);
    // A widget does not own a style set on it: this one outlives the boxes.
    const std::unique_ptr<QStyle> otherStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    const QStringList early = itemsBeforeShow ? items : QStringList();
    QComboBox* boxes[] = {MakeBox<QComboBox>(&window, early), MakeBox<shell::DropDownCombo>(&window, early)};
    for (QComboBox* box : boxes) layout->addWidget(box);
    window.show();
    if (changeBeforeLayout) {
      for (QComboBox* box : boxes) Apply(static_cast<Change>(change), box, otherStyle.get());
    }
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(Sizes(boxes[1]), Sizes(boxes[0]));
    for (QComboBox* box : boxes) {
      if (!itemsBeforeShow) box->addItems(items);
      if (!changeBeforeLayout) Apply(static_cast<Change>(change), box, otherStyle.get());
    }
    QCoreApplication::processEvents();
    QCOMPARE(Sizes(boxes[1]), Sizes(boxes[0]));
    QCOMPARE(boxes[1]->width(), boxes[0]->width());
  }

  void labelGivesQtsHeights_data() {
    QTest::addColumn<QString>("change");
    for (const char* change : {"none", "text", "font", "margin", "indent", "contents margins", "alignment"}) {
      QTest::newRow(change) << QString::fromLatin1(change);
    }
  }
  // The word-wrapping label against Qt's, and the look-up window's wrapping
  // label against one made afresh after the change.
  void labelGivesQtsHeights() {
    QFETCH(QString, change);
    const QString text = QStringLiteral(
        "This program has been designed keeping in mind date settings according to MM/DD/YYYY format");
    const auto applyChange = [&](QLabel* label) {
      if (change == "text") label->setText(text + QStringLiteral(" and a good deal longer than it was at first"));
      if (change == "font") {
        QFont font = label->font();
        font.setPointSize(font.pointSize() * 2);
        label->setFont(font);
      }
      if (change == "margin") label->setMargin(9);
      if (change == "indent") label->setIndent(30);
      if (change == "contents margins") label->setContentsMargins(20, 5, 20, 5);
      if (change == "alignment") label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    };
    QLabel plain(text);
    plain.setWordWrap(true);
    shell::WordWrapLabel remembering(text);
    shell::WrappedLabel wrapping;
    wrapping.setText(text);
    const int widths[] = {40, 120, 205, 330, 205, 600, 120, 277, 40, 330};
    const auto compare = [&](const char* when, const char* which, const QLabel& expected, const QLabel& actual) {
      for (const int width : widths) {
        QVERIFY2(actual.heightForWidth(width) == expected.heightForWidth(width),
                 qPrintable(QStringLiteral("%1, %2, width %3: expected %4, got %5")
                                .arg(QLatin1String(which), QLatin1String(when))
                                .arg(width)
                                .arg(expected.heightForWidth(width))
                                .arg(actual.heightForWidth(width))));
      }
    };
    compare("before the change", "word-wrapping label", plain, remembering);
    for (QLabel* label : {&plain, static_cast<QLabel*>(&remembering), static_cast<QLabel*>(&wrapping)}) {
      applyChange(label);
    }
    compare("after the change", "word-wrapping label", plain, remembering);
    shell::WrappedLabel fresh;
    fresh.setText(text);
    applyChange(&fresh);
    compare("after the change", "wrapping label", fresh, wrapping);
  }
};

ZENTARA_GUI_TEST_MAIN(SizesMeasuredOnceTest)
#include "sizes_measured_once_test.moc"
