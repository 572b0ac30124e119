#include "people/person_buttons.h"

#include "people/desktop_book.h"
#include "platform/platform.h"
#include "platform/qt_text.h"

namespace people {

std::int64_t SavePerson(QWidget* owner, std::int64_t chosenId, zentara::book::Frame frame,
                        const std::function<std::optional<zentara::book::PersonProblem>(zentara::book::Person&)>& take) {
  zentara::book::Book* book = OpenBook(owner);
  if (!book) return 0;
  auto& desktop = platform::current();
  std::optional<zentara::book::Person> person;
  if (!TryBook(owner, [&] { person = chosenId != 0 ? book->Get(chosenId) : std::nullopt; })) return 0;
  if (!person) {
    person.emplace();
    person->frame = frame;
  }
  if (const auto problem = take(*person)) {
    desktop.showMessage(owner,
                        QCoreApplication::translate("PersonButtons", "The person cannot be saved: %1: %2")
                            .arg(platform::ToQt(zentara::book::ColumnName(problem->column)), platform::ToQt(problem->message)),
                        platform::Icon::Critical, platform::Buttons::Ok);
    return 0;
  }
  const bool added = person->id == 0;
  zentara::book::Book::SaveOutcome outcome = zentara::book::Book::SaveOutcome::Saved;
  if (!TryBook(owner, [&] { added ? void(person->id = book->Add(*person)) : void(outcome = book->Update(*person)); })) {
    return 0;
  }
  if (outcome != zentara::book::Book::SaveOutcome::Saved) {
    // Changed or removed by another program in the moment since it was read:
    // nothing is written over it.
    desktop.showMessage(owner,
                        QCoreApplication::translate("PersonButtons", "%1 was not saved: another window or program changed or removed the person "
                                       "just now. Save again to store the entries.")
                            .arg(platform::ToQt(zentara::book::DisplayName(*person))),
                        platform::Icon::Critical, platform::Buttons::Ok);
    return 0;
  }
  desktop.showMessage(owner,
                      (added ? QCoreApplication::translate("PersonButtons", "%1 was added to the book of people.")
                             : QCoreApplication::translate("PersonButtons", "%1 was saved in the book of people."))
                          .arg(platform::ToQt(zentara::book::DisplayName(*person))),
                      platform::Icon::Information, platform::Buttons::Ok);
  return person->id;
}

}  // namespace people
