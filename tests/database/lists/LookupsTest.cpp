#include <gtest/gtest.h>

#include "Records.h"
#include "ScriptedPrompter.h"
#include "TestParts.h"
#include "lists/PartLookups.h"

namespace {

TestPart WithPlace(std::string name, std::string place) {
    TestPart part = Named(std::move(name));
    part.place = std::move(place);
    return part;
}

class LookupsTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string file = folder.File("k0.dat");
};

TEST_F(LookupsTest, NameModesCountEqualNamesAndFindTheFirstContainingOne) {
    folder.Write("k0.dat", PartsFile("", {{0, Named("BC547B")},
                                          {2, Named("bc547")},
                                          {4, Named("BC547")},
                                          {6, Named("  ")}}));
    EXPECT_EQ(CountPartsNamed("BC547", file), 2);
    EXPECT_EQ(CountPartsNamed("BC548", file), 0);
    EXPECT_EQ(FindPartByName("bc547", file, TextMatch::Contains), 0);  // "BC547B" contains it
    EXPECT_EQ(FindPartByName("bc547", file, TextMatch::Equals), 2);
    EXPECT_EQ(FindPartByName("BC548", file, TextMatch::Contains), -1);
    EXPECT_EQ(CountPartsNamed("", file), 0);  // blank names never count
}

TEST_F(LookupsTest, ScanStopsAtMaxAndSkipsBlankSlots) {
    folder.Write("k0.dat", PartsFile("3", {{1, Named("A")}, {3, Named("B")}, {4, Named("C")}}));
    EXPECT_EQ(FindPartByName("B", file, TextMatch::Equals), 3);
    EXPECT_EQ(FindPartByName("C", file, TextMatch::Equals), -1);  // beyond "max"
    EXPECT_EQ(FindPartByName("A", file, TextMatch::Equals), 1);
    EXPECT_EQ(FindPartByName("A", folder.File("missing.dat"), TextMatch::Contains), -1);
    EXPECT_EQ(CountPartsNamed("A", folder.File("missing.dat")), 0);
}

TEST_F(LookupsTest, SearchModeJoinsNameAndRemarkAsChosen) {
    folder.Write("k0.dat", PartsFile("", {{0, Named("XY", "nix")}, {5, Named("AB", "CD")}}));
    EXPECT_EQ(FindSearchMatch("bc", file, {true, true}), 5);
    EXPECT_EQ(FindSearchMatch("BC", file, {true, false}), -1);
    EXPECT_EQ(FindSearchMatch("cd", file, {false, true}), 5);
    EXPECT_EQ(FindSearchMatch("AB", file, {false, true}), -1);
    EXPECT_EQ(FindSearchMatch("AB", file, {false, false}), -1);
}

TEST_F(LookupsTest, PlaceModesCompareTheNormalisedStoragePlace) {
    folder.Write("k0.dat", PartsFile("", {{0, WithPlace("a", "B 7")},
                                          {1, WithPlace("b", " A-12 ")},
                                          {2, WithPlace("c", "a/1.3")},
                                          {3, WithPlace("d", " - ")}}));
    // A1 is contained in A12 and in A13; B7 only once.
    EXPECT_EQ(CountPartsAtPlace("A1", file), 2);
    EXPECT_EQ(FindPartAtPlace("A1", file, TextMatch::Contains), 1);
    EXPECT_EQ(CountPartsAtPlace("B7", file), 1);
    EXPECT_EQ(CountPartsAtPlace("C9", file), 0);
    EXPECT_EQ(FindPartAtPlace("a13", file, TextMatch::Equals), 2);
    EXPECT_EQ(FindPartAtPlace("a1", file, TextMatch::Equals), -1);
}

TEST(CategoryLookups, FindAndCountIgnoreLetterCaseAndBlankSlots) {
    TempFolder folder;
    folder.Write("teile.dat",
                 "[Kategorie]\r\nk0=Dioden\r\nk1=  \r\nk3=Widerst\xE4nde\r\nk7=dioden\r\n"
                 "k49=Quarze\r\nk50=Zuviel\r\nk901=Lieferant\r\n");
    const std::string main = folder.File("teile.dat");
    EXPECT_EQ(CountCategoriesNamed("DIODEN", main), 2);
    EXPECT_EQ(FindCategoryNamed("dioden", main), 0);
    EXPECT_EQ(FindCategoryNamed(" WIDERST\xC4NDE ", main), 3);  // cp1252 letter case
    EXPECT_EQ(FindCategoryNamed("Zuviel", main), -1);
    EXPECT_EQ(CountCategoriesNamed("Lieferant", main), 0);
    EXPECT_EQ(CountCategoriesNamed("", main), 0);
    EXPECT_EQ(CountCategories(main), 4);
    EXPECT_EQ(CountCategories(folder.File("nothing.dat")), 0);
}

TEST(PartReferences, OnlyTheStrictFormGivesNumbers) {
    EXPECT_EQ(PartReference::Parse("  K12T7 "), (PartReference{12, 7}));
    EXPECT_EQ(PartReference::Parse("k49t499"), (PartReference{49, 499}));
    EXPECT_EQ(PartReference::Parse("k0t0"), (PartReference{0, 0}));
    for (const char* bad : {"12t7", "k12", "", "k", "kt", "k50t1", "k1t500", "k-1t2", "k1t-2",
                            "k../../x", "k1t../y", "k99t1", "k1t2t3", "k$10t1", "k1 t2x"}) {
        EXPECT_EQ(PartReference::Parse(bad), std::nullopt) << bad;
    }
}

// --- The checks before saving: every question on both answers. ---

void ExpectWarningQuestion(const ScriptedPrompter& prompter, const std::string& text) {
    ASSERT_EQ(prompter.messages.size(), 1u);
    const auto& message = prompter.messages[0];
    EXPECT_TRUE(message.question);
    EXPECT_EQ(message.title, "Warnung !");
    EXPECT_EQ(message.text, text);
    EXPECT_EQ(message.icon, MessageIcon::Warning);
    EXPECT_EQ(message.defaultAnswer, Answer::No);
}

const std::string kCreateAnyway = "Teil bereits vorhanden ! Trotzdem anlegen ?     ";
const std::string kSaveAnyway = "Teil bereits vorhanden ! Trotzdem speichern ?     ";
const std::string kPlaceUsed =
    "Dieser Lagerort ist bereits belegt. Trotzdem so \374bernehmen ?     ";
const std::string kPlaceUsedMany =
    "Dieser Lagerort ist bereits mehrfach belegt. Trotzdem so \374bernehmen ?     ";

TEST_F(LookupsTest, NewPartWithAnExistingNameIsConfirmedOrRefused) {
    folder.Write("k0.dat", PartsFile("", {{3, Named("LM317")}}));
    for (Answer answer : {Answer::Yes, Answer::No}) {
        ScriptedPrompter prompter({answer});
        EXPECT_EQ(ConfirmPartName("lm317", file, -1, prompter), answer == Answer::Yes);
        ExpectWarningQuestion(prompter, kCreateAnyway);
    }
    ScriptedPrompter silent;
    EXPECT_TRUE(ConfirmPartName("LM31", file, -1, silent));  // containing is not equal
    EXPECT_TRUE(silent.messages.empty());
}

TEST_F(LookupsTest, EditedPartAsksOnlyWhenAnotherPartHasTheName) {
    folder.Write("k0.dat", PartsFile("", {{0, Named("LM317T")},
                                          {3, Named("LM317")},
                                          {5, Named("NE555")},
                                          {6, Named("ne555")}}));
    ScriptedPrompter silent;
    // Its own name only; "LM317T" in an earlier slot merely contains it.
    EXPECT_TRUE(ConfirmPartName("LM317", file, 3, silent));
    EXPECT_TRUE(silent.messages.empty());

    for (Answer answer : {Answer::Yes, Answer::No}) {
        ScriptedPrompter renamed({answer});  // part 0 renamed to the name of part 3
        EXPECT_EQ(ConfirmPartName("LM317", file, 0, renamed), answer == Answer::Yes);
        ExpectWarningQuestion(renamed, kSaveAnyway);

        ScriptedPrompter twice({answer});  // two parts carry the name
        EXPECT_EQ(ConfirmPartName("NE555", file, 5, twice), answer == Answer::Yes);
        ExpectWarningQuestion(twice, kSaveAnyway);
    }
}

TEST_F(LookupsTest, StoragePlaceUsedOnceOrSeveralTimesIsConfirmedOrRefused) {
    folder.Write("k0.dat", PartsFile("", {{0, WithPlace("a", "A-12")},
                                          {1, WithPlace("b", "B7")},
                                          {2, WithPlace("c", "B 7")}}));
    for (Answer answer : {Answer::Yes, Answer::No}) {
        ScriptedPrompter once({answer});
        EXPECT_EQ(ConfirmStoragePlace(" a1 ", file, -1, once), answer == Answer::Yes);
        ExpectWarningQuestion(once, kPlaceUsed);

        ScriptedPrompter many({answer});
        EXPECT_EQ(ConfirmStoragePlace("b/7", file, -1, many), answer == Answer::Yes);
        ExpectWarningQuestion(many, kPlaceUsedMany);

        // An edited part whose one match is another part is asked too.
        ScriptedPrompter other({answer});
        EXPECT_EQ(ConfirmStoragePlace("A12", file, 1, other), answer == Answer::Yes);
        ExpectWarningQuestion(other, kPlaceUsed);
    }
}

// A typed ";" is stored as ",", so a place typed "A;1" comes back as "A,1":
// the stored places must lose their commas just as the typed one does.
TEST_F(LookupsTest, StoragePlacesWithCommasAreFoundOnBothSides) {
    folder.Write("k0.dat", PartsFile("", {{0, WithPlace("a", "A,1")},
                                          {1, WithPlace("b", "C,3")},
                                          {2, WithPlace("c", "c 3")}}));
    EXPECT_EQ(CountPartsAtPlace("A1", file), 1);
    EXPECT_EQ(FindPartAtPlace("a1", file, TextMatch::Equals), 0);
    for (const char* typed : {"A,1", "A;1", "a1", " a, 1 "}) {
        ScriptedPrompter once({Answer::No});
        EXPECT_FALSE(ConfirmStoragePlace(typed, file, -1, once)) << typed;
        ExpectWarningQuestion(once, kPlaceUsed);
    }
    ScriptedPrompter many({Answer::Yes});
    EXPECT_TRUE(ConfirmStoragePlace("C;3", file, -1, many));
    ExpectWarningQuestion(many, kPlaceUsedMany);

    ScriptedPrompter own;  // the edited part's own place asks nothing
    EXPECT_TRUE(ConfirmStoragePlace("A;1", file, 0, own));
    EXPECT_TRUE(own.messages.empty());
}

TEST_F(LookupsTest, StoragePlacesThatNeedNoCheckAskNothing) {
    folder.Write("k0.dat",
                 PartsFile("", {{0, WithPlace("a", "A-12")}, {1, WithPlace("b", "k.A.")}}));
    ScriptedPrompter prompter;  // any question would throw
    EXPECT_TRUE(ConfirmStoragePlace("   ", file, -1, prompter));
    EXPECT_TRUE(ConfirmStoragePlace("K.A.", file, -1, prompter));
    EXPECT_TRUE(ConfirmStoragePlace("k. a .", file, -1, prompter));
    EXPECT_TRUE(ConfirmStoragePlace("--", file, -1, prompter));  // nothing left to compare
    EXPECT_TRUE(ConfirmStoragePlace("C3", file, -1, prompter));
    EXPECT_TRUE(ConfirmStoragePlace("A 12", file, 0, prompter));  // its own place
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
