// The command line's host: messages go to stderr as one line, questions get a fixed answer.
#pragma once

#include <ostream>
#include <string>

#include "platform/host.h"

namespace hv {

class ConsoleHost : public Host {
  public:
    ConsoleHost(std::ostream& err, bool answer) : err_(err), answer_(answer) {}

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    void SetProgress(const std::string&, int, int) override {}
    void SetBusy(bool) override {}
    void PumpEvents() override {}

    int messageCount = 0;

  private:
    std::ostream& err_;
    bool answer_;
};

// The title of a message that has none: the program's name.
inline constexpr const char* kProgramTitle = "Hoopvale";

// "TITLE: TEXT" ("Hoopvale: TEXT" without a title), line breaks written as blanks and other control
// characters made visible.
std::string MessageLine(const std::string& text, const std::string& title);

} // namespace hv
