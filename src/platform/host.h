// What the core asks of a front end: messages, questions, progress and the event pump.
// The GUI, the command line and the tests each implement it; the core never shows anything itself.
#pragma once

#include <string>

namespace hv {

enum class MessageIcon { None, Information, Warning, Critical, Question };

enum class Answer { Yes, No, Cancel };

class Host {
  public:
    virtual ~Host() = default;

    virtual void ShowMessage(const std::string& text, const std::string& title = {},
                             MessageIcon icon = MessageIcon::None) = 0;
    // A Yes/No question; true means Yes. A windowed front end offers No as the default.
    virtual bool AskYesNo(const std::string& text, const std::string& title = {}) = 0;
    // A Yes/No/Cancel question (save the changes first?); a front end without a Cancel answers Yes or No.
    virtual Answer AskYesNoCancel(const std::string& text, const std::string& title = {}) {
        return AskYesNo(text, title) ? Answer::Yes : Answer::No;
    }
    // A caption and a value within 0 to maximum for the current long operation.
    virtual void SetProgress(const std::string& caption, int value, int maximum) = 0;
    virtual void SetBusy(bool busy) = 0;
    // Let the interface handle pending events between the steps of a long loop.
    virtual void PumpEvents() = 0;

    // The one stop request that every long loop tests before its next step.
    bool StopRequested() const { return stopRequested_; }
    void RequestStop() { stopRequested_ = true; }
    void ClearStop() { stopRequested_ = false; }

  private:
    bool stopRequested_ = false;
};

// Thrown when the program cannot go on (a required data file missing, no player slot left).
// The front end shows the message and ends.
struct FatalError {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Critical;
};

} // namespace hv
