#pragma once
// An entry of the category tree as the windows hand it on: what kind of entry
// it is and, for a category or an order list, its list number (DataFiles.h).
// The engine's functions take the item tag the entry carries in the tree;
// ItemTag and OfItemTag convert where the windows call them.

#include "DataFiles.h"
#include "lists/CategoryTree.h"

enum class TreeEntryKind { None, CategoryRoot, OrderRoot, Category, OrderList };

struct TreeEntryId {
    TreeEntryKind kind = TreeEntryKind::None;
    int listNumber = -1;  // of a category or an order list; -1 for the others

    static constexpr TreeEntryId CategoryRoot() { return {TreeEntryKind::CategoryRoot, -1}; }
    static constexpr TreeEntryId OrderRoot() { return {TreeEntryKind::OrderRoot, -1}; }
    // The category or the order list of a list number; None for any other.
    static constexpr TreeEntryId List(int number) {
        if (IsCategoryNumber(number)) {
            return {TreeEntryKind::Category, number};
        }
        if (IsOrderListNumber(number)) {
            return {TreeEntryKind::OrderList, number};
        }
        return {};
    }
    static constexpr TreeEntryId OfItemTag(int tag) {
        if (tag == kTagCategoryRoot) {
            return CategoryRoot();
        }
        if (tag == kTagOrderRoot) {
            return OrderRoot();
        }
        return List(tag);
    }
    // The item tag of the entry; -1 for none.
    constexpr int ItemTag() const {
        switch (kind) {
        case TreeEntryKind::CategoryRoot: return kTagCategoryRoot;
        case TreeEntryKind::OrderRoot: return kTagOrderRoot;
        case TreeEntryKind::Category:
        case TreeEntryKind::OrderList: return listNumber;
        case TreeEntryKind::None: break;
        }
        return -1;
    }

    constexpr bool IsNone() const { return kind == TreeEntryKind::None; }
    constexpr bool IsCategory() const { return kind == TreeEntryKind::Category; }
    constexpr bool IsOrderList() const { return kind == TreeEntryKind::OrderList; }
    // The supplier of an order list (1-3); 0 for every other entry, which is
    // also how the engine sorts and prices a category's list.
    constexpr int Supplier() const { return IsOrderList() ? SupplierOfList(listNumber) : 0; }

    bool operator==(const TreeEntryId&) const = default;
};
