#include "reports/trade_tables.h"

#include "league/lineup.h"
#include "league/salary.h"
#include "personnel/trade_offer.h"
#include "personnel/trade_value.h"

namespace hv {

namespace {

int ContractYearsLeft(const Player& p) {
    int years = 0;
    for (int y = 1; y <= 8; ++y)
        if (p.Contract(y) > 0) years = y;
    return years;
}

// Why the player cannot be traded now, if he cannot.
std::string TradeNote(const League& league, const Player& p) {
    if (p.Exception) return "Exception";
    const int days = DaysSinceSigning(league, p);
    if (days < kTradeLockDays) return "Locked " + std::to_string(kTradeLockDays - days) + " days";
    if (p.IR) return "IR";
    if (p.TimeInjured > 0) return "Injured " + std::to_string(p.TimeInjured) + " days";
    return "";
}

int64_t SalaryOf(const League& league, int id) {
    return IsPickItem(id) ? 0 : league.player(id).contract1;
}

} // namespace

std::string PickLabel(const League& league, int id, int holder) {
    const DraftPick& d = league.tables.draftPick(id);
    std::string label = OfferItemText(league, id);
    if (d.Team != holder && d.Team >= 1 && d.Team <= kLeagueTeams)
        label += " (" + league.team(d.Team).Name + ")";
    return label;
}

ReportTable TradeAssetsTable(const League& league, int team, const TradeRater& rater) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.title = league.team(team).City + " " + league.team(team).Name;
    table.Column("Item")
        .Column("Pos")
        .Column("Age", Align::Right)
        .Column("Rating", Align::Right)
        .Column("Future", Align::Right)
        .Column("Trade", Align::Right)
        .Column("Salary", Align::Right)
        .Column("Years", Align::Right)
        .Column("Note");
    for (int id : RosterOf(league, team)) {
        const Player& p = league.player(id);
        table.Row(id)
            .Add(p.Name)
            .Add(ReportTable::Keyed(p.DefaultPosition, p.PositionNumber))
            .Add(p.Age)
            .Add(p.CurrentRating)
            .Add(p.FutureRating)
            .Add(rater.Rating(id))
            .Add(ReportTable::Money(p.contract1))
            .Add(ContractYearsLeft(p))
            .Add(TradeNote(league, p));
    }
    for (int id = kFirstDraftPickID; id < kFirstDraftPickID + kDraftPickCount; ++id) {
        const DraftPick& d = league.tables.draftPick(id);
        if (d.OwnedBy != team || d.Selection != 0) continue;
        // Picks sort after the players: by draft, then round.
        table.Row(id)
            .Add(PickLabel(league, id, team))
            .Add(ReportTable::Keyed("", 9))
            .Add(ReportTable::Keyed("", 0))
            .Add(ReportTable::Keyed("", 0))
            .Add(ReportTable::Keyed("", 0))
            .Add(rater.Rating(id))
            .Add(ReportTable::Keyed(" draft pick", 0))
            .Add(ReportTable::Keyed("", 0))
            .Add("");
    }
    return table;
}

ReportTable TradeSideTable(const League& league, const TradeSide& side) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.title = league.team(side.team).Name + " give:";
    table.Column("Item").Column("Trade", Align::Right).Column("Salary", Align::Right);
    for (const TradeItem& item : side.items) {
        table.Row(item.id);
        if (IsPickItem(item.id))
            table.Add(PickLabel(league, item.id, side.team))
                .Add(item.rating)
                .Add(ReportTable::Keyed(" draft pick", 0));
        else
            table.Add(OfferItemText(league, item.id))
                .Add(item.rating)
                .Add(ReportTable::Money(league.player(item.id).contract1));
    }
    return table;
}

TradePayroll TradePayrollOf(const League& league, const TradeProposal& proposal, int team) {
    TradePayroll money;
    for (const TradeItem& item : proposal.SideOf(team).items)
        money.salaries += SalaryOf(league, item.id);
    int64_t incoming = 0;
    for (const TradeItem& item : proposal.OtherSide(team).items)
        incoming += SalaryOf(league, item.id);
    money.payroll = TeamPayroll(league, team);
    money.payrollAfter = money.payroll - money.salaries + incoming;
    money.capRoom = CapRoom(league, team);
    money.capRoomAfter = money.capRoom + money.salaries - incoming;
    return money;
}

} // namespace hv
