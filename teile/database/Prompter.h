#pragma once
// How database operations talk to the user without knowing about windows.
// The windows answer with message boxes; tests answer from a script and keep
// every question for inspection. Texts are cp1252 bytes like all data here.

#include <string>

enum class MessageIcon { Information, Warning, Error, Question };
enum class Answer { Yes, No };

class Prompter {
public:
    virtual ~Prompter() = default;
    // A question with the buttons Yes and No.
    virtual Answer Ask(const std::string& title, const std::string& text, MessageIcon icon,
                       Answer defaultAnswer) = 0;
    // A message with the single button OK.
    virtual void Tell(const std::string& title, const std::string& text, MessageIcon icon) = 0;
};
