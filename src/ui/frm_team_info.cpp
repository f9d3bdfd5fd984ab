#include "frm_team_info.h"

#include "reports/chart_series.h"
#include "reports/team_info_table.h"
#include "season/standings.h"
#include "season_chart.h"
#include "team_choices.h"

namespace hv {

frmTeamInfo::frmTeamInfo(League& league, QWidget* parent)
    : TableScreen(
          QStringLiteral("Team Information"),
          [&league](int choice) { return TeamInfoTable(league, choice + 1); }, parent),
      league_(league) {
    UpdateWinningPercentages(league);
    ComputeStandings(league);
    SetChoices(QStringLiteral("&Team:"), TeamChoices(league), DefaultTeamChoice(league));
    ShowWinsChart();
    connect(Choices(), &QComboBox::currentIndexChanged, this, [this] { ShowWinsChart(); });
    resize(std::max(width() + 480, 900), height());
}

void frmTeamInfo::ShowWinsChart() {
    QChartView* chart =
        NewSeasonChart(QStringLiteral("Wins by season"),
                       {{QStringLiteral("Wins"), TeamWinsBySeason(league_, Choice() + 1)}}, this);
    chart->setObjectName(QStringLiteral("chtWins"));
    chart->chart()->legend()->setVisible(false);
    delete chart_;
    chart_ = chart;
    AddBeside(chart_, 2);
}

} // namespace hv
