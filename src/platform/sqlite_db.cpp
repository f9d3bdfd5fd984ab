#include "platform/sqlite_db.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace hv {
namespace {
std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}
} // namespace

SqliteStatement::SqliteStatement(sqlite3* db, const std::string& sql) {
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
        throw DatabaseError(std::string("Database error: ") + sqlite3_errmsg(db));
    for (int i = 0; i < sqlite3_column_count(stmt_); ++i)
        columns_.emplace(Lower(sqlite3_column_name(stmt_, i)), i);
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

void SqliteStatement::Bind(int index, long long value) {
    sqlite3_bind_int64(stmt_, index, value);
}

void SqliteStatement::Bind(int index, const std::string& value) {
    sqlite3_bind_text(stmt_, index, value.c_str(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::BindReal(int index, double value) {
    sqlite3_bind_double(stmt_, index, value);
}

void SqliteStatement::BindNull(int index) {
    sqlite3_bind_null(stmt_, index);
}

bool SqliteStatement::Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw DatabaseError(std::string("Database error: ") + sqlite3_errmsg(sqlite3_db_handle(stmt_)));
}

void SqliteStatement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool SqliteStatement::HasColumn(const std::string& name) const {
    return columns_.count(Lower(name)) != 0;
}

int SqliteStatement::Column(const std::string& name) const {
    auto it = columns_.find(Lower(name));
    if (it == columns_.end()) throw DatabaseError("Database error: no column " + name);
    return it->second;
}

bool SqliteStatement::IsNull(const std::string& name) const {
    return sqlite3_column_type(stmt_, Column(name)) == SQLITE_NULL;
}

long long SqliteStatement::Int(const std::string& name) const {
    return sqlite3_column_int64(stmt_, Column(name));
}

std::optional<long long> SqliteStatement::ExactInt(const std::string& name) const {
    int col = Column(name);
    switch (sqlite3_column_type(stmt_, col)) {
    case SQLITE_INTEGER:
        return sqlite3_column_int64(stmt_, col);
    case SQLITE_FLOAT: {
        double v = sqlite3_column_double(stmt_, col);
        if (v != std::trunc(v) || std::fabs(v) > 9.0e15) return std::nullopt;
        return static_cast<long long>(v);
    }
    case SQLITE_TEXT: {
        std::string text = Text(name);
        size_t digits = text.size() > 0 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
        if (digits == text.size() || text.size() > 18 ||
            !std::all_of(text.begin() + static_cast<long>(digits), text.end(),
                         [](unsigned char c) { return std::isdigit(c); }))
            return std::nullopt;
        return std::stoll(text);
    }
    default:
        return std::nullopt;
    }
}

double SqliteStatement::Double(const std::string& name) const {
    return sqlite3_column_double(stmt_, Column(name));
}

std::string SqliteStatement::Text(const std::string& name) const {
    int col = Column(name);
    const unsigned char* text = sqlite3_column_text(stmt_, col);
    return text ? std::string(reinterpret_cast<const char*>(text), sqlite3_column_bytes(stmt_, col))
                : std::string();
}

SqliteDb::SqliteDb(const std::filesystem::path& file, bool readOnly) : file_(file) {
    int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (sqlite3_open_v2(file.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        std::string error = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw DatabaseError("Cannot open " + file.string() + ": " + error);
    }
}

SqliteDb::~SqliteDb() {
    sqlite3_close(db_);
}

std::unique_ptr<SqliteStatement> SqliteDb::Prepare(const std::string& sql) {
    return std::make_unique<SqliteStatement>(db_, sql);
}

void SqliteDb::Execute(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string text = error ? error : "unknown error";
        sqlite3_free(error);
        throw DatabaseError("Database error: " + text);
    }
}

} // namespace hv
