// Propose Trade: a human team and its trading partner side by side, each with its players and draft picks,
// the items each side gives, their salaries and the payrolls before and after; the proposal is judged by the
// other team (or agreed by both human teams), and for a refused one the screen can suggest what would make it
// work.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "personnel/trade.h"
#include "platform/host.h"
#include "report_view.h"

namespace hv {

class frmTrade : public QDialog {
    Q_OBJECT
  public:
    // Opens on the first human team; the league must have one (see OpenTradeScreen).
    frmTrade(League& league, Host& host, QWidget* parent = nullptr);

    // One side of the screen: 0 the user's team, 1 its partner.
    struct Side {
        QComboBox* team = nullptr;
        ReportView* assets = nullptr;
        ReportView* chosen = nullptr;
        QPushButton* add = nullptr;
        QPushButton* remove = nullptr;
        QLabel* money = nullptr;
    };
    const Side& SideWidgets(int side) const { return sides_.at(static_cast<size_t>(side)); }
    QPushButton* ProposeButton() const { return propose_; }
    QPushButton* SuggestButton() const { return suggest_; }
    QLabel* Verdict() const { return verdict_; }
    const TradeProposal& Proposal() const { return proposal_; }

    // Chooses the teams (slots 1 to 29); the items chosen for a team that changes are dropped.
    void ChooseTeams(int mine, int partner);
    // Puts item `id` of side 0 or 1 into the trade (with its trade rating now) or takes it out.
    bool AddItem(int side, int id);
    void RemoveItem(int side, int id);
    // The Propose Trade and What would make this work? commands.
    void Propose();
    void Suggest();

  private:
    TradeSide& SideOf(int side) { return side == 0 ? proposal_.first : proposal_.second; }
    void FillPartners();
    void Reload();
    void UpdateButtons();

    League& league_;
    Host& host_;
    TradeProposal proposal_;
    std::array<Side, 2> sides_{};
    QLabel* verdict_;
    QPushButton *propose_, *suggest_, *clear_;
    bool refused_ = false; // the last proposal was refused by a computer team
};

// Opens the trade screen, or says "No human teams found." when the user runs no team.
void OpenTradeScreen(League& league, Host& host, QWidget* parent);

} // namespace hv
