// Standings: one table per division (or per conference) with each team's record, games behind, games behind
// in its conference, last 10 and streak, the human teams highlighted; every team in view without scrolling.
// The standings are computed when the screen opens.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <vector>

#include "league/league.h"
#include "report_view.h"

namespace hv {

class frmStandings : public QDialog {
    Q_OBJECT
  public:
    explicit frmStandings(League& league, QWidget* parent = nullptr);

    QComboBox* View() const { return view_; }
    // The tables shown: four divisions, or two conferences.
    const std::vector<ReportView*>& Tables() const { return tables_; }

  private:
    // Builds the tables of the chosen view in place of those shown.
    void ShowTables();

    League& league_;
    QComboBox* view_;
    QGridLayout* grid_;
    std::vector<ReportView*> tables_;
};

} // namespace hv
