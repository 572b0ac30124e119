// A person's best partners in the book by the astro match, best first: the
// partner's name (the heading names the person and the frame they take), the
// four figures and the comment, each figure and the comment whole in view;
// those the astro match cannot take are listed apart with the reason. A
// double-click or Enter opens that match.
#pragma once
#include "book/ranking.h"
#include "shell/form.h"

class QTableView;

namespace people {

class RowsModel;

class frmBestMatches : public shell::Form {
  Q_OBJECT

 public:
  explicit frmBestMatches(zentara::book::Ranking ranking, QWidget* parent = nullptr);

 public slots:
  // The match of the person with the partner of `row` on the astro form.
  void OpenMatch(int row);

 private:
  zentara::book::Ranking ranking_;
  QTableView* lstRanked_;
};

}  // namespace people
