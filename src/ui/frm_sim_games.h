// The schedule screen: the current day's games with their scores, the result lines of the runs, and the
// commands Sim (the day), Sim Week, Sim Month, Sim Half, Sim Season and Sim Game (the selected game), Stop,
// the injuries and HTML check boxes, and the box score of a played game.
#pragma once

#include <QSpinBox>

#include "report_view.h"
#include "sim_screen.h"

namespace hv {

class frmSimGames : public SimScreen {
    Q_OBJECT
  public:
    frmSimGames(League& league, Host& host, QWidget* parent = nullptr);

    void Refresh() override;
    ReportView* Games() const { return games_; }
    QCheckBox* HtmlBox() const { return html_; }
    QSpinBox* DayChooser() const { return day_; }

  protected:
    void RunMoved() override;

  private:
    // The league's day and what to press on it.
    void ShowHeading();
    // Lists the games of the day chosen.
    void ShowDay();

    QSpinBox* day_;
    ReportView* games_;
    QCheckBox* html_;
};

} // namespace hv
