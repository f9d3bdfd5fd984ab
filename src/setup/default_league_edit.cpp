#include "setup/default_league_edit.h"

#include "league/ratings.h"
#include "setup/default_league.h"

namespace hv {

namespace {

// The player columns the editor writes besides the skills, in the order of the UPDATE below.
const char* const kPlayerUpdate =
    "UPDATE Player SET Name = ?, ShowPotential = ?, Height = ?, Weight = ?, DisplayHeight = ?, Age = ?, "
    "Team = ?, LastTeam = ?, DefaultPosition = ?, PositionNumber = ?, OriginalPosition = ?, contract1 = ?, "
    "contract2 = ?, contract3 = ?, contract4 = ?, contract5 = ?, contract6 = ?, contract7 = ?, contract8 = "
    "?, "
    "Potential = ?, Scoring = ?, TimeInjured = ?, IR = ?, Injury = ?";

std::vector<long long> TeamIDs(SqliteDb& db) {
    std::vector<long long> ids;
    auto rows = db.Prepare("SELECT ID FROM Team ORDER BY ID");
    while (rows->Step() && ids.size() < static_cast<size_t>(kLeagueTeams))
        ids.push_back(rows->Int("ID"));
    return ids;
}

int16_t Small(const SqliteStatement& row, const char* column) {
    return static_cast<int16_t>(row.Int(column));
}

} // namespace

void ReadDefaultLeagueForEditing(SqliteDb& db, League& league) {
    ReadDefaultTeams(league, db);
    auto rows = db.Prepare("SELECT * FROM Player ORDER BY ID");
    while (rows->Step()) {
        const long long id = rows->Int("ID");
        const std::string name = rows->Text("Name");
        if (id < 1 || id > kLastLeaguePlayer || name.empty() || name == "N/A") continue;
        Player& p = league.player(static_cast<int>(id));
        p = Player{};
        p.Name = name;
        p.College = rows->Text("ShowPotential");
        if (p.College.size() < 2) p.College = "N/A";
        p.Height = Small(*rows, "Height");
        p.Weight = Small(*rows, "Weight");
        p.Age = Small(*rows, "Age");
        p.Team = rows->Text("Team");
        p.LastTeam = rows->Text("LastTeam");
        p.PositionNumber = Small(*rows, "PositionNumber");
        p.OriginalPosition = Small(*rows, "OriginalPosition");
        for (int year = 1; year <= 8; ++year)
            p.Contract(year) = static_cast<int32_t>(rows->Int("contract" + std::to_string(year)));
        p.Potential = Small(*rows, "Potential");
        p.KnownPotential = p.Potential;
        for (const SourceSkill& skill : kSourceSkills)
            p.*skill.field = Small(*rows, skill.column);
        p.Scoring = Small(*rows, "Scoring");
        p.STAMINA = Small(*rows, "STAMINA");
        p.TimeInjured = Small(*rows, "TimeInjured");
        p.IR = rows->Int("IR") != 0;
        auto injury = db.Prepare("SELECT InjuryName FROM injuries WHERE injuryID = ?");
        injury->Bind(1, rows->Int("Injury"));
        p.Injury = injury->Step() ? injury->Text("InjuryName") : std::string("None");
        DeriveDisplayFields(p);
        CalculatePlayerRatings(p);
        league.AddToRoster(static_cast<int>(id));
    }
    for (int t = 1; t <= kLeagueTeams; ++t) {
        int64_t payroll = 0;
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            if (!league.player(id).IsEmpty() && league.player(id).Team == league.team(t).Name)
                payroll += league.player(id).contract1;
        league.team(t).TotalSalary = static_cast<int32_t>(payroll);
    }
    league.RebuildFreeIDs();
    league.state.SeasonDay = Phase::NoLeague;
    league.state.CommissionerRights = true;
}

void WriteDefaultLeague(SqliteDb& db, const League& league) {
    db.Execute("BEGIN");
    try {
        const std::vector<long long> ids = TeamIDs(db);
        auto team =
            db.Prepare("UPDATE Team SET City = ?, Name = ?, Owner = ?, benchC = ?, pbp = ? WHERE ID = ?");
        for (size_t i = 0; i < ids.size(); ++i) {
            const Team& t = league.team(static_cast<int>(i) + 1);
            team->Reset();
            team->Bind(1, t.City);
            team->Bind(2, t.Name);
            team->Bind(3, t.Owner);
            team->Bind(4, t.CoachTeam ? -1LL : 0LL);
            team->Bind(5, t.pbp ? -1LL : 0LL);
            team->Bind(6, ids[i]);
            team->Step();
        }
        std::string sql = kPlayerUpdate;
        for (const SourceSkill& skill : kSourceSkills)
            sql += std::string(", ") + skill.column + " = ?";
        sql += " WHERE ID = ?";
        auto player = db.Prepare(sql);
        auto injury = db.Prepare("SELECT injuryID FROM injuries WHERE InjuryName = ?");
        for (int id = 1; id <= kLastLeaguePlayer; ++id) {
            const Player& p = league.player(id);
            if (p.IsEmpty()) continue;
            injury->Reset();
            injury->Bind(1, p.Injury);
            const long long injuryID = injury->Step() ? injury->Int("injuryID") : 0;
            player->Reset();
            int n = 0;
            for (const std::string* text : {&p.Name, &p.College})
                player->Bind(++n, *text);
            player->Bind(++n, static_cast<long long>(p.Height));
            player->Bind(++n, static_cast<long long>(p.Weight));
            player->Bind(++n, FormatHeight(p.Height));
            player->Bind(++n, static_cast<long long>(p.Age));
            player->Bind(++n, p.Team);
            player->Bind(++n, p.LastTeam);
            player->Bind(++n, p.DefaultPosition);
            player->Bind(++n, static_cast<long long>(p.PositionNumber));
            player->Bind(++n, static_cast<long long>(p.OriginalPosition));
            for (int year = 1; year <= 8; ++year)
                player->Bind(++n, static_cast<long long>(p.Contract(year)));
            player->Bind(++n, static_cast<long long>(p.Potential));
            player->Bind(++n, static_cast<long long>(p.Scoring));
            player->Bind(++n, static_cast<long long>(p.TimeInjured));
            player->Bind(++n, p.IR ? -1LL : 0LL);
            player->Bind(++n, injuryID);
            for (const SourceSkill& skill : kSourceSkills)
                player->Bind(++n, static_cast<long long>(p.*skill.field));
            player->Bind(++n, static_cast<long long>(id));
            player->Step();
        }
        db.Execute("COMMIT");
    } catch (...) {
        db.Execute("ROLLBACK");
        throw;
    }
}

} // namespace hv
