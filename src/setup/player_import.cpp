#include "setup/player_import.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

#include "league/binary_io.h"
#include "league/ratings.h"
#include "personnel/draft_class.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

const std::string kLeagueHeader = "FirstName,LastName,Height,Weight,Age,Position,College,Experience,Team,"
                                  "InsideScoring,Jumpshot,3P,Handling,"
                                  "Passing,Quickness,PostD,PerimeterD,DriveD,Stealing,Blocking,Oreb,Dreb,"
                                  "Jumping,Strength,Potential,Salary1,"
                                  "Salary2,Salary3,Salary4,Salary5,Salary6,Salary7";
const std::string kDraftHeader =
    "FirstName,LastName,Height,Weight,Age,Position,College,InsideScoring,Jumpshot,3P,Handling,Passing,"
    "Quickness,"
    "PostD,PerimeterD,DriveD,Stealing,Blocking,Oreb,Dreb,Jumping,Strength,Potential";

// The file's rating columns, in the order of kSourceSkills.
const char* const kRatingColumns[15] = {"InsideScoring", "Jumpshot", "3P",         "Handling", "Passing",
                                        "Quickness",     "PostD",    "PerimeterD", "DriveD",   "Stealing",
                                        "Blocking",      "Oreb",     "Dreb",       "Jumping",  "Strength"};

std::vector<std::string> Split(std::string_view line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        size_t comma = line.find(',', start);
        fields.emplace_back(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}

struct LineReader {
    const std::vector<std::string>& fields;
    const std::vector<std::string>& columns;
    std::string problem;

    const std::string& Text(const char* column) const {
        auto it = std::find(columns.begin(), columns.end(), column);
        return fields[static_cast<size_t>(it - columns.begin())];
    }
    // A whole number within [lo, hi]; on failure the problem is set and lo returned.
    long long Number(const char* column, long long lo, long long hi) {
        std::string text = Text(column);
        text.erase(0, text.find_first_not_of(' '));
        text.erase(text.find_last_not_of(' ') + 1);
        long long value = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
            if (problem.empty())
                problem = std::string(column) + " \"" + Text(column) + "\" is not a whole number";
            return lo;
        }
        if (value < lo || value > hi) {
            if (problem.empty())
                problem = std::string(column) + " " + text + " is outside " + std::to_string(lo) + " to " +
                          std::to_string(hi);
            return lo;
        }
        return value;
    }
};

std::optional<std::string> ReadPlayerLine(const std::vector<std::string>& fields,
                                          const std::vector<std::string>& columns, ImportFormat format,
                                          const std::function<bool(const std::string&)>& knownTeam,
                                          SourcePlayer& s) {
    if (fields.size() != columns.size())
        return "the line has " + std::to_string(fields.size()) + " values, the header " +
               std::to_string(columns.size());
    LineReader r{fields, columns, {}};
    std::string first = r.Text("FirstName"), last = r.Text("LastName");
    if (first.empty() && last.empty()) return std::string("the player has no name");
    if (first.find(' ') != std::string::npos) return std::string("the first name holds a blank");
    s.Name = first.empty() ? last : first + " " + last;
    s.Height = static_cast<int16_t>(r.Number("Height", 60, 100));
    s.Weight = static_cast<int16_t>(r.Number("Weight", 100, 400));
    s.Age = static_cast<int16_t>(r.Number("Age", 16, 50));
    s.DefaultPosition = r.Text("Position");
    s.PositionNumber = static_cast<int16_t>(PositionNumberOf(s.DefaultPosition));
    if (s.PositionNumber == 0 && r.problem.empty())
        r.problem = "Position \"" + s.DefaultPosition + "\" is not C, PF, SF, SG or PG";
    s.OriginalPosition = s.PositionNumber;
    s.College = r.Text("College");
    for (size_t i = 0; i < kSourceSkills.size(); ++i)
        s.Skills[i] = static_cast<int16_t>(r.Number(kRatingColumns[i], 0, 100));
    s.Potential = static_cast<int16_t>(r.Number("Potential", 0, 100));
    s.STAMINA = 100;
    if (format == ImportFormat::League) {
        s.Experience = static_cast<int16_t>(r.Number("Experience", 0, 30));
        s.Team = r.Text("Team");
        s.LastTeam = s.Team;
        bool pseudo = s.Team == kFreeAgent || s.Team == kDraft || s.Team == kNextDraft;
        if (!pseudo && !(knownTeam && knownTeam(s.Team)) && r.problem.empty())
            r.problem = "Team \"" + s.Team + "\" is no team of the league, FA or Draft";
        for (int year = 1; year <= 7; ++year)
            s.Contracts[static_cast<size_t>(year - 1)] =
                static_cast<int32_t>(r.Number(("Salary" + std::to_string(year)).c_str(), 0, 2147483647));
    } else {
        s.Team = kDraft;
    }
    if (!r.problem.empty()) return r.problem;
    return std::nullopt;
}

// Why a league-import file holds fewer players than the league has slots.
const std::string kRoomForDraftClass = " (a new league keeps " + std::to_string(5 * kProspectsPerPosition) +
                                       " of its " + std::to_string(kLastLeaguePlayer) +
                                       " player slots for its draft class)";

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (text.substr(0, mark.size()) == mark) text.remove_prefix(mark.size());
    return text;
}

bool HasCsvExtension(const fs::path& file) {
    std::string extension = file.extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".csv";
}

} // namespace

int MostImportedPlayers(ImportFormat format) {
    return format == ImportFormat::League ? kLastLeaguePlayer - 5 * kProspectsPerPosition : kLastLeaguePlayer;
}

const std::string& ImportHeader(ImportFormat format) {
    return format == ImportFormat::League ? kLeagueHeader : kDraftHeader;
}

ImportResult ParseImportText(std::string_view text, ImportFormat format,
                             const std::function<bool(const std::string&)>& knownTeam) {
    ImportResult result;
    auto fail = [&](int line, std::string reason) {
        result.players.clear();
        result.problem = ImportProblem{line, std::move(reason)};
        return result;
    };
    if (!IsValidUtf8(text)) return fail(0, "the file's text is not UTF-8");
    text = WithoutByteOrderMark(text);
    const size_t most = static_cast<size_t>(MostImportedPlayers(format));
    const std::vector<std::string> columns = Split(ImportHeader(format));
    size_t start = 0;
    int lineNumber = 0;
    bool headerSeen = false;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == text.npos ? text.npos : end - start);
        start = end == text.npos ? text.size() : end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!headerSeen) {
            if (line != ImportHeader(format))
                return fail(lineNumber, "the header line is not \"" + ImportHeader(format) + "\"");
            headerSeen = true;
            continue;
        }
        if (line.find_first_not_of(' ') == std::string_view::npos) continue;
        for (char c : line)
            if (static_cast<unsigned char>(c) < 32 && c != '\t')
                return fail(lineNumber, "the line holds a control character");
        if (result.players.size() == most)
            return fail(lineNumber, "the file holds more than " + std::to_string(most) + " players" +
                                        (format == ImportFormat::League ? kRoomForDraftClass : ""));
        SourcePlayer s;
        if (auto problem = ReadPlayerLine(Split(line), columns, format, knownTeam, s))
            return fail(lineNumber, *problem);
        result.players.push_back(std::move(s));
    }
    if (!headerSeen) return fail(1, "the file is empty");
    if (result.players.empty()) return fail(lineNumber, "the file holds no players");
    return result;
}

ImportResult ReadImportFile(const fs::path& file, ImportFormat format,
                            const std::function<bool(const std::string&)>& knownTeam) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {{}, ImportProblem{0, "the file " + file.filename().string() + " cannot be read"}};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return ParseImportText(bytes.str(), format, knownTeam);
}

std::string ImportErrorText(const ImportProblem& problem) {
    std::string where = problem.line > 0 ? "Line " + std::to_string(problem.line) + ": " : std::string();
    return "Invalid File Format\n" + where + problem.reason + ".";
}

std::vector<std::string> LeagueImportFiles(const fs::path& programFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::path folder = programFolder / "import";
    if (!fs::is_directory(folder, ec)) return names;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec) || !HasCsvExtension(entry.path())) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string first;
        std::getline(in, first);
        if (!first.empty() && first.back() == '\r') first.pop_back();
        if (WithoutByteOrderMark(first) == kLeagueHeader) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<fs::path> FindImportFile(const fs::path& programFolder, const std::string& given, Host& host) {
    const fs::path folder = programFolder / "import";
    const fs::path name = fs::path(given).filename();
    const fs::path file = folder / name;
    std::error_code ec;
    // A path elsewhere is refused rather than cut to its name: it would quietly read another file.
    if (fs::path(given).has_parent_path() && !fs::equivalent(given, file, ec)) {
        host.ShowMessage("Only the files of the import folder " + folder.string() + " are read; put " +
                             name.string() + " there.",
                         "Import Error", MessageIcon::Warning);
        return std::nullopt;
    }
    if (name.empty() || !fs::is_regular_file(file, ec)) {
        host.ShowMessage("There is no file " + name.string() + " in " + folder.string() + ".",
                         "File Not Found", MessageIcon::Warning);
        return std::nullopt;
    }
    return file;
}

int ImportRookies(League& league, Host& host, const fs::path& file) {
    const int16_t day = league.state.SeasonDay;
    if (day == Phase::CreationDraft || day == Phase::RookieDraft) {
        host.ShowMessage("Rookies cannot be imported while a draft is held.", "Import Rookies",
                         MessageIcon::Warning);
        return 0;
    }
    if (!league.state.CommissionerRights) {
        host.ShowMessage("Only the league commissioner may import rookies.", "Import Rookies",
                         MessageIcon::Warning);
        return 0;
    }
    ImportResult read = ReadImportFile(file, ImportFormat::Draft);
    if (read.problem) {
        host.ShowMessage(ImportErrorText(*read.problem), "Import Error", MessageIcon::Critical);
        return 0;
    }
    std::vector<int> current;
    int freeAgents = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty()) continue;
        if (p.Team == kDraft) current.push_back(id);
        if (p.Team == kFreeAgent) ++freeAgents;
    }
    size_t room = league.freeIDs.size() + current.size() + static_cast<size_t>(freeAgents);
    if (read.players.size() > room) {
        host.ShowMessage("The file holds " + std::to_string(read.players.size()) +
                             " prospects; the league has room for " + std::to_string(room) + ".",
                         "Import Error", MessageIcon::Warning);
        return 0;
    }
    if (!host.AskYesNo("This will replace the " + std::to_string(current.size()) +
                           " prospects of the draft class. Would you like to continue?",
                       "Import Rookies"))
        return 0;
    for (int id : current) {
        league.player(id) = Player{};
        league.ReleasePlayerID(static_cast<int16_t>(id));
    }
    DefaultPlayerChoices keep; // prospects keep their team ("Draft") and draw their personality
    keep.randomization = PotentialRandomization::None;
    for (const SourcePlayer& s : read.players) {
        int id = league.AllocatePlayerID();
        Player& p = league.player(id);
        p = Player{};
        AdmitSourcePlayer(league, p, s, keep);
        CalculatePlayerRatings(p);
    }
    CalculateAbsoluteRatings(league);
    return static_cast<int>(read.players.size());
}

} // namespace hv
