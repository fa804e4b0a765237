#pragma once
// Filling a dialog's text fields with stored values, and reading a row of
// fields back as one.

#include <QLineEdit>
#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>

// A stored value is shown whole, however long: cut, it would be written back
// cut. The limit only keeps what is typed in bounds.
inline void ShowWhole(QLineEdit* field, const QString& text, int limit) {
    field->setMaxLength(std::max(limit, static_cast<int>(text.size())));
    field->setText(text);
}

template <std::size_t N>
void SetTexts(const std::array<QLineEdit*, N>& fields, const std::array<QString, N>& texts) {
    for (std::size_t i = 0; i < N; ++i) {
        fields[i]->setText(texts[i]);
    }
}

template <std::size_t N>
std::array<QString, N> TextsOf(const std::array<QLineEdit*, N>& fields) {
    std::array<QString, N> texts;
    for (std::size_t i = 0; i < N; ++i) {
        texts[i] = fields[i]->text();
    }
    return texts;
}
