// The rules of the CSV files, without starting the program.

#include <gtest/gtest.h>

#include "CsvFile.h"

namespace {

TEST(CsvFileName, KeepsOnlyLettersDigitsDashUnderscoreAndUpperUmlauts) {
    EXPECT_EQ(CsvFileName("Dioden"), "DIODEN");
    EXPECT_EQ(CsvFileName("ICs / Logik"), "ICS___LOGIK");
    EXPECT_EQ(CsvFileName("Z-Dioden_5V1 (0.5W)"), "Z-DIODEN_5V1__0_5W_");
    // Lower-case umlauts count as their upper-case forms; "ß" and "é" have no
    // place in a file name.
    EXPECT_EQ(CsvFileName("Widerst\xE4nde"), "WIDERST\xC4NDE");
    EXPECT_EQ(CsvFileName("\xC4\xD6\xDC\xE4\xF6\xFC"), "\xC4\xD6\xDC\xC4\xD6\xDC");
    EXPECT_EQ(CsvFileName("Stra\337e \xE9t\xE9"), "STRA_E__T_");
    // Nothing can lead out of the csv folder.
    EXPECT_EQ(CsvFileName("../..\\x"), "______X");
    EXPECT_EQ(CsvFileName(std::string_view("a\0b", 3)), "A_B");
    // Linux file names are UTF-8.
    EXPECT_EQ(FileSystemName("\xC4\xD6\334DIODEN"), "\u00C4\u00D6\u00DCDIODEN");
}

TEST(ExportLimit, ReadsMaxWithTheIntegerRuleAndNoLowerClamp) {
    EXPECT_EQ(ExportLimit(""), 499);
    EXPECT_EQ(ExportLimit(" \t "), 499);
    EXPECT_EQ(ExportLimit(" +17abc"), 17);
    EXPECT_EQ(ExportLimit("499"), 499);
    EXPECT_EQ(ExportLimit("500"), 499);
    EXPECT_EQ(ExportLimit("99999999999999999999"), 499);
    EXPECT_EQ(ExportLimit("$1F"), 31);
    EXPECT_EQ(ExportLimit("%101"), 5);
    EXPECT_EQ(ExportLimit("0"), 0);
    EXPECT_EQ(ExportLimit("viele"), 0);
    EXPECT_EQ(ExportLimit("-400"), -1);
    EXPECT_EQ(ExportLimit("-99999999999999999999"), -1);
}

}  // namespace
