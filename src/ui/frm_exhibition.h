// Exhibition games: a team of any saved game against a team of any other (or the same) saved game, played
// at once or coached, outside every season; the league open in the program is not touched.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <memory>

#include "exhibition/exhibition.h"
#include "platform/host.h"
#include "report_view.h"

namespace hv {

class frmExhibition : public QDialog {
    Q_OBJECT
  public:
    frmExhibition(const League& current, Host& host, QWidget* parent = nullptr);

    Exhibition& Games() { return *exhibition_; }
    QComboBox* SaveChoice(int which) const { return team_[which - 1].save; }
    QComboBox* TeamChoice(int which) const { return team_[which - 1].team; }
    QPushButton* LoadButton(int which) const { return team_[which - 1].load; }
    ReportView* Roster(int which) const { return team_[which - 1].roster; }
    QComboBox* HomeChoice() const { return home_; }
    QLabel* Result() const { return result_; }
    QPushButton* Command(const char* name) const;

    // Loads the chosen team of the chosen save into Team One (1) or Team Two (2).
    bool LoadChosen(int which);
    void SimGame();
    void CoachGame();
    void EditRoster(int which);
    void ViewBox();
    void ViewPlayByPlay();

  private:
    struct TeamPanel {
        QComboBox* save = nullptr;
        QComboBox* team = nullptr;
        QPushButton* load = nullptr;
        QLabel* source = nullptr;
        ReportView* roster = nullptr;
    };
    QWidget* BuildTeamPanel(int which);
    void FillTeams(int which);
    void Refresh();
    void ShowLines(const QString& title, const std::vector<std::string>& lines);

    Host& host_;
    std::unique_ptr<Exhibition> exhibition_;
    std::array<TeamPanel, 2> team_{};
    QComboBox* home_ = nullptr;
    QCheckBox* pbp_ = nullptr;
    QLabel* result_ = nullptr;
};

} // namespace hv
