// hoopvale-cli trade NAME --team A --with B [--give ITEM]... [--get ITEM]... [--evaluate]: a human team's
// trade proposal, judged as on the trade screen and made when the other side agrees (unless --evaluate).
// hoopvale-cli trade-suggest NAME --team A --with B [--give ITEM]... [--get ITEM]...: the smallest addition
// from team A's side that would make the other team accept. An ITEM is a player (ID or name) or a draft pick
// (its ID 1001 to 1174, or "TEAM YEAR ROUND").
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/draft_picks.h"
#include "league/team_control.h"
#include "personnel/trade_offer.h"
#include "personnel/trade_value.h"
#include "reports/trade_tables.h"

namespace hv {

namespace {

struct TradeRequest {
    std::string name, team, with;
    std::vector<std::string> give, get;
    bool evaluate = false;
};

bool AllDigits(const std::string& text) {
    return !text.empty() && text.size() <= 5 && text.find_first_not_of("0123456789") == std::string::npos;
}

// The item that `text` names: a pick by its ID or as "TEAM YEAR ROUND", else a player; 0 (message shown)
// when there is none.
int ResolveItem(CliContext& ctx, const League& league, const std::string& text) {
    if (AllDigits(text) && std::stoi(text) >= kFirstPickItem) {
        const int id = std::stoi(text);
        if (id >= kFirstDraftPickID && id < kFirstDraftPickID + kDraftPickCount) return id;
        ctx.host->ShowMessage("There is no draft pick " + text + ": picks are numbered " +
                                  std::to_string(kFirstDraftPickID) + " to " +
                                  std::to_string(kFirstDraftPickID + kDraftPickCount - 1) + ".",
                              "Error", MessageIcon::Warning);
        return 0;
    }
    const size_t roundAt = text.find_last_of(' ');
    const size_t yearAt = roundAt == std::string::npos || roundAt == 0 ? std::string::npos
                                                                       : text.find_last_of(' ', roundAt - 1);
    if (yearAt != std::string::npos && yearAt > 0) {
        const std::string year = text.substr(yearAt + 1, roundAt - yearAt - 1),
                          round = text.substr(roundAt + 1);
        if (AllDigits(year) && AllDigits(round)) {
            const int team = ResolveTeam(ctx, league, text.substr(0, yearAt));
            if (team == 0) return 0;
            const int id = FindPick(league, team, std::stoi(year), std::stoi(round));
            if (id == 0)
                ctx.host->ShowMessage("The " + league.team(team).Name + " have no Round " + round +
                                          " draft pick in " + year + ".",
                                      "Error", MessageIcon::Warning);
            return id;
        }
    }
    return ResolvePlayer(ctx, league, text);
}

// The proposal of the request, or nothing (message shown, `status` set).
std::optional<TradeProposal> BuildProposal(CliContext& ctx, const League& league, const TradeRequest& r,
                                           int& status) {
    status = kExitRefused;
    bool anyHuman = false;
    for (int t = 1; t <= kLeagueTeams; ++t)
        anyHuman = anyHuman || IsHuman(league.team(t));
    if (!anyHuman) {
        ctx.host->ShowMessage("No human teams found.", "Error", MessageIcon::Warning);
        return std::nullopt;
    }
    TradeProposal proposal;
    proposal.first.team = ResolveTeam(ctx, league, r.team);
    if (proposal.first.team == 0) return std::nullopt;
    proposal.second.team = ResolveTeam(ctx, league, r.with);
    if (proposal.second.team == 0) return std::nullopt;
    for (auto [texts, side] : {std::pair{&r.give, &proposal.first}, std::pair{&r.get, &proposal.second}}) {
        std::vector<int> ids;
        for (const std::string& text : *texts) {
            const int id = ResolveItem(ctx, league, text);
            if (id == 0) return std::nullopt;
            ids.push_back(id);
        }
        side->items = RatedItems(league, ids);
    }
    status = kExitOk;
    return proposal;
}

void PrintSide(std::ostream& out, const League& league, const TradeProposal& proposal, int team) {
    WriteText(out, TradeSideTable(league, proposal.SideOf(team)));
    const TradePayroll money = TradePayrollOf(league, proposal, team);
    out << " Salaries: " << ReportTable::Money(money.salaries).text << '\n'
        << " Cap Room: " << ReportTable::Money(money.capRoom).text << " (after the trade "
        << ReportTable::Money(money.capRoomAfter).text << ")\n"
        << " Payroll: " << ReportTable::Money(money.payroll).text << " (after the trade "
        << ReportTable::Money(money.payrollAfter).text << ")\n\n";
}

int RunTrade(CliContext& ctx, const TradeRequest& r) {
    int status;
    auto opened =
        OpenedLeague::Open(ctx, r.name, status, r.evaluate ? LeagueAccess::Read : LeagueAccess::Change);
    if (!opened) return status;
    League& league = opened->league();
    auto proposal = BuildProposal(ctx, league, r, status);
    if (!proposal) return status;
    PrintSide(ctx.out, league, *proposal, proposal->first.team);
    PrintSide(ctx.out, league, *proposal, proposal->second.team);

    if (r.evaluate) {
        if (!ValidateTrade(league, *proposal, *ctx.host)) return kExitRefused;
        const Team& other = league.team(proposal->second.team);
        if (IsHuman(other))
            ctx.out << "The " << other.Name << " are a human team: both teams must agree to this trade.\n";
        else
            ctx.out << VerdictText(league, *proposal, proposal->second.team) << '\n';
        return kExitOk;
    }
    const size_t logged = league.tables.transactions.size();
    if (ProposeTrade(league, *proposal, *ctx.host) != TradeOutcome::Done) return kExitRefused;
    for (size_t i = logged; i < league.tables.transactions.size(); ++i)
        ctx.out << league.tables.transactions[i].Action << '\n';
    return opened->SaveIfChanged();
}

int RunTradeSuggest(CliContext& ctx, const TradeRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, LeagueAccess::Read);
    if (!opened) return status;
    const League& league = opened->league();
    auto proposal = BuildProposal(ctx, league, r, status);
    if (!proposal) return status;
    const Team &mine = league.team(proposal->first.team), &other = league.team(proposal->second.team);
    if (!IsHuman(mine) || IsHuman(other)) {
        ctx.host->ShowMessage("Suggestions are made for a human team's offer to a computer team.", "Error",
                              MessageIcon::Warning);
        return kExitRefused;
    }
    if (!TradeProblem(league, *proposal) && EvaluateTrade(league, *proposal, proposal->second.team) <= 0) {
        ctx.out << "The " << other.Name << " accept this trade as it is.\n";
        return kExitOk;
    }
    ctx.out << SuggestionText(league, *proposal, SuggestAddition(league, *proposal)) << '\n';
    return kExitOk;
}

void AddOptions(CLI::App* cmd, TradeRequest& r) {
    cmd->add_option("NAME", r.name, "League name")->required();
    cmd->add_option("--team", r.team, "The human team that proposes")->required();
    cmd->add_option("--with", r.with, "The team it trades with")->required();
    cmd->add_option("--give", r.give, "A player (ID or name) or pick (ID, or \"TEAM YEAR ROUND\") it gives");
    cmd->add_option("--get", r.get, "A player or pick of the other team it asks for");
}

} // namespace

void AddTradeCommands(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* trade =
        app.add_subcommand("trade", "Propose a trade for a human team; made when the other side agrees");
    auto r = std::make_shared<TradeRequest>();
    AddOptions(trade, *r);
    trade->add_flag("--evaluate", r->evaluate, "Only show the other team's verdict; change nothing");
    trade->callback([&run, r] { run = [r](CliContext& ctx) { return RunTrade(ctx, *r); }; });

    auto* suggest =
        app.add_subcommand("trade-suggest", "What would make a computer team accept a trade proposal");
    auto s = std::make_shared<TradeRequest>();
    AddOptions(suggest, *s);
    suggest->callback([&run, s] { run = [s](CliContext& ctx) { return RunTradeSuggest(ctx, *s); }; });
}

} // namespace hv
