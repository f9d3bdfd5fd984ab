#include "contract_screens.h"

#include <array>

#include "league/league_options.h"
#include "league/status_line.h"
#include "personnel/development.h"
#include "personnel/resign.h"
#include "qt_host.h"
#include "reports/contract_tables.h"
#include "reports/free_agency_tables.h"
#include "season/roster_manager.h"
#include "season/user_moves.h"
#include "team_choices.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Team slots of the human teams that have a player waiting to re-sign.
std::vector<int> TeamsWithWaitingPlayers(const League& league) {
    std::vector<int> teams;
    for (int team : HumanTeamSlots(league))
        if (!PlayersAwaitingResign(league, team).empty()) teams.push_back(team);
    return teams;
}

} // namespace

void EndProgress(Host& host) {
    if (auto* qt = dynamic_cast<QtHost*>(&host)) qt->EndProgress();
}

std::unique_ptr<TableScreen> MakeContractsScreen(League& league, QWidget* parent) {
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Player Contracts"), [&league](int team) { return ContractsTable(league, team); },
        parent);
    const std::vector<int> human = HumanTeamSlots(league);
    screen->SetChoices(QStringLiteral("&Team:"), AllTeamChoices(league), human.empty() ? 1 : human.front());
    return screen;
}

std::unique_ptr<TableScreen> MakeCapRoomScreen(League& league, QWidget* parent) {
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Team Salary Cap Room"), [&league](int) { return CapRoomTable(league); }, parent);
    screen->Refresh(); // no choice box to fill it
    return screen;
}

std::unique_ptr<TableScreen> MakePotentialFreeAgentsScreen(League& league, QWidget* parent) {
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Potential Free Agents"),
        [&league](int team) { return PotentialFreeAgentsTable(league, team); }, parent);
    screen->SetChoices(QStringLiteral("&Team:"), AllTeamChoices(league));
    return screen;
}

std::unique_ptr<TableScreen> MakeFreeAgentsScreen(League& league, Host& host, QWidget* parent) {
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Free Agents"), [&league](int) { return FreeAgentsTable(league); }, parent);
    const std::vector<int> human = HumanTeamSlots(league);
    if (human.empty()) {
        screen->Refresh(); // no choice box to fill it
        return screen;
    }
    // The choice picks the human team that signs; the list is the same for every team.
    screen->SetChoices(QStringLiteral("Sign &for:"), TeamChoices(league, human));
    TableScreen* s = screen.get();
    screen->AddButton(QStringLiteral("&Sign Player"), [&league, &host, s, human] {
        const int id = s->SelectedKey();
        if (id == 0) return;
        if (UserSign(league, human.at(static_cast<size_t>(s->Choice())), id, host)) s->Refresh();
    });
    return screen;
}

std::unique_ptr<TableScreen> MakeResignScreen(League& league, Host& host, QWidget* parent) {
    const std::vector<int> teams = TeamsWithWaitingPlayers(league);
    if (teams.empty()) {
        host.ShowMessage("No player of a human team waits to re-sign.", "Re-signing",
                         MessageIcon::Information);
        return nullptr;
    }
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Re-sign Players"),
        [&league, teams](int choice) { return ResignTable(league, teams.at(static_cast<size_t>(choice))); },
        parent);
    screen->SetChoices(QStringLiteral("&Team:"), TeamChoices(league, teams));
    screen->SetHeading(
        QStringLiteral("Each player asks for the yearly amounts shown. Re-sign him on them, or "
                       "release him to free agency."));
    TableScreen* s = screen.get();
    // Both answers are final, so each asks first; No is the default.
    for (bool accept : {true, false})
        screen
            ->AddButton(accept ? QStringLiteral("&Re-sign") : QStringLiteral("Re&lease"),
                        [&league, &host, s, teams, accept] {
                            const int id = s->SelectedKey();
                            if (id == 0) {
                                host.ShowMessage("Select a player first.", "Re-signing",
                                                 MessageIcon::Information);
                                return;
                            }
                            const int team = teams.at(static_cast<size_t>(s->Choice()));
                            const Player& p = league.player(id);
                            const std::string question =
                                accept ? "Re-sign " + p.Name + " on his demand, " +
                                             SalaryCapText(p.ResignDemand[0]) + " in the first year?"
                                       : "Release " + p.Name + " to free agency? The " +
                                             league.team(team).Name + " lose their Bird rights to him.";
                            if (!host.AskYesNo(question, "Re-signing")) return;
                            if (UserResign(league, team, id, accept, host)) s->Refresh();
                        })
            ->setObjectName(accept ? QStringLiteral("cmdResign") : QStringLiteral("cmdRelease"));
    return screen;
}

std::unique_ptr<TableScreen> MakeTrainingCampsScreen(League& league, Host& host, QWidget* parent) {
    auto before = std::make_shared<std::vector<int16_t>>(RatingsSnapshot(league));
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Training Camps"),
        [&league, before](int team) { return CampChangesTable(league, *before, team); }, parent);
    screen->SetChoices(QStringLiteral("&Team:"), AllTeamChoices(league), DefaultTeamChoice(league) + 1);
    screen->SetHeading(
        QStringLiteral("First the computer teams cut their rosters down, then the camps run."));
    TableScreen* s = screen.get();
    // The camps run once, after the cuts: each button enables the next step.
    auto steps = std::make_shared<std::array<QPushButton*, 2>>();
    (*steps)[0] = screen->AddButton(QStringLiteral("C&ut Players"), [&league, &host, s, before, steps] {
        host.SetBusy(true);
        host.SetProgress("Processing CPU Cuts...", 0, 1);
        CampCuts(league);
        EndProgress(host);
        host.SetBusy(false);
        *before = RatingsSnapshot(league);
        (*steps)[0]->setEnabled(false);
        (*steps)[1]->setEnabled(true);
        s->SetHeading(QStringLiteral("The computer teams have made their cuts. Run the camps next."));
        s->Refresh();
        const std::vector<std::string> cuts = CampCutLines(league);
        std::string text =
            cuts.empty() ? "No computer team had to cut a player." : "The computer teams' cuts:";
        for (const std::string& line : cuts)
            text += "\n" + line;
        host.ShowMessage(text, "Cut Players", MessageIcon::Information);
    });
    (*steps)[1] = screen->AddButton(QStringLiteral("&Run Camps"), [&league, &host, s, steps] {
        host.SetBusy(true);
        RunTrainingCamps(league, host);
        EndProgress(host);
        host.SetBusy(false);
        (*steps)[1]->setEnabled(false);
        s->SetHeading(QStringLiteral("The camps are over: ") + Q(StatusLine(league.state)) +
                      QStringLiteral("."));
        s->Refresh();
    });
    (*steps)[0]->setObjectName(QStringLiteral("cmdCuts"));
    (*steps)[1]->setObjectName(QStringLiteral("cmdCamps"));
    (*steps)[1]->setEnabled(false);
    return screen;
}

} // namespace hv
