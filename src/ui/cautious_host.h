// A host whose Yes/No questions default to No, for questions whose Yes cannot be undone (releasing a player).
// Messages and everything else go to the program's host; a host that is no message-box host (a test's
// scripted one) answers the questions itself.
#pragma once

#include <QMessageBox>

#include "qt_host.h"

namespace hv {

class CautiousHost : public Host {
  public:
    CautiousHost(Host& host, QWidget* parent) : host_(host), parent_(parent) {}

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        host_.ShowMessage(text, title, icon);
    }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        if (!dynamic_cast<QtHost*>(&host_)) return host_.AskYesNo(text, title);
        QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                        QMessageBox::Yes | QMessageBox::No, parent_);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
    void SetProgress(const std::string& caption, int value, int maximum) override {
        host_.SetProgress(caption, value, maximum);
    }
    void SetBusy(bool busy) override { host_.SetBusy(busy); }
    void PumpEvents() override { host_.PumpEvents(); }

  private:
    Host& host_;
    QWidget* parent_;
};

} // namespace hv
