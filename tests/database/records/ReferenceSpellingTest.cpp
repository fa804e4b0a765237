// An order position may spell its part's reference in any form the reader
// accepts ("k00t0", "k0t 0", "k0 t0"). Everything that matches positions to
// parts compares the parsed reference, so such a position is never orphaned
// by a delete and inherited by the next part in the slot.
#include <gtest/gtest.h>

#include "RecordDatabase.h"
#include "records/OrderOperations.h"
#include "records/PartClipboard.h"
#include "records/PartOperations.h"

namespace {

const std::string kOrderedPart =
    "Teil befindet sich in mindestens einer Bestellung. Trotzdem l\xF6schen ?     ";
const std::string kAlreadyOrdered = "Teil wurde bereits bestellt !     ";

void WritePartOrderedInOtherSpellings(const RecordDatabase& db) {
    db.WriteCategories({{0, "Dioden"}, {1, "Transistoren"}});
    db.WriteList(0, {{0, Named("A").Record()}}, "0");
    db.WriteList(901, {{0, "k00t0;1;0"}});
    db.WriteList(902, {{0, "k0t 0;2;0"}});
    db.WriteList(903, {{0, " K0 t0 ;3;1"}});
}

}  // namespace

TEST(ReferenceSpelling, EveryMatchOfAPositionToItsPartComparesTheParsedReference) {
    for (const char* spelling : {"k00t0", "k0t 0", "k0 t0", "K0T000"}) {
        EXPECT_EQ(PartReference::Parse(spelling), (PartReference{0, 0})) << spelling;
    }

    {  // Deleting the part takes every spelling of its positions along ...
        RecordDatabase db;
        WritePartOrderedInOtherSpellings(db);
        PartClipboard clipboard;
        ScriptedPrompter prompter({Answer::Yes, Answer::Yes});
        ASSERT_TRUE(DeleteSelectedRecord(db.Folder(), {0, 0, {0}}, clipboard, prompter).IsDone());
        ASSERT_EQ(prompter.messages.size(), 2u);
        EXPECT_EQ(prompter.messages[1].text, kOrderedPart);
        for (int list : {901, 902, 903}) {
            EXPECT_EQ(db.Record(list, 0), "") << list;
        }
        // ... so the next part saved into the slot inherits no order.
        PartEditorTexts texts;
        texts.Field(kFieldName) = "B";
        ScriptedPrompter quiet;
        ASSERT_TRUE(SavePart(db.Folder(), 0, -1, texts, quiet).IsDone());
        EXPECT_EQ(SplitFields(db.Record(0, 0))[0], "B");
        for (int list : {901, 902, 903}) {
            EXPECT_EQ(db.Record(list, 0), "") << list;
        }
    }
    {  // The part is already on the order list, whatever the spelling there.
        RecordDatabase db;
        WritePartOrderedInOtherSpellings(db);
        ScriptedPrompter prompter;
        EXPECT_FALSE(AddOrderPosition(db.Folder(), 2, PartReference{0, 0}, "5", prompter).IsDone());
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text, kAlreadyOrdered);
        EXPECT_EQ(db.Record(902, 1), "");
    }
    {  // A moved part takes every spelling of its positions to its new place.
        RecordDatabase db;
        WritePartOrderedInOtherSpellings(db);
        PartClipboard clipboard;
        ASSERT_TRUE(CopyOrCutPart(db.Folder(), 0, 0, ClipboardKind::Cut, clipboard).IsDone());
        ScriptedPrompter prompter;
        ASSERT_TRUE(PastePart(db.Folder(), 1, clipboard, prompter).IsDone());
        EXPECT_EQ(db.Record(901, 0), "k1t0;1;0");
        EXPECT_EQ(db.Record(902, 0), "k1t0;2;0");
        EXPECT_EQ(db.Record(903, 0), "k1t0;3;1");
        EXPECT_EQ(db.Record(0, 0), "");
    }
}
