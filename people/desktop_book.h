// The desktop's way to the user's book of people (book/book.h): opened when a
// window first needs it and kept for the rest of the run. A book that cannot
// be opened is reported once in a message, and the program works on without it.
#pragma once
#include <memory>

#include "book/book.h"

class QWidget;

namespace people {

// The open book, or nullptr after telling the user why not (owner: the window
// the message belongs to). Tries again on the next call after a failure.
zentara::book::Book* OpenBook(QWidget* owner);

// Closes the book, so the next OpenBook opens the file anew (the tests use
// another book each time).
void CloseBook();

// Runs `change` on the book; a database failure (zentara::book::BookError) is
// told in a message and gives false.
template <class Change>
bool TryBook(QWidget* owner, Change change);

void TellBookFailure(QWidget* owner, const char* what);

template <class Change>
bool TryBook(QWidget* owner, Change change) {
  try {
    change();
    return true;
  } catch (const zentara::book::BookError& failure) {
    TellBookFailure(owner, failure.what());
    return false;
  }
}

}  // namespace people
