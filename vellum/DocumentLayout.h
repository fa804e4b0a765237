#pragma once
// Laying out the two documents on A4 pages. Runs on the print job's thread;
// `cancelled` is asked between rows, and a cancelled layout stops at once
// with what it has (the caller throws it away).

#include <QDate>

#include <functional>

#include "PrintContent.h"
#include "PrintedDocument.h"

using CancelCheck = std::function<bool()>;

// Every page: the category's name, the date and "Seite i von n" above the
// column header; the rows in the list's colours; the last page ends with
// the part count. An empty category says "keine Teile".
PrintedDocument LayOutCategory(const CategoryContent& content, const QDate& date,
                               const CancelCheck& cancelled);

// A letter: sender, recipient with customer number, date, delivery address,
// subject, the positions as a table whose header repeats on every page, the
// sum, greeting and signature; "Seite i von n" at the foot of each page.
// Small print scales every text down, so more rows fit on a page.
PrintedDocument LayOutOrderLetter(const OrderContent& content, const QDate& date,
                                  const CancelCheck& cancelled);
