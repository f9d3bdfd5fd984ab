#include "cli/console_host.h"

#include "reports/report_table.h"

namespace hv {

std::string MessageLine(const std::string& text, const std::string& title) {
    // A message without a title carries the program's name, as the desktop program's message box does.
    std::string line = (title.empty() ? std::string(kProgramTitle) : title) + ": " + text;
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\r') {
            if (i + 1 < line.size() && line[i + 1] == '\n') continue;
            out += ' ';
        } else if (line[i] == '\n') {
            out += ' ';
        } else {
            out += line[i];
        }
    }
    // Any other control character (an escape sequence in a name) is shown, not sent to the terminal.
    return VisibleText(out);
}

void ConsoleHost::ShowMessage(const std::string& text, const std::string& title, MessageIcon) {
    ++messageCount;
    err_ << MessageLine(text, title) << '\n';
}

bool ConsoleHost::AskYesNo(const std::string& text, const std::string& title) {
    err_ << MessageLine(text, title) << (answer_ ? " [yes]" : " [no]") << '\n';
    return answer_;
}

} // namespace hv
