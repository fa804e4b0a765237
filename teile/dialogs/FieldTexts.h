#pragma once
// The texts of a row of fields that a dialog fills and reads back as one.

#include <QLineEdit>
#include <QString>

#include <array>
#include <cstddef>

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
