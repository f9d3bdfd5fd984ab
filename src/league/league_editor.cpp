#include "league/league_editor.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "league/binary_io.h"
#include "league/league_options.h"
#include "league/lineup.h"
#include "league/lineup_edit.h"
#include "league/lineup_repair.h"
#include "league/ratings.h"
#include "league/team_control.h"
#include "league/transactions.h"

namespace hv {

namespace {

enum class Kind { Text, Position, Small, Money, TeamName, Injury, Flag };

struct PlayerField {
    const char* name;
    Kind kind;
    int16_t Player::*small = nullptr;
    int32_t Player::*money = nullptr;
    long long lo = 0, hi = 0;
};

constexpr long long kMostMoney = std::numeric_limits<int32_t>::max();

const std::vector<PlayerField>& PlayerFields() {
    static const std::vector<PlayerField> fields{
        {"Name", Kind::Text},
        {"Position", Kind::Position},
        {"OriginalPosition", Kind::Position},
        {"Age", Kind::Small, &Player::Age, nullptr, 16, 50},
        {"Height", Kind::Small, &Player::Height, nullptr, 60, 100},
        {"Weight", Kind::Small, &Player::Weight, nullptr, 100, 400},
        {"College", Kind::Text},
        {"Team", Kind::TeamName},
        {"InsideScoring", Kind::Small, &Player::InsideScoring, nullptr, 0, 100},
        {"JumpShot", Kind::Small, &Player::JumpShot, nullptr, 0, 100},
        {"ThreePointShot", Kind::Small, &Player::ThreePointShot, nullptr, 0, 100},
        {"Scoring", Kind::Small, &Player::Scoring, nullptr, 0, 100},
        {"Handling", Kind::Small, &Player::Handling, nullptr, 0, 100},
        {"Passing", Kind::Small, &Player::Passing, nullptr, 0, 100},
        {"Quickness", Kind::Small, &Player::Quickness, nullptr, 0, 100},
        {"PostDefense", Kind::Small, &Player::PostDefense, nullptr, 0, 100},
        {"PerimeterDefense", Kind::Small, &Player::PerimeterDefense, nullptr, 0, 100},
        {"DriveDefense", Kind::Small, &Player::DriveDefense, nullptr, 0, 100},
        {"Stealing", Kind::Small, &Player::Stealing, nullptr, 0, 100},
        {"ShotBlocking", Kind::Small, &Player::ShotBlocking, nullptr, 0, 100},
        {"OffenseRebound", Kind::Small, &Player::OffenseRebound, nullptr, 0, 100},
        {"DefenseRebound", Kind::Small, &Player::DefenseRebound, nullptr, 0, 100},
        {"Jumping", Kind::Small, &Player::Jumping, nullptr, 0, 100},
        {"Strength", Kind::Small, &Player::Strength, nullptr, 0, 100},
        {"Potential", Kind::Small, &Player::Potential, nullptr, 0, 99},
        {"KnownPotential", Kind::Small, &Player::KnownPotential, nullptr, 0, 100},
        {"contract1", Kind::Money, nullptr, &Player::contract1, 0, kMostMoney},
        {"contract2", Kind::Money, nullptr, &Player::contract2, 0, kMostMoney},
        {"contract3", Kind::Money, nullptr, &Player::contract3, 0, kMostMoney},
        {"contract4", Kind::Money, nullptr, &Player::contract4, 0, kMostMoney},
        {"contract5", Kind::Money, nullptr, &Player::contract5, 0, kMostMoney},
        {"contract6", Kind::Money, nullptr, &Player::contract6, 0, kMostMoney},
        {"contract7", Kind::Money, nullptr, &Player::contract7, 0, kMostMoney},
        {"contract8", Kind::Money, nullptr, &Player::contract8, 0, kMostMoney},
        {"Injury", Kind::Injury},
        {"TimeInjured", Kind::Small, &Player::TimeInjured, nullptr, 0, 365},
        {"IR", Kind::Flag},
    };
    return fields;
}

// The sixteen skills, whose limits the ratings apply.
const std::vector<int16_t Player::*>& Skills() {
    static const std::vector<int16_t Player::*> skills{
        &Player::InsideScoring,    &Player::JumpShot,       &Player::ThreePointShot, &Player::Scoring,
        &Player::Handling,         &Player::Passing,        &Player::Quickness,      &Player::PostDefense,
        &Player::PerimeterDefense, &Player::DriveDefense,   &Player::Stealing,       &Player::ShotBlocking,
        &Player::OffenseRebound,   &Player::DefenseRebound, &Player::Jumping,        &Player::Strength};
    return skills;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool SameWord(const std::string& a, const std::string& b) {
    return Lower(a) == Lower(b);
}

std::string Trimmed(std::string text) {
    text.erase(0, text.find_first_not_of(" \t"));
    text.erase(text.find_last_not_of(" \t") + 1);
    return text;
}

const PlayerField* FindPlayerField(const std::string& name) {
    for (const PlayerField& f : PlayerFields())
        if (SameWord(f.name, name)) return &f;
    return nullptr;
}

std::optional<long long> WholeNumber(const std::string& text) {
    std::string t = Trimmed(text);
    // Money may be typed as the screens show it: "$1,250,000".
    std::erase(t, ',');
    if (!t.empty() && t[0] == '$') t.erase(0, 1);
    long long value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return value;
}

std::optional<bool> FlagValue(const std::string& text) {
    const std::string t = Lower(Trimmed(text));
    if (t == "yes" || t == "true" || t == "on" || t == "1") return true;
    if (t == "no" || t == "false" || t == "off" || t == "0") return false;
    return std::nullopt;
}

// A name or a college: UTF-8 text without control characters or commas (the exports separate by commas).
std::optional<std::string> TextProblem(const std::string& field, const std::string& text, size_t most) {
    if (!IsValidUtf8(text)) return field + " is not UTF-8 text";
    for (char c : text)
        if (static_cast<unsigned char>(c) < 32) return field + " holds a control character";
    if (text.find(',') != std::string::npos) return field + " \"" + text + "\" holds a comma";
    if (text.size() > most) return field + " is longer than " + std::to_string(most) + " characters";
    return std::nullopt;
}

std::string Range(long long lo, long long hi) {
    return std::to_string(lo) + " to " + std::to_string(hi);
}

bool IsPseudoTeam(const std::string& team) {
    return team == kFreeAgent || team == kDraft || team == kNextDraft;
}

// The Team value that `text` names: a team's Name or a pseudo-team, in any letter case.
std::optional<std::string> TeamValue(const League& league, const std::string& text) {
    for (int slot = 1; slot <= kLeagueTeams; ++slot)
        if (SameWord(league.team(slot).Name, Trimmed(text))) return league.team(slot).Name;
    for (const char* pseudo : {kFreeAgent, kDraft, kNextDraft})
        if (SameWord(pseudo, Trimmed(text))) return std::string(pseudo);
    return std::nullopt;
}

// Sets one field of `p` from text; the fault when the value does not fit the field.
std::optional<std::string> SetPlayerField(const League& league, Player& p, const PlayerField& f,
                                          const std::string& value) {
    const std::string name = f.name;
    switch (f.kind) {
    case Kind::Text: {
        std::string text = Trimmed(value);
        if (name == "Name") {
            if (text.empty() || text == "N/A") return std::string("Name must not be empty");
            if (auto problem = TextProblem(name, text, 40)) return problem;
            p.Name = text;
        } else {
            if (auto problem = TextProblem(name, text, 60)) return problem;
            p.College = text.size() < 2 ? "N/A" : text;
        }
        return std::nullopt;
    }
    case Kind::Position: {
        // A player the league holds without an original position keeps none.
        if (name == "OriginalPosition" && Trimmed(value).empty() && p.OriginalPosition == 0)
            return std::nullopt;
        int position = PositionFromText(Trimmed(value));
        if (position == 0) return name + " \"" + value + "\" is not C, PF, SF, SG or PG";
        if (name == "Position")
            p.PositionNumber = static_cast<int16_t>(position);
        else
            p.OriginalPosition = static_cast<int16_t>(position);
        return std::nullopt;
    }
    case Kind::Small:
    case Kind::Money: {
        auto number = WholeNumber(value);
        if (!number) return name + " \"" + value + "\" is not a whole number";
        if (*number < f.lo || *number > f.hi)
            return name + " " + std::to_string(*number) + " is outside " + Range(f.lo, f.hi);
        if (f.kind == Kind::Small)
            p.*f.small = static_cast<int16_t>(*number);
        else
            p.*f.money = static_cast<int32_t>(*number);
        return std::nullopt;
    }
    case Kind::TeamName: {
        auto team = TeamValue(league, value);
        if (!team) return "Team \"" + value + "\" is no team of the league, FA, Draft or NextDraft";
        p.Team = *team;
        return std::nullopt;
    }
    case Kind::Injury: {
        std::string text = Trimmed(value);
        if (SameWord(text, "None")) {
            p.Injury = "None";
            return std::nullopt;
        }
        for (const InjuryType& type : league.injuryTypes)
            if (!type.Name.empty() && SameWord(type.Name, text)) {
                p.Injury = type.Name;
                return std::nullopt;
            }
        if (league.injuryTypes.empty() && !text.empty() && !TextProblem(name, text, 40)) {
            p.Injury = text;
            return std::nullopt;
        }
        return "Injury \"" + value + "\" is not None or an injury of the injury table";
    }
    case Kind::Flag: {
        auto flag = FlagValue(value);
        if (!flag) return name + " \"" + value + "\" is not yes or no";
        p.IR = *flag;
        return std::nullopt;
    }
    }
    return std::nullopt;
}

// Whether the league's season is under way, when teams must keep their active rosters.
bool InSeason(const SeasonState& s) {
    return s.SeasonDay >= Phase::FirstDay && s.SeasonDay <= Phase::LastPlayoffDay;
}

// What is wrong with the edited record as a whole, against the player as he stands in the league.
std::optional<std::string> WholePlayerProblem(const League& league, int id, const Player& now) {
    const Player& was = league.player(id);
    for (auto skill : Skills()) {
        Player limited = now;
        ApplyAttributeLimits(limited);
        if (limited.*skill == now.*skill) continue;
        for (const PlayerField& f : PlayerFields())
            if (f.small == skill)
                return std::string(f.name) + " " + std::to_string(now.*skill) +
                       (now.*skill < limited.*skill ? " is below " : " is above ") +
                       std::to_string(limited.*skill) + ", the limit for an original " +
                       PositionText(now.OriginalPosition);
    }
    // The rules below hold for what the edit changes; a record the league already holds as it is stays
    // editable in its other fields.
    const bool healthChanged = now.Injury != was.Injury || now.TimeInjured != was.TimeInjured;
    if (healthChanged && now.Injury == "None" && now.TimeInjured != 0)
        return std::string("a healthy player (Injury None) has no injury days (TimeInjured 0)");
    const int newTeam = league.FindTeam(now.Team);
    const int oldTeam = TeamOfPlayer(league, id);
    if (now.IR && newTeam == 0) return std::string("only a player of a team can be on injured reserve");
    bool contractChanged = newTeam != oldTeam;
    for (int year = 1; year <= 8; ++year)
        contractChanged = contractChanged || now.Contract(year) != was.Contract(year);
    if (contractChanged && newTeam != 0 && now.contract1 <= 0)
        return "a player of the " + now.Team + " needs a salary this season (contract1)";
    for (int year = 2; year <= 8 && contractChanged; ++year)
        if (now.Contract(year) != 0 && now.Contract(year - 1) == 0)
            return "contract" + std::to_string(year) + " follows a year without a contract";
    if (newTeam != 0 && newTeam != oldTeam && league.team(newTeam).NumPlayers >= kMaxRoster)
        return "the " + now.Team + " have " + std::to_string(league.team(newTeam).NumPlayers) +
               " players, the most a roster holds";
    if (newTeam != 0) {
        const Team& t = league.team(newTeam);
        int64_t payroll =
            static_cast<int64_t>(t.TotalSalary) + now.contract1 - (oldTeam == newTeam ? was.contract1 : 0);
        if (payroll > kMostMoney)
            return "the " + now.Team + " payroll would exceed " + SalaryCapText(kMostMoney);
    }
    if (oldTeam != 0 && InSeason(league.state)) {
        const Team& t = league.team(oldTeam);
        const int before = t.ActivePlayers;
        const int after = before - (was.IR ? 0 : 1) + (newTeam == oldTeam && !now.IR ? 1 : 0);
        if (after < before && after < kActiveRoster)
            return "the " + t.Name + " would keep " + std::to_string(after) +
                   " active players; a team needs " + std::to_string(kActiveRoster) + " during the season";
    }
    return std::nullopt;
}

// The player's record with the edits applied, or the first fault.
std::optional<std::string> EditedPlayer(const League& league, int id, const FieldEdits& edits, Player& out) {
    if (id < 1 || id > kLastLeaguePlayer || league.player(id).IsEmpty())
        return "there is no player " + std::to_string(id);
    out = league.player(id);
    bool daysGiven = false;
    for (const FieldEdit& e : edits) {
        const PlayerField* f = FindPlayerField(e.field);
        if (!f) return "\"" + e.field + "\" is no field of a player";
        if (auto problem = SetPlayerField(league, out, *f, e.value)) return problem;
        daysGiven = daysGiven || f->small == &Player::TimeInjured;
    }
    // Healed by the editor: no days out are left unless the edit gives them.
    if (out.Injury == "None" && !daysGiven) out.TimeInjured = 0;
    DeriveDisplayFields(out);
    return WholePlayerProblem(league, id, out);
}

std::string JoinChanges(const std::vector<std::string>& changes) {
    std::string text;
    for (size_t i = 0; i < changes.size(); ++i)
        text += (i == 0 ? "" : ", ") + changes[i];
    return text;
}

bool Refuse(const std::string& reason, Host& host) {
    std::string text = reason;
    // A sentence begins with a capital, unless it begins with a field's name ("contract3 follows ...").
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z' && text.rfind("contract", 0) != 0)
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    host.ShowMessage(text + ". Nothing was changed.", kEditLeagueTitle, MessageIcon::Warning);
    return false;
}

// A team's line-up after one of its players left it or went onto injured reserve.
void MendLineup(League& league, int team, Host& host) {
    if (team == 0) return;
    if (IsHuman(league.team(team)))
        RepairHumanLineup(league, team, host);
    else
        SetLineup(league, team);
}

// ---- Teams ----

enum class TeamKind { Text, Owner, Flag, Coaching, Focus };

struct TeamField {
    const char* name;
    TeamKind kind;
    std::string Team::*text = nullptr;
    bool Team::*flag = nullptr;
    int16_t Team::*small = nullptr;
};

const std::vector<TeamField>& TeamFields() {
    static const std::vector<TeamField> fields{
        {"City", TeamKind::Text, &Team::City},
        {"Name", TeamKind::Text, &Team::Name},
        {"Owner", TeamKind::Owner, &Team::Owner},
        {"CoachTeam", TeamKind::Flag, nullptr, &Team::CoachTeam},
        {"pbp", TeamKind::Flag, nullptr, &Team::pbp},
        {"Pace", TeamKind::Coaching, nullptr, nullptr, &Team::Pace},
        {"Press", TeamKind::Coaching, nullptr, nullptr, &Team::Press},
        {"Trap", TeamKind::Coaching, nullptr, nullptr, &Team::Trap},
        {"Offense", TeamKind::Coaching, nullptr, nullptr, &Team::Offense},
        {"DraftFocus", TeamKind::Focus, nullptr, nullptr, &Team::DraftFocus},
    };
    return fields;
}

const TeamField* FindTeamField(const std::string& name) {
    for (const TeamField& f : TeamFields())
        if (SameWord(f.name, name)) return &f;
    return nullptr;
}

std::optional<std::string> SetTeamField(Team& t, const TeamField& f, const std::string& value) {
    const std::string name = f.name;
    const std::string text = Trimmed(value);
    switch (f.kind) {
    case TeamKind::Text:
        if (text.empty()) return name + " must not be empty";
        if (auto problem = TextProblem(name, text, 30)) return problem;
        t.*f.text = text;
        return std::nullopt;
    case TeamKind::Owner:
        if (SameWord(text, "Human") || SameWord(text, "Computer")) {
            SetHuman(t, SameWord(text, "Human"));
            return std::nullopt;
        }
        return "Owner \"" + value + "\" is not Human or Computer";
    case TeamKind::Flag: {
        auto flag = FlagValue(text);
        if (!flag) return name + " \"" + value + "\" is not yes or no";
        t.*f.flag = *flag;
        return std::nullopt;
    }
    case TeamKind::Coaching: {
        auto number = WholeNumber(text);
        const bool offense = name == "Offense";
        if (!number || !(offense ? ValidOffenseValue(static_cast<int>(*number))
                                 : ValidPressValue(static_cast<int>(*number))))
            return name + " \"" + value + "\" is not " + (offense ? "0, 50 or 100" : "0, 25, 50, 75 or 100");
        t.*f.small = static_cast<int16_t>(*number);
        return std::nullopt;
    }
    case TeamKind::Focus: {
        auto number = WholeNumber(text);
        if (!number || *number < 1 || *number > 3) return "DraftFocus \"" + value + "\" is not 1, 2 or 3";
        t.DraftFocus = static_cast<int16_t>(*number);
        return std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<std::string> EditedTeam(const League& league, int team, const FieldEdits& edits, Team& out) {
    if (team < 1 || team > kLeagueTeams) return "there is no team " + std::to_string(team);
    out = league.team(team);
    for (const FieldEdit& e : edits) {
        const TeamField* f = FindTeamField(e.field);
        if (!f) return "\"" + e.field + "\" is no field of a team";
        if (auto problem = SetTeamField(out, *f, e.value)) return problem;
    }
    // The name is the key by which players and the schedule find the team.
    if (out.Name == "N/A" || IsPseudoTeam(out.Name) || SameWord(out.Name, kFreeAgent) ||
        SameWord(out.Name, kDraft) || SameWord(out.Name, kNextDraft))
        return "the name \"" + out.Name + "\" is kept for players without a team";
    for (int slot = 1; slot < kTeamSlots; ++slot)
        if (slot != team && SameWord(league.team(slot).Name, out.Name))
            return "the name \"" + out.Name + "\" is taken by team " + std::to_string(slot);
    if (out.CoachTeam && !IsHuman(out))
        return std::string("only a human team's games can be coached (CoachTeam)");
    return std::nullopt;
}

void RenameTeamEverywhere(League& league, const std::string& from, const std::string& to) {
    for (int id = 1; id < kPlayerSlots; ++id) {
        Player& p = league.player(id);
        if (p.IsEmpty()) continue;
        if (p.Team == from) p.Team = to;
        for (std::string* name : {&p.LastTeam, &p.HomeTeam})
            if (*name == from) *name = to;
    }
    for (ScheduleDay& day : league.schedule)
        for (ScheduledGame& game : day.Games)
            for (std::string* name : {&game.HomeTeam, &game.AwayTeam})
                if (*name == from) *name = to;
}

} // namespace

const std::vector<std::string>& PlayerEditFields() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const PlayerField& f : PlayerFields())
            v.push_back(f.name);
        return v;
    }();
    return names;
}

const std::vector<std::string>& TeamEditFields() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const TeamField& f : TeamFields())
            v.push_back(f.name);
        return v;
    }();
    return names;
}

std::string PlayerFieldText(const Player& p, const std::string& field) {
    const PlayerField* f = FindPlayerField(field);
    if (!f) return {};
    switch (f->kind) {
    case Kind::Text:
        return std::string(f->name) == "Name" ? p.Name : p.College;
    case Kind::Position:
        return PositionText(std::string(f->name) == "Position" ? p.PositionNumber : p.OriginalPosition);
    case Kind::Small:
        return std::to_string(p.*f->small);
    case Kind::Money:
        return std::to_string(p.*f->money);
    case Kind::TeamName:
        return p.Team;
    case Kind::Injury:
        return p.Injury;
    case Kind::Flag:
        return p.IR ? "yes" : "no";
    }
    return {};
}

std::string TeamFieldText(const Team& t, const std::string& field) {
    const TeamField* f = FindTeamField(field);
    if (!f) return {};
    switch (f->kind) {
    case TeamKind::Text:
    case TeamKind::Owner:
        return t.*f->text;
    case TeamKind::Flag:
        return t.*f->flag ? "yes" : "no";
    case TeamKind::Coaching:
    case TeamKind::Focus:
        return std::to_string(t.*f->small);
    }
    return {};
}

std::optional<std::string> PlayerEditProblem(const League& league, int id, const FieldEdits& edits) {
    Player edited;
    return EditedPlayer(league, id, edits, edited);
}

std::optional<std::string> TeamEditProblem(const League& league, int team, const FieldEdits& edits) {
    Team edited;
    return EditedTeam(league, team, edits, edited);
}

bool EditPlayer(League& league, int id, const FieldEdits& edits, Host& host) {
    if (!CheckMayEditLeague(league.state, host)) return false;
    Player edited;
    if (auto problem = EditedPlayer(league, id, edits, edited)) return Refuse(*problem, host);
    Player& p = league.player(id);
    std::vector<std::string> changes;
    for (const std::string& field : PlayerEditFields()) {
        std::string before = PlayerFieldText(p, field), after = PlayerFieldText(edited, field);
        if (before != after) changes.push_back(field + " " + before + " to " + after);
    }
    if (changes.empty()) return true;

    const std::string logged = p.DefaultPosition + " " + p.Name;
    const int oldTeam = TeamOfPlayer(league, id);
    const bool classBefore = p.Team == kDraft;
    league.RemoveFromRoster(id); // his salary leaves his team's payroll with him
    if (oldTeam != 0 && edited.Team != p.Team) edited.LastTeam = p.Team;
    p = std::move(edited);
    CalculatePlayerRatings(p);
    league.AddToRoster(id);
    const int newTeam = TeamOfPlayer(league, id);
    if (newTeam != 0) league.team(newTeam).TotalSalary += p.contract1;
    if (oldTeam != 0 && oldTeam != newTeam) {
        ClearFromLineup(league.team(oldTeam), id);
        MendLineup(league, oldTeam, host);
    }
    if (newTeam != 0 && p.IR) MendLineup(league, newTeam, host);
    if (classBefore || p.Team == kDraft) CalculateAbsoluteRatings(league);
    const std::string team = newTeam != 0 || oldTeam == 0 ? p.Team.str() : league.team(oldTeam).Name;
    LogTransaction(league, team, "Commissioner edited " + logged + ": " + JoinChanges(changes) + ".");
    return true;
}

bool EditTeam(League& league, int team, const FieldEdits& edits, Host& host) {
    if (!CheckMayEditLeague(league.state, host)) return false;
    Team edited;
    if (auto problem = EditedTeam(league, team, edits, edited)) return Refuse(*problem, host);
    Team& t = league.team(team);
    std::vector<std::string> changes;
    for (const std::string& field : TeamEditFields()) {
        std::string before = TeamFieldText(t, field), after = TeamFieldText(edited, field);
        if (before != after) changes.push_back(field + " " + before + " to " + after);
    }
    if (changes.empty()) return true;
    const std::string oldName = t.Name;
    if (edited.Name != oldName) RenameTeamEverywhere(league, oldName, edited.Name);
    t = std::move(edited);
    LogTransaction(league, t.Name, "Commissioner edited the " + oldName + ": " + JoinChanges(changes) + ".");
    return true;
}

std::optional<FieldEdit> ParseFieldEdit(const std::string& text) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos) return std::nullopt;
    FieldEdit edit{Trimmed(text.substr(0, equals)), text.substr(equals + 1)};
    if (edit.field.empty()) return std::nullopt;
    return edit;
}

} // namespace hv
