#pragma once
// Lookups over the list files: finding parts by name, storage place or search
// text, categories by name, and the two checks run before a part is saved.
// Every lookup scans slots 0 to the list's scan limit; letter case never
// counts. Slots and category numbers are -1 when nothing matches.

#include <string>
#include <string_view>

#include "Prompter.h"

// How a record's text is compared with the text looked for.
enum class TextMatch {
    Contains,  // the record's text contains it
    Equals,    // the record's text is it
};

// Which fields the search compares (process-wide search state of the window).
struct SearchFields {
    bool inNames = true;
    bool inRemarks = true;
};

// How many records are named `name` exactly.
int CountPartsNamed(std::string_view name, const std::string& listFile);
// The slot of the first record whose name matches `text`.
int FindPartByName(std::string_view text, const std::string& listFile, TextMatch match);
// The slot of the first record whose name and remark, joined without a
// separator as `fields` chooses them, contain `text`.
int FindSearchMatch(std::string_view text, const std::string& listFile, SearchFields fields = {});
// How many records have a storage place containing `place`. Stored places are
// compared trimmed and without blanks and the separators "-_/\|;:,.", as the
// storage-place check strips the typed one.
// The form in which a typed and a stored storage place are compared: blanks,
// "-", "/" and the other separators people type differently, and dots, left
// out ("A-12", "A 12" and "A/12" are one place). Letter case is kept.
std::string NormalisedPlace(std::string_view place);
// "k.A.", the field's "no place", however its separators are typed.
bool IsUnspecifiedPlace(std::string_view place);

int CountPartsAtPlace(std::string_view place, const std::string& listFile);
// The slot of the first record whose storage place (compared as above)
// matches `place`.
int FindPartAtPlace(std::string_view place, const std::string& listFile, TextMatch match);

// How many categories are named `name`.
int CountCategoriesNamed(std::string_view name, const std::string& mainFile);
// The number of the first category named `name`.
int FindCategoryNamed(std::string_view name, const std::string& mainFile);

// Number of non-blank names among "k0" ... "k49".
int CountCategories(const std::string& mainFile);

// The checks before saving a part. They ask their questions through
// `prompter` and return false when the user answered No, which sends the user
// back to the name (or storage-place) field. ownSlot is -1 for a new part.
bool ConfirmPartName(std::string_view name, const std::string& listFile, int ownSlot,
                     Prompter& prompter);
bool ConfirmStoragePlace(std::string_view place, const std::string& listFile, int ownSlot,
                         Prompter& prompter);
