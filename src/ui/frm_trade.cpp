#include "frm_trade.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_fit.h"
#include "personnel/trade_offer.h"
#include "personnel/trade_value.h"
#include "reports/trade_tables.h"
#include "team_choices.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString Money(int64_t dollars) {
    return Q(ReportTable::Money(dollars).text);
}

bool Holds(const TradeSide& side, int id) {
    return std::any_of(side.items.begin(), side.items.end(), [id](const TradeItem& i) { return i.id == id; });
}

} // namespace

frmTrade::frmTrade(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host) {
    setWindowTitle(QStringLiteral("Propose Trade"));
    setSizeGripEnabled(true);

    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    const QString teamLabels[2] = {QStringLiteral("&Your team:"), QStringLiteral("Trade wit&h:")};
    const QString addTexts[2] = {QStringLiteral("&Give"), QStringLiteral("&Ask For")};
    const QString removeTexts[2] = {QStringLiteral("&Remove"), QStringLiteral("Remo&ve")};
    auto* columns = new QHBoxLayout;
    for (int s = 0; s < 2; ++s) {
        Side& side = sides_[static_cast<size_t>(s)];
        const QString suffix = s == 0 ? QStringLiteral("Mine") : QStringLiteral("Theirs");
        side.team = new QComboBox(this);
        side.team->setObjectName(QStringLiteral("cboTeam") + suffix);
        auto* label = new QLabel(teamLabels[s], this);
        label->setBuddy(side.team);
        side.assets = new ReportView(this);
        side.assets->setObjectName(QStringLiteral("lstAssets") + suffix);
        // The item's name takes what the figures leave, so that both sides fit side by side.
        side.assets->SetCompactColumns(true);
        side.assets->SetStretchColumn(QStringLiteral("Item"));
        side.chosen = new ReportView(this);
        side.chosen->setObjectName(QStringLiteral("lstChosen") + suffix);
        side.chosen->SetStretchColumn(QStringLiteral("Item"));
        side.add = button(s == 0 ? "cmdGive" : "cmdAsk", addTexts[s]);
        side.remove = button(s == 0 ? "cmdRemoveMine" : "cmdRemoveTheirs", removeTexts[s]);
        side.money = new QLabel(this);
        side.money->setObjectName(QStringLiteral("lblMoney") + suffix);

        auto* box = new QGroupBox(this);
        auto* layout = new QVBoxLayout(box);
        auto* top = new QHBoxLayout;
        top->addWidget(label);
        top->addWidget(side.team, 1);
        layout->addLayout(top);
        layout->addWidget(side.assets, 3);
        auto* moves = new QHBoxLayout;
        moves->addWidget(side.add);
        moves->addWidget(side.remove);
        moves->addStretch();
        layout->addLayout(moves);
        layout->addWidget(side.chosen, 1);
        layout->addWidget(side.money);
        columns->addWidget(box, 1);

        connect(side.add, &QPushButton::clicked, this,
                [this, s] { AddItem(s, SideWidgets(s).assets->SelectedKey()); });
        connect(side.remove, &QPushButton::clicked, this,
                [this, s] { RemoveItem(s, SideWidgets(s).chosen->SelectedKey()); });
        connect(side.assets, &ReportView::selectedKeyChanged, this, [this] { UpdateButtons(); });
        connect(side.chosen, &ReportView::selectedKeyChanged, this, [this] { UpdateButtons(); });
        connect(side.team, &QComboBox::currentIndexChanged, this, [this] {
            ChooseTeams(sides_[0].team->currentData().toInt(), sides_[1].team->currentData().toInt());
        });
    }

    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("lblVerdict"));
    verdict_->setWordWrap(true);
    // Room for the answer and "Trade Rejected" from the start, so that a verdict never squeezes the lists.
    verdict_->setMinimumHeight(2 * verdict_->fontMetrics().lineSpacing() + 4);
    propose_ = button("cmdPropose", QStringLiteral("&Propose Trade"));
    suggest_ = button("cmdSuggest", QStringLiteral("&What would make this work?"));
    clear_ = button("cmdClear", QStringLiteral("C&lear"));
    auto* close = button("cmdClose", QStringLiteral("&Close"));
    connect(propose_, &QPushButton::clicked, this, &frmTrade::Propose);
    connect(suggest_, &QPushButton::clicked, this, &frmTrade::Suggest);
    connect(clear_, &QPushButton::clicked, this, [this] {
        proposal_.first.items.clear();
        proposal_.second.items.clear();
        refused_ = false;
        verdict_->clear();
        Reload();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(propose_);
    buttons->addWidget(suggest_);
    buttons->addWidget(clear_);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(verdict_);
    layout->addLayout(buttons);

    const std::vector<int> human = HumanTeamSlots(league_);
    {
        QSignalBlocker block(sides_[0].team);
        for (int t : human)
            sides_[0].team->addItem(Q(league_.team(t).City + " " + league_.team(t).Name), t);
    }
    const int mine = human.empty() ? 1 : human.front();
    ChooseTeams(mine, mine == 1 ? 2 : 1);
    const int width = std::max(sides_[0].assets->ContentWidth(), sides_[1].assets->ContentWidth());
    ResizeWithinScreen(*this, {std::max(2 * width + 80, sizeHint().width()), 700});
}

void frmTrade::FillPartners() {
    QSignalBlocker block(sides_[1].team);
    sides_[1].team->clear();
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (t != proposal_.first.team)
            sides_[1].team->addItem(Q(league_.team(t).City + " " + league_.team(t).Name), t);
}

void frmTrade::ChooseTeams(int mine, int partner) {
    if (mine != proposal_.first.team) {
        proposal_.first = {mine, {}};
        proposal_.second.items.clear();
        FillPartners();
    }
    if (partner == mine || partner < 1 || partner > kLeagueTeams)
        partner = sides_[1].team->itemData(0).toInt();
    if (partner != proposal_.second.team) proposal_.second = {partner, {}};
    for (int s = 0; s < 2; ++s) {
        QSignalBlocker block(sides_[static_cast<size_t>(s)].team);
        QComboBox* box = sides_[static_cast<size_t>(s)].team;
        box->setCurrentIndex(box->findData(s == 0 ? proposal_.first.team : proposal_.second.team));
    }
    refused_ = false;
    verdict_->clear();
    Reload();
}

bool frmTrade::AddItem(int side, int id) {
    TradeSide& items = SideOf(side);
    if (id == 0 || Holds(items, id) || items.items.size() >= static_cast<size_t>(kMaxTradeItems))
        return false;
    items.items.push_back(TradeRater(league_).Item(id));
    refused_ = false;
    verdict_->clear();
    Reload();
    return true;
}

void frmTrade::RemoveItem(int side, int id) {
    auto& items = SideOf(side).items;
    auto gone = std::remove_if(items.begin(), items.end(), [id](const TradeItem& i) { return i.id == id; });
    if (gone == items.end()) return;
    items.erase(gone, items.end());
    refused_ = false;
    verdict_->clear();
    Reload();
}

void frmTrade::Reload() {
    const TradeRater rater(league_);
    for (int s = 0; s < 2; ++s) {
        Side& side = sides_[static_cast<size_t>(s)];
        const TradeSide& items = SideOf(s);
        side.assets->SetTable(TradeAssetsTable(league_, items.team, rater));
        side.chosen->SetTable(TradeSideTable(league_, items));
        const TradePayroll money = TradePayrollOf(league_, proposal_, items.team);
        side.money->setText(QStringLiteral(" Salaries: %1\n Cap Room: %2 (after the trade %3)\n Payroll: %4 "
                                           "(after the trade %5)")
                                .arg(Money(money.salaries), Money(money.capRoom), Money(money.capRoomAfter),
                                     Money(money.payroll), Money(money.payrollAfter)));
    }
    UpdateButtons();
}

void frmTrade::UpdateButtons() {
    for (int s = 0; s < 2; ++s) {
        const Side& side = sides_[static_cast<size_t>(s)];
        const TradeSide& items = SideOf(s);
        const int selected = side.assets->SelectedKey();
        side.add->setEnabled(selected != 0 && !Holds(items, selected) &&
                             items.items.size() < static_cast<size_t>(kMaxTradeItems));
        side.remove->setEnabled(side.chosen->SelectedKey() != 0);
    }
    const bool any = !proposal_.first.items.empty() || !proposal_.second.items.empty();
    propose_->setEnabled(any);
    clear_->setEnabled(any);
    suggest_->setEnabled(refused_ && proposal_.first.items.size() < static_cast<size_t>(kMaxTradeItems));
}

void frmTrade::Propose() {
    const std::string answer = VerdictText(league_, proposal_, proposal_.second.team);
    switch (ProposeTrade(league_, proposal_, host_)) {
    case TradeOutcome::Done:
        proposal_.first.items.clear();
        proposal_.second.items.clear();
        refused_ = false;
        // What was done, as the user's team's transaction line tells it.
        verdict_->setText(QStringLiteral("Trade Accepted: ") +
                          Q(league_.tables.transactions.at(league_.tables.transactions.size() - 2).Action));
        break;
    case TradeOutcome::Refused:
        refused_ = true;
        verdict_->setText(Q(answer) + QStringLiteral("\nTrade Rejected"));
        break;
    case TradeOutcome::Declined:
    case TradeOutcome::Invalid:
        refused_ = false;
        verdict_->clear();
        break;
    }
    Reload();
}

void frmTrade::Suggest() {
    const auto addition = SuggestAddition(league_, proposal_);
    const std::string text = SuggestionText(league_, proposal_, addition);
    if (!addition) {
        host_.ShowMessage(text, "What would make this work?", MessageIcon::Information);
        return;
    }
    if (host_.AskYesNo(text + "\nAdd it to your offer?", "What would make this work?"))
        AddItem(0, addition->id);
}

void OpenTradeScreen(League& league, Host& host, QWidget* parent) {
    if (HumanTeamSlots(league).empty()) {
        host.ShowMessage("No human teams found.", "Error", MessageIcon::Warning);
        return;
    }
    frmTrade screen(league, host, parent);
    screen.exec();
}

} // namespace hv
