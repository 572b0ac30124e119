// The one file that includes every window it opens (shell/navigation.h says why).
#include "shell/navigation.h"

#include "astro/match/MDIForm1.h"
#include "astro/match/frmMatch.h"
#include "astro/match/frmReport.h"
#include "numerology/frmMain.h"
#include "people/desktop_book.h"
#include "people/frmBestMatches.h"
#include "people/frmPeople.h"
#include "platform/platform.h"
#include "shell/frmAtFirst.h"
#include "shell/unavailable_while_blocked.h"

namespace navigation {

namespace {

// The open entry form of that kind, or a new one, which takes the start
// form's place as Proceed has it.
template <class EntryForm>
EntryForm* EntryFormToUse() {
  auto& desktop = platform::current();
  for (QWidget* form : desktop.openForms()) {
    if (auto* open = qobject_cast<EntryForm*>(form); open && !open->isUnloading()) return open;
  }
  auto* form = new EntryForm();
  desktop.showModeless(form);
  for (QWidget* other : desktop.openForms()) {
    if (auto* start = qobject_cast<shell::frmAtFirst*>(other)) start->unload();
  }
  return form;
}

}  // namespace

void ShowStartForm() { platform::current().showModeless(new shell::frmAtFirst()); }

void ShowAstroForm() { platform::current().showModeless(new astro::frmMatch()); }

void ShowNumerologyForm() { platform::current().showModeless(new numerology::frmMain()); }

void ShowAstroReport(const zentara::AstroEntries& entries, const zentara::AstroMatchResult& match) {
  auto* report = new astro::frmReport(entries);
  report->Fill(match);
  platform::current().showModeless(new astro::MDIForm1(report));
}

void ShowPeople() {
  auto* window = new people::frmPeople(people::PeopleMode::Manage);
  // A reading opened from it, or from the entry form beside it, is modal.
  shell::ShowUnavailableWhileBlocked(window);
  platform::current().showModeless(window);
}

void ChoosePerson(QWidget* owner, std::function<void(const zentara::book::Person&)> chosen) {
  if (!people::OpenBook(owner)) return;
  auto* window = new people::frmPeople(people::PeopleMode::Choose, owner);
  window->setWindowFlag(Qt::Dialog);
  shell::ShowUnavailableWhileBlocked(window);  // by its own dialogs and messages
  QObject::connect(window, &people::frmPeople::PersonChosen, owner, std::move(chosen));
  platform::current().showModal(window);
}

void ShowBestMatches(zentara::book::Ranking ranking) {
  platform::current().showModeless(new people::frmBestMatches(std::move(ranking)));
}

void OpenNumerologyMatch(const zentara::book::Person& male, const zentara::book::Person& female) {
  auto* form = EntryFormToUse<numerology::frmMain>();
  form->UsePerson(zentara::Partner::Male, male);
  form->UsePerson(zentara::Partner::Female, female);
  form->cmdCR_Click();
}

void OpenAstroMatch(const zentara::book::Person& male, const zentara::book::Person& female) {
  auto* form = EntryFormToUse<astro::frmMatch>();
  if (!form->UsePerson(zentara::Partner::Male, male) || !form->UsePerson(zentara::Partner::Female, female)) return;
  form->cmdCalculate_Click();
}

}  // namespace navigation
