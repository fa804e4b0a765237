// How a data file reads and how a change rewrites it, on bytes in memory.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "IniStore.h"

using namespace std::string_literals;

TEST(IniReading, NamesIgnoreLetterCaseAndSurroundingBlanks) {
    // "Widerstände" and "SCHLÜSSEL" in cp1252.
    const IniDocument doc = IniDocument::Parse(
        "[ Kategorie ]\r\n\t K0 \t=\t Widerst\xE4nde \t\r\n[\xC4RGER]\r\nSCHL\xDCSSEL = 1\r\n");
    EXPECT_EQ(doc.Value(" KATEGORIE", "k0 "), "Widerst\xE4nde");
    EXPECT_EQ(doc.Value("\xE4rger", "schl\xFCssel"), "1");
}

TEST(IniReading, QuotesAroundTheWholeValueAreDropped) {
    const IniDocument doc = IniDocument::Parse(
        "[g]\na = \"x y\" \nb='q'\nc=\"open\nd=\"mixed'\ne=\"\"\ng=say \"hi\"\n");
    EXPECT_EQ(doc.Value("g", "a") + "|" + doc.Value("g", "b") + "|" + doc.Value("g", "c") + "|" +
                  doc.Value("g", "d") + "|" + doc.Value("g", "e") + "|" + doc.Value("g", "g"),
              "x y|q|\"open|\"mixed'||say \"hi\"");
}

TEST(IniReading, FirstGroupAndFirstKeyOfANameWin) {
    const IniDocument doc = IniDocument::Parse(
        "[teil]\nt0=eins\nT0=zwei\n[andere]\nt0=drei\n[TEIL]\nt0=vier\nt1=neu\n");
    EXPECT_EQ(doc.Value("teil", "t0"), "eins");
    EXPECT_EQ(doc.Find("teil", "t1"), std::nullopt);  // lives only in the later group
    ASSERT_EQ(doc.Entries("teil").size(), 1u);
    EXPECT_EQ(doc.Entries("teil")[0].value, "eins");
}

TEST(IniReading, LineWithoutEqualsIsAKeyWithoutValueAndOrphanLinesBelongNowhere) {
    const IniDocument doc = IniDocument::Parse("max=7\n;kommentar\n[teil]\nnurschluessel\n");
    EXPECT_EQ(doc.Find("teil", "nurschluessel"), std::optional<std::string>(""));
    EXPECT_EQ(doc.Find("teil", "max"), std::nullopt);
    EXPECT_FALSE(doc.HasGroup(""));
}

TEST(IniReading, ValuesAreCutAfter254Characters) {
    const IniDocument doc = IniDocument::Parse("[g]\nlang=" + std::string(300, 'x'));
    EXPECT_EQ(doc.Value("g", "lang"), std::string(254, 'x'));
}

TEST(IniReading, EveryLineEndAndAByteOrderMarkAreReadAndKept) {
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        for (const std::string start : {"", "\xEF\xBB\xBF"}) {
            const std::string bytes = start + "[a]" + end + "k=1" + end + end + "[b]" + end + "k=2";
            const IniDocument doc = IniDocument::Parse(bytes);
            EXPECT_EQ(doc.Value("a", "k"), "1");
            EXPECT_EQ(doc.Value("b", "k"), "2");
            EXPECT_EQ(doc.Serialize(), bytes);
        }
    }
    const IniDocument mixed = IniDocument::Parse("[a]\rk=1\r\nl=2\n\n\rm=3");
    EXPECT_EQ(mixed.Value("a", "k") + mixed.Value("a", "l") + mixed.Value("a", "m"), "123");
}

// A file as a user or Windows may leave it: odd blanks, mixed line ends, lines
// before the first group, text that is no key=value, a value in quotes.
const std::string kUntidy =
    "\xEF\xBB\xBFvorspann\r\n[teil]\n  MaX = 5 \r\nt0 = \"a;b\"\n\n[ Kategorie ]\r\n"
    "; bemerkung\r\nk0=Dioden\r\n\r\n[leer]\r\n";

TEST(IniWriting, ReplacedValueKeepsKeySpellingAndEveryOtherByte) {
    IniDocument doc = IniDocument::Parse(kUntidy);
    doc.Write("TEIL", "max", "6");
    std::string expected = kUntidy;
    expected.replace(expected.find("  MaX = 5 \r\n"), 12, "MaX=6\r\n");
    EXPECT_EQ(doc.Serialize(), expected);
}

TEST(IniWriting, NewKeyGoesToTheEndOfItsGroupBeforeBlankSeparators) {
    IniDocument doc = IniDocument::Parse(kUntidy);
    doc.Write("kategorie", "k1", "Transistoren");
    std::string expected = kUntidy;
    expected.insert(expected.find("k0=Dioden\r\n") + 11, "k1=Transistoren\r\n");
    EXPECT_EQ(doc.Serialize(), expected);

    doc = IniDocument::Parse(kUntidy);
    doc.Write("teil", "t1", "x");
    expected = kUntidy;
    expected.insert(expected.find("\"a;b\"\n") + 6, "t1=x\r\n");
    EXPECT_EQ(doc.Serialize(), expected);
}

TEST(IniWriting, NewGroupGoesToTheEndOfTheFileEvenWithoutFinalLineEnd) {
    IniDocument doc = IniDocument::Parse("[a]\nx=1");
    doc.Write("b", "k", "v");
    EXPECT_EQ(doc.Serialize(), "[a]\nx=1\r\n[b]\r\nk=v\r\n");

    doc = IniDocument::Parse("[a]");
    doc.Write("a", "y", "2");
    EXPECT_EQ(doc.Serialize(), "[a]\r\ny=2\r\n");
}

TEST(IniWriting, BlankValueRemovesTheKeyAndBlankKeyTheGroup) {
    IniDocument doc = IniDocument::Parse(kUntidy);
    doc.Write("teil", "T0", " \t ");
    std::string expected = kUntidy;
    expected.erase(expected.find("t0 = "), 11);
    EXPECT_EQ(doc.Serialize(), expected);
    EXPECT_EQ(doc.Find("teil", "t0"), std::nullopt);

    doc.Write("KATEGORIE", " \t", "egal");
    EXPECT_FALSE(doc.HasGroup("kategorie"));
    EXPECT_EQ(doc.Value("teil", "max"), "5");
    EXPECT_TRUE(doc.HasGroup("leer"));

    const std::string before = doc.Serialize();
    doc.Write("fehlt", "", "");  // nothing there to remove
    doc.Write("teil", "fehlt", "");
    EXPECT_EQ(doc.Serialize(), before);
}

TEST(IniWriting, RemovedKeyOrGroupStaysGoneWhenTheFileHoldsItTwice) {
    IniDocument doc = IniDocument::Parse("[g]\nt3=alt\nt3=uralt\n[h]\nx=1\n[G]\nt3=noch\n");
    doc.Write("g", "t3", "");
    EXPECT_EQ(doc.Find("g", "t3"), std::nullopt);
    doc.Write("g", "", "");
    EXPECT_FALSE(doc.HasGroup("g"));
    EXPECT_EQ(doc.Serialize(), "[h]\nx=1\n");
}

TEST(IniWriting, LineBreaksAndNulInAValueCannotForgeAKeyOrGroup) {
    IniDocument doc;
    doc.Write("teil", "t0", "a\r\n[teil]\r\nt1=x\0y\nmax=9"s);
    doc.Write("teil\n[x]", "k\r\nt2", "v");
    const std::string bytes = doc.Serialize();
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
    const IniDocument reread = IniDocument::Parse(bytes);
    EXPECT_EQ(reread.Value("teil", "t0"), "a  [teil]  t1=x y max=9");
    ASSERT_EQ(reread.Entries("teil").size(), 1u);  // no t1, max or t2 of its own
    EXPECT_FALSE(reread.HasGroup("x"));
}

TEST(IniWriting, KeyBehindAnEmptyGroupStaysFoundAndRemovableAfterTheGroupBeforeGrew) {
    // A datasheet group emptied earlier, then a new entry in the group before it.
    IniDocument doc = IniDocument::Parse("[datenblatt]\r\nk0t0=a\r\n[datenblatt2]\r\n");
    doc.Write("datenblatt", "k1t0", "c");
    doc.Write("datenblatt2", "k1t0", "d");
    EXPECT_EQ(doc.Entries("datenblatt2").size(), 1u);
    doc.Write("datenblatt2", "k1t0", "");
    EXPECT_EQ(doc.Find("datenblatt2", "k1t0"), std::nullopt);
    EXPECT_EQ(doc.Serialize(), "[datenblatt]\r\nk0t0=a\r\nk1t0=c\r\n[datenblatt2]\r\n");
}

// The index is kept up to date through changes instead of being rebuilt; after
// any series of writes it must answer exactly as a fresh parse of the bytes.
TEST(IniWriting, KeptIndexAnswersLikeAFreshParseAfterRandomWrites) {
    // Few keys and many removals, so groups keep running empty next to each
    // other, where the line numbers are easiest to get wrong.
    const std::string groups[] = {"a", "B", "c", "d", "teil"};
    std::mt19937 random(20261208);
    IniDocument document =
        IniDocument::Parse("[a]\r\nk1=x\r\n\r\n[B]\r\n[c]\r\nk2=y\r\n[d]\r\n[a]\r\nk1=z\r\n");
    for (int step = 0; step < 3000; ++step) {
        const std::string& group = groups[random() % 5];
        const std::string key = random() % 40 == 0 ? "" : "k" + std::to_string(random() % 3);
        const std::string value = random() % 2 == 0 ? "" : "v" + std::to_string(step);
        document.Write(group, key, value);
        const IniDocument fresh = IniDocument::Parse(document.Serialize());
        for (const std::string& name : groups) {
            ASSERT_EQ(document.HasGroup(name), fresh.HasGroup(name)) << "step " << step;
            const std::vector<IniEntry> kept = document.Entries(name);
            const std::vector<IniEntry> parsed = fresh.Entries(name);
            ASSERT_EQ(kept.size(), parsed.size()) << "step " << step << " group " << name;
            for (int k = 0; k < 3; ++k) {
                const std::string probe = "K" + std::to_string(k);
                ASSERT_EQ(document.Find(name, probe), fresh.Find(name, probe))
                    << "step " << step << " group " << name << " key " << probe;
            }
        }
    }
}
