#include "people/desktop_book.h"

#include <QCoreApplication>
#include <QString>
#include <mutex>
#include <thread>

#include "platform/platform.h"
#include "platform/qt_text.h"

namespace people {

namespace {

std::unique_ptr<zentara::book::Book>& Shared() {
  static std::unique_ptr<zentara::book::Book> book;
  return book;
}

void TellDamaged(QWidget* owner, const std::string& path, const std::string& finding) {
  platform::current().showMessage(owner,
                                  QCoreApplication::translate("PeopleBook", "The book of people cannot be written: %1").arg(platform::ToQt(zentara::book::DamagedBookAdvice(path, finding))),
                                  platform::Icon::Critical, platform::Buttons::Ok);
}

// SQLite's quick check of the book, on a thread of its own so the windows go
// on meanwhile; what it finds is told on the windows' thread, unless the book
// was closed first.
class BackgroundCheck {
 public:
  ~BackgroundCheck() { Stop(); }

  void Start(const std::filesystem::path& path) {
    Stop();
    thread_ = std::thread([this, path] {
      const zentara::book::BookCheck check = zentara::book::CheckBook(path, true);
      std::lock_guard lock(mutex_);
      if (check.whole) return;
      found_ = Found{path.string(), check.findings.front()};
      if (deliver_ && QCoreApplication::instance() != nullptr) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [this] { Deliver(); }, Qt::QueuedConnection);
      }
    });
  }

  // Waits for the check and tells what it found, if not told yet.
  void Finish() {
    if (thread_.joinable()) thread_.join();
    Deliver();
  }

  // Waits for the check; what it finds is no longer told (the mark it
  // leaves on a damaged book stays).
  void Stop() {
    {
      std::lock_guard lock(mutex_);
      deliver_ = false;
    }
    if (thread_.joinable()) thread_.join();
    std::lock_guard lock(mutex_);
    found_.reset();
    deliver_ = true;
  }

 private:
  struct Found {
    std::string path, finding;
  };

  void Deliver() {
    std::optional<Found> found;
    {
      std::lock_guard lock(mutex_);
      found.swap(found_);
    }
    if (found) TellDamaged(nullptr, found->path, found->finding);
  }

  std::thread thread_;
  std::mutex mutex_;
  std::optional<Found> found_;  // what the check found, until told
  bool deliver_ = true;
};

BackgroundCheck& Check() {
  static BackgroundCheck check;
  return check;
}

}  // namespace

zentara::book::Book* OpenBook(QWidget* owner) {
  auto& book = Shared();
  if (book) return book.get();
  std::string error;
  book = zentara::book::Book::Open(zentara::book::DefaultBookPath(), error);
  if (!book) {
    platform::current().showMessage(owner, QCoreApplication::translate("PeopleBook", "The book of people cannot be used: %1").arg(platform::ToQt(error)),
                                    platform::Icon::Critical, platform::Buttons::Ok);
    return nullptr;
  }
  if (QCoreApplication::instance() != nullptr) {
    static const bool stopsAtQuit = [] {
      QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] { Check().Stop(); });
      return true;
    }();
    (void)stopsAtQuit;
  }
  // A book already marked says so at its first change; only one not yet marked is checked.
  if (!book->WhyReadOnly()) Check().Start(book->Path());
  return book.get();
}

void CloseBook() {
  Check().Stop();
  Shared().reset();
}

void FinishBookCheck() { Check().Finish(); }

void TellBookFailure(QWidget* owner, const zentara::book::BookError& failure) {
  QString text;
  switch (failure.Fault()) {
    case zentara::book::BookFault::Moved:
      // The files this program had open are gone: the next window to need the
      // book opens what is at the path now.
      Check().Stop();
      Shared().reset();
      text = QCoreApplication::translate("PeopleBook", "The book of people: %1").arg(platform::ToQt(failure.what()));
      break;
    case zentara::book::BookFault::Damaged:
    case zentara::book::BookFault::ReadOnly:
      if (const auto& book = Shared(); book && book->WhyReadOnly()) {
        text = QCoreApplication::translate("PeopleBook", "The book of people cannot be written: %1").arg(platform::ToQt(*book->WhyReadOnly()));
        break;
      }
      [[fallthrough]];
    default: text = QCoreApplication::translate("PeopleBook", "The book of people: %1").arg(QString::fromUtf8(failure.what()));
  }
  platform::current().showMessage(owner, text, platform::Icon::Critical, platform::Buttons::Ok);
}

}  // namespace people
