#include "PlainFigures.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "IniStore.h"

namespace {

using Records = std::map<int, std::vector<std::string>>;

// The records of a list file by slot, each split into its 14 fields.
Records RecordsOf(const std::string& file) {
    Records records;
    for (const IniEntry& entry : ReadIniFile(file)->Entries("teil")) {
        if (entry.key.size() > 1 && entry.key[0] == 't' && !entry.value.empty()) {
            std::vector<std::string> fields;
            std::istringstream in(entry.value);
            for (std::string field; std::getline(in, field, ';');) {
                fields.push_back(field);
            }
            fields.resize(14);
            records.emplace(std::atoi(entry.key.c_str() + 1), std::move(fields));
        }
    }
    return records;
}

// The leading number of the text, "," read as "."; none gives 0.
double Price(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    double price = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), price);
    return price;
}

long long Cents(double price, long long count) { return std::llround(price * count * 100.0); }

std::string PlaceKey(const std::string& place) {
    std::string key;
    for (const char c : place) {
        if (std::string(" -_\\/|;:,").find(c) == std::string::npos) {
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    if (key == "k.a.") {
        return {};
    }
    std::erase(key, '.');
    return key;
}

}  // namespace

PlainFigures ComputePlainFigures(const std::string& folder) {
    PlainFigures figures;
    std::map<int, Records> parts;
    const auto partsOf = [&](int category) -> const Records& {
        if (!parts.contains(category)) {
            parts[category] = RecordsOf(folder + "k" + std::to_string(category) + ".dat");
        }
        return parts[category];
    };
    std::set<std::string> places;
    for (const IniEntry& name : ReadIniFile(folder + "teile.dat")->Entries("kategorie")) {
        const int number = std::atoi(name.key.c_str() + 1);
        if (name.value.empty() || number > 49) {
            continue;
        }
        PlainCategory& category = figures.categories[number];
        for (const auto& [slot, record] : partsOf(number)) {
            const int stockAsRead = std::atoi(record[12].c_str());
            const long long stock = std::max(stockAsRead, 0);
            const int target = std::atoi(record[13].c_str());
            double price = 0.0;
            int cheapest = 0;
            for (int supplier = 1; supplier <= 3; ++supplier) {
                const double offered = Price(record[7 + supplier]);
                if (offered > 0.0 && (cheapest == 0 || offered < price)) {
                    price = offered;
                    cheapest = supplier;
                }
            }
            ++category.parts;
            category.pieces += stock;
            category.valueCents += Cents(price, stock);
            category.withoutPrice += cheapest == 0 ? 1 : 0;
            if (target > 0 && stockAsRead <= target) {
                ++category.shortParts;
                category.restockCents += Cents(price, target - stock);
                figures.shortParts.emplace_back(number, record[0], target - stock, cheapest,
                                                cheapest ? record[4 + cheapest] : "",
                                                Cents(price, 1));
            }
            if (const std::string place = PlaceKey(record[11]); !place.empty()) {
                places.insert(place);
            }
        }
    }
    std::sort(figures.shortParts.begin(), figures.shortParts.end());
    figures.places = static_cast<int>(places.size());

    for (int supplier = 1; supplier <= 3; ++supplier) {
        PlainSupplier& orders = figures.suppliers[supplier - 1];
        for (const auto& [slot, position] :
             RecordsOf(folder + "k" + std::to_string(900 + supplier) + ".dat")) {
            if (std::atoi(position[2].c_str()) == 1) {
                ++orders.hidden;
                continue;
            }
            const long long quantity = std::atoi(position[1].c_str());
            ++orders.open;
            orders.pieces += quantity;
            int category = -1;
            int part = -1;
            if (std::sscanf(position[0].c_str(), "k%dt%d", &category, &part) == 2 &&
                partsOf(category).contains(part)) {
                orders.valueCents +=
                    Cents(Price(partsOf(category).at(part)[7 + supplier]), quantity);
            }
        }
    }
    return figures;
}

std::map<std::string, std::string> FilesOf(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return files;
}
