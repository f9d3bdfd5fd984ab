// Builds one of the installation's binary data files from its text source in data/.
//
//   make_data_file database SQL_FILE OUT.lge       executes the SQL into a new SQLite database
//   make_data_file injuries INJURIES_TXT OUT.dat   the injury table: "name | class | days | text" lines
//   make_data_file schedule SCHEDULE_TXT OUT.dat   the matchup list: "home away" lines, 12-byte records
//
// Each output is written to a temporary file beside the target and renamed into place, so a failed run
// never leaves a half-written file behind. Lines starting with '#' and blank lines are skipped.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "league/binary_io.h"
#include "league/injury_table.h"

namespace fs = std::filesystem;

namespace {

struct BuildError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string ReadText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw BuildError("cannot read " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Trim(const std::string& s) {
    auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// The meaningful lines of a text source, each with its line number for messages.
std::vector<std::pair<int, std::string>> SourceLines(const fs::path& file) {
    std::istringstream in(ReadText(file));
    std::vector<std::pair<int, std::string>> lines;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        lines.emplace_back(number, line);
    }
    return lines;
}

int16_t ParseInt16(const std::string& text, const std::string& where) {
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < INT16_MIN || value > INT16_MAX)
        throw BuildError(where + ": \"" + text + "\" is not a 16-bit whole number");
    return static_cast<int16_t>(value);
}

// Writes the bytes to a temporary file, then renames it over the target.
void WriteAtomically(const fs::path& target, const std::string& bytes) {
    fs::create_directories(target.parent_path());
    fs::path temp = target;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw BuildError("cannot write " + temp.string());
    }
    fs::rename(temp, target);
}

void BuildDatabase(const fs::path& sqlFile, const fs::path& target) {
    const std::string sql = ReadText(sqlFile);
    fs::create_directories(target.parent_path());
    fs::path temp = target;
    temp += ".tmp";
    fs::remove(temp);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        std::string error = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw BuildError("cannot create " + temp.string() + ": " + error);
    }
    char* error = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        fs::remove(temp);
        throw BuildError(sqlFile.string() + ": " + message);
    }
    fs::rename(temp, target);
}

void BuildInjuries(const fs::path& source, const fs::path& target) {
    std::string bytes;
    for (const auto& [number, line] : SourceLines(source)) {
        const std::string where = source.string() + ":" + std::to_string(number);
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, '|');)
            fields.push_back(Trim(field));
        if (fields.size() != 4 || fields[0].empty())
            throw BuildError(where + ": expected \"name | class | days | text\"");
        hv::InjuryType entry;
        entry.Name = fields[0];
        entry.Severity = ParseInt16(fields[1], where);
        entry.BaseDays = ParseInt16(fields[2], where);
        if (entry.Severity < 1 || entry.Severity > 10) throw BuildError(where + ": class must be 1 to 10");
        if (entry.BaseDays < 1) throw BuildError(where + ": base days must be at least 1");
        entry.Text = fields[3] == "n/a" ? std::string() : fields[3];
        bytes += hv::EncodeInjuryRecord(entry);
    }
    if (bytes.empty()) throw BuildError(source.string() + ": no injuries");
    WriteAtomically(target, bytes);
}

void BuildSchedule(const fs::path& source, const fs::path& target) {
    hv::ByteWriter out;
    for (const auto& [number, line] : SourceLines(source)) {
        const std::string where = source.string() + ":" + std::to_string(number);
        std::istringstream parts(line);
        std::string home, away, extra;
        if (!(parts >> home >> away) || (parts >> extra))
            throw BuildError(where + ": expected \"home away\"");
        int16_t h = ParseInt16(home, where);
        int16_t a = ParseInt16(away, where);
        if (h < 1 || h > 29 || a < 1 || a > 29 || h == a)
            throw BuildError(where + ": team numbers must be two different teams 1 to 29");
        out.I16(h);
        out.I16(a);
        out.F64(0.0); // the shuffle key, drawn afresh when the schedule is made
    }
    WriteAtomically(target, out.Bytes());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: make_data_file database|injuries|schedule SOURCE TARGET\n";
        return 2;
    }
    const std::string kind = argv[1];
    try {
        if (kind == "database") {
            BuildDatabase(argv[2], argv[3]);
        } else if (kind == "injuries") {
            BuildInjuries(argv[2], argv[3]);
        } else if (kind == "schedule") {
            BuildSchedule(argv[2], argv[3]);
        } else {
            std::cerr << "make_data_file: unknown kind \"" << kind << "\"\n";
            return 2;
        }
    } catch (const std::exception& e) {
        std::cerr << "make_data_file: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
