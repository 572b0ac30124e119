#include "people/frmBestMatches.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "astro/match/compatibility_score.h"
#include "people/desktop_book.h"
#include "shell/screen_fit.h"
#include "shell/navigation.h"
#include "people/rows_model.h"
#include "shell/controls.h"
#include "platform/qt_text.h"
#include "shell/unavailable_while_blocked.h"

namespace people {

namespace {

using platform::ToQt;

constexpr int kRankedColumns = 6;
// A percentage in each band of comments (astro/match/compatibility_score.h).
constexpr int kCommentBandStarts[] = {0, 21, 41, 61, 81};

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

// The column as wide as its heading, or as the widest of `texts` in its cells
// as the list's items draw them (the style's margin on both sides, and the
// grid), and a digit's width more, so neighbouring figures stand apart.
void FitColumn(QTableView* view, int column, const QStringList& texts) {
  const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + 1;
  int width = view->horizontalHeader()->sectionSizeHint(column);
  for (const QString& text : texts) width = qMax(width, view->fontMetrics().horizontalAdvance(text) + margins);
  view->setColumnWidth(column, width + view->fontMetrics().horizontalAdvance(QLatin1Char('0')));
}

}  // namespace

frmBestMatches::frmBestMatches(zentara::book::Ranking ranking, QWidget* parent)
    : Form("frmBestMatches", parent), ranking_(std::move(ranking)) {
  const bool male = ranking_.frame == zentara::Partner::Male;
  setWindowTitle(QCoreApplication::translate("frmBestMatches", "Best Matches for %1").arg(ToQt(ranking_.name)));
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* heading = new QLabel(QCoreApplication::translate("frmBestMatches", "Best matches for %1 (as %2), by Percentage, then P * H:")
                                 .arg(ToQt(ranking_.name), male ? QCoreApplication::translate("frmBestMatches", "Male") : QCoreApplication::translate("frmBestMatches", "Female")),
                             central);
  heading->setObjectName(QStringLiteral("lblHeading"));
  layout->addWidget(heading);

  auto* ranked = new RowsModel(
      {QCoreApplication::translate("frmBestMatches", "Partner"), QCoreApplication::translate("frmBestMatches", "Percentage"), QCoreApplication::translate("frmBestMatches", "P * H"), QCoreApplication::translate("frmBestMatches", "Power"),
       QCoreApplication::translate("frmBestMatches", "Harmony"), QCoreApplication::translate("frmBestMatches", "Comment")},
      [this](int row, int column) -> QString {
        const zentara::book::RankedPartner& p = ranking_.ranked[static_cast<std::size_t>(row)];
        switch (column) {
          case 0: return ToQt(p.name);
          case 1: return QString::number(p.score.Percentage);
          case 2: return QString::number(p.score.PH);
          case 3: return QString::number(p.score.Power);
          case 4: return QString::number(p.score.Harmony);
          default: return ToQt(p.score.Comment);
        }
      },
      this);
  ranked->Reset(static_cast<int>(ranking_.ranked.size()));
  lstRanked_ = ListView(central, "lstRanked", ranked);
  // The partner's name takes what the figures and the comment leave.
  lstRanked_->horizontalHeader()->setStretchLastSection(false);
  lstRanked_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  const QString widestFigure = QStringLiteral("00000");
  for (int column = 1; column < kRankedColumns - 1; ++column) FitColumn(lstRanked_, column, {widestFigure});
  QStringList comments;
  for (const int percentage : kCommentBandStarts) comments << ToQt(zentara::CompatibilityComment(percentage));
  FitColumn(lstRanked_, kRankedColumns - 1, comments);
  layout->addWidget(lstRanked_, 3);

  auto* unranked = new RowsModel({QCoreApplication::translate("frmBestMatches", "Not ranked"), QCoreApplication::translate("frmBestMatches", "Why")},
                                 [this](int row, int column) -> QString {
                                   const zentara::book::UnrankedPerson& p = ranking_.unranked[static_cast<std::size_t>(row)];
                                   return ToQt(column == 0 ? p.name : p.reason);
                                 },
                                 this);
  unranked->Reset(static_cast<int>(ranking_.unranked.size()));
  auto* lstUnranked = ListView(central, "lstUnranked", unranked);
  lstUnranked->setColumnWidth(0, 170);
  layout->addWidget(lstUnranked, 1);

  auto* cmdClose = shell::NamedButton(central, "cmdClose", QCoreApplication::translate("frmBestMatches", "Close"));
  layout->addWidget(cmdClose, 0, Qt::AlignRight);
  setCentralWidget(central);
  resize(shell::GrownWithFont({820, 560}));
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
    navigation::OpenAstroMatch(*person, *partner);
  } else {
    navigation::OpenAstroMatch(*partner, *person);
  }
}

}  // namespace people
