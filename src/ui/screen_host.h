// The host of a screen's simulation run: messages and questions go to the program's host, progress goes to
// the screen's own progress bar, and the run's stop request is the screen's (its Stop button sets it).
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QProgressBar>
#include <functional>

#include "platform/host.h"

namespace hv {

class ScreenHost : public Host {
  public:
    explicit ScreenHost(Host& host) : host_(host) {}
    void SetProgressBar(QProgressBar* bar) { bar_ = bar; }
    // Told after every progress step, so that a screen's headings follow the run.
    void SetOnProgress(std::function<void()> told) { onProgress_ = std::move(told); }

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        host_.ShowMessage(text, title, icon);
    }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        return host_.AskYesNo(text, title);
    }
    void SetProgress(const std::string& caption, int value, int maximum) override {
        if (!bar_) return;
        bar_->setMaximum(maximum);
        bar_->setValue(value);
        bar_->setFormat(QString::fromStdString(caption) + QStringLiteral("  (%p%)"));
        if (onProgress_) onProgress_();
    }
    void SetBusy(bool busy) override { host_.SetBusy(busy); }
    void PumpEvents() override { QCoreApplication::processEvents(); }

  private:
    Host& host_;
    QPointer<QProgressBar> bar_;
    std::function<void()> onProgress_;
};

} // namespace hv
