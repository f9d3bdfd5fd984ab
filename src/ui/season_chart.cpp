#include "season_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace hv {

namespace {

QChartView* ViewOf(QChart* chart, QWidget* parent) {
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

} // namespace

QChartView* NewSeasonChart(const QString& title,
                           const std::vector<std::pair<QString, std::vector<SeasonValue>>>& lines,
                           QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    auto* seasons = new QValueAxis;
    seasons->setLabelFormat(QStringLiteral("%d"));
    seasons->setTitleText(QStringLiteral("Season"));
    auto* values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(seasons, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    int first = 0, last = 0;
    double top = 0;
    bool any = false;
    for (const auto& [name, points] : lines) {
        if (points.empty()) continue;
        auto* series = new QLineSeries;
        series->setName(name);
        series->setPointsVisible(true);
        for (const SeasonValue& v : points) {
            series->append(v.season, v.value);
            first = any ? std::min(first, int(v.season)) : v.season;
            last = any ? std::max(last, int(v.season)) : v.season;
            top = std::max(top, v.value);
            any = true;
        }
        chart->addSeries(series);
        series->attachAxis(seasons);
        series->attachAxis(values);
    }
    // A single season still gets a span to sit in; ticks fall on whole seasons.
    seasons->setRange(first - (first == last ? 1 : 0), last + (first == last ? 1 : 0));
    seasons->setTickCount(std::clamp(last - first + 1, 3, 11));
    values->setRange(0, std::max(10.0, top * 1.1));
    values->applyNiceNumbers();
    if (!any) chart->setTitle(title + QStringLiteral(" (no seasons played yet)"));
    return ViewOf(chart, parent);
}

QChartView* NewRatingsChart(const QString& title, const std::vector<NamedRating>& ratings, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    auto* set = new QBarSet(QStringLiteral("Rating"));
    QStringList names;
    for (const NamedRating& r : ratings) {
        *set << r.value;
        names << QString::fromStdString(r.name);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(names);
    categories->setLabelsAngle(-40); // the ratings' names in full, slanted
    auto* values = new QValueAxis;
    values->setRange(0, 100);
    values->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);
    chart->legend()->setVisible(false);
    return ViewOf(chart, parent);
}

} // namespace hv
