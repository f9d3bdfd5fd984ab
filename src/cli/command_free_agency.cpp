// hoopvale-cli free-agency NAME (--day | --all | --bids PLAYER): one step of the free-agency period, the rest
// of it, or the bids a free agent holds.
// hoopvale-cli bid NAME TEAM PLAYER [--years N] --amount A... | --withdraw: a human team's bid for a free
// agent, with the same checks and messages as the free-agency screen. An amount is dollars ("1,250,000") or
// one of max, min, mid and low; the last amount repeats for the remaining years.
#include <CLI/CLI.hpp>
#include <cstdint>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/league_options.h"
#include "league/salary.h"
#include "league/status_line.h"
#include "personnel/free_agency.h"
#include "personnel/human_bid.h"
#include "personnel/resign.h"
#include "reports/free_agency_tables.h"

namespace hv {

namespace {

constexpr const char* kTitle = "Free Agency";

struct FreeAgencyRequest {
    std::string name;
    bool day = false, all = false;
    std::optional<std::string> bids;
};

bool RefuseOutsideFreeAgency(CliContext& ctx, const League& league) {
    if (FreeAgencyOpen(league.state)) return false;
    ctx.host->ShowMessage("Free agency is not under way (" + StatusLine(league.state) + ").", kTitle,
                          MessageIcon::Warning);
    return true;
}

// Players of human teams whose re-signing waits would become free agents unasked when free agency opens.
bool RefuseWhileResigningWaits(CliContext& ctx, const League& league) {
    if (league.state.SeasonDay != Phase::FirstFreeAgency) return false;
    const size_t waiting = PlayersAwaitingResign(league).size();
    if (waiting == 0) return false;
    ctx.host->ShowMessage(std::to_string(waiting) + (waiting == 1 ? " player waits" : " players wait") +
                              " for a re-signing decision: answer with the resign command first.",
                          kTitle, MessageIcon::Warning);
    return true;
}

int RunFreeAgency(CliContext& ctx, const FreeAgencyRequest& r) {
    if (int(r.day) + int(r.all) + int(r.bids.has_value()) != 1) {
        ctx.err << "free-agency: give one of --day, --all or --bids PLAYER\n";
        return kExitUsage;
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, r.bids ? LeagueAccess::Read : LeagueAccess::Change);
    if (!opened) return status;
    League& league = opened->league();
    if (RefuseOutsideFreeAgency(ctx, league)) return kExitRefused;
    if (r.bids) {
        const int id = ResolvePlayer(ctx, league, *r.bids);
        if (id == 0) return kExitRefused;
        WriteText(ctx.out, BidsTable(league, id));
        return kExitOk;
    }
    if (RefuseWhileResigningWaits(ctx, league)) return kExitRefused;

    const size_t logged = league.tables.transactions.size();
    Host& host = *ctx.host;
    host.ClearStop();
    // A step is a day or the end; the period never needs more than its seven days.
    for (int step = 0; step < 8 && FreeAgencyOpen(league.state) && !host.StopRequested(); ++step) {
        FreeAgencyStep(league, host);
        if (r.day) break;
    }
    for (size_t i = logged; i < league.tables.transactions.size(); ++i)
        ctx.out << league.tables.transactions[i].Team << ": " << league.tables.transactions[i].Action << '\n';
    ctx.out << StatusLine(league.state) << '\n';
    return opened->SaveIfChanged();
}

struct BidRequest {
    std::string name, team, player;
    std::optional<int> years;
    std::vector<std::string> amounts;
    bool withdraw = false;
};

// Dollars of one typed amount for player `p`; nothing for text that is no amount.
std::optional<int32_t> AmountOf(const std::string& text, const League& league, const Player& p) {
    const std::string word = Lower(text);
    if (word == "max") return MaximumSalary(league.state, p.Experience);
    if (word == "min") return MinimumSalary(p.Experience);
    if (word == "mid") return kMidLevelException;
    if (word == "low") return kLowLevelException;
    if (text.find_first_of("0123456789") == std::string::npos) return std::nullopt;
    const double value = SalaryCapTextValue(text);
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(Nearest(value));
}

int RunBid(CliContext& ctx, const BidRequest& r) {
    if (r.withdraw == !r.amounts.empty()) {
        ctx.err << "bid: give --amount A... or --withdraw\n";
        return kExitUsage;
    }
    if (r.years && (*r.years < 1 || *r.years > 7)) {
        ctx.err << "bid: --years must be 1 to 7\n";
        return kExitUsage;
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    const int team = ResolveTeam(ctx, league, r.team);
    if (team == 0) return kExitRefused;
    const int id = ResolvePlayer(ctx, league, r.player);
    if (id == 0) return kExitRefused;
    const Player& p = league.player(id);

    if (r.withdraw) {
        if (!WithdrawHumanBid(league, team, id, *ctx.host)) return kExitRefused;
        ctx.out << "Withdrawn: the " << league.team(team).Name << "' bid for " << p.Name << ".\n";
        return opened->SaveIfChanged();
    }
    const size_t years = r.years ? static_cast<size_t>(*r.years) : r.amounts.size();
    std::vector<int32_t> amounts;
    for (size_t y = 0; y < years; ++y) {
        const std::string& text = r.amounts[std::min(y, r.amounts.size() - 1)];
        auto amount = AmountOf(text, league, p);
        if (!amount) {
            ctx.err << "bid: \"" << text << "\" is no amount (dollars, or max, min, mid, low)\n";
            return kExitUsage;
        }
        amounts.push_back(*amount);
    }
    if (!PlaceHumanBid(league, team, id, amounts, *ctx.host)) return kExitRefused;
    const FreeAgentBid& bid = *FindBid(league, id, team);
    ctx.out << "Bid placed: the " << league.team(team).Name << " offer " << p.Name << " "
            << BidKindText(bid.Kind) << ":";
    for (int32_t amount : amounts)
        ctx.out << ' ' << SalaryCapText(amount);
    ctx.out << '\n';
    return opened->SaveIfChanged();
}

} // namespace

void AddFreeAgencyCommands(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* fa = app.add_subcommand("free-agency", "Run the free-agency period a day at a time or to its end");
    auto f = std::make_shared<FreeAgencyRequest>();
    fa->add_option("NAME", f->name, "League name")->required();
    fa->add_flag("--day", f->day, "Run one day (the last day also ends free agency)");
    fa->add_flag("--all", f->all, "Run every remaining day and end free agency");
    fa->add_option("--bids", f->bids, "Show the bids this free agent holds");
    fa->callback([&run, f] { run = [f](CliContext& ctx) { return RunFreeAgency(ctx, *f); }; });

    auto* bid = app.add_subcommand("bid", "A human team's bid for a free agent");
    auto b = std::make_shared<BidRequest>();
    bid->add_option("NAME", b->name, "League name")->required();
    bid->add_option("TEAM", b->team, "A human team")->required();
    bid->add_option("PLAYER", b->player, "The free agent's ID or name")->required();
    bid->add_option("--years", b->years, "Years of the contract, 1 to 7 (default: one per amount)");
    bid->add_option("--amount", b->amounts, "Yearly amounts: dollars, or max, min, mid, low");
    bid->add_flag("--withdraw", b->withdraw, "Withdraw the team's bid instead");
    bid->callback([&run, b] { run = [b](CliContext& ctx) { return RunBid(ctx, *b); }; });
}

} // namespace hv
