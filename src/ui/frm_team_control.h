// Team Control: for every team, whether the user runs it, coaches its games and gets its play-by-play, with
// commands that switch every team at once. Changes apply at once.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTableWidget>

#include "league/league.h"

namespace hv {

class frmTeamControl : public QDialog {
    Q_OBJECT
  public:
    enum Column { kTeam, kHuman, kCoach, kPbp, kColumns };

    explicit frmTeamControl(League& league, QWidget* parent = nullptr);
    QTableWidget* Grid() const { return grid_; }
    QPushButton* Button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }

  private:
    void Load();
    void OnItemChanged(QTableWidgetItem* item);

    League& league_;
    QTableWidget* grid_;
};

} // namespace hv
