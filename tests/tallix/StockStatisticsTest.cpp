// The figures of the statistics held against the plain computation of
// PlainFigures: the demo database, the largest generated one, and small ones
// full of damage. Reading them never changes a byte of the files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "IniStore.h"
#include "LargestDatabase.h"
#include "PlainFigures.h"
#include "TempFolder.h"
#include "TextRules.h"
#include "figures/FigureTables.h"
#include "figures/StockStatistics.h"

namespace {

long long CentsOf(double value) { return std::llround(value * 100.0); }

void ExpectAgreement(const StockStatistics& statistics, const PlainFigures& plain) {
    std::map<int, PlainCategory> categories;
    for (const CategoryFigures& category : statistics.categories) {
        categories[category.number] = {category.parts,
                                       category.pieces,
                                       CentsOf(category.stockValue),
                                       category.partsWithoutPrice,
                                       category.partsShort,
                                       CentsOf(category.restockCost)};
    }
    EXPECT_EQ(categories, plain.categories);
    std::vector<PlainShortPart> shortParts;
    for (const ShortPart& part : statistics.shortParts) {
        shortParts.emplace_back(part.category, part.name, part.shortfall, part.price.supplier,
                                part.orderNumber, CentsOf(part.price.price));
    }
    std::sort(shortParts.begin(), shortParts.end());
    EXPECT_EQ(shortParts, plain.shortParts);
    for (int supplier = 1; supplier <= 3; ++supplier) {
        const SupplierFigures& figures = statistics.suppliers[supplier - 1];
        const PlainSupplier& expected = plain.suppliers[supplier - 1];
        EXPECT_EQ(PlainSupplier({figures.openPositions, figures.pieces, CentsOf(figures.orderValue),
                                 figures.hiddenPositions}),
                  expected)
            << supplier;
        EXPECT_EQ(figures.orderValueText, PriceText(expected.valueCents / 100.0));
    }
    EXPECT_EQ(statistics.storagePlaces, plain.places);
}

class StockStatisticsTest : public ::testing::Test {
protected:
    void TearDown() override { ForgetIniSnapshots(); }
    TempFolder folder;
};

TEST_F(StockStatisticsTest, DemoAndLargestDatabaseAgreeWithThePlainComputation) {
    std::filesystem::copy(DEMO_DATA_DIR, folder.Path(), std::filesystem::copy_options::recursive);
    const auto before = FilesOf(folder.Path());
    const StockStatistics demo = ComputeStockStatistics(folder.Path());
    ExpectAgreement(demo, ComputePlainFigures(folder.Path()));
    // Read off the demo files, so the two computations cannot agree on nothing.
    EXPECT_EQ(demo.allCategories.parts, 62);
    EXPECT_EQ(demo.storagePlaces, 24);
    EXPECT_EQ(demo.shortParts.size(), 14u);
    EXPECT_EQ(demo.suppliers[0].hiddenPositions, 1);
    EXPECT_EQ(FilesOf(folder.Path()), before);

    const TemporaryDatabase largest(LargestDatabaseOptions{.withHoles = true});
    const StockStatistics statistics = ComputeStockStatistics(largest.Folder());
    ExpectAgreement(statistics, ComputePlainFigures(largest.Folder()));
    EXPECT_EQ(statistics.categories.size(), 50u);
    EXPECT_EQ(statistics.allSuppliers.openPositions + statistics.allSuppliers.hiddenPositions,
              1500);
}

// Damage degrades as the engine reads it: text in a price reads as its leading
// number or 0, a negative stock holds nothing, a price at or below zero is
// none, a position naming no part is worth nothing, and only the flag 1 hides.
TEST_F(StockStatisticsTest, DamagedRecordsCountAsTheEngineReadsThem) {
    folder.Write("teile.dat", "[kategorie]\r\nk0=Kaputt\r\nk3=Quarze\r\nk7=   \r\n");
    folder.Write("k0.dat",
                 "[teil]\r\nmax=6\r\n"
                 "t0=Widerstand;;;;;;;;abc;0,00;;A1;5;10\r\n"
                 "t1=Elko;;;;;BH-1;EK-1;LP-1;1,50x;0,80;-2,00;A-1;-7;4\r\n"
                 "t2=Quarz;;;;;Q1;Q2;Q3;0,333;0,50;0,40;k.A.;3;0\r\n"
                 "t3=   \r\nt4=Kurz\r\n"
                 "t6=Poti;;;;;P1;P2;P3;2,00;2,00;1,00;a 1;2x;2\r\n");
    folder.Write("k3.dat", "[teil]\r\nt0=Quarz 4 MHz;;;;;;;;0,30;;;Fach 9;10;0\r\n");
    folder.Write("k7.dat", "[teil]\r\nt0=unsichtbar;;;;;;;;9,99;;;X;1;0\r\n");
    folder.Write("k901.dat",
                 "[teil]\r\nt0=k0t1;10;0\r\nt1=k0t2;3;1\r\nt2=k9t9;4;0\r\nt3=k0t0;2;2\r\n"
                 "t4=garbage;5;0\r\nt5=k0t6;abc;0\r\n");
    folder.Write("k902.dat", "[teil]\r\nt0=k3t0;7;1\r\n");
    const auto before = FilesOf(folder.Path());

    const StockStatistics statistics = ComputeStockStatistics(folder.Path());
    ExpectAgreement(statistics, ComputePlainFigures(folder.Path()));
    const CategoryFigures& damaged = statistics.categories.at(0);
    EXPECT_EQ(damaged.pieces, 5 + 3 + 2);
    EXPECT_EQ(damaged.partsWithoutPrice, 2);
    EXPECT_EQ(PriceText(damaged.stockValue), "3,00");  // 3 x 0,333 shows 1,00
    EXPECT_EQ(statistics.storagePlaces, 2);            // "A1" = "A-1" = "a 1", "Fach 9"
    EXPECT_EQ(statistics.suppliers[0].openPositions, 5);
    EXPECT_EQ(statistics.suppliers[0].orderValueText, "15,00");
    EXPECT_EQ(statistics.suppliers[1].name, "Lieferant 2");
    const FigureTable shortage = ShortageTable(statistics);
    EXPECT_EQ(shortage.rows.at(2)[1].text, "Widerstand");
    EXPECT_EQ(shortage.rows.at(2)[5].text, "ohne Preis");
    EXPECT_EQ(FilesOf(folder.Path()), before);

    // Numbers at the ends of what a file can hold leave every figure finite.
    folder.Write("k0.dat",
                 "[teil]\r\nt0=Riese;;;;;;;;1e300;;;;99999999999;0\r\n"
                 "t1=Zwilling;;;;;;;;1,7e308;;;;2147483647;2147483647\r\n"
                 "t2=Zwerg;;;;;;;;0,01;;;;-99999999999;2147483647\r\n");
    folder.Write("k901.dat", "[teil]\r\nt0=k0t1;99999999999;0\r\nt1=k0t0;2000000000;0\r\n");
    ForgetIniSnapshots();
    const StockStatistics huge = ComputeStockStatistics(folder.Path());
    for (const double value : {huge.allCategories.stockValue, huge.allCategories.restockCost,
                               huge.allSuppliers.orderValue}) {
        EXPECT_TRUE(std::isfinite(value)) << value;
    }
    EXPECT_GT(huge.allCategories.stockValue, 1e300);
    EXPECT_EQ(huge.allCategories.pieces, 2LL * 2147483647 + 10);
    EXPECT_EQ(PriceText(huge.shortParts.at(0).cost), "21474836,47");
}

}  // namespace
