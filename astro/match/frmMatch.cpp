#include "astro/match/frmMatch.h"

#include <QCoreApplication>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

#include "astro/match/chart_settings.h"
#include "astro/match/astro_match.h"
#include "astro/match/frmPlaceLookup.h"
#include "astro/match/key_filtered_box.h"
#include "astro/match/place_lookup.h"
#include "astro/match/zone_list.h"
#include "astro/places/atlas_location.h"
#include "book/person_entries.h"
#include "people/person_buttons.h"
#include "platform/platform.h"
#include "shell/drop_down_combo.h"
#include "shell/control_array.h"
#include "shell/controls.h"
#include "shell/exit_application.h"
#include "shell/help_menu.h"
#include "shell/language.h"
#include "shell/spoken_names.h"
#include "shell/navigation.h"
#include "platform/qt_text.h"
#include "web/web_commands.h"

namespace astro {
namespace {

using zentara::AstroField;
using zentara::KeyFilter;
using zentara::Partner;

QByteArray PartnerName(const char* pattern, char sex) {
  return QString::fromLatin1(pattern).arg(QChar(sex)).toLatin1();
}

// A pick list: only its own items can be chosen.
QComboBox* PickList(QWidget* parent, const QByteArray& name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(false);
  return box;
}

KeyFilteredBox* NumberBox(QWidget* parent, const QByteArray& name) {
  auto* box = new KeyFilteredBox(parent, name.constData(), KeyFilter::Digits);
  box->setMaxLength(3);
  box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  return box;
}

// One hemisphere choice: two options of one control array, one group.
std::array<QRadioButton*, 2> OptionPair(QWidget* parent, const QByteArray& name, const char* first,
                                        const char* second) {
  auto* group = new QButtonGroup(parent);
  group->setObjectName(QString::fromLatin1(name));
  std::array<QRadioButton*, 2> pair{};
  const char* captions[] = {first, second};
  for (int i = 0; i < 2; ++i) {
    pair[i] = shell::MakeArrayMember<QRadioButton>(parent, name.constData(), i);
    pair[i]->setText(QCoreApplication::translate("astro::frmMatch", captions[i]));
    group->addButton(pair[i], i);
  }
  return pair;
}

// A caption marked for translation where it is written (QT_TRANSLATE_NOOP).
QLabel* Caption(QWidget* parent, const char* text) {
  return new QLabel(QCoreApplication::translate("astro::frmMatch", text), parent);
}

// The spacing of a partner's controls and the margin round them, pixels.
constexpr int kPartnerSpacing = 4;
constexpr int kPartnerMargin = 6;
// The "DEG/MIN" captions are small beside the boxes.
constexpr double kSmallCaption = 0.85;

QLabel* SmallCaption(QWidget* parent, const char* text) {
  QLabel* caption = Caption(parent, text);
  QFont font = caption->font();
  font.setPointSizeF(font.pointSizeF() * kSmallCaption);
  caption->setFont(font);
  return caption;
}

template <class Direction>
Direction ChosenOf(const std::array<QRadioButton*, 2>& pair, Direction first, Direction second) {
  if (pair[0]->isChecked()) return first;
  if (pair[1]->isChecked()) return second;
  return Direction::Neither;
}

}  // namespace

namespace {

// The rows of a partner's frame, each part filling its controls into the grid.
using ControlName = std::function<QByteArray(const char* pattern)>;

// Rows 0 to 4: the name, the date and time of birth, the time zone and the box.
template <class Controls>
void AddBirthRows(QWidget* frame, QGridLayout* grid, const ControlName& name, Controls& c) {
  c.txtName = new KeyFilteredBox(frame, name("txt%1Name").constData(), KeyFilter::Letters);
  grid->addWidget(Caption(frame, QT_TRANSLATE_NOOP("astro::frmMatch", "Name:")), 0, 0);
  grid->addWidget(c.txtName, 0, 1, 1, 5);

  c.cboDate = PickList(frame, name("cbo%1Date"));
  c.cboMonth = PickList(frame, name("cbo%1Month"));
  c.cboYear = PickList(frame, name("cbo%1Year"));
  grid->addWidget(Caption(frame, QT_TRANSLATE_NOOP("astro::frmMatch", "Date of Birth:")), 1, 0);
  grid->addWidget(c.cboDate, 1, 1);
  grid->addWidget(c.cboMonth, 1, 2, 1, 2);
  grid->addWidget(c.cboYear, 1, 4);

  c.cboHH = PickList(frame, name("cbo%1HH"));
  c.cboMM = PickList(frame, name("cbo%1MM"));
  grid->addWidget(Caption(frame, QT_TRANSLATE_NOOP("astro::frmMatch", "Time Of Birth:")), 2, 0);
  grid->addWidget(c.cboHH, 2, 1);
  grid->addWidget(c.cboMM, 2, 2);

  c.cmbTimeZone = PickList(frame, name("cmb%1TimeZone"));
  c.cmbTimeZone->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c.cmbTimeZone->setMinimumContentsLength(24);
  c.chkDST = new QCheckBox(QCoreApplication::translate("astro::frmMatch", "Daylight Saving Time"), frame);
  c.chkDST->setObjectName(QString::fromLatin1(name("chk%1DST")));
  grid->addWidget(Caption(frame, QT_TRANSLATE_NOOP("astro::frmMatch", "Time Zone:")), 3, 0);
  grid->addWidget(c.cmbTimeZone, 3, 1, 1, 5);
  grid->addWidget(c.chkDST, 4, 1, 1, 5);
}

// One coordinate's row: its caption, the degree and minute boxes, "DEG/MIN"
// and the pair of direction options.
void AddCoordinateRow(QWidget* frame, QGridLayout* grid, int row, const char* caption, KeyFilteredBox* degrees,
                      KeyFilteredBox* minutes, const std::array<QRadioButton*, 2>& directions) {
  grid->addWidget(Caption(frame, caption), row, 0);
  grid->addWidget(degrees, row, 1);
  grid->addWidget(minutes, row, 2);
  grid->addWidget(SmallCaption(frame, QT_TRANSLATE_NOOP("astro::frmMatch", "DEG/MIN")), row, 3);
  grid->addWidget(directions[0], row, 4);
  grid->addWidget(directions[1], row, 5);
}

// Rows 7 to 11: the look-up button, the line on the zone it follows, and the
// city, state and country.
template <class Controls>
void AddPlaceRows(QWidget* frame, QGridLayout* grid, const ControlName& name, char sex, Controls& c) {
  c.lookUp = new QPushButton(QCoreApplication::translate("astro::frmMatch", "Click here to find Latitude && Longitude"), frame);
  c.lookUp->setObjectName(sex == 'M' ? QStringLiteral("Command1") : QStringLiteral("Command2"));
  grid->addWidget(c.lookUp, 7, 0, 1, 6);
  c.lblZone = new QLabel(frame);
  c.lblZone->setObjectName(QString::fromLatin1(name("lbl%1Zone")));
  c.lblZone->setWordWrap(true);
  QFont small = c.lblZone->font();
  small.setPointSizeF(small.pointSizeF() * kSmallCaption);
  c.lblZone->setFont(small);
  // Room for two lines, which the longest texts take.
  c.lblZone->setMinimumHeight(2 * QFontMetrics(small).lineSpacing());
  c.lblZone->hide();  // until a place is filled in
  grid->addWidget(c.lblZone, 8, 0, 1, 6);

  c.txtCity = new KeyFilteredBox(frame, name("txt%1City").constData(), KeyFilter::Letters);
  c.txtState = new KeyFilteredBox(frame, name("txt%1State").constData(), KeyFilter::Letters);
  c.txtCountry = new KeyFilteredBox(frame, name("txt%1Country").constData(), KeyFilter::Letters);
  grid->addWidget(Caption(frame, QT_TRANSLATE_NOOP("astro::frmMatch", "City:")), 9, 0);
  grid->addWidget(c.txtCity, 9, 1, 1, 5);
  grid->addWidget(Caption(frame, QT_TRANSLATE_NOOP("astro::frmMatch", "State:")), 10, 0);
  grid->addWidget(c.txtState, 10, 1, 1, 5);
  grid->addWidget(Caption(frame, QT_TRANSLATE_NOOP("astro::frmMatch", "Country:")), 11, 0);
  grid->addWidget(c.txtCountry, 11, 1, 1, 5);
}

}  // namespace

// One partner's frame, its rows from the name down to the country, then the
// buttons that reach the book of people.
QGroupBox* frmMatch::PartnerFrame(QWidget* parent, const char* caption, char sex, PartnerControls& c) {
  auto* frame = new QGroupBox(QCoreApplication::translate("astro::frmMatch", caption), parent);
  auto* grid = new QGridLayout(frame);
  // Close enough for both frames side by side on a screen 800 pixels wide.
  grid->setHorizontalSpacing(kPartnerSpacing);
  grid->setContentsMargins(kPartnerMargin, kPartnerMargin, kPartnerMargin, kPartnerMargin);
  const ControlName name = [sex](const char* pattern) { return PartnerName(pattern, sex); };
  AddBirthRows(frame, grid, name, c);

  // The pair named ...Long holds North/South on the Latitude row; ...Lat holds
  // East/West on the Longitude row.
  c.txtLD = NumberBox(frame, name("txt%1LD"));
  c.txtLM = NumberBox(frame, name("txt%1LM"));
  c.optLong = OptionPair(frame, name("opt%1Long"), QT_TRANSLATE_NOOP("astro::frmMatch", "North"), QT_TRANSLATE_NOOP("astro::frmMatch", "South"));
  AddCoordinateRow(frame, grid, 5, QT_TRANSLATE_NOOP("astro::frmMatch", "Latitude:"), c.txtLD, c.txtLM, c.optLong);
  c.txtLoD = NumberBox(frame, name("txt%1LoD"));
  c.txtLoM = NumberBox(frame, name("txt%1LoM"));
  c.optLat = OptionPair(frame, name("opt%1Lat"), QT_TRANSLATE_NOOP("astro::frmMatch", "East"), QT_TRANSLATE_NOOP("astro::frmMatch", "West"));
  AddCoordinateRow(frame, grid, 6, QT_TRANSLATE_NOOP("astro::frmMatch", "Longitude:"), c.txtLoD, c.txtLoM, c.optLat);

  AddPlaceRows(frame, grid, name, sex, c);
  c.cmdChoose = shell::NamedButton(frame, name("cmd%1Choose").constData(), QCoreApplication::translate("astro::frmMatch", "Choose Person..."));
  c.cmdSavePerson = shell::NamedButton(frame, name("cmd%1SavePerson").constData(), QCoreApplication::translate("astro::frmMatch", "Save Person"));
  auto* people = new QHBoxLayout();
  people->addWidget(c.cmdChoose);
  people->addWidget(c.cmdSavePerson);
  people->addStretch();
  grid->addLayout(people, 12, 0, 1, 6);
  return frame;
}

namespace {

// What a screen reader calls the controls: each by purpose and partner, which
// the group's title ("Male"), the value ("1936") or a caption both partners
// share names otherwise.
constexpr shell::SpokenName kSpokenNames[] = {
    {"txt%1Name", QT_TRANSLATE_NOOP("SpokenNames", "%1 name")},
    {"cbo%1Date", QT_TRANSLATE_NOOP("SpokenNames", "%1 birth day")},
    {"cbo%1Month", QT_TRANSLATE_NOOP("SpokenNames", "%1 birth month")},
    {"cbo%1Year", QT_TRANSLATE_NOOP("SpokenNames", "%1 birth year")},
    {"cbo%1HH", QT_TRANSLATE_NOOP("SpokenNames", "%1 birth hour")},
    {"cbo%1MM", QT_TRANSLATE_NOOP("SpokenNames", "%1 birth minute")},
    {"cmb%1TimeZone", QT_TRANSLATE_NOOP("SpokenNames", "%1 time zone")},
    {"chk%1DST", QT_TRANSLATE_NOOP("SpokenNames", "%1 daylight saving time")},
    {"txt%1LD", QT_TRANSLATE_NOOP("SpokenNames", "%1 latitude degrees")},
    {"txt%1LM", QT_TRANSLATE_NOOP("SpokenNames", "%1 latitude minutes")},
    {"opt%1Long", QT_TRANSLATE_NOOP("SpokenNames", "%1 latitude %2")},
    {"txt%1LoD", QT_TRANSLATE_NOOP("SpokenNames", "%1 longitude degrees")},
    {"txt%1LoM", QT_TRANSLATE_NOOP("SpokenNames", "%1 longitude minutes")},
    {"opt%1Lat", QT_TRANSLATE_NOOP("SpokenNames", "%1 longitude %2")},
    {"Command1", QT_TRANSLATE_NOOP("SpokenNames", "Find the male latitude and longitude")},
    {"Command2", QT_TRANSLATE_NOOP("SpokenNames", "Find the female latitude and longitude")},
    {"txt%1City", QT_TRANSLATE_NOOP("SpokenNames", "%1 city")},
    {"txt%1State", QT_TRANSLATE_NOOP("SpokenNames", "%1 state")},
    {"txt%1Country", QT_TRANSLATE_NOOP("SpokenNames", "%1 country")},
    {"cmd%1Choose", QT_TRANSLATE_NOOP("SpokenNames", "Choose Person for %1...")},
    {"cmd%1SavePerson", QT_TRANSLATE_NOOP("SpokenNames", "Save Person for %1")},
};

}  // namespace

frmMatch::frmMatch(QWidget* parent) : Form("frmMatch", parent) {
  // The reminder runs each time the form loads, before anything is shown.
  web::RemindOfUpdate();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(kPartnerMargin, kPartnerMargin, kPartnerMargin, kPartnerMargin);
  // The partners' frames are made first (they come first in the tab order),
  // the heading over them.
  auto* partners = new QHBoxLayout();
  partners->addWidget(PartnerFrame(central, QT_TRANSLATE_NOOP("astro::frmMatch", "Male"), 'M', male_));
  partners->addWidget(PartnerFrame(central, QT_TRANSLATE_NOOP("astro::frmMatch", "Female"), 'F', female_));
  MakeHeadingAndInstruction(central, layout, partners);
  MakeCommands(central, layout);
  setCentralWidget(central);
  MakeMenus();
  for (const auto& [c, partner] : {std::pair{&male_, Partner::Male}, {&female_, Partner::Female}}) {
    ConnectPartner(*c, partner);
  }
  for (KeyFilteredBox* box : findChildren<KeyFilteredBox*>()) {
    connect(box, &KeyFilteredBox::refused, this, [this, box] { RefuseEntry(box); });
  }
  SetTabOrder();
  shell::GiveSpokenNames(this, kSpokenNames);
  Form_Load();
}

void frmMatch::MakeHeadingAndInstruction(QWidget* central, QVBoxLayout* layout, QHBoxLayout* partners) {
  auto* heading = new QLabel(QCoreApplication::translate("astro::frmMatch", "QM Orvanel Software"), central);
  heading->setObjectName(QStringLiteral("Label1"));
  shell::MakeHeading(heading, 1.5);
  layout->addWidget(heading, 0, Qt::AlignHCenter);
  layout->addLayout(partners);

  auto* instruction = new QLabel(
      QCoreApplication::translate("astro::frmMatch", "Enter the City, State and Country, then press the button above them to find "
                     "the Latitude and Longitude of the place of birth."),
      central);
  instruction->setObjectName(QStringLiteral("lblInstruction"));
  instruction->setWordWrap(true);
  layout->addWidget(instruction);
}

void frmMatch::MakeCommands(QWidget* central, QVBoxLayout* layout) {
  auto* commands = new QHBoxLayout();
  auto* cmdCalculate = new QPushButton(QCoreApplication::translate("astro::frmMatch", "Analyze Compatibility"), central);
  cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
  auto* cmdNav = shell::MakeArrayMember<QPushButton>(central, "cmdNav", 1);
  cmdNav->setText(QCoreApplication::translate("astro::frmMatch", "Exit"));
  commands->addStretch();
  commands->addWidget(cmdCalculate);
  commands->addWidget(cmdNav);
  layout->addLayout(commands);
  connect(cmdCalculate, &QPushButton::clicked, this, &frmMatch::cmdCalculate_Click);
  connect(cmdNav, &QPushButton::clicked, this, &frmMatch::cmdNav_Click);
  connect(male_.lookUp, &QPushButton::clicked, this, &frmMatch::Command1_Click);
  connect(female_.lookUp, &QPushButton::clicked, this, &frmMatch::Command2_Click);
}

void frmMatch::MakeMenus() {
  QMenu* file = menuBar()->addMenu(QCoreApplication::translate("astro::frmMatch", "&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  connect(shell::NamedMenuEntry(file, "mnuCalculate", QCoreApplication::translate("astro::frmMatch", "&Analyze Compatibility")), &QAction::triggered, this,
          &frmMatch::cmdCalculate_Click);
  file->addSeparator();
  connect(shell::NamedMenuEntry(file, "mnuPeople", QCoreApplication::translate("astro::frmMatch", "&People...")), &QAction::triggered, this,
          [] { navigation::ShowPeople(); });
  file->addSeparator();
  connect(shell::NamedMenuEntry(file, "mnuExit", QCoreApplication::translate("astro::frmMatch", "&Exit")), &QAction::triggered, this, &frmMatch::cmdNav_Click);
  shell::AddLanguageEntry(shell::AddHelpMenu(this, QCoreApplication::translate("astro::frmMatch", "&Online Help"), QCoreApplication::translate("astro::frmMatch", "&Visit Us Online")), this);
}

// A partner's buttons of the book, and what ends the following of a zone
// filled in from the atlas.
void frmMatch::ConnectPartner(const PartnerControls& c, Partner partner) {
  connect(c.cmdChoose, &QPushButton::clicked, this, [this, partner] { ChoosePerson_Click(partner); });
  connect(c.cmdSavePerson, &QPushButton::clicked, this, [this, partner] { SavePerson_Click(partner); });
  for (KeyFilteredBox* box : {c.txtLD, c.txtLM, c.txtLoD, c.txtLoM}) {
    connect(box, &QLineEdit::textEdited, this, [this, partner] { atlasZone_[partner == Partner::Male ? 0 : 1].clear(); });
  }
  // A zone filled in from the atlas follows the birth date and time, until
  // the user sets the zone or edits the place.
  for (QComboBox* list : {c.cboDate, c.cboMonth, c.cboYear, c.cboHH, c.cboMM}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this, partner] { FollowBirth(partner); });
  }
  const auto byHand = [this, partner] { StopFollowing(partner, zentara::FollowingEnded::ZoneSetByHand); };
  const auto edited = [this, partner] { StopFollowing(partner, zentara::FollowingEnded::PlaceEdited); };
  connect(c.cmbTimeZone, &QComboBox::activated, this, byHand);
  connect(c.chkDST, &QCheckBox::clicked, this, byHand);
  for (QRadioButton* option : {c.optLong[0], c.optLong[1], c.optLat[0], c.optLat[1]}) {
    connect(option, &QRadioButton::clicked, this, edited);
  }
  for (KeyFilteredBox* box : {c.txtLD, c.txtLM, c.txtLoD, c.txtLoM, c.txtCity}) {
    connect(box, &QLineEdit::textEdited, this, edited);
  }
}

void frmMatch::Form_Load() {
  const zentara::TimeZoneTable& zones = zentara::LoadTimeZoneTable();
  QStringList zoneItems;
  for (std::size_t row = 0; row < zentara::TimeZoneRowCount; ++row) {
    zoneItems << platform::ToQt(zones.TimeZoneNames[row]);
  }
  for (PartnerControls* c : {&male_, &female_}) {
    c->cboDate->addItems(shell::NumberItems(1, 31));
    c->cboMonth->addItems(shell::MonthItems());
    c->cboYear->addItems(shell::NumberItems(zentara::AstroFirstYear, zentara::AstroLastYear));
    c->cboHH->addItems(shell::NumberItems(0, 23));
    c->cboMM->addItems(shell::NumberItems(0, 59));
    c->cmbTimeZone->addItems(zoneItems);
    for (QComboBox* list : {c->cboDate, c->cboMonth, c->cboYear, c->cboHH, c->cboMM, c->cmbTimeZone}) {
      list->setCurrentIndex(0);
    }
    c->chkDST->setChecked(false);
    c->optLong[0]->setChecked(true);  // North
    c->optLat[0]->setChecked(true);   // East
  }
}

// Name, date, time, coordinates and place, the male partner first; the other
// controls follow.
void frmMatch::SetTabOrder() {
  QList<QWidget*> order;
  for (const PartnerControls* c : {&male_, &female_}) {
    order << c->txtName << c->cboDate << c->cboMonth << c->cboYear << c->cboHH << c->cboMM << c->txtLD
          << c->txtLM << c->txtLoD << c->txtLoM << c->txtCity << c->txtState << c->txtCountry;
  }
  for (const PartnerControls* c : {&male_, &female_}) {
    order << c->cmbTimeZone << c->chkDST << c->optLong[0] << c->optLong[1] << c->optLat[0] << c->optLat[1]
          << c->lookUp;
  }
  order << findChild<QPushButton*>(QStringLiteral("cmdCalculate"))
        << shell::ArrayMember<QPushButton>(this, QStringLiteral("cmdNav"), 1);
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

zentara::AstroEntries frmMatch::Entries() const {
  const auto read = [](const PartnerControls& c) {
    using platform::ToStd;
    zentara::AstroPartnerEntries e;
    e.Name = ToStd(c.txtName->text());
    e.DayPosition = c.cboDate->currentIndex();
    e.MonthPosition = c.cboMonth->currentIndex();
    e.YearPosition = c.cboYear->currentIndex();
    e.HourPosition = c.cboHH->currentIndex();
    e.MinutePosition = c.cboMM->currentIndex();
    e.ZoneRow = c.cmbTimeZone->currentIndex();
    e.DaylightSaving = c.chkDST->isChecked();
    e.LatitudeDegrees = ToStd(c.txtLD->text());
    e.LatitudeMinutes = ToStd(c.txtLM->text());
    e.LatitudeDirection = ChosenOf(c.optLong, zentara::NorthSouth::North, zentara::NorthSouth::South);
    e.LongitudeDegrees = ToStd(c.txtLoD->text());
    e.LongitudeMinutes = ToStd(c.txtLoM->text());
    e.LongitudeDirection = ChosenOf(c.optLat, zentara::EastWest::East, zentara::EastWest::West);
    e.City = ToStd(c.txtCity->text());
    e.State = ToStd(c.txtState->text());
    e.Country = ToStd(c.txtCountry->text());
    return e;
  };
  return {read(male_), read(female_)};
}

const frmMatch::PartnerControls& frmMatch::ControlsOf(Partner partner) const {
  return partner == Partner::Male ? male_ : female_;
}

QWidget* frmMatch::ControlOf(Partner partner, AstroField field) const {
  const PartnerControls& c = ControlsOf(partner);
  switch (field) {
    case AstroField::Name: return c.txtName;
    case AstroField::LatitudeDegrees: return c.txtLD;
    case AstroField::LatitudeMinutes: return c.txtLM;
    case AstroField::LongitudeDegrees: return c.txtLoD;
    case AstroField::LongitudeMinutes: return c.txtLoM;
    case AstroField::City: return c.txtCity;
    case AstroField::State: return c.txtState;
    case AstroField::Country: return c.txtCountry;
  }
  return nullptr;
}

namespace {

// Shows a failed check's message and applies what it names.
void ApplyFailure(QWidget* owner, const zentara::AstroCheckFailure& failure, QWidget* focus,
                  QRadioButton* directionDefault) {
  auto& desktop = platform::current();
  desktop.showMessage(owner, platform::Translated("Checks", failure.Message),
                      failure.Icon == zentara::CheckIcon::Critical ? platform::Icon::Critical
                                                                   : platform::Icon::Information,
                      platform::Buttons::Ok);
  if (directionDefault) directionDefault->setChecked(true);
  if (focus) desktop.setFocus(focus);
}

}  // namespace

bool frmMatch::ValidateAstroEntries() {
  const auto failure = zentara::CheckAstroEntries(Entries());
  if (!failure) return true;
  const PartnerControls& c = ControlsOf(failure->Of);
  QRadioButton* direction = nullptr;
  if (failure->Select) direction = *failure->Select == zentara::DirectionDefault::North ? c.optLong[0] : c.optLat[0];
  ApplyFailure(this, *failure, failure->Focus ? ControlOf(failure->Of, *failure->Focus) : nullptr, direction);
  return false;
}

void frmMatch::cmdCalculate_Click() {
  if (!ValidateAstroEntries()) return;
  const zentara::AstroEntries entries = Entries();
  // Entries that pass the checks, in boxes that hold only digits, always convert.
  const auto match = zentara::CalculateAstroMatch(entries, StoredChartOptions());
  if (!match) return;
  unload();
  navigation::ShowAstroReport(entries, *match);
}

void frmMatch::LookUpPlace(Partner partner) {
  const zentara::AstroEntries entries = Entries();
  const zentara::AstroPartnerEntries& place = partner == Partner::Male ? entries.Male : entries.Female;
  if (const auto failure = zentara::CheckPlaceEntries(place, partner)) {
    ApplyFailure(this, *failure, ControlOf(partner, *failure->Focus), nullptr);
    return;
  }
  // The atlas is opened the first time a look-up window opens, never at start-up.
  auto* window = new frmPlaceLookup(partner, place, zentara::places::SharedAtlas(), this);
  window->setWindowFlag(Qt::Dialog);
  connect(window, &frmPlaceLookup::PlaceChosen, this,
          [this, partner](const zentara::places::PlaceEntries& chosen) { FillPlace(partner, chosen); });
  platform::current().showModal(window);
}

// The chosen place's name, region and country, its coordinates, and its zone
// row and Daylight Saving Time box where a row gives its offset, into that
// partner's controls. A name the boxes cannot take any letter of, and a
// region the atlas does not have, leave the box as it is.
void frmMatch::FillPlace(Partner partner, const zentara::places::PlaceEntries& place) {
  const PartnerControls& c = ControlsOf(partner);
  const zentara::places::FormPlaceNames names = zentara::places::PlaceNamesForForm(place.place);
  for (const auto& [box, text] : {std::pair{c.txtCity, &names.city}, {c.txtState, &names.state},
                                  {c.txtCountry, &names.country}}) {
    if (!text->empty()) box->setText(platform::ToQt(*text));
  }
  const zentara::places::FormAngle& latitude = place.coordinates.latitude;
  const zentara::places::FormAngle& longitude = place.coordinates.longitude;
  c.txtLD->setText(QString::number(latitude.degrees));
  c.txtLM->setText(QString::number(latitude.minutes));
  c.optLong[latitude.secondOption ? 1 : 0]->setChecked(true);
  c.txtLoD->setText(QString::number(longitude.degrees));
  c.txtLoM->setText(QString::number(longitude.minutes));
  c.optLat[longitude.secondOption ? 1 : 0]->setChecked(true);
  if (place.zone) {
    c.cmbTimeZone->setCurrentIndex(static_cast<int>(place.zone->zoneRow));
    c.chkDST->setChecked(place.zone->daylightSaving);
  }
  const int side = partner == Partner::Male ? 0 : 1;
  atlasZone_[side] = std::string(place.place.timeZone);
  followed_[side] = zentara::FollowedZone{atlasZone_[side], zentara::places::EnginesReadEast(longitude)};
  FollowBirth(partner);
}

void frmMatch::FollowBirth(Partner partner) {
  const std::optional<zentara::FollowedZone>& followed = followed_[partner == Partner::Male ? 0 : 1];
  if (!followed) return;
  const zentara::AstroEntries entries = Entries();
  const zentara::places::LocalDateTime birth =
      zentara::LocalBirthTime(partner == Partner::Male ? entries.Male : entries.Female);
  const zentara::ZoneAtBirth atBirth = zentara::FollowZone(*followed, rules_, birth);
  const PartnerControls& c = ControlsOf(partner);
  if (atBirth.entry) {
    c.cmbTimeZone->setCurrentIndex(static_cast<int>(atBirth.entry->zoneRow));
    c.chkDST->setChecked(atBirth.entry->daylightSaving);
  }
  c.lblZone->setText(platform::ToQt(zentara::ZoneInForceText(followed->zone, atBirth, birth)));
  c.lblZone->show();
}

void frmMatch::StopFollowing(Partner partner, zentara::FollowingEnded why) {
  std::optional<zentara::FollowedZone>& followed = followed_[partner == Partner::Male ? 0 : 1];
  if (!followed) return;
  ControlsOf(partner).lblZone->setText(platform::ToQt(zentara::ZoneNotFollowedText(followed->zone, why)));
  followed.reset();
}

bool frmMatch::UsePerson(Partner partner, const zentara::book::Person& person) {
  if (const auto why = zentara::book::WhyNoAstroMatch(person)) {
    platform::current().showMessage(this, platform::ToQt(*why), platform::Icon::Critical, platform::Buttons::Ok);
    return false;
  }
  const zentara::AstroPartnerEntries e = zentara::book::AstroSide(person);
  const PartnerControls& c = ControlsOf(partner);
  // Another person's place: no zone of an earlier one is followed.
  followed_[partner == Partner::Male ? 0 : 1].reset();
  c.lblZone->hide();
  c.txtName->setText(platform::ToQt(e.Name));
  c.cboDate->setCurrentIndex(e.DayPosition);
  c.cboMonth->setCurrentIndex(e.MonthPosition);
  c.cboYear->setCurrentIndex(e.YearPosition);
  c.cboHH->setCurrentIndex(e.HourPosition);
  c.cboMM->setCurrentIndex(e.MinutePosition);
  c.cmbTimeZone->setCurrentIndex(e.ZoneRow);
  c.chkDST->setChecked(e.DaylightSaving);
  c.txtLD->setText(platform::ToQt(e.LatitudeDegrees));
  c.txtLM->setText(platform::ToQt(e.LatitudeMinutes));
  c.optLong[e.LatitudeDirection == zentara::NorthSouth::South ? 1 : 0]->setChecked(true);
  c.txtLoD->setText(platform::ToQt(e.LongitudeDegrees));
  c.txtLoM->setText(platform::ToQt(e.LongitudeMinutes));
  c.optLat[e.LongitudeDirection == zentara::EastWest::West ? 1 : 0]->setChecked(true);
  c.txtCity->setText(platform::ToQt(e.City));
  c.txtState->setText(platform::ToQt(e.State));
  c.txtCountry->setText(platform::ToQt(e.Country));
  const int side = partner == Partner::Male ? 0 : 1;
  chosen_[side] = person.id;
  atlasZone_[side] = person.timezone;
  return true;
}

void frmMatch::ChoosePerson_Click(Partner partner) {
  navigation::ChoosePerson(this, [this, partner](const zentara::book::Person& person) { UsePerson(partner, person); });
}

void frmMatch::SavePerson_Click(Partner partner) {
  const int side = partner == Partner::Male ? 0 : 1;
  const zentara::AstroEntries entries = Entries();
  const zentara::AstroPartnerEntries& own = partner == Partner::Male ? entries.Male : entries.Female;
  const std::string zone = atlasZone_[side];
  const std::int64_t saved = people::SavePerson(
      this, chosen_[side], partner == Partner::Male ? zentara::book::Frame::Male : zentara::book::Frame::Female,
      [&](zentara::book::Person& person) {
        auto problem = zentara::book::TakeAstroSide(own, person);
        if (!problem) person.timezone = zone;
        return problem;
      });
  if (saved != 0) chosen_[side] = saved;
}

void frmMatch::Command1_Click() { LookUpPlace(Partner::Male); }
void frmMatch::Command2_Click() { LookUpPlace(Partner::Female); }

void frmMatch::RefuseEntry(KeyFilteredBox* box) {
  auto& desktop = platform::current();
  desktop.showMessage(this, platform::Translated("Checks", zentara::RefusalMessage(box->filter())), platform::Icon::Critical,
                      platform::Buttons::Ok);
  if (zentara::RefusalRefocuses(box->filter())) desktop.setFocus(box);
}

void frmMatch::cmdNav_Click() { close(); }

void frmMatch::closedByUser() { shell::ExitApplication(); }

}  // namespace astro
