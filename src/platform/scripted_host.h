// A host for tests and unattended runs: records every message and answers questions from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/host.h"

namespace hv {

class ScriptedHost : public Host {
  public:
    struct Message {
        std::string text, title;
        MessageIcon icon;
    };

    std::vector<Message> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers; // next answers; when empty, defaultAnswer
    // Next answers of Yes/No/Cancel questions; when empty, those are answered like Yes/No questions.
    std::deque<Answer> threeWayAnswers;
    bool defaultAnswer = true;
    std::string lastCaption;
    int lastValue = 0, lastMaximum = 0;
    int pumps = 0;

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    bool AskYesNo(const std::string& text, const std::string&) override {
        questions.push_back(text);
        if (answers.empty()) return defaultAnswer;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override {
        if (threeWayAnswers.empty()) return Host::AskYesNoCancel(text, title);
        questions.push_back(text);
        Answer a = threeWayAnswers.front();
        threeWayAnswers.pop_front();
        return a;
    }
    void SetProgress(const std::string& caption, int value, int maximum) override {
        lastCaption = caption;
        lastValue = value;
        lastMaximum = maximum;
    }
    void SetBusy(bool) override {}
    void PumpEvents() override { ++pumps; }

    std::string LastMessage() const { return messages.empty() ? std::string() : messages.back().text; }
};

} // namespace hv
