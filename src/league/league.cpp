#include "league/league.h"

#include <stdexcept>

#include "platform/host.h"

namespace hv {

League::League() : players(kPlayerSlots) {}

int32_t& Player::Contract(int year) {
    int32_t* years[8] = {&contract1, &contract2, &contract3, &contract4,
                         &contract5, &contract6, &contract7, &contract8};
    if (year < 1 || year > 8) throw std::out_of_range("contract year");
    return *years[year - 1];
}

int32_t Player::Contract(int year) const {
    return const_cast<Player*>(this)->Contract(year);
}

int16_t& Team::Depth(int position, int depth) {
    int16_t* rows[5][3] = {
        {&C1, &C2, &C3}, {&PF1, &PF2, &PF3}, {&SF1, &SF2, &SF3}, {&SG1, &SG2, &SG3}, {&PG1, &PG2, &PG3}};
    if (position < 1 || position > 5 || depth < 1 || depth > 3) throw std::out_of_range("depth chart slot");
    return *rows[position - 1][depth - 1];
}

int16_t Team::Depth(int position, int depth) const {
    return const_cast<Team*>(this)->Depth(position, depth);
}

int16_t& Team::PositionCount(int position) {
    int16_t* counts[5] = {&Cs, &PFs, &SFs, &SGs, &PGs};
    if (position < 1 || position > 5) throw std::out_of_range("position");
    return *counts[position - 1];
}

void League::RebuildFreeIDs() {
    freeIDs.clear();
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (player(id).IsEmpty()) freeIDs.push_back(static_cast<int16_t>(id));
}

void League::ReleasePlayerID(int16_t id) {
    freeIDs.push_back(id);
}

int16_t League::AllocatePlayerID() {
    if (!freeIDs.empty()) {
        int16_t id = freeIDs.back();
        freeIDs.pop_back();
        return id;
    }
    // No free slot: reclaim the weakest free agent; the first one found wins ties.
    int best = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = player(id);
        if (p.IsEmpty() || p.Team != kFreeAgent) continue;
        if (best == 0 || p.FutureRating < player(best).FutureRating) best = id;
    }
    if (best == 0) throw FatalError{"Player ID error", {}, MessageIcon::Critical};
    return static_cast<int16_t>(best);
}

int League::FindTeam(const std::string& name) const {
    for (int slot = 1; slot <= kLeagueTeams; ++slot)
        if (team(slot).Name == name) return slot;
    return 0;
}

void League::AddToRoster(int id) {
    const Player& p = player(id);
    int slot = FindTeam(p.Team);
    if (slot == 0) return;
    Team& t = team(slot);
    ++t.NumPlayers;
    if (!p.IR) ++t.ActivePlayers;
    if (p.PositionNumber >= 1 && p.PositionNumber <= 5) ++t.PositionCount(p.PositionNumber);
}

void League::RemoveFromRoster(int id) {
    const Player& p = player(id);
    int slot = FindTeam(p.Team);
    if (slot == 0) return;
    Team& t = team(slot);
    --t.NumPlayers;
    if (!p.IR) --t.ActivePlayers;
    if (p.PositionNumber >= 1 && p.PositionNumber <= 5) --t.PositionCount(p.PositionNumber);
    t.TotalSalary -= p.contract1;
}

std::filesystem::path League::LeagueFolderOf(const std::string& leagueName) const {
    return programFolder / "leaguedata" / leagueName;
}

void EnsureLeagueFolders(const std::filesystem::path& programFolder, const std::string& leagueName) {
    static const char* subfolders[] = {"rosterfiles",
                                       "box",
                                       "pbp",
                                       "html",
                                       "html/fa",
                                       "html/boxes",
                                       "html/pbp",
                                       "html/rosters",
                                       "html/players",
                                       "html/draft",
                                       "html/retiredplayers",
                                       "html/tmstats",
                                       "html/tmstats/defense",
                                       "html/tmstats/offense",
                                       "html/tmstats/shdefense",
                                       "html/tmstats/shoffense",
                                       "html/hof"};
    std::filesystem::path root = programFolder / "leaguedata";
    std::filesystem::create_directories(root);
    std::filesystem::path own = root / leagueName;
    std::filesystem::create_directories(own);
    for (const char* sub : subfolders)
        std::filesystem::create_directories(own / sub);
}

std::string FormatHeight(int inches) {
    return std::to_string(inches / 12) + "'" + std::to_string(inches % 12) + "''";
}

std::string PositionText(int position) {
    static const char* names[] = {"C", "PF", "SF", "SG", "PG"};
    return position >= 1 && position <= 5 ? names[position - 1] : "";
}

int PositionNumberOf(const std::string& text) {
    for (int pos = 1; pos <= 5; ++pos)
        if (PositionText(pos) == text) return pos;
    return 0;
}

std::string FirstName(const std::string& name) {
    auto blank = name.find(' ');
    return blank == std::string::npos ? std::string() : name.substr(0, blank);
}

std::string LastName(const std::string& name) {
    auto blank = name.find(' ');
    return blank == std::string::npos ? std::string() : name.substr(blank + 1);
}

std::string GradeOf(int value) {
    if (value <= 20) return "F";
    if (value <= 40) return "D";
    if (value <= 60) return "C";
    if (value <= 80) return "B";
    return "A";
}

void DeriveDisplayFields(Player& p) {
    p.DisplayHeight = FormatHeight(p.Height);
    p.DefaultPosition = PositionText(p.PositionNumber);
    p.PotentialGrade = GradeOf(p.KnownPotential);
}

} // namespace hv
