#include "people/desktop_book.h"

#include <QString>

#include "platform/platform.h"
#include "shell/qt_text.h"

namespace people {

namespace {

std::unique_ptr<zentara::book::Book>& Shared() {
  static std::unique_ptr<zentara::book::Book> book;
  return book;
}

}  // namespace

zentara::book::Book* OpenBook(QWidget* owner) {
  auto& book = Shared();
  if (book) return book.get();
  std::string error;
  book = zentara::book::Book::Open(zentara::book::DefaultBookPath(), error);
  if (!book) {
    platform::current().showMessage(owner, QStringLiteral("The book of people cannot be used: ") + shell::ToQt(error),
                                    platform::Icon::Critical, platform::Buttons::Ok);
  }
  return book.get();
}

void CloseBook() { Shared().reset(); }

void TellBookFailure(QWidget* owner, const char* what) {
  platform::current().showMessage(owner, QStringLiteral("The book of people: ") + QString::fromUtf8(what),
                                  platform::Icon::Critical, platform::Buttons::Ok);
}

}  // namespace people
