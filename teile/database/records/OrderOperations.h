#pragma once
// Order positions: putting a part on a supplier's order list, changing a
// position, booking a delivered position into stock and going to its part.

#include <string>
#include <string_view>
#include <vector>

#include "Prompter.h"
#include "Records.h"
#include "records/OperationOutcome.h"

struct PartClipboard;

// "Bestellen" of the order dialog: `part` onto the order list of `supplier`
// (1-3) with the quantity as typed.
OperationOutcome AddOrderPosition(const std::string& folder, int supplier,
                                  const PartReference& part, std::string_view quantity,
                                  Prompter& prompter);

// "Speichern" of the position dialog: the position keeps its part and gets
// the quantity and the hidden flag ("Ausblenden").
OperationOutcome SaveOrderPosition(const std::string& folder, int orderList, int slot,
                                   std::string_view quantity, bool hidden);

// "Zubuchen" of the position dialog: the position leaves the order list and
// its quantity is added to the part's stock, whose price at this supplier
// becomes `newPrice`. `shownSlots` are the order list's rows as shown. Like
// every removal from a list, it forgets a part waiting to be pasted.
OperationOutcome BookInOrderPosition(const std::string& folder, int orderList, int slot,
                                     const std::vector<int>& shownSlots, std::string_view quantity,
                                     std::string_view newPrice, PartClipboard& clipboard,
                                     Prompter& prompter);

// The part record as "Zubuchen" writes it: the quantity added to the stock,
// the price at `supplier` (1-3) replaced by `newPrice`.
std::string BookedRecord(std::string_view record, int supplier, std::string_view quantity,
                         std::string_view newPrice);

// "zum Artikel" of the position dialog: asks, then names the part to show.
OperationOutcome GoToOrderedPart(const std::string& folder, int orderList, int slot,
                                 Prompter& prompter);
