#include <gtest/gtest.h>

#include "TempFolder.h"
#include "lists/CategoryTree.h"

namespace {

TEST(CategoryTree, CategoriesSortedByNameBetweenTheRootsThenTheSuppliers) {
    TempFolder folder;
    folder.Write("teile.dat",
                 "[kategorie]\r\nk0=widerst\xE4nde\r\nk2=Dioden\r\nk5=  \r\nk9=zener\r\n"
                 "k11=ALU\r\nk49=dioden\r\nk901=  Reichel  \r\nk903=Conrad\r\n");
    const CategoryTree tree = FillCategoryTree(folder.Path());
    const std::vector<TreeEntry> expected = {
        {800, "Kategorien", 0},   {11, "ALU", 1},     {2, "Dioden", 1},         {49, "dioden", 1},
        {0, "widerst\xE4nde", 1}, {9, "zener", 1},    {900, "Bestellungen", 0}, {901, "Reichel", 1},
        {902, "Lieferant 2", 1},  {903, "Conrad", 1},
    };
    EXPECT_EQ(tree.entries, expected);
    EXPECT_EQ(tree.categoryCount, 5);
    EXPECT_EQ(tree.statusText, "5 Kategorie(n)");
    EXPECT_EQ(tree.supplierNames, (std::array<std::string, 3>{"Reichel", "Lieferant 2", "Conrad"}));
    EXPECT_EQ(SupplierShortNames(folder.Path()), tree.supplierNames);
}

TEST(CategoryTree, EmptyDatabaseStillShowsBothRootsAndThreeSuppliers) {
    TempFolder folder;
    const CategoryTree tree = FillCategoryTree(folder.Path());
    ASSERT_EQ(tree.entries.size(), 5u);
    EXPECT_EQ(tree.entries[0].itemTag, 800);
    EXPECT_EQ(tree.entries[1].itemTag, 900);
    EXPECT_EQ(tree.entries[4], (TreeEntry{903, "Lieferant 3", 1}));
    EXPECT_EQ(tree.statusText, "0 Kategorie(n)");
}

}  // namespace
