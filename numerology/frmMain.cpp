#include "numerology/frmMain.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "book/person_entries.h"
#include "numerology/extended_reading.h"
#include "numerology/reading_reports.h"
#include "people/person_buttons.h"
#include "platform/platform.h"
#include "common/file_bytes.h"
#include "reports/file_dialogs.h"
#include "reports/frmDisp.h"
#include "reports/frmSaveDocument.h"
#include "reports/modRTB.h"
#include "reports/report_box.h"
#include "reports/saved_reading.h"
#include "reports/saved_reading_entries.h"
#include "shell/spoken_names.h"
#include "shell/drop_down_combo.h"
#include "shell/controls.h"
#include "shell/exit_application.h"
#include "shell/help_menu.h"
#include "shell/language.h"
#include "shell/navigation.h"
#include "platform/qt_text.h"
#include "site_config.h"

namespace numerology {
namespace {

QLineEdit* NameBox(QWidget* parent, const char* name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  // Qt's default of 32767 would cut a long pasted name, and so change its number.
  box->setMaxLength(static_cast<int>(zentara::MaxNameLength));
  return box;
}

struct PartnerControls {
  QLineEdit *first, *middle, *last;
  QComboBox *month, *day, *year;
};

// One partner's frame: the three names, then the birth date as month, day, year.
QGroupBox* PartnerFrame(QWidget* parent, const char* caption, char sex, PartnerControls& controls) {
  auto* frame = new QGroupBox(QCoreApplication::translate("numerology::frmMain", caption), parent);
  auto* grid = new QGridLayout(frame);
  const auto name = [sex](const char* pattern) { return QString::fromLatin1(pattern).arg(QChar(sex)).toLatin1(); };
  controls.first = NameBox(frame, name("txt%1F").constData());
  controls.middle = NameBox(frame, name("txt%1M").constData());
  controls.last = NameBox(frame, name("txt%1L").constData());
  controls.month = shell::MakeDropDownCombo(frame, name("cbo%1M").constData(), {});
  controls.day = shell::MakeDropDownCombo(frame, name("cbo%1D").constData(), {});
  controls.year = shell::MakeDropDownCombo(frame, name("cbo%1Y").constData(), {});
  grid->addWidget(new QLabel(QCoreApplication::translate("numerology::frmMain", "* First Name"), frame), 0, 0);
  grid->addWidget(controls.first, 0, 1, 1, 3);
  grid->addWidget(new QLabel(QCoreApplication::translate("numerology::frmMain", "Middle Name"), frame), 1, 0);
  grid->addWidget(controls.middle, 1, 1, 1, 3);
  grid->addWidget(new QLabel(QCoreApplication::translate("numerology::frmMain", "* Last Name"), frame), 2, 0);
  grid->addWidget(controls.last, 2, 1, 1, 3);
  grid->addWidget(new QLabel(QCoreApplication::translate("numerology::frmMain", "Date of Birth"), frame), 3, 0);
  grid->addWidget(controls.month, 3, 1);
  grid->addWidget(controls.day, 3, 2);
  grid->addWidget(controls.year, 3, 3);
  auto* people = new QHBoxLayout();
  people->addWidget(shell::NamedButton(frame, name("cmd%1Choose").constData(), QCoreApplication::translate("numerology::frmMain", "Choose Person...")));
  people->addWidget(shell::NamedButton(frame, name("cmd%1SavePerson").constData(), QCoreApplication::translate("numerology::frmMain", "Save Person")));
  people->addStretch();
  grid->addLayout(people, 4, 0, 1, 4);
  grid->setColumnStretch(1, 2);
  return frame;
}

}  // namespace

// What a screen reader calls the controls: the boxes by purpose and partner,
// which their group's title or their value names otherwise.
constexpr shell::SpokenName kSpokenNames[] = {
    {"txt%1F", QT_TRANSLATE_NOOP("SpokenNames", "%1 first name")},
    {"txt%1M", QT_TRANSLATE_NOOP("SpokenNames", "%1 middle name")},
    {"txt%1L", QT_TRANSLATE_NOOP("SpokenNames", "%1 last name")},
    {"cbo%1M", QT_TRANSLATE_NOOP("SpokenNames", "%1 birth month")},
    {"cbo%1D", QT_TRANSLATE_NOOP("SpokenNames", "%1 birth day")},
    {"cbo%1Y", QT_TRANSLATE_NOOP("SpokenNames", "%1 birth year")},
    {"cmd%1Choose", QT_TRANSLATE_NOOP("SpokenNames", "Choose Person for %1...")},
    {"cmd%1SavePerson", QT_TRANSLATE_NOOP("SpokenNames", "Save Person for %1")},
    {"cboMMD", QT_TRANSLATE_NOOP("SpokenNames", "Marriage day")},
    {"cboMMM", QT_TRANSLATE_NOOP("SpokenNames", "Marriage month")},
    {"cboMMY", QT_TRANSLATE_NOOP("SpokenNames", "Marriage year")},
    {"cmdNav", QT_TRANSLATE_NOOP("SpokenNames", "Exit the program")},
};

frmMain::frmMain(QWidget* parent) : Form("frmMain", parent) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  MakeTitle(central, layout);
  MakePartners(central, layout);
  MakeMarriageDate(central, layout);
  MakeButtons(central, layout);
  MakeNote(central, layout);
  setCentralWidget(central);
  MakeMenus();
  shell::GiveSpokenNames(this, kSpokenNames);
  Form_Load();
}

void frmMain::MakeTitle(QWidget* central, QVBoxLayout* layout) {
  auto* title = new QLabel(QCoreApplication::translate("numerology::frmMain", "QM Zentara Software"), central);
  title->setObjectName(QStringLiteral("lblTitle"));
  shell::MakeHeading(title, 1.5);
  layout->addWidget(title, 0, Qt::AlignHCenter);
}

void frmMain::MakePartners(QWidget* central, QVBoxLayout* layout) {
  PartnerControls male{}, female{};
  auto* partners = new QHBoxLayout();
  partners->addWidget(PartnerFrame(central, QT_TRANSLATE_NOOP("numerology::frmMain", "Male"), 'M', male));
  partners->addWidget(PartnerFrame(central, QT_TRANSLATE_NOOP("numerology::frmMain", "Female"), 'F', female));
  layout->addLayout(partners);
  txtMF_ = male.first, txtMM_ = male.middle, txtML_ = male.last;
  cboMM_ = male.month, cboMD_ = male.day, cboMY_ = male.year;
  txtFF_ = female.first, txtFM_ = female.middle, txtFL_ = female.last;
  cboFM_ = female.month, cboFD_ = female.day, cboFY_ = female.year;
  for (const auto& [sex, partner] : {std::pair{'M', zentara::Partner::Male}, {'F', zentara::Partner::Female}}) {
    const auto named = [sex](const char* pattern) { return QString::fromLatin1(pattern).arg(QChar(sex)); };
    connect(findChild<QPushButton*>(named("cmd%1Choose")), &QPushButton::clicked, this,
            [this, partner] { ChoosePerson_Click(partner); });
    connect(findChild<QPushButton*>(named("cmd%1SavePerson")), &QPushButton::clicked, this,
            [this, partner] { SavePerson_Click(partner); });
  }
}

void frmMain::MakeMarriageDate(QWidget* central, QVBoxLayout* layout) {
  auto* marriage = new QHBoxLayout();
  marriage->addWidget(new QLabel(QCoreApplication::translate("numerology::frmMain", "Marriage Date"), central));
  cboMMD_ = shell::MakeDropDownCombo(central, "cboMMD", {});
  cboMMM_ = shell::MakeDropDownCombo(central, "cboMMM", {});
  cboMMY_ = shell::MakeDropDownCombo(central, "cboMMY", {});
  marriage->addWidget(cboMMD_);
  marriage->addWidget(cboMMM_);
  marriage->addWidget(cboMMY_);
  marriage->addStretch();
  layout->addLayout(marriage);
}

// The three readings' buttons in a row, then Open, Back and the two Exits.
void frmMain::MakeButtons(QWidget* central, QVBoxLayout* layout) {
  const auto button = [this, central](QHBoxLayout* row, const char* name, const QString& caption, void (frmMain::*slot)()) {
    QPushButton* made = shell::NamedButton(central, name, caption);
    row->addWidget(made);
    connect(made, &QPushButton::clicked, this, slot);
  };
  auto* readings = new QHBoxLayout();
  button(readings, "cmdLP", QCoreApplication::translate("numerology::frmMain", "LifePath Compatibility"), &frmMain::cmdLP_Click);
  button(readings, "cmdD", QCoreApplication::translate("numerology::frmMain", "Destiny Compatibility"), &frmMain::cmdD_Click);
  button(readings, "cmdCR", QCoreApplication::translate("numerology::frmMain", "Comprehensive Reading"), &frmMain::cmdCR_Click);
  layout->addLayout(readings);

  auto* commands = new QHBoxLayout();
  button(commands, "cmdOpen", QCoreApplication::translate("numerology::frmMain", "&Open Previously Saved Reading"), &frmMain::cmdOpen_Click);
  commands->addStretch();
  button(commands, "cmdBack", QCoreApplication::translate("numerology::frmMain", "&Back"), &frmMain::cmdBack_Click);
  button(commands, "cmdExit", QCoreApplication::translate("numerology::frmMain", "Exit"), &frmMain::cmdExit_Click);
  button(commands, "cmdNav", QCoreApplication::translate("numerology::frmMain", "Exit"), &frmMain::cmdExit_Click);
  layout->addLayout(commands);
}

void frmMain::MakeNote(QWidget* central, QVBoxLayout* layout) {
  auto* note = new QGroupBox(QCoreApplication::translate("numerology::frmMain", "Note: "), central);
  auto* noteLayout = new QVBoxLayout(note);
  auto* noteText = new QLabel(
      QCoreApplication::translate("numerology::frmMain", "This program has been designed keeping in mind date settings according to "
                     "MM/DD/YYYY format"),
      note);
  noteText->setWordWrap(true);
  noteLayout->addWidget(noteText);
  layout->addWidget(note);
}

void frmMain::MakeMenus() {
  QMenu* file = menuBar()->addMenu(QCoreApplication::translate("numerology::frmMain", "&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  const auto entry = [this, file](const char* name, const QString& caption, auto slot) {
    connect(shell::NamedMenuEntry(file, name, caption), &QAction::triggered, this, slot);
  };
  entry("mnuCR", QCoreApplication::translate("numerology::frmMain", "&Comprehensive Reading"), &frmMain::cmdCR_Click);
  entry("mnuLP", QCoreApplication::translate("numerology::frmMain", "&LifePath Compatibility"), &frmMain::cmdLP_Click);
  entry("mnuD", QCoreApplication::translate("numerology::frmMain", "&Destiny Compatibility"), &frmMain::cmdD_Click);
  entry("mnuExtended", QCoreApplication::translate("numerology::frmMain", "Extended &Numbers"), &frmMain::mnuExtended_Click);
  file->addSeparator();
  entry("mnuPeople", QCoreApplication::translate("numerology::frmMain", "&People..."), [] { navigation::ShowPeople(); });
  file->addSeparator();
  entry("mnuBack", QCoreApplication::translate("numerology::frmMain", "&Back"), &frmMain::cmdBack_Click);
  file->addSeparator();
  entry("mnuExit", QCoreApplication::translate("numerology::frmMain", "E&xit"), &frmMain::cmdExit_Click);
  shell::AddLanguageEntry(shell::AddHelpMenu(this, QCoreApplication::translate("numerology::frmMain", "&Online help"), QCoreApplication::translate("numerology::frmMain", "&Visit us Online")), this);
}

void frmMain::Form_Load() {
  const QStringList days = shell::NumberItems(1, 31);
  const QStringList months = shell::MonthItems();
  const QStringList years = shell::NumberItems(1900, 2050);
  for (QComboBox* box : {cboMD_, cboFD_, cboMMD_}) shell::AddListItems(box, days);
  for (QComboBox* box : {cboMM_, cboFM_, cboMMM_}) shell::AddListItems(box, months);
  for (QComboBox* box : {cboMY_, cboFY_, cboMMY_}) shell::AddListItems(box, years);
  // The birth lists start at 1 January 1900; the marriage date stays unpicked.
  for (QComboBox* box : {cboMM_, cboMD_, cboMY_, cboFM_, cboFD_, cboFY_}) box->setCurrentIndex(0);
}

zentara::NumerologyEntries frmMain::Entries() const {
  using platform::ToStd;
  return {ToStd(txtMF_->text()),       ToStd(txtMM_->text()),       ToStd(txtML_->text()),
          ToStd(txtFF_->text()),       ToStd(txtFM_->text()),       ToStd(txtFL_->text()),
          ToStd(shell::StoredMonthText(cboMM_->currentText())), ToStd(cboMD_->currentText()), ToStd(cboMY_->currentText()),
          ToStd(shell::StoredMonthText(cboFM_->currentText())), ToStd(cboFD_->currentText()), ToStd(cboFY_->currentText())};
}

QWidget* frmMain::ControlOf(zentara::NumerologyField field) const {
  using F = zentara::NumerologyField;
  switch (field) {
    case F::MaleFirst: return txtMF_;
    case F::MaleLast: return txtML_;
    case F::FemaleFirst: return txtFF_;
    case F::FemaleLast: return txtFL_;
    case F::MaleDay: return cboMD_;
    case F::MaleMonth: return cboMM_;
    case F::MaleYear: return cboMY_;
    case F::FemaleDay: return cboFD_;
    case F::FemaleMonth: return cboFM_;
    case F::FemaleYear: return cboFY_;
  }
  return nullptr;
}

bool frmMain::ValidateEntries() {
  const auto failure = zentara::CheckNumerologyEntries(Entries());
  if (!failure) return true;
  auto& desktop = platform::current();
  desktop.showMessage(this, platform::Translated("Checks", failure->message), platform::Icon::Information,
                      platform::Buttons::Ok);
  if (failure->focus) desktop.setFocus(ControlOf(*failure->focus));
  return false;
}

void frmMain::SetEntries(const zentara::NumerologyEntries& e) {
  using platform::ToQt;
  const std::pair<QLineEdit*, const std::string*> names[] = {
      {txtMF_, &e.maleFirst},   {txtMM_, &e.maleMiddle},   {txtML_, &e.maleLast},
      {txtFF_, &e.femaleFirst}, {txtFM_, &e.femaleMiddle}, {txtFL_, &e.femaleLast},
  };
  for (const auto& [box, text] : names) box->setText(ToQt(*text));
  const std::pair<QComboBox*, const std::string*> dates[] = {
      {cboMM_, &e.maleMonth},   {cboMD_, &e.maleDay},   {cboMY_, &e.maleYear},
      {cboFM_, &e.femaleMonth}, {cboFD_, &e.femaleDay}, {cboFY_, &e.femaleYear},
  };
  for (const auto& [box, text] : dates) {
    const QString value = box == cboMM_ || box == cboFM_ ? shell::ShownMonthText(ToQt(*text)) : ToQt(*text);
    box->setCurrentIndex(box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(value);
  }
}

// The readings behind the three commands are made only from entries that pass.
void frmMain::cmdLP_Click() {
  if (ValidateEntries()) Find_Lifepath_Number();
}
void frmMain::cmdD_Click() {
  if (ValidateEntries()) Find_Destiny_Number();
}
void frmMain::cmdCR_Click() {
  if (ValidateEntries()) Find_Lifepath_Destiny_Number();
}
void frmMain::mnuExtended_Click() {
  if (ValidateEntries()) Find_Extended_Numbers();
}

namespace {

// A single reading in a fresh window, shown modally; returns when it is closed.
void ShowSingleReading(frmMain* form, std::string_view caption, const std::string& text) {
  auto* window = new reports::frmDisp(form);
  window->setWindowTitle(platform::ToQt(caption));
  window->txtDisp()->setPlainText(platform::ToQt(text));
  platform::current().showModal(window);
}

}  // namespace

void frmMain::Find_Lifepath_Number() {
  const zentara::NumerologyEntries entries = Entries();
  lifePath_ = zentara::FindLifePathPair(entries);
  modNumerologyComaptibility::SavedReadingEntries = entries;
  ShowSingleReading(this, zentara::LifePathReadingCaption,
                    zentara::LifePathReadingText(lifePath_, zentara::MakerSiteAddress));
}

void frmMain::Find_Destiny_Number() {
  const zentara::NumerologyEntries entries = Entries();
  destiny_ = zentara::FindDestinyPair(entries);
  modNumerologyComaptibility::SavedReadingEntries = entries;
  ShowSingleReading(this, zentara::DestinyReadingCaption,
                    zentara::DestinyReadingText(destiny_, zentara::MakerSiteAddress));
}

namespace {

// A reading of bold and plain runs in the window with Print and Save, shown
// modally; Save writes `entries`. Returns when it is closed.
void ShowFormattedReading(frmMain* form, const zentara::NumerologyEntries& entries, const zentara::ReportRuns& runs,
                          std::string_view caption) {
  auto* window = new reports::frmSaveDocument(form);
  if (!caption.empty()) window->setWindowTitle(platform::ToQt(caption));
  for (const zentara::ReportRun& run : runs) reports::AppendAtCaret(window->RTB(), platform::ToQt(run.text), run.bold);
  // These readings show their addresses as plain text.
  modRTB::UnhookLinkClicks();
  modNumerologyComaptibility::SavedReadingEntries = entries;
  platform::current().showModal(window);
}

}  // namespace

void frmMain::Find_Lifepath_Destiny_Number() {
  const zentara::NumerologyEntries entries = Entries();
  lifePath_ = zentara::FindLifePathPair(entries);
  destiny_ = zentara::FindDestinyPair(entries);
  ShowFormattedReading(this, entries, zentara::ComprehensiveReadingRuns(lifePath_, destiny_, zentara::MakerSiteAddress),
                       {});
}

void frmMain::Find_Extended_Numbers() {
  const zentara::NumerologyEntries entries = Entries();
  ShowFormattedReading(this, entries, zentara::ExtendedReadingRuns(entries, zentara::MakerSiteAddress),
                       zentara::ExtendedReadingCaption);
}

void frmMain::cmdOpen_Click() {
  auto& desktop = platform::current();
  const platform::FileDialogRequest request{
      QCoreApplication::translate("numerology::frmMain", "QM Velmora (*.kvz)|*.kvz"),
      QStringLiteral("kvz"),
      platform::FileFlags::HideReadOnly | platform::FileFlags::FileMustExist |
          platform::FileFlags::NoReadOnlyReturn,
      QCoreApplication::translate("numerology::frmMain", "Select the source file"),
      QString(),
  };
  const QString path = reports::AskOpenFileName(this, reports::FileKind::Readings, request);
  if (path.isEmpty()) return;
  if (!zentara::HasSavedReadingEnding(platform::ToStd(path))) {
    desktop.showMessage(this, QCoreApplication::translate("numerology::frmMain", "Please Check The File."), platform::Icon::Critical,
                        platform::Buttons::Ok);
    return;
  }
  // A file that cannot be read gives twelve empty entries, which the reading's
  // checks then report; only as much is read as twelve entries can fill.
  const auto bytes = zentara::ReadFilePrefix(QFile::encodeName(path).toStdString(),
                                             zentara::MaxSavedReadingBytes);
  SetEntries(zentara::DecodeSavedReading(bytes.value_or(std::string())));
  cmdCR_Click();
}

void frmMain::cmdBack_Click() {
  navigation::ShowStartForm();
  unload();
}

void frmMain::cmdExit_Click() { shell::ExitApplication(); }

void frmMain::UsePerson(zentara::Partner partner, const zentara::book::Person& person) {
  zentara::NumerologyEntries entries = Entries();
  zentara::book::PutNumerologySide(person, partner, entries);
  SetEntries(entries);
  chosen_[partner == zentara::Partner::Male ? 0 : 1] = person.id;
}

void frmMain::ChoosePerson_Click(zentara::Partner partner) {
  navigation::ChoosePerson(this, [this, partner](const zentara::book::Person& person) { UsePerson(partner, person); });
}

void frmMain::SavePerson_Click(zentara::Partner partner) {
  std::int64_t& chosen = chosen_[partner == zentara::Partner::Male ? 0 : 1];
  const zentara::NumerologyEntries entries = Entries();
  const std::int64_t saved = people::SavePerson(
      this, chosen, partner == zentara::Partner::Male ? zentara::book::Frame::Male : zentara::book::Frame::Female,
      [&](zentara::book::Person& person) { return zentara::book::TakeNumerologySide(entries, partner, person); });
  if (saved != 0) chosen = saved;
}

void frmMain::closedByUser() { shell::ExitApplication(); }

}  // namespace numerology
