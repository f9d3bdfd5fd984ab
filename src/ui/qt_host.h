// The desktop program's host: modal message boxes, Yes/No questions, a progress dialog, the event pump and
// the trade offer screen.
#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <QWidget>

#include "personnel/trade_offer.h"
#include "platform/host.h"

namespace hv {

class QtHost : public Host, public TradeOfferPresenter {
  public:
    explicit QtHost(QWidget* parent = nullptr) : parent_(parent) {}

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override;
    void SetProgress(const std::string& caption, int value, int maximum) override;
    void SetBusy(bool busy) override;
    void PumpEvents() override;
    // The trade offer screen, modal over the current window.
    bool PresentTradeOffer(const League& league, const TradeProposal& offer) override;

    // Closes the progress dialog of the finished operation. A message or a question closes it first too, so
    // that no progress window ever sits over a message box; the next progress opens a new one.
    void EndProgress();
    void SetParent(QWidget* parent) { parent_ = parent; }

  private:
    QPointer<QWidget> parent_;
    QPointer<QProgressDialog> progress_;
    int busyDepth_ = 0;
};

} // namespace hv
