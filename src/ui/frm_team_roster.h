// Team Roster: a team's players, and for a human team its roster moves (activate, injured reserve, cut, sign
// a free agent) and its line-up: the depth chart, the key players and the coaching settings.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "league/league.h"
#include "league/lineup_edit.h"
#include "platform/host.h"
#include "report_view.h"

namespace hv {

class frmTeamRoster : public QDialog {
    Q_OBJECT
  public:
    // Opens on the first human team, else on team 1.
    frmTeamRoster(League& league, Host& host, QWidget* parent = nullptr);

    int TeamShown() const { return team_; }
    // Shows another team (1 to 29) after asking about an unsaved line-up; false when the user stays.
    bool ChooseTeam(int team);
    ReportView* Roster() const { return roster_; }
    // "13 of exactly 12 active / 15 of at most 15 on the roster", red while out of bounds.
    QLabel* Counts() const { return counts_; }
    QComboBox* TeamChoice() const { return teams_; }
    QComboBox* DepthBox(int position, int row) const { return depth_.at(position - 1).at(row - 1); }
    QComboBox* KeyBox(int k) const { return keys_.at(k - 1); }
    QComboBox* PaceBox() const { return pace_; }
    QComboBox* PressBox() const { return press_; }
    QComboBox* TrapBox() const { return trap_; }
    QComboBox* OffenseBox() const { return offense_; }
    QPushButton* ActivateButton() const { return activate_; }
    QPushButton* ReserveButton() const { return reserve_; }
    QPushButton* CutButton() const { return cut_; }
    QPushButton* SignButton() const { return sign_; }
    QPushButton* AutoButton() const { return auto_; }
    QPushButton* SaveButton() const { return save_; }

    // The line-up as the widgets show it, and whether it differs from the stored one.
    LineupChoice ChosenLineup() const;
    bool LineupChanged() const { return ChosenLineup() != shown_; }
    // Stores the chosen line-up; false (message shown) when it is refused.
    bool SaveChosenLineup();
    // Signs free agent `id` for the team shown.
    bool SignFreeAgent(int id);

    void done(int result) override;

  private:
    void BuildLineupWidgets(QGridLayout* depthGrid, QFormLayout* settingsForm);
    void Reload();
    void LoadLineup();
    void UpdateButtons();
    // Before the shown line-up is left: offers to save changes; false when a save was refused.
    bool KeepOrDropChanges();
    void Move(bool (*move)(League&, int, int, Host&));
    void OpenFreeAgents();

    League& league_;
    Host& host_;
    int team_ = 1;
    LineupChoice shown_;
    QComboBox* teams_;
    QLabel* summary_;
    QLabel* counts_; // active and roster counts against the limits
    ReportView* roster_;
    std::array<std::array<QComboBox*, 3>, 5> depth_{};
    std::array<QComboBox*, 3> keys_{};
    QComboBox *pace_ = nullptr, *press_ = nullptr, *trap_ = nullptr, *offense_ = nullptr;
    QPushButton *activate_, *reserve_, *cut_, *sign_, *auto_, *save_;
};

} // namespace hv
