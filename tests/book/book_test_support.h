// A fresh folder for each test's book, and people to put in it.
#pragma once
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "book/person.h"

namespace book_testing {

class BookFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/zentara-book-XXXXXX";
    folder_ = mkdtemp(pattern);
    // Marks of damaged books go beside the test's books, not the user's.
    setenv("XDG_STATE_HOME", (folder_ / "state").c_str(), 1);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path Path(const char* name = "people.sqlite") const { return folder_ / name; }

  std::filesystem::path folder_;
};

inline std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// Runs `sql` on the file with SQLite alone, as another program would.
inline void WithSqlite(const std::filesystem::path& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << sql << ": " << (error ? error : "");
  sqlite3_free(error);
  sqlite3_close(db);
}

// A person with every column given as the CSV has them, in the order of Columns.
inline zentara::book::Person PersonOf(std::initializer_list<const char*> texts) {
  zentara::book::Person person;
  auto text = texts.begin();
  for (const auto& info : zentara::book::Columns) {
    if (text == texts.end()) break;
    const auto problem = SetColumn(person, info.column, *text++);
    EXPECT_FALSE(problem) << info.name << ": " << problem.value_or("");
  }
  return person;
}

}  // namespace book_testing
