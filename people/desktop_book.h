// The desktop's way to the user's book of people (book/book.h): opened when a
// window first needs it and kept for the rest of the run. A book that cannot
// be opened is reported once in a message, and the program works on without it.
//
// When the book is opened, SQLite's quick check of the whole file runs on a
// thread of its own; a damaged book is then marked (book/damage_marks.h) and
// the user told, so nothing more is written to it. A book whose file was
// removed or replaced under the program is closed when that is found, with a
// message, and opened anew by the next window that needs it.
#pragma once
#include <memory>

#include "book/book.h"

class QWidget;

namespace people {

// The open book, or nullptr after telling the user why not (owner: the window
// the message belongs to). Tries again on the next call after a failure.
zentara::book::Book* OpenBook(QWidget* owner);

// Closes the book, so the next OpenBook opens the file anew (the tests use
// another book each time), once the check in the background has ended.
void CloseBook();

// Waits for the check in the background to end and hands on what it found
// (the tests' way to see its message at once).
void FinishBookCheck();

// Runs `change` on the book; a database failure (zentara::book::BookError) is
// told in a message and gives false.
template <class Change>
bool TryBook(QWidget* owner, Change change);

void TellBookFailure(QWidget* owner, const zentara::book::BookError& failure);

template <class Change>
bool TryBook(QWidget* owner, Change change) {
  try {
    change();
    return true;
  } catch (const zentara::book::BookError& failure) {
    TellBookFailure(owner, failure);
    return false;
  }
}

}  // namespace people
