// The hub's central panel. Without a league: a welcome with New Game and Load Game. With one: the league's
// dashboard (reports/dashboard.h) as lists under headings, with the next step as a button that runs the
// same hub command as its menu entry; a result's row opens its box score.
#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <array>
#include <functional>

#include "league/league.h"
#include "report_view.h"

namespace hv {

class DashboardView : public QStackedWidget {
    Q_OBJECT
  public:
    // `command` gives the hub's action of a command name ("mnuBeginSeason"), or nullptr.
    DashboardView(std::function<QAction*(const QString&)> command, QWidget* parent = nullptr);

    // Shows the welcome when no league is open, else the league's dashboard as it stands.
    void Refresh(const League& league);
    void SetBackground(const QPixmap& picture);

    QPushButton* NextStepButton() const { return next_; }
    ReportView* Results() const { return results_; }
    ReportView* Standings() const { return standings_; }
    bool ShowsWelcome() const { return currentIndex() == 0; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* BuildWelcome();
    // Puts the three columns of lists side by side, or two with the third below on a narrow window.
    void Arrange();
    QWidget* BuildPage();
    // A heading and its list, added to `column`.
    ReportView* AddList(QVBoxLayout* column, const char* name, const QString& heading);

    std::function<QAction*(const QString&)> command_;
    QLabel* background_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* team_ = nullptr;
    QPushButton* next_ = nullptr;
    QString nextCommand_;
    ReportView *nextGames_ = nullptr, *standings_ = nullptr, *leaders_ = nullptr, *results_ = nullptr,
               *transactions_ = nullptr, *injuries_ = nullptr;
    QLabel* standingsHeading_ = nullptr;
    QGridLayout* grid_ = nullptr;
    std::array<QVBoxLayout*, 3> boxes_{};
    bool wide_ = true, arranged_ = false;
};

} // namespace hv
