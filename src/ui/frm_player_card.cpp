#include "frm_player_card.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/chart_series.h"
#include "reports/player_card.h"
#include "reports/player_stats_tables.h"
#include "reports/transaction_list.h"
#include "season_chart.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

ReportView* ListOf(ReportTable table, const char* name, QWidget* parent) {
    ReportView* view = NewReportView(name, parent);
    view->SetTable(std::move(table));
    return view;
}

// A list with a caption above it, the caption's mnemonic moving the focus to the list.
QWidget* Captioned(const QString& caption, ReportView* view, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption, box);
    label->setBuddy(view);
    layout->addWidget(label);
    layout->addWidget(view, 1);
    return box;
}

} // namespace

frmPlayerCard::frmPlayerCard(const League& league, int id, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPlayerCard"));
    setWindowTitle(QStringLiteral("Player Card - ") + Q(league.player(id).Name));
    setSizeGripEnabled(true);

    const Player& p = league.player(id);
    ratings_ = ListOf(PlayerRatingsTable(p), "lstRatings", this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabCard"));
    tabs_->addTab(ratings_, QStringLiteral("&Ratings"));
    tabs_->addTab(BuildStatistics(league, id), QStringLiteral("&Statistics"));
    tabs_->addTab(ListOf(PlayerAwardsTable(p), "lstAwards", this), QStringLiteral("A&wards"));
    tabs_->addTab(ListOf(PlayerTransactionTable(league, p.Name), "lstTransactions", this),
                  QStringLiteral("&Transactions"));
    tabs_->addTab(BuildChart(league, id), QStringLiteral("C&hart"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildHeading(league, id));
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
    resize(std::min(1300, std::max(900, seasons_->ContentWidth() + 40)), 680);
}

QWidget* frmPlayerCard::BuildHeading(const League& league, int id) {
    auto* heading = new QWidget(this);
    auto* layout = new QVBoxLayout(heading);
    layout->setContentsMargins(0, 0, 0, 0);
    name_ = new QLabel(Q(league.player(id).Name), heading);
    name_->setObjectName(QStringLiteral("lblName"));
    QFont big = name_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    name_->setFont(big);
    layout->addWidget(name_);
    // The facts in two rows of four label-value pairs.
    auto* grid = new QGridLayout;
    const std::vector<CardFact> facts = PlayerCardFacts(league, id);
    for (size_t i = 0; i < facts.size(); ++i) {
        auto* label = new QLabel(Q(facts[i].label) + QLatin1Char(':'), heading);
        auto* value = new QLabel(Q(facts[i].text), heading);
        value->setObjectName(QStringLiteral("lbl") + Q(facts[i].label));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        const int row = int(i) / 4, column = int(i) % 4 * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(value, row, column + 1);
    }
    grid->setColumnStretch(7, 1);
    layout->addLayout(grid);
    return heading;
}

QWidget* frmPlayerCard::BuildStatistics(const League& league, int id) {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    seasons_ = ListOf(CareerStatsTable(league, id), "lstSeasons", page);
    ReportView* playoffs = ListOf(PlayerPlayoffTable(league, id), "lstPlayoffs", page);
    playoffs->setMaximumHeight(playoffs->horizontalHeader()->sizeHint().height() +
                               2 * playoffs->verticalHeader()->defaultSectionSize() +
                               2 * playoffs->frameWidth());
    layout->addWidget(Captioned(QStringLiteral("Regular season, career line last:"), seasons_, page), 3);
    layout->addWidget(Captioned(QStringLiteral("Playoffs (the latest the league keeps):"), playoffs, page),
                      1);
    return page;
}

QWidget* frmPlayerCard::BuildChart(const League& league, int id) {
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);
    const PerGameSeries perGame = PlayerPerGameBySeason(league, id);
    seasonChart_ = NewSeasonChart(QStringLiteral("Per game by season"),
                                  {{QStringLiteral("Points"), perGame.points},
                                   {QStringLiteral("Rebounds"), perGame.rebounds},
                                   {QStringLiteral("Assists"), perGame.assists}},
                                  page);
    seasonChart_->setObjectName(QStringLiteral("chtSeasons"));
    QChartView* ratings =
        NewRatingsChart(QStringLiteral("Ratings now"), CurrentRatings(league.player(id)), page);
    ratings->setObjectName(QStringLiteral("chtRatings"));
    layout->addWidget(seasonChart_, 1);
    layout->addWidget(ratings, 1);
    return page;
}

void frmPlayerCard::Show(const League& league, int id, QWidget* parent) {
    if (id < 1 || size_t(id) >= league.players.size() || league.player(id).IsEmpty()) return;
    frmPlayerCard card(league, id, parent);
    card.exec();
}

} // namespace hv
