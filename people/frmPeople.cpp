#include "people/frmPeople.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "astro/match/chart_settings.h"
#include "astro/match/couple_report_pdf.h"
#include "book/people_csv.h"
#include "book/person_entries.h"
#include "book/ranking.h"
#include "people/desktop_book.h"
#include "people/frmPerson.h"
#include "shell/screen_fit.h"
#include "shell/spoken_names.h"
#include "shell/navigation.h"
#include "people/rows_model.h"
#include "platform/platform.h"
#include "common/file_bytes.h"
#include "reports/file_dialogs.h"
#include "reports/file_names.h"
#include "shell/controls.h"
#include "platform/qt_text.h"

namespace people {

namespace {

using platform::ToQt;

void Tell(QWidget* owner, const QString& text, platform::Icon icon = platform::Icon::Information) {
  platform::current().showMessage(owner, text, icon, platform::Buttons::Ok);
}

const platform::FileDialogRequest CsvRequest(const char* title, unsigned flags) {
  return {QCoreApplication::translate("frmPeople", "CSV Files (*.csv)|*.csv"), QStringLiteral("csv"), flags, QString::fromLatin1(title), QString()};
}

}  // namespace

frmPeople::frmPeople(PeopleMode mode, QWidget* parent) : Form("frmPeople", parent), mode_(mode) {
  setWindowTitle(mode == PeopleMode::Choose ? QCoreApplication::translate("frmPeople", "Choose Person") : QCoreApplication::translate("frmPeople", "People"));
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  MakeSearchRow(central, layout);
  MakeList(central, layout);
  MakeCommands(central, layout);
  layout->addWidget(new QLabel(mode == PeopleMode::Choose
                                   ? QCoreApplication::translate("frmPeople", "Type to search; Up and Down choose a person, Enter takes them.")
                                   : QCoreApplication::translate("frmPeople", "Type to search; Up and Down move, Enter edits, Delete deletes; "
                                                    "select two people (Ctrl+click) for a match."),
                               central));
  setCentralWidget(central);
  static constexpr shell::SpokenName kSpokenNames[] = {{"lstPeople", QT_TRANSLATE_NOOP("SpokenNames", "People")}};
  shell::GiveSpokenNames(this, kSpokenNames);
  resize(shell::GrownWithFont({760, 560}));

  connect(txtSearch_, &QLineEdit::textChanged, this, &frmPeople::Search);
  txtSearch_->installEventFilter(this);
  lstPeople_->installEventFilter(this);
  connect(lstPeople_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmPeople::SelectionChanged);
  connect(lstPeople_, &QTableView::activated, this,
          mode == PeopleMode::Choose ? &frmPeople::cmdChoose_Click : &frmPeople::cmdEdit_Click);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &frmPeople::cmdClose_Click);
  Reload();
  txtSearch_->setFocus();
}

void frmPeople::MakeSearchRow(QWidget* central, QVBoxLayout* layout) {
  auto* searchRow = new QHBoxLayout();
  auto* searchLabel = new QLabel(QCoreApplication::translate("frmPeople", "&Search:"), central);
  txtSearch_ = new QLineEdit(central);
  txtSearch_->setObjectName(QStringLiteral("txtSearch"));
  txtSearch_->setPlaceholderText(QCoreApplication::translate("frmPeople", "any name, place or note"));
  txtSearch_->setClearButtonEnabled(true);
  searchLabel->setBuddy(txtSearch_);
  searchRow->addWidget(searchLabel);
  searchRow->addWidget(txtSearch_, 1);
  layout->addLayout(searchRow);
}

// The list of people, each row read from the book when first shown, and the
// count under it.
void frmPeople::MakeList(QWidget* central, QVBoxLayout* layout) {
  model_ = new RowsModel({QCoreApplication::translate("frmPeople", "Name"), QCoreApplication::translate("frmPeople", "Born"), QCoreApplication::translate("frmPeople", "Place")},
                         [this](int row, int column) -> QString {
                           const auto& p = SummaryOf(search_->IdAt(shown_[static_cast<std::size_t>(row)]));
                           return ToQt(column == 0 ? p.name : column == 1 ? p.born : p.place);
                         },
                         this);
  lstPeople_ = new QTableView(central);
  lstPeople_->setObjectName(QStringLiteral("lstPeople"));
  lstPeople_->setModel(model_);
  lstPeople_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lstPeople_->setSelectionMode(mode_ == PeopleMode::Choose ? QAbstractItemView::SingleSelection
                                                            : QAbstractItemView::ExtendedSelection);
  lstPeople_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstPeople_->setTabKeyNavigation(false);
  lstPeople_->verticalHeader()->hide();
  lstPeople_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  lstPeople_->verticalHeader()->setDefaultSectionSize(lstPeople_->fontMetrics().height() + 6);
  lstPeople_->horizontalHeader()->setStretchLastSection(true);
  lstPeople_->setColumnWidth(0, 220);
  lstPeople_->setColumnWidth(1, 130);
  lstPeople_->setWordWrap(false);
  layout->addWidget(lstPeople_, 1);
  lblCount_ = new QLabel(central);
  lblCount_->setObjectName(QStringLiteral("lblCount"));
  layout->addWidget(lblCount_);
}

// The buttons: to choose a person, or to manage the book and match people.
void frmPeople::MakeCommands(QWidget* central, QVBoxLayout* layout) {
  auto* commands = new QGridLayout();
  const auto button = [&](const char* name, const QString& caption, int row, int column, void (frmPeople::*slot)()) {
    QPushButton* made = shell::NamedButton(central, name, caption);
    commands->addWidget(made, row, column);
    connect(made, &QPushButton::clicked, this, slot);
    return made;
  };
  if (mode_ == PeopleMode::Choose) {
    button("cmdChoose", QCoreApplication::translate("frmPeople", "&Choose"), 0, 0, &frmPeople::cmdChoose_Click)->setDefault(true);
    button("cmdAdd", QCoreApplication::translate("frmPeople", "&Add..."), 0, 1, &frmPeople::cmdAdd_Click);
    button("cmdEdit", QCoreApplication::translate("frmPeople", "&Edit..."), 0, 2, &frmPeople::cmdEdit_Click);
    button("cmdClose", QCoreApplication::translate("frmPeople", "Close"), 0, 4, &frmPeople::cmdClose_Click);
  } else {
    button("cmdAdd", QCoreApplication::translate("frmPeople", "&Add..."), 0, 0, &frmPeople::cmdAdd_Click);
    button("cmdEdit", QCoreApplication::translate("frmPeople", "&Edit..."), 0, 1, &frmPeople::cmdEdit_Click);
    button("cmdDelete", QCoreApplication::translate("frmPeople", "&Delete"), 0, 2, &frmPeople::cmdDelete_Click);
    button("cmdImport", QCoreApplication::translate("frmPeople", "&Import..."), 0, 3, &frmPeople::cmdImport_Click);
    button("cmdExport", QCoreApplication::translate("frmPeople", "E&xport..."), 0, 4, &frmPeople::cmdExport_Click);
    button("cmdNumerology", QCoreApplication::translate("frmPeople", "&Numerology Match"), 1, 0, &frmPeople::cmdNumerology_Click);
    button("cmdAstro", QCoreApplication::translate("frmPeople", "Astro &Match"), 1, 1, &frmPeople::cmdAstro_Click);
    button("cmdBest", QCoreApplication::translate("frmPeople", "&Best Matches for..."), 1, 2, &frmPeople::cmdBest_Click);
    button("cmdCoupleReport", QCoreApplication::translate("frmPeople", "Couple &Report..."), 1, 3, &frmPeople::cmdCoupleReport_Click);
    button("cmdClose", QCoreApplication::translate("frmPeople", "Close"), 1, 4, &frmPeople::cmdClose_Click);
  }
  commands->setColumnStretch(5, 1);
  layout->addLayout(commands);
}

void frmPeople::Reload() {
  zentara::book::Book* book = OpenBook(this);
  zentara::book::SearchTexts texts;
  if (book) TryBook(this, [&] { texts = book->AllSearchTexts(); });
  search_ = std::make_unique<zentara::book::PeopleSearch>(std::move(texts));
  summaries_.clear();
  Search();
}

const zentara::book::PersonSummary& frmPeople::SummaryOf(std::int64_t id) const {
  const auto found = summaries_.constFind(id);
  if (found != summaries_.constEnd()) return *found;
  zentara::book::PersonSummary summary;
  summary.id = id;
  try {  // shown while painting: a failure shows an empty row rather than a message
    if (zentara::book::Book* book = OpenBook(nullptr)) summary = book->Summary(id).value_or(summary);
  } catch (const zentara::book::BookError&) {
  }
  return *summaries_.insert(id, std::move(summary));
}

void frmPeople::Search() {
  shown_ = search_->Filter(platform::ToStd(txtSearch_->text()));
  selectionOrder_.clear();
  model_->Reset(static_cast<int>(shown_.size()));
  if (!shown_.empty()) lstPeople_->selectRow(0);
  const int total = static_cast<int>(search_->Size());
  lblCount_->setText(QCoreApplication::translate("frmPeople", "%1 of %n people", "", total).arg(shown_.size()));
}

void frmPeople::SelectionChanged() {
  std::vector<std::int64_t> now;
  for (const QModelIndex& row : lstPeople_->selectionModel()->selectedRows()) {
    now.push_back(search_->IdAt(shown_[static_cast<std::size_t>(row.row())]));
  }
  // Keep the order in which the rows still selected were chosen; new ones last.
  std::erase_if(selectionOrder_, [&](std::int64_t id) { return std::find(now.begin(), now.end(), id) == now.end(); });
  for (const std::int64_t id : now) {
    if (std::find(selectionOrder_.begin(), selectionOrder_.end(), id) == selectionOrder_.end()) selectionOrder_.push_back(id);
  }
}

std::optional<std::int64_t> frmPeople::CurrentId() const {
  const QModelIndex current = lstPeople_->currentIndex();
  if (!current.isValid() || !lstPeople_->selectionModel()->isRowSelected(current.row(), {})) {
    if (selectionOrder_.empty()) return std::nullopt;
    return selectionOrder_.back();
  }
  return search_->IdAt(shown_[static_cast<std::size_t>(current.row())]);
}

bool frmPeople::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return Form::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (watched == txtSearch_ && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
    QApplication::sendEvent(lstPeople_, event);  // the list moves its own way, as if it had the focus
    return true;
  }
  if (watched == txtSearch_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
    mode_ == PeopleMode::Choose ? cmdChoose_Click() : cmdEdit_Click();
    return true;
  }
  if (watched == lstPeople_ && key == Qt::Key_Delete && mode_ == PeopleMode::Manage) {
    cmdDelete_Click();
    return true;
  }
  return Form::eventFilter(watched, event);
}

void frmPeople::cmdAdd_Click() {
  if (!OpenBook(this)) return;
  auto* window = new frmPerson(zentara::book::Person{}, this);
  window->setWindowFlag(Qt::Dialog);
  connect(window, &frmPerson::PersonSaved, this, [this] { Reload(); });
  platform::current().showModal(window);
}

void frmPeople::cmdEdit_Click() {
  const auto id = CurrentId();
  zentara::book::Book* book = id ? OpenBook(this) : nullptr;
  if (!book) return;
  std::optional<zentara::book::Person> person;
  if (!TryBook(this, [&] { person = book->Get(*id); }) || !person) return;
  auto* window = new frmPerson(*person, this);
  window->setWindowFlag(Qt::Dialog);
  connect(window, &frmPerson::PersonSaved, this, [this] { Reload(); });
  platform::current().showModal(window);
}

void frmPeople::cmdDelete_Click() {
  if (selectionOrder_.empty()) return;
  zentara::book::Book* book = OpenBook(this);
  if (!book) return;
  QString names;
  for (const std::int64_t id : selectionOrder_) {
    names += (names.isEmpty() ? QString() : QStringLiteral(", ")) + ToQt(SummaryOf(id).name);
  }
  const QString question = selectionOrder_.size() == 1
                               ? QCoreApplication::translate("frmPeople", "Delete %1 from the book of people?").arg(names)
                               : QCoreApplication::translate("frmPeople", "Delete these %1 people from the book of people: %2?")
                                     .arg(selectionOrder_.size()).arg(names);
  if (platform::current().showMessage(this, question, platform::Icon::Information, platform::Buttons::YesNo) !=
      platform::Answer::Yes) {
    return;
  }
  // Each as the list showed it: one changed or removed elsewhere since is
  // not deleted unseen, and then no one is.
  std::vector<std::pair<std::int64_t, std::int64_t>> shownAs;
  for (const std::int64_t id : selectionOrder_) shownAs.emplace_back(id, SummaryOf(id).revision);
  std::vector<std::int64_t> changed;
  if (TryBook(this, [&] { changed = book->RemoveUnchanged(shownAs); }) && !changed.empty()) {
    QString which;
    for (const std::int64_t id : changed) {
      which += (which.isEmpty() ? QString() : QStringLiteral(", ")) + ToQt(SummaryOf(id).name);
    }
    Tell(this,
         QCoreApplication::translate("frmPeople", "No one was deleted: %1 changed in the book of people, or left it, since this list showed "
                        "them. The list now shows the book as it is; choose again.")
             .arg(which),
         platform::Icon::Critical);
  }
  Reload();
}

void frmPeople::cmdImport_Click() {
  zentara::book::Book* book = OpenBook(this);
  if (!book) return;
  const QString path = reports::AskOpenFileName(
      this, reports::FileKind::People,
      CsvRequest("Import People", platform::FileFlags::FileMustExist | platform::FileFlags::HideReadOnly));
  if (path.isEmpty()) return;
  const int input = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (input < 0) {
    Tell(this, QCoreApplication::translate("frmPeople", "%1 cannot be read.").arg(path), platform::Icon::Critical);
    return;
  }
  zentara::book::ImportReport report;
  const bool imported = TryBook(this, [&] { report = zentara::book::ImportPeople(*book, input); });
  ::close(input);
  if (!imported) return;
  if (report.unreadable || report.headerProblem) {
    Tell(this, QCoreApplication::translate("frmPeople", "No one was added: %1.").arg(ToQt(report.unreadable ? *report.unreadable : *report.headerProblem)),
         platform::Icon::Critical);
    return;
  }
  const int added = static_cast<int>(report.added);
  QString text = QCoreApplication::translate("frmPeople", "%n people added.", "", added);
  if (!report.refusedRows.empty()) {
    constexpr std::size_t kListed = 10;
    const int refused = static_cast<int>(report.refusedRows.size());
    text += QCoreApplication::translate("frmPeople", " %n rows were left out:", "", refused);
    for (std::size_t i = 0; i < std::min(kListed, report.refusedRows.size()); ++i) text += "\n" + ToQt(report.refusedRows[i]);
    if (report.refusedRows.size() > kListed) {
      const int more = static_cast<int>(report.refusedRows.size() - kListed);
      text += QCoreApplication::translate("frmPeople", "\n... and %n more.", "", more);
    }
  }
  Tell(this, text);
  Reload();
}

void frmPeople::cmdExport_Click() {
  zentara::book::Book* book = OpenBook(this);
  if (!book) return;
  platform::FileDialogRequest request =
      CsvRequest("Export People", platform::FileFlags::OverwritePrompt | platform::FileFlags::HideReadOnly);
  request.initialName = QStringLiteral("People.csv");
  const QString path = reports::AskSaveFileName(this, reports::FileKind::People, request);
  if (path.isEmpty()) return;
  std::string csv;
  if (!TryBook(this, [&] { csv = zentara::book::PeopleCsv(book->All()); })) return;
  if (const auto failure = zentara::ReplaceFileContents(QFile::encodeName(path).toStdString(), csv)) {
    Tell(this, ToQt(*failure), platform::Icon::Critical);
  }
}

bool frmPeople::TwoPeople(zentara::book::Person& male, zentara::book::Person& female) {
  zentara::book::Book* book = selectionOrder_.size() == 2 ? OpenBook(this) : nullptr;
  if (selectionOrder_.size() != 2) {
    Tell(this, QCoreApplication::translate("frmPeople", "Select two people for a match (Ctrl+click the second)."));
    return false;
  }
  if (!book) return false;
  std::optional<zentara::book::Person> first, second;
  if (!TryBook(this, [&] { first = book->Get(selectionOrder_[0]), second = book->Get(selectionOrder_[1]); })) return false;
  if (!first || !second) return false;
  const bool firstIsMale = zentara::book::FirstIsMale(first->frame, second->frame);
  male = firstIsMale ? *first : *second;
  female = firstIsMale ? *second : *first;
  return true;
}

void frmPeople::cmdNumerology_Click() {
  zentara::book::Person male, female;
  if (TwoPeople(male, female)) navigation::OpenNumerologyMatch(male, female);
}

void frmPeople::cmdAstro_Click() {
  zentara::book::Person male, female;
  if (TwoPeople(male, female)) navigation::OpenAstroMatch(male, female);
}

void frmPeople::cmdCoupleReport_Click() {
  zentara::book::Person male, female;
  if (!TwoPeople(male, female)) return;
  for (const zentara::book::Person* person : {&male, &female}) {
    if (const auto why = zentara::book::WhyNoAstroMatch(*person)) {
      Tell(this, ToQt(*why));
      return;
    }
  }
  const zentara::AstroEntries astro{zentara::book::AstroSide(male), zentara::book::AstroSide(female)};
  if (const auto failure = zentara::CheckAstroEntries(astro)) {
    Tell(this, platform::Translated("Checks", failure->Message));
    return;
  }
  // The numerology readings go in when both people have names and dates the
  // numerology form takes.
  zentara::NumerologyEntries numerology;
  zentara::book::PutNumerologySide(male, zentara::Partner::Male, numerology);
  zentara::book::PutNumerologySide(female, zentara::Partner::Female, numerology);
  std::optional<zentara::NumerologyEntries> readings;
  if (!zentara::CheckNumerologyEntries(numerology)) readings = numerology;
  astro::ExportCoupleReport(this,
                            {.Astro = astro, .Numerology = readings, .Options = astro::StoredChartOptions(),
                             .Houses = astro::StoredHouseSystem(), .Orbs = astro::StoredOrbs()},
                            zentara::CoupleFileName(astro.Male.Name, astro.Female.Name, "Couple Report", "") +
                                " Couple Report.pdf");
}

void frmPeople::cmdBest_Click() {
  const auto id = CurrentId();
  zentara::book::Book* book = id ? OpenBook(this) : nullptr;
  if (!book) {
    if (!id) Tell(this, QCoreApplication::translate("frmPeople", "Select the person whose best matches you want."));
    return;
  }
  std::optional<zentara::book::Ranking> ranking;
  std::string problem;
  if (!TryBook(this, [&] { ranking = zentara::book::RankPartners(*book, *id, problem); })) return;
  if (!ranking) {
    Tell(this, ToQt(problem), platform::Icon::Critical);
    return;
  }
  navigation::ShowBestMatches(std::move(*ranking));
}

void frmPeople::cmdChoose_Click() {
  const auto id = CurrentId();
  zentara::book::Book* book = id ? OpenBook(this) : nullptr;
  if (!book) return;
  std::optional<zentara::book::Person> person;
  if (!TryBook(this, [&] { person = book->Get(*id); }) || !person) return;
  emit PersonChosen(*person);
  unload();
}

void frmPeople::cmdClose_Click() { unload(); }

}  // namespace people
