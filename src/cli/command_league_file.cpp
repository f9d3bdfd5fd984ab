#include "cli/command_league_file.h"

#include "league/league_options.h"
#include "league/save_file.h"
#include "league/saved_games.h"

namespace hv {

std::optional<OpenedLeague> OpenedLeague::Open(CliContext& ctx, const std::string& name, int& status) {
    status = kExitRefused;
    if (auto problem = LeagueNameProblem(name)) {
        ctx.host->ShowMessage(*problem, "Error", MessageIcon::Warning);
        return std::nullopt;
    }
    League& league = ctx.session.league;
    if (!LoadSavedGame(league, SaveFileName(name), *ctx.host)) return std::nullopt;
    if (ctx.commishGiven) CommishLogin(league.state, ctx.commishPassword, *ctx.host);
    status = kExitOk;
    return OpenedLeague(ctx, name, EncodeLeague(league, name));
}

int OpenedLeague::SaveIfChanged() {
    if (EncodeLeague(league(), name_) == loaded_) return kExitOk;
    return SaveLeague(league(), name_, *ctx_->host) ? kExitOk : kExitRefused;
}

const char* OnOff(bool value) {
    return value ? "on" : "off";
}

void PrintLeagueOptions(std::ostream& out, const SeasonState& s) {
    out << "Injuries: " << OnOff(s.LeagueInjuries) << '\n';
    out << "Save box scores: " << OnOff(s.SaveBoxScores) << '\n';
    out << "Lock simulation: " << OnOff(s.LockSimulation) << '\n';
    out << "Lock end of season: " << OnOff(s.LockEndSeason) << '\n';
    out << "Salary cap: " << SalaryCapText(s.SalaryCapDollars()) << '\n';
    out << "Password: " << (HasPassword(s) ? "set" : "none") << '\n';
    out << "Commissioner rights: " << (s.CommissionerRights ? "yes" : "no") << '\n';
}

} // namespace hv
