// A player's card: a heading with his name, team, position, age, body, college, contract and injury, and
// tabs of his ratings with their grades, his statistics season by season, his awards, the transactions that
// name him and a chart of his seasons and ratings.
#pragma once

#include <QChartView>
#include <QDialog>
#include <QLabel>
#include <QTabWidget>

#include "league/league.h"
#include "report_view.h"

namespace hv {

class frmPlayerCard : public QDialog {
    Q_OBJECT
  public:
    frmPlayerCard(const League& league, int id, QWidget* parent = nullptr);

    // Shows the card of player `id` modally; an empty slot opens nothing.
    static void Show(const League& league, int id, QWidget* parent);

    QLabel* NameLabel() const { return name_; }
    QTabWidget* Tabs() const { return tabs_; }
    ReportView* Ratings() const { return ratings_; }
    ReportView* Seasons() const { return seasons_; }
    QChartView* SeasonChart() const { return seasonChart_; }

  private:
    QWidget* BuildHeading(const League& league, int id);
    QWidget* BuildStatistics(const League& league, int id);
    QWidget* BuildChart(const League& league, int id);

    QLabel* name_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    ReportView* ratings_ = nullptr;
    ReportView* seasons_ = nullptr;
    QChartView* seasonChart_ = nullptr;
};

} // namespace hv
