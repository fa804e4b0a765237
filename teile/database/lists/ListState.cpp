#include "lists/ListState.h"

#include <array>

namespace {

const std::array<std::string, 14> kColumnTitles = {
    "Bezeichnung", "Bemerkung", "UIP",     "Bauform", "Toleranz", "Best.Nr.1", "Best.Nr.2",
    "Best.Nr.3",   "Preis 1",   "Preis 2", "Preis 3", "Lagerort", "Menge",     "Soll",
};

}  // namespace

std::string ColumnTitleOf(int content) {
    if (content < 1 || content > static_cast<int>(kColumnTitles.size())) {
        return {};
    }
    return kColumnTitles[static_cast<std::size_t>(content - 1)];
}

ListColumn MakeListColumn(int content, int width, int alignment) {
    return ListColumn{content, ColumnTitleOf(content), width, alignment};
}

ColumnSet DefaultListColumns() {
    return {
        MakeListColumn(1, 110, kAlignLeft),   MakeListColumn(2, 110, kAlignLeft),
        MakeListColumn(3, 65, kAlignLeft),    MakeListColumn(4, 65, kAlignLeft),
        MakeListColumn(5, 65, kAlignCentred), MakeListColumn(13, 65, kAlignCentred),
        MakeListColumn(12, 110, kAlignLeft),
    };
}

const std::vector<std::string>& OrderColumnTitles() {
    static const std::vector<std::string> titles = {"Menge", "Bestell-Nr.", "Bezeichnung",
                                                    "Einzelpreis", "Gesamtpreis"};
    return titles;
}
