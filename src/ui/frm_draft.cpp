#include "frm_draft.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "personnel/draft.h"
#include "reports/draft_reports.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

frmDraft::frmDraft(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host) {
    setObjectName(QStringLiteral("frmDraft"));
    setWindowTitle(IsCreationDraft(league) ? QStringLiteral("Creation Draft")
                                           : QStringLiteral("Rookie Draft"));
    setSizeGripEnabled(true);

    clock_ = new QLabel(this);
    clock_->setObjectName(QStringLiteral("lblClock"));
    QFont big = clock_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    clock_->setFont(big);
    onClock_ = new QLabel(this);
    onClock_->setObjectName(QStringLiteral("lblOnClock"));
    onClock_->setFont(big);

    position_ = new QComboBox(this);
    position_->setObjectName(QStringLiteral("cboPosition"));
    position_->addItems({QStringLiteral("All Positions"), QStringLiteral("C"), QStringLiteral("PF"),
                         QStringLiteral("SF"), QStringLiteral("SG"), QStringLiteral("PG")});
    connect(position_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    auto* positionLabel = new QLabel(QStringLiteral("P&osition:"), this);
    positionLabel->setBuddy(position_);

    prospects_ = NewReportView("lstProspects", this);
    connect(prospects_, &QTableView::doubleClicked, this, [this] { OnSelect(); });
    best_ = NewReportView("lstBest", this);
    board_ = NewReportView("lstBoard", this);
    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("lstResults"));
    results_->setMinimumWidth(260);

    auto* tabs = new QTabWidget(this);
    auto* prospectPage = new QWidget(tabs);
    auto* prospectLayout = new QVBoxLayout(prospectPage);
    auto* filter = new QHBoxLayout;
    filter->addWidget(positionLabel);
    filter->addWidget(position_);
    filter->addStretch();
    prospectLayout->addLayout(filter);
    prospectLayout->addWidget(prospects_, 1);
    prospectLayout->addWidget(new QLabel(QStringLiteral("Best available at each position:"), prospectPage));
    prospectLayout->addWidget(best_);
    // Room for the five positions (and a spare row) without a vertical scroll bar.
    best_->setFixedHeight(best_->horizontalHeader()->sizeHint().height() +
                          6 * best_->verticalHeader()->defaultSectionSize() + 2 * best_->frameWidth() +
                          best_->horizontalScrollBar()->sizeHint().height());
    tabs->addTab(prospectPage, QStringLiteral("Pros&pects"));
    tabs->addTab(board_, QStringLiteral("Draft &Board"));

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Draft list:"), this));
    side->addWidget(results_, 1);

    struct Action {
        const char* name;
        const char* caption;
        std::function<void()> step;
    };
    const Action actions[] = {
        {"cmdSelect", "&Select Player", [this] { OnSelect(); }},
        {"cmdAuto", "&Auto Pick", [this] { Run([this] { ComputerPick(league_, host_); }); }},
        {"cmdSkip", "S&kip Pick", [this] { Run([this] { SkipPick(league_, host_); }); }},
        {"cmdNextHuman", "To &Next Human Team",
         [this] { Run([this] { AutoDraft(league_, host_, DraftUntil::HumanTeam); }); }},
        {"cmdEndRound", "End &Round",
         [this] { Run([this] { AutoDraft(league_, host_, DraftUntil::EndOfRound); }); }},
        {"cmdEndDraft", "&End Draft",
         [this] { Run([this] { AutoDraft(league_, host_, DraftUntil::End); }); }},
    };
    auto* buttons = new QHBoxLayout;
    for (const Action& a : actions) {
        auto* button = new QPushButton(QLatin1String(a.caption), this);
        button->setObjectName(QLatin1String(a.name));
        auto step = a.step;
        connect(button, &QPushButton::clicked, this, [step] { step(); });
        buttons->addWidget(button);
        actions_.append(button);
    }
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);

    auto* top = new QHBoxLayout;
    top->addWidget(clock_);
    top->addSpacing(24);
    top->addWidget(onClock_, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(tabs, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    Refresh();
    resize(1100, 680);
}

QPushButton* frmDraft::Button(const char* name) const {
    return findChild<QPushButton*>(QLatin1String(name));
}

int frmDraft::SelectedProspect() const {
    return prospects_->SelectedKey();
}

void frmDraft::SelectProspect(int id) {
    prospects_->SelectKey(id);
}

void frmDraft::Refresh() {
    prospects_->SetTable(ProspectsTable(league_, position_->currentIndex()));
    best_->SetTable(RecommendationsTable(league_));
    board_->SetTable(DraftOrderTable(league_));

    results_->clear();
    for (const std::string& line : DraftResultLines(league_))
        results_->addItem(Q(line));
    results_->scrollToBottom();

    bool underWay = DraftUnderWay(league_);
    if (underWay) {
        int total = DraftRounds(league_) * kLeagueTeams;
        int done = (league_.state.DraftState - 1) * kLeagueTeams + league_.state.DraftPickState;
        clock_->setText(QStringLiteral("Round %1, Pick %2  (%3 of %4)")
                            .arg(league_.state.DraftState)
                            .arg(league_.state.DraftPickState)
                            .arg(done)
                            .arg(total));
        bool human = IsHumanTeam(league_, TeamOnClock(league_));
        onClock_->setText(QStringLiteral("On the clock: ") +
                          Q(PickHolderText(league_, *CurrentSlot(league_))) +
                          (human ? QStringLiteral(" (your pick)") : QString()));
    } else {
        clock_->setText(QStringLiteral("The draft is over."));
        onClock_->clear();
    }
    for (QPushButton* button : actions_)
        button->setEnabled(underWay);
    // Only a human team's pick is the user's to make.
    if (underWay) Button("cmdSelect")->setEnabled(IsHumanTeam(league_, TeamOnClock(league_)));
}

void frmDraft::OnSelect() {
    if (!DraftUnderWay(league_) || !IsHumanTeam(league_, TeamOnClock(league_))) return;
    int id = SelectedProspect();
    if (id == 0) {
        host_.ShowMessage("Select a prospect in the list first.", "Draft", MessageIcon::Information);
        return;
    }
    if (!host_.AskYesNo(SelectionQuestion(league_.player(id)), "Draft")) return;
    Run([this, id] { MakeSelection(league_, host_, id); });
}

void frmDraft::Run(const std::function<void()>& step) {
    for (QPushButton* button : actions_)
        button->setEnabled(false);
    host_.ClearStop();
    host_.SetBusy(true);
    step();
    host_.SetBusy(false);
    Refresh();
    if (!DraftUnderWay(league_) && !overShown_) {
        overShown_ = true;
        host_.ShowMessage("The draft is over.", "Draft", MessageIcon::Information);
    }
}

} // namespace hv
