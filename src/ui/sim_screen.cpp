#include "sim_screen.h"

#include "frm_box_score.h"
#include "frm_team_roster.h"
#include "league/game_key.h"
#include "league/saved_games.h"
#include "season/roster_checks.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

SimScreen::SimScreen(League& league, Host& host, const QString& title, QWidget* parent)
    : QDialog(parent), league_(league), host_(host), runHost_(host) {
    setWindowTitle(title);
    setSizeGripEnabled(true);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("lblHeading"));
    QFont big = heading_->font();
    big.setPointSize(big.pointSize() + 2);
    big.setBold(true);
    heading_->setFont(big);

    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("lstResults"));
    results_->setUniformItemSizes(true); // a season adds thousands of lines: none is measured on its own
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setTextVisible(true);
    progress_->hide();
    runHost_.SetProgressBar(progress_);
    runHost_.SetOnProgress([this] { RunMoved(); });

    injuries_ = new QCheckBox(QStringLiteral("&Injuries"), this);
    injuries_->setObjectName(QStringLiteral("chkInjuries"));
    injuries_->setToolTip(QStringLiteral("Tell of your teams' injuries and recoveries as they happen"));
    injuries_->setChecked(league.state.ScreenInjuries);
    connect(injuries_, &QCheckBox::toggled, this, [this](bool on) { league_.state.ScreenInjuries = on; });

    // A played game's line opens its box score, as a game's row of a list does.
    connect(results_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int key = item->data(Qt::UserRole).toInt();
        if (key > 0 && !running_) OpenBox(key);
    });

    run_.onDayStart = [this](int day) {
        RunMoved();
        auto* item = new QListWidgetItem(QStringLiteral("Day %1").arg(day), results_);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        results_->scrollToBottom();
    };
    run_.onResult = [this](const std::string& line, int gameKey) {
        RunMoved();
        auto* item = new QListWidgetItem(QStringLiteral("    ") + Q(line), results_);
        if (gameKey > 0) {
            item->setData(Qt::UserRole, gameKey);
            item->setToolTip(QStringLiteral("Double-click or Enter: the box score"));
        }
        results_->scrollToBottom();
    };
    // A run of more than a week saves the league after every week, as the Save command does.
    run_.checkpoint = [this] { return SaveUnderItsName(league_, host_); };
    run_.onSaved = [this](const std::string& line) {
        auto* item = new QListWidgetItem(Q(line), results_);
        QFont italic = item->font();
        italic.setItalic(true);
        item->setFont(italic);
        results_->scrollToBottom();
    };

    lists_ = new QVBoxLayout;
    options_ = new QHBoxLayout;
    options_->addWidget(injuries_);
    commandRow_ = new QHBoxLayout;
    viewRow_ = new QHBoxLayout;

    auto* stop = new QPushButton(QStringLiteral("St&op"), this);
    stop->setObjectName(QStringLiteral("cmdStop"));
    stop->setEnabled(false);
    connect(stop, &QPushButton::clicked, this, [this] { runHost_.RequestStop(); });
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    views_.push_back(close);

    // The screen's lists above, the result lines below; the user moves the line between them.
    auto* upper = new QWidget(this);
    upper->setLayout(lists_);
    lists_->setContentsMargins(0, 0, 0, 0);
    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    auto* resultsLabel = new QLabel(QStringLiteral("&Results:"), lower);
    resultsLabel->setBuddy(results_);
    lowerLayout->addWidget(resultsLabel);
    lowerLayout->addWidget(results_, 1);
    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName(QStringLiteral("splResults"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(upper);
    splitter_->addWidget(lower);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(splitter_, 1);
    layout->addWidget(progress_);
    layout->addLayout(options_);
    layout->addLayout(commandRow_);
    commandRow_->addStretch();
    commandRow_->addWidget(stop);
    layout->addLayout(viewRow_);
    viewRow_->addStretch();
    viewRow_->addWidget(close);
}

QPushButton* SimScreen::Button(const char* name) const {
    return findChild<QPushButton*>(QLatin1String(name));
}

QPushButton* SimScreen::AddCommand(const char* name, const QString& caption,
                                   std::function<SimReport()> action) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, [this, action] { Run(action); });
    commandRow_->insertWidget(static_cast<int>(commands_.size()), button);
    commands_.push_back(button);
    return button;
}

QPushButton* SimScreen::AddViewButton(const char* name, const QString& caption,
                                      std::function<void()> action) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, [action] { action(); });
    viewRow_->insertWidget(static_cast<int>(views_.size()) - 1, button);
    views_.insert(views_.end() - 1, button);
    return button;
}

void SimScreen::EnableCommand(const char* name, bool on) {
    if (QPushButton* button = Button(name)) button->setEnabled(on && !running_);
}

void SimScreen::Run(const std::function<SimReport()>& action) {
    if (running_) return;
    running_ = true;
    for (QPushButton* b : commands_)
        b->setEnabled(false);
    for (QPushButton* b : views_)
        b->setEnabled(false);
    injuries_->setEnabled(false);
    Button("cmdStop")->setEnabled(true);
    progress_->setValue(0);
    progress_->setVisible(true);
    SimReport report;
    try {
        report = action();
    } catch (const std::exception& e) {
        host_.ShowMessage(std::string("The simulation failed: ") + e.what(), "Error", MessageIcon::Critical);
    }
    running_ = false;
    progress_->hide();
    Button("cmdStop")->setEnabled(false);
    for (QPushButton* b : views_)
        b->setEnabled(true);
    injuries_->setEnabled(true);
    if (report.outcome == SimOutcome::AllStarBreak)
        host_.ShowMessage(kAllStarBreakNotice, "All-Star Break", MessageIcon::Information);
    Refresh();
    // A run that a human team's roster stopped offers the screen that puts it right.
    if (report.outcome == SimOutcome::Stopped && !IllegalHumanRosters(league_).empty() &&
        host_.AskYesNo("Open Team Roster now to put the roster right?", "Roster Error")) {
        frmTeamRoster roster(league_, host_, this);
        roster.exec();
        Refresh();
    }
}

void SimScreen::OpenBox(int key) {
    if (key <= 0) {
        host_.ShowMessage("Select a game first.", "Box Score", MessageIcon::Information);
        return;
    }
    frmBoxScore::Show(league_, host_, DayOfGameKey(key), GameOfGameKey(key), this);
}

void SimScreen::reject() {
    // A run in progress is stopped first; the screen closes once it has ended.
    if (running_) {
        runHost_.RequestStop();
        return;
    }
    QDialog::reject();
}

} // namespace hv
