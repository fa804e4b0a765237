#include "LargestDatabase.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "DataFiles.h"
#include "FolderToken.h"
#include "IniStore.h"

namespace {

// All texts are cp1252 bytes, as the data files hold them.
struct CategoryKind {
    std::string_view name;  // category name in "teile.dat"
    std::string_view stem;  // first word of its parts' names
};

constexpr std::array<CategoryKind, kCategoryCount> kCategories = {{
    {"Widerst\xE4nde", "Widerstand"},
    {"Kondensatoren", "Kondensator"},
    {"Elkos", "Elko"},
    {"Dioden", "Diode"},
    {"Z-Dioden", "Z-Diode"},
    {"Transistoren", "Transistor"},
    {"MOSFETs", "MOSFET"},
    {"ICs / Logik", "Logik-IC"},
    {"Operationsverst\xE4rker", "OpAmp"},
    {"Mikrocontroller", "Controller"},
    {"Spannungsregler", "Regler"},
    {"Steckverbinder", "Stecker"},
    {"Relais & Schalter", "Relais"},
    {"LEDs", "LED"},
    {"Anzeigen", "Anzeige"},
    {"Optokoppler", "Optokoppler"},
    {"Quarze", "Quarz"},
    {"Spulen", "Spule"},
    {"Drosseln", "Drossel"},
    {"Trafos", "Trafo"},
    {"Sicherungen", "Sicherung"},
    {"K\xFChlk\xF6rper", "K\xFChlk\xF6rper"},
    {"Geh\xE4use", "Geh\xE4use"},
    {"Kabel", "Kabel"},
    {"Litzen", "Litze"},
    {"Schrumpfschlauch", "Schlauch"},
    {"Schrauben & Muttern", "Schraube"},
    {"Abstandsbolzen", "Bolzen"},
    {"Platinen", "Platine"},
    {"L\xF6tzubeh\xF6r", "L\xF6tzubeh\xF6r"},
    {"Sensoren", "Sensor"},
    {"Potis", "Poti"},
    {"Trimmer", "Trimmer"},
    {"Lautsprecher", "Lautsprecher"},
    {"Summer", "Summer"},
    {"Motoren", "Motor"},
    {"L\374fter", "L\374fter"},
    {"Batterien", "Batterie"},
    {"Akkus", "Akku"},
    {"Halter", "Halter"},
    {"Taster", "Taster"},
    {"Drehgeber", "Drehgeber"},
    {"Funkmodule", "Funkmodul"},
    {"Displays", "Display"},
    {"Thyristoren", "Thyristor"},
    {"Triacs", "Triac"},
    {"Varistoren", "Varistor"},
    {"NTC / PTC", "Thermistor"},
    {"R\xF6hren", "R\xF6hre"},
    {"Sonstiges", "Teil"},
}};

constexpr std::array<std::string_view, kSupplierCount> kSupplierNames = {
    "Bauteilhaus", "Elektronik-Kontor", "L\xF6tpunkt"};

constexpr std::array<std::string_view, kSupplierCount> kSupplierAddresses = {
    "Bauteilhaus Versand GmbH;Frau Sommer;Industriestra\337e 14;KD-204817;D-26789 Leer;"
    "0491 555-0100;0491 555-0199;bestellung@bauteilhaus.example",
    "Elektronik-Kontor Weber KG;Herr Weber;Am G\xFCterbahnhof 3;40-7731;D-09112 Chemnitz;"
    "0371 555-2210;0371 555-2219;service@elektronik-kontor.example",
    "L\xF6tpunkt Bauteile;Frau Kr\xFCger;M\xFChlenstra\337e 27a;L-11853;D-79098 Freiburg;"
    "0761 555-4470;k.A.;info@loetpunkt.example",
};

constexpr std::string_view kInvoiceAddress =
    "M\xFCller, Klaus;Hobbywerkstatt;Birkenweg 12;D-34117 Kassel;0561 555-3478;0170 555-2291;"
    "klaus.mueller@example.org;0";
constexpr std::string_view kDeliveryAddress = "M\xFCller, Klaus;;Birkenweg 12;D-34117 Kassel";

constexpr std::array<std::string_view, 8> kRemarks = {
    "keine",
    "f\xFCr das Netzteil-Projekt",
    "Restposten vom Flohmarkt",
    "aus Bausatz \374brig",
    "Muster, nicht nachbestellen",
    "Ersatz f\xFCr defekte Teile",
    "gepr\374ft, einwandfrei",
    "Reihe E12, sortiert",
};
constexpr std::array<std::string_view, 8> kRanges = {
    "0,25W", "16V", "50V / 1A", "5V / 100mA", "35V / 1,5A", "250V / 10A", "3,3V / 20mA", "k.A."};
constexpr std::array<std::string_view, 14> kPackages = {
    "TO-92",  "DIP-8",      "DIP-14",      "DIP-16",  "SO-8",    "TO-220", "TO-126",
    "SOT-23", "axial 0207", "radial 5x11", "RM 2,54", "RM 5,08", "DO-35",  "DO-41"};
constexpr std::array<std::string_view, 6> kTolerances = {"1%", "2%", "5%", "10%", "20%", "k.A."};
constexpr std::array<std::string_view, 12> kValues = {"1,0", "1,2", "1,5", "1,8", "2,2", "2,7",
                                                      "3,3", "3,9", "4,7", "5,6", "6,8", "8,2"};

// Builds the bytes of one file; every line ends in CR LF as the Windows
// routines write them.
class FileBytes {
public:
    FileBytes& operator<<(std::string_view text) {
        bytes_ += text;
        return *this;
    }
    FileBytes& operator<<(char c) {
        bytes_ += c;
        return *this;
    }
    FileBytes& operator<<(int number) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        bytes_.append(digits, end);
        return *this;
    }
    // Two decimals and a decimal comma, as prices are stored.
    FileBytes& Price(int cents) {
        *this << cents / 100 << ',';
        if (cents % 100 < 10) {
            bytes_ += '0';
        }
        return *this << cents % 100;
    }
    FileBytes& Padded(int number, int width) {
        const std::string digits = std::to_string(number);
        for (int i = static_cast<int>(digits.size()); i < width; ++i) {
            bytes_ += '0';
        }
        return *this << std::string_view(digits);
    }
    FileBytes& EndLine() { return *this << "\r\n"; }
    void Reserve(std::size_t size) { bytes_.reserve(size); }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// The files get a time stamp an hour old, as a database in use has: the store
// trusts a file's identity only once its time stamp has settled for a few
// seconds and reads a fresher file again at every lookup, which is not the
// case a benchmark means to measure.
void WriteFile(const std::string& path, const FileBytes& content) {
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0) {
        throw std::runtime_error("cannot create " + path);
    }
    std::string_view rest = content.Bytes();
    bool written = true;
    while (written && !rest.empty()) {
        const ssize_t count = write(file, rest.data(), rest.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        written = count > 0;
        if (written) {
            rest.remove_prefix(static_cast<std::size_t>(count));
        }
    }
    timespec settled[2];
    clock_gettime(CLOCK_REALTIME, &settled[0]);
    settled[0].tv_sec -= 3600;
    settled[1] = settled[0];
    written = written && futimens(file, settled) == 0;
    if (close(file) != 0 || !written) {
        throw std::runtime_error("cannot write " + path);
    }
}

bool IsSlotUsed(int category, int slot, const LargestDatabaseOptions& options) {
    return !options.withHoles || !IsLargestDatabaseHole(category, slot);
}

// A hole that was filled again later: its line was appended at the end of the
// group, so the file is no longer in slot order.
bool IsRefilledLater(int category, int slot) {
    return (category * kSlotCount + slot) % 61 == 17 && !IsLargestDatabaseHole(category, slot);
}

void AppendPartRecord(FileBytes& out, int category, int slot) {
    const int serial = category * kSlotCount + slot;
    const CategoryKind& kind = kCategories[category];
    out << kind.stem << ' ' << kValues[serial % kValues.size()] << ' ';
    out.Padded(slot, 3);
    out << ';' << kRemarks[(serial / 3) % kRemarks.size()];
    if (serial % 4 == 1) {
        out << ", Los " << serial / 7;
    }
    out << ';' << kRanges[(serial / 2) % kRanges.size()];
    out << ';' << kPackages[(category + slot) % kPackages.size()];
    out << ';' << kTolerances[serial % kTolerances.size()];
    // Order numbers of the three suppliers; not every part is sold by the third.
    const bool soldByThird = slot % 11 != 5;
    out << ";BH-";
    out.Padded(category, 2) << '-';
    out.Padded(slot * 7 + 1000, 5);
    out << ";EK " << 100 + category << '-';
    out.Padded(slot, 3) << '/' << static_cast<char>('A' + serial % 26);
    out << ';';
    if (soldByThird) {
        out << "LP-";
        out.Padded(serial * 3 + 100000, 6);
    } else {
        out << "k.A.";
    }
    const int cents = 5 + (serial * 37) % 995;
    out << ';';
    out.Price(cents) << ';';
    out.Price(cents - cents / 10) << ';';
    out.Price(soldByThird ? cents + cents / 8 : 0);
    out << ";Schrank " << static_cast<char>('A' + category % 8) << " / Fach " << 1 + slot % 24;
    // Every fifth part is at or below its target stock.
    const int target = 10 * (1 + serial % 5);
    const int stock = serial % 5 == 2 ? target + 2 - serial % 10 : target + 1 + (serial * 13) % 240;
    out << ';' << stock << ';' << target;
}

void WriteMainFile(const std::string& folder) {
    FileBytes out;
    out << "[kategorie]";
    out.EndLine();
    for (int category = 0; category < kCategoryCount; ++category) {
        out << 'k' << category << '=' << kCategories[category].name;
        out.EndLine();
    }
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        out << 'k' << kFirstOrderList - 1 + supplier << '=' << kSupplierNames[supplier - 1];
        out.EndLine();
    }
    out << "[Adressen]";
    out.EndLine();
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        out << 'a' << kFirstOrderList - 1 + supplier << '=' << kSupplierAddresses[supplier - 1];
        out.EndLine();
    }
    out << "rech=" << kInvoiceAddress;
    out.EndLine();
    out << "lief=" << kDeliveryAddress;
    out.EndLine();
    out << "LgleichR=1";
    out.EndLine();
    WriteFile(MainFilePath(folder), out);
}

void WriteCategoryFile(const std::string& folder, int category,
                       const LargestDatabaseOptions& options) {
    FileBytes out;
    out.Reserve(kSlotCount * 180);
    out << "[teil]";
    out.EndLine();
    out << "max=" << kHighestSlot;
    out.EndLine();
    std::vector<int> refilled;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!IsSlotUsed(category, slot, options)) {
            continue;
        }
        if (options.withHoles && IsRefilledLater(category, slot)) {
            refilled.push_back(slot);
            continue;
        }
        out << 't' << slot << '=';
        AppendPartRecord(out, category, slot);
        out.EndLine();
    }
    for (auto slot = refilled.rbegin(); slot != refilled.rend(); ++slot) {
        out << 't' << *slot << '=';
        AppendPartRecord(out, category, *slot);
        out.EndLine();
    }
    WriteFile(ListFilePath(folder, category), out);
}

// One group of a side file: an entry for every part, "$lopf$" + subfolder +
// "\" + reference + suffix, with the backslash a Windows user's path has.
void AppendSideGroup(FileBytes& out, std::string_view group, std::string_view subfolder,
                     std::string_view suffix, const LargestDatabaseOptions& options) {
    out << '[' << group << ']';
    out.EndLine();
    for (int category = 0; category < kCategoryCount; ++category) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (!IsSlotUsed(category, slot, options)) {
                continue;
            }
            out << 'k' << category << 't' << slot << '=' << kFolderToken << subfolder << '\\' << 'k'
                << category << 't' << slot << suffix;
            out.EndLine();
        }
    }
}

void WriteSideFiles(const std::string& folder, const LargestDatabaseOptions& options) {
    FileBytes pictures;
    pictures.Reserve(2 * kCategoryCount * kSlotCount * 40);
    AppendSideGroup(pictures, "bild0", "bilder", ".jpg", options);
    AppendSideGroup(pictures, "bild1", "bilder", "_anschluss.bmp", options);
    WriteFile(PictureFilePath(folder), pictures);

    FileBytes datasheets;
    datasheets.Reserve(2 * kCategoryCount * kSlotCount * 50);
    AppendSideGroup(datasheets, "datenblatt", "datenblaetter", ".pdf", options);
    AppendSideGroup(datasheets, "datenblatt2", "datenblaetter", "_schaltungen.pdf", options);
    WriteFile(DatasheetFilePath(folder), datasheets);
}

// Position i names category i % 50; within a category the ten positions lie 50
// slots apart, so no part occurs twice in one list.
void WriteOrderList(const std::string& folder, int supplier,
                    const LargestDatabaseOptions& options) {
    FileBytes out;
    out << "[teil]";
    out.EndLine();
    out << "max=" << kHighestSlot;
    out.EndLine();
    for (int position = 0; position < kSlotCount; ++position) {
        const int category = position % kCategoryCount;
        int slot = (position / kCategoryCount * 50 + 7 * category + 13 * supplier) % kSlotCount;
        if (!IsSlotUsed(category, slot, options)) {
            // Holes are never two in a row, and the neighbour keeps the other
            // positions' slots apart.
            slot = (slot + 1) % kSlotCount;
        }
        const int quantity = 1 + (position * 7 + supplier) % 50;
        out << 't' << position << "=k" << category << 't' << slot << ';' << quantity << ';'
            << (position % 13 == 5 ? '1' : '0');
        out.EndLine();
    }
    WriteFile(ListFilePath(folder, kFirstOrderList - 1 + supplier), out);
}

}  // namespace

bool IsLargestDatabaseHole(int category, int slot) {
    return (category * kSlotCount + slot) % 7 == 3;
}

void GenerateLargestDatabase(const std::string& folder, const LargestDatabaseOptions& options) {
    WriteMainFile(folder);
    for (int category = 0; category < kCategoryCount; ++category) {
        WriteCategoryFile(folder, category, options);
    }
    WriteSideFiles(folder, options);
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        WriteOrderList(folder, supplier, options);
    }
}

TemporaryDatabase::TemporaryDatabase(const LargestDatabaseOptions& options) {
    std::string pattern = (std::filesystem::temp_directory_path() / "teile-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    folder_ = pattern + "/";
    try {
        GenerateLargestDatabase(folder_, options);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove_all(pattern, ignored);
        throw;
    }
}

TemporaryDatabase::~TemporaryDatabase() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    // The snapshots of the removed files would only hold memory from now on.
    ForgetIniSnapshots();
}
