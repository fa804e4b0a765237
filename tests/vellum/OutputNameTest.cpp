// File names of kept PDFs: readable, holdable by every file system, and
// never longer than a file name may be.

#include <gtest/gtest.h>

#include <QString>

#include "OutputName.h"

namespace {

TEST(OutputName, NamesAreConvertedCleanedAndCut) {
    const struct {
        std::string name;  // cp1252
        std::string base;
    } cases[] = {
        {"Widerst\xE4nde", "Kategorie Widerst\xC3\xA4nde 2026-12-09"},
        {"ICs / Logik", "Kategorie ICs _ Logik 2026-12-09"},
        {"a\\b:c*d?e\"f<g>h|i\x01j\x7Fk", "Kategorie a_b_c_d_e_f_g_h_i_j_k 2026-12-09"},
        {"5 \x80 Teile", "Kategorie 5 \xE2\x82\xAC Teile 2026-12-09"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DocumentBaseName("Kategorie", c.name, "2026-12-09"), c.base);
    }

    // 254 umlauts are 508 bytes of UTF-8: cut at a whole character, so the
    // highest numbered name still fits into 255 bytes.
    const std::string longest = NumberedFileName(
        DocumentBaseName("Bestellung", std::string(254, '\xE4'), "2026-12-09"), 9999);
    EXPECT_LE(longest.size(), 255u);
    EXPECT_GE(longest.size(), 250u);
    EXPECT_EQ(QString::fromUtf8(longest).toUtf8().toStdString(), longest);
    EXPECT_TRUE(longest.ends_with(" 2026-12-09 (9999).pdf"));

    EXPECT_EQ(NumberedFileName("Bestellung X 2026-12-09", 1), "Bestellung X 2026-12-09.pdf");
    EXPECT_EQ(NumberedFileName("Bestellung X 2026-12-09", 2), "Bestellung X 2026-12-09 (2).pdf");
}

}  // namespace
