#include "people/frmPerson.h"

#include "common/translatable.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "astro/match/frmPlaceLookup.h"
#include "astro/match/zone_list.h"
#include "astro/places/atlas_location.h"
#include "people/desktop_book.h"
#include "platform/platform.h"
#include "shell/spoken_names.h"
#include "shell/controls.h"
#include "platform/qt_text.h"

namespace people {

namespace {

using zentara::book::Column;
using platform::ToQt;
using platform::ToStd;

struct Row {
  Column column;
  const char* label;
  const char* name;
  const char* placeholder;
};

constexpr Row TextRows[] = {
    {Column::First, QT_TRANSLATE_NOOP("frmPerson", "First Name:"), "txtFirst", ""},
    {Column::Middle, QT_TRANSLATE_NOOP("frmPerson", "Middle Name:"), "txtMiddle", ""},
    {Column::Last, QT_TRANSLATE_NOOP("frmPerson", "Last Name:"), "txtLast", ""},
    {Column::Name, QT_TRANSLATE_NOOP("frmPerson", "Name on the Astro Form:"), "txtName", QT_TRANSLATE_NOOP("frmPerson", "first and last name when empty")},
    {Column::Date, QT_TRANSLATE_NOOP("frmPerson", "Date of Birth:"), "txtDate", QT_TRANSLATE_NOOP("frmPerson", "YYYY-MM-DD")},
    {Column::Time, QT_TRANSLATE_NOOP("frmPerson", "Time of Birth:"), "txtTime", QT_TRANSLATE_NOOP("frmPerson", "HH:MM, empty when unknown")},
    {Column::City, QT_TRANSLATE_NOOP("frmPerson", "City:"), "txtCity", ""},
    {Column::State, QT_TRANSLATE_NOOP("frmPerson", "State:"), "txtState", ""},
    {Column::Country, QT_TRANSLATE_NOOP("frmPerson", "Country:"), "txtCountry", ""},
    {Column::Lat, QT_TRANSLATE_NOOP("frmPerson", "Latitude:"), "txtLat", QT_TRANSLATE_NOOP("frmPerson", "such as 41N52")},
    {Column::Lon, QT_TRANSLATE_NOOP("frmPerson", "Longitude:"), "txtLon", QT_TRANSLATE_NOOP("frmPerson", "such as 87W38")},
    {Column::Timezone, QT_TRANSLATE_NOOP("frmPerson", "IANA Time Zone:"), "txtTimezone", QT_TRANSLATE_NOOP("frmPerson", "from the atlas")},
};

const char* LabelOf(Column column) {
  for (const Row& row : TextRows) {
    if (row.column == column) return row.label;
  }
  switch (column) {
    case Column::Frame: return QT_TRANSLATE_NOOP("frmPerson", "Usual Frame:");
    case Column::Zone: return QT_TRANSLATE_NOOP("frmPerson", "Time Zone:");
    case Column::Dst: return QT_TRANSLATE_NOOP("frmPerson", "Daylight Saving Time:");
    default: return QT_TRANSLATE_NOOP("frmPerson", "Note:");
  }
}

}  // namespace

frmPerson::frmPerson(const zentara::book::Person& person, QWidget* parent)
    : Form("frmPerson", parent), person_(person) {
  setWindowTitle(person.id == 0 ? QCoreApplication::translate("frmPerson", "Add Person") : QCoreApplication::translate("frmPerson", "Edit Person"));
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* form = new QFormLayout();
  for (const Row& row : TextRows) {
    auto* box = new QLineEdit(central);
    box->setObjectName(QString::fromLatin1(row.name));
    box->setPlaceholderText(QCoreApplication::translate("frmPerson", row.placeholder));
    boxes_[static_cast<std::size_t>(row.column)] = box;
    if (row.column == Column::Lat) {  // the look-up stands by the coordinates
      auto* cmdFind = shell::NamedButton(central, "cmdFindPlace", QCoreApplication::translate("frmPerson", "&Find Place..."));
      connect(cmdFind, &QPushButton::clicked, this, &frmPerson::cmdFindPlace_Click);
      form->addRow(QString(), cmdFind);
    }
    form->addRow(QCoreApplication::translate("frmPerson", row.label), box);
    if (row.column == Column::Name) {
      cboFrame_ = new QComboBox(central);
      cboFrame_->setObjectName(QStringLiteral("cboFrame"));
      cboFrame_->addItems({QCoreApplication::translate("frmPerson", "Not said"), QCoreApplication::translate("frmPerson", "Male"), QCoreApplication::translate("frmPerson", "Female")});
      form->addRow(QCoreApplication::translate("frmPerson", LabelOf(Column::Frame)), cboFrame_);
    }
  }
  cboZone_ = new QComboBox(central);
  cboZone_->setObjectName(QStringLiteral("cboZone"));
  cboZone_->addItem(QCoreApplication::translate("frmPerson", "(unknown)"));
  const zentara::TimeZoneTable& zones = zentara::LoadTimeZoneTable();
  for (std::size_t row = 0; row < zentara::TimeZoneRowCount; ++row) cboZone_->addItem(ToQt(zones.TimeZoneNames[row]));
  chkDst_ = new QCheckBox(QCoreApplication::translate("frmPerson", "Daylight Saving Time"), central);
  chkDst_->setObjectName(QStringLiteral("chkDst"));
  form->addRow(QCoreApplication::translate("frmPerson", LabelOf(Column::Zone)), cboZone_);
  form->addRow(QString(), chkDst_);
  txtNote_ = new QPlainTextEdit(central);
  txtNote_->setObjectName(QStringLiteral("txtNote"));
  txtNote_->setTabChangesFocus(true);
  txtNote_->setMaximumHeight(txtNote_->fontMetrics().lineSpacing() * 4);
  form->addRow(QCoreApplication::translate("frmPerson", LabelOf(Column::Note)), txtNote_);
  // The lists are spoken by these names rather than by their items.
  static constexpr shell::SpokenName kSpokenNames[] = {{"cboFrame", QT_TRANSLATE_NOOP("SpokenNames", "Usual frame")}, {"cboZone", QT_TRANSLATE_NOOP("SpokenNames", "Time zone")}};
  shell::GiveSpokenNames(this, kSpokenNames);
  layout->addLayout(form);

  auto* commands = new QHBoxLayout();
  auto* cmdSave = shell::NamedButton(central, "cmdSave", QCoreApplication::translate("frmPerson", "&Save"));
  cmdSave->setDefault(true);
  auto* cmdCancel = shell::NamedButton(central, "cmdCancel", QCoreApplication::translate("frmPerson", "Cancel"));
  commands->addStretch();
  commands->addWidget(cmdSave);
  commands->addWidget(cmdCancel);
  layout->addLayout(commands);
  setCentralWidget(central);

  connect(cmdSave, &QPushButton::clicked, this, &frmPerson::cmdSave_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmPerson::cmdCancel_Click);
  for (QLineEdit* box : boxes_) {
    if (box) connect(box, &QLineEdit::returnPressed, this, &frmPerson::cmdSave_Click);
  }
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &frmPerson::cmdCancel_Click);
  ShowPerson(person);
  Box(Column::First)->setFocus();
}

QLineEdit* frmPerson::Box(Column column) const { return boxes_[static_cast<std::size_t>(column)]; }

void frmPerson::ShowPerson(const zentara::book::Person& person) {
  person_ = person;
  for (const Row& row : TextRows) Box(row.column)->setText(ToQt(zentara::book::ColumnText(person, row.column)));
  cboFrame_->setCurrentIndex(static_cast<int>(person.frame));
  cboZone_->setCurrentIndex(person.zone ? *person.zone + 1 : 0);
  chkDst_->setChecked(person.dst);
  txtNote_->setPlainText(ToQt(person.note));
}

void frmPerson::cmdSave_Click() {
  zentara::book::Person person = person_;
  QWidget* failed = nullptr;
  std::string problem;
  for (const Row& row : TextRows) {
    if (auto why = zentara::book::SetColumn(person, row.column, ToStd(Box(row.column)->text()))) {
      failed = Box(row.column);
      problem = std::string(row.label) + " " + *why;
      break;
    }
  }
  person.frame = static_cast<zentara::book::Frame>(cboFrame_->currentIndex());
  person.zone = cboZone_->currentIndex() > 0 ? std::optional<int>(cboZone_->currentIndex() - 1) : std::nullopt;
  person.dst = chkDst_->isChecked();
  person.note = ToStd(txtNote_->toPlainText());
  if (!failed) {
    if (const auto missing = zentara::book::CheckPerson(person)) {
      failed = Box(missing->column);
      problem = std::string(LabelOf(missing->column)) + " " + missing->message;
    }
  }
  auto& desktop = platform::current();
  if (failed) {
    desktop.showMessage(this, ToQt(problem), platform::Icon::Critical, platform::Buttons::Ok);
    desktop.setFocus(failed);
    return;
  }
  zentara::book::Book* book = OpenBook(this);
  if (!book) return;
  std::int64_t id = person.id;
  zentara::book::Book::SaveOutcome outcome = zentara::book::Book::SaveOutcome::Saved;
  if (!TryBook(this, [&] { id == 0 ? void(id = book->Add(person)) : void(outcome = book->Update(person)); })) return;
  if (outcome != zentara::book::Book::SaveOutcome::Saved && !SaveOverChange(outcome, person, id)) return;
  emit PersonSaved(id);
  unload();
}

bool frmPerson::SaveOverChange(zentara::book::Book::SaveOutcome outcome, zentara::book::Person person, std::int64_t& id) {
  const bool removed = outcome == zentara::book::Book::SaveOutcome::Removed;
  const QString name = ToQt(zentara::book::DisplayName(person_));
  const QString saveAsNew = QCoreApplication::translate("frmPerson", "Save as &New Person");
  QStringList choices;
  QString text;
  if (removed) {
    text = QCoreApplication::translate("frmPerson", "%1 was removed from the book of people by another window or program since this window "
                          "opened. Save what this window holds as a new person?").arg(name);
    choices = {saveAsNew, QCoreApplication::translate("frmPerson", "Cancel")};
  } else {
    text = QCoreApplication::translate("frmPerson", "%1 was changed in the book of people by another window or program since this window "
                          "opened, so saving here would undo that change. Reload the person as the book now has them "
                          "(what you typed here is then lost), or save what this window holds as a new person?")
               .arg(name);
    choices = {QCoreApplication::translate("frmPerson", "&Reload"), saveAsNew, QCoreApplication::translate("frmPerson", "Cancel")};
  }
  const int chosen = platform::current().askChoice(this, text, platform::Icon::Critical, choices);
  if (choices[chosen] == saveAsNew) {
    zentara::book::Book* book = OpenBook(this);
    person.id = 0;
    return book && TryBook(this, [&] { id = book->Add(person); });
  }
  if (chosen == 0 && !removed) {  // Reload
    zentara::book::Book* book = OpenBook(this);
    std::optional<zentara::book::Person> now;
    if (book && TryBook(this, [&] { now = book->Get(person_.id); }) && now) ShowPerson(*now);
  }
  return false;
}

void frmPerson::cmdFindPlace_Click() {
  zentara::book::Person when;
  zentara::book::SetColumn(when, Column::Date, ToStd(Box(Column::Date)->text()));
  zentara::book::SetColumn(when, Column::Time, ToStd(Box(Column::Time)->text()));
  // The look-up reads the birth as the astro form's lists hold it; noon when the time is unknown.
  zentara::AstroPartnerEntries entries;
  int year = 2000, month = 1, day = 1, hour = 12, minute = 0;
  std::sscanf(when.date.c_str(), "%d-%d-%d", &year, &month, &day);
  std::sscanf(when.time.c_str(), "%d:%d", &hour, &minute);
  entries.YearPosition = year - zentara::AstroFirstYear;
  entries.MonthPosition = month - 1;
  entries.DayPosition = day - 1;
  entries.HourPosition = hour;
  entries.MinutePosition = minute;
  entries.City = ToStd(Box(Column::City)->text());
  entries.State = ToStd(Box(Column::State)->text());
  entries.Country = ToStd(Box(Column::Country)->text());
  // The heading names the person as typed so far: the frame they usually
  // take says nothing of whose birthplace it is.
  zentara::book::Person who;
  who.name = ToStd(Box(Column::Name)->text().simplified());
  who.first = ToStd(Box(Column::First)->text().simplified());
  who.last = ToStd(Box(Column::Last)->text().simplified());
  auto* window =
      new astro::frmPlaceLookup(ToQt(zentara::book::DisplayName(who)), entries, zentara::places::SharedAtlas(), this);
  window->setWindowFlag(Qt::Dialog);
  connect(window, &astro::frmPlaceLookup::PlaceChosen, this, [this](const zentara::places::PlaceEntries& place) {
    Box(Column::Lat)->setText(ToQt(zentara::places::LatitudeText(place.coordinates.latitude)));
    Box(Column::Lon)->setText(ToQt(zentara::places::LongitudeText(place.coordinates.longitude)));
    Box(Column::Timezone)->setText(ToQt(place.place.timeZone));
    // The place's names as the atlas spells them (the book keeps any script);
    // a place without a region leaves State as typed, as on the astro form.
    for (const auto& [column, name] : {std::pair{Column::City, place.place.name},
                                       {Column::State, place.place.regionName},
                                       {Column::Country, place.place.countryName}}) {
      if (!name.empty()) Box(column)->setText(ToQt(name));
    }
    if (place.zone) {
      cboZone_->setCurrentIndex(static_cast<int>(place.zone->zoneRow) + 1);
      chkDst_->setChecked(place.zone->daylightSaving);
    }
  });
  platform::current().showModal(window);
}

void frmPerson::cmdCancel_Click() { unload(); }

}  // namespace people
