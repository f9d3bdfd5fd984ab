// The trade offer screen: a computer team's offer to one of the user's teams, each side's items with their
// trade ratings and salaries; the user accepts or declines it (Decline is the default).
#pragma once

#include <QDialog>
#include <QPushButton>

#include "personnel/trade.h"

namespace hv {

class frmTradeOffer : public QDialog {
    Q_OBJECT
  public:
    // `offer.first` is the offering computer team.
    frmTradeOffer(const League& league, const TradeProposal& offer, QWidget* parent = nullptr);

    QPushButton* AcceptButton() const { return accept_; }
    QPushButton* DeclineButton() const { return decline_; }

  private:
    QPushButton *accept_, *decline_;
};

} // namespace hv
