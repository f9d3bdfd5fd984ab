#include "reports/roster_report.h"

#include <tuple>

#include "league/coaching_names.h"
#include "league/lineup.h"
#include "league/ratings.h"

namespace hv {

namespace {

ReportCell Grade(int value) {
    return ReportTable::Keyed(LetterGrade(value), value);
}

std::string Status(const Player& p) {
    if (p.Team == kFreeAgent || p.Team == kDraft || p.Team == kNextDraft) return "";
    return p.IR ? "IR" : "Active";
}

// The injury shown beside a player: only while he is hurt or on injured reserve.
std::string InjuryShown(const Player& p) {
    return p.TimeInjured > 0 || p.IR ? p.Injury : "";
}

std::string NameOf(const League& league, int id) {
    return id >= 1 && id < kPlayerSlots && !league.player(id).IsEmpty() ? league.player(id).Name : "";
}

} // namespace

ReportTable PlayerLinesTable(const League& league, const std::vector<int>& ids, bool withTeam) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.Column("ID", Align::Right, false).Column("Pos").Column("Name");
    if (withTeam) table.Column("Team");
    table.Column("Age", Align::Right)
        .Column("Height", Align::Right)
        .Column("Exp", Align::Right)
        .Column("Rating", Align::Right)
        .Column("Ins")
        .Column("Out")
        .Column("Hnd")
        .Column("Def")
        .Column("Reb")
        .Column("Pot")
        .Column("Salary", Align::Right)
        .Column("Status")
        .Column("Injury")
        .Column("Days", Align::Right);
    for (int id : ids) {
        const Player& p = league.player(id);
        table.Row(id).Add(id).Add(ReportTable::Keyed(p.DefaultPosition, p.PositionNumber)).Add(p.Name);
        if (withTeam) table.Add(p.Team);
        table.Add(p.Age)
            .Add(ReportTable::Keyed(FormatHeight(p.Height), p.Height))
            .Add(p.Experience)
            .Add(p.CurrentRating)
            .Add(Grade(p.RatingInsideScoring))
            .Add(Grade(p.RatingOutsideScoring))
            .Add(Grade(p.RatingHandling))
            .Add(Grade(p.RatingDefense))
            .Add(Grade(p.RatingRebounding))
            .Add(ReportTable::Keyed(p.PotentialGrade, p.KnownPotential))
            .Add(ReportTable::Money(p.contract1))
            .Add(Status(p))
            .Add(InjuryShown(p))
            .Add(p.TimeInjured);
    }
    return table;
}

ReportTable TeamRosterTable(const League& league, int team) {
    ReportTable table = PlayerLinesTable(league, RosterOf(league, team), false);
    const Team& t = league.team(team);
    table.title = t.City + " " + t.Name + " (" + t.Owner + "): " + std::to_string(t.NumPlayers) +
                  " players, " + std::to_string(t.ActivePlayers) + " active";
    return table;
}

ReportTable DepthChartTable(const League& league, int team) {
    ReportTable table;
    table.Column("Pos").Column("Starter").Column("Second").Column("Third");
    const Team& t = league.team(team);
    for (int pos = 1; pos <= 5; ++pos) {
        table.Row(pos).Add(ReportTable::Keyed(PositionText(pos), pos));
        for (int row = 1; row <= 3; ++row)
            table.Add(NameOf(league, t.Depth(pos, row)));
    }
    return table;
}

ReportTable LineupSettingsTable(const League& league, int team) {
    ReportTable table;
    table.Column("Setting").Column("Value");
    const Team& t = league.team(team);
    const int16_t keys[] = {t.keyplayer1, t.keyplayer2, t.keyplayer3};
    for (int k = 0; k < 3; ++k)
        table.Row().Add("Key player " + std::to_string(k + 1)).Add(NameOf(league, keys[k]));
    const std::tuple<const char*, CoachingSetting, int16_t> settings[] = {
        {"Pace", CoachingSetting::Pace, t.Pace},
        {"Press", CoachingSetting::Press, t.Press},
        {"Trap", CoachingSetting::Trap, t.Trap},
        {"Offense", CoachingSetting::Offense, t.Offense}};
    for (const auto& [name, setting, value] : settings)
        table.Row().Add(name).Add(ReportTable::Keyed(CoachingSettingName(setting, value), value));
    return table;
}

} // namespace hv
