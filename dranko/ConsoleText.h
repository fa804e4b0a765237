#pragma once
// The console side of the exporter: cp1252 texts converted into the
// terminal's character set, and colours where a terminal can show them.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

enum class TextColour { Normal, LightRed, BrightWhite };

// Converts the cp1252 bytes of messages and category names so they read
// correctly on the terminal.
class ConsoleEncoding {
public:
    // The character set of the user's locale (LC_CTYPE from the environment).
    static ConsoleEncoding OfLocale();
    // The character set named as nl_langinfo(CODESET) names it.
    static ConsoleEncoding ForCodeset(std::string_view codeset);

    ConsoleEncoding(ConsoleEncoding&&) noexcept;
    ConsoleEncoding& operator=(ConsoleEncoding&&) noexcept;
    ~ConsoleEncoding();

    std::string Convert(std::string_view cp1252) const;

private:
    struct Converter;
    explicit ConsoleEncoding(std::unique_ptr<Converter> converter);
    // Null: UTF-8 through the table of common/.
    std::unique_ptr<Converter> converter_;
};

// Writes whole messages and flushes each, so a category's line shows while its
// file is being written.
class Console {
public:
    Console(std::FILE* out, bool colours, ConsoleEncoding encoding);
    // Standard output; colours only when it is a terminal.
    static Console ForStandardOutput();

    void Write(std::string_view cp1252, TextColour colour = TextColour::Normal);
    void WriteLine(std::string_view cp1252, TextColour colour = TextColour::Normal);

private:
    void Put(std::string_view cp1252, TextColour colour, bool lineEnd);

    std::FILE* out_;
    bool colours_;
    ConsoleEncoding encoding_;
};
