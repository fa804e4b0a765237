#pragma once
// Keeping a document as a PDF in the folder "druck": the file appears under
// its final name only once it is complete and on disk, and never replaces
// another file, however many jobs print at the same moment.

#include <QString>

#include <optional>
#include <string>

#include "DocumentLayout.h"
#include "PrintedDocument.h"

// Writes the document into `folder` (ending in "/", made when missing) under
// the first free name of NumberedFileName(baseName, 1, 2, ...). The path of
// the kept file, or nothing when the folder cannot take it or the job was
// cancelled; no temporary file is left behind either way.
std::optional<std::string> KeepAsPdf(const PrintedDocument& document, const std::string& folder,
                                     const std::string& baseName, const QString& title,
                                     const CancelCheck& cancelled);
