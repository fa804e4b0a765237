#include "ValueText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads the text from the front, one piece at a time.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return position_ == text_.size(); }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(text_[position_])) {
            ++position_;
        }
    }
    bool Take(char c) {
        if (!AtEnd() && text_[position_] == c) {
            ++position_;
            return true;
        }
        return false;
    }
    // Takes `word` when it comes next; letters in either case when asked.
    bool TakeWord(std::string_view word, bool anyCase = false) {
        if (text_.size() - position_ < word.size()) {
            return false;
        }
        for (std::size_t i = 0; i < word.size(); ++i) {
            char c = text_[position_ + i];
            char w = word[i];
            if (anyCase) {
                c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
                w = (w >= 'A' && w <= 'Z') ? char(w - 'A' + 'a') : w;
            }
            if (c != w) {
                return false;
            }
        }
        position_ += word.size();
        return true;
    }
    // Appends the digits that come next; false when there are none.
    bool TakeDigits(std::string& into) {
        const std::size_t start = position_;
        while (!AtEnd() && IsDigit(text_[position_])) {
            into += text_[position_++];
        }
        return position_ > start;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

bool TakeDecimalSeparator(Scanner& scanner) { return scanner.Take(',') || scanner.Take('.'); }

// The prefix letters each quantity knows. A resistor's "m" would be milliohm
// to some and megaohm to others, so it is no prefix there.
std::optional<double> TakePrefix(Scanner& scanner, Quantity quantity) {
    if (quantity == Quantity::Resistance) {
        if (scanner.Take('k') || scanner.Take('K')) {
            return 1e3;
        }
        if (scanner.Take('M')) {
            return 1e6;
        }
        if (scanner.Take('R') || scanner.Take('r')) {
            return 1.0;
        }
        return std::nullopt;
    }
    if (scanner.Take('m')) {
        return 1e-3;
    }
    if (quantity == Quantity::Voltage) {
        return scanner.Take('k') ? std::optional(1e3) : std::nullopt;
    }
    // "µ" as the micro sign or the Greek letter, or "u" where neither is at hand.
    if (scanner.TakeWord("\xC2\xB5") || scanner.TakeWord("\xCE\xBC") || scanner.Take('u')) {
        return 1e-6;
    }
    if (quantity == Quantity::AdjustCurrent && scanner.Take('n')) {
        return 1e-9;
    }
    return std::nullopt;
}

bool TakeUnit(Scanner& scanner, Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance:
        // Omega as the Greek capital or the ohm sign, or spelt out.
        return scanner.TakeWord("\xCE\xA9") || scanner.TakeWord("\xE2\x84\xA6") ||
               scanner.TakeWord("ohm", true);
    case Quantity::Voltage: return scanner.Take('V') || scanner.Take('v');
    case Quantity::Current:
    case Quantity::AdjustCurrent: return scanner.Take('A') || scanner.Take('a');
    }
    return false;
}

// The digits of a number in the form from_chars reads ("2.2", "1e30"), and
// for a resistor the prefix that stood in the place of the comma.
struct NumberText {
    std::string digits;
    std::optional<double> prefix;
};

std::optional<NumberText> ScanNumber(Scanner& scanner, Quantity quantity) {
    NumberText number;
    bool digits = scanner.TakeDigits(number.digits);
    if (TakeDecimalSeparator(scanner)) {
        number.digits += '.';
        digits = scanner.TakeDigits(number.digits) || digits;
    } else if (digits && quantity == Quantity::Resistance) {
        // "2k2", "4R7": the prefix stands where the comma would.
        if ((number.prefix = TakePrefix(scanner, quantity))) {
            number.digits += '.';
            scanner.TakeDigits(number.digits);
        }
    } else if (!digits && quantity == Quantity::Resistance &&
               (scanner.Take('R') || scanner.Take('r'))) {
        // "R47" is 0,47 ohm.
        number.digits = "0.";
        digits = scanner.TakeDigits(number.digits);
        number.prefix = 1.0;
    }
    if (!digits) {
        return std::nullopt;
    }
    if (!number.prefix && (scanner.Take('e') || scanner.Take('E'))) {
        number.digits += 'e';
        if (scanner.Take('-')) {
            number.digits += '-';
        } else {
            scanner.Take('+');
        }
        if (!scanner.TakeDigits(number.digits)) {
            return std::nullopt;
        }
    }
    return number;
}

ParsedValue ReadDigits(std::string digits) {
    // from_chars wants a digit on both sides of the point: ",5" and "2k" read
    // as 0.5 and 2.
    if (digits.front() == '.') {
        digits.insert(0, "0");
    }
    if (const std::size_t point = digits.find('.');
        point != std::string::npos && (point + 1 == digits.size() || digits[point + 1] == 'e')) {
        digits.insert(point + 1, "0");
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large is too large; too small to hold is as good as zero.
        const bool tiny = digits.find("e-") != std::string::npos ||
                          digits.find_first_not_of('0') == digits.find('.');
        return {0, tiny ? ValueProblem::None : ValueProblem::OutOfRange};
    }
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return {0, ValueProblem::NotANumber};
    }
    return {value, ValueProblem::None};
}

// One number with its prefix and unit, the whole text.
ParsedValue ParseSingle(std::string_view text, Quantity quantity) {
    Scanner scanner(text);
    scanner.SkipBlanks();
    if (scanner.AtEnd()) {
        return {0, ValueProblem::Empty};
    }
    const bool negative = scanner.Take('-');
    if (!negative) {
        scanner.Take('+');
    }
    std::optional<NumberText> number = ScanNumber(scanner, quantity);
    if (!number) {
        return {0, ValueProblem::NotANumber};
    }
    scanner.SkipBlanks();
    if (!number->prefix) {
        number->prefix = TakePrefix(scanner, quantity);
    }
    const bool unit = TakeUnit(scanner, quantity);
    scanner.SkipBlanks();
    if (!scanner.AtEnd()) {
        return {0, ValueProblem::NotANumber};
    }

    ParsedValue parsed = ReadDigits(std::move(number->digits));
    if (parsed.problem != ValueProblem::None) {
        return parsed;
    }
    // Without prefix and unit an adjustment current is meant in microamperes.
    double scale = number->prefix.value_or(1.0);
    if (!number->prefix && !unit && quantity == Quantity::AdjustCurrent) {
        scale = 1e-6;
    }
    parsed.value *= scale;
    if (!std::isfinite(parsed.value)) {
        return {0, ValueProblem::OutOfRange};
    }
    if (negative) {
        parsed.value = -parsed.value;
    }
    return parsed;
}

std::string WithComma(std::string text) {
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    return text;
}

// Trailing zeros after the comma go, and the comma with them.
std::string Trimmed(std::string text) {
    if (text.find(',') == std::string::npos) {
        return text;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == ',') {
        text.pop_back();
    }
    return text;
}

// Decimals that give `significant` digits for a value between 1 and 1000.
int DecimalsFor(double magnitude, int significant) {
    int decimals = significant - 1;
    for (double limit = 10; magnitude >= limit - 0.5 * std::pow(10.0, -decimals) && decimals > 0;
         limit *= 10) {
        --decimals;
    }
    return decimals;
}

struct Scaled {
    double value;
    const char* prefix;
};

}  // namespace

ParsedValue ParseValue(std::string_view text, Quantity quantity) {
    if (quantity != Quantity::Resistance || text.find('+') == std::string_view::npos) {
        return ParseSingle(text, quantity);
    }
    // Resistors in series: "680+39" or "680 Ω + 39 Ω".
    double total = 0;
    while (true) {
        const std::size_t plus = text.find('+');
        const ParsedValue part = ParseSingle(text.substr(0, plus), quantity);
        if (part.problem != ValueProblem::None) {
            return {0,
                    part.problem == ValueProblem::Empty ? ValueProblem::NotANumber : part.problem};
        }
        // A part of zero or less makes the whole as wrong as itself.
        if (part.value <= 0) {
            return part;
        }
        total += part.value;
        if (plus == std::string_view::npos) {
            break;
        }
        text.remove_prefix(plus + 1);
    }
    if (!std::isfinite(total)) {
        return {0, ValueProblem::OutOfRange};
    }
    return {total, ValueProblem::None};
}

std::string FormatNumber(double value, int decimals) {
    if (!std::isfinite(value)) {
        return "–";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    // "-0,00" reads as a fault.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return WithComma(text);
}

std::string FormatSigned(double value, int decimals) {
    std::string text = FormatNumber(value, decimals);
    if (std::isfinite(value) && text.front() != '-' &&
        text.find_first_not_of("0,") != std::string::npos) {
        text.insert(0, "+");
    }
    return text;
}

std::string FormatOhms(double ohms) {
    if (!std::isfinite(ohms)) {
        return "–";
    }
    const double magnitude = std::fabs(ohms);
    Scaled scaled{ohms, ""};
    if (magnitude >= 999.95e3) {
        scaled = {ohms / 1e6, "M"};
    } else if (magnitude >= 999.95) {
        scaled = {ohms / 1e3, "k"};
    }
    const int decimals = DecimalsFor(std::fabs(scaled.value), 4);
    return Trimmed(FormatNumber(scaled.value, decimals)) + " " + scaled.prefix + "Ω";
}

std::string FormatAmps(double amps) {
    if (!std::isfinite(amps)) {
        return "–";
    }
    const double magnitude = std::fabs(amps);
    Scaled scaled{amps, ""};
    if (magnitude < 999.5e-6) {
        scaled = {amps * 1e6, "µ"};
    } else if (magnitude < 0.9995) {
        scaled = {amps * 1e3, "m"};
    }
    const int decimals = DecimalsFor(std::fabs(scaled.value), 3);
    return Trimmed(FormatNumber(scaled.value, decimals)) + " " + scaled.prefix + "A";
}

std::string FormatVolts(double volts, int decimals) {
    if (decimals < 0) {
        return Trimmed(FormatNumber(volts, 3)) + " V";
    }
    return FormatNumber(volts, decimals) + " V";
}

std::string FormatWatts(double watts) { return FormatNumber(watts, 2) + " W"; }
