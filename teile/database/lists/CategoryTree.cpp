#include "lists/CategoryTree.h"

#include <algorithm>
#include <memory>

#include "DataFiles.h"
#include "IniStore.h"
#include "TextRules.h"

namespace {

std::array<std::string, kSupplierCount> ShortNamesOf(const IniDocument& main) {
    std::array<std::string, kSupplierCount> names;
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        std::string name =
            Trim(main.Value(kCategoryGroup, CategoryNameKey(OrderListOfSupplier(supplier))));
        if (name.empty()) {
            name = "Lieferant " + std::to_string(supplier);
        }
        names[static_cast<std::size_t>(supplier - 1)] = std::move(name);
    }
    return names;
}

}  // namespace

std::array<std::string, kSupplierCount> SupplierShortNames(const std::string& folder) {
    return ShortNamesOf(*ReadIniFile(MainFilePath(folder)));
}

std::string CategoryCountText(int count) { return std::to_string(count) + " Kategorie(n)"; }

CategoryTree FillCategoryTree(const std::string& folder) {
    const std::shared_ptr<const IniDocument> main = ReadIniFile(MainFilePath(folder));
    CategoryTree tree;

    std::vector<TreeEntry> categories;
    for (int category = 0; category < kCategoryCount; ++category) {
        std::string name = main->Value(kCategoryGroup, CategoryNameKey(category));
        if (!IsBlank(name)) {
            categories.push_back(TreeEntry{category, std::move(name), 1});
        }
    }
    // Stable, so equal names keep the order of their numbers.
    std::stable_sort(categories.begin(), categories.end(),
                     [](const TreeEntry& a, const TreeEntry& b) {
                         return CompareIgnoringCase(a.text, b.text) < 0;
                     });

    tree.entries.push_back(TreeEntry{kTagCategoryRoot, "Kategorien", 0});
    tree.entries.insert(tree.entries.end(), categories.begin(), categories.end());
    tree.entries.push_back(TreeEntry{kTagOrderRoot, "Bestellungen", 0});
    tree.supplierNames = ShortNamesOf(*main);
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        tree.entries.push_back(TreeEntry{OrderListOfSupplier(supplier),
                                         tree.supplierNames[static_cast<std::size_t>(supplier - 1)],
                                         1});
    }
    tree.categoryCount = static_cast<int>(categories.size());
    tree.statusText = CategoryCountText(tree.categoryCount);
    return tree;
}
