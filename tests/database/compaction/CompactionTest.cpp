// What a compaction does to the lists, their side entries and the order
// positions, and what it says to the user.

#include <gtest/gtest.h>

#include "CompactionFixture.h"
#include "IniStore.h"
#include "ScriptedPrompter.h"
#include "compaction/Compaction.h"
#include "lists/PartRows.h"
#include "records/PartEditorRules.h"
#include "records/PartOperations.h"

namespace {

CompactionOutcome Compact(const TempFolder& folder, const CompactionCallbacks& callbacks = {}) {
    ScriptedPrompter prompter({Answer::Yes});
    return CompactDatabase(folder.Path(), prompter, callbacks);
}

std::string Value(const TempFolder& folder, const std::string& file, const std::string& group,
                  const std::string& key) {
    ForgetIniSnapshots();
    return ReadIniValue(group, key, folder.File(file));
}

}  // namespace

TEST(Compaction, HolesCloseAndSideEntriesFollowTheirParts) {
    TempFolder folder;
    WriteCrashFixture(folder);
    Compact(folder);
    EXPECT_EQ(folder.Read("k0.dat"), "[teil]\r\nmax=2\r\nt0=" + Named("R 10k").Record() +
                                         "\r\nt1=" + Named("R 4k7", "R=4,7k").Record() +
                                         "\r\nt2=" + Named("R 1M").Record() + "\r\n");
    EXPECT_EQ(Value(folder, "bilder.dat", "bild0", "k0t2"), "$lopf$r1m.jpg");
    EXPECT_EQ(Value(folder, "bilder.dat", "bild1", "k0t2"), "$lopf$r1m-2.jpg");
    EXPECT_EQ(Value(folder, "bilder.dat", "bild0", "k0t7"), "");
    EXPECT_EQ(Value(folder, "datenblaetter.dat", "datenblatt", "k0t1"), "$lopf$r.pdf");
    EXPECT_EQ(Value(folder, "datenblaetter.dat", "datenblatt", "k0t3"), "");
    // The side files keep their other lines as they were.
    EXPECT_EQ(folder.Read("bilder.dat").find("[bild0]\r\nk0t2=$lopf$r1m.jpg\r\n"), 0u);
}

TEST(Compaction, FileOrderGivesTheNewSlotsAndOrderPositionsFollow) {
    TempFolder folder;
    WriteCrashFixture(folder);
    const DatabaseView before = ViewOf(folder.Path());
    Compact(folder);
    // Dioden stood as 0, 1, 3, 4, 5, 2: "BZX 12" of slot 2 is now last.
    EXPECT_EQ(Value(folder, "k3.dat", "teil", "t5"), Named("BZX 12").Record());
    EXPECT_EQ(Value(folder, "k3.dat", "teil", "t2"), Named("BAT43").Record());
    EXPECT_EQ(Value(folder, "k901.dat", "teil", "t0"), "k3t5;5;0");   // was k3t2
    EXPECT_EQ(Value(folder, "k902.dat", "teil", "t0"), "k3t3;10;0");  // was k3t4, first line
    EXPECT_EQ(Value(folder, "k903.dat", "teil", "t3"), "k3t2;2;0");   // was k3t3
    EXPECT_EQ(Value(folder, "bilder.dat", "bild0", "k3t5"), "$lopf$bzx.jpg");
    EXPECT_EQ(Value(folder, "bilder.dat", "bild0", "k3t4"), "c:\\bilder\\led.bmp");
    const DatabaseView after = ViewOf(folder.Path());
    EXPECT_TRUE(after == before);
}

TEST(Compaction, BlankRecordKeepsItsSlotEmptyAndOrderListsCloseUp) {
    TempFolder folder;
    WriteCrashFixture(folder);
    Compact(folder);
    EXPECT_EQ(folder.Read("k1.dat"), "[teil]\r\nmax=3\r\nt0=" + Named("C 100n").Record() +
                                         "\r\nt2=" + Named("C 10u").Record() +
                                         "\r\nt3=" + Named("C 1n").Record() + "\r\n");
    EXPECT_EQ(folder.Read("k903.dat"),
              "[teil]\r\nmax=3\r\nt0=k3t0;1;0\r\nt1=k1t0;4;1\r\n"
              "t2=k0t0;7;0\r\nt3=k3t2;2;0\r\n");
    EXPECT_EQ(folder.Read("k4.dat"), "[teil]\r\nmax=-1\r\n");
    // A position naming no part is carried unchanged.
    EXPECT_EQ(Value(folder, "k901.dat", "teil", "t5"), "k1t99;1;0");
}

TEST(Compaction, UnnamedCategoryAndMissingFilesAreLeftAlone) {
    TempFolder folder;
    WriteCrashFixture(folder);
    folder.Write("teile.dat", folder.Read("teile.dat") + "k7=Ohne Datei\r\n");
    const std::string unnamed = folder.Read("k2.dat");
    Compact(folder);
    EXPECT_EQ(folder.Read("k2.dat"), unnamed);
    EXPECT_EQ(Value(folder, "bilder.dat", "bild0", "k2t5"), "$lopf$taster.jpg");
    EXPECT_EQ(Value(folder, "datenblaetter.dat", "datenblatt", "k2t2"), "$lopf$relais.pdf");
    EXPECT_EQ(Value(folder, "k901.dat", "teil", "t4"), "k2t5;1;0");
    EXPECT_FALSE(folder.Exists("k7.dat"));
}

TEST(Compaction, ValuesAreCarriedByteForByte) {
    TempFolder folder;
    const std::string longPath = "$lopf$" + std::string(300, 'x') + ".jpg";
    folder.Write("teile.dat", "[kategorie]\r\nk5=Diverses\r\n");
    folder.Write("k5.dat", "[teil]\r\nmax=9\r\nt4=" + Named("Poti", "R=10k").Record() +
                               "\r\nt9 = \"" + Named("a=b").Record() + "\"\r\n");
    folder.Write("bilder.dat", "[bild0]\r\nk5t9=" + longPath + "\r\n");
    Compact(folder);
    EXPECT_EQ(folder.Read("k5.dat"), "[teil]\r\nmax=1\r\nt0=" + Named("Poti", "R=10k").Record() +
                                         "\r\nt1=\"" + Named("a=b").Record() + "\"\r\n");
    EXPECT_EQ(Value(folder, "k5.dat", "teil", "t1"), Named("a=b").Record());
    EXPECT_EQ(folder.Read("bilder.dat"), "[bild0]\r\nk5t1=" + longPath + "\r\n");
}

// Only the records readers saw survive: the second line of key t4 and the key
// "t03" were never read and are not made readable now.
TEST(Compaction, OnlyRecordLinesOfTheFirstTeilGroupSurvive) {
    TempFolder folder;
    folder.Write("teile.dat", "[kategorie]\r\nk6=Reste\r\n");
    folder.Write("k6.dat",
                 "t1=davor\r\n[info]\r\nt2=anderswo\r\n [ TEIL ] \r\nmax=4\r\nname=x\r\n"
                 "t12a=kein Satz\r\nT4=vier\r\n\r\nt4=doppelt\r\nt03=null drei\r\n"
                 "[teil]\r\nt0=spaeter\r\n");
    folder.Write("bilder.dat", "[bild0]\r\nk6t4=vier.jpg\r\nk6t03=kein Schluessel.jpg\r\n");
    Compact(folder);
    EXPECT_EQ(folder.Read("k6.dat"), "[teil]\r\nmax=0\r\nt0=vier\r\n");
    // The picture follows the line readers saw under t4; "k6t03" was never a key of a part.
    EXPECT_EQ(folder.Read("bilder.dat"),
              "[bild0]\r\nk6t0=vier.jpg\r\nk6t03=kein Schluessel.jpg\r\n");
}

// The compaction reads a damaged list line by line with the reader's rules:
// "[b" is a key line, "[x]y]" is group "x]y", form feeds are blanks.
TEST(Compaction, DamagedListReadsAsTheStoreReadsIt) {
    TempFolder folder;
    folder.Write("teile.dat", "[kategorie]\r\nk6=Reste\r\n");
    const std::string bytes = "[teil]\r\nmax=9\r\nt0=A\r\n[b\r\nt1=\fB\x1A\r\n[x]y]\r\nt2=C\r\n";
    folder.Write("k6.dat", bytes);
    const IniDocument before = IniDocument::Parse(bytes);
    EXPECT_EQ(before.Value("teil", "t1") + before.Value("x]y", "t2"), "BC");
    Compact(folder);
    EXPECT_EQ(folder.Read("k6.dat"), "[teil]\r\nmax=1\r\nt0=A\r\nt1=B\r\n");
}

TEST(Compaction, AsksShowsProgressAndReports) {
    TempFolder folder;
    WriteCrashFixture(folder);
    ScriptedPrompter prompter({Answer::Yes});
    std::vector<std::string> events;
    CompactionCallbacks callbacks;
    callbacks.lock = [&] { events.push_back("lock"); };
    callbacks.progress = [&](const std::string& text) { events.push_back(text); };
    callbacks.unlock = [&] {
        events.push_back("unlock after " + std::to_string(prompter.messages.size()));
    };
    const CompactionOutcome outcome = CompactDatabase(folder.Path(), prompter, callbacks);

    EXPECT_EQ(outcome.result, CompactionResult::Compacted);
    EXPECT_EQ(outcome.listsCompacted, 7);
    EXPECT_EQ(events, (std::vector<std::string>{
                          "lock",
                          "Kompaktiere Widerst\xE4nde ... (Anwendung ist gesperrt)",
                          "Kompaktiere Kondensatoren ... (Anwendung ist gesperrt)",
                          "Kompaktiere Dioden ... (Anwendung ist gesperrt)",
                          "Kompaktiere Leer ... (Anwendung ist gesperrt)",
                          "Kompaktiere Bestellungen ... (Anwendung ist gesperrt)",
                          "unlock after 1",
                      }));
    ASSERT_EQ(prompter.messages.size(), 2u);
    const ScriptedPrompter::Message& question = prompter.messages[0];
    EXPECT_TRUE(question.question);
    EXPECT_EQ(question.title, "Frage ?");
    EXPECT_EQ(question.text,
              "Achtung ! F\xFCr die Dauer der Kompaktierung     \r\n"
              "wird die Anwendung f\xFCr den Nutzer gesperrt.     \r"
              "Diese Funktion hat u.U. eine lange Laufzeit.     \r\n\r\n"
              "Soll die Datenbank jetzt kompaktiert werden ?     ");
    EXPECT_EQ(question.icon, MessageIcon::Warning);
    EXPECT_EQ(question.defaultAnswer, Answer::No);
    const ScriptedPrompter::Message& notice = prompter.messages[1];
    EXPECT_FALSE(notice.question);
    EXPECT_EQ(notice.title, "Hinweis");
    EXPECT_EQ(notice.text, "Datenbank wurde kompaktiert !     ");
    EXPECT_EQ(notice.icon, MessageIcon::Information);
}

TEST(Compaction, DecliningChangesNothing) {
    TempFolder folder;
    WriteCrashFixture(folder);
    const auto before = DataFileBytes(folder.Path());
    ScriptedPrompter prompter({Answer::No});
    bool locked = false;
    CompactionCallbacks callbacks;
    callbacks.lock = [&] { locked = true; };
    EXPECT_EQ(CompactDatabase(folder.Path(), prompter, callbacks).result,
              CompactionResult::Declined);
    EXPECT_FALSE(locked);
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(DataFileBytes(folder.Path()), before);
}

TEST(Compaction, SecondRunChangesNothingMore) {
    TempFolder folder;
    WriteCrashFixture(folder);
    // Without the blank record, whose slot a second run would close.
    std::string categoryOne = folder.Read("k1.dat");
    categoryOne.erase(categoryOne.find("t6=  \r\n"), 7);
    folder.Write("k1.dat", categoryOne);
    Compact(folder);
    const auto once = DataFileBytes(folder.Path());
    Compact(folder);
    EXPECT_EQ(DataFileBytes(folder.Path()), once);
}

TEST(Compaction, SingleListTakesOnlyItsOwnEntriesAlong) {
    TempFolder folder;
    WriteCrashFixture(folder);
    const DatabaseView before = ViewOf(folder.Path());
    const std::string categoryZero = folder.Read("k0.dat");
    EXPECT_EQ(CompactList(folder.Path(), 3), ListCompactionResult::Compacted);
    EXPECT_EQ(folder.Read("k0.dat"), categoryZero);
    EXPECT_EQ(Value(folder, "k901.dat", "teil", "t0"), "k3t5;5;0");
    EXPECT_EQ(Value(folder, "k901.dat", "teil", "t2"), "k0t7;1;1");
    EXPECT_EQ(Value(folder, "bilder.dat", "bild0", "k0t7"), "$lopf$r1m.jpg");
    EXPECT_TRUE(ViewOf(folder.Path()) == before);
    EXPECT_EQ(CompactList(folder.Path(), 12), ListCompactionResult::Skipped);
    EXPECT_EQ(CompactList(folder.Path(), 904), ListCompactionResult::Skipped);
}

TEST(Compaction, StrayEntriesNeverBecomeAnotherPartsEntries) {
    TempFolder folder;
    folder.Write("teile.dat", "[kategorie]\r\nk6=Reste\r\n");
    folder.Write("k6.dat", "[teil]\r\nmax=5\r\nt3=" + Named("drei").Record() +
                               "\r\nt5=" + Named("fuenf").Record() + "\r\n");
    // Stray entries without their parts and a second, unread line of a moved
    // key. A stray one on a slot that a part takes now would become its picture.
    folder.Write("bilder.dat",
                 "[bild0]\r\nk6t0=waise.jpg\r\nk6t3=drei.jpg\r\nk6t5=fuenf.jpg\r\n"
                 "k6t3=doppelt.jpg\r\n[bild1]\r\nk6t3=\r\nk6t1=waise.jpg\r\n"
                 "k6t7=abseits.jpg\r\n");
    Compact(folder);
    EXPECT_EQ(folder.Read("bilder.dat"),
              "[bild0]\r\nk6t0=drei.jpg\r\nk6t1=fuenf.jpg\r\n[bild1]\r\n"
              "k6t7=abseits.jpg\r\n");
}

// A position whose part does not exist must not come to name the part that
// takes its slot number; one beyond the renumbered slots names nothing and
// stays.
TEST(Compaction, PositionNamingNoPartIsNeverAttachedToAPart) {
    TempFolder folder;
    folder.Write("teile.dat", "[kategorie]\r\nk0=Dioden\r\n");
    folder.Write("k0.dat", "[teil]\r\nt9=B\r\n");
    folder.Write("k901.dat", "[teil]\r\nt3=k0t0;1;0\r\nt4=k0t9;2;0\r\nt5=k0t7;3;0\r\n");
    Compact(folder);
    EXPECT_EQ(folder.Read("k0.dat"), "[teil]\r\nmax=0\r\nt0=B\r\n");
    EXPECT_EQ(folder.Read("k901.dat"), "[teil]\r\nmax=1\r\nt0=k0t0;2;0\r\nt1=k0t7;3;0\r\n");
}

// A record above "max" is dropped by the compaction, but the order list that
// names it shows it: its position goes too, or the next new part, saved into
// the freed slot, would be ordered in its place.
TEST(Compaction, PositionOfADroppedRecordGoesWithIt) {
    TempFolder folder;
    folder.Write("teile.dat", "[kategorie]\r\nk0=Dioden\r\n");
    folder.Write("k0.dat", "[teil]\r\nmax=0\r\nt0=" + Named("A").Record() +
                               "\r\nt1=" + Named("B").Record() + "\r\n");
    folder.Write("k901.dat", "[teil]\r\nt0=k0t1;1;0\r\n");
    const auto orderedNames = [&folder] {
        ForgetIniSnapshots();
        std::vector<std::string> names;
        for (const PartRow& row : ReadPartRows(folder.Path(), 901)) {
            names.push_back(row.Text(1));
        }
        return names;
    };
    ASSERT_EQ(orderedNames(), std::vector<std::string>{"B"});

    Compact(folder);
    PartEditorTexts texts = NewPartEditorTexts();
    texts.Field(kFieldName) = "NEU";
    ScriptedPrompter prompter;
    ASSERT_TRUE(SavePart(folder.Path(), 0, -1, texts, prompter).IsDone());
    EXPECT_EQ(Value(folder, "k0.dat", "teil", "t1"), Named("NEU").Record());
    EXPECT_EQ(orderedNames(), std::vector<std::string>{});
}

// The dropped position's key must not bring a second line of that key, which
// no reader ever saw, to light.
TEST(Compaction, DroppedPositionUncoversNoLaterLineOfItsKey) {
    TempFolder folder;
    folder.Write("teile.dat", "[kategorie]\r\nk0=Dioden\r\n");
    folder.Write("k0.dat", "[teil]\r\nt9=B\r\n");
    folder.Write("k901.dat", "[teil]\r\nt0=k0t0;1;0\r\nT0=k0t9;5;0\r\n");
    Compact(folder);
    EXPECT_EQ(folder.Read("k901.dat"), "[teil]\r\nmax=-1\r\n");
}

// More record lines than slots: only the lines readers see are renumbered, so
// a visible record never lands at slot 500 or above, where no reader looks.
TEST(Compaction, RecordsReadersSeeStayWithinTheSlotsOfAList) {
    TempFolder folder;
    folder.Write("teile.dat", "[kategorie]\r\nk0=Dioden\r\nk1=Transistoren\r\n");
    std::string duplicates = "[teil]\r\n";
    for (int line = 0; line < 500; ++line) {
        duplicates += "t1=d\r\n";
    }
    folder.Write("k0.dat", duplicates + "t0=A\r\n");
    // "max" hides t5; what readers never saw is not brought to light.
    folder.Write("k1.dat", "[teil]\r\nmax=2\r\nt5=versteckt\r\nt2=C\r\n");
    folder.Write("k901.dat", "[teil]\r\nt0=k0t0;1;0\r\nt1=k1t2;2;0\r\n");
    Compact(folder);
    EXPECT_EQ(folder.Read("k0.dat"), "[teil]\r\nmax=1\r\nt0=d\r\nt1=A\r\n");
    EXPECT_EQ(folder.Read("k1.dat"), "[teil]\r\nmax=0\r\nt0=C\r\n");
    EXPECT_EQ(folder.Read("k901.dat"), "[teil]\r\nmax=1\r\nt0=k0t1;1;0\r\nt1=k1t0;2;0\r\n");
}
