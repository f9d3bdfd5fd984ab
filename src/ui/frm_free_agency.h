// The Free Agency Period screen: the day, the free agents with their asking salaries, the bids the selected
// one holds, the signings so far, a human team's bid entry (checked as the bid command checks it) and the
// commands Sim Day and Sim to End. Players of human teams still waiting to re-sign are settled first.
// Days run only from Sim Day and Sim to End: no button is a default button, and closing the screen or a
// dialog over it never runs one.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <array>
#include <vector>

#include "league/league.h"
#include "platform/host.h"
#include "report_view.h"

namespace hv {

class frmFreeAgency : public QDialog {
    Q_OBJECT
  public:
    frmFreeAgency(League& league, Host& host, QWidget* parent = nullptr);

    void Refresh();
    // The free agent selected in the list, 0 when none.
    int SelectedPlayer() const;
    void SelectPlayer(int id);

    QLabel* DayLabel() const { return day_; }
    QTableView* FreeAgentList() const { return freeAgents_; }
    QTableView* BidList() const { return bids_; }
    QListWidget* Signings() const { return signings_; }
    QComboBox* TeamList() const { return team_; }
    QSpinBox* YearsBox() const { return years_; }
    QLineEdit* AmountBox(int year) const { return amounts_.at(static_cast<size_t>(year - 1)); }
    QPushButton* Button(const char* name) const;

    // True while Sim Day or Sim to End runs.
    bool Running() const { return running_; }

  protected:
    void reject() override;

  private:
    int BiddingTeam() const;
    void FillAmounts(int32_t amount);
    void OnBid();
    void OnWithdraw();
    // Opens the re-signing screen; true when the user closed it with Close (not Escape).
    bool OnResign();
    // False when the user would rather settle the waiting re-signings first.
    bool ReadyToOpen();
    void Simulate(bool toEnd);

    League& league_;
    Host& host_;
    std::vector<int> humanTeams_;
    QLabel* day_;
    QLabel* room_;
    ReportView* freeAgents_;
    QLabel* bidsCaption_;
    ReportView* bids_;
    QListWidget* signings_;
    QComboBox* team_ = nullptr;
    QSpinBox* years_ = nullptr;
    std::array<QLineEdit*, 7> amounts_{};
    QList<QPushButton*> bidButtons_;
    QList<QPushButton*> simButtons_;
    bool running_ = false;
};

} // namespace hv
