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
    return 0;
}
