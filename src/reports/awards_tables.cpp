#include "reports/awards_tables.h"

#include <algorithm>
#include <functional>
#include <string>

#include "season/awards.h"
#include "season/in_season_awards.h"

namespace hv {

namespace {

const SeasonArchive* FindArchive(const League& league, int16_t season) {
    for (const SeasonArchive& a : league.tables.archive)
        if (a.Season == season) return &a;
    return nullptr;
}

bool Given(const AwardSlot& slot) {
    return slot.PlayerID != 0 || !slot.Name.empty();
}

void AddSlotRow(ReportTable& table, const std::string& award, const AwardSlot& slot) {
    table.Row(slot.PlayerID).Add(award).Add(slot.Name).Add(slot.DefaultPosition).Add(slot.Team);
}

size_t AwardIndex(const char* code) {
    for (size_t i = 0; i < kArchiveAwardCodes.size(); ++i)
        if (std::string(code) == kArchiveAwardCodes[i]) return i;
    return 0;
}

// The days on which the honours of this length are named, in order.
std::vector<int> AwardDays(int length) {
    std::vector<int> days;
    for (int day = Phase::FirstDay; day <= Phase::FirstPlayoffDay; ++day)
        if (length == kWeekDays ? IsWeekAwardDay(day) : IsMonthAwardDay(day)) days.push_back(day);
    return days;
}

std::string PeriodText(const char* unit, size_t line, int length) {
    std::vector<int> days = AwardDays(length);
    std::string text = std::string(unit) + " " + std::to_string(line + 1);
    if (line < days.size()) {
        AwardWindow w = AwardWindowOf(days[line], length);
        text += " (days " + std::to_string(w.first) + "-" + std::to_string(w.last) + ")";
    }
    return text;
}

} // namespace

std::vector<int16_t> ArchivedSeasons(const League& league) {
    std::vector<int16_t> seasons;
    for (const SeasonArchive& a : league.tables.archive)
        seasons.push_back(a.Season);
    std::sort(seasons.begin(), seasons.end(), std::greater<>());
    seasons.erase(std::unique(seasons.begin(), seasons.end()), seasons.end());
    return seasons;
}

std::vector<int16_t> SeasonsWithAwards(const League& league, bool weekly) {
    std::vector<int16_t> seasons;
    for (int16_t season : ArchivedSeasons(league))
        if (!(weekly ? InSeasonAwardsTable(league, season) : SeasonAwardsTable(league, season)).rows.empty())
            seasons.push_back(season);
    return seasons;
}

ReportTable SeasonAwardsTable(const League& league, int16_t season) {
    ReportTable table;
    table.title = "Regular Season Awards " + std::to_string(season);
    table.Column("Award").Column("Player").Column("Position").Column("Team");
    const SeasonArchive* a = FindArchive(league, season);
    if (!a) return table;
    for (const char* code : {"MVP", "ROY", "DPOY", "SixthMan", "PlayoffMVP"}) {
        const AwardSlot& slot = a->Awards[AwardIndex(code)];
        if (Given(slot)) AddSlotRow(table, FindAward(code)->text, slot);
    }
    for (size_t t = 0; t < kArchiveTeamCodes.size(); ++t)
        for (const AwardSlot& slot : a->Teams[t])
            if (Given(slot)) AddSlotRow(table, FindAward(kArchiveTeamCodes[t])->text, slot);
    return table;
}

ReportTable InSeasonAwardsTable(const League& league, int16_t season) {
    ReportTable table;
    table.title = "Weekly/Monthly Awards " + std::to_string(season);
    table.Column("Award").Column("Period").Column("Player").Column("Position").Column("Team");
    const SeasonArchive* a = FindArchive(league, season);
    if (!a) return table;
    auto addLines = [&](const auto& lines, const char* code, const char* unit, int length) {
        for (size_t i = 0; i < lines.size(); ++i)
            if (Given(lines[i]))
                table.Row(lines[i].PlayerID)
                    .Add(FindAward(code)->text)
                    .Add(ReportTable::Keyed(PeriodText(unit, i, length), double(i)))
                    .Add(lines[i].Name)
                    .Add(lines[i].DefaultPosition)
                    .Add(lines[i].Team);
    };
    addLines(a->PlayerOfWeek, "POW", "Week", kWeekDays);
    addLines(a->PlayerOfMonth, "POM", "Month", kMonthDays);
    addLines(a->RookieOfMonth, "ROM", "Month", kMonthDays);
    return table;
}

ReportTable AllStarWinnersTable(const League& league) {
    ReportTable table;
    table.title = "All-Star Weekend Winners";
    table.Column("Season", Align::Right);
    const char* codes[] = {"RookieMVP", "AllStarMVP", "ShootoutWinner", "DunkWinner"};
    for (const char* code : codes)
        table.Column(FindAward(code)->text);
    for (int16_t season : ArchivedSeasons(league)) {
        const SeasonArchive* a = FindArchive(league, season);
        bool any = false;
        for (const char* code : codes)
            any = any || Given(a->Awards[AwardIndex(code)]);
        if (!any) continue;
        table.Row(season).Add(int(season));
        for (const char* code : codes) {
            const AwardSlot& slot = a->Awards[AwardIndex(code)];
            table.Add(Given(slot) ? slot.Name + " (" + slot.Team + ")" : std::string());
        }
    }
    return table;
}

} // namespace hv
