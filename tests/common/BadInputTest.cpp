// Every parser takes any bytes: damaged files and values degrade to defaults.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>

#include "Cp1252.h"
#include "FolderToken.h"
#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"

using namespace std::string_view_literals;

namespace {

// Bytes biased towards the characters the parsers look at.
std::string Garbage(std::mt19937& random, std::size_t size) {
    static constexpr std::string_view special = "[]=;\"' \t\r\n\0$%+-tk,."sv;
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        const unsigned pick = random();
        c = pick % 3 == 0 ? special[pick / 3 % special.size()] : static_cast<char>(pick >> 8);
    }
    return bytes;
}

void ParseEverything(const std::string& bytes) {
    const IniDocument doc = IniDocument::Parse(bytes);
    // Nothing is lost or added by reading: a write changes only its own lines.
    EXPECT_EQ(doc.Serialize(), bytes);
    for (const IniEntry& entry : doc.Entries("teil")) {
        EXPECT_LE(entry.value.size(), 254u);
    }
    const int limit = ScanLimit(doc.Value("teil", "max"));
    EXPECT_TRUE(limit >= 0 && limit <= 499);
    const PartRecord record = PartRecord::Parse(bytes);
    EXPECT_EQ(PartRecord::Parse(record.Join()).fields, record.fields);
    if (const auto reference = PartReference::Parse(bytes)) {
        EXPECT_TRUE(reference->category >= 0 && reference->category < 50 && reference->slot >= 0 &&
                    reference->slot < 500);
    }
    EXPECT_TRUE(std::isfinite(PriceOfText(bytes)));
    EXPECT_LE(Utf8ToCp1252(bytes).size(), bytes.size());
    (void)OrderPosition::Parse(bytes).IsHidden();
    (void)UserAddress::ParseInvoice(bytes);
    (void)ResolveFolderToken(bytes, "/opt/teile/");

    IniDocument changed = doc;
    changed.Write("teil", "t0", bytes);
    const IniDocument reread = IniDocument::Parse(changed.Serialize());
    EXPECT_EQ(reread.Serialize(), changed.Serialize());
    const std::string value = reread.Value("teil", "t0");
    EXPECT_EQ(value, changed.Value("teil", "t0"));
    EXPECT_EQ(value.find_first_of(std::string("\r\n\0", 3)), std::string::npos);
}

}  // namespace

TEST(BadInput, GarbageAndNulBytesParseWithoutHarm) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 300; ++round) {
        ParseEverything(Garbage(random, random() % 400));
    }
    ParseEverything(std::string("[teil]\0\nmax=\0005\nt0=a\0;b\n", 20));
    EXPECT_EQ(IniDocument::Parse(std::string("[teil]\nmax=\0005\n", 14)).Value("teil", "max"),
              std::string("\0005", 2));
}

TEST(BadInput, TenMegabyteLineIsCutNotFatal) {
    const std::string huge(10 * 1024 * 1024, '7');
    const IniDocument doc = IniDocument::Parse("[teil]\r\nmax=" + huge + "\r\nt0=" + huge);
    EXPECT_EQ(doc.Value("teil", "t0"), std::string(254, '7'));
    EXPECT_EQ(ScanLimit(doc.Value("teil", "max")), 499);
    EXPECT_EQ(IntegerOfText(huge), INT_MAX);
    EXPECT_EQ(IntegerOfText("-" + huge), INT_MIN);
    EXPECT_TRUE(std::isfinite(PriceOfText(huge)));
    EXPECT_EQ(PriceOfText("1e" + huge), 0.0);
    EXPECT_EQ(PriceOfText("1e-" + huge), 0.0);
    EXPECT_EQ(PartReference::Parse("k1t" + huge), std::nullopt);
    EXPECT_EQ(PartRecord::Parse(huge + ";x").Field(2), "x");
}
