#include "frm_free_agency.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "contract_screens.h"
#include "dialog_fit.h"
#include "league/league_options.h"
#include "league/salary.h"
#include "league/status_line.h"
#include "personnel/free_agency.h"
#include "personnel/human_bid.h"
#include "personnel/resign.h"
#include "reports/free_agency_tables.h"
#include "team_choices.h"

namespace hv {

namespace {

constexpr const char* kTitle = "Free Agency";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// No button of this screen is a default button: Enter in a list or a box, or a key left over from a closed
// dialog, never presses one, least of all one that runs days.
QPushButton* MakeButton(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QLatin1String(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

frmFreeAgency::frmFreeAgency(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host), humanTeams_(HumanTeamSlots(league)) {
    setObjectName(QStringLiteral("frmFreeAgency"));
    setWindowTitle(QStringLiteral("Free Agency Period"));
    setSizeGripEnabled(true);

    day_ = new QLabel(this);
    day_->setObjectName(QStringLiteral("lblDay"));
    QFont big = day_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    day_->setFont(big);
    room_ = new QLabel(this);
    room_->setObjectName(QStringLiteral("lblRoom"));

    freeAgents_ = NewReportView("lstFreeAgents", this);
    // Every column from the ID to the bids shows; a long name is cut short, whole in its tip.
    freeAgents_->SetCompactColumns(true);
    freeAgents_->SetStretchColumn(QStringLiteral("Name"));
    connect(freeAgents_, &ReportView::selectedKeyChanged, this, [this] { Refresh(); });
    bidsCaption_ = new QLabel(this);
    bids_ = NewReportView("lstBids", this);
    signings_ = new QListWidget(this);
    signings_->setObjectName(QStringLiteral("lstSignings"));

    auto* side = new QVBoxLayout;
    side->addWidget(bidsCaption_);
    side->addWidget(bids_, 1);
    side->addWidget(new QLabel(QStringLiteral("Signings:"), this));
    side->addWidget(signings_, 1);

    if (!humanTeams_.empty()) {
        auto* group = new QGroupBox(QStringLiteral("Your bid"), this);
        team_ = new QComboBox(group);
        team_->setObjectName(QStringLiteral("cboTeam"));
        team_->addItems(TeamChoices(league_, humanTeams_));
        connect(team_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
        years_ = new QSpinBox(group);
        years_->setObjectName(QStringLiteral("spnYears"));
        years_->setRange(1, 7);
        connect(years_, &QSpinBox::valueChanged, this, [this](int years) {
            for (int y = 0; y < 7; ++y)
                amounts_[static_cast<size_t>(y)]->setEnabled(y < years);
        });
        auto* form = new QFormLayout;
        form->addRow(QStringLiteral("&Team:"), team_);
        form->addRow(QStringLiteral("&Years:"), years_);
        auto* grid = new QGridLayout;
        for (int y = 0; y < 7; ++y) {
            auto* edit = new QLineEdit(group);
            edit->setObjectName(QStringLiteral("txtYear%1").arg(y + 1));
            edit->setEnabled(y == 0);
            // Enter in an amount places the bid, as Make Bid does.
            connect(edit, &QLineEdit::returnPressed, this, [this] { OnBid(); });
            auto* label = new QLabel(QStringLiteral("Year &%1:").arg(y + 1), group);
            label->setBuddy(edit);
            grid->addWidget(label, y % 4, (y / 4) * 2);
            grid->addWidget(edit, y % 4, (y / 4) * 2 + 1);
            amounts_[static_cast<size_t>(y)] = edit;
        }
        auto* fills = new QHBoxLayout;
        const struct {
            const char* caption;
            const char* name;
        } fillButtons[] = {
            {"M&ax", "cmdMax"}, {"Mi&n", "cmdMin"}, {"&Mid-Level", "cmdMid"}, {"&Low-Level", "cmdLow"}};
        for (const auto& f : fillButtons) {
            QPushButton* button = MakeButton(f.caption, f.name, group);
            fills->addWidget(button);
            bidButtons_.append(button);
        }
        connect(Button("cmdMax"), &QPushButton::clicked, this, [this] {
            if (int id = SelectedPlayer())
                FillAmounts(MaximumSalary(league_.state, league_.player(id).Experience));
        });
        connect(Button("cmdMin"), &QPushButton::clicked, this, [this] {
            if (int id = SelectedPlayer()) FillAmounts(MinimumSalary(league_.player(id).Experience));
        });
        connect(Button("cmdMid"), &QPushButton::clicked, this, [this] { FillAmounts(kMidLevelException); });
        connect(Button("cmdLow"), &QPushButton::clicked, this, [this] { FillAmounts(kLowLevelException); });
        auto* actions = new QHBoxLayout;
        QPushButton* bid = MakeButton("Make &Bid", "cmdBid", group);
        QPushButton* withdraw = MakeButton("&Withdraw Bid", "cmdWithdraw", group);
        connect(bid, &QPushButton::clicked, this, [this] { OnBid(); });
        connect(withdraw, &QPushButton::clicked, this, [this] { OnWithdraw(); });
        actions->addWidget(bid);
        actions->addWidget(withdraw);
        actions->addStretch();
        bidButtons_.append(bid);
        bidButtons_.append(withdraw);
        auto* box = new QVBoxLayout(group);
        box->addLayout(form);
        box->addLayout(grid);
        box->addLayout(fills);
        box->addLayout(actions);
        side->addWidget(group);
    }

    auto* buttons = new QHBoxLayout;
    QPushButton* resign = MakeButton("&Re-sign Players...", "cmdResign", this);
    QPushButton* simDay = MakeButton("Sim &Day", "cmdSimDay", this);
    QPushButton* simEnd = MakeButton("Sim to &End", "cmdSimEnd", this);
    connect(resign, &QPushButton::clicked, this, [this] { OnResign(); });
    connect(simDay, &QPushButton::clicked, this, [this] { Simulate(false); });
    connect(simEnd, &QPushButton::clicked, this, [this] { Simulate(true); });
    simButtons_ = {simDay, simEnd};
    buttons->addWidget(resign);
    buttons->addWidget(simDay);
    buttons->addWidget(simEnd);
    buttons->addStretch();
    QPushButton* close = MakeButton("&Close", "cmdClose", this);
    connect(close, &QPushButton::clicked, this, [this] {
        if (!running_) accept();
    });
    buttons->addWidget(close);

    auto* top = new QHBoxLayout;
    top->addWidget(day_);
    top->addSpacing(24);
    top->addWidget(room_, 1);
    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Free agents:"), this));
    left->addWidget(freeAgents_, 1);
    body->addLayout(left, 3);
    body->addLayout(side, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    Refresh();
    ResizeWithinScreen(*this, {1200, 720});
}

QPushButton* frmFreeAgency::Button(const char* name) const {
    return findChild<QPushButton*>(QLatin1String(name));
}

int frmFreeAgency::SelectedPlayer() const {
    return freeAgents_->SelectedKey();
}

void frmFreeAgency::SelectPlayer(int id) {
    freeAgents_->SelectKey(id);
}

int frmFreeAgency::BiddingTeam() const {
    return team_ ? humanTeams_.at(static_cast<size_t>(team_->currentIndex())) : 0;
}

void frmFreeAgency::Refresh() {
    {
        // Rebuilding the list must not call back into Refresh through the selection.
        const QSignalBlocker block(freeAgents_);
        freeAgents_->SetTable(FreeAgentsTable(league_));
    }
    const int id = SelectedPlayer();
    bidsCaption_->setText(id ? QStringLiteral("Bids for ") + Q(league_.player(id).Name) + QStringLiteral(":")
                             : QStringLiteral("Select a free agent to see his bids."));
    bids_->SetTable(id ? BidsTable(league_, id) : ReportTable{});

    signings_->clear();
    for (const Transaction& t : league_.tables.transactions)
        if (t.Season == league_.state.Season && t.SeasonDay >= Phase::FirstFreeAgency &&
            t.Action.rfind("Sign ", 0) == 0)
            signings_->addItem(Q(t.Team + ": " + t.Action));
    signings_->scrollToBottom();

    const bool open = FreeAgencyOpen(league_.state);
    day_->setText(Q(StatusLine(league_.state)));
    if (const int team = BiddingTeam()) {
        const Team& t = league_.team(team);
        room_->setText(Q(t.Name + ": " + std::to_string(t.NumPlayers) + " players, cap room " +
                         SalaryCapText(CapRoom(league_, team)) + ", mid-level " +
                         (t.UsedMidException ? "used" : "available") + ", low-level " +
                         (t.UsedLowException ? "used" : "available")));
    }
    const bool bidding = FreeAgencyDayToRun(league_.state);
    for (QPushButton* b : bidButtons_)
        b->setEnabled(!running_ && bidding && id != 0);
    for (QPushButton* b : simButtons_)
        b->setEnabled(!running_ && open);
    Button("cmdResign")->setEnabled(!running_ && !PlayersAwaitingResign(league_).empty());
    Button("cmdClose")->setEnabled(!running_);
}

void frmFreeAgency::FillAmounts(int32_t amount) {
    for (QLineEdit* edit : amounts_)
        edit->setText(Q(GroupThousands(amount)));
}

void frmFreeAgency::OnBid() {
    const int id = SelectedPlayer();
    if (id == 0 || running_ || !FreeAgencyDayToRun(league_.state)) return;
    std::vector<int32_t> amounts;
    for (int y = 0; y < years_->value(); ++y) {
        const std::string text = amounts_[static_cast<size_t>(y)]->text().toStdString();
        const double value = SalaryCapTextValue(text);
        if (text.find_first_of("0123456789") == std::string::npos || value < INT32_MIN || value > INT32_MAX) {
            host_.ShowMessage("Year " + std::to_string(y + 1) + ": type the amount in dollars.", kTitle,
                              MessageIcon::Warning);
            amounts_[static_cast<size_t>(y)]->setFocus();
            return;
        }
        amounts.push_back(static_cast<int32_t>(Nearest(value)));
    }
    if (PlaceHumanBid(league_, BiddingTeam(), id, amounts, host_)) Refresh();
}

void frmFreeAgency::OnWithdraw() {
    if (const int id = SelectedPlayer(); id != 0 && WithdrawHumanBid(league_, BiddingTeam(), id, host_))
        Refresh();
}

bool frmFreeAgency::OnResign() {
    if (running_) return false;
    bool closed = false;
    if (auto screen = MakeResignScreen(league_, host_, this)) closed = screen->exec() == QDialog::Accepted;
    Refresh();
    return closed;
}

bool frmFreeAgency::ReadyToOpen() {
    if (league_.state.SeasonDay != Phase::FirstFreeAgency || PlayersAwaitingResign(league_).empty())
        return true;
    // Escape on the re-signing screen goes back to this screen: no day runs.
    if (!OnResign()) return false;
    const size_t waiting = PlayersAwaitingResign(league_).size();
    if (waiting == 0) return true;
    return host_.AskYesNo(std::to_string(waiting) + (waiting == 1 ? " player has" : " players have") +
                              " not been re-signed and will become free agents. Go on with free agency?",
                          kTitle);
}

void frmFreeAgency::Simulate(bool toEnd) {
    if (running_ || !FreeAgencyOpen(league_.state) || !ReadyToOpen()) return;
    running_ = true;
    Refresh(); // every command is disabled while the days run
    host_.ClearStop();
    host_.SetBusy(true);
    // A step is a day or the end; the period never needs more than its seven days.
    for (int step = 0; step < 8 && FreeAgencyOpen(league_.state) && !host_.StopRequested(); ++step) {
        FreeAgencyStep(league_, host_);
        host_.PumpEvents();
        if (!toEnd) break;
    }
    host_.SetBusy(false);
    // The progress window goes before any message, so that it never sits over one holding the focus.
    EndProgress(host_);
    running_ = false;
    Refresh();
    if (!FreeAgencyOpen(league_.state))
        host_.ShowMessage("Free agency is over. The training camps come next.", kTitle,
                          MessageIcon::Information);
}

void frmFreeAgency::reject() {
    // Escape or the window's close box while days run stops the run before its next day; the screen stays.
    if (running_) {
        host_.RequestStop();
        return;
    }
    QDialog::reject();
}

} // namespace hv
