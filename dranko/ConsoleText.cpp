#include "ConsoleText.h"

#include <iconv.h>
#include <langinfo.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>

#include "Cp1252.h"
#include "TextRules.h"

namespace {

// Light red and bright white were chosen for the console's black background;
// on a light terminal bright white text would vanish, so each colour brings
// its background along. Ordinary text keeps the terminal's own colours, which
// the reset restores.
constexpr std::string_view kLightRed = "\x1b[91;40m";
constexpr std::string_view kBrightWhite = "\x1b[97;40m";
constexpr std::string_view kNormal = "\x1b[0m";

// Compares codeset names the way they vary in the wild: "UTF-8", "utf8".
std::string CanonicalCodeset(std::string_view codeset) {
    std::string name;
    for (const char c : codeset) {
        if (c != '-' && c != '_') {
            name += static_cast<char>(Cp1252ToUpper(static_cast<unsigned char>(c)));
        }
    }
    return name;
}

// The plain "C" locale reports 7-bit ASCII, which would leave no way to show
// "ä". Every terminal in use today speaks UTF-8, and a program started without
// a locale (from a service, a bare "env -i" or a minimal container) is far more
// likely to face one of those than a real ASCII device, so these names get
// UTF-8 as well.
bool MeansUtf8(std::string_view codeset) {
    const std::string name = CanonicalCodeset(codeset);
    return name.empty() || name == "UTF8" || name == "ANSIX3.41968" || name == "ASCII" ||
           name == "USASCII" || name == "646";
}

}  // namespace

struct ConsoleEncoding::Converter {
    explicit Converter(iconv_t opened) : handle(opened) {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() { iconv_close(handle); }
    iconv_t handle;
};

ConsoleEncoding::ConsoleEncoding(std::unique_ptr<Converter> converter)
    : converter_(std::move(converter)) {}
ConsoleEncoding::ConsoleEncoding(ConsoleEncoding&&) noexcept = default;
ConsoleEncoding& ConsoleEncoding::operator=(ConsoleEncoding&&) noexcept = default;
ConsoleEncoding::~ConsoleEncoding() = default;

ConsoleEncoding ConsoleEncoding::OfLocale() {
    std::setlocale(LC_CTYPE, "");
    const char* codeset = nl_langinfo(CODESET);
    return ForCodeset(codeset != nullptr ? codeset : "");
}

ConsoleEncoding ConsoleEncoding::ForCodeset(std::string_view codeset) {
    if (MeansUtf8(codeset)) {
        return ConsoleEncoding(nullptr);
    }
    // //TRANSLIT gives "EUR" for "€" on a Latin-1 terminal rather than failing.
    const std::string target = std::string(codeset) + "//TRANSLIT";
    const iconv_t handle = iconv_open(target.c_str(), "CP1252");
    if (handle == reinterpret_cast<iconv_t>(-1)) {
        // A codeset iconv does not know: UTF-8 is still the best guess.
        return ConsoleEncoding(nullptr);
    }
    return ConsoleEncoding(std::make_unique<Converter>(handle));
}

std::string ConsoleEncoding::Convert(std::string_view cp1252) const {
    if (!converter_) {
        return Cp1252ToUtf8(cp1252);
    }
    iconv(converter_->handle, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    std::string buffer(4 * cp1252.size() + 16, '\0');
    // iconv's interface is not const-correct; it only reads the input.
    char* in = const_cast<char*>(cp1252.data());
    std::size_t inLeft = cp1252.size();
    while (inLeft > 0) {
        char* next = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t result = iconv(converter_->handle, &in, &inLeft, &next, &outLeft);
        out.append(buffer.data(), static_cast<std::size_t>(next - buffer.data()));
        if (result != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno != E2BIG) {
            // A byte cp1252 leaves undefined, or one the terminal cannot show
            // even by transliteration.
            out += '?';
            ++in;
            --inLeft;
        }
    }
    return out;
}

Console::Console(std::FILE* out, bool colours, ConsoleEncoding encoding)
    : out_(out), colours_(colours), encoding_(std::move(encoding)) {}

Console Console::ForStandardOutput() {
    return Console(stdout, isatty(fileno(stdout)) == 1, ConsoleEncoding::OfLocale());
}

void Console::Write(std::string_view cp1252, TextColour colour) { Put(cp1252, colour, false); }

void Console::WriteLine(std::string_view cp1252, TextColour colour) { Put(cp1252, colour, true); }

void Console::Put(std::string_view cp1252, TextColour colour, bool lineEnd) {
    std::string text;
    const bool coloured = colours_ && colour != TextColour::Normal;
    if (coloured) {
        text += colour == TextColour::LightRed ? kLightRed : kBrightWhite;
    }
    // A category name is the user's text: control bytes in it (an ESC above
    // all) must not reach the terminal as commands.
    std::string shown(cp1252);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '?';
        }
    }
    text += encoding_.Convert(shown);
    if (coloured) {
        // Back to normal before the line end: a terminal fills a line that
        // scrolls in with the current background, which would leave a black
        // band to the right margin.
        text += kNormal;
    }
    if (lineEnd) {
        text += '\n';
    }
    // A console that went away must not stop the export: errors are ignored.
    std::fwrite(text.data(), 1, text.size(), out_);
    std::fflush(out_);
}
