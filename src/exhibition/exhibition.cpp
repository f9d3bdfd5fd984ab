#include "exhibition/exhibition.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "engine/box_score_files.h"
#include "league/ratings.h"
#include "league/save_file.h"
#include "reports/box_score_report.h"

namespace hv {

namespace {

constexpr const char* kError = "Error";

// The save's whole league, or nothing (message shown) when the file is missing or cannot be read.
std::unique_ptr<League> ReadSave(const std::filesystem::path& saveFile, Host& host) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(saveFile, ec)) {
        host.ShowMessage("Save file not found", kError, MessageIcon::Critical);
        return nullptr;
    }
    auto saved = std::make_unique<League>();
    try {
        if (std::filesystem::file_size(saveFile) > kMaxSaveFileBytes) throw std::runtime_error("too large");
        std::ifstream in(saveFile, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) throw std::runtime_error("unreadable");
        DecodeLeague(bytes, *saved);
    } catch (const std::exception&) {
        host.ShowMessage("Invalid Save", kError, MessageIcon::Critical);
        return nullptr;
    }
    for (int slot = 1; slot <= kLeagueTeams; ++slot)
        if (saved->team(slot).Name.empty()) {
            host.ShowMessage("Invalid Save", kError, MessageIcon::Critical);
            return nullptr;
        }
    return saved;
}

// The saved player's profile, ratings, potential and contract in an empty player slot.
Player ExhibitionCopy(const Player& from, const std::string& team) {
    Player p;
    p.Name = from.Name;
    p.Height = from.Height;
    p.Weight = from.Weight;
    p.Age = from.Age;
    p.College = from.College;
    p.Team = team;
    p.PositionNumber = from.PositionNumber;
    p.OriginalPosition = from.OriginalPosition;
    p.DefaultPosition = PositionText(from.PositionNumber);
    p.Experience = from.Experience;
    p.StyleC = from.StyleC, p.StylePF = from.StylePF, p.StyleSF = from.StyleSF;
    p.StyleSG = from.StyleSG, p.StylePG = from.StylePG;
    for (int16_t Player::*field :
         {&Player::InsideScoring, &Player::JumpShot, &Player::ThreePointShot, &Player::Scoring,
          &Player::Handling, &Player::Passing, &Player::Quickness, &Player::PostDefense,
          &Player::PerimeterDefense, &Player::DriveDefense, &Player::Stealing, &Player::ShotBlocking,
          &Player::OffenseRebound, &Player::DefenseRebound, &Player::Jumping, &Player::STAMINA,
          &Player::Strength, &Player::Potential, &Player::KnownPotential})
        p.*field = from.*field;
    p.PotentialGrade = from.PotentialGrade;
    for (int year = 1; year <= 8; ++year)
        p.Contract(year) = from.Contract(year);
    DeriveDisplayFields(p);
    CalculatePlayerRatings(p);
    return p;
}

// The saved IDs of the team's players that take its fifteen exhibition slots, in ID order: all of them
// when they are fifteen or fewer, else the players of the depth chart and then the best by current rating.
std::vector<int> ChosenPlayers(const League& saved, const Team& team) {
    std::vector<int> all;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (!saved.player(id).IsEmpty() && saved.player(id).Team == team.Name) all.push_back(id);
    if (static_cast<int>(all.size()) <= kExhibitionSquad) return all;
    std::vector<int> chosen;
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row) {
            const int id = team.Depth(pos, row);
            if (std::find(all.begin(), all.end(), id) != all.end() &&
                std::find(chosen.begin(), chosen.end(), id) == chosen.end())
                chosen.push_back(id);
        }
    std::vector<int> rest;
    for (int id : all)
        if (std::find(chosen.begin(), chosen.end(), id) == chosen.end()) rest.push_back(id);
    std::stable_sort(rest.begin(), rest.end(), [&](int a, int b) {
        return saved.player(a).CurrentRating > saved.player(b).CurrentRating;
    });
    for (int id : rest)
        if (chosen.size() < static_cast<size_t>(kExhibitionSquad)) chosen.push_back(id);
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

} // namespace

const std::vector<std::string>& ExhibitionHomeItems() {
    static const std::vector<std::string> items{"Team One", "Team Two", "Neutral"};
    return items;
}

std::string ExhibitionResult(const std::string& away, const std::string& home, int awayScore, int homeScore) {
    return away + " @ " + home + " " + std::to_string(awayScore) + ", " + std::to_string(homeScore);
}

std::optional<std::vector<SavedTeam>> ReadSavedTeams(const std::filesystem::path& saveFile, Host& host) {
    std::unique_ptr<League> saved = ReadSave(saveFile, host);
    if (!saved) return std::nullopt;
    std::vector<SavedTeam> teams;
    for (int slot = 1; slot <= kLeagueTeams; ++slot)
        teams.push_back({slot, saved->team(slot).City, saved->team(slot).Name});
    return teams;
}

Exhibition::Exhibition(const League& current) : stage_(std::make_unique<League>()) {
    League& s = *stage_;
    s.programFolder = current.programFolder;
    s.firstNames = current.firstNames;
    s.lastNames = current.lastNames;
    s.injuryTypes = current.injuryTypes;
    s.state.LeagueInjuries = current.state.LeagueInjuries;
    s.state.Season = current.state.Season;
    s.state.LeagueName = "default";
    s.rng.Seed(std::random_device{}());
    s.team(kTeamOneSlot).Name = "Team One";
    s.team(kTeamTwoSlot).Name = "Team Two";
}

std::vector<int16_t> Exhibition::Players(int which) const {
    std::vector<int16_t> ids;
    const int first = which == 1 ? 1 : kExhibitionSquad + 1;
    for (int k = first; k < first + kExhibitionSquad; ++k)
        ids.push_back(map_[static_cast<size_t>(k)] != 0 ? static_cast<int16_t>(kLastLeaguePlayer + k) : 0);
    return ids;
}

bool Exhibition::LoadTeam(int which, const std::filesystem::path& saveFile, int teamSlot, Host& host) {
    if (which != 1 && which != 2) return false;
    std::unique_ptr<League> saved = ReadSave(saveFile, host);
    if (!saved) return false;
    if (teamSlot < 1 || teamSlot > kLeagueTeams) {
        host.ShowMessage("Error loading team.", kError, MessageIcon::Critical);
        return false;
    }
    const Team& from = saved->team(teamSlot);
    League& s = *stage_;
    Team& to = s.team(TeamSlot(which));
    const int firstK = which == 1 ? 1 : kExhibitionSquad + 1;

    to = Team{};
    to.Name = from.Name;
    to.City = from.City;
    to.Pace = from.Pace;
    to.Trap = from.Trap;
    to.Press = from.Press;
    to.Offense = from.Offense;
    to.Owner = "Human";
    to.CoachTeam = which == 1;
    to.pbp = true;
    to.NumPlayers = 0;
    for (int k = firstK; k < firstK + kExhibitionSquad; ++k) {
        map_[static_cast<size_t>(k)] = 0;
        s.player(kLastLeaguePlayer + k) = Player{};
        loadedPlayers_[static_cast<size_t>(k)] = Player{};
    }
    int k = firstK;
    for (int id : ChosenPlayers(*saved, from)) {
        s.player(kLastLeaguePlayer + k) = ExhibitionCopy(saved->player(id), to.Name);
        loadedPlayers_[static_cast<size_t>(k)] = s.player(kLastLeaguePlayer + k);
        map_[static_cast<size_t>(k)] = static_cast<int16_t>(id);
        ++to.NumPlayers;
        ++k;
    }
    to.ActivePlayers = to.NumPlayers;
    auto translate = [&](int16_t savedID) -> int16_t {
        if (savedID == 0) return 0;
        for (int j = firstK; j < firstK + kExhibitionSquad; ++j)
            if (map_[static_cast<size_t>(j)] == savedID) return static_cast<int16_t>(kLastLeaguePlayer + j);
        return 0;
    };
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row)
            to.Depth(pos, row) = translate(from.Depth(pos, row));
    to.keyplayer1 = translate(from.keyplayer1);
    to.keyplayer2 = translate(from.keyplayer2);
    to.keyplayer3 = translate(from.keyplayer3);
    loaded_[static_cast<size_t>(which - 1)] = true;
    source_[static_cast<size_t>(which - 1)] =
        from.City + " " + from.Name + " (" + saveFile.filename().string() + ")";
    return true;
}

bool Exhibition::Ready(Host& host) const {
    if (loaded_[0] && loaded_[1]) return true;
    host.ShowMessage("Load both teams first.", kError, MessageIcon::Warning);
    return false;
}

// Every game starts from the loaded teams: nobody is hurt from an earlier exhibition.
void Exhibition::FreshPlayers() {
    for (int k = 1; k <= kExhibitionSlots; ++k)
        stage_->player(kLastLeaguePlayer + k) = loadedPlayers_[static_cast<size_t>(k)];
    stage_->dayInjuries.clear();
}

std::optional<std::string> Exhibition::Sim(Host& host) {
    if (!Ready(host)) return std::nullopt;
    FreshPlayers();
    clsGame game(*stage_);
    game.StartGame(static_cast<int16_t>(HomeSlot()), static_cast<int16_t>(AwaySlot()), pbp, 0, "Exhibition",
                   Neutral());
    try {
        game.SimGame();
        if (pbp) {
            game.OutputPBP();
        } else {
            std::error_code ec;
            std::filesystem::remove(PbpFile(), ec); // an older game's play-by-play is not this one's
        }
    } catch (const std::exception& e) {
        host.ShowMessage(std::string("The game's files could not be written: ") + e.what(), kError,
                         MessageIcon::Critical);
        return std::nullopt;
    }
    lastResult_ = ExhibitionResult(game.AwayName(), game.HomeName(), game.AwayScore(), game.HomeScore());
    return lastResult_;
}

std::unique_ptr<CoachedGame> Exhibition::Coach(Host& host) {
    if (!Ready(host)) return nullptr;
    FreshPlayers();
    return std::make_unique<CoachedGame>(*stage_, HomeSlot(), AwaySlot(), 0, "Exhibition", Neutral());
}

std::filesystem::path Exhibition::BoxFile() const {
    FinishedGame game;
    game.Type = GameType::Exhibition;
    return BoxFilePath(*stage_, game);
}

std::filesystem::path Exhibition::PbpFile() const {
    FinishedGame game;
    game.Type = GameType::Exhibition;
    return PbpFilePath(*stage_, game);
}

std::optional<std::vector<std::string>> Exhibition::BoxLines(Host& host) const {
    std::optional<BoxScore> box = ReadBoxScoreFile(BoxFile());
    if (!box) {
        host.ShowMessage("Box score file not found", kError, MessageIcon::Warning);
        return std::nullopt;
    }
    return BoxScoreText(*box);
}

std::optional<std::vector<std::string>> Exhibition::PlayByPlayLines(Host& host) const {
    std::optional<std::vector<std::string>> lines = ReadTextLines(PbpFile());
    if (!lines) host.ShowMessage("Play-By-Play file not found", kError, MessageIcon::Warning);
    return lines;
}

} // namespace hv
