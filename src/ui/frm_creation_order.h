// The creation draft's order screen: the 29 teams in picking order, moved up or down or shuffled; Start
// begins the draft in that order.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

class frmCreationOrder : public QDialog {
    Q_OBJECT
  public:
    frmCreationOrder(League& league, Host& host, QWidget* parent = nullptr);

    QListWidget* OrderList() const { return list_; }
    QPushButton* StartButton() const { return start_; }
    void MoveSelected(int step); // -1 up, +1 down
    void Shuffle();

  private:
    void Fill(const std::array<int16_t, kLeagueTeams>& order);
    std::array<int16_t, kLeagueTeams> Order() const;
    void OnStart();

    League& league_;
    Host& host_;
    QListWidget* list_;
    QPushButton* start_;
};

} // namespace hv
