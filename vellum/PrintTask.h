#pragma once
// One print: the category list or the order letter read from the data files,
// laid out once, kept as a PDF in "druck" and shown in a print preview.

#include <QString>

#include <memory>
#include <optional>
#include <string>

#include "DocumentLayout.h"
#include "PrintedDocument.h"

enum class PrintKind { Category, Order };

// What the two exported functions return; teile ignores it.
inline constexpr int kPrintKept = 0;       // PDF written, preview queued
inline constexpr int kPrintRefused = 1;    // bad number, or no application
inline constexpr int kPrintNotKept = 2;    // the PDF could not be kept; preview queued
inline constexpr int kPrintCancelled = 3;  // the application ended meanwhile

struct PrintResult {
    std::shared_ptr<const PrintedDocument> document;
    std::optional<std::string> pdfPath;  // none when "druck" could not take it
};

// Category 0-49 or supplier 1-3; anything else is no print.
bool IsPrintable(PrintKind kind, int number);

// Reads, lays out and keeps the PDF in programFolder + "druck/". Nothing when
// the number is not printable or the job was cancelled.
std::optional<PrintResult> PrintToFolder(const std::string& programFolder, PrintKind kind,
                                         int number, const CancelCheck& cancelled);

// The preview's title: where the PDF was kept, or that it could not be.
QString PreviewTitle(const std::optional<std::string>& pdfPath);

// The whole job on the caller's thread, the preview queued to the
// application's; the folder is the one this library lies in.
int RunPrintJob(PrintKind kind, int number);
