// Console texts in the character set of the terminal; the colours are
// checked on a real pseudo-terminal by the process tests.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ConsoleText.h"

namespace {

TEST(ConsoleEncoding, Utf8AndThePlainCLocaleGetUtf8) {
    for (const char* codeset : {"UTF-8", "utf8", "ANSI_X3.4-1968", ""}) {
        SCOPED_TRACE(codeset);
        const ConsoleEncoding encoding = ConsoleEncoding::ForCodeset(codeset);
        EXPECT_EQ(encoding.Convert("Dr\374cke \xC4\x80"), "Dr\u00FCcke \u00C4\u20AC");
    }
}

TEST(ConsoleEncoding, OtherCodesetsGoThroughIconv) {
    const ConsoleEncoding latin9 = ConsoleEncoding::ForCodeset("ISO-8859-15");
    EXPECT_EQ(latin9.Convert("Widerst\xE4nde \x80"), "Widerst\xE4nde \xA4");
    // Latin-1 has no euro sign: spelled out rather than lost.
    const ConsoleEncoding latin1 = ConsoleEncoding::ForCodeset("ISO-8859-1");
    EXPECT_EQ(latin1.Convert("\xF6 \x80"), "\xF6 EUR");
    // A byte cp1252 leaves undefined cannot stop the rest of the text.
    EXPECT_EQ(latin1.Convert("a\201b"), "a?b");
    // An unknown name falls back to UTF-8.
    EXPECT_EQ(ConsoleEncoding::ForCodeset("NO-SUCH-CODESET").Convert("\xFC"), "\u00FC");
}

TEST(Console, ControlBytesOfANameNeverReachTheTerminal) {
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    Console console(out, true, ConsoleEncoding::ForCodeset("UTF-8"));
    console.Write("Bearbeite Kategorie: A\x1B[2Jb\x07...");
    std::rewind(out);
    char buffer[128] = {};
    const std::size_t read = std::fread(buffer, 1, sizeof buffer - 1, out);
    std::fclose(out);
    EXPECT_EQ(std::string(buffer, read), "Bearbeite Kategorie: A?[2Jb?...");
}

}  // namespace
