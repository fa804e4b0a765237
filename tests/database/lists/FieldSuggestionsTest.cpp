#include <gtest/gtest.h>

#include "TestParts.h"
#include "lists/FieldSuggestions.h"

namespace {

TestPart Part(std::string package, std::string tolerance = "k.A.", std::string range = "k.A.") {
    TestPart part;
    part.package = std::move(package);
    part.tolerance = std::move(tolerance);
    part.range = std::move(range);
    return part;
}

TEST(FieldSuggestions, DistinctValuesInTheCaseOfTheirFirstOccurrenceSorted) {
    TempFolder folder;
    folder.Write("k0.dat", PartsFile("5", {{0, Part("TO92", "5%", "frei")},
                                           {1, Part("sot23", "1%")},
                                           {2, Part("to92", "5%")},
                                           {3, Part("  ", "10%")},
                                           {5, Part("DIL8", "5 %")},
                                           {6, Part("hinter max")}}));
    const std::string file = folder.File("k0.dat");
    const FieldValueTable table = CollectFieldValues(file, 4);
    EXPECT_EQ(table.values, (std::vector<std::string>{"DIL8", "sot23", "TO92"}));
    EXPECT_EQ(table.lastIndexText, "2");

    EXPECT_EQ(FillValueSuggestions(file, 0), (std::vector<std::string>{"DIL8", "sot23", "TO92"}));
    EXPECT_EQ(FillValueSuggestions(file, 1), (std::vector<std::string>{"1%", "10%", "5 %", "5%"}));
    EXPECT_EQ(FillValueSuggestions(file, 2), (std::vector<std::string>{"frei", "k.A."}));
    EXPECT_TRUE(FillValueSuggestions(file, 3).empty());
}

TEST(FieldSuggestions, NothingToSuggest) {
    TempFolder folder;
    const FieldValueTable none = CollectFieldValues(folder.File("k9.dat"), 4);
    EXPECT_TRUE(none.values.empty());
    EXPECT_EQ(none.lastIndexText, "-1");
    folder.Write("k9.dat", PartsFile("", {{0, Part("TO92")}}));
    EXPECT_TRUE(CollectFieldValues(folder.File("k9.dat"), 0).values.empty());
    EXPECT_TRUE(CollectFieldValues(folder.File("k9.dat"), 15).values.empty());
}

}  // namespace
