#include "frm_trade_offer.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "report_view.h"
#include "reports/trade_tables.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

frmTradeOffer::frmTradeOffer(const League& league, const TradeProposal& offer, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Trade Offer"));
    const std::string from = league.team(offer.first.team).Name, to = league.team(offer.second.team).Name;
    auto* heading = new QLabel(Q("The " + from + " offer the " + to + " a trade."), this);
    heading->setObjectName(QStringLiteral("lblOffer"));

    auto* sides = new QHBoxLayout;
    for (const TradeSide* side : {&offer.first, &offer.second}) {
        ReportTable table = TradeSideTable(league, *side);
        auto* box = new QGroupBox(Q(table.title), this);
        auto* layout = new QVBoxLayout(box);
        auto* list = new ReportView(box);
        list->setObjectName(side == &offer.first ? QStringLiteral("lstOffered") : QStringLiteral("lstAsked"));
        list->SetTable(std::move(table));
        list->setMinimumWidth(list->ContentWidth());
        list->setMinimumHeight(list->verticalHeader()->defaultSectionSize() * (kMaxTradeItems + 2));
        layout->addWidget(list);
        const TradePayroll money = TradePayrollOf(league, offer, side->team);
        layout->addWidget(new QLabel(Q(" Salaries: " + ReportTable::Money(money.salaries).text), box));
        sides->addWidget(box);
    }

    accept_ = new QPushButton(QStringLiteral("&Accept"), this);
    accept_->setObjectName(QStringLiteral("cmdAccept"));
    accept_->setAutoDefault(false);
    decline_ = new QPushButton(QStringLiteral("&Decline"), this);
    decline_->setObjectName(QStringLiteral("cmdDecline"));
    decline_->setDefault(true); // the safe answer: Enter declines
    connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
    connect(decline_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept_);
    buttons->addWidget(decline_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(sides);
    layout->addLayout(buttons);
    FitToContents(*this);
}

} // namespace hv
