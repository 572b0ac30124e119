// The drop-down combo boxes of the entry forms: a list to pick from whose text
// can also be typed over (a typed text is never added to the list), and which
// measures its items' text once where Qt measures it twice.
//
// Until the box is first shown, Qt's own sizes stand: its usual size (kept
// from whenever it was first asked) and its smallest size, the width of the
// widest item, measured when the layouts first ask for it. At the first show
// Qt throws the usual size away and measures every item's text again, which
// gives exactly the smallest size whenever the items and the font are still
// those the smallest size was measured with. The box then keeps the smallest
// size as its usual size instead of measuring again (for a form's date lists
// about a quarter of the work of laying the form out). It keeps it as long as
// Qt would keep its own: until the font or the style changes, or the size
// policy or the icon size is set anew; from then on Qt measures.
#pragma once
#include <QComboBox>
#include <QStringList>
#include <optional>

namespace shell {

class DropDownCombo : public QComboBox {
 public:
  explicit DropDownCombo(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  void setModel(QAbstractItemModel* model) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void watchItems();

  // Whether Qt's smallest size has been measured, and with the items the box
  // holds now.
  enum class Smallest { NotMeasured, OfTheseItems, OfEarlierItems };
  mutable Smallest smallest_ = Smallest::NotMeasured;
  // The icon size at the first show, when that show made Qt measure again.
  std::optional<QSize> iconSizeAtShow_;
  // The usual size taken from the smallest after the first show.
  mutable std::optional<QSize> usual_;
  bool shown_ = false;
  mutable bool qtMeasures_ = false;
};

// A combo box named `name` holding `items`, with nothing selected and no
// completion (a typed text stays exactly as typed).
QComboBox* MakeDropDownCombo(QWidget* parent, const char* name, const QStringList& items);

// Appends `items` to the list without changing what the box shows: a box with
// nothing selected keeps nothing selected.
void AddListItems(QComboBox* box, const QStringList& items);

// The list position the box shows: the index of the item whose text equals the
// box's text exactly, or -1 when the text matches no item.
int ListPosition(const QComboBox* box);

// "1".."n" and first..last as list items, and the twelve month names.
QStringList NumberItems(int first, int last);
// The month list as shown: the months' names in the user's language.
QStringList MonthItems();
// A month as the entries hold it, in English, whatever the list shows: the
// English name of a month shown in the user's language; any other text
// (typed over the list) as it stands.
QString StoredMonthText(const QString& shown);
// The other way: an English month's name as the list shows it.
QString ShownMonthText(const QString& stored);

}  // namespace shell
