// Damaged files read as the Windows private-profile routines read them, and a
// write that no reader could read back is refused rather than written.
#include <gtest/gtest.h>

#include <string>

#include "IniStore.h"
#include "TempFolder.h"

using namespace std::string_literals;

TEST(IniDamagedFile, OpeningBracketWithoutClosingOneIsAKeyOfTheGroupAbove) {
    const IniDocument doc = IniDocument::Parse("[teil]\r\nt0=A\r\n[b\r\nt1=B\r\n[c=1\r\n");
    EXPECT_FALSE(doc.HasGroup("b"));
    EXPECT_EQ(doc.Value("teil", "t1"), "B");
    EXPECT_EQ(doc.Find("teil", "[b"), std::optional<std::string>(""));
    EXPECT_EQ(doc.Value("teil", "[c"), "1");
    EXPECT_EQ(doc.Entries("teil").size(), 4u);
}

TEST(IniDamagedFile, GroupNameRunsToTheLastClosingBracket) {
    const IniDocument doc = IniDocument::Parse("[a]x]\r\nk=1\r\n[ b ] ]\r\nk=2\r\n[c]]\r\nk=3\r\n");
    EXPECT_EQ(doc.Value("a]x", "k"), "1");
    EXPECT_FALSE(doc.HasGroup("a"));
    EXPECT_EQ(doc.Value("b ]", "k"), "2");
    EXPECT_EQ(doc.Value("c]", "k"), "3");
}

TEST(IniDamagedFile, VerticalTabFormFeedAndEndOfFileByteAreBlanks) {
    const std::string bytes =
        "\v[\fkategorie\x1A]\r\n\x1A k0\v=\f Dioden \x1A\r\n"
        "k1=\v\f\x1A\r\n\x1A";
    IniDocument doc = IniDocument::Parse(bytes);
    EXPECT_EQ(doc.Value("kategorie", "k0"), "Dioden");
    EXPECT_EQ(doc.Find("kategorie", "k1"), std::optional<std::string>(""));
    ASSERT_EQ(doc.Entries("kategorie").size(), 2u);
    // The end-of-file byte makes a blank last line: a new key goes before it.
    ASSERT_TRUE(doc.Write("kategorie", "\vk2\f", "Quarze"));
    EXPECT_EQ(doc.Serialize(),
              "\v[\fkategorie\x1A]\r\n\x1A k0\v=\f Dioden \x1A\r\n"
              "k1=\v\f\x1A\r\nk2=Quarze\r\n\x1A");
    // A value of such blanks only is blank: writing it removes the key.
    ASSERT_TRUE(doc.Write("kategorie", "k0", "\f\x1A"));
    EXPECT_EQ(doc.Find("kategorie", "k0"), std::nullopt);
}

TEST(IniDamagedFile, WriteThatWouldNotReadBackIsAFailedWrite) {
    // What each refused write would have produced, read afresh.
    EXPECT_TRUE(IniDocument::Parse("[a]\r\n[k=v]\r\n").HasGroup("k=v"));
    EXPECT_EQ(IniDocument::Parse("[a]\r\nk=x=v\r\n").Value("a", "k"), "x=v");

    TempFolder folder;
    const std::string file = folder.File("teile.dat");
    const std::string bytes = "[a]\r\nk=1\r\n";
    folder.Write("teile.dat", bytes);
    EXPECT_FALSE(WriteIniValue("a]b", "k", "v", file));
    EXPECT_FALSE(WriteIniValue("a", "[k", "v]", file));
    EXPECT_FALSE(WriteIniValue("a", " \v[k", "v", file));
    EXPECT_FALSE(WriteIniValue("a", "k=x", "v", file));
    EXPECT_FALSE(WriteIniValue("a]", "", "", file));
    EXPECT_EQ(folder.Read("teile.dat"), bytes);
    EXPECT_EQ(ReadIniValue("a", "k", file), "1");

    IniDocument doc = IniDocument::Parse(bytes);
    EXPECT_FALSE(doc.Write("a", "k=x", "v"));
    EXPECT_EQ(doc.Serialize(), bytes);
    // Brackets and "=" elsewhere read back and are written.
    EXPECT_TRUE(WriteIniValue("a", "k]", "[x]=y", file));
    ForgetIniSnapshots();
    EXPECT_EQ(ReadIniValue("a", "k]", file), "[x]=y");
}
