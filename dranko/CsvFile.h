#pragma once
// The CSV files of the exporter: their names, the rows they hold and how many
// slots of a category they cover. All texts are cp1252 bytes.

#include <array>
#include <string>
#include <string_view>

// One character per character of the category name: its cp1252 upper-case
// form when that is A-Z, 0-9, "-", "_", "Ä", "Ö" or "Ü", otherwise "_".
// So a name can never reach outside the "csv" folder ("/" and "." vanish).
std::string CsvFileName(std::string_view categoryName);

// The name as the file system spells it. Linux file names are UTF-8, so the
// "Ä", "Ö", "Ü" a CSV file name may hold become two bytes each there.
std::string FileSystemName(std::string_view cp1252Name);

// The highest slot exported from the "max" value of a category file: blank
// gives 499, above 499 gives 499, a negative value gives -1 (no slot at all).
// Unlike ScanLimit there is no lower clamp; teile never stores a record in
// slot 0 of a list whose "max" is -1, so both read the same files alike.
int ExportLimit(std::string_view maxValue);

// Datasheet 1, datasheet 2, picture 1, picture 2 of a part, as stored.
using SideValues = std::array<std::string_view, 4>;

// The first line of every file, ending in CR LF.
std::string_view CsvHeaderLine();

// Appends the line of one part: fields 1-11 (a blank price reads "0,00"),
// then 13, 14, 12, then the four side values; every value quoted as it is,
// TAB between values, CR LF at the end.
void AppendPartLine(std::string& out, std::string_view record, const SideValues& sides);
