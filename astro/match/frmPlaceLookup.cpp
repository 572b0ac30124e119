#include "astro/match/frmPlaceLookup.h"

#include "astro/match/translated_sentences.h"

#include <algorithm>

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtMath>

#include "astro/match/place_lookup.h"
#include "platform/platform.h"
#include "shell/screen_fit.h"
#include "shell/spoken_names.h"
#include "shell/controls.h"
#include "platform/qt_text.h"
#include "shell/whole_text_label.h"
#include "web/web_pages.h"

namespace astro {
namespace {

using platform::ToQt;

// A label whose text may be longer than the window is wide wraps; a fixed
// short one does not. The wrapping label is the program's own, which is
// measured with one layout of its text where Qt's word-wrapping label tries
// several widths every time a layout asks its size.
enum class Wrap { No, Yes };
QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text, Wrap wrap = Wrap::Yes) {
  QLabel* label = wrap == Wrap::Yes ? new shell::WholeTextLabel(parent) : new QLabel(parent);
  label->setText(text);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QLineEdit* SearchBox(QWidget* parent, const char* name, const std::string& text) {
  auto* box = new QLineEdit(ToQt(text), parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

// The window's heading, bold and larger: whose birthplace is looked up.
QLabel* Heading(QWidget* parent, const QString& whose) {
  auto* heading = NamedLabel(parent, "lblHeading",
                             whose.isEmpty() ? QCoreApplication::translate("astro::frmPlaceLookup", "Find the Place of Birth")
                                             : QCoreApplication::translate("astro::frmPlaceLookup", "Find the Place of Birth: %1").arg(whose),
                             Wrap::No);
  shell::MakeHeading(heading, 1.3);
  return heading;
}

enum Column { Name, State, Country, Latitude, Longitude, Zone, Offset, Daylight, Change, ColumnCount };

QTreeWidgetItem* RowItem(const zentara::PlaceRowTexts& row) {
  QStringList texts(ColumnCount);
  texts[Name] = ToQt(row.name);
  texts[State] = ToQt(row.state);
  texts[Country] = ToQt(row.country);
  texts[Latitude] = ToQt(row.latitude);
  texts[Longitude] = ToQt(row.longitude);
  texts[Zone] = ToQt(row.timeZone);
  texts[Offset] = ToQt(row.offset);
  texts[Daylight] = ToQt(row.daylightSaving);
  texts[Change] = ToQt(row.clockChange);
  return new QTreeWidgetItem(texts);
}

// A tree widget whose current row changes without telling a screen reader
// that the focus is on it, while it has not: Qt's tree view announces every
// change of the current row as a move of the focus, so each search made while
// typing in City took the reader's focus to the first place found though the
// caret stayed in City.
class PlacesTree final : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
    if (hasFocus()) {
      QTreeWidget::currentChanged(current, previous);
      return;
    }
    QAbstractItemView::currentChanged(current, previous);
    viewport()->update();  // the whole rows, as the tree itself repaints them
  }
};

// The list of the places found, one row each, one selected at a time.
QTreeWidget* PlacesList(QWidget* parent) {
  auto* list = new PlacesTree(parent);
  list->setObjectName(QStringLiteral("lstPlaces"));
  list->setHeaderLabels({"Place", "State", "Country", "Latitude", "Longitude", "Time zone", "Offset at birth",
                         "Daylight saving", "Clock change"});
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  // The columns are sized to their texts at each search (FitColumnsToTexts),
  // and the user may widen or narrow them.
  list->header()->setSectionResizeMode(QHeaderView::Interactive);
  return list;
}

}  // namespace

frmPlaceLookup::frmPlaceLookup(zentara::Partner partner, const zentara::AstroPartnerEntries& entries,
                               const zentara::places::LoadedAtlas& atlas, QWidget* parent)
    : frmPlaceLookup(partner == zentara::Partner::Male ? QCoreApplication::translate("astro::frmPlaceLookup", "Male") : QCoreApplication::translate("astro::frmPlaceLookup", "Female"), entries,
                     atlas, parent) {}

frmPlaceLookup::frmPlaceLookup(const QString& whose, const zentara::AstroPartnerEntries& entries,
                               const zentara::places::LoadedAtlas& atlas, QWidget* parent)
    : Form("frmPlaceLookup", parent),
      entries_(entries),
      birth_(zentara::LocalBirthTime(entries)),
      atlas_(atlas.atlas) {
  // Made top to bottom, in the order Tab moves through them.
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(Heading(central, whose));
  layout->addWidget(NamedLabel(central, "lblBirthTime", TranslatedSentences(zentara::LookupContext, zentara::OffsetsDateSentences(entries))));
  layout->addLayout(MakeSearchBoxes(central, entries));
  lstPlaces_ = PlacesList(central);
  layout->addWidget(lstPlaces_, 1);
  AddStatusLines(central, layout);
  layout->addLayout(MakeCommands(central));
  setCentralWidget(central);
  static constexpr shell::SpokenName kSpokenNames[] = {
      {"txtLookupCity", QT_TRANSLATE_NOOP("SpokenNames", "City")}, {"txtLookupState", QT_TRANSLATE_NOOP("SpokenNames", "State")}, {"txtLookupCountry", QT_TRANSLATE_NOOP("SpokenNames", "Country")}, {"lstPlaces", QT_TRANSLATE_NOOP("SpokenNames", "Places")}};
  shell::GiveSpokenNames(this, kSpokenNames);
  resize(shell::GrownWithFont({960, 520}));
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &frmPlaceLookup::cmdClose_Click);

  if (atlas_) {
    StartSearching();
  } else {
    ShowAtlasMissing(atlas.error);
  }
}

// The city, state and country boxes, each after its caption, holding the
// partner's place; Up and Down in them move the list's selection (eventFilter).
QGridLayout* frmPlaceLookup::MakeSearchBoxes(QWidget* central, const zentara::AstroPartnerEntries& entries) {
  auto* boxes = new QGridLayout();
  txtCity_ = SearchBox(central, "txtLookupCity", entries.City);
  txtState_ = SearchBox(central, "txtLookupState", entries.State);
  txtCountry_ = SearchBox(central, "txtLookupCountry", entries.Country);
  const std::pair<const char*, QLineEdit*> rows[] = {
      {"City:", txtCity_}, {"State:", txtState_}, {"Country:", txtCountry_}};
  for (int column = 0; column < 3; ++column) {
    boxes->addWidget(new QLabel(QString::fromLatin1(rows[column].first), central), 0, 2 * column);
    boxes->addWidget(rows[column].second, 0, 2 * column + 1);
    rows[column].second->installEventFilter(this);
  }
  return boxes;
}

// Under the list: what the search found, what Fill In sets, and where the
// places come from.
void frmPlaceLookup::AddStatusLines(QWidget* central, QVBoxLayout* layout) {
  lblStatus_ = NamedLabel(central, "lblStatus", QString());
  lblSuggestion_ = NamedLabel(central, "lblSuggestion", QString());
  layout->addWidget(lblStatus_);
  layout->addWidget(lblSuggestion_);
  layout->addWidget(
      NamedLabel(central, "lblCredit", QCoreApplication::translate("astro::frmPlaceLookup", "Places: GeoNames (geonames.org), CC BY 4.0"), Wrap::No));
}

QHBoxLayout* frmPlaceLookup::MakeCommands(QWidget* central) {
  auto* commands = new QHBoxLayout();
  cmdWebSearch_ = shell::NamedButton(central, "cmdWebSearch", QCoreApplication::translate("astro::frmPlaceLookup", "Search the &Web"));
  cmdFill_ = shell::NamedButton(central, "cmdFill", QCoreApplication::translate("astro::frmPlaceLookup", "&Fill In"));
  cmdFill_->setDefault(true);
  QPushButton* cmdClose = shell::NamedButton(central, "cmdClose", QCoreApplication::translate("astro::frmPlaceLookup", "&Close"));
  commands->addWidget(cmdWebSearch_);
  commands->addStretch();
  commands->addWidget(cmdFill_);
  commands->addWidget(cmdClose);
  connect(cmdWebSearch_, &QPushButton::clicked, this, &frmPlaceLookup::cmdWebSearch_Click);
  connect(cmdFill_, &QPushButton::clicked, this, &frmPlaceLookup::cmdFill_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmPlaceLookup::cmdClose_Click);
  return commands;
}

// Without the atlas nothing can be searched or filled in: the window says why
// and offers the web instead.
void frmPlaceLookup::ShowAtlasMissing(const std::string& error) {
  lblStatus_->setText("The atlas of places could not be loaded: " + ToQt(error));
  lblSuggestion_->setText(QCoreApplication::translate("astro::frmPlaceLookup", "Search the Web looks the place up on the web instead."));
  for (QWidget* control : {static_cast<QWidget*>(txtCity_), static_cast<QWidget*>(txtState_),
                           static_cast<QWidget*>(txtCountry_), static_cast<QWidget*>(lstPlaces_),
                           static_cast<QWidget*>(cmdFill_)}) {
    control->setEnabled(false);
  }
  cmdWebSearch_->setFocus();
}

// Every keystroke in the boxes searches again; Enter there, or in the list,
// fills in the chosen place. The first search is of the partner's place.
void frmPlaceLookup::StartSearching() {
  for (QLineEdit* box : {txtCity_, txtState_, txtCountry_}) {
    connect(box, &QLineEdit::textChanged, this, &frmPlaceLookup::Search);
    connect(box, &QLineEdit::returnPressed, this, &frmPlaceLookup::cmdFill_Click);
  }
  connect(lstPlaces_, &QTreeWidget::currentItemChanged, this, &frmPlaceLookup::ShowSuggestion);
  connect(lstPlaces_, &QTreeWidget::itemActivated, this, &frmPlaceLookup::cmdFill_Click);
  Search();
  txtCity_->setFocus();
}

// The boxes' texts searched again; the first place found is selected.
void frmPlaceLookup::Search() {
  const std::string city = platform::ToStd(txtCity_->text());
  const std::string state = platform::ToStd(txtState_->text());
  const std::string country = platform::ToStd(txtCountry_->text());
  const zentara::PlaceLookupResult result = zentara::LookUpPlaces(*atlas_, city, state, country);

  places_.clear();
  QList<QTreeWidgetItem*> items;
  for (const zentara::places::PlaceMatch& match : result.matches) {
    places_.push_back(zentara::places::EntriesForPlace(atlas_->PlaceAt(match.place), rules_, birth_));
    items << RowItem(zentara::PlaceRow(places_.back()));
  }
  lstPlaces_->clear();
  lstPlaces_->addTopLevelItems(items);
  FitColumnsToTexts();
  if (!items.isEmpty()) lstPlaces_->setCurrentItem(items.first());
  // What a reader says of the list when it reaches it.
  const int found = static_cast<int>(items.size());
  lstPlaces_->setAccessibleDescription(QCoreApplication::translate("astro::frmPlaceLookup", "Places, %n found", "", found));
  lblStatus_->setText(TranslatedSentences(zentara::LookupContext, zentara::PlaceLookupStatusSentences(city, state, country, result)));
  ShowSuggestion();
}

// Each column as wide as its heading or its widest text, as the list's own
// sizing to contents makes it. That sizing measures every cell again, through
// the style, whenever anything in the list changes (a hundred times while the
// window first opens); here each text is measured once a search.
void frmPlaceLookup::FitColumnsToTexts() {
  QHeaderView* header = lstPlaces_->header();
  const QFontMetricsF metrics(lstPlaces_->font());
  // The room the style leaves either side of an item's text.
  const int margins = 2 * (lstPlaces_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lstPlaces_) + 1);
  for (int column = 0; column < ColumnCount; ++column) {
    qreal widest = 0;
    for (int row = 0; row < lstPlaces_->topLevelItemCount(); ++row) {
      const QString text = lstPlaces_->topLevelItem(row)->text(column);
      if (text.isEmpty()) continue;
      // A last letter reaching past its advance (a negative right bearing)
      // widens the text as the style lays it out.
      const qreal overhang = std::max<qreal>(0, -metrics.rightBearing(text.back()));
      widest = std::max(widest, metrics.horizontalAdvance(text) + overhang);
    }
    header->resizeSection(column, std::max(header->sectionSizeHint(column), qCeil(widest) + margins));
  }
}

void frmPlaceLookup::ShowSuggestion() {
  const int row = SelectedRow();
  cmdFill_->setEnabled(row >= 0);
  lblSuggestion_->setText(row >= 0 ? TranslatedSentences(zentara::LookupContext, zentara::ZoneSuggestionSentences(places_[static_cast<std::size_t>(row)], birth_))
                                   : QString());
}

int frmPlaceLookup::SelectedRow() const {
  const int row = lstPlaces_->indexOfTopLevelItem(lstPlaces_->currentItem());
  return row >= 0 && static_cast<std::size_t>(row) < places_.size() ? row : -1;
}

bool frmPlaceLookup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && lstPlaces_->topLevelItemCount() > 0) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      const int last = lstPlaces_->topLevelItemCount() - 1;
      const int row = std::clamp(SelectedRow() + (key == Qt::Key_Up ? -1 : 1), 0, last);
      lstPlaces_->setCurrentItem(lstPlaces_->topLevelItem(row));
      return true;
    }
  }
  return Form::eventFilter(watched, event);
}

void frmPlaceLookup::cmdWebSearch_Click() {
  // The place the window's boxes hold now, as the web look-up's search text
  // (city, state, country and "Latitude Longitude"); the user then types the
  // coordinates into the form, so the window steps aside. Without a browser to show the search the window
  // stays, and says so.
  zentara::AstroPartnerEntries shown = entries_;
  shown.City = platform::ToStd(txtCity_->text());
  shown.State = platform::ToStd(txtState_->text());
  shown.Country = platform::ToStd(txtCountry_->text());
  const auto lookup = platform::current().newWebLookup();
  if (!lookup->lookUp(ToQt(zentara::PlaceSearchText(shown)), ToQt(zentara::WebPageAddress(zentara::HomePageKey)))) {
    platform::current().showMessage(this, QCoreApplication::translate("astro::frmPlaceLookup", "No web browser could be started to search for the place."),
                                    platform::Icon::Information, platform::Buttons::Ok);
    return;
  }
  unload();
}

void frmPlaceLookup::cmdFill_Click() {
  const int row = SelectedRow();
  if (row < 0) return;
  emit PlaceChosen(places_[static_cast<std::size_t>(row)]);
  unload();
}

void frmPlaceLookup::cmdClose_Click() { unload(); }

}  // namespace astro
