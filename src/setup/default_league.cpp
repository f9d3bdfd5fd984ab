#include "setup/default_league.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <limits>

#include "league/draft_picks.h"
#include "league/lineup.h"
#include "league/ratings.h"
#include "league/salary.h"
#include "league/saved_games.h"
#include "platform/sqlite_db.h"

namespace hv {

namespace {

int16_t Int16Column(const SqliteStatement& row, const std::string& column) {
    long long v = row.Int(column);
    return static_cast<int16_t>(
        std::clamp<long long>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

int32_t Int32Column(const SqliteStatement& row, const std::string& column) {
    long long v = row.Int(column);
    return static_cast<int32_t>(
        std::clamp<long long>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// Flags are stored as -1 / 0; any non-zero number, or the word "true", is set.
bool FlagColumn(const SqliteStatement& row, const std::string& column) {
    std::string text = row.Text(column);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text == "true" || row.Int(column) != 0;
}

// Characters, not bytes, of a UTF-8 text.
size_t CharacterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

int16_t Percent(Random& rng) {
    return static_cast<int16_t>(NearestInt(100 * rng.Uniform()));
}

// The multiplier range a + b*r of the potential randomization by league mode and experience.
void RandomizePotential(Player& p, PotentialRandomization mode, Random& rng) {
    static const double normal[4][2] = {{0.4, 1.2}, {0.6, 0.8}, {0.8, 0.4}, {0.9, 0.2}};
    static const double small[4][2] = {{0.8, 0.4}, {0.9, 0.2}, {0.95, 0.1}, {0.975, 0.05}};
    if (mode == PotentialRandomization::None) return;
    int band = p.Experience <= 3 ? 0 : p.Experience <= 7 ? 1 : p.Experience <= 10 ? 2 : 3;
    const double* ab = mode == PotentialRandomization::Normal ? normal[band] : small[band];
    double r = rng.Uniform();
    p.Potential = static_cast<int16_t>(NearestInt(p.Potential * (ab[0] + ab[1] * r)));
}

// The scouts' estimate of the potential: exact one time in five, otherwise off by up to 10 or 25 percent.
void ScoutPotential(Player& p, Random& rng) {
    double r = rng.Uniform();
    double known = p.Potential;
    if (r > 0.6)
        known = p.Potential * (0.75 + 0.5 * rng.Uniform());
    else if (r > 0.2)
        known = p.Potential * (0.9 + 0.2 * rng.Uniform());
    p.KnownPotential = static_cast<int16_t>(std::min(100, NearestInt(known)));
    p.PotentialGrade = GradeOf(p.KnownPotential);
}

std::string InjuryName(SqliteDb& db, long long injuryID) {
    auto stmt = db.Prepare("SELECT * FROM injuries WHERE injuryID = ?");
    stmt->Bind(1, injuryID);
    return stmt->Step() ? stmt->Text("InjuryName") : std::string("None");
}

// The row's values; Scoring is not read from the database (a kept roster draws it, a draft pool leaves it 0).
SourcePlayer SourceFromRow(SqliteDb& db, const SqliteStatement& row) {
    SourcePlayer s;
    s.Name = row.Text("Name");
    s.College = row.Text("ShowPotential");
    s.Height = Int16Column(row, "Height");
    s.Weight = Int16Column(row, "Weight");
    s.Age = Int16Column(row, "Age");
    s.Team = row.Text("Team");
    s.LastTeam = row.Text("LastTeam");
    s.LastFASeason = Int16Column(row, "LastFASeason");
    s.DefaultPosition = row.Text("DefaultPosition");
    s.PositionNumber = Int16Column(row, "PositionNumber");
    s.OriginalPosition = Int16Column(row, "OriginalPosition");
    s.Round = Int16Column(row, "Round");
    s.Pick = Int16Column(row, "Pick");
    s.Experience = Int16Column(row, "Experience");
    s.CAREERPOINTS = Int32Column(row, "CAREERPOINTS");
    for (int year = 1; year <= 8; ++year)
        s.Contracts[static_cast<size_t>(year - 1)] = Int32Column(row, "contract" + std::to_string(year));
    s.Exception = FlagColumn(row, "Exception");
    s.BirdYears = Int16Column(row, "BirdYears");
    s.Potential = Int16Column(row, "Potential");
    for (size_t i = 0; i < kSourceSkills.size(); ++i)
        s.Skills[i] = Int16Column(row, kSourceSkills[i].column);
    s.STAMINA = Int16Column(row, "STAMINA");
    s.Injury = InjuryName(db, row.Int("Injury"));
    s.TimeInjured = Int16Column(row, "TimeInjured");
    s.IR = FlagColumn(row, "IR");
    return s;
}

} // namespace

const std::array<SourceSkill, 15> kSourceSkills{{{"InsideScoring", &Player::InsideScoring},
                                                 {"JumpShot", &Player::JumpShot},
                                                 {"ThreePointShot", &Player::ThreePointShot},
                                                 {"Handling", &Player::Handling},
                                                 {"Passing", &Player::Passing},
                                                 {"Quickness", &Player::Quickness},
                                                 {"PostDefense", &Player::PostDefense},
                                                 {"PerimeterDefense", &Player::PerimeterDefense},
                                                 {"DriveDefense", &Player::DriveDefense},
                                                 {"Stealing", &Player::Stealing},
                                                 {"ShotBlocking", &Player::ShotBlocking},
                                                 {"OffenseRebound", &Player::OffenseRebound},
                                                 {"DefenseRebound", &Player::DefenseRebound},
                                                 {"Jumping", &Player::Jumping},
                                                 {"Strength", &Player::Strength}}};

void AdmitSourcePlayer(League& league, Player& p, const SourcePlayer& s,
                       const DefaultPlayerChoices& choices) {
    Random& rng = league.rng;
    p.Name = s.Name;
    p.College = CharacterCount(s.College) < 2 ? "N/A" : s.College;
    p.Height = s.Height;
    p.Weight = s.Weight;
    p.DisplayHeight = FormatHeight(p.Height); // derived, whatever the source says
    p.Age = s.Age;
    p.LastTeam = s.LastTeam;
    p.LastFASeason = s.LastFASeason;
    p.DefaultPosition = s.DefaultPosition;
    p.PositionNumber = s.PositionNumber;
    p.OriginalPosition = s.OriginalPosition;
    p.Experience = s.Experience;
    p.CAREERPOINTS = s.CAREERPOINTS;

    p.Greed = Percent(rng);
    p.Loyalty = Percent(rng);
    p.Winner = Percent(rng);
    p.Happiness = Percent(rng);
    if (!choices.creationDraft) p.Scoring = Percent(rng);

    if (choices.creationDraft) {
        p.Team = s.Team == kDraft ? kNextDraft : kDraft;
        p.HomeTeam = league.team(NearestInt(28 * rng.Uniform() + 1)).Name;
        // A positive salary style lets the pool keep the source's contracts.
        for (int year = 1; year <= 8; ++year)
            p.Contract(year) = choices.salaryStyle <= 0 ? 0 : s.Contracts[static_cast<size_t>(year - 1)];
        p.Exception = false;
        p.Signday = 0;
        p.SignYear = 0;
        p.Resign = true;
        p.Injury = "None";
        p.TimeInjured = 0;
        p.IR = false;
    } else {
        p.Team = s.Team;
        p.HomeTeam = "N/A";
        p.Round = s.Round;
        p.Pick = s.Pick;
        p.BirdYears = s.BirdYears;
        for (int year = 1; year <= 8; ++year)
            p.Contract(year) = s.Contracts[static_cast<size_t>(year - 1)];
        p.Exception = s.Exception;
        p.Signday = 0;
        p.SignYear = 0;
        p.Resign = true;
        p.Injury = s.Injury;
        p.TimeInjured = s.TimeInjured;
        p.IR = s.IR;
    }

    p.Potential = s.Potential;
    RandomizePotential(p, choices.randomization, rng);
    p.Potential = std::min<int16_t>(p.Potential, 99);
    ScoutPotential(p, rng);

    for (size_t i = 0; i < kSourceSkills.size(); ++i)
        p.*kSourceSkills[i].field = std::clamp<int16_t>(s.Skills[i], 0, 100);
    p.Scoring = std::clamp<int16_t>(p.Scoring, 0, 100);
    p.STAMINA = s.STAMINA;

    // An unsigned player of a team becomes a free agent. Players already free keep their last team, and
    // draft prospects stay in their class.
    if (!choices.creationDraft && p.contract1 == 0 && p.Team != kDraft && p.Team != kFreeAgent &&
        p.Team != kNextDraft) {
        p.LastTeam = p.Team;
        p.Team = kFreeAgent;
    }
}

namespace {

void ReadPlayer(League& league, SqliteDb& db, const SqliteStatement& row, Player& p,
                const DefaultPlayerChoices& choices) {
    AdmitSourcePlayer(league, p, SourceFromRow(db, row), choices);
}

} // namespace

PotentialRandomization RandomizationFromChoice(const std::string& choice) {
    if (choice == "Small Randomization") return PotentialRandomization::Small;
    if (choice == "No Randomization") return PotentialRandomization::None;
    return PotentialRandomization::Normal;
}

void ReadDefaultTeams(League& league, SqliteDb& db) {
    auto rows = db.Prepare("Select * from Team Order by ID");
    int slot = 0;
    while (slot < kLeagueTeams && rows->Step()) {
        Team& t = league.team(++slot);
        t = Team{};
        t.City = rows->Text("City");
        t.Name = rows->Text("Name");
        t.Owner = rows->Text("Owner");
        t.CoachTeam = FlagColumn(*rows, "benchC");
        t.pbp = FlagColumn(*rows, "pbp");
        t.Conference = rows->Text("Conference");
        t.Division = rows->Text("Division");
        double r = league.rng.Uniform();
        t.DraftFocus = r <= 0.4 ? 1 : r <= 0.8 ? 2 : 3;
    }
    if (slot < kLeagueTeams)
        throw DatabaseError("The default league database holds " + std::to_string(slot) + " teams; " +
                            std::to_string(kLeagueTeams) + " are needed.");
}

void ReadDefaultPlayers(League& league, SqliteDb& db, const DefaultPlayerChoices& choices) {
    auto row = db.Prepare("SELECT * FROM Player WHERE ID = ?");
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        p = Player{};
        row->Reset();
        row->Bind(1, id);
        if (!row->Step()) continue;
        // A row without a name is no player: the slot stays empty and free.
        std::string name = row->Text("Name");
        if (name.empty() || name == "N/A") continue;
        ReadPlayer(league, db, *row, p, choices);
        CalculatePlayerRatings(p);
        if (p.Team != kFreeAgent && p.Team != kDraft) league.AddToRoster(id);
    }
    CalculateAbsoluteRatings(league);
}

bool LoadDefaultLeagueKeepingRosters(Session& session, Host& host, const std::string& leagueName,
                                     PotentialRandomization randomization) {
    if (leagueName.empty()) {
        host.ShowMessage("Please Name the League.", "Error");
        return false;
    }
    if (auto problem = LeagueNameProblem(leagueName)) {
        host.ShowMessage(*problem, "Error");
        return false;
    }
    if (!session.database) {
        host.ShowMessage("The default league database is not open.", "Error", MessageIcon::Critical);
        return false;
    }
    // Built on a copy so that a bad database leaves the running league untouched.
    auto staged = std::make_unique<League>(session.league);
    try {
        ReadDefaultTeams(*staged, *session.database);
        DefaultPlayerChoices choices;
        choices.randomization = randomization;
        choices.salaryStyle = session.settings.SalaryStyle;
        ReadDefaultPlayers(*staged, *session.database, choices);
        RecountPayrolls(*staged);
    } catch (const DatabaseError& e) {
        host.ShowMessage(std::string("Invalid default.lge file\n") + e.what(), "Error",
                         MessageIcon::Critical);
        return false;
    }
    try {
        EnsureLeagueFolders(staged->programFolder, leagueName);
    } catch (const std::filesystem::filesystem_error& e) {
        host.ShowMessage(std::string("Cannot create the league's folders: ") + e.what(), "Error",
                         MessageIcon::Critical);
        return false;
    }
    staged->RebuildFreeIDs();
    staged->savedGame = {}; // a new league: no saved game yet, and the previous league's lock is let go
    SeasonState& state = staged->state;
    state.LeagueName = leagueName;
    state.LeagueFolder = staged->LeagueFolderOf(leagueName).string();
    state.Season = static_cast<int16_t>(session.settings.FirstSeason);
    state.FirstSeason = state.Season;
    state.SetSalaryCapDollars(session.settings.SalaryCap);
    CreatePickTable(*staged);
    staged->leagueOpen = true;
    for (int team = 1; team <= kLeagueTeams; ++team)
        SetLineup(*staged, team);
    session.league = std::move(*staged);
    return true;
}

} // namespace hv
