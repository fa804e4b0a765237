// The figures of the statistics held against the plain computation of
// PlainFigures: the demo database, the largest generated one, and a small one
// full of damage. Reading them never changes a byte of the files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <tuple>

#include "IniStore.h"
#include "LargestDatabase.h"
#include "PlainFigures.h"
#include "TempFolder.h"
#include "TextRules.h"
#include "figures/FigureTables.h"
#include "figures/StockStatistics.h"

namespace {

long long CentsOf(double value) { return std::llround(value * 100.0); }

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

using ShortKey = std::tuple<int, std::string, long long, int, std::string, long long>;

void ExpectAgreement(const StockStatistics& statistics, const PlainFigures& plain) {
    ASSERT_EQ(statistics.categories.size(), plain.categories.size());
    PlainCategory all;
    for (const CategoryFigures& category : statistics.categories) {
        SCOPED_TRACE(category.name);
        const PlainCategory& expected = plain.categories.at(category.number);
        EXPECT_EQ(category.parts, expected.parts);
        EXPECT_EQ(category.pieces, expected.pieces);
        EXPECT_EQ(CentsOf(category.stockValue), expected.valueCents);
        EXPECT_EQ(category.partsWithoutPrice, expected.withoutPrice);
        EXPECT_EQ(category.partsShort, expected.shortParts);
        EXPECT_EQ(CentsOf(category.restockCost), expected.restockCents);
        all.parts += expected.parts;
        all.pieces += expected.pieces;
        all.valueCents += expected.valueCents;
        all.shortParts += expected.shortParts;
        all.restockCents += expected.restockCents;
    }
    EXPECT_EQ(statistics.allCategories.parts, all.parts);
    EXPECT_EQ(statistics.allCategories.pieces, all.pieces);
    EXPECT_EQ(CentsOf(statistics.allCategories.stockValue), all.valueCents);
    EXPECT_EQ(statistics.allCategories.partsShort, all.shortParts);
    EXPECT_EQ(CentsOf(statistics.allCategories.restockCost), all.restockCents);
    EXPECT_EQ(statistics.storagePlaces, plain.places);

    std::vector<ShortKey> shortParts;
    for (const ShortPart& part : statistics.shortParts) {
        shortParts.emplace_back(part.category, part.name, part.shortfall, part.price.supplier,
                                part.orderNumber, CentsOf(part.price.price));
    }
    std::vector<ShortKey> expectedShort;
    for (const PlainShortPart& part : plain.shortParts) {
        expectedShort.emplace_back(part.category, part.name, part.shortfall, part.supplier,
                                   part.orderNumber, part.priceCents);
    }
    std::sort(shortParts.begin(), shortParts.end());
    std::sort(expectedShort.begin(), expectedShort.end());
    EXPECT_EQ(shortParts, expectedShort);

    long long allOrders = 0;
    for (int supplier = 1; supplier <= 3; ++supplier) {
        SCOPED_TRACE(supplier);
        const SupplierFigures& figures = statistics.suppliers[supplier - 1];
        const PlainSupplier& expected = plain.suppliers[supplier - 1];
        EXPECT_EQ(figures.openPositions, expected.open);
        EXPECT_EQ(figures.pieces, expected.pieces);
        EXPECT_EQ(figures.hiddenPositions, expected.hidden);
        EXPECT_EQ(CentsOf(figures.orderValue), expected.valueCents);
        EXPECT_EQ(figures.orderValueText, PriceText(expected.valueCents / 100.0));
        allOrders += expected.valueCents;
    }
    EXPECT_EQ(CentsOf(statistics.allSuppliers.orderValue), allOrders);
}

class StockStatisticsTest : public ::testing::Test {
protected:
    void TearDown() override { ForgetIniSnapshots(); }
    TempFolder folder;
};

TEST_F(StockStatisticsTest, DemoDatabaseAgreesWithThePlainComputation) {
    std::filesystem::copy(DEMO_DATA_DIR, folder.Path(), std::filesystem::copy_options::recursive);
    const auto before = FilesOf(folder.Path());

    const StockStatistics statistics = ComputeStockStatistics(folder.Path());
    ExpectAgreement(statistics, ComputePlainFigures(folder.Path()));
    // A few facts of the demo data read off its files, so the plain
    // computation cannot agree by finding nothing.
    EXPECT_EQ(statistics.allCategories.parts, 62);
    EXPECT_EQ(statistics.categories.size(), 9u);
    EXPECT_EQ(statistics.storagePlaces, 24);
    EXPECT_EQ(statistics.suppliers[0].name, "Bauteilhaus");
    EXPECT_EQ(statistics.suppliers[0].openPositions, 4);
    EXPECT_EQ(statistics.suppliers[0].hiddenPositions, 1);
    EXPECT_EQ(statistics.shortParts.size(), 14u);
    EXPECT_EQ(FilesOf(folder.Path()), before);
}

TEST_F(StockStatisticsTest, LargestDatabaseAgreesWithThePlainComputation) {
    const TemporaryDatabase database(LargestDatabaseOptions{.withHoles = true});
    const StockStatistics statistics = ComputeStockStatistics(database.Folder());
    ExpectAgreement(statistics, ComputePlainFigures(database.Folder()));
    EXPECT_EQ(statistics.categories.size(), 50u);
    EXPECT_EQ(statistics.allSuppliers.openPositions + statistics.allSuppliers.hiddenPositions,
              1500);
}

// Damage of every kind degrades as the engine reads it: text in a price reads
// as its leading number or 0, a negative stock holds nothing, a price at or
// below zero is none, a position naming no part is worth nothing, and only the
// flag 1 hides a position.
TEST_F(StockStatisticsTest, DamagedRecordsCountAsTheEngineReadsThem) {
    folder.Write("teile.dat", "[kategorie]\r\nk0=Kaputt\r\nk3=Quarze\r\nk7=   \r\nk902=\r\n");
    folder.Write("k0.dat",
                 "[teil]\r\nmax=6\r\n"
                 "t0=Widerstand;;;;;;;;abc;0,00;;A1;5;10\r\n"
                 "t1=Elko;;;;;BH-1;EK-1;LP-1;1,50x;0,80;-2,00;A-1;-7;4\r\n"
                 "t2=Quarz;;;;;Q1;Q2;Q3;0,333;0,50;0,40;k.A.;3;0\r\n"
                 "t3=   \r\n"
                 "t4=Kurz\r\n"
                 "t6=Poti;;;;;P1;P2;P3;2,00;2,00;1,00;a 1;2x;2\r\n");
    folder.Write("k3.dat", "[teil]\r\nt0=Quarz 4 MHz;;;;;;;;0,30;;;Fach 9;10;0\r\n");
    folder.Write("k7.dat", "[teil]\r\nt0=unsichtbar;;;;;;;;9,99;;;X;1;0\r\n");
    folder.Write("k901.dat",
                 "[teil]\r\nmax=5\r\n"
                 "t0=k0t1;10;0\r\nt1=k0t2;3;1\r\nt2=k9t9;4;0\r\nt3=k0t0;2;2\r\n"
                 "t4=garbage;5;0\r\nt5=k0t6;abc;0\r\n");
    folder.Write("k902.dat", "[teil]\r\nt0=k3t0;7;1\r\n");
    const auto before = FilesOf(folder.Path());

    const StockStatistics statistics = ComputeStockStatistics(folder.Path());
    ExpectAgreement(statistics, ComputePlainFigures(folder.Path()));

    const CategoryFigures& damaged = statistics.categories.at(0);
    ASSERT_EQ(damaged.name, "Kaputt");
    EXPECT_EQ(damaged.parts, 5);
    EXPECT_EQ(damaged.pieces, 5 + 0 + 3 + 0 + 2);
    EXPECT_EQ(damaged.partsWithoutPrice, 2);            // "abc", and a record of a name only
    EXPECT_EQ(CentsOf(damaged.stockValue), 100 + 200);  // 3 x 0,333 shows 1,00
    EXPECT_EQ(damaged.partsShort, 3);
    EXPECT_EQ(statistics.storagePlaces, 2);  // "A1" = "A-1" = "a 1", "Fach 9"; "k.A." none
    EXPECT_EQ(statistics.suppliers[0].openPositions, 5);
    EXPECT_EQ(statistics.suppliers[0].hiddenPositions, 1);
    EXPECT_EQ(statistics.suppliers[0].orderValueText, "15,00");
    EXPECT_EQ(statistics.suppliers[1].name, "Lieferant 2");
    EXPECT_EQ(statistics.suppliers[1].orderValueText, "0,00");

    const FigureTable shortage = ShortageTable(statistics);
    const auto withoutPrice =
        std::find_if(shortage.rows.begin(), shortage.rows.end(),
                     [](const FigureRow& row) { return row[1].text == "Widerstand"; });
    ASSERT_NE(withoutPrice, shortage.rows.end());
    EXPECT_EQ((*withoutPrice)[5].text, "ohne Preis");
    EXPECT_EQ((*withoutPrice)[8].text, "");
    EXPECT_EQ(FilesOf(folder.Path()), before);
}

// Numbers at the ends of what the files can hold give figures that stay
// finite, however absurd.
TEST_F(StockStatisticsTest, HugeNumbersNeverMakeAFigureInfinite) {
    folder.Write("teile.dat", "[kategorie]\r\nk0=Riesen\r\nk1=Zwerge\r\n");
    folder.Write("k0.dat",
                 "[teil]\r\n"
                 "t0=Riese;;;;;;;;1e300;;;;99999999999;0\r\n"
                 "t1=Zwilling;;;;;;;;1,7e308;;;;2147483647;2147483647\r\n");
    folder.Write("k1.dat", "[teil]\r\nt0=Zwerg;;;;;;;;0,01;;;;-99999999999;2147483647\r\n");
    folder.Write("k901.dat", "[teil]\r\nt0=k0t1;99999999999;0\r\nt1=k0t0;2000000000;0\r\n");

    const StockStatistics statistics = ComputeStockStatistics(folder.Path());
    std::vector<double> values = {statistics.allCategories.stockValue,
                                  statistics.allCategories.restockCost,
                                  statistics.allSuppliers.orderValue};
    for (const CategoryFigures& category : statistics.categories) {
        values.insert(values.end(), {category.stockValue, category.restockCost});
    }
    for (const ShortPart& part : statistics.shortParts) {
        values.push_back(part.cost);
    }
    for (const double value : values) {
        EXPECT_TRUE(std::isfinite(value)) << value;
    }
    EXPECT_GT(statistics.allCategories.stockValue, 1e300);
    EXPECT_EQ(statistics.allCategories.pieces, 2LL * 2147483647);
    EXPECT_EQ(statistics.categories.at(1).restockCost, 2147483647 * 0.01);
    for (const FigureRow& row : StockTable(statistics).rows) {
        for (const FigureCell& cell : row) {
            EXPECT_EQ(cell.text.find("inf"), std::string::npos);
            EXPECT_EQ(cell.text.find("nan"), std::string::npos);
        }
    }
}

}  // namespace
