#include "book/sqlite_db.h"

#include <sqlite3.h>

namespace zentara::book {

namespace {

BookFault FaultOf(int extendedCode) {
  switch (extendedCode & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return BookFault::Damaged;
    case SQLITE_READONLY: return BookFault::ReadOnly;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return BookFault::Busy;
    default: return BookFault::Other;
  }
}

// A path as an SQLite URI ("file:/a%20b/people.sqlite"): every byte that is not
// plainly safe written as %XX, so no character of a file name reads as part of
// the URI's syntax.
std::string FileUri(const std::filesystem::path& path) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string uri = "file:";
  for (const char c : path.string()) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
                       byte == '/' || byte == '.' || byte == '-' || byte == '_';
    if (plain) {
      uri += c;
    } else {
      uri += '%';
      uri += Hex[byte >> 4];
      uri += Hex[byte & 0xf];
    }
  }
  return uri;
}

}  // namespace

Statement::Statement(Database& db, std::string_view sql) : db_(db) {
  if (sqlite3_prepare_v2(db.Handle(), sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) != SQLITE_OK) {
    db_.Fail("cannot read the book");
  }
}

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement& Statement::Bind(int index, std::string_view text) {
  if (sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK) {
    db_.Fail("cannot write the book");
  }
  return *this;
}

Statement& Statement::Bind(int index, std::int64_t number) {
  if (sqlite3_bind_int64(statement_, index, number) != SQLITE_OK) db_.Fail("cannot write the book");
  return *this;
}

Statement& Statement::BindNull(int index) {
  if (sqlite3_bind_null(statement_, index) != SQLITE_OK) db_.Fail("cannot write the book");
  return *this;
}

bool Statement::Step() {
  const int result = sqlite3_step(statement_);
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  sqlite3_reset(statement_);
  db_.Fail("cannot use the book");
}

void Statement::Reset() { sqlite3_reset(statement_); }

std::string_view Statement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  if (text == nullptr) return {};
  return {text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))};
}

std::int64_t Statement::Int(int column) const { return sqlite3_column_int64(statement_, column); }

bool Statement::IsNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }

Database::Database(const std::filesystem::path& path, OpenMode mode, int busyMilliseconds) {
  int flags = SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI;
  switch (mode) {
    case OpenMode::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case OpenMode::Create: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    case OpenMode::ReadOnly:
    case OpenMode::Immutable: flags |= SQLITE_OPEN_READONLY; break;
  }
  const std::string uri = FileUri(path) + (mode == OpenMode::Immutable ? "?immutable=1" : "");
  const int opened = sqlite3_open_v2(uri.c_str(), &db_, flags, nullptr);
  if (opened != SQLITE_OK) {
    const std::string why = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
    const BookFault fault = db_ != nullptr ? FaultOf(sqlite3_extended_errcode(db_)) : BookFault::Other;
    sqlite3_close(db_);
    db_ = nullptr;
    throw BookError("cannot open the book: " + why, fault);
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, busyMilliseconds);
}

Database::~Database() { sqlite3_close(db_); }

void Database::Fail(std::string_view what) {
  const int code = db_ != nullptr ? sqlite3_extended_errcode(db_) : SQLITE_NOMEM;
  const std::string why = std::string(what) + ": " + (db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory");
  const BookFault fault = FaultOf(code);
  if (fault == BookFault::Damaged && onDamage) onDamage(why);
  throw BookError(why, fault);
}

void Database::Execute(std::string_view sql) {
  const std::string text(sql);
  if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail("cannot use the book");
}

std::int64_t Database::Number(std::string_view sql) {
  Statement statement(*this, sql);
  return statement.Step() ? statement.Int(0) : 0;
}

std::string Database::Text(std::string_view sql) {
  Statement statement(*this, sql);
  return statement.Step() ? std::string(statement.Text(0)) : std::string();
}

std::int64_t Database::LastInsertId() const { return sqlite3_last_insert_rowid(db_); }

int Database::Changes() const { return sqlite3_changes(db_); }

bool Database::InTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

bool Database::ReadOnly() const { return sqlite3_db_readonly(db_, "main") == 1; }

bool Database::FileHasMoved() const {
  int moved = 0;
  // Asks the file system layer whether the path still leads to the file open.
  if (sqlite3_file_control(db_, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK) return false;
  return moved != 0;
}

void Database::CloseWithoutCheckpoint() { sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr); }

WriteTransaction::WriteTransaction(Database& db) : db_(db) {
  if (db_.InTransaction()) return;
  db_.Execute("BEGIN IMMEDIATE");
  owner_ = true;
}

WriteTransaction::~WriteTransaction() {
  if (owner_ && !done_ && db_.InTransaction()) sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void WriteTransaction::Commit() {
  if (owner_ && !done_) db_.Execute("COMMIT");
  done_ = true;
}

ReadTransaction::ReadTransaction(Database& db) : db_(db) {
  if (db_.InTransaction()) return;
  db_.Execute("BEGIN");
  owner_ = true;
}

ReadTransaction::~ReadTransaction() {
  // It changed nothing: ending it only lets the read lock go.
  if (owner_ && db_.InTransaction()) sqlite3_exec(db_.Handle(), "COMMIT", nullptr, nullptr, nullptr);
}

}  // namespace zentara::book
