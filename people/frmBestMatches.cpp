#include "people/frmBestMatches.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "people/desktop_book.h"
#include "people/open_match.h"
#include "people/rows_model.h"
#include "shell/controls.h"
#include "shell/qt_text.h"
#include "shell/unavailable_while_blocked.h"

namespace people {

namespace {

using shell::ToQt;

QTableView* ListView(QWidget* parent, const char* name, RowsModel* model) {
  auto* view = new QTableView(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->verticalHeader()->hide();
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->horizontalHeader()->setStretchLastSection(true);
  view->setWordWrap(false);
  return view;
}

}  // namespace

frmBestMatches::frmBestMatches(zentara::book::Ranking ranking, QWidget* parent)
    : Form("frmBestMatches", parent), ranking_(std::move(ranking)) {
  const bool male = ranking_.frame == zentara::Partner::Male;
  setWindowTitle(QStringLiteral("Best Matches for %1").arg(ToQt(ranking_.name)));
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* heading = new QLabel(QStringLiteral("Best matches for %1 (as %2), by Percentage, then P * H:")
                                 .arg(ToQt(ranking_.name), male ? QStringLiteral("Male") : QStringLiteral("Female")),
                             central);
  heading->setObjectName(QStringLiteral("lblHeading"));
  layout->addWidget(heading);

  const QString own = ToQt(ranking_.name);
  auto* ranked = new RowsModel(
      {QStringLiteral("Male"), QStringLiteral("Female"), QStringLiteral("Percentage"), QStringLiteral("P * H"),
       QStringLiteral("Power"), QStringLiteral("Harmony"), QStringLiteral("Comment")},
      [this, own, male](int row, int column) -> QString {
        const zentara::book::RankedPartner& p = ranking_.ranked[static_cast<std::size_t>(row)];
        switch (column) {
          case 0: return male ? own : ToQt(p.name);
          case 1: return male ? ToQt(p.name) : own;
          case 2: return QString::number(p.score.Percentage);
          case 3: return QString::number(p.score.PH);
          case 4: return QString::number(p.score.Power);
          case 5: return QString::number(p.score.Harmony);
          default: return ToQt(p.score.Comment);
        }
      },
      this);
  ranked->Reset(static_cast<int>(ranking_.ranked.size()));
  lstRanked_ = ListView(central, "lstRanked", ranked);
  lstRanked_->setColumnWidth(0, 170);
  lstRanked_->setColumnWidth(1, 170);
  layout->addWidget(lstRanked_, 3);

  auto* unranked = new RowsModel({QStringLiteral("Not ranked"), QStringLiteral("Why")},
                                 [this](int row, int column) -> QString {
                                   const zentara::book::UnrankedPerson& p = ranking_.unranked[static_cast<std::size_t>(row)];
                                   return ToQt(column == 0 ? p.name : p.reason);
                                 },
                                 this);
  unranked->Reset(static_cast<int>(ranking_.unranked.size()));
  auto* lstUnranked = ListView(central, "lstUnranked", unranked);
  lstUnranked->setColumnWidth(0, 170);
  layout->addWidget(lstUnranked, 1);

  auto* cmdClose = shell::NamedButton(central, "cmdClose", "Close");
  layout->addWidget(cmdClose, 0, Qt::AlignRight);
  setCentralWidget(central);
  resize(820, 560);
  // A reading, a message or a dialog of the book's can block it.
  shell::ShowUnavailableWhileBlocked(this);

  connect(lstRanked_, &QTableView::activated, this, [this](const QModelIndex& index) { OpenMatch(index.row()); });
  connect(cmdClose, &QPushButton::clicked, this, &frmBestMatches::unload);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &frmBestMatches::unload);
  if (!ranking_.ranked.empty()) lstRanked_->selectRow(0);
  lstRanked_->setFocus();
}

void frmBestMatches::OpenMatch(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= ranking_.ranked.size()) return;
  zentara::book::Book* book = OpenBook(this);
  if (!book) return;
  std::optional<zentara::book::Person> person, partner;
  if (!TryBook(this, [&] {
        person = book->Get(ranking_.id);
        partner = book->Get(ranking_.ranked[static_cast<std::size_t>(row)].id);
      }) ||
      !person || !partner) {
    return;
  }
  if (ranking_.frame == zentara::Partner::Male) {
    OpenAstroMatch(*person, *partner);
  } else {
    OpenAstroMatch(*partner, *person);
  }
}

}  // namespace people
