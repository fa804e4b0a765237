#include <gtest/gtest.h>

#include "RecordDatabase.h"
#include "records/CategoryOperations.h"

namespace {

const std::string kExists = "Kategorie existiert bereits !     ";

TEST(SaveCategory, NewCategoryTakesTheLowestFreeNumber) {
    RecordDatabase db;
    db.WriteCategories({{0, "Dioden"}, {2, "Elkos"}});
    ScriptedPrompter prompter;
    const OperationOutcome outcome = SaveCategory(db.Folder(), -1, "  Relais  ", prompter);
    ASSERT_TRUE(outcome.IsDone());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(ReadIniValue("kategorie", "k1", MainFilePath(db.Folder())), "Relais");
    EXPECT_EQ(outcome.tree.change, TreeChange::InsertCategory);
    EXPECT_EQ(outcome.tree.tag, 1);
    EXPECT_EQ(outcome.tree.text, "Relais");
    EXPECT_TRUE(outcome.clearPartList && outcome.showSelectedList && outcome.closeDialog);
    EXPECT_EQ(outcome.categoryCountText, "3 Kategorie(n)");
}

TEST(SaveCategory, ExistingNamesAreRefusedExceptTheCategorysOwn) {
    RecordDatabase db;
    db.WriteCategories({{0, "Dioden"}, {2, "Elkos"}});
    const std::string before = db.Bytes("teile.dat");
    for (int category : {-1, 2}) {
        ScriptedPrompter prompter;
        const OperationOutcome outcome = SaveCategory(db.Folder(), category, "dioden", prompter);
        EXPECT_EQ(outcome.status, OutcomeStatus::Refused);
        EXPECT_EQ(outcome.focus, FocusField::CategoryName);
        EXPECT_FALSE(outcome.closeDialog);
        ASSERT_EQ(prompter.messages.size(), 1u);
        ExpectMessage(prompter.messages[0], false, "Warnung !", kExists, MessageIcon::Warning);
    }
    EXPECT_EQ(db.Bytes("teile.dat"), before);

    ScriptedPrompter prompter;
    const OperationOutcome renamed = SaveCategory(db.Folder(), 0, "DIODEN", prompter);
    ASSERT_TRUE(renamed.IsDone());
    EXPECT_EQ(renamed.tree.change, TreeChange::RenameSelected);
    EXPECT_EQ(renamed.tree.text, "DIODEN");
    EXPECT_FALSE(renamed.categoryCountText.has_value());
    EXPECT_EQ(ReadIniValue("kategorie", "k0", MainFilePath(db.Folder())), "DIODEN");
}

TEST(SaveCategory, FiftyCategoriesAreTheLimit) {
    RecordDatabase db;
    std::map<int, std::string> names;
    for (int number = 0; number < 50; ++number) {
        names[number] = "K" + std::to_string(number);
    }
    db.WriteCategories(names);
    ScriptedPrompter prompter;
    const OperationOutcome outcome = SaveCategory(db.Folder(), -1, "Neu", prompter);
    EXPECT_EQ(outcome.status, OutcomeStatus::Refused);
    EXPECT_FALSE(outcome.closeDialog);
    ASSERT_EQ(prompter.messages.size(), 1u);
    ExpectMessage(prompter.messages[0], false, "FEHLER", "Zu viele Kategorien !     ",
                  MessageIcon::Error);
}

TEST(DeleteCategory, YesRemovesOnlyTheNameNoKeepsIt) {
    for (Answer answer : {Answer::No, Answer::Yes}) {
        RecordDatabase db;
        db.WriteCategories({{0, "Dioden"}, {2, "Elkos"}});
        db.WriteList(2, {}, "-1");
        ScriptedPrompter prompter({answer});
        const OperationOutcome outcome = DeleteCategory(db.Folder(), 2, prompter);
        ASSERT_EQ(prompter.messages.size(), 1u);
        ExpectMessage(prompter.messages[0], true, "Warnung !",
                      "Kategorie aus der Liste l\xF6schen ?     ", MessageIcon::Warning,
                      Answer::No);
        const std::string name = ReadIniValue("kategorie", "k2", MainFilePath(db.Folder()));
        EXPECT_TRUE(db.Exists("k2.dat"));
        if (answer == Answer::No) {
            EXPECT_EQ(outcome.status, OutcomeStatus::Refused);
            EXPECT_EQ(name, "Elkos");
        } else {
            EXPECT_EQ(name, "");
            EXPECT_EQ(outcome.tree.change, TreeChange::RemoveSelected);
            EXPECT_TRUE(outcome.showSelectedList);
            EXPECT_EQ(outcome.categoryCountText, "1 Kategorie(n)");
            EXPECT_TRUE(outcome.commands.empty());
        }
    }
}

TEST(DeleteCategory, LastCategoryDisablesThePartCommands) {
    RecordDatabase db;
    db.WriteCategories({{7, "Einzige"}});
    ScriptedPrompter prompter({Answer::Yes});
    const OperationOutcome outcome = DeleteCategory(db.Folder(), 7, prompter);
    ASSERT_TRUE(outcome.IsDone());
    EXPECT_EQ(outcome.categoryCountText, "0 Kategorie(n)");
    EXPECT_FALSE(outcome.showSelectedList);
    CommandChanges expected;
    for (int command : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}) {
        expected.push_back({static_cast<Command>(command), false});
    }
    EXPECT_EQ(outcome.commands, expected);
}

TEST(DeleteCategory, CategoryWithPartsIsNotRemoved) {
    RecordDatabase db;
    db.WriteCategories({{3, "Voll"}});
    db.WriteList(3, {{4, Named("A").Record()}});
    ScriptedPrompter prompter;
    EXPECT_EQ(DeleteCategory(db.Folder(), 3, prompter).status, OutcomeStatus::Refused);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(ReadIniValue("kategorie", "k3", MainFilePath(db.Folder())), "Voll");
}

}  // namespace
