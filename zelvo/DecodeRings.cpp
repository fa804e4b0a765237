#include "DecodeRings.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "RingTables.h"

namespace {

// Fixed-point text with "." as the decimal point whatever the locale says:
// a Qt program runs under the user's locale, and a German one would print ",".
std::string FixedText(float value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// Two decimals, then "x.00" loses its decimals and "x.y0" its last zero.
std::string OhmText(float value) {
    std::string text = FixedText(value, 2);
    if (EndsWith(text, "00")) {
        text.resize(text.size() - 3);
    } else if (text.back() == '0') {
        text.pop_back();
    }
    return text;
}

// One decimal; "x.0" loses its decimal.
std::string ScaledText(float value) {
    std::string text = FixedText(value, 1);
    if (text.back() == '0') {
        text.resize(text.size() - 2);
    }
    return text;
}

}  // namespace

std::string DecodeRings(int firstDigitPosition, int secondDigitPosition, int multiplierCode,
                        int tolerancePosition) {
    const int firstDigit = std::clamp(firstDigitPosition, 0, int(FirstDigitRing.size()) - 1) + 1;
    const int secondDigit = std::clamp(secondDigitPosition, 0, int(SecondDigitRing.size()) - 1);
    const int tolerance = std::clamp(tolerancePosition, 0, int(ToleranceRing.size()) - 1);

    // Single precision on purpose: the texts must come out exactly as the
    // decoder has always shown them.
    float value = float(firstDigit * 10 + secondDigit);
    if (multiplierCode == -1) {
        value = value / 10.0f;
    } else if (multiplierCode == -10) {
        value = value / 100.0f;
    } else {
        value = value * float(multiplierCode);
    }

    std::string text;
    if (value < 1000.0f) {
        text = OhmText(value) + " Ohm, ";
    } else if (value < 1000000.0f) {
        text = ScaledText(value / 1000.0f) + " kOhm, ";
    } else {
        text = ScaledText(value / 1000000.0f) + " MOhm, ";
    }
    text += ToleranceRing[tolerance].toleranceText;
    return text;
}
