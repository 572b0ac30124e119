#include "astro/match/scores_view.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "astro/match/score_explanation.h"
#include "platform/qt_text.h"
#include "shell/controls.h"

namespace astro {
namespace {

constexpr double kHeadingScale = 1.1;

QString Joined(const std::vector<std::string>& lines) {
  QStringList texts;
  for (const std::string& line : lines) texts << platform::ToQt(line);
  return texts.join(QStringLiteral("\n\n"));
}

}  // namespace

ScoresView::ScoresView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("scoresView"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  outer->addWidget(scroll);
  auto* page = new QWidget(scroll);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(shell::NamedHeading(page, "lblFiguresHeading", QCoreApplication::translate("ScoresView", "The four figures"), kHeadingScale));
  figures_ = shell::NamedParagraphs(page, "lblFigures");
  layout->addWidget(figures_);
  layout->addSpacing(12);
  layout->addWidget(shell::NamedHeading(page, "lblSecondScoreHeading", QCoreApplication::translate("ScoresView", "A second score"), kHeadingScale));
  secondScore_ = shell::NamedParagraphs(page, "lblSecondScore");
  layout->addWidget(secondScore_);
  layout->addStretch(1);
  scroll->setWidget(page);
}

void ScoresView::setMatch(const zentara::AstroMatchResult& match) {
  figures_->setText(Joined(zentara::FourFiguresExplanation(match)));
  secondScore_->setText(Joined(zentara::RelationshipScoreExplanation(zentara::ScoreRelationship(match.Male, match.Female))));
}

}  // namespace astro
