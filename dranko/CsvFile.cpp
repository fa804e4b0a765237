#include "CsvFile.h"

#include "Cp1252.h"
#include "Records.h"
#include "TextRules.h"

namespace {

constexpr unsigned char kUpperA = 0xC4;  // "Ä"
constexpr unsigned char kUpperO = 0xD6;  // "Ö"
constexpr unsigned char kUpperU = 0xDC;  // "Ü"

bool KeepsInFileName(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == kUpperA || c == kUpperO || c == kUpperU;
}

// A reader of these files splits at TAB and strips the quotes; nothing inside a
// value is escaped, so the bytes of the database arrive as they are.
void AppendQuoted(std::string& out, std::string_view value, std::string_view after) {
    out += '"';
    out += value;
    out += '"';
    out += after;
}

}  // namespace

std::string CsvFileName(std::string_view categoryName) {
    std::string name;
    name.reserve(categoryName.size());
    for (const char c : categoryName) {
        const unsigned char upper = Cp1252ToUpper(static_cast<unsigned char>(c));
        name += KeepsInFileName(upper) ? static_cast<char>(upper) : '_';
    }
    return name;
}

std::string FileSystemName(std::string_view cp1252Name) { return Cp1252ToUtf8(cp1252Name); }

int ExportLimit(std::string_view maxValue) {
    const std::string_view trimmed = TrimView(maxValue);
    if (trimmed.empty()) {
        return 499;
    }
    const int value = IntegerOfText(trimmed);
    if (value > 499) {
        return 499;
    }
    return value < 0 ? -1 : value;
}

std::string_view CsvHeaderLine() {
    return "\"Bezeichnung\"\t\"Bemerkung\"\t\"UIP\"\t\"Bauform\"\t\"Toleranz\"\t"
           "\"Best1\"\t\"Best2\"\t\"Best3\"\t\"Preis1\"\t\"Preis2\"\t\"Preis3\"\t"
           "\"Menge\"\t\"Soll\"\t\"Lagerort\"\t"
           "\"Datenblatt\"\t\"Datenblatt2\"\t\"Bild\"\t\"Bild2\"\r\n";
}

void AppendPartLine(std::string& out, std::string_view record, const SideValues& sides) {
    const std::vector<std::string> fields = SplitFields(record);
    for (int number = kFieldName; number <= PriceField(3); ++number) {
        const std::string field = FieldOf(fields, number);
        const bool isPrice = number >= PriceField(1);
        AppendQuoted(out, isPrice && IsBlank(field) ? std::string_view("0,00") : field, "\t");
    }
    // The file puts both stock numbers before the storage place.
    AppendQuoted(out, FieldOf(fields, kFieldStock), "\t");
    AppendQuoted(out, FieldOf(fields, kFieldTarget), "\t");
    AppendQuoted(out, FieldOf(fields, kFieldPlace), "\t");
    AppendQuoted(out, sides[0], "\t");
    AppendQuoted(out, sides[1], "\t");
    AppendQuoted(out, sides[2], "\t");
    AppendQuoted(out, sides[3], "\r\n");
}
