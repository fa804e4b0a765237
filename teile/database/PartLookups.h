#pragma once
// Lookups over the list files: finding parts by name, storage place or search
// text, categories by name, and the two checks run before a part is saved.

#include <string>
#include <string_view>

#include "Prompter.h"

// Modes of FindPart.
enum FindPartMode : int {
    kFindCountNames = 0,   // number of records whose name equals the text
    kFindFirstName = 1,    // slot of the first name match, -1 none
    kFindSearch = 2,       // slot of the first search match, -1 none
    kFindCountPlaces = 3,  // -1 none, 0 one, n: n + 1 storage places match
    kFindFirstPlace = 4,   // slot of the first storage-place match, -1 none
};

// Which fields the search compares (process-wide search state of the window).
struct SearchFields {
    bool inNames = true;
    bool inRemarks = true;
};

// Scans slots 0 to the list's scan limit. With exact = false a record matches
// when its compared text contains `text`, ignoring letter case; with exact =
// true only on equality ignoring letter case.
int FindPart(std::string_view text, const std::string& listFile, int mode, bool exact,
             SearchFields fields = {});

// Mode 0: how many categories are named `name` (letter case ignored);
// mode 1: the number of the first of them, -1 none.
int FindCategory(std::string_view name, int mode, const std::string& mainFile);

// Number of non-blank names among "k0" ... "k49".
int CountCategories(const std::string& mainFile);

// Part 0: category number, part 1: slot; -1 when the text is no reference
// (only "k" digits "t" digits with category 0-49 and slot 0-499 count).
int ParsePartReference(std::string_view text, int part);

// The checks before saving a part. They ask their questions through
// `prompter` and return false when the user answered No, which sends the user
// back to the name (or storage-place) field. ownSlot is -1 for a new part.
bool ConfirmPartName(std::string_view name, const std::string& listFile, int ownSlot,
                     Prompter& prompter);
bool ConfirmStoragePlace(std::string_view place, const std::string& listFile, int ownSlot,
                         Prompter& prompter);
