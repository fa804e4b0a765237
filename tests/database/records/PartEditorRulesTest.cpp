// What the part editor shows when it opens and the rules it follows while
// the user types, without a window.

#include <gtest/gtest.h>

#include <climits>

#include "Records.h"
#include "TempFolder.h"
#include "records/PartEditorRules.h"

namespace {

TEST(PartEditorContent, NewCopyAndEditFromTheFiles) {
    TempFolder folder;
    folder.Write("teile.dat", "[kategorie]\r\nk0=Dioden\r\nk901=Reichelt\r\nk903=  \r\n");
    folder.Write("k0.dat",
                 "[teil]\r\nmax=7\r\n"
                 "t3=1N4148;Signal;FREI;SOD80;5%;R1;;C1;;  ;1,20;A1;4;5\r\n"
                 "t7=BAT43;;100V;DO35;k.A.;;;;0,10;;;A2;9;5\r\n");
    folder.Write("datenblaetter.dat", "[datenblatt]\r\nk0t3=$LOPF$daten\\1n4148.pdf\r\n");
    folder.Write("bilder.dat", "[bild1]\r\nk0t3=/home/ich/bild.jpg\r\n");

    const PartEditorContent fresh = LoadPartEditorContent(folder.Path(), PartEditorMode::New, 0, 3);
    EXPECT_EQ(fresh.slot, -1);
    EXPECT_EQ(fresh.texts.fields, PartRecord::NewPart("").fields);
    EXPECT_EQ(fresh.texts.datasheet1, "k.A.");
    EXPECT_EQ(fresh.texts.datasheet2, "k.A.");
    EXPECT_EQ(fresh.texts.picture1, "");
    EXPECT_FALSE(fresh.stockMarked);
    // The drop-downs offer what the category holds; "frei" is a value too.
    EXPECT_EQ(fresh.ranges, (std::vector<std::string>{"100V", "FREI"}));
    EXPECT_EQ(fresh.packages, (std::vector<std::string>{"DO35", "SOD80"}));
    EXPECT_EQ(fresh.tolerances, (std::vector<std::string>{"5%", "k.A."}));
    EXPECT_EQ(fresh.supplierNames,
              (std::array<std::string, 3>{"Reichelt", "Lieferant 2", "Lieferant 3"}));

    const PartEditorContent edit = LoadPartEditorContent(folder.Path(), PartEditorMode::Edit, 0, 3);
    EXPECT_EQ(edit.slot, 3);
    const std::array<std::string, 14> shown = {"1N4148", "Signal", "k.A.", "SOD80", "5%",
                                               "R1",     "",       "C1",   "0,00",  "0,00",
                                               "1,20",   "A1",     "4",    "5"};
    EXPECT_EQ(edit.texts.fields, shown);
    // Side entries as stored: the window expands the token.
    EXPECT_EQ(edit.texts.datasheet1, "$LOPF$daten\\1n4148.pdf");
    EXPECT_EQ(edit.texts.datasheet2, "");
    EXPECT_EQ(edit.texts.picture1, "");
    EXPECT_EQ(edit.texts.picture2, "/home/ich/bild.jpg");
    EXPECT_TRUE(edit.stockMarked);  // 4 of 5

    // A copy shows the same, keeps stock and target, is saved as a new part
    // and opens unmarked.
    const PartEditorContent copy = LoadPartEditorContent(folder.Path(), PartEditorMode::Copy, 0, 3);
    EXPECT_EQ(copy.slot, -1);
    EXPECT_EQ(copy.texts.fields, shown);
    EXPECT_EQ(copy.texts.picture2, "/home/ich/bild.jpg");
    EXPECT_FALSE(copy.stockMarked);

    EXPECT_FALSE(LoadPartEditorContent(folder.Path(), PartEditorMode::Edit, 0, 7).stockMarked);
}

TEST(PartEditorRules, StockButtonsAndTheMarkOfIstBestand) {
    EXPECT_EQ(StockAfterBooking("3", "2", true), 5);
    EXPECT_EQ(StockAfterBooking("3", "2", false), 1);
    EXPECT_EQ(StockAfterBooking("3", "5", false), 0);  // never below 0
    EXPECT_EQ(StockAfterBooking("", "", true), 0);
    EXPECT_EQ(StockAfterBooking(" 7 Stk", "x", true), 7);
    EXPECT_EQ(StockAfterBooking("2147483647", "5", true), INT_MAX);
    EXPECT_EQ(StockAfterBooking("-4", "1", false), 0);

    // The full rule: marked at or below a positive target.
    EXPECT_TRUE(StockIsMarked("5", "5"));
    EXPECT_TRUE(StockIsMarked("", "1"));
    EXPECT_FALSE(StockIsMarked("6", "5"));
    EXPECT_FALSE(StockIsMarked("0", "0"));
    EXPECT_FALSE(StockIsMarked("-3", ""));

    // After the buttons only one way: "+" may clear it, "-" may set it.
    EXPECT_EQ(StockMarkAfterBooking("6", "5", true), false);
    EXPECT_EQ(StockMarkAfterBooking("5", "5", true), std::nullopt);
    EXPECT_EQ(StockMarkAfterBooking("5", "5", false), true);
    EXPECT_EQ(StockMarkAfterBooking("6", "5", false), std::nullopt);
    EXPECT_EQ(StockMarkAfterBooking("0", "0", false), std::nullopt);
    EXPECT_EQ(StockMarkAfterBooking("0", "-2", false), std::nullopt);
}

TEST(PartEditorRules, SupplierCaptions) {
    EXPECT_EQ(OrderNumberCaption("Reichelt", 1), "Bestell-Nr.(Reichelt):");
    EXPECT_EQ(PriceCaption(" Conrad ", 2), "Preis (Conrad):");
    EXPECT_EQ(OrderNumberCaption("", 3), "Bestell-Nr.(3):");
    EXPECT_EQ(PriceCaption("  ", 3), "Preis (3):");
}

TEST(PartEditorRules, RecordMustReadBackWhole) {
    PartEditorTexts texts;
    texts.fields = PartRecord::NewPart("").fields;
    // 13 separators, the defaults' lengths and the name make 254 exactly.
    std::size_t others = 0;
    for (int field = kFieldRemark; field <= kFieldTarget; ++field) {
        others += 1 + texts.Field(field).size();
    }
    texts.Field(kFieldName) = "  " + std::string(254 - others, 'x') + "  ";
    EXPECT_TRUE(PartRecordFitsFile(texts));
    texts.Field(kFieldRemark) += "y";
    EXPECT_FALSE(PartRecordFitsFile(texts));
    // The target is stored as its number.
    texts.Field(kFieldRemark).pop_back();
    texts.Field(kFieldTarget) = "0000";
    EXPECT_TRUE(PartRecordFitsFile(texts));
}

TEST(PartEditorRules, FileDialogFiltersAndPictureNames) {
    EXPECT_EQ(DatasheetFilterIndex("/daten/ne555.PDF"), 0);
    EXPECT_EQ(DatasheetFilterIndex("/daten/ne555.pdf.txt"), 1);
    EXPECT_EQ(DatasheetFilterIndex(""), 1);

    EXPECT_EQ(PictureFilterIndex("a.Bmp"), 0);
    EXPECT_EQ(PictureFilterIndex("a.JPG"), 1);
    EXPECT_EQ(PictureFilterIndex("a.jpe"), 1);
    EXPECT_EQ(PictureFilterIndex("a.jpeg"), 1);
    EXPECT_EQ(PictureFilterIndex("a.png"), 2);
    EXPECT_EQ(PictureFilterIndex(""), 2);

    EXPECT_TRUE(IsPictureFileName("/x/Foto.JPEG"));
    EXPECT_TRUE(IsPictureFileName("/x/plan.bmp"));
    EXPECT_FALSE(IsPictureFileName("/x/foto.jpe"));
    EXPECT_FALSE(IsPictureFileName("/x/foto.png"));
    EXPECT_FALSE(IsPictureFileName("/x/jpg"));
}

}  // namespace
