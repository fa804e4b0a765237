#pragma once
// The command "Drucken": the print library prints the category or the order
// list selected in the tree. The job runs on a thread of its own, so a slow
// printer never blocks the window, and several jobs may run at once. The
// thread uses only its own library handle, the tag and constant text; it
// touches no window and no state of the shell, and shutdown does not wait for
// it.
//
// The roots "Kategorien" (800) and "Bestellungen" (900) stand for no single
// list, so nothing is printed for them (nor for any tag that names no list):
// asking the library for category 800 would only give it a number it cannot
// resolve.

#include <cstdint>
#include <future>
#include <optional>
#include <string>

#include "PluginLibrary.h"

struct PrintRequest {
    const char* function;  // kPrintCategoryFunction or kPrintOrderFunction
    int32_t number;        // category 0 to 49, or supplier 1 to 3
};

// Tags 0 to 49 print the category, 901 to 903 the order list of supplier 1 to
// 3; everything else prints nothing.
std::optional<PrintRequest> PrintRequestOfTag(int tag);

// Starts the job for the tree item `tag` and returns at once. The shell may
// drop the future; it does not block when dropped.
std::future<PluginCall> StartPrintJob(std::string programFolder, int tag);
