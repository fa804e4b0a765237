// A value longer than its readers get back (254 characters) is never written:
// every record operation writes through the write transaction, which refuses
// it; nothing of the operation stays written, and the outcome says why.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "RecordDatabase.h"
#include "records/AddressOperations.h"
#include "records/CategoryOperations.h"
#include "records/OrderOperations.h"
#include "records/PartClipboard.h"
#include "records/PartEditorRules.h"
#include "records/PartOperations.h"

namespace {

const std::string kLongText(300, 'x');
const std::string kAddressTooLong =
    "Die Adresse ist zu lang: zusammen h\366chstens 254 Zeichen !     ";

// Exactly 254 characters: stock 9, target 5.
std::string RecordOf254Characters() {
    TestPart part = Stocked(std::string(194, 'n'), "9");
    part.target = "5";
    return part.Record();
}

// Every file of the folder with its bytes: a file changed, created or left
// behind makes a difference.
std::map<std::string, std::string> FolderBytes(const RecordDatabase& db) {
    std::map<std::string, std::string> bytes;
    for (const auto& entry : std::filesystem::directory_iterator(db.Folder())) {
        const std::string name = entry.path().filename().string();
        bytes[name] = db.Bytes(name);
    }
    return bytes;
}

PartEditorTexts StoredTexts(const RecordDatabase& db) {
    return StoredPartEditorTexts(db.Folder(), 0, 0);
}

}  // namespace

TEST(TooLongValue, BookingThatWouldCutTheTargetStockWritesNothingAndSaysWhy) {
    RecordDatabase db;
    ASSERT_EQ(RecordOf254Characters().size(), 254u);
    db.WriteList(3, {{17, RecordOf254Characters()}});
    db.WriteList(901, {{0, "k3t17;1;0"}});
    const auto before = FolderBytes(db);
    ScriptedPrompter prompter;
    PartClipboard clipboard;
    // Stock 9 + 1 would make the record 255 characters long.
    const OperationOutcome outcome =
        BookInOrderPosition(db.Folder(), 901, 0, {0}, "1", "0,00", clipboard, prompter);
    EXPECT_EQ(outcome.status, OutcomeStatus::ValueTooLong);
    EXPECT_FALSE(outcome.closeDialog);
    EXPECT_EQ(FolderBytes(db), before);

    // What the windows show for it.
    ReportValueTooLong(prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    ExpectMessage(prompter.messages[0], false, "Warnung !",
                  "Die Angaben sind zu lang: ein Eintrag der Datendateien darf h\366chstens 254 "
                  "Zeichen haben. Es wurde nichts gespeichert !     ",
                  MessageIcon::Warning);
}

TEST(TooLongValue, EveryOperationThatWritesARecordOrAnAddressWritesNothing) {
    struct Case {
        const char* name;
        std::function<OperationOutcome(const RecordDatabase&, Prompter&)> run;
        OutcomeStatus status = OutcomeStatus::ValueTooLong;
        std::string message = {};  // told by the operation itself
    };
    const std::vector<Case> cases = {
        {"new part",
         [](const RecordDatabase& db, Prompter& prompter) {
             PartEditorTexts texts = NewPartEditorTexts();
             texts.Field(kFieldName) = "R2";
             texts.Field(kFieldRemark) = kLongText;
             return SavePart(db.Folder(), 0, -1, texts, prompter);
         }},
        {"picture path, written last",
         [](const RecordDatabase& db, Prompter& prompter) {
             PartEditorTexts texts = StoredTexts(db);
             texts.Field(kFieldStock) = "7";
             texts.datasheet2 = "neu.pdf";
             texts.picture2 = "/" + kLongText;
             return SavePart(db.Folder(), 0, 0, texts, prompter);
         }},
        {"booking",
         [](const RecordDatabase& db, Prompter& prompter) {
             PartClipboard clipboard;
             return BookInOrderPosition(db.Folder(), 901, 0, {0, 1}, "1", kLongText, clipboard,
                                        prompter);
         }},
        {"order into a new list",
         [](const RecordDatabase& db, Prompter& prompter) {
             return AddOrderPosition(db.Folder(), 2, {0, 0}, kLongText, prompter);
         }},
        {"order position",
         [](const RecordDatabase& db, Prompter&) {
             return SaveOrderPosition(db.Folder(), 901, 0, kLongText, true);
         }},
        {"cut part whose position grows with its new reference",
         [](const RecordDatabase& db, Prompter& prompter) {
             PartClipboard clipboard;
             EXPECT_TRUE(CopyOrCutPart(db.Folder(), 0, 0, ClipboardKind::Cut, clipboard).IsDone());
             return PastePart(db.Folder(), 12, clipboard, prompter);
         }},
        {"category",
         [](const RecordDatabase& db, Prompter& prompter) {
             return SaveCategory(db.Folder(), 3, kLongText, prompter);
         }},
        // The address operations refuse before writing, with a message of
        // their own.
        {"supplier address",
         [](const RecordDatabase& db, Prompter& prompter) {
             std::array<std::string, 8> address;
             address[0] = kLongText;
             return SaveSupplier(db.Folder(), 901, "Bauteilhaus", address, prompter);
         },
         OutcomeStatus::Refused, kAddressTooLong},
        {"user address",
         [](const RecordDatabase& db, Prompter& prompter) {
             UserForm form;
             form.delivery[2] = kLongText;
             return SaveUserForm(db.Folder(), form, prompter);
         },
         OutcomeStatus::Refused, kAddressTooLong},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        RecordDatabase db;
        db.WriteCategories({{0, "Widerst\xE4nde"}, {3, "Reste"}});
        // No "max": a new part's slot search writes one, which must go again.
        db.WriteList(0, {{0, Named("R1").Record()}});
        db.WriteList(3, {{17, RecordOf254Characters()}});
        // k0t0's position is 254 characters long; as k12t0 it would be 255.
        db.WriteList(901, {{0, "k0t0;" + std::string(247, '1') + ";0"}, {1, "k3t17;1;0"}});
        db.WriteFile("bilder.dat", "[bild0]\r\nk0t0=r1.jpg\r\n");
        db.WriteFile("datenblaetter.dat", "[datenblatt]\r\nk0t0=r1.pdf\r\n");
        const auto before = FolderBytes(db);

        ScriptedPrompter prompter;
        const OperationOutcome outcome = test.run(db, prompter);
        EXPECT_EQ(outcome.status, test.status);
        EXPECT_FALSE(outcome.closeDialog);
        EXPECT_EQ(FolderBytes(db), before);
        if (test.message.empty()) {
            EXPECT_TRUE(prompter.messages.empty());
        } else {
            ASSERT_EQ(prompter.messages.size(), 1u);
            ExpectMessage(prompter.messages[0], false, "Warnung !", test.message,
                          MessageIcon::Warning);
        }
    }
}
