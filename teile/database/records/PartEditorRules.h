#pragma once
// What the part editor shows when it opens and the small rules it follows
// while the user types: the stock buttons, the marking of "Ist-Bestand:",
// the supplier captions, and which file filter "..." starts with. Texts are
// cp1252 like all data here; file names from the file dialog are UTF-8, whose
// endings are plain ASCII.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/PartOperations.h"
#include "records/WriteTransaction.h"

enum class PartEditorMode { New, Copy, Edit };

// A new part: "keine", "k.A." and "0,00" where the user has not typed yet,
// datasheets "k.A.", no pictures.
PartEditorTexts NewPartEditorTexts();

// The part in `slot` of `category` as the editor shows it for a copy or an
// edit: the record's fields as stored, except that a range reading "frei"
// shows as "k.A." and a blank price as "0,00"; the four side entries as
// stored (a leading "$lopf$" is the window's to expand).
PartEditorTexts StoredPartEditorTexts(const std::string& folder, int category, int slot);

// Everything the editor shows when it opens, read in one go.
struct PartEditorContent {
    PartEditorMode mode = PartEditorMode::New;
    int category = -1;
    // The slot SavePart writes: the part's own for an edit, -1 for a new part
    // and for a copy, which is saved as a new part.
    int slot = -1;
    PartEditorTexts texts;
    std::array<std::string, 3> supplierNames;  // short names of suppliers 1-3
    // The suggestions of the three drop-downs: range, package, tolerance.
    std::vector<std::string> ranges;
    std::vector<std::string> packages;
    std::vector<std::string> tolerances;
    // Whether "Ist-Bestand:" opens marked; only an edit applies the rule.
    bool stockMarked = false;
};
// `slot` names the part to copy or edit; a new part ignores it.
PartEditorContent LoadPartEditorContent(const std::string& folder, PartEditorMode mode,
                                        int category, int slot);

// "+" and "-": the stock after adding or taking away the quantity, never
// below 0 and never beyond the int range. Empty or non-numeric texts count 0.
int StockAfterBooking(std::string_view stock, std::string_view quantity, bool add);

// "Ist-Bestand:" is marked exactly when the target stock is above 0 and the
// stock is not above it (applied on opening an edit and on every change of
// "Soll-Bestand:").
bool StockIsMarked(std::string_view stock, std::string_view target);
// After a stock button the mark only moves one way, and only while the target
// is above 0: "+" can take it away, "-" can set it. Nothing when it stays.
std::optional<bool> StockMarkAfterBooking(std::string_view stock, std::string_view target,
                                          bool add);

// "Bestell-Nr.(" + name + "):" and "Preis (" + name + "):" for supplier 1-3;
// an empty short name is replaced by the supplier's number.
std::string OrderNumberCaption(std::string_view supplierName, int supplier);
std::string PriceCaption(std::string_view supplierName, int supplier);

// Whether the record SavePart writes for these texts reads back whole
// (kLongestStoredValue, the rule every write of the data files follows).
bool PartRecordFitsFile(const PartEditorTexts& texts);

// The filter "..." preselects: 0 "PDF-Dateien" for a path ending in ".pdf",
// else 1 "Alle Dateien" (letter case ignored).
int DatasheetFilterIndex(std::string_view path);
// 0 "Bitmap-Dateien" for ".bmp", 1 "JPEG-Dateien" for ".jpg", ".jpe" and
// ".jpeg", else 2 "Alle Dateien".
int PictureFilterIndex(std::string_view path);
// A chosen picture must be named ".bmp", ".jpg" or ".jpeg" (any case).
bool IsPictureFileName(std::string_view path);
