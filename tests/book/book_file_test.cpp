// The book's file: its version written and read, files that are no book of
// this program's refused and left as they were, and two writers at once.
#include <sqlite3.h>

#include <thread>

#include "book/book.h"
#include "book_test_support.h"

namespace {

using zentara::book::Book;
using namespace book_testing;

class BookFile : public BookFolder {
 protected:
  static long long Pragma(const std::filesystem::path& path, const char* pragma) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, (std::string("PRAGMA ") + pragma).c_str(), -1, &statement, nullptr);
    const long long value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
  }
};

TEST_F(BookFile, ANewBookIsCreatedWithItsVersionAndOpensAgain) {
  const auto path = Path("folder/made/for/it/people.sqlite");
  std::string error;
  {
    auto book = Book::Open(path, error);
    ASSERT_TRUE(book) << error;
    book->Add(PersonOf({"Ann Lee", "1980-05-17"}));
  }
  EXPECT_EQ(Pragma(path, "user_version"), zentara::book::BookSchemaVersion);
  EXPECT_EQ(Pragma(path, "application_id"), zentara::book::BookApplicationId);
  auto again = Book::Open(path, error);
  ASSERT_TRUE(again) << error;
  EXPECT_EQ(again->Count(), 1);
}

TEST_F(BookFile, FilesThatAreNoBookOfThisVersionAreRefusedAndKept) {
  struct Case {
    const char* what;
    std::function<void(const std::filesystem::path&)> make;
    const char* message;
  };
  const Case cases[] = {
      {"a newer version",
       [](const auto& path) {
         std::string error;
         Book::Open(path, error);
         WithSqlite(path, "PRAGMA user_version = 99");
       },
       "was written by a newer version of the program (book version 99; this one knows up to 1)"},
      {"another program's database",
       [](const auto& path) { WithSqlite(path, "CREATE TABLE accounts (id INTEGER)"); },
       "it holds another program's database"},
      {"text", [](const auto& path) { std::ofstream(path) << "first,last\nAnn,Lee\n"; }, "it is no SQLite database"},
      {"a damaged book",
       [](const auto& path) {
         std::string error;
         Book::Open(path, error)->Add(PersonOf({"Ann Lee", "1980-05-17"}));
         WithSqlite(path, "PRAGMA journal_mode = DELETE");
         std::string bytes = FileBytes(path);
         for (std::size_t at = 100; at < bytes.size(); ++at) bytes[at] = static_cast<char>(0xA5);
         std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
       },
       "malformed"},
  };
  for (const Case& c : cases) {
    const auto path = Path(c.what);
    c.make(path);
    const std::string before = FileBytes(path);
    std::string error;
    EXPECT_FALSE(Book::Open(path, error)) << c.what;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
    EXPECT_NE(error.find("it is left as it is"), std::string::npos) << c.what << ": " << error;
    EXPECT_EQ(FileBytes(path), before) << c.what << ": the file was changed";
  }
}

TEST_F(BookFile, TwoWritersAtOnceLoseNothing) {
  std::string error;
  ASSERT_TRUE(Book::Open(Path(), error)) << error;
  constexpr int kEach = 150;
  const auto writer = [this](const char* last) {
    std::string error;
    auto book = Book::Open(Path(), error);
    ASSERT_TRUE(book) << error;
    for (int i = 0; i < kEach; ++i) book->Add(PersonOf({"", "1980-05-17", "", "", "", "", "", "", "", "", "Ann", "", last}));
  };
  std::thread desktop(writer, "Desktop"), commandLine(writer, "Line");
  desktop.join();
  commandLine.join();
  auto book = Book::Open(Path(), error);
  ASSERT_TRUE(book) << error;
  EXPECT_EQ(book->FindByName("ann desktop").size(), std::size_t{kEach});
  EXPECT_EQ(book->FindByName("ANN LINE").size(), std::size_t{kEach});
}

}  // namespace
