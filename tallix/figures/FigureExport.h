#pragma once
// Saving what the dialog shows: a table as CSV, a chart as PNG bytes made by
// the window. Standard C++; the CSV is cp1252 bytes like every file of ours.

#include <string>
#include <vector>

// One line per entry, every value quoted, ";" between values and CR LF at the
// end, as a German spreadsheet opens it. Unlike dranko's TAB files a value may
// hold the separator here, so a quote inside a value is doubled and the
// spreadsheet reads the value back whole.
std::string CsvOfLines(const std::vector<std::vector<std::string>>& lines);

enum class ExportResult {
    Written,
    Failed,        // the file could not be written; an old file is as it was
    DatabaseFile,  // refused: a data file of the database
};

// Replaces `path` by `bytes` in one step. A ".dat" file or a compaction
// temporary in the program folder `folder` is never touched: the statistics
// only read the database.
ExportResult WriteExportFile(const std::string& path, const std::string& bytes,
                             const std::string& folder);
