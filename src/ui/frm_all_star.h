// The All-Star screen: the weekend of day 60 step by step. It shows the squads and the contests' fields,
// runs the rookie game, the 3-Point Shootout, the Slam-Dunk Contest and the All-Star Game one at a time
// (or the rest at once) with their results, and moves the league to day 61 with the last step.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "league/league.h"
#include "platform/host.h"
#include "report_view.h"
#include "season/all_star.h"

namespace hv {

class frmAllStar : public QDialog {
    Q_OBJECT
  public:
    // Views of the list.
    enum View { kRookieSquads, kAllStarSquads, kShootout, kDunkContest };

    frmAllStar(League& league, Host& host, QWidget* parent = nullptr);

    const AllStarWeekend& Weekend() const { return weekend_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* RestButton() const { return rest_; }
    QComboBox* ViewChoice() const { return view_; }
    ReportView* List() const { return list_; }
    QPlainTextEdit* Results() const { return results_; }

    // Closing before the weekend is over asks to finish it first (a weekend cannot stop half-way).
    void reject() override;

  private:
    void RunStep(bool rest);
    void ShowView();
    void Update();

    League& league_;
    Host& host_;
    AllStarWeekend weekend_;
    QLabel* heading_;
    QComboBox* view_;
    ReportView* list_;
    QPlainTextEdit* results_;
    QPushButton* next_;
    QPushButton* rest_;
};

// Opens the All-Star screen; refused with a message when the league is not on day 60 or the league restricts
// simulation to the commissioner. Returns whether the weekend was played to its end.
bool OpenAllStarScreen(League& league, Host& host, QWidget* parent = nullptr);

} // namespace hv
