// The report frame's "Scores" tab: how the report's four figures come about
// for this couple, and the second score with its rules (score_explanation.h).
#pragma once
#include <QWidget>

#include "astro/match/astro_match.h"

class QLabel;

namespace astro {

class ScoresView : public QWidget {
  Q_OBJECT

 public:
  explicit ScoresView(QWidget* parent = nullptr);

  void setMatch(const zentara::AstroMatchResult& match);
  QLabel* figures() const { return figures_; }
  QLabel* secondScore() const { return secondScore_; }

 private:
  QLabel *figures_, *secondScore_;
};

}  // namespace astro
