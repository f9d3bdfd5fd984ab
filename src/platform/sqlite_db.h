// A small RAII layer over SQLite: one open database and its prepared statements.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace hv {

struct DatabaseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class SqliteStatement {
  public:
    SqliteStatement(sqlite3* db, const std::string& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    void Bind(int index, long long value);
    void Bind(int index, const std::string& value);
    void BindReal(int index, double value);
    void BindNull(int index);
    // Advance to the next row; false when there is none.
    bool Step();
    void Reset();

    bool HasColumn(const std::string& name) const;
    bool IsNull(const std::string& name) const;
    // Values of the current row by column name (case-insensitive); NULL reads as 0 or "".
    long long Int(const std::string& name) const;
    // The value as a whole number only when it is one exactly: an integer, a real without a fraction, or a
    // text of digits with an optional sign; nothing for NULL, a fraction or any other text.
    std::optional<long long> ExactInt(const std::string& name) const;
    double Double(const std::string& name) const;
    std::string Text(const std::string& name) const;

  private:
    int Column(const std::string& name) const;
    sqlite3_stmt* stmt_ = nullptr;
    std::map<std::string, int> columns_; // lower-case name -> index
};

class SqliteDb {
  public:
    // Opens an existing database file; throws DatabaseError when it cannot.
    explicit SqliteDb(const std::filesystem::path& file, bool readOnly = false);
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    std::unique_ptr<SqliteStatement> Prepare(const std::string& sql);
    void Execute(const std::string& sql);
    const std::filesystem::path& File() const { return file_; }

  private:
    sqlite3* db_ = nullptr;
    std::filesystem::path file_;
};

} // namespace hv
