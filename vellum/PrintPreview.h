#pragma once
// The print preview from which the user prints the document to any printer
// of the system. Runs on the user-interface thread only.

#include <QString>

#include <memory>

#include "PrintedDocument.h"

// Opens a non-modal preview, deleted when closed, painting `document` for
// the preview and for every printer chosen from it. Does nothing without a
// QApplication (a program without widgets gets the PDF only).
void OpenPrintPreview(std::shared_ptr<const PrintedDocument> document, const QString& title);
