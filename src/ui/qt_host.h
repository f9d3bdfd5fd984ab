// The desktop program's host: modal message boxes, Yes/No questions, a progress dialog and the event pump.
#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <QWidget>

#include "platform/host.h"

namespace hv {

class QtHost : public Host {
  public:
    explicit QtHost(QWidget* parent = nullptr) : parent_(parent) {}

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override;
    void SetProgress(const std::string& caption, int value, int maximum) override;
    void SetBusy(bool busy) override;
    void PumpEvents() override;

    // Closes the progress dialog of the finished operation.
    void EndProgress();
    void SetParent(QWidget* parent) { parent_ = parent; }

  private:
    QPointer<QWidget> parent_;
    QPointer<QProgressDialog> progress_;
    int busyDepth_ = 0;
};

} // namespace hv
