#include "setup/stats_import.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "league/binary_io.h"
#include "league/league_editor.h"
#include "league/league_options.h"
#include "league/ratings.h"
#include "league/salary.h"
#include "league/transactions.h"
#include "personnel/draft_class.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

using stats_model::kFeatures;
using Features = std::array<double, kFeatures>;

// ---- The model's weights (docs/ratings_from_stats.md) ----
//
// Features, in order: two-point attempts, two-point percentage, three-point attempts, three-point
// percentage, free-throw attempts, free-throw percentage, rebounds, assists, steals, blocks, turnovers and
// fouls, each as the ratio of the player's per-minute rate (or percentage) to the league's; minutes a game
// over the league's; height in inches above 79; weight in tens of pounds above 220.
//
// A rating is its position's base plus the sum of weight times feature. The tables were fitted once, by least
// squares, to three seasons of the default league played by the engine (tools/fit_ratings_from_stats.py).
constexpr std::array<std::array<double, 5>, 15> kBase{{
    {12.10, 12.88, 11.66, 8.04, 2.94},        // InsideScoring
    {-31.87, -28.81, -17.96, -17.37, -19.05}, // JumpShot
    {-28.65, -14.17, 12.96, 24.25, 19.98},    // ThreePointShot
    {31.76, 33.57, 45.69, 52.28, 51.66},      // Handling
    {2.12, 6.09, 13.65, 15.76, 25.51},        // Passing
    {27.28, 36.95, 45.02, 49.98, 56.74},      // Quickness
    {18.45, 12.15, 7.62, 2.23, -9.59},        // PostDefense
    {-20.49, -8.40, 5.19, 9.66, 10.97},       // PerimeterDefense
    {8.73, 10.62, 16.19, 15.58, 13.23},       // DriveDefense
    {-22.46, -17.93, -11.61, -9.22, -2.81},   // Stealing
    {2.26, 1.16, -3.41, -13.01, -21.19},      // ShotBlocking
    {3.13, 1.67, -1.74, -11.01, -17.73},      // OffenseRebound
    {19.58, 17.85, 17.88, 9.41, 0.29},        // DefenseRebound
    {19.50, 23.44, 37.19, 38.28, 27.71},      // Jumping
    {31.61, 27.50, 23.66, 15.09, 1.59},       // Strength
}};
constexpr std::array<Features, 15> kWeights{{
    // InsideScoring
    {11.52, 12.71, 1.36, 3.17, 5.48, -0.83, 5.95, 1.75, 2.22, -0.39, -5.00, 4.90, 3.70, -0.21, 0.20},
    // JumpShot
    {-0.04, 6.82, -0.55, 11.31, 2.94, 47.09, 8.35, 6.59, 4.19, 1.49, -1.37, -2.20, 3.52, -0.16, 0.05},
    // ThreePointShot
    {-5.82, 6.17, 6.11, 5.59, 6.90, 1.89, 6.68, 5.33, 6.75, 0.56, 1.49, -1.09, 4.67, 0.38, -0.61},
    // Handling
    {9.98, -0.91, 1.43, -1.02, -0.92, -2.99, 13.65, 14.11, 3.88, 1.38, -29.86, -3.58, 4.59, -0.03, -0.39},
    // Passing
    {-5.07, 1.02, 2.26, -1.10, 0.78, -1.40, 10.12, 27.67, 3.01, 1.01, -2.92, 0.65, 3.60, 0.01, 0.06},
    // Quickness
    {-6.29, 6.07, 3.93, -0.09, 6.96, -1.77, 5.08, 1.57, 0.80, 1.17, -2.98, -0.89, 2.58, -1.26, 1.03},
    // PostDefense
    {-3.42, 2.73, 1.87, 2.76, 4.18, 3.17, 14.54, 9.78, 3.51, 3.03, -4.55, 0.72, 4.32, -0.08, -0.06},
    // PerimeterDefense
    {-4.17, 4.97, 0.99, 4.21, 3.59, 7.76, 0.84, 11.80, 8.01, 4.30, 0.82, 3.75, 5.10, 0.39, -0.15},
    // DriveDefense
    {-4.50, 4.71, 3.31, 3.48, 5.27, 5.50, 13.23, 8.41, 6.14, 2.88, -6.29, -2.31, 3.21, 1.02, -1.10},
    // Stealing
    {0.24, 2.67, 1.16, 1.37, 0.27, 5.76, 8.38, 6.64, 34.35, 2.28, -1.55, -7.93, 4.62, 0.17, -0.47},
    // ShotBlocking
    {-1.43, 2.01, 1.86, 8.27, -0.59, 3.36, 2.30, 7.99, 6.33, 14.22, -1.67, -2.25, 3.74, 0.09, 0.06},
    // OffenseRebound
    {0.00, -0.95, 1.83, 5.04, 2.52, 7.97, 27.95, 3.62, 1.67, 1.86, -1.32, -2.77, 3.42, 0.18, -0.54},
    // DefenseRebound
    {-4.18, -1.69, 0.50, 2.50, 5.01, -1.97, 36.64, 7.74, 2.76, 1.39, -3.13, -9.39, 3.20, -0.14, 0.49},
    // Jumping
    {0.42, -0.22, -1.26, 1.29, 2.83, 2.76, 10.78, 12.35, 0.29, -1.72, -0.92, 3.71, 1.39, -0.12, 0.20},
    // Strength
    {5.04, 7.90, -4.89, 1.61, 2.34, 1.95, 4.89, 10.43, 3.69, -1.18, 6.58, -2.28, 0.93, 0.85, -0.83},
}};

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Trimmed(std::string text) {
    text.erase(0, text.find_first_not_of(" \t"));
    text.erase(text.find_last_not_of(" \t") + 1);
    return text;
}

// One line's fields; a field in double quotes may hold commas, and "" stands for a quote.
std::vector<std::string> SplitCsv(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += '"', ++i;
            else if (c == '"')
                quoted = false;
            else
                fields.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (std::string& f : fields)
        f = Trimmed(f);
    return fields;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (text.substr(0, mark.size()) == mark) text.remove_prefix(mark.size());
    return text;
}

// The counting columns of a line, in the order of StatsColumns after the six facts.
const std::vector<std::pair<const char*, int StatLine::*>>& Counts() {
    static const std::vector<std::pair<const char*, int StatLine::*>> counts{
        {"G", &StatLine::G},     {"MIN", &StatLine::MIN},   {"FG", &StatLine::FG},
        {"FGA", &StatLine::FGA}, {"3P", &StatLine::ThreeP}, {"3PA", &StatLine::ThreePA},
        {"FT", &StatLine::FT},   {"FTA", &StatLine::FTA},   {"AST", &StatLine::AST},
        {"STL", &StatLine::STL}, {"BLK", &StatLine::BLK},   {"TOV", &StatLine::TOV},
        {"PF", &StatLine::PF},   {"PTS", &StatLine::PTS}};
    return counts;
}

struct Header {
    std::vector<int> at; // column index of each name, by lower-case name
    std::vector<std::string> names;
    int Index(const std::string& name) const {
        auto it = std::find(names.begin(), names.end(), Lower(name));
        return it == names.end() ? -1 : static_cast<int>(it - names.begin());
    }
};

std::optional<long long> Whole(const std::string& text) {
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Reads one line into `s`; the reason when it is not a valid line.
std::optional<std::string> ReadLine(const std::vector<std::string>& fields, const Header& h,
                                    const std::function<bool(const std::string&)>& knownTeam, StatLine& s) {
    if (fields.size() < h.names.size())
        return "the line has " + std::to_string(fields.size()) + " values, the header " +
               std::to_string(h.names.size());
    auto field = [&](const char* name) -> const std::string& {
        return fields[static_cast<size_t>(h.Index(name))];
    };
    auto number = [&](const char* name, long long lo, long long hi, int& out) -> std::optional<std::string> {
        auto value = Whole(field(name));
        if (!value) return std::string(name) + " \"" + field(name) + "\" is not a whole number";
        if (*value < lo || *value > hi)
            return std::string(name) + " " + field(name) + " is outside " + std::to_string(lo) + " to " +
                   std::to_string(hi);
        out = static_cast<int>(*value);
        return std::nullopt;
    };
    s.Name = field("Name");
    if (s.Name.empty() || s.Name == "N/A") return std::string("the player has no name");
    for (char c : s.Name)
        if (c == ',' || static_cast<unsigned char>(c) < 32)
            return "the name \"" + s.Name + "\" holds a comma or a control character";
    s.Position = field("Position");
    for (char& c : s.Position)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (PositionNumberOf(s.Position) == 0)
        return "Position \"" + field("Position") + "\" is not C, PF, SF, SG or PG";
    if (auto bad = number("Age", 16, 50, s.Age)) return bad;
    if (auto bad = number("Height", 60, 100, s.Height)) return bad;
    if (auto bad = number("Weight", 100, 400, s.Weight)) return bad;
    s.Team = field("Team");
    for (const char* pseudo : {kFreeAgent, kDraft})
        if (Lower(s.Team) == Lower(pseudo)) s.Team = pseudo;
    if (s.Team != kFreeAgent && s.Team != kDraft && !(knownTeam && knownTeam(s.Team)))
        return "Team \"" + s.Team + "\" is no team of the league, FA or Draft";
    for (const auto& [name, member] : Counts())
        if (auto bad = number(name, 0, 99999, s.*member)) return bad;
    if (h.Index("REB") >= 0 || h.Index("TRB") >= 0) {
        if (auto bad = number(h.Index("REB") >= 0 ? "REB" : "TRB", 0, 99999, s.REB)) return bad;
    } else {
        int orb = 0, drb = 0;
        if (auto bad = number("ORB", 0, 99999, orb)) return bad;
        if (auto bad = number("DRB", 0, 99999, drb)) return bad;
        s.REB = orb + drb;
    }
    auto within = [](int made, int tried, const char* m, const char* t) -> std::optional<std::string> {
        if (made <= tried) return std::nullopt;
        return std::string(m) + " " + std::to_string(made) + " is more than " + t + " " +
               std::to_string(tried);
    };
    if (auto bad = within(s.FG, s.FGA, "FG", "FGA")) return bad;
    if (auto bad = within(s.ThreeP, s.ThreePA, "3P", "3PA")) return bad;
    if (auto bad = within(s.FT, s.FTA, "FT", "FTA")) return bad;
    if (auto bad = within(s.ThreeP, s.FG, "3P", "FG")) return bad;
    if (auto bad = within(s.ThreePA, s.FGA, "3PA", "FGA")) return bad;
    if (s.MIN > 0 && s.G == 0) return "MIN " + std::to_string(s.MIN) + " in no games (G 0)";
    if (s.MIN > 64 * s.G)
        return "MIN " + std::to_string(s.MIN) + " is more than 64 a game in " + std::to_string(s.G) +
               " games";
    const int points = 2 * s.FG + s.ThreeP + s.FT;
    if (s.PTS != points)
        return "PTS " + std::to_string(s.PTS) + " is not 2 x FG + 3P + FT (" + std::to_string(points) + ")";
    return std::nullopt;
}

// A per-minute rate or a percentage, pulled toward the league's by the model's priors.
double Shrunk(double made, double chances, double leagueRate, double prior) {
    return (made + prior * leagueRate) / (chances + prior);
}

double Ratio(double value, double league) {
    return league > 0 ? value / league : 1.0;
}

} // namespace

const std::vector<std::string>& StatsColumns() {
    static const std::vector<std::string> columns{
        "Name", "Position", "Age", "Height", "Weight", "Team", "G",   "MIN", "FG",  "FGA", "3P",
        "3PA",  "FT",       "FTA", "ORB",    "DRB",    "AST",  "STL", "BLK", "TOV", "PF",  "PTS"};
    return columns;
}

StatsReadResult ParseStatsText(std::string_view text,
                               const std::function<bool(const std::string&)>& knownTeam, size_t most) {
    StatsReadResult result;
    auto fail = [&](int line, std::string reason) {
        result.lines.clear();
        result.problem = ImportProblem{line, std::move(reason)};
        return result;
    };
    if (!IsValidUtf8(text)) return fail(0, "the file's text is not UTF-8");
    text = WithoutByteOrderMark(text);
    Header header;
    size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == text.npos ? text.npos : end - start);
        start = end == text.npos ? text.size() : end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" ,") == std::string_view::npos) continue;
        if (header.names.empty()) {
            for (const std::string& name : SplitCsv(line))
                header.names.push_back(Lower(name));
            for (const std::string& column : StatsColumns()) {
                const bool rebound = column == "ORB" || column == "DRB";
                if (rebound && (header.Index("REB") >= 0 || header.Index("TRB") >= 0)) continue;
                if (header.Index(column) < 0)
                    return fail(number, "the header names no column " + column +
                                            (rebound ? " (nor REB for all rebounds)" : ""));
            }
            continue;
        }
        if (result.lines.size() == most)
            return fail(number, "the file holds more than " + std::to_string(most) + " players");
        StatLine s;
        if (auto problem = ReadLine(SplitCsv(line), header, knownTeam, s)) return fail(number, *problem);
        result.lines.push_back(std::move(s));
    }
    if (header.names.empty()) return fail(1, "the file is empty");
    if (result.lines.empty()) return fail(number, "the file holds no players");
    return result;
}

StatsReadResult ReadStatsFile(const fs::path& file, const std::function<bool(const std::string&)>& knownTeam,
                              size_t most) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {{}, ImportProblem{0, "the file " + file.filename().string() + " cannot be read"}};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return ParseStatsText(bytes.str(), knownTeam, most);
}

std::vector<std::string> StatsFiles(const fs::path& programFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(programFolder / "import", ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || Lower(it->path().extension().string()) != ".csv") continue;
        std::ifstream in(it->path(), std::ios::binary);
        std::string header;
        std::getline(in, header);
        // A header alone: its problem, if any, is a missing column (line 1); "no players" means it is whole.
        const StatsReadResult read = ParseStatsText(header + "\n", {}, 1);
        if (read.problem && read.problem->reason == "the file holds no players")
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<Features> StatFeatures(const std::vector<StatLine>& lines) {
    using stats_model::kPriorAttempts;
    using stats_model::kPriorMinutes;
    // The league's rates: totals over totals, so that a player's share of minutes weighs as it should.
    double minutes = 0, games = 0;
    std::array<double, 10> counts{}; // 2PA, 3PA, FTA, REB, AST, STL, BLK, TOV, PF, (unused)
    double made2 = 0, made3 = 0, madeFT = 0;
    auto countsOf = [](const StatLine& s) {
        return std::array<double, 9>{double(s.FGA - s.ThreePA),
                                     double(s.ThreePA),
                                     double(s.FTA),
                                     double(s.REB),
                                     double(s.AST),
                                     double(s.STL),
                                     double(s.BLK),
                                     double(s.TOV),
                                     double(s.PF)};
    };
    int playing = 0;
    for (const StatLine& s : lines) {
        minutes += s.MIN;
        if (s.G > 0) games += s.G, ++playing;
        auto c = countsOf(s);
        for (size_t i = 0; i < c.size(); ++i)
            counts[i] += c[i];
        made2 += s.FG - s.ThreeP;
        made3 += s.ThreeP;
        madeFT += s.FT;
    }
    std::array<double, 9> rate{};
    for (size_t i = 0; i < rate.size(); ++i)
        rate[i] = minutes > 0 ? counts[i] / minutes : 0;
    const double pct2 = counts[0] > 0 ? made2 / counts[0] : 0.5;
    const double pct3 = counts[1] > 0 ? made3 / counts[1] : 0.35;
    const double pctFT = counts[2] > 0 ? madeFT / counts[2] : 0.75;
    const double minutesPerGame = games > 0 ? minutes / games : 24;

    std::vector<Features> out;
    out.reserve(lines.size());
    for (const StatLine& s : lines) {
        auto c = countsOf(s);
        auto perMinute = [&](size_t i) {
            return Ratio(Shrunk(c[i], s.MIN, rate[i], kPriorMinutes), rate[i]);
        };
        Features f{};
        f[0] = perMinute(0);
        f[1] = Ratio(Shrunk(s.FG - s.ThreeP, c[0], pct2, kPriorAttempts), pct2);
        f[2] = perMinute(1);
        f[3] = Ratio(Shrunk(s.ThreeP, s.ThreePA, pct3, kPriorAttempts), pct3);
        f[4] = perMinute(2);
        f[5] = Ratio(Shrunk(s.FT, s.FTA, pctFT, kPriorAttempts), pctFT);
        for (size_t i = 3; i < 9; ++i)
            f[i + 3] = perMinute(i);
        f[12] = Ratio((s.MIN + 5 * minutesPerGame) / (s.G + 5.0), minutesPerGame);
        f[13] = s.Height - 79.0;
        f[14] = (s.Weight - 220.0) / 10.0;
        out.push_back(f);
    }
    return out;
}

std::vector<std::array<int16_t, 15>> RatingsFromStats(const std::vector<StatLine>& lines) {
    const std::vector<Features> features = StatFeatures(lines);
    std::vector<std::array<int16_t, 15>> out;
    out.reserve(lines.size());
    for (size_t n = 0; n < lines.size(); ++n) {
        const int position = PositionNumberOf(lines[n].Position);
        Player p;
        p.OriginalPosition = static_cast<int16_t>(position);
        p.PositionNumber = p.OriginalPosition;
        std::array<int16_t, 15> ratings{};
        for (size_t k = 0; k < 15; ++k) {
            double value = kBase[k][static_cast<size_t>(position - 1)];
            for (size_t j = 0; j < static_cast<size_t>(kFeatures); ++j)
                value += kWeights[k][j] * features[n][j];
            p.*kSourceSkills[k].field = static_cast<int16_t>(std::clamp(NearestInt(value), 0, 100));
        }
        ApplyAttributeLimits(p); // 5 to 100 and the caps of his position
        for (size_t k = 0; k < 15; ++k)
            ratings[k] = p.*kSourceSkills[k].field;
        out.push_back(ratings);
    }
    return out;
}

std::vector<SourcePlayer> PlayersFromStats(const std::vector<StatLine>& lines) {
    const auto ratings = RatingsFromStats(lines);
    std::vector<SourcePlayer> players;
    players.reserve(lines.size());
    for (size_t n = 0; n < lines.size(); ++n) {
        const StatLine& line = lines[n];
        SourcePlayer s;
        s.Name = line.Name;
        s.College = "N/A";
        s.Height = static_cast<int16_t>(line.Height);
        s.Weight = static_cast<int16_t>(line.Weight);
        s.Age = static_cast<int16_t>(line.Age);
        s.Team = line.Team;
        s.LastTeam = line.Team;
        s.DefaultPosition = line.Position;
        s.PositionNumber = static_cast<int16_t>(PositionNumberOf(line.Position));
        s.OriginalPosition = s.PositionNumber;
        s.Experience = static_cast<int16_t>(std::clamp(line.Age - 22, 0, 15));
        // Young players have room to grow: 90 at 19, 5 less a year, 40 from 29 on.
        s.Potential = static_cast<int16_t>(std::clamp(90 - 5 * (line.Age - 19), 40, 90));
        s.Skills = ratings[n];
        players.push_back(std::move(s));
    }
    return players;
}

int ImportStatsPlayers(League& league, Host& host, const fs::path& file, const std::string& to) {
    if (!CheckMayEditLeague(league.state, host)) return 0;
    auto knownTeam = [&](const std::string& name) { return league.FindTeam(name) != 0; };
    StatsReadResult read = ReadStatsFile(file, knownTeam, static_cast<size_t>(kLastLeaguePlayer));
    if (read.problem) {
        host.ShowMessage(ImportErrorText(*read.problem), "Import Error", MessageIcon::Critical);
        return 0;
    }
    if (!to.empty())
        for (StatLine& line : read.lines)
            line.Team = to;
    // Room: the free slots, and every team within the roster limit.
    std::array<int, kLeagueTeams + 1> joining{};
    for (const StatLine& line : read.lines)
        ++joining[static_cast<size_t>(league.FindTeam(line.Team))];
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (league.team(t).NumPlayers + joining[static_cast<size_t>(t)] > kMaxRoster) {
            host.ShowMessage("The " + league.team(t).Name + " have " +
                                 std::to_string(league.team(t).NumPlayers) + " players; " +
                                 std::to_string(joining[static_cast<size_t>(t)]) +
                                 " more would pass the roster limit of " + std::to_string(kMaxRoster) +
                                 ". Nothing was imported.",
                             "Import Error", MessageIcon::Warning);
            return 0;
        }
    if (read.lines.size() > league.freeIDs.size()) {
        host.ShowMessage("The file holds " + std::to_string(read.lines.size()) + " players; the league has " +
                             std::to_string(league.freeIDs.size()) +
                             " free player slots. Nothing was imported.",
                         "Import Error", MessageIcon::Warning);
        return 0;
    }
    const std::vector<SourcePlayer> players = PlayersFromStats(read.lines);
    DefaultPlayerChoices keep;
    keep.randomization = PotentialRandomization::None;
    std::vector<int> ids;
    for (const SourcePlayer& s : players) {
        const int id = league.AllocatePlayerID();
        Player& p = league.player(id);
        p = Player{};
        SourcePlayer signed_ = s;
        signed_.Contracts[0] = 1; // admitted as signed; his real contract follows once everybody is rated
        AdmitSourcePlayer(league, p, signed_, keep);
        p.contract1 = 0;
        CalculatePlayerRatings(p);
        ids.push_back(id);
    }
    for (int id : ids) {
        Player& p = league.player(id);
        const int team = league.FindTeam(p.Team);
        if (team != 0) {
            SetContract(p, StartingContract(league, id, league.rng));
            p.SignYear = SigningSeason(league.state);
            p.Signday = league.state.SeasonDay;
            league.AddToRoster(id);
            league.team(team).TotalSalary += p.contract1;
            LogTransaction(league, p.Team,
                           "Sign " + p.DefaultPosition + " " + p.Name + " for " + SalaryCapText(p.contract1) +
                               " (imported from his statistics).");
        }
    }
    CalculateAbsoluteRatings(league);
    return static_cast<int>(ids.size());
}

} // namespace hv
