#include <gtest/gtest.h>

#include "RecordDatabase.h"
#include "Records.h"
#include "records/PartOperations.h"

namespace {

const std::string kNameQuestion = "Teil bereits vorhanden ! Trotzdem anlegen ?     ";
const std::string kPlaceQuestion =
    "Dieser Lagerort ist bereits belegt. Trotzdem so \374bernehmen ?     ";

PartEditorTexts Texts(std::string_view name, std::string_view place = "k.A.",
                      std::string_view stock = "0") {
    PartEditorTexts texts;
    const PartRecord defaults = PartRecord::NewPart(name);
    for (int field = 1; field <= 14; ++field) {
        texts.Field(field) = defaults.Field(field);
    }
    texts.Field(kFieldPlace) = std::string(place);
    texts.Field(kFieldStock) = std::string(stock);
    return texts;
}

TEST(SavePart, NewPartIntoEmptyCategoryWritesEverythingAndOffersTheCommands) {
    RecordDatabase db;
    PartEditorTexts texts = Texts("  BC;547  ", "A;1", "2");
    texts.Field(kFieldRemark) = "a;b";
    texts.Field(kFieldTarget) = "007x";
    texts.datasheet1 = db.Folder() + "daten/bc547.pdf";
    texts.datasheet2 = "/anderswo/bc.pdf";
    texts.picture1 = "  ";
    texts.picture2 = db.Folder() + "bild.jpg";
    ScriptedPrompter prompter;

    const OperationOutcome outcome = SavePart(db.Folder(), 3, -1, texts, prompter);

    ASSERT_TRUE(outcome.IsDone());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(db.Record(3, 0), "BC,547;a,b;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;0,00;0,00;0,00;A,1;2;7");
    EXPECT_EQ(ReadIniValue("teil", "max", db.List(3)), "0");
    EXPECT_EQ(db.Side("datenblatt", "k3t0"), "$lopf$daten/bc547.pdf");
    EXPECT_EQ(db.Side("datenblatt2", "k3t0"), "/anderswo/bc.pdf");
    EXPECT_EQ(ReadIniFile(PictureFilePath(db.Folder()))->Find("bild0", "k3t0"), std::nullopt);
    EXPECT_EQ(db.Side("bild1", "k3t0"), "$lopf$bild.jpg");
    EXPECT_EQ(outcome.reload, (ListReload{3, 0, 0}));
    EXPECT_TRUE(outcome.closeDialog);
    const CommandChanges expected = {
        {Command::NewPartFromCopy, true}, {Command::EditPart, true},
        {Command::DeletePart, true},      {Command::CutPart, true},
        {Command::CopyPart, true},        {Command::OrderPart, true},
        {Command::Search, true},          {Command::DeleteCategory, false},
        {Command::DeletePart, false}};
    EXPECT_EQ(outcome.commands, expected);
}

TEST(SavePart, SemicolonsInEveryFieldNeverAddAField) {
    RecordDatabase db;
    PartEditorTexts texts;
    for (std::string& field : texts.fields) {
        field = "x;y";
    }
    ScriptedPrompter prompter;
    ASSERT_TRUE(SavePart(db.Folder(), 0, -1, texts, prompter).IsDone());
    EXPECT_EQ(SplitFields(db.Record(0, 0)).size(), 14u);
}

TEST(SavePart, BlankNameIsRefusedBeforeAnythingIsWritten) {
    RecordDatabase db;
    ScriptedPrompter prompter;
    const OperationOutcome outcome = SavePart(db.Folder(), 1, -1, Texts(" \t "), prompter);
    EXPECT_EQ(outcome.status, OutcomeStatus::Refused);
    EXPECT_EQ(outcome.focus, FocusField::PartName);
    EXPECT_FALSE(outcome.closeDialog);
    ASSERT_EQ(prompter.messages.size(), 1u);
    ExpectMessage(prompter.messages[0], false, "Info", "Bezeichnung darf nicht leer sein !     ",
                  MessageIcon::Information);
    EXPECT_FALSE(db.Exists("k1.dat"));
    EXPECT_FALSE(db.Exists("datenblaetter.dat"));
}

// Yes and No of the name question and of the storage-place question.
TEST(SavePart, QuestionsAboutNameAndPlaceDecideWhetherItIsSaved) {
    struct Case {
        std::string name, place;
        Answer answer;
        std::string question;
        FocusField focus;
    };
    for (const Case& c :
         {Case{"bc547", "k.A.", Answer::No, kNameQuestion, FocusField::PartName},
          Case{"bc547", "k.A.", Answer::Yes, kNameQuestion, FocusField::None},
          Case{"BD139", "a 1", Answer::No, kPlaceQuestion, FocusField::StoragePlace},
          Case{"BD139", "a 1", Answer::Yes, kPlaceQuestion, FocusField::None}}) {
        SCOPED_TRACE(c.name + (c.answer == Answer::Yes ? " yes" : " no"));
        RecordDatabase db;
        db.WriteList(1, {{0, Stocked("BC547", "0", "A-1").Record()}}, "0");
        const std::string before = db.Bytes("k1.dat");
        ScriptedPrompter prompter({c.answer});
        const OperationOutcome outcome =
            SavePart(db.Folder(), 1, -1, Texts(c.name, c.place), prompter);
        ASSERT_EQ(prompter.messages.size(), 1u);
        ExpectMessage(prompter.messages[0], true, "Warnung !", c.question, MessageIcon::Warning,
                      Answer::No);
        EXPECT_EQ(outcome.focus, c.focus);
        if (c.answer == Answer::Yes) {
            EXPECT_TRUE(outcome.IsDone());
            EXPECT_EQ(SplitFields(db.Record(1, 1))[0], c.name);
        } else {
            EXPECT_EQ(outcome.status, OutcomeStatus::Refused);
            EXPECT_EQ(db.Bytes("k1.dat"), before);
            EXPECT_FALSE(db.Exists("datenblaetter.dat"));
        }
    }
}

TEST(SavePart, FullCategoryKeepsTheEditorOpen) {
    RecordDatabase db;
    std::map<int, std::string> records;
    for (int slot = 0; slot < 500; ++slot) {
        records[slot] = Named("R" + std::to_string(slot)).Record();
    }
    db.WriteList(2, records, "499");
    ScriptedPrompter prompter;
    const OperationOutcome outcome = SavePart(db.Folder(), 2, -1, Texts("Neu"), prompter);
    EXPECT_EQ(outcome.status, OutcomeStatus::Refused);
    EXPECT_FALSE(outcome.closeDialog);
    ASSERT_EQ(prompter.messages.size(), 1u);
    ExpectMessage(prompter.messages[0], false, "FEHLER",
                  "Zu viele Teile in dieser Kategorie !     ", MessageIcon::Error);
    EXPECT_EQ(ReadIniValue("teil", "max", db.List(2)), "499");
    EXPECT_FALSE(db.Exists("datenblaetter.dat"));
}

TEST(SavePart, EditKeepsTheSlotAndAClearedPictureLosesItsEntry) {
    RecordDatabase db;
    db.WriteList(2, {{0, Named("A").Record()}, {4, Stocked("B", "5").Record()}}, "4");
    db.WriteFile("bilder.dat", "[bild0]\r\nk2t4=alt.jpg\r\nk2t0=a.jpg\r\n");
    PartEditorTexts texts = Texts("B2", "k.A.", "0");
    ScriptedPrompter prompter;
    const OperationOutcome outcome = SavePart(db.Folder(), 2, 4, texts, prompter);
    ASSERT_TRUE(outcome.IsDone());
    EXPECT_EQ(SplitFields(db.Record(2, 4))[0], "B2");
    EXPECT_EQ(db.Side("bild0", "k2t4"), "");
    EXPECT_EQ(db.Side("bild0", "k2t0"), "a.jpg");
    EXPECT_EQ(outcome.reload, (ListReload{2, 0, 4}));
    EXPECT_EQ(outcome.commands, (CommandChanges{{Command::DeletePart, true}}));
}

TEST(DeletionRule, OnlyAPartWithoutStockMayBeDeleted) {
    EXPECT_EQ(DeletionRuleFor(Stocked("A", "2").Record()),
              (CommandChange{Command::DeletePart, false}));
    EXPECT_EQ(DeletionRuleFor(Stocked("A", "0").Record()),
              (CommandChange{Command::DeletePart, true}));
    EXPECT_FALSE(PartMayBeDeleted(Stocked("A", "-1").Record()));
    EXPECT_TRUE(PartMayBeDeleted(Stocked("A", "keine").Record()));  // reads as 0
    EXPECT_TRUE(PartMayBeDeleted("nur ein Name"));                  // stock missing reads as 0
}

}  // namespace
