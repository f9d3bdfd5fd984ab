#include "frm_list_screens.h"

#include "cautious_host.h"
#include "league/transactions.h"
#include "reports/injury_report.h"
#include "reports/roster_report.h"
#include "reports/transaction_list.h"
#include "season/user_moves.h"
#include "team_choices.h"

namespace hv {

namespace {

// A screen over one human team's roster, chosen among the human teams; nullptr when there is none.
std::unique_ptr<TableScreen> HumanRosterScreen(League& league, Host& host, const QString& title,
                                               QWidget* parent) {
    std::vector<int> human = HumanTeamSlots(league);
    if (human.empty()) {
        host.ShowMessage("No human teams found.", "Error", MessageIcon::Warning);
        return nullptr;
    }
    auto screen = std::make_unique<TableScreen>(
        title,
        [&league, human](int choice) {
            return TeamRosterTable(league, human.at(static_cast<size_t>(choice)));
        },
        parent);
    screen->SetChoices(QStringLiteral("&Team:"), TeamChoices(league, human));
    return screen;
}

} // namespace

std::unique_ptr<TableScreen> MakeInjuriesScreen(League& league, QWidget* parent) {
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Injuries"), [&league](int team) { return InjuryListTable(league, team); }, parent);
    screen->SetChoices(QStringLiteral("&Team:"), AllTeamChoices(league));
    return screen;
}

std::unique_ptr<TableScreen> MakeInjuredReserveScreen(League& league, Host& host, QWidget* parent) {
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Injured Reserve"), [&league](int team) { return InjuredReserveTable(league, team); },
        parent);
    screen->SetChoices(QStringLiteral("&Team:"), AllTeamChoices(league));
    TableScreen* s = screen.get();
    screen->AddButton(QStringLiteral("&Activate"), [&league, &host, s] {
        const int id = s->SelectedKey();
        if (id != 0 && UserActivate(league, TeamOfPlayer(league, id), id, host)) s->Refresh();
    });
    return screen;
}

std::unique_ptr<TableScreen> MakeTransactionsScreen(League& league, QWidget* parent) {
    auto type = std::make_shared<QComboBox*>(nullptr);
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Transactions"),
        [&league, type](int team) {
            // Item 0 is every kind; the others are the kinds in their order.
            const int kind = *type ? (*type)->currentIndex() : 0;
            return TransactionTable(league, team == 0 ? std::string() : league.team(team).Name,
                                    kind <= 0 ? std::string() : TransactionTypes().at(size_t(kind - 1)));
        },
        parent);
    screen->SetChoices(QStringLiteral("&Team:"), AllTeamChoices(league));
    QStringList kinds{QStringLiteral("All Moves")};
    for (const std::string& t : TransactionTypes())
        kinds << QString::fromStdString(t);
    *type = screen->AddFilter(QStringLiteral("T&ype:"), kinds, "cboType");
    return screen;
}

std::unique_ptr<TableScreen> MakeCutPlayersScreen(League& league, Host& host, QWidget* parent) {
    auto screen = HumanRosterScreen(league, host, QStringLiteral("Cut Players"), parent);
    if (!screen) return screen;
    TableScreen* s = screen.get();
    std::vector<int> human = HumanTeamSlots(league);
    screen->AddButton(QStringLiteral("C&ut Player"), [&league, &host, s, human] {
        const int id = s->SelectedKey();
        CautiousHost cautious(host, s);
        if (id != 0 && UserCut(league, human.at(static_cast<size_t>(s->Choice())), id, cautious))
            s->Refresh();
    });
    return screen;
}

std::unique_ptr<TableScreen> MakeChangePositionsScreen(League& league, Host& host, QWidget* parent) {
    auto screen = HumanRosterScreen(league, host, QStringLiteral("Change Positions"), parent);
    if (!screen) return screen;
    TableScreen* s = screen.get();
    const QString captions[] = {QStringLiteral("To C&enter"), QStringLiteral("To &Power Forward"),
                                QStringLiteral("To &Small Forward"), QStringLiteral("To Shootin&g Guard"),
                                QStringLiteral("To P&oint Guard")};
    for (int pos = 1; pos <= 5; ++pos)
        screen
            ->AddButton(captions[pos - 1],
                        [&league, &host, s, pos] {
                            const int id = s->SelectedKey();
                            if (id != 0 && UserChangePosition(league, id, pos, host)) s->Refresh();
                        })
            ->setObjectName(QStringLiteral("cmdTo") + QString::fromStdString(PositionText(pos)));
    return screen;
}

} // namespace hv
