#include "frm_draft.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "personnel/draft.h"
#include "personnel/draft_list.h"
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
    best_ = NewReportView("lstBest", this);
    // Every rating shows; the college, the longest text, is cut short where room is short, whole in its tip.
    for (ReportView* view : {prospects_, best_}) {
        view->SetCompactColumns(true);
        view->SetStretchColumn(QStringLiteral("College"));
    }
    board_ = NewReportView("lstBoard", this);
    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("lstResults"));
    results_->setMinimumWidth(300);
    results_->setTextElideMode(Qt::ElideMiddle);

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
    side->addWidget(new QLabel(QStringLiteral("Picks made:"), this));
    side->addWidget(results_, 1);
    side->addWidget(ListPanel(), 1);

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
         [this] {
             // Every pick left is the computer's, the human teams' too: asked first, No the default.
             if (!host_.AskYesNo("End the draft now? The computer makes every pick that is left, your own "
                                 "teams' picks too (from their draft lists).",
                                 "End Draft"))
                 return;
             Run([this] { AutoDraft(league_, host_, DraftUntil::End); });
         }},
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
    ResizeWithinScreen(
        *this,
        {prospects_->ContentWidth() + std::max(list_->ContentWidth(), results_->minimumWidth()) + 100, 680});
}

QWidget* frmDraft::ListPanel() {
    auto* panel = new QWidget(this);
    listTeam_ = new QComboBox(panel);
    listTeam_->setObjectName(QStringLiteral("cboListTeam"));
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (IsHumanTeam(league_, t)) listTeam_->addItem(Q(league_.team(t).Name), t);
    connect(listTeam_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    auto* teamLabel = new QLabel(QStringLiteral("Draft &list of:"), panel);
    teamLabel->setBuddy(listTeam_);
    list_ = NewReportView("lstDraftList", panel);
    list_->setMinimumWidth(260);
    list_->SetStretchColumn(QStringLiteral("Name"));

    const std::pair<const char*, const char*> buttons[] = {{"cmdListAdd", "A&dd to List"},
                                                           {"cmdListUp", "&Up"},
                                                           {"cmdListDown", "Do&wn"},
                                                           {"cmdListRemove", "Re&move"}};
    auto* row = new QHBoxLayout;
    for (const auto& [name, caption] : buttons) {
        auto* button = new QPushButton(QLatin1String(caption), panel);
        button->setObjectName(QLatin1String(name));
        row->addWidget(button);
        listButtons_.append(button);
    }
    // Add puts the prospect selected on the left at the end of the list.
    connect(listButtons_[0], &QPushButton::clicked, this, [this] {
        const int id = SelectedProspect();
        if (id == 0) {
            host_.ShowMessage("Select a prospect in the list first.", "Draft List", MessageIcon::Information);
            return;
        }
        std::vector<int> ids = AvailableOnDraftList(league_, ListTeamSlot());
        ids.push_back(id);
        SetList(ids);
    });
    connect(listButtons_[1], &QPushButton::clicked, this, [this] { MoveInList(-1); });
    connect(listButtons_[2], &QPushButton::clicked, this, [this] { MoveInList(1); });
    connect(listButtons_[3], &QPushButton::clicked, this, [this] { MoveInList(0); });

    auto* chooser = new QHBoxLayout;
    chooser->addWidget(teamLabel);
    chooser->addWidget(listTeam_, 1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(chooser);
    layout->addWidget(list_, 1);
    layout->addLayout(row);
    return panel;
}

int frmDraft::ListTeamSlot() const {
    return listTeam_->count() == 0 ? 0 : listTeam_->currentData().toInt();
}

void frmDraft::SetList(const std::vector<int>& ids) {
    const int team = ListTeamSlot();
    if (team == 0 || !SetDraftList(league_, host_, team, ids)) return;
    Refresh();
}

void frmDraft::MoveInList(int step) {
    const int team = ListTeamSlot(), id = list_->SelectedKey();
    if (team == 0 || id == 0) return;
    SetList(MovedInDraftList(AvailableOnDraftList(league_, team), id, step));
    list_->SelectKey(id);
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
    const int listTeam = ListTeamSlot();
    if (listTeam != 0) {
        list_->SetTable(DraftListTable(league_, listTeam));
        list_->setColumnHidden(1, true); // the ID: the list is edited by selection here
    }
    for (QPushButton* button : listButtons_)
        button->setEnabled(listTeam != 0);

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
