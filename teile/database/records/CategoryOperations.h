#pragma once
// Creating, renaming and deleting categories.

#include <string>
#include <string_view>

#include "Prompter.h"
#include "records/OperationOutcome.h"

// "Speichern" of the category dialog: `category` -1 creates one, 0-49
// renames it. The outcome carries the tree change and, for a new category,
// the new count for the status bar.
OperationOutcome SaveCategory(const std::string& folder, int category, std::string_view name,
                              Prompter& prompter);

// Command 2 on the selected tree entry `tag`. Only a category whose list
// holds no parts is removed; its list file stays on disk.
OperationOutcome DeleteCategory(const std::string& folder, int tag, Prompter& prompter);
