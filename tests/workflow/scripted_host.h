#pragma once
// A Host for command tests: answers questions from a script and records what it was asked.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "workflow/host.h"

namespace veltora::test {

class ScriptedHost : public Host {
public:
    std::deque<std::optional<std::string>> texts;  // answers to AskText; nothing = cancelled
    std::deque<bool> answers;                      // answers to AskYesNo; none left = No
    std::vector<std::string> questions;            // "title|question" of every AskYesNo
    std::vector<std::string> messages;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& question, const std::string& title) override {
        questions.push_back(title + "|" + question);
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    std::optional<std::string> AskText(const std::string&, const std::string&, const std::string&) override {
        if (texts.empty()) return std::nullopt;
        auto text = texts.front();
        texts.pop_front();
        return text;
    }
    std::optional<std::filesystem::path> ChooseFile(const std::string&, const std::string&) override { return {}; }
    std::optional<std::filesystem::path> ChooseFolder(const std::string&, const std::filesystem::path&) override { return {}; }
    void Progress(int, int, const std::string&) override {}
    void ProcessEvents() override {}
    void ShowTip(const std::string&) override {}
};

}  // namespace veltora::test
