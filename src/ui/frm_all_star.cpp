#include "frm_all_star.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "cautious_host.h"
#include "dialog_fit.h"
#include "league/league_options.h"
#include "reports/all_star_tables.h"

namespace hv {

namespace {

// The step buttons' captions, with accelerators that differ from the screen's other ones.
QString StepCaption(WeekendStep step) {
    switch (step) {
    case WeekendStep::RookieGame:
        return QStringLiteral("Play the &Rookie Game");
    case WeekendStep::Shootout:
        return QStringLiteral("Hold the 3-Point Shoo&tout");
    case WeekendStep::DunkContest:
        return QStringLiteral("Hold the Slam-&Dunk Contest");
    case WeekendStep::AllStarGame:
        return QStringLiteral("Play the &All-Star Game");
    case WeekendStep::Done:
        break;
    }
    return QStringLiteral("Weekend Over");
}

// The view that shows the step's field.
frmAllStar::View ViewOf(WeekendStep step) {
    switch (step) {
    case WeekendStep::Shootout:
        return frmAllStar::kShootout;
    case WeekendStep::DunkContest:
        return frmAllStar::kDunkContest;
    case WeekendStep::AllStarGame:
    case WeekendStep::Done:
        return frmAllStar::kAllStarSquads;
    case WeekendStep::RookieGame:
        break;
    }
    return frmAllStar::kRookieSquads;
}

} // namespace

frmAllStar::frmAllStar(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host), weekend_(league, host) {
    setWindowTitle(QStringLiteral("All-Star Weekend"));
    setSizeGripEnabled(true);

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("lblHeading"));
    auto* showLabel = new QLabel(QStringLiteral("&Show:"), this);
    view_ = new QComboBox(this);
    view_->setObjectName(QStringLiteral("cboView"));
    view_->addItems({QStringLiteral("Rookie Game squads"), QStringLiteral("All-Star Game squads"),
                     QStringLiteral("3-Point Shootout"), QStringLiteral("Slam-Dunk Contest")});
    showLabel->setBuddy(view_);
    connect(view_, &QComboBox::currentIndexChanged, this, [this] { ShowView(); });
    auto* top = new QHBoxLayout;
    top->addWidget(showLabel);
    top->addWidget(view_);
    top->addStretch();

    list_ = new ReportView(this);
    list_->setObjectName(QStringLiteral("lstWeekend"));
    auto* resultsLabel = new QLabel(QStringLiteral("Results:"), this);
    results_ = new QPlainTextEdit(this);
    results_->setObjectName(QStringLiteral("txtResults"));
    results_->setReadOnly(true);
    results_->setMaximumBlockCount(200);
    results_->setFixedHeight(results_->fontMetrics().lineSpacing() * 8 + 12);

    next_ = new QPushButton(this);
    next_->setObjectName(QStringLiteral("cmdNext"));
    next_->setDefault(true);
    connect(next_, &QPushButton::clicked, this, [this] { RunStep(false); });
    // Wide enough for every step's caption, so that the row keeps its place as the weekend goes on.
    int nextWidth = 0;
    for (WeekendStep step : {WeekendStep::RookieGame, WeekendStep::Shootout, WeekendStep::DunkContest,
                             WeekendStep::AllStarGame, WeekendStep::Done}) {
        next_->setText(StepCaption(step));
        nextWidth = std::max(nextWidth, next_->sizeHint().width());
    }
    next_->setMinimumWidth(nextWidth);
    rest_ = new QPushButton(QStringLiteral("Finish the &Weekend"), this);
    rest_->setObjectName(QStringLiteral("cmdRest"));
    connect(rest_, &QPushButton::clicked, this, [this] { RunStep(true); });
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &frmAllStar::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(next_);
    buttons->addWidget(rest_);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addWidget(resultsLabel);
    layout->addWidget(results_);
    layout->addLayout(buttons);

    ShowView();
    Update();
    list_->setMinimumWidth(list_->ContentWidth());
    // A squad's ten players and its header without scrolling.
    list_->setMinimumHeight(list_->horizontalHeader()->sizeHint().height() +
                            11 * list_->verticalHeader()->defaultSectionSize());
    FitToContents(*this);
}

void frmAllStar::RunStep(bool rest) {
    const WeekendStep step = weekend_.Next();
    host_.SetBusy(true);
    if (rest)
        weekend_.RunRest();
    else
        weekend_.RunNextStep();
    host_.SetBusy(false);
    view_->setCurrentIndex(rest ? kAllStarSquads : ViewOf(step));
    ShowView();
    Update();
}

void frmAllStar::ShowView() {
    switch (view_->currentIndex()) {
    case kAllStarSquads:
        list_->SetTable(SquadsTable(league_, weekend_.AllStarSquads(), "All-Star Game"));
        break;
    case kShootout:
        list_->SetTable(ContestTable(weekend_.Shootout()));
        break;
    case kDunkContest:
        list_->SetTable(ContestTable(weekend_.DunkContest()));
        break;
    default:
        list_->SetTable(SquadsTable(league_, weekend_.RookieSquads(), "Rookie Game"));
        break;
    }
}

void frmAllStar::Update() {
    const bool ready = weekend_.Ready();
    heading_->setText(
        QStringLiteral("All-Star Weekend, season %1: %2")
            .arg(league_.state.Season)
            .arg(ready ? QStringLiteral("next, ") + QString::fromUtf8(WeekendStepCaption(weekend_.Next()))
                       : QStringLiteral("the weekend is over")));
    next_->setText(StepCaption(weekend_.Next()));
    next_->setEnabled(ready);
    rest_->setEnabled(ready);
    QStringList lines;
    for (const std::string& line : weekend_.Log())
        lines << QString::fromStdString(line);
    results_->setPlainText(lines.join(QLatin1Char('\n')));
}

void frmAllStar::reject() {
    if (weekend_.Started() && weekend_.Ready()) {
        CautiousHost cautious(host_, this);
        if (!cautious.AskYesNo("The All-Star weekend is under way and cannot stop half-way. Finish it now?",
                               "All-Star Weekend"))
            return;
        RunStep(true);
    }
    QDialog::reject();
}

bool OpenAllStarScreen(League& league, Host& host, QWidget* parent) {
    if (!CheckAllStarDay(league, host) || !CheckMaySimulate(league.state, host)) return false;
    frmAllStar screen(league, host, parent);
    screen.exec();
    return league.state.SeasonDay == Phase::AllStarDay + 1;
}

} // namespace hv
