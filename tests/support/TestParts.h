#pragma once
// The one builder of part records and list files for every test: real data
// files in a test's temporary folder, written from these texts.

#include <string>
#include <utility>
#include <vector>

#include "TempFolder.h"

struct TestPart {
    std::string name = "Teil";
    std::string remark = "keine";
    std::string range = "k.A.";
    std::string package = "k.A.";
    std::string tolerance = "k.A.";
    std::string orderNumbers[3] = {"k.A.", "k.A.", "k.A."};
    std::string prices[3] = {"0,00", "0,00", "0,00"};
    std::string place = "k.A.";
    std::string stock = "0";
    std::string target = "0";

    std::string Record() const {
        return name + ";" + remark + ";" + range + ";" + package + ";" + tolerance + ";" +
               orderNumbers[0] + ";" + orderNumbers[1] + ";" + orderNumbers[2] + ";" + prices[0] +
               ";" + prices[1] + ";" + prices[2] + ";" + place + ";" + stock + ";" + target;
    }
};

inline TestPart Named(std::string name, std::string remark = "keine") {
    TestPart part;
    part.name = std::move(name);
    part.remark = std::move(remark);
    return part;
}

inline TestPart Stocked(std::string name, std::string stock, std::string place = "k.A.") {
    TestPart part = Named(std::move(name));
    part.stock = std::move(stock);
    part.place = std::move(place);
    return part;
}

// A list file with the given "max" ("" for none) and records by slot.
inline std::string ListFile(const std::string& max,
                            const std::vector<std::pair<int, std::string>>& records) {
    std::string text = "[teil]\r\n";
    if (!max.empty()) {
        text += "max=" + max + "\r\n";
    }
    for (const auto& [slot, value] : records) {
        text += "t" + std::to_string(slot) + "=" + value + "\r\n";
    }
    return text;
}

inline std::string PartsFile(const std::string& max,
                             const std::vector<std::pair<int, TestPart>>& parts) {
    // Not "slots": the window tests see Qt's keyword of that name.
    std::vector<std::pair<int, std::string>> records;
    for (const auto& [slot, part] : parts) {
        records.emplace_back(slot, part.Record());
    }
    return ListFile(max, records);
}
