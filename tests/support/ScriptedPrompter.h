#pragma once
// Answers questions from a script and records everything it was asked or told.

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "Prompter.h"

class ScriptedPrompter : public Prompter {
public:
    struct Message {
        bool question;
        std::string title;
        std::string text;
        MessageIcon icon;
        Answer defaultAnswer;
    };

    explicit ScriptedPrompter(std::deque<Answer> answers = {}) : answers_(std::move(answers)) {}

    Answer Ask(const std::string& title, const std::string& text, MessageIcon icon,
               Answer defaultAnswer) override {
        messages.push_back({true, title, text, icon, defaultAnswer});
        if (answers_.empty()) {
            throw std::logic_error("unexpected question: " + text);
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    void Tell(const std::string& title, const std::string& text, MessageIcon icon) override {
        messages.push_back({false, title, text, icon, Answer::Yes});
    }

    bool AllAnswersUsed() const { return answers_.empty(); }

    std::vector<Message> messages;

private:
    std::deque<Answer> answers_;
};
