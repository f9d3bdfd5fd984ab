#include "dashboard_view.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>
#include <array>

#include "reports/dashboard.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 1);
    label->setFont(font);
    return label;
}

// A list exactly as tall as its rows (one at least), its last column of text taking the width that is left
// (and cutting a long text short, whole in its tip), so that the page neither scrolls sideways nor hides a
// row.
void FitList(ReportView* view) {
    view->resizeColumnsToContents();
    const auto& columns = view->Table().columns;
    int stretch = static_cast<int>(columns.size()) - 1;
    for (int c = stretch; c >= 0; --c)
        if (columns[static_cast<size_t>(c)].align == Align::Left) {
            stretch = c;
            break;
        }
    for (int c = 0; c < static_cast<int>(columns.size()); ++c)
        view->horizontalHeader()->setSectionResizeMode(c, c == stretch ? QHeaderView::Stretch
                                                                       : QHeaderView::Interactive);
    // Never narrower than its other columns and a little of the stretched one, so no column is cut off.
    int least = 2 * view->frameWidth() + 90;
    for (int c = 0; c < static_cast<int>(columns.size()); ++c)
        if (c != stretch) least += view->columnWidth(c);
    view->setMinimumWidth(least);
    const int rows = std::max(1, view->model()->rowCount());
    view->setFixedHeight(view->horizontalHeader()->sizeHint().height() +
                         rows * view->verticalHeader()->defaultSectionSize() + 2 * view->frameWidth());
}

} // namespace

DashboardView::DashboardView(std::function<QAction*(const QString&)> command, QWidget* parent)
    : QStackedWidget(parent), command_(std::move(command)) {
    setObjectName(QStringLiteral("dashboard"));
    addWidget(BuildWelcome());
    addWidget(BuildPage());
}

QWidget* DashboardView::BuildWelcome() {
    background_ = new QLabel(this);
    background_->setObjectName(QStringLiteral("background"));
    background_->setAutoFillBackground(true);
    QPalette palette = background_->palette();
    palette.setColor(QPalette::Window, QColor(0x1d, 0x3b, 0x5c));
    background_->setPalette(palette);
    auto* title =
        new QLabel(QStringLiteral("<div style='color:#f0f0f0' align='center'>"
                                  "<h1 style='font-size:36pt'>Hoopvale</h1>"
                                  "<p style='font-size:14pt'>Basketball league simulation</p></div>"),
                   background_);
    title->setAlignment(Qt::AlignCenter);
    auto* newGame = new QPushButton(QStringLiteral("&New Game"), background_);
    newGame->setObjectName(QStringLiteral("cmdWelcomeNew"));
    auto* loadGame = new QPushButton(QStringLiteral("&Load Game"), background_);
    loadGame->setObjectName(QStringLiteral("cmdWelcomeLoad"));
    for (auto [button, name] : {std::pair{newGame, "mnuNewGame"}, std::pair{loadGame, "mnuLoadGame"}}) {
        button->setMinimumSize(160, 40);
        const QString command = QLatin1String(name);
        connect(button, &QPushButton::clicked, this, [this, command] {
            if (QAction* a = command_(command)) a->trigger();
        });
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(newGame);
    buttons->addSpacing(24);
    buttons->addWidget(loadGame);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(background_);
    layout->addStretch(2);
    layout->addWidget(title);
    layout->addSpacing(24);
    layout->addLayout(buttons);
    layout->addStretch(3);
    return background_;
}

ReportView* DashboardView::AddList(QVBoxLayout* column, const char* name, const QString& heading) {
    auto* page = column->parentWidget();
    auto* label = Heading(heading, page);
    auto* view = NewReportView(name, page);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    label->setBuddy(view);
    column->addWidget(label);
    column->addWidget(view);
    return view;
}

QWidget* DashboardView::BuildPage() {
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("dashboardPage"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget(scroll);
    scroll->setWidget(page);

    title_ = new QLabel(page);
    title_->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title_->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title_->setFont(big);
    status_ = new QLabel(page);
    status_->setObjectName(QStringLiteral("lblPhase"));
    team_ = new QLabel(page);
    team_->setObjectName(QStringLiteral("lblTeam"));
    QFont teamFont = team_->font();
    teamFont.setPointSize(teamFont.pointSize() + 2);
    team_->setFont(teamFont);
    next_ = new QPushButton(page);
    next_->setObjectName(QStringLiteral("cmdNextStep"));
    next_->setMinimumSize(240, 44);
    QFont buttonFont = next_->font();
    buttonFont.setPointSize(buttonFont.pointSize() + 2);
    buttonFont.setBold(true);
    next_->setFont(buttonFont);
    connect(next_, &QPushButton::clicked, this, [this] {
        if (QAction* a = command_(nextCommand_)) a->trigger();
    });

    auto* words = new QVBoxLayout;
    words->addWidget(title_);
    words->addWidget(status_);
    words->addWidget(team_);
    auto* top = new QHBoxLayout;
    top->addLayout(words, 1);
    top->addWidget(next_, 0, Qt::AlignVCenter);

    auto* left = new QVBoxLayout;
    auto* middle = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    grid_ = new QGridLayout;
    boxes_ = {left, middle, right};
    for (int i = 0; i < 3; ++i)
        grid_->addLayout(boxes_[static_cast<size_t>(i)], 0, i);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(grid_);
    layout->addStretch();

    standings_ = AddList(left, "lstStandings", QStringLiteral("Standings"));
    standingsHeading_ = qobject_cast<QLabel*>(left->itemAt(0)->widget());
    nextGames_ = AddList(left, "lstNextGames", QStringLiteral("Next Games"));
    left->addStretch();
    results_ = AddList(middle, "lstResults", QStringLiteral("Latest Results"));
    injuries_ = AddList(middle, "lstInjuries", QStringLiteral("Injuries"));
    middle->addStretch();
    leaders_ = AddList(right, "lstLeaders", QStringLiteral("League Leaders"));
    transactions_ = AddList(right, "lstTransactions", QStringLiteral("Latest Transactions"));
    right->addStretch();
    return scroll;
}

void DashboardView::resizeEvent(QResizeEvent* event) {
    QStackedWidget::resizeEvent(event);
    Arrange();
}

void DashboardView::Arrange() {
    // Three columns side by side on a wide window; on a narrow one the leaders and transactions go below.
    const bool wide = width() >= 1100;
    if (grid_->columnCount() > 0 && wide == wide_ && arranged_) return;
    arranged_ = true;
    wide_ = wide;
    for (QVBoxLayout* box : boxes_)
        grid_->removeItem(box);
    grid_->addLayout(boxes_[0], 0, 0);
    grid_->addLayout(boxes_[1], 0, 1);
    if (wide)
        grid_->addLayout(boxes_[2], 0, 2);
    else
        grid_->addLayout(boxes_[2], 1, 0, 1, 2);
    for (int c = 0; c < 3; ++c)
        grid_->setColumnStretch(c, wide ? std::array{3, 4, 6}[static_cast<size_t>(c)] : (c < 2 ? c + 3 : 0));
}

void DashboardView::SetBackground(const QPixmap& picture) {
    background_->setPixmap(picture);
    background_->setScaledContents(true);
}

void DashboardView::Refresh(const League& league) {
    if (!league.leagueOpen) {
        setCurrentIndex(0);
        return;
    }
    setCurrentIndex(1);
    Dashboard d = BuildDashboard(league);
    title_->setText(Q(d.title));
    status_->setText(Q(d.status));
    team_->setText(Q(d.teamLine));
    nextCommand_ = Q(d.next.command);
    QAction* action = command_(nextCommand_);
    next_->setVisible(!d.next.caption.empty());
    next_->setText(Q(d.next.caption));
    next_->setEnabled(action && action->isEnabled());
    next_->setToolTip(action && !action->isEnabled() ? action->statusTip() : QString());
    standingsHeading_->setText(Q(d.standings.title));
    const std::pair<ReportView*, ReportTable*> lists[] = {
        {standings_, &d.standings}, {nextGames_, &d.nextGames}, {results_, &d.results},
        {injuries_, &d.injuries},   {leaders_, &d.leaders},     {transactions_, &d.transactions}};
    for (auto [view, table] : lists) {
        view->SetTable(std::move(*table));
        FitList(view);
    }
    standings_->clearSelection();
    if (d.team) standings_->SelectKey(d.team);
}

} // namespace hv
