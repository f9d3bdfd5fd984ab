#include "frm_sim_seasons.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "league/saved_games.h"
#include "season/sim_seasons.h"

namespace hv {

frmSimSeasons::frmSimSeasons(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host), runHost_(host) {
    setObjectName(QStringLiteral("frmSimSeasons"));
    setWindowTitle(QStringLiteral("Sim Multiple Seasons"));
    seasons_ = new QLineEdit(QStringLiteral("1"), this);
    seasons_->setObjectName(QStringLiteral("txtSeasons"));
    seasons_->setMaxLength(6);
    auto* seasonsLabel = new QLabel(QStringLiteral("&Seasons to sim:"), this);
    seasonsLabel->setBuddy(seasons_);
    status_ = new QLabel(QStringLiteral("The computer plays every game and makes every choice, the human "
                                        "teams' included."),
                         this);
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setMinimumWidth(360);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("prgSeasons"));
    progress_->setValue(0);
    runHost_.SetProgressBar(progress_);

    sim_ = new QPushButton(QStringLiteral("S&im"), this);
    sim_->setObjectName(QStringLiteral("cmdSim"));
    sim_->setDefault(true);
    stop_ = new QPushButton(QStringLiteral("S&top"), this);
    stop_->setObjectName(QStringLiteral("cmdStop"));
    stop_->setEnabled(false);
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    close_->setObjectName(QStringLiteral("cmdClose"));
    connect(sim_, &QPushButton::clicked, this, &frmSimSeasons::Sim);
    connect(stop_, &QPushButton::clicked, this, [this] { runHost_.RequestStop(); });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto* entry = new QHBoxLayout;
    entry->addWidget(seasonsLabel);
    entry->addWidget(seasons_);
    entry->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {sim_, stop_, close_})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addLayout(buttons);
    FitToContents(*this);
}

QPushButton* frmSimSeasons::Button(const char* name) const {
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

void frmSimSeasons::SetRunning(bool running) {
    running_ = running;
    seasons_->setEnabled(!running);
    sim_->setEnabled(!running);
    close_->setEnabled(!running);
    stop_->setEnabled(running);
    host_.SetBusy(running);
}

void frmSimSeasons::Sim() {
    if (running_ || !MaySimSeasons(league_, host_)) return;
    const std::optional<int> seasons = ParseSeasonCount(seasons_->text().toStdString(), host_);
    if (!seasons) {
        seasons_->setFocus();
        seasons_->selectAll();
        return;
    }
    SetRunning(true);
    SimSeasonsHooks hooks;
    hooks.onStatus = [this](const std::string& line) { status_->setText(QString::fromStdString(line)); };
    // The league is saved after every season, as the Save command saves it.
    hooks.checkpoint = [this] { return SaveUnderItsName(league_, host_); };
    const SeasonsOutcome outcome = SimSeasons(league_, runHost_, *seasons, hooks);
    if (outcome == SeasonsOutcome::Stopped)
        status_->setText(QStringLiteral("Stopped: season %1, day %2.")
                             .arg(league_.state.Season)
                             .arg(league_.state.SeasonDay));
    SetRunning(false);
    if (outcome == SeasonsOutcome::Done) close_->setFocus();
}

void frmSimSeasons::reject() {
    // A run in progress is stopped first; the screen closes once it has ended.
    if (running_) {
        runHost_.RequestStop();
        return;
    }
    QDialog::reject();
}

void OpenSimSeasons(League& league, Host& host, QWidget* parent) {
    if (!MaySimSeasons(league, host)) return;
    frmSimSeasons screen(league, host, parent);
    screen.exec();
}

} // namespace hv
