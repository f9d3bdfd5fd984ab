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

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

int ResolveTeam(CliContext& ctx, const League& league, const std::string& text) {
    std::string wanted = Lower(text);
    for (int t = 1; t <= kLeagueTeams; ++t) {
        const Team& team = league.team(t);
        if (Lower(team.Name) == wanted || Lower(team.City + " " + team.Name) == wanted) return t;
    }
    std::string names;
    for (int t = 1; t <= kLeagueTeams; ++t)
        names += (t > 1 ? ", " : "") + league.team(t).Name;
    ctx.host->ShowMessage("There is no team named \"" + text + "\". The teams are: " + names + ".", "Error",
                          MessageIcon::Warning);
    return 0;
}

int ResolvePlayer(CliContext& ctx, const League& league, const std::string& text,
                  const std::function<bool(const Player&)>& keep) {
    auto allowed = [&](int id) {
        const Player& p = league.player(id);
        return !p.IsEmpty() && (!keep || keep(p));
    };
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos && text.size() <= 4) {
        int id = std::stoi(text);
        if (id >= 1 && id <= kLastLeaguePlayer && allowed(id)) return id;
    } else {
        std::string wanted = Lower(text);
        std::vector<int> found;
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            if (allowed(id) && Lower(league.player(id).Name) == wanted) found.push_back(id);
        if (found.size() == 1) return found[0];
        if (found.size() > 1) {
            std::string ids;
            for (int id : found)
                ids += (ids.empty() ? "" : ", ") + std::to_string(id);
            ctx.host->ShowMessage("Several players are named \"" + text + "\" (IDs " + ids +
                                      "); give the ID instead.",
                                  "Error", MessageIcon::Warning);
            return 0;
        }
    }
    ctx.host->ShowMessage("There is no such player: \"" + text + "\".", "Error", MessageIcon::Warning);
    return 0;
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
