#include "season/schedule.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "league/binary_io.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

constexpr const char* kFileName = "Schedule.dat";
constexpr const char* kReinstall = "Schedule.dat is missing, please reinstall the game.";
// After this many random retries a matchup takes the next free day, so that placing always ends.
constexpr int kRetryLimit = 1000;

void ShowFileProblem(Host& host) {
    host.ShowMessage(kReinstall, "File Not Found", MessageIcon::Critical);
}

void ShowCannotPlace(Host& host, const std::string& why) {
    host.ShowMessage("The schedule cannot be made: " + why, "Error", MessageIcon::Critical);
}

std::string TeamLabel(const League& league, int team) {
    const std::string& name = league.team(team).Name;
    return name.empty() ? "team " + std::to_string(team) : "the " + name;
}

// Ascending by key. The pivot is a random element, as the shuffle has always drawn it; the recursion goes
// into the smaller part so that its depth stays logarithmic.
void SortByKey(std::vector<Matchup>& list, int lower, int upper, Random& rng) {
    while (lower < upper) {
        int pivotAt = NearestInt(rng.Uniform() * (upper - lower) + lower);
        double pivot = list[static_cast<size_t>(pivotAt)].Key;
        int i = lower, j = upper;
        while (i <= j) {
            while (list[static_cast<size_t>(i)].Key < pivot)
                ++i;
            while (list[static_cast<size_t>(j)].Key > pivot)
                --j;
            if (i <= j) std::swap(list[static_cast<size_t>(i++)], list[static_cast<size_t>(j--)]);
        }
        if (j - lower < upper - i) {
            SortByKey(list, lower, j, rng);
            lower = i;
        } else {
            SortByKey(list, i, upper, rng);
            upper = j;
        }
    }
}

// Which teams play on which of days 1 to 120.
class BusyTable {
  public:
    bool Free(int day, int home, int away) const { return !busy_[At(home, day)] && !busy_[At(away, day)]; }
    void Mark(int day, int home, int away) { busy_[At(home, day)] = busy_[At(away, day)] = true; }
    // The first game day at or after `day` (wrapping after 120, never 60) free for both teams.
    std::optional<int> NextFreeDay(int day, int home, int away) const {
        for (int k = 0; k < Phase::LastDay; ++k) {
            int d = (day - 1 + k) % Phase::LastDay + 1;
            if (d != Phase::AllStarDay && Free(d, home, away)) return d;
        }
        return std::nullopt;
    }

  private:
    static size_t At(int team, int day) { return static_cast<size_t>(team * (Phase::LastDay + 1) + day); }
    std::array<bool, (kLeagueTeams + 1) * (Phase::LastDay + 1)> busy_{};
};

// A day in the days after day 60 that replaces a draw of day 60.
int AfterBreak(Random& rng) {
    return NearestInt(rng.Uniform() * 5 + Phase::AllStarDay + 1);
}

// The day of matchup number i (1-based) as the season's placement draws it: day 1 while both teams are free
// there, else a first day in the quarter of the season that i picks, then random steps of 0 to 5 days
// forward until a day is free for both teams.
int DrawDay(int i, int home, int away, const BusyTable& busy, Random& rng) {
    if (busy.Free(1, home, away)) return 1;
    static constexpr std::array<int, 4> kQuarterStart{1, 31, 61, 90};
    int d = NearestInt(rng.Uniform() * 30 + kQuarterStart[static_cast<size_t>(i % 4)]);
    if (d == Phase::AllStarDay) d = AfterBreak(rng);
    if (busy.Free(d, home, away)) return d;
    d = NearestInt(rng.Uniform() * 5 + d);
    if (d > Phase::LastDay) d = 2;
    if (d == Phase::AllStarDay) d = AfterBreak(rng);
    for (int retry = 0; !busy.Free(d, home, away); ++retry) {
        if (retry == kRetryLimit) return *busy.NextFreeDay(d, home, away);
        d = NearestInt(rng.Uniform() * 5 + d);
        if (d > Phase::LastDay) d = 1;
        if (d == Phase::AllStarDay) d = AfterBreak(rng);
    }
    return d;
}

// A refusal when some team has more games than the season has game days.
std::optional<std::string> TooManyGamesProblem(const League& league, const std::vector<Matchup>& matchups) {
    std::array<int, kLeagueTeams + 1> games{};
    for (const Matchup& m : matchups) {
        ++games[static_cast<size_t>(m.Home)];
        ++games[static_cast<size_t>(m.Away)];
    }
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (games[static_cast<size_t>(t)] > kGameDays)
            return TeamLabel(league, t) + " have " + std::to_string(games[static_cast<size_t>(t)]) +
                   " games in Schedule.dat, more than the " + std::to_string(kGameDays) +
                   " game days of the season.";
    return std::nullopt;
}

} // namespace

void ClearSchedule(League& league) {
    for (int d = 1; d <= kScheduleDays; ++d)
        league.schedule[static_cast<size_t>(d)] = ScheduleDay{};
}

bool AddScheduledGame(League& league, int day, const std::string& homeTeam, const std::string& awayTeam) {
    if (day < 1 || day > kScheduleDays) return false;
    ScheduleDay& d = league.schedule[static_cast<size_t>(day)];
    if (d.NumGames >= kGamesPerDay) return false;
    ++d.NumGames;
    ScheduledGame& game = d.Games[static_cast<size_t>(d.NumGames)];
    game = ScheduledGame{};
    game.HomeTeam = homeTeam;
    game.AwayTeam = awayTeam;
    return true;
}

bool ReadMatchups(League& league, Host& host, std::vector<Matchup>& matchups) {
    const fs::path file = league.programFolder / kFileName;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        ShowFileProblem(host);
        return false;
    }
    const auto size = fs::file_size(file, ec);
    if (ec || size % kMatchupRecordBytes != 0) {
        ShowFileProblem(host);
        return false;
    }
    const auto count = size / kMatchupRecordBytes;
    if (count > static_cast<uintmax_t>(kMaxMatchups)) {
        ShowCannotPlace(host, "Schedule.dat holds " + std::to_string(count) + " games, more than the " +
                                  std::to_string(kMaxMatchups) + " that fit on the season's " +
                                  std::to_string(kGameDays) + " game days.");
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() != size) {
        ShowFileProblem(host);
        return false;
    }

    std::vector<Matchup> list;
    list.reserve(count);
    ByteReader reader(bytes);
    while (!reader.AtEnd()) {
        Matchup m;
        m.Home = reader.I16();
        m.Away = reader.I16();
        reader.F64(); // replaced by a fresh key
        m.Key = league.rng.Uniform();
        auto valid = [](int team) { return team >= 1 && team <= kLeagueTeams; };
        if (!valid(m.Home) || !valid(m.Away) || m.Home == m.Away) {
            ShowFileProblem(host);
            return false;
        }
        list.push_back(m);
    }
    SortByKey(list, 0, static_cast<int>(list.size()) - 1, league.rng);
    matchups = std::move(list);
    return true;
}

bool GenerateSchedule(League& league, Host& host, const ScheduleProgress& progress) {
    std::vector<Matchup> matchups;
    if (!ReadMatchups(league, host, matchups)) return false;
    if (auto problem = TooManyGamesProblem(league, matchups)) {
        ShowCannotPlace(host, *problem);
        return false;
    }

    // Every day is chosen first; the league's schedule changes only once all of them are known.
    BusyTable busy;
    std::vector<int> days(matchups.size());
    for (size_t k = 0; k < matchups.size(); ++k) {
        const Matchup& m = matchups[k];
        if (!busy.NextFreeDay(1, m.Home, m.Away)) {
            ShowCannotPlace(host, TeamLabel(league, m.Home) + " and " + TeamLabel(league, m.Away) +
                                      " have no free day left for their game. Schedule.dat may be damaged, "
                                      "please reinstall the game.");
            return false;
        }
        const int i = static_cast<int>(k) + 1;
        days[k] = DrawDay(i, m.Home, m.Away, busy, league.rng);
        busy.Mark(days[k], m.Home, m.Away);
        if (progress) {
            progress(i);
            host.PumpEvents();
        }
    }

    ClearSchedule(league);
    for (size_t k = 0; k < matchups.size(); ++k)
        AddScheduledGame(league, days[k], league.team(matchups[k].Home).Name,
                         league.team(matchups[k].Away).Name);
    league.state.SeasonDay = Phase::FirstDay;
    return true;
}

} // namespace hv
