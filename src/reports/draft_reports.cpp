#include "reports/draft_reports.h"

#include <algorithm>
#include <numeric>

#include "league/ratings.h"
#include "personnel/draft.h"

namespace hv {

namespace {

ReportCell Grade(int value) {
    return ReportTable::Keyed(LetterGrade(value), value);
}

std::string RecordText(const Team& t) {
    return std::to_string(t.Wins()) + "-" + std::to_string(t.Losses());
}

void AddProspectColumns(ReportTable& table) {
    table.Column("ID", Align::Right, false)
        .Column("Name")
        .Column("Pos")
        .Column("Age", Align::Right)
        .Column("Ht", Align::Right)
        .Column("Wt", Align::Right)
        .Column("Current", Align::Right)
        .Column("Future", Align::Right)
        .Column("Pot")
        .Column("Inside", Align::Left, false)
        .Column("Outside", Align::Left, false)
        .Column("Handling", Align::Left, false)
        .Column("Defense", Align::Left, false)
        .Column("Rebounding", Align::Left, false)
        .Column("College")
        .Column("Value", Align::Right, false);
}

void AddProspectRow(ReportTable& table, int id, const Player& p) {
    table.Row(id)
        .Add(id)
        .Add(p.Name)
        .Add(ReportTable::Keyed(p.DefaultPosition, p.PositionNumber))
        .Add(p.Age)
        .Add(ReportTable::Keyed(p.DisplayHeight, p.Height))
        .Add(p.Weight)
        .Add(p.CurrentRating)
        .Add(p.FutureRating)
        .Add(ReportTable::Keyed(p.PotentialGrade, p.KnownPotential))
        .Add(Grade(p.RatingInsideScoring))
        .Add(Grade(p.RatingOutsideScoring))
        .Add(Grade(p.RatingHandling))
        .Add(Grade(p.RatingDefense))
        .Add(Grade(p.RatingRebounding))
        .Add(p.College)
        .Add(ReportTable::Decimal(p.AbsoluteRating, 2));
}

} // namespace

ReportTable ProspectsTable(const League& league, int position) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.title = "Draft Preview";
    AddProspectColumns(table);
    std::vector<int> ids;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == kDraft && (position == 0 || p.PositionNumber == position))
            ids.push_back(id);
    }
    std::stable_sort(ids.begin(), ids.end(), [&](int a, int b) {
        return league.player(a).FutureRating > league.player(b).FutureRating;
    });
    for (int id : ids)
        AddProspectRow(table, id, league.player(id));
    return table;
}

std::string PickHolderText(const League& league, const DraftSlot& slot) {
    std::string text = league.team(slot.Team).Name;
    if (slot.PickID >= kFirstDraftPickID && slot.PickID < kFirstDraftPickID + kDraftPickCount) {
        int earner = league.tables.draftPick(slot.PickID).Team;
        if (earner != slot.Team) text += " (From " + league.team(earner).Name + ")";
    }
    return text;
}

ReportTable DraftOrderTable(const League& league) {
    ReportTable table;
    table.title = "Draft Order";
    const auto& order = league.tables.draftOrder;
    bool rookie = order.size() == static_cast<size_t>(kRookieDraftRounds * kLeagueTeams + 1) &&
                  !IsCreationDraft(league);
    table.Column("Round", Align::Right).Column("Pick", Align::Right).Column("Team").Column("Record");
    if (rookie) table.Column("Seed", Align::Right);
    table.Column("Player").Column("Pos");

    // Lottery seeds: the first 13 teams of the first round are the lottery teams, seeded by record.
    std::vector<int> seedOf(kLeagueTeams + 1, 0);
    if (rookie) {
        std::vector<int> lottery;
        for (int pick = 1; pick <= 13; ++pick) {
            const DraftSlot& slot = order[static_cast<size_t>(pick)];
            if (slot.PickID >= kFirstDraftPickID && slot.PickID < kFirstDraftPickID + kDraftPickCount)
                lottery.push_back(league.tables.draftPick(slot.PickID).Team);
        }
        std::stable_sort(lottery.begin(), lottery.end(),
                         [&](int a, int b) { return league.team(a).DraftRank < league.team(b).DraftRank; });
        for (size_t i = 0; i < lottery.size(); ++i)
            seedOf[static_cast<size_t>(lottery[i])] = static_cast<int>(i) + 1;
    }
    for (size_t i = 1; i < order.size(); ++i) {
        const DraftSlot& slot = order[i];
        if (slot.Team < 1 || slot.Team > kLeagueTeams) continue;
        int round = static_cast<int>((i - 1) / kLeagueTeams) + 1;
        int pick = static_cast<int>((i - 1) % kLeagueTeams) + 1;
        table.Row(static_cast<int>(i)).Add(round).Add(pick).Add(PickHolderText(league, slot));
        int earner = rookie && slot.PickID != 0 ? league.tables.draftPick(slot.PickID).Team : slot.Team;
        table.Add(ReportTable::Keyed(RecordText(league.team(earner)),
                                     league.team(earner).Wins() - league.team(earner).Losses()));
        if (rookie) {
            int seed = round == 1 && pick <= 13 ? seedOf[static_cast<size_t>(earner)] : 0;
            table.Add(seed ? ReportTable::Number(seed) : ReportTable::Keyed("", 0));
        }
        if (slot.Flag == SlotFlag::Picked && slot.PlayerID >= 1) {
            const Player& p = league.player(slot.PlayerID);
            table.Add(p.Name).Add(p.DefaultPosition);
        } else {
            table
                .Add(slot.Flag == SlotFlag::FullRoster ? "(skipped: full roster)"
                     : slot.Flag == SlotFlag::Passed   ? "(skipped)"
                                                       : "")
                .Add("");
        }
    }
    return table;
}

ReportTable CreationOrderTable(const League& league) {
    ReportTable table;
    table.title = "Creation Draft Order";
    table.Column("Order", Align::Right).Column("Team");
    auto list = CreationOrderList(league);
    for (int i = 0; i < kLeagueTeams; ++i) {
        const Team& t = league.team(list[static_cast<size_t>(i)]);
        table.Row(list[static_cast<size_t>(i)]).Add(i + 1).Add(t.City + " " + t.Name);
    }
    return table;
}

ReportTable RecommendationsTable(const League& league) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.title = "Best Available";
    AddProspectColumns(table);
    auto best = RecommendPlayers(league);
    for (int position = 1; position <= 5; ++position)
        if (int id = best[static_cast<size_t>(position)]) AddProspectRow(table, id, league.player(id));
    return table;
}

ReportTable DraftListTable(const League& league, int team) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    const Team& t = league.team(team);
    table.title = "Draft List: " + t.Name;
    table.Column("#", Align::Right)
        .Column("ID", Align::Right, false)
        .Column("Name")
        .Column("Pos")
        .Column("Future", Align::Right)
        .Column("Status");
    int place = 0;
    for (int16_t id : t.DraftList) {
        if (id < 1 || id > kLastLeaguePlayer || league.player(id).IsEmpty()) continue;
        const Player& p = league.player(id);
        table.Row(id)
            .Add(++place)
            .Add(int(id))
            .Add(p.Name)
            .Add(ReportTable::Keyed(p.DefaultPosition, p.PositionNumber))
            .Add(p.FutureRating)
            .Add(p.Team == kDraft               ? std::string("available")
                 : league.FindTeam(p.Team) != 0 ? "taken by the " + p.Team
                                                : std::string("gone"));
    }
    return table;
}

ReportTable FirstPicksTable(const League& league) {
    ReportTable table;
    table.title = "Past #1 Overall Picks";
    table.Column("Season", Align::Right).Column("Player").Column("Position").Column("Team");
    std::vector<const SeasonArchive*> seasons;
    for (const SeasonArchive& a : league.tables.archive)
        if (!a.FirstPick.Name.empty()) seasons.push_back(&a);
    std::stable_sort(seasons.begin(), seasons.end(),
                     [](const SeasonArchive* a, const SeasonArchive* b) { return a->Season < b->Season; });
    for (const SeasonArchive* a : seasons)
        table.Row(a->FirstPick.PlayerID)
            .Add(a->Season)
            .Add(a->FirstPick.Name)
            .Add(a->FirstPick.DefaultPosition)
            .Add(a->FirstPick.Team);
    return table;
}

} // namespace hv
