#pragma once
// The message boxes of teile in their house form: the given title, icon and
// default button, German buttons "Ja", "Nein" and "OK", and the texts exactly
// as given (most end in five blanks). MessageBoxPrompter is the window side of
// the engine's Prompter.

#include <QString>

#include "Prompter.h"

class QWidget;

// A question with "Ja" and "Nein".
Answer AskUser(QWidget* parent, const QString& title, const QString& text, MessageIcon icon,
               Answer defaultAnswer);
// A message with "OK".
void TellUser(QWidget* parent, const QString& title, const QString& text, MessageIcon icon);

class MessageBoxPrompter : public Prompter {
public:
    // The boxes open over `parent`'s window when there is one.
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Ask(const std::string& title, const std::string& text, MessageIcon icon,
               Answer defaultAnswer) override;
    void Tell(const std::string& title, const std::string& text, MessageIcon icon) override;

private:
    QWidget* parent_;
};
