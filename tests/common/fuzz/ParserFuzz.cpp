// libFuzzer target for the INI reader and the record parsers. A crash it finds
// belongs in BadInputTest.cpp as a regression case.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Cp1252.h"
#include "FolderToken.h"
#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniDocument doc = IniDocument::Parse(bytes);
    if (doc.Serialize() != bytes) {
        std::abort();  // reading must keep every byte
    }
    for (const IniEntry& entry : doc.Entries("teil")) {
        (void)PartRecord::Parse(entry.value).Join();
        (void)OrderPosition::Parse(entry.value).IsHidden();
        (void)PartReference::Parse(entry.key);
    }
    (void)ScanLimit(doc.Value("teil", "max"));
    (void)SupplierAddress::Parse(bytes);
    (void)UserAddress::ParseInvoice(bytes);
    (void)PriceText(PriceOfText(bytes));
    (void)Integer64OfText(bytes);
    (void)Utf8ToCp1252(bytes);
    (void)ResolveFolderToken(bytes, "/opt/teile/");
    doc.Write("teil", "t0", bytes);
    doc.Write(bytes, "k", "v");
    doc.Write("teil", "", "");
    (void)IniDocument::Parse(doc.Serialize()).Value("teil", "t0");

    // The lookups a document keeps up to date across changes must answer as a
    // fresh reading of its bytes does. The input's last bytes choose the changes.
    static const char* const kGroups[] = {"teil", "a", "B", "kategorie"};
    static const char* const kKeys[] = {"t0", "T1", "max", "", "k0"};
    static const char* const kValues[] = {"", "x", " \"q\" ", "a;b"};
    IniDocument changed = IniDocument::Parse(bytes);
    for (std::size_t i = size > 16 ? size - 16 : 0; i < size; ++i) {
        const unsigned pick = data[i];
        changed.Write(kGroups[pick % 4], kKeys[pick / 4 % 5], kValues[pick / 20 % 4]);
        const IniDocument fresh = IniDocument::Parse(changed.Serialize());
        for (const char* group : kGroups) {
            if (changed.Entries(group).size() != fresh.Entries(group).size()) {
                std::abort();
            }
            for (const char* key : kKeys) {
                if (changed.Find(group, key) != fresh.Find(group, key)) {
                    std::abort();
                }
            }
        }
    }
    return 0;
}
