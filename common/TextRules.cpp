#include "TextRules.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimView(std::string_view text) { return TrimmedBy(text, IsBlankChar); }

std::string Trim(std::string_view text) { return std::string(TrimView(text)); }

bool IsBlank(std::string_view text) { return TrimView(text).empty(); }

unsigned char Cp1252ToUpper(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - 32);
    }
    // à-þ map to À-Þ except ÷ (0xF7); š, œ, ž sit in the 0x80 block; ÿ goes to Ÿ.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<unsigned char>(c - 32);
    }
    switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
    }
}

unsigned char Cp1252ToLower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') {
        return static_cast<unsigned char>(c + 32);
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return static_cast<unsigned char>(c + 32);
    }
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

std::string ToUpperCp1252(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = static_cast<char>(Cp1252ToUpper(static_cast<unsigned char>(c)));
    }
    return result;
}

std::string ToLowerCp1252(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = static_cast<char>(Cp1252ToLower(static_cast<unsigned char>(c)));
    }
    return result;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Cp1252ToLower(static_cast<unsigned char>(a[i])) !=
            Cp1252ToLower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const int left = Cp1252ToLower(static_cast<unsigned char>(a[i]));
        const int right = Cp1252ToLower(static_cast<unsigned char>(b[i]));
        if (left != right) {
            return left - right;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool ContainsIgnoringCase(std::string_view haystack, std::string_view needle) {
    if (needle.empty()) {
        return true;
    }
    if (needle.size() > haystack.size()) {
        return false;
    }
    for (std::size_t start = 0; start + needle.size() <= haystack.size(); ++start) {
        if (EqualsIgnoringCase(haystack.substr(start, needle.size()), needle)) {
            return true;
        }
    }
    return false;
}

std::int64_t Integer64OfText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlankChar(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }
    // Accumulate as a negative number so the most negative value fits, and
    // stop growing at the limit rather than overflow.
    constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    bool saturated = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            break;
        }
        if (digit >= base) {
            break;
        }
        if (saturated) {
            continue;
        }
        if (value < (kLowest + digit) / base) {
            saturated = true;
            value = kLowest;
            continue;
        }
        value = value * base - digit;
    }
    if (negative) {
        return value;
    }
    if (value == kLowest) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return -value;
}

int IntegerOfText(std::string_view text) {
    const std::int64_t value = Integer64OfText(text);
    if (value > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (value < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

double PriceOfText(std::string_view text) {
    // strtod would honour the locale and accept "inf", "nan" and hex floats;
    // a price is only sign, digits and one decimal point.
    std::size_t i = 0;
    while (i < text.size() && (IsBlankChar(text[i]) || text[i] == '\n' || text[i] == '\r')) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number += text[i++];
    }
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i] == ',' ? '.' : text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    if (!digits) {
        return 0.0;
    }
    // Exponents are part of the leading number as the C library reads it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j++];
        }
        // Every digit counts: "1e0000300" is 1e300, not 1e30. from_chars
        // saturates a long exponent itself and reports it out of range.
        const std::size_t start = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
            exponent += text[j++];
        }
        if (j > start) {
            number += exponent;
        }
    }
    // from_chars ignores the locale: a window program may run under de_DE.
    double value = 0.0;
    const char* begin = number.c_str();
    if (*begin == '+') {
        ++begin;
    }
    const auto result = std::from_chars(begin, number.c_str() + number.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

std::string PriceText(double value) {
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    char buffer[400];  // room for the widest double in fixed notation
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    if (text == "-0,00") {
        text = "0,00";
    }
    return text;
}

std::string WithoutSemicolons(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c == ';') {
            c = ',';
        }
    }
    return result;
}
