// The draft screen of the creation draft and the rookie draft: the pick on the clock and its team, the
// prospects (by position), the best available at each position, the picks made, and the commands: the
// user's selection for a human team, the computer's pick, skipping, and letting the computer pick to the
// next human team, the end of the round or the end of the draft; and beside them a human team's draft list,
// the prospects the computer takes for that team in order when it picks for it.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include "league/league.h"
#include "platform/host.h"
#include "report_view.h"

namespace hv {

class frmDraft : public QDialog {
    Q_OBJECT
  public:
    frmDraft(League& league, Host& host, QWidget* parent = nullptr);

    void Refresh();
    // The prospect selected in the list, 0 when none.
    int SelectedProspect() const;
    void SelectProspect(int id);

    QLabel* ClockLabel() const { return clock_; }
    QLabel* TeamLabel() const { return onClock_; }
    QComboBox* PositionList() const { return position_; }
    QTableView* ProspectList() const { return prospects_; }
    QTableView* BestList() const { return best_; }
    QTableView* Board() const { return board_; }
    QListWidget* Results() const { return results_; }
    QComboBox* ListTeam() const { return listTeam_; }
    ReportView* DraftList() const { return list_; }
    QPushButton* Button(const char* name) const;

  private:
    void OnSelect();
    void Run(const std::function<void()>& step);
    // The team slot chosen for the draft list, 0 when the league has no human team.
    int ListTeamSlot() const;
    // Sets the chosen team's list to `ids` (the core refuses a bad one with a message) and shows it.
    void SetList(const std::vector<int>& ids);
    // Moves the list's selected player by `step` places, or removes him (0).
    void MoveInList(int step);
    QWidget* ListPanel();

    League& league_;
    Host& host_;
    QLabel* clock_;
    QLabel* onClock_;
    QComboBox* position_;
    ReportView* prospects_;
    ReportView* best_;
    ReportView* board_;
    QListWidget* results_;
    QComboBox* listTeam_;
    ReportView* list_;
    QList<QPushButton*> actions_;
    QList<QPushButton*> listButtons_;
    bool overShown_ = false;
};

} // namespace hv
