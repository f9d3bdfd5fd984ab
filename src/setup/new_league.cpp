#include "setup/new_league.h"

#include <algorithm>
#include <charconv>
#include <functional>

#include "league/draft_picks.h"
#include "league/lineup.h"
#include "league/ratings.h"
#include "league/salary.h"
#include "league/saved_games.h"
#include "personnel/draft.h"
#include "personnel/draft_class.h"
#include "platform/sqlite_db.h"
#include "setup/player_import.h"
#include "setup/stats_import.h"

namespace fs = std::filesystem;

namespace hv {

const char* const kResetQuestion =
    "This will release all players and run a creation draft. Would you like to continue?";

const std::vector<std::string>& LeagueTypeItems() {
    static const std::vector<std::string> items{"Default", "Creation Draft", "Exhibition Game"};
    return items;
}

const std::vector<std::string>& RandomizationItems() {
    static const std::vector<std::string> items{"Default Randomization", "Small Randomization",
                                                "No Randomization"};
    return items;
}

std::vector<std::string> PlayerSourceItems(const fs::path& programFolder) {
    std::vector<std::string> items{"Default League", "Fictional League"};
    for (const std::string& file : LeagueImportFiles(programFolder))
        items.push_back(file);
    for (const std::string& file : StatsFiles(programFolder))
        items.push_back(StatsSourceItem(file));
    return items;
}

namespace {
constexpr std::string_view kStatsItem = "Statistics: ";
}

std::string StatsSourceItem(const std::string& file) {
    return std::string(kStatsItem) + file;
}

std::string StatsSourceFile(const std::string& item) {
    return item.rfind(kStatsItem, 0) == 0 ? item.substr(kStatsItem.size()) : std::string();
}

int FirstSeasonFromText(const std::string& text) {
    std::string t = text;
    t.erase(0, t.find_first_not_of(" \t"));
    t.erase(t.find_last_not_of(" \t") + 1);
    long long value = 2001;
    const char* begin = t.data() + (!t.empty() && t[0] == '+' ? 1 : 0);
    auto [end, ec] = std::from_chars(begin, t.data() + t.size(), value);
    if (t.empty() || ec == std::errc::invalid_argument || end != t.data() + t.size())
        value = 2001;
    else if (ec == std::errc::result_out_of_range)
        value = t[0] == '-' ? 0 : 9999;
    return static_cast<int>(std::clamp<long long>(value, 1891, 3000));
}

bool ReadNewLeagueTeams(Session& session, Host& host, NewLeagueTeams& out) {
    if (!session.database) {
        host.ShowMessage("The default league database is not open.", "Error", MessageIcon::Critical);
        return false;
    }
    League scratch;
    scratch.rng = session.league.rng;
    try {
        ReadDefaultTeams(scratch, *session.database);
    } catch (const DatabaseError& e) {
        host.ShowMessage(std::string("Invalid default.lge file\n") + e.what(), "Error",
                         MessageIcon::Critical);
        return false;
    }
    session.league.rng = scratch.rng;
    for (int t = 1; t <= kLeagueTeams; ++t)
        out.teams[static_cast<size_t>(t)] = scratch.team(t);
    return true;
}

namespace {

// A new league object that keeps what start-up read (data files, program folder) and the random stream.
std::unique_ptr<League> FreshLeague(const League& running) {
    auto fresh = std::make_unique<League>();
    fresh->programFolder = running.programFolder;
    fresh->firstNames = running.firstNames;
    fresh->lastNames = running.lastNames;
    fresh->colleges = running.colleges;
    fresh->injuryTypes = running.injuryTypes;
    fresh->rng = running.rng;
    // The exhibition teams' slots are not part of a league.
    for (int id = kLastLeaguePlayer + 1; id < kPlayerSlots; ++id)
        fresh->player(id) = running.player(id);
    return fresh;
}

bool FillFromImport(League& league, Host& host, const NewLeagueChoices& choices,
                    const DefaultPlayerChoices& mode) {
    auto knownTeam = [&](const std::string& name) { return league.FindTeam(name) != 0; };
    ImportResult read =
        ReadImportFile(league.programFolder / "import" / choices.importFile, ImportFormat::League, knownTeam);
    if (read.problem) {
        host.ShowMessage(ImportErrorText(*read.problem), "Import Error", MessageIcon::Critical);
        return false;
    }
    for (size_t i = 0; i < read.players.size(); ++i) {
        int id = static_cast<int>(i) + 1;
        Player& p = league.player(id);
        p = Player{};
        AdmitSourcePlayer(league, p, read.players[i], mode);
        // A league that keeps its rosters starts in free agency: the next draft it holds is the class
        // "Draft".
        if (!mode.creationDraft && p.Team == kNextDraft) p.Team = kDraft;
        CalculatePlayerRatings(p);
        league.AddToRoster(id);
    }
    return true;
}

// Players rated from a statistics file: each gets a first contract by his worth once all are rated.
bool FillFromStats(League& league, Host& host, const NewLeagueChoices& choices,
                   const DefaultPlayerChoices& mode) {
    auto knownTeam = [&](const std::string& name) { return league.FindTeam(name) != 0; };
    StatsReadResult read = ReadStatsFile(league.programFolder / "import" / choices.importFile, knownTeam,
                                         static_cast<size_t>(MostImportedPlayers(ImportFormat::League)));
    if (read.problem) {
        host.ShowMessage(ImportErrorText(*read.problem), "Import Error", MessageIcon::Critical);
        return false;
    }
    std::vector<SourcePlayer> players = PlayersFromStats(read.lines);
    std::vector<int> onTeams;
    for (size_t i = 0; i < players.size(); ++i) {
        int id = static_cast<int>(i) + 1;
        Player& p = league.player(id);
        p = Player{};
        SourcePlayer& s = players[i];
        const bool onTeam = league.FindTeam(s.Team) != 0;
        if (onTeam) s.Contracts[0] = 1; // kept on his team; the real contract follows
        AdmitSourcePlayer(league, p, s, mode);
        if (onTeam && !mode.creationDraft) onTeams.push_back(id);
        for (int year = 1; year <= 8; ++year)
            p.Contract(year) = 0;
        CalculatePlayerRatings(p);
    }
    for (int id : onTeams) {
        SetContract(league.player(id), StartingContract(league, id, league.rng));
        league.AddToRoster(id);
    }
    return true;
}

void GeneratePool(League& league, Host& host, const std::function<void(int id, int k)>& place) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        league.player(id) = Player{};
    league.RebuildFreeIDs();
    int count = 0;
    for (int position = 1; position <= 5; ++position) {
        for (int k = 1; k <= 100; ++k) {
            int id = league.AllocatePlayerID();
            GeneratePlayer(league, id, position);
            place(id, k);
            ++count;
            host.SetProgress(std::to_string(count) + " to 500", count, 500);
            host.PumpEvents();
        }
    }
}

} // namespace

void CreateLeague(League& league, Host& host) {
    GeneratePool(league, host, [&](int id, int) { league.player(id).Team = kDraft; });
}

void CreateFictionalLeague(League& league, Host& host) {
    std::vector<int> signed_;
    GeneratePool(league, host, [&](int id, int k) {
        Player& p = league.player(id);
        if (k <= 2 * kLeagueTeams) {
            p.Team = league.team(k <= kLeagueTeams ? k : k - kLeagueTeams).Name;
            signed_.push_back(id);
        } else {
            p.Team = kFreeAgent;
        }
    });
    // Contracts once everybody exists: a player's worth depends on the others at his position.
    for (int id : signed_) {
        SetContract(league.player(id), StartingContract(league, id, league.rng));
        league.AddToRoster(id);
    }
}

namespace {

// Steps 11 to 14 of a new league: the players from the source, the pool, the phase and the draft class.
bool FillPlayers(Session& session, Host& host, League& league, const NewLeagueChoices& choices,
                 const DefaultPlayerChoices& mode) {
    const bool creation = mode.creationDraft;
    SeasonState& s = league.state;
    switch (choices.source) {
    case PlayerSource::DefaultLeague:
        if (!session.database) {
            host.ShowMessage("The default league database is not open.", "Error", MessageIcon::Critical);
            return false;
        }
        try {
            ReadDefaultPlayers(league, *session.database, mode);
        } catch (const DatabaseError& e) {
            host.ShowMessage(std::string("Invalid default.lge file\n") + e.what(), "Error",
                             MessageIcon::Critical);
            return false;
        }
        break;
    case PlayerSource::Fictional:
        host.SetBusy(true);
        if (creation)
            CreateLeague(league, host);
        else
            CreateFictionalLeague(league, host);
        host.SetBusy(false);
        break;
    case PlayerSource::ImportFile:
        if (!FillFromImport(league, host, choices, mode)) return false;
        break;
    case PlayerSource::StatsFile:
        if (!FillFromStats(league, host, choices, mode)) return false;
        break;
    }
    league.RebuildFreeIDs();
    if (choices.source != PlayerSource::Fictional) {
        if (creation)
            TopUpPool(league, kDraft, kNextDraft);
        else
            TopUpPool(league, kFreeAgent, kDraft);
    }

    if (creation) {
        s.SeasonDay = Phase::CreationDraft;
        std::array<int16_t, kLeagueTeams> order;
        for (int i = 0; i < kLeagueTeams; ++i)
            order[static_cast<size_t>(i)] = static_cast<int16_t>(i + 1);
        SetCreationOrderList(league, order);
    } else {
        s.SeasonDay = Phase::FirstFreeAgency;
        RecountPayrolls(league);
        for (int t = 1; t <= kLeagueTeams; ++t)
            SetLineup(league, t);
    }
    EnsureComingDraftClass(league);
    CalculateAbsoluteRatings(league);
    return true;
}

} // namespace

bool CreateNewLeague(Session& session, Host& host, const NewLeagueChoices& choices,
                     const NewLeagueTeams& teams) {
    if (choices.type == LeagueType::Exhibition) {
        host.ShowMessage("Exhibition games are not available in this version.", "Error",
                         MessageIcon::Information);
        return false;
    }
    if (choices.name.empty()) {
        host.ShowMessage("Please Name the League.", "Error");
        return false;
    }
    if (auto problem = LeagueNameProblem(choices.name)) {
        host.ShowMessage(*problem, "Error");
        return false;
    }
    const bool creation = choices.type == LeagueType::CreationDraft;
    auto staged = FreshLeague(session.league);
    League& league = *staged;
    for (int t = 1; t <= kLeagueTeams; ++t)
        league.team(t) = teams.teams[static_cast<size_t>(t)];
    if (creation) league.tables.draftOrder.assign(kCreationDraftRounds * kLeagueTeams + 1, DraftSlot{});

    SeasonState& s = league.state;
    s.Season = static_cast<int16_t>(std::clamp(choices.firstSeason, 1891, 3000));
    s.FirstSeason = s.Season;
    s.SeasonDay = Phase::BeforeSeason;
    s.SetSalaryCapDollars(session.settings.SalaryCap);
    s.DraftState = 0;
    s.DraftPickState = 0;
    CreatePickTable(league);
    s.LeagueName = choices.name;
    s.SiteStyle = DefaultSiteStyle();
    s.Engine = choices.engine;
    s.Trades = choices.trades;
    s.CommissionerRights = false;
    if (choices.password.empty()) {
        s.Password = kNoPassword;
        s.CommissionerRights = true;
    } else if (choices.password == kNoPassword) {
        host.ShowMessage("Invalid Password", "Error", MessageIcon::Critical);
        return false;
    } else {
        s.Password = choices.password;
    }

    bool anyHuman = false;
    for (int t = 1; t <= kLeagueTeams; ++t)
        anyHuman = anyHuman || league.team(t).Owner == "Human";
    if (!anyHuman &&
        !host.AskYesNo("You have not selected a human team. Would you like to continue?", "Warning"))
        return false;

    league.leagueOpen = true;
    s.LeagueFolder = league.LeagueFolderOf(choices.name).string();

    DefaultPlayerChoices mode{creation, choices.randomization, session.settings.SalaryStyle};
    try {
        if (!FillPlayers(session, host, league, choices, mode)) return false;
    } catch (const FatalError& fatal) {
        // No slot left for the draft class or the pool: the new league cannot be made, the running one stays.
        host.ShowMessage(fatal.text, fatal.title.empty() ? "Error" : fatal.title, fatal.icon);
        return false;
    }
    // Only a league that could be made gets its folders: a refused file leaves nothing behind.
    try {
        EnsureLeagueFolders(league.programFolder, choices.name);
    } catch (const fs::filesystem_error& e) {
        host.ShowMessage(std::string("Cannot create the league's folders: ") + e.what(), "Error",
                         MessageIcon::Critical);
        return false;
    }
    session.league = std::move(league);
    return true;
}

void ResetLeague(League& league, int salaryStyle) {
    SeasonState& s = league.state;
    s.SeasonDay = Phase::CreationDraft;
    s.DraftState = 0;
    s.DraftPickState = 0;
    CreatePickTable(league);
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        team.TotalSalary = 0;
        team.CutSalary.fill(0);
        team.NumPlayers = team.ActivePlayers = 0;
        team.Cs = team.PFs = team.SFs = team.SGs = team.PGs = 0;
        team.SeasonWinsVs.fill(0);
        team.SeasonLossesVs.fill(0);
        team.DraftList.clear();
    }
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (p.IsEmpty()) continue;
        p.IR = false;
        p.Team = p.Team == kDraft ? kNextDraft : kDraft;
        if (salaryStyle <= 0)
            for (int year = 1; year <= 8; ++year)
                p.Contract(year) = 0;
    }
    league.tables.transactions.clear();
    league.tables.bids.clear();
    league.tables.draftOrder.assign(kCreationDraftRounds * kLeagueTeams + 1, DraftSlot{});
    EnsureComingDraftClass(league);
}

} // namespace hv
