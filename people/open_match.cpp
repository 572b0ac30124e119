#include "people/open_match.h"

#include "astro/match/frmMatch.h"
#include "numerology/frmMain.h"
#include "platform/platform.h"
#include "shell/frmAtFirst.h"

namespace people {

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

}  // namespace people
