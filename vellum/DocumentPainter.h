#pragma once
// Drawing a laid-out document onto a PDF writer or a printer: the same pages
// on every device, scaled from layout units to the device's resolution.

#include "DocumentLayout.h"
#include "PrintedDocument.h"

class QPagedPaintDevice;

// False when the device could not be painted on or `cancelled` said so
// between two pages.
bool PaintDocument(const PrintedDocument& document, QPagedPaintDevice& device,
                   const CancelCheck& cancelled);
