#include "figures/FigureTables.h"

#include "TextRules.h"

namespace {

FigureCell TextCell(std::string text) { return FigureCell{std::move(text), 0.0}; }

FigureCell CountCell(std::int64_t count) {
    return FigureCell{std::to_string(count), static_cast<double>(count)};
}

FigureCell PriceCell(double value) { return FigureCell{PriceText(value), value}; }

FigureRow CategoryRow(const std::string& name, const CategoryFigures& figures) {
    return {TextCell(name),
            CountCell(figures.parts),
            CountCell(figures.pieces),
            PriceCell(figures.stockValue),
            CountCell(figures.partsWithoutPrice),
            CountCell(figures.partsShort),
            PriceCell(figures.restockCost)};
}

FigureRow SupplierRow(const std::string& name, const SupplierFigures& figures) {
    return {TextCell(name), CountCell(figures.openPositions), CountCell(figures.pieces),
            FigureCell{figures.orderValueText, figures.orderValue},
            CountCell(figures.hiddenPositions)};
}

// "3 Teil(e)", as the main window counts in its status bar.
std::string Counted(std::int64_t count, const char* noun) {
    return std::to_string(count) + " " + noun;
}

}  // namespace

bool BarChart::HasValues() const {
    for (const Bar& bar : bars) {
        if (bar.value != 0.0) {
            return true;
        }
    }
    return false;
}

FigureTable StockTable(const StockStatistics& statistics) {
    FigureTable table;
    table.columns = {{"Kategorie", false},     {"Teile", true},      {"St\374ck", true},
                     {"Bestandswert", true},   {"ohne Preis", true}, {"auf/unter Soll", true},
                     {"Kosten bis Soll", true}};
    if (statistics.allCategories.parts == 0) {
        table.emptyText = statistics.categories.empty()
                              ? "Es sind noch keine Kategorien angelegt."
                              : "In den Kategorien sind noch keine Teile erfasst.";
        return table;
    }
    for (const CategoryFigures& category : statistics.categories) {
        table.rows.push_back(CategoryRow(category.name, category));
    }
    table.totals = CategoryRow("Gesamt", statistics.allCategories);
    return table;
}

BarChart StockChart(const StockStatistics& statistics) {
    BarChart chart;
    chart.title = "Bestandswert je Kategorie";
    chart.emptyText = "Der Bestand hat keinen Wert: kein vorr\344tiges Teil hat einen Preis.";
    for (const CategoryFigures& category : statistics.categories) {
        chart.bars.push_back({category.name, category.stockValue});
    }
    return chart;
}

FigureTable ShortageTable(const StockStatistics& statistics) {
    FigureTable table;
    table.columns = {{"Kategorie", false},   {"Bezeichnung", false}, {"Bestand", true},
                     {"Soll", true},         {"Fehlmenge", true},    {"Lieferant", false},
                     {"Bestell-Nr.", false}, {"Preis", true},        {"Kosten", true}};
    if (statistics.shortParts.empty()) {
        table.emptyText = "Kein Teil liegt auf oder unter seinem Soll-Bestand.";
        return table;
    }
    for (const ShortPart& part : statistics.shortParts) {
        FigureRow row = {TextCell(part.categoryName), TextCell(part.name), CountCell(part.stock),
                         CountCell(part.target), CountCell(part.shortfall)};
        if (part.price.HasPrice()) {
            row.push_back(TextCell(part.supplierName));
            row.push_back(TextCell(part.orderNumber));
            row.push_back(PriceCell(part.price.price));
            row.push_back(PriceCell(part.cost));
        } else {
            row.push_back(TextCell("ohne Preis"));
            row.push_back(TextCell(""));
            row.push_back(TextCell(""));
            row.push_back(TextCell(""));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

FigureTable OrderTable(const StockStatistics& statistics) {
    FigureTable table;
    table.columns = {{"Lieferant", false},
                     {"offene Positionen", true},
                     {"St\374ck", true},
                     {"Bestellwert", true},
                     {"ausgeblendet", true}};
    const SupplierFigures& all = statistics.allSuppliers;
    if (all.openPositions + all.hiddenPositions == 0) {
        table.emptyText = "In den Bestellungen stehen keine Positionen.";
        return table;
    }
    for (const SupplierFigures& supplier : statistics.suppliers) {
        table.rows.push_back(SupplierRow(supplier.name, supplier));
    }
    table.totals = SupplierRow("Gesamt", all);
    return table;
}

BarChart OrderChart(const StockStatistics& statistics) {
    BarChart chart;
    chart.title = "Bestellwert je Lieferant";
    chart.emptyText =
        "Die Bestellungen haben keinen Wert: alle Positionen sind ausgeblendet oder ohne Preis.";
    for (const SupplierFigures& supplier : statistics.suppliers) {
        chart.bars.push_back({supplier.name, supplier.orderValue});
    }
    return chart;
}

std::string SummaryText(const StockStatistics& statistics) {
    const CategoryFigures& stock = statistics.allCategories;
    const SupplierFigures& orders = statistics.allSuppliers;
    std::string text = Counted(stock.parts, "Teil(e)") + " in " +
                       Counted(static_cast<int>(statistics.categories.size()), "Kategorie(n)") +
                       ", " + Counted(stock.pieces, "St\374ck") + ", Bestandswert " +
                       PriceText(stock.stockValue) + " (" +
                       Counted(stock.partsWithoutPrice, "Teil(e)") + " ohne Preis), " +
                       Counted(statistics.storagePlaces, "Lagerort(e)") + " belegt\n";
    text += Counted(stock.partsShort, "Teil(e)") + " auf oder unter Soll, Kosten bis Soll " +
            PriceText(stock.restockCost) + "\n";
    text += Counted(orders.openPositions, "offene Position(en)") + " mit " +
            Counted(orders.pieces, "St\374ck") + ", Bestellwert " + orders.orderValueText + " (" +
            Counted(orders.hiddenPositions, "Position(en)") + " ausgeblendet)";
    return text;
}

std::string PriceRuleText() {
    return "Bestandswert = Bestand \327 niedrigster Preis \374ber 0,00 der drei Lieferanten, "
           "je Teil auf zwei Stellen gerundet; Teile ohne solchen Preis z\344hlen als "
           "\204ohne Preis\223 und haben keinen Wert. Kosten bis Soll = Fehlmenge (Soll - "
           "Bestand) \327 derselbe Preis. Bestellwert = \204Gesamtsumme:\223 der Bestellung.";
}
