// The record formats, the "max" rule, slot allocation and stored paths.
#include <gtest/gtest.h>

#include "DataFiles.h"
#include "FolderToken.h"
#include "IniStore.h"
#include "Records.h"
#include "Slots.h"
#include "TempFolder.h"
#include "TextRules.h"

namespace {

class SlotFiles : public ::testing::Test {
protected:
    void SetUp() override { ForgetIniSnapshots(); }

    // A list file with `max` (omitted when empty) and records in the given slots.
    void WriteList(const std::string& max, int firstSlot, int lastSlot) {
        std::string bytes = "[teil]\r\n";
        if (!max.empty()) {
            bytes += "max=" + max + "\r\n";
        }
        for (int slot = firstSlot; slot <= lastSlot; ++slot) {
            bytes += SlotKey(slot) + "=Teil " + std::to_string(slot) + ";keine\r\n";
        }
        folder.Write("k0.dat", bytes);
    }
    std::string Max() const { return ReadIniValue("teil", "max", list); }

    TempFolder folder;
    const std::string list = ListFilePath(folder.Path(), 0);
};

}  // namespace

TEST(ScanLimit, FollowsTheMaxRule) {
    const std::pair<const char*, int> cases[] = {{"", 499},
                                                 {" \t", 499},
                                                 {"-1", 0},
                                                 {"0", 0},
                                                 {" 7 ", 7},
                                                 {"700", 499},
                                                 {"abc", 0},
                                                 {"$1F", 31},
                                                 {"-99999999999999999999", 0},
                                                 {"99999999999999999999", 499}};
    for (const auto& [max, limit] : cases) {
        EXPECT_EQ(ScanLimit(max), limit) << '"' << max << '"';
    }
}

// The lowest free slot up to the scan limit, else the one after the highest
// record while the limit is below 499; "max" is kept at least as high as the
// highest record and never a record is overwritten.
TEST_F(SlotFiles, FreeSlotKeepsMaxAboveEveryRecord) {
    struct Case {
        const char* max;
        int firstSlot;  // records in firstSlot ... lastSlot
        int lastSlot;
        FreeSlot found;
        const char* maxAfter;
    };
    const Case cases[] = {
        {"5", 1, 5, FreeSlot::At(0), "5"},    // a hole is refilled
        {"-1", 1, 0, FreeSlot::At(0), "0"},   // emptied by compaction
        {"499", 0, 499, kNoFreeSlot, "499"},  // full lists refuse
        {"", 0, 499, kNoFreeSlot, "499"},    {"300", 0, 499, kNoFreeSlot, "499"},
        {"1", 0, 2, FreeSlot::At(3), "3"},  // a record above a too low "max"
        {"-1", 0, 0, FreeSlot::At(1), "1"},
    };
    for (const Case& c : cases) {
        WriteList(c.max, c.firstSlot, c.lastSlot);
        const std::string label = std::string("max=") + c.max;
        EXPECT_EQ(FindFreePartSlot(list), c.found) << label;
        EXPECT_EQ(Max(), c.maxAfter) << label;
        for (int slot = c.firstSlot; slot <= c.lastSlot; ++slot) {
            ASSERT_EQ(ReadIniValue("teil", SlotKey(slot), list),
                      "Teil " + std::to_string(slot) + ";keine")
                << label;
        }
    }
    WriteList("-1", 1, 0);
    ASSERT_EQ(FindFreePartSlot(list), FreeSlot::At(0));
    EXPECT_EQ(folder.Read("k0.dat"), "[teil]\r\nmax=0\r\n");
    EXPECT_EQ(FindFreePartSlot(folder.File("fehlt/k0.dat")), kSlotWriteFailed);
}

TEST_F(SlotFiles, CategoryTakesTheLowestBlankNumber) {
    const std::string main = MainFilePath(folder.Path());
    folder.Write("teile.dat", "[Kategorie]\r\nk0=Dioden\r\nk1= \t\r\nk2=ICs\r\n");
    EXPECT_EQ(FindFreeCategorySlot(main), 1);
    std::string full = "[kategorie]\r\n";
    for (int category = 0; category < kCategoryCount; ++category) {
        full += "k" + std::to_string(category) + "=K\r\n";
    }
    folder.Write("teile.dat", full);
    EXPECT_EQ(FindFreeCategorySlot(main), -1);
}

TEST(PartRecordText, TypedSemicolonsNeverAddAField) {
    EXPECT_EQ(WithoutSemicolons("a;b;;"), "a,b,,");
    PartRecord record = PartRecord::NewPart("BC547");
    record.Field(kFieldRemark) = "NPN;TO-92";
    record.Field(kFieldTarget) = "10;20";
    const std::string joined = record.Join();
    EXPECT_EQ(SplitFields(joined).size(), 14u);
    EXPECT_EQ(PartRecord::Parse(joined).Field(kFieldRemark), "NPN,TO-92");

    const PartRecord overlong = PartRecord::Parse("1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16");
    EXPECT_EQ(overlong.Field(kFieldTarget), "14");
    EXPECT_EQ(SplitFields(overlong.Join()).size(), 14u);

    const PartRecord shortOne = PartRecord::Parse(" R 1k ;keine; FREI ");
    EXPECT_EQ(shortOne.Field(kFieldName) + shortOne.ShownRange() + shortOne.Field(kFieldTarget),
              " R 1k k.A.");

    const OrderPosition position{"k3t17", "1;2", "0"};
    EXPECT_EQ(SplitFields(position.Join()).size(), 3u);
    EXPECT_TRUE(OrderPosition::Parse("k3t17;5;1").IsHidden());
    EXPECT_FALSE(OrderPosition::Parse("k3t17;5").IsHidden());
}

TEST(PartReferenceText, OnlyPlainNumbersInRangeAreReferences) {
    EXPECT_EQ(PartReference::Parse(" K12T7\t"), (PartReference{12, 7}));
    EXPECT_EQ(PartReference::Parse("k49t499"), (PartReference{49, 499}));
    EXPECT_EQ((PartReference{3, 17}).Text(), "k3t17");
    for (const char* bad : {"12t7", "k12", "k../../x", "k1t../y", "k50t0", "k0t500", "k1t2t3",
                            "kt5", "k1t", "k-1t5", "k1t-0", "", "k"}) {
        EXPECT_EQ(PartReference::Parse(bad), std::nullopt) << bad;
    }
}

TEST(AddressText, SemicolonCountDecidesAndOnlyTheInvoiceIsUpgraded) {
    const std::string seven = "Firma;Herr X;Weg 1;4711;D-12345 Ort;030;031;a@b.de";
    EXPECT_EQ(SupplierAddress::Parse(seven).value().fields[7], "a@b.de");
    EXPECT_FALSE(SupplierAddress::Parse("a;b;c;d;e;f;g"));  // no older form here
    EXPECT_FALSE(SupplierAddress::Parse(seven + ";"));

    const auto older = UserAddress::ParseInvoice("Name;Zusatz;Weg;Ort;Tel;Fax;Post").value();
    EXPECT_EQ(older[6] + older[7], "Post0");
    EXPECT_EQ(UserAddress::ParseInvoice("a;b;c;d;e;f;g;1").value()[7], "1");
    EXPECT_FALSE(UserAddress::ParseInvoice("a;b;c;d;e;f"));
    EXPECT_FALSE(UserAddress::ParseInvoice("a;b;c;d;e;f;g;h;i"));
    EXPECT_TRUE(UserAddress::ParseDelivery("a;b;c;d") && !UserAddress::ParseDelivery("a;b;c"));

    SupplierAddress typed;
    typed.fields = {" Bauteile; GmbH ", "\tFrau Y ", "", "", "", "", "", "x;y"};
    EXPECT_EQ(typed.Join(), "Bauteile, GmbH;Frau Y;;;;;;x,y");
}

// A path is stored with the token only when it begins with the folder's
// exact text; then every occurrence of the folder in any letter case becomes
// the token, and a near miss that overlaps one is not mistaken for it. The
// token resolves in any letter case.
TEST(FolderTokenText, StoredAndResolvedPaths) {
    struct Case {
        std::string path;
        std::string folder;
        std::string stored;
    };
    const std::string longFolder = std::string(100'000, 'a') + "/";
    const Case stores[] = {
        {"/opt/Teile/bilder/x.jpg", "/opt/Teile/", "$lopf$bilder/x.jpg"},
        {"/opt/teile/bilder/x.jpg", "/opt/Teile/", "/opt/teile/bilder/x.jpg"},
        {"/opt/Teile", "/opt/Teile/", "/opt/Teile"},
        {"/d/aXa//d/ax/D/AXA/y", "/d/aXa/", "$lopf$/d/ax$lopf$y"},
        {"/aa/aa/aa/aa//aa/aa/", "/aa/aa/", "$lopf$aa/aa/$lopf$"},
        // A path of 240 KB below a folder of 100 KB that repeats one letter.
        {longFolder + std::string(140'000, 'A'), longFolder, "$lopf$" + std::string(140'000, 'A')},
    };
    for (const Case& c : stores) {
        EXPECT_EQ(StoreFolderToken(c.path, c.folder), c.stored) << c.path.substr(0, 40);
    }
    const Case resolves[] = {
        {"$LOPF$x.jpg", "/opt/Teile/", "/opt/Teile/x.jpg"},
        {"$lopf$Bilder\\Dioden\\1N4148.jpg", "/opt/Teile/", "/opt/Teile/Bilder/Dioden/1N4148.jpg"},
        {"C:\\Daten\\x.pdf", "/opt/Teile/", "C:\\Daten\\x.pdf"},
        {"x$lopf$y", "/opt/Teile/", "x$lopf$y"},
        {"$lopf$" + std::string(140'000, 'A'), longFolder, longFolder + std::string(140'000, 'A')},
    };
    for (const Case& c : resolves) {
        EXPECT_EQ(ResolveFolderToken(c.path, c.folder), c.stored) << c.path.substr(0, 40);
    }
    EXPECT_TRUE(MeansNoFile(" K.a. ") && MeansNoFile("") && !MeansNoFile("k.A.pdf"));
}
