#pragma once
// What the two order dialogs start with and the rule of their quantity
// fields: the quantity proposed for a part, the position a dialog edits, and
// when "Speichern" and "Zubuchen" may run.

#include <optional>
#include <string>
#include <string_view>

// 1 for a target stock of 0 or less and for a stock above the target;
// otherwise what brings the stock one above the target (target - stock + 1).
int ProposedOrderQuantity(std::string_view partRecord);

// Command 11 on the selected row of the part list: the part to order and the
// proposed quantity as text. Nothing unless `itemTag` is a category and
// `rowSlot` names a part that is stored there.
struct OrderStart {
    int category = -1;
    int slot = -1;
    std::string quantity;
};
std::optional<OrderStart> StartOrder(const std::string& folder, int itemTag,
                                     std::optional<int> rowSlot);

// The position the order position dialog edits: its quantity as stored and
// whether it is hidden (field 3 reads as a number other than 0), and the
// record of its part ("" when it names none). Nothing when the position is
// not stored (any more).
struct PositionToEdit {
    std::string quantity;
    bool hidden = false;
    std::string partRecord;
};
std::optional<PositionToEdit> ReadPositionToEdit(const std::string& folder, int orderList,
                                                 int slot);

// Whether "Zubuchen" with these texts leaves the part's record short enough
// for every reader (the rule of every write, kLongestStoredValue). A position
// without its part books nothing and fits.
bool BookingFitsFile(std::string_view partRecord, int orderList, std::string_view quantity,
                     std::string_view newPrice);

// "Speichern" and "Zubuchen" need a quantity that is not blank and does not
// read as 0.
bool QuantityAllowsAction(std::string_view quantity);
