#include "figures/StockStatistics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_set>

#include "Records.h"
#include "TextRules.h"
#include "lists/CategoryTree.h"
#include "lists/ListState.h"
#include "lists/PartLookups.h"
#include "lists/PartRows.h"
#include "lists/SortPartList.h"

namespace {

constexpr double kLargestValue = std::numeric_limits<double>::max();

// Places are told apart as teile's storage-place check tells them apart:
// "A-12", "a 12" and "A/12" are one place; "k.A." is the field's "no place".
std::string PlaceKey(std::string_view place) {
    if (IsUnspecifiedPlace(place)) {
        return {};
    }
    return ToLowerCp1252(NormalisedPlace(place));
}

std::array<double, kSupplierCount> PricesOf(const PartRow& row) {
    std::array<double, kSupplierCount> prices{};
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        prices[static_cast<std::size_t>(supplier - 1)] =
            PriceOfText(row.Text(PriceField(supplier)));
    }
    return prices;
}

void AddPart(CategoryFigures& figures, const PartRow& row, const PartPrice& price) {
    ++figures.parts;
    const std::int64_t pieces = std::max(row.amount, 0);
    figures.pieces += pieces;
    if (price.HasPrice()) {
        figures.stockValue = SaturatingSum(figures.stockValue, ValueInCents(price.price, pieces));
    } else {
        ++figures.partsWithoutPrice;
    }
}

ShortPart ShortPartOf(const CategoryFigures& category, const PartRow& row, const PartPrice& price,
                      const std::array<std::string, kSupplierCount>& supplierNames) {
    ShortPart part;
    part.category = category.number;
    part.categoryName = category.name;
    part.slot = row.slot;
    part.name = row.Text(kFieldName);
    part.stock = row.amount;
    part.target = row.target;
    part.shortfall = static_cast<std::int64_t>(row.target) - std::max(row.amount, 0);
    part.price = price;
    if (price.HasPrice()) {
        part.supplierName = supplierNames[static_cast<std::size_t>(price.supplier - 1)];
        part.orderNumber = row.Text(OrderNumberField(price.supplier));
        part.cost = ValueInCents(price.price, part.shortfall);
    }
    return part;
}

void AddCategoryTotals(CategoryFigures& total, const CategoryFigures& category) {
    total.parts += category.parts;
    total.pieces += category.pieces;
    total.stockValue = SaturatingSum(total.stockValue, category.stockValue);
    total.partsWithoutPrice += category.partsWithoutPrice;
    total.partsShort += category.partsShort;
    total.restockCost = SaturatingSum(total.restockCost, category.restockCost);
}

SupplierFigures FiguresOfSupplier(const std::string& folder, int supplier, std::string name) {
    SupplierFigures figures;
    figures.supplier = supplier;
    figures.name = std::move(name);
    std::vector<PartRow> rows =
        ReadOrderRows(ListFilePath(folder, OrderListOfSupplier(supplier)), supplier, folder);
    for (const PartRow& row : rows) {
        if (row.IsHiddenPosition()) {
            ++figures.hiddenPositions;
        } else {
            ++figures.openPositions;
            figures.pieces += row.amount;
        }
    }
    if (!rows.empty()) {
        // The sum row the main window shows below the list, computed by the
        // same code, so both always agree to the cent.
        const ShownList shown = SortOrderList(rows, SortState{}, -1);
        figures.orderValueText = shown.rows.back().texts[kOrderColumnTotal];
        figures.orderValue = PriceOfText(figures.orderValueText);
    }
    return figures;
}

}  // namespace

PartPrice CheapestPrice(const std::array<double, kSupplierCount>& prices) {
    PartPrice cheapest;
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        const double price = prices[static_cast<std::size_t>(supplier - 1)];
        // A negative price is no price anyone asks; it would make stock worth
        // less than nothing.
        if (price > 0.0 && (!cheapest.HasPrice() || price < cheapest.price)) {
            cheapest.supplier = supplier;
            cheapest.price = price;
        }
    }
    return cheapest;
}

double ValueInCents(double price, std::int64_t count) {
    const double value = price * static_cast<double>(count);
    if (!std::isfinite(value)) {
        return std::signbit(value) ? -kLargestValue : kLargestValue;
    }
    // Through the main window's own price text, so a value rounds as a total
    // there does.
    return PriceOfText(PriceText(value));
}

double SaturatingSum(double a, double b) {
    const double sum = a + b;
    if (std::isfinite(sum)) {
        return sum;
    }
    return std::signbit(sum) ? -kLargestValue : kLargestValue;
}

StockStatistics ComputeStockStatistics(const std::string& folder) {
    StockStatistics statistics;
    const CategoryTree tree = FillCategoryTree(folder);
    std::unordered_set<std::string> places;
    for (const TreeEntry& entry : tree.entries) {
        if (entry.level != 1 || !IsCategoryNumber(entry.itemTag)) {
            continue;
        }
        CategoryFigures figures;
        figures.number = entry.itemTag;
        figures.name = entry.text;
        const std::vector<PartRow> rows = ReadCategoryRows(ListFilePath(folder, entry.itemTag));
        const auto firstShort = statistics.shortParts.end() - statistics.shortParts.begin();
        for (const PartRow& row : rows) {
            const PartPrice price = CheapestPrice(PricesOf(row));
            AddPart(figures, row, price);
            if (IsShortage(row)) {
                ++figures.partsShort;
                ShortPart part = ShortPartOf(figures, row, price, tree.supplierNames);
                figures.restockCost = SaturatingSum(figures.restockCost, part.cost);
                statistics.shortParts.push_back(std::move(part));
            }
            if (std::string place = PlaceKey(row.Text(kFieldPlace)); !place.empty()) {
                places.insert(std::move(place));
            }
        }
        std::stable_sort(statistics.shortParts.begin() + firstShort, statistics.shortParts.end(),
                         [](const ShortPart& a, const ShortPart& b) {
                             return CompareIgnoringCase(a.name, b.name) < 0;
                         });
        AddCategoryTotals(statistics.allCategories, figures);
        statistics.categories.push_back(std::move(figures));
    }
    statistics.storagePlaces = static_cast<int>(places.size());

    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        const auto index = static_cast<std::size_t>(supplier - 1);
        SupplierFigures figures = FiguresOfSupplier(folder, supplier, tree.supplierNames[index]);
        SupplierFigures& total = statistics.allSuppliers;
        total.openPositions += figures.openPositions;
        total.pieces += figures.pieces;
        total.orderValue = SaturatingSum(total.orderValue, figures.orderValue);
        total.hiddenPositions += figures.hiddenPositions;
        statistics.suppliers[index] = std::move(figures);
    }
    statistics.allSuppliers.orderValueText = PriceText(statistics.allSuppliers.orderValue);
    return statistics;
}
