#pragma once
// The one place where the cp1252 bytes of the data become the text a window
// shows, and typed text becomes bytes again.

#include <QString>
#include <QValidator>

#include <string>
#include <string_view>

QString ToWindowText(std::string_view cp1252);
// Characters the code page cannot hold become "?"; the dialogs keep them
// out of their fields in the first place (Cp1252Validator).
std::string ToDataText(const QString& text);
// Whether every character of `text` has a cp1252 byte.
bool FitsCp1252(const QString& text);

// Keeps characters the data files cannot hold out of a text field, so what the
// user typed is what gets stored.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};
