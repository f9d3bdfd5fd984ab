// Find Players: the league's players by part of the name, position and team, in a sortable list.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "league/league.h"
#include "report_view.h"
#include "reports/player_search.h"

namespace hv {

class frmFindPlayers : public QDialog {
    Q_OBJECT
  public:
    explicit frmFindPlayers(const League& league, QWidget* parent = nullptr);

    QLineEdit* NameField() const { return name_; }
    QComboBox* PositionChoice() const { return position_; }
    QComboBox* TeamChoice() const { return team_; }
    QPushButton* SearchButton() const { return search_; }
    ReportView* Results() const { return results_; }
    QLabel* Count() const { return count_; }

    // The search the widgets describe; Search lists its players.
    PlayerSearch CurrentSearch() const;
    void Search();

  private:
    const League& league_;
    QLineEdit* name_;
    QComboBox* position_;
    QComboBox* team_;
    QPushButton* search_;
    QLabel* count_;
    ReportView* results_;
};

} // namespace hv
