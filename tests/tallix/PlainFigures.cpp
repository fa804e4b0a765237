#include "PlainFigures.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

namespace {

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Key and value of every line of group "teil" (or "kategorie") of a file.
std::map<std::string, std::string> GroupValues(const std::string& path, const std::string& group) {
    std::map<std::string, std::string> values;
    std::istringstream lines(FileText(path));
    std::string line;
    bool inGroup = false;
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (line.starts_with("[")) {
            inGroup = line == "[" + group + "]";
        } else if (inGroup && line.find('=') != std::string::npos) {
            const auto equals = line.find('=');
            values.emplace(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)));
        }
    }
    return values;
}

std::vector<std::string> Fields(const std::string& record) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(record);
    while (std::getline(in, field, ';')) {
        fields.push_back(field);
    }
    fields.resize(14);
    return fields;
}

// The leading number of the text, "," read as "."; none gives 0.
double Price(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    double price = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), price);
    return std::isfinite(price) ? price : 0.0;
}

long long Cents(double price, long long count) { return std::llround(price * count * 100.0); }

// The records of a list file, slot by slot.
std::map<int, std::vector<std::string>> Records(const std::string& path) {
    std::map<int, std::vector<std::string>> records;
    for (const auto& [key, value] : GroupValues(path, "teil")) {
        if (key.size() > 1 && key[0] == 't' && !value.empty()) {
            records.emplace(std::atoi(key.c_str() + 1), Fields(value));
        }
    }
    return records;
}

std::string PlaceKey(const std::string& place) {
    std::string key;
    for (const char c : Trimmed(place)) {
        if (std::string(" -_\\/|;:,.").find(c) == std::string::npos) {
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return key == "ka" ? std::string() : key;
}

}  // namespace

PlainFigures ComputePlainFigures(const std::string& folder) {
    PlainFigures figures;
    std::set<std::string> places;
    std::map<int, std::map<int, std::vector<std::string>>> parts;
    const auto partsOf = [&](int category) -> const std::map<int, std::vector<std::string>>& {
        if (!parts.contains(category)) {
            parts[category] = Records(folder + "k" + std::to_string(category) + ".dat");
        }
        return parts[category];
    };
    for (const auto& [key, name] : GroupValues(folder + "teile.dat", "kategorie")) {
        const int number = std::atoi(key.c_str() + 1);
        if (name.empty() || number > 49) {
            continue;
        }
        PlainCategory& category = figures.categories[number];
        for (const auto& [slot, record] : partsOf(number)) {
            ++category.parts;
            const long long stock = std::max(std::atoi(record[12].c_str()), 0);
            const int target = std::atoi(record[13].c_str());
            double price = 0.0;
            int cheapest = 0;
            for (int supplier = 1; supplier <= 3; ++supplier) {
                const double offered = Price(record[7 + supplier]);
                if (offered > 0.0 && (price == 0.0 || offered < price)) {
                    price = offered;
                    cheapest = supplier;
                }
            }
            category.pieces += stock;
            category.valueCents += Cents(price, stock);
            category.withoutPrice += price == 0.0 ? 1 : 0;
            if (target > 0 && std::atoi(record[12].c_str()) <= target) {
                ++category.shortParts;
                category.restockCents += Cents(price, target - stock);
                figures.shortParts.push_back({number, record[0], target - stock, cheapest,
                                              cheapest ? record[4 + cheapest] : "",
                                              Cents(price, 1)});
            }
            if (const std::string place = PlaceKey(record[11]); !place.empty()) {
                places.insert(place);
            }
        }
    }
    figures.places = static_cast<int>(places.size());

    for (int supplier = 1; supplier <= 3; ++supplier) {
        PlainSupplier& orders = figures.suppliers[supplier - 1];
        const std::string list = folder + "k" + std::to_string(900 + supplier) + ".dat";
        for (const auto& [slot, position] : Records(list)) {
            if (std::atoi(position[2].c_str()) == 1) {
                ++orders.hidden;
                continue;
            }
            const long long quantity = std::atoi(position[1].c_str());
            ++orders.open;
            orders.pieces += quantity;
            int category = -1;
            int part = -1;
            char end = 0;
            if (std::sscanf(position[0].c_str(), "k%dt%d%c", &category, &part, &end) == 2) {
                const auto& records = partsOf(category);
                if (const auto found = records.find(part); found != records.end()) {
                    orders.valueCents += Cents(Price(found->second[8 + supplier - 1]), quantity);
                }
            }
        }
    }
    return figures;
}
