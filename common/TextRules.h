#pragma once
// Text rules shared by every program: trimming, letter case of the cp1252
// code page, the integer-of-text rule and the price texts.

#include <cstdint>
#include <string>
#include <string_view>

// `text` without the characters at either end for which `isSpace` holds.
template <typename IsSpace>
std::string_view TrimmedBy(std::string_view text, IsSpace isSpace) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && isSpace(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// Blanks and tabs, the only characters the data files treat as space.
bool IsBlankChar(char c);
std::string_view TrimView(std::string_view text);
std::string Trim(std::string_view text);
bool IsBlank(std::string_view text);

// Letter case of the cp1252 code page ("ä" <-> "Ä", "ÿ" <-> "Ÿ", ...).
unsigned char Cp1252ToUpper(unsigned char c);
unsigned char Cp1252ToLower(unsigned char c);
std::string ToUpperCp1252(std::string_view text);
std::string ToLowerCp1252(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, comparing the lower-case forms byte by byte.
int CompareIgnoringCase(std::string_view a, std::string_view b);
bool ContainsIgnoringCase(std::string_view haystack, std::string_view needle);

// Leading blanks and tabs, an optional sign, then decimal digits up to the
// first other character; "$" introduces hexadecimal and "%" binary digits.
// No digits gives 0. Values beyond the int range saturate instead of wrapping.
int IntegerOfText(std::string_view text);
// The same rule without the 32-bit clamp, for sums of stock texts.
std::int64_t Integer64OfText(std::string_view text);

// "," is read as "."; the leading floating-point number counts; none gives 0.
double PriceOfText(std::string_view text);
// Two decimals and a decimal comma: 2.5 gives "2,50".
std::string PriceText(double value);

// Replace every ";" by "," so a typed text can never split a record.
std::string WithoutSemicolons(std::string_view text);
