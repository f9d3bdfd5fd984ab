#include "cli/command_league_file.h"

#include "league/league_options.h"
#include "league/save_file.h"
#include "league/saved_games.h"

namespace hv {

std::optional<OpenedLeague> OpenedLeague::Open(CliContext& ctx, const std::string& name, int& status,
                                               LeagueAccess access) {
    status = kExitRefused;
    if (auto problem = LeagueNameProblem(name)) {
        ctx.host->ShowMessage(*problem, "Error", MessageIcon::Warning);
        return std::nullopt;
    }
    League& league = ctx.session.league;
    if (!LoadSavedGame(league, SaveFileName(name), *ctx.host, access == LeagueAccess::Change))
        return std::nullopt;
    if (ctx.commishGiven) {
        // Without a password everyone has the commissioner's rights: there is nothing to log in to.
        if (HasPassword(league.state))
            CommishLogin(league.state, ctx.commishPassword, *ctx.host);
        else
            ctx.host->ShowMessage("The league " + name +
                                      " has no password: every user has the commissioner's rights.",
                                  "Commish Login", MessageIcon::Information);
    }
    status = kExitOk;
    return OpenedLeague(ctx, name, access);
}

int OpenedLeague::SaveIfChanged() {
    League& opened = league();
    if (!HasUnsavedChanges(opened)) return kExitOk;
    if (access_ == LeagueAccess::Read) {
        // Saving without the lock could undo another program's change: a reading command never saves.
        ctx_->host->ShowMessage("The league " + name_ + " was opened only to be read; nothing was saved.",
                                "Error", MessageIcon::Critical);
        return kExitRefused;
    }
    std::string bytes;
    if (!SaveLeague(opened, name_, *ctx_->host, &bytes)) return kExitRefused;
    opened.savedGame.digest = SaveDigest(bytes);
    return kExitOk;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

namespace {

// The league's team names, in slot order, joined by commas.
std::string TeamNames(const League& league) {
    std::string names;
    for (int t = 1; t <= kLeagueTeams; ++t)
        names += (t > 1 ? ", " : "") + league.team(t).Name;
    return names;
}

} // namespace

int ResolveTeam(CliContext& ctx, const League& league, const std::string& text) {
    std::string wanted = Lower(text);
    for (int t = 1; t <= kLeagueTeams; ++t) {
        const Team& team = league.team(t);
        if (Lower(team.Name) == wanted || Lower(team.City + " " + team.Name) == wanted) return t;
    }
    ctx.host->ShowMessage("There is no team named \"" + text + "\". The teams are: " + TeamNames(league) +
                              ".",
                          "Error", MessageIcon::Warning);
    return 0;
}

std::optional<std::string> ResolvePlayerTeam(CliContext& ctx, const League& league, const std::string& text) {
    std::string wanted = Lower(text);
    for (const char* pseudo : {kFreeAgent, kDraft, kNextDraft})
        if (Lower(pseudo) == wanted) return std::string(pseudo);
    for (int t = 1; t <= kLeagueTeams; ++t) {
        const Team& team = league.team(t);
        if (Lower(team.Name) == wanted || Lower(team.City + " " + team.Name) == wanted) return team.Name;
    }
    ctx.host->ShowMessage("There is no team named \"" + text + "\". The teams are: " + TeamNames(league) +
                              "; or FA, Draft or NextDraft.",
                          "Error", MessageIcon::Warning);
    return std::nullopt;
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
    out << "Game engine: " << GameEngineText(s.Engine) << '\n';
    out << "Trade judgement: " << TradeJudgementText(s.Trades) << '\n';
    out << "Password: " << (HasPassword(s) ? "set" : "none") << '\n';
    out << "Commissioner rights: " << (s.CommissionerRights ? "yes" : "no") << '\n';
}

} // namespace hv
