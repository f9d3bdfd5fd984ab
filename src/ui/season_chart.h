// Charts of figures by season (a player's points per game, a team's wins) and of a player's ratings, for the
// player's card and the team's screen.
#pragma once

#include <QChartView>
#include <QString>
#include <utility>
#include <vector>

#include "reports/chart_series.h"

namespace hv {

// One line per named series over the seasons, seasons along the bottom; an empty series is left out.
QChartView* NewSeasonChart(const QString& title,
                           const std::vector<std::pair<QString, std::vector<SeasonValue>>>& lines,
                           QWidget* parent);

// One bar per rating on a 0 to 100 scale.
QChartView* NewRatingsChart(const QString& title, const std::vector<NamedRating>& ratings, QWidget* parent);

} // namespace hv
