#include "frm_end_season.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "league/league_options.h"
#include "season/end_season.h"

namespace hv {

frmEndSeason::frmEndSeason(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host) {
    setObjectName(QStringLiteral("frmEndSeason"));
    setWindowTitle(QStringLiteral("End Season %1").arg(league.state.Season));
    steps_ = new QListWidget(this);
    steps_->setObjectName(QStringLiteral("lstSteps"));
    steps_->setMinimumSize(320, 190);
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    close_->setObjectName(QStringLiteral("cmdClose"));
    close_->setEnabled(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Ending the season:"), this));
    layout->addWidget(steps_, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close_);
    layout->addLayout(row);
    FitToContents(*this);
}

bool frmEndSeason::RunSteps() {
    if (ended_) return true;
    ended_ = EndSeason(league_, host_, [this](const std::string& caption) {
        steps_->addItem(QString::fromStdString(caption));
        QCoreApplication::processEvents();
    });
    close_->setEnabled(true);
    close_->setDefault(true);
    return ended_;
}

void frmEndSeason::done(int result) {
    // The steps run to their end before the screen may close; closing files the season's box scores.
    if (!close_->isEnabled()) return;
    if (ended_) CloseEndSeason(league_, host_);
    QDialog::done(result);
}

void OpenEndSeason(League& league, Host& host, QWidget* parent) {
    if (!CheckMayEndSeason(league.state, host)) return;
    frmEndSeason screen(league, host, parent);
    // Modal while its steps run too: the hub's commands must wait for the season to have ended.
    screen.setWindowModality(Qt::ApplicationModal);
    screen.show();
    if (!screen.RunSteps()) return;
    screen.exec();
}

} // namespace hv
