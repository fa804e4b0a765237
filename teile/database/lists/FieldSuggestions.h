#pragma once
// The suggestion lists of the part editor: the distinct values one field takes
// in a category, sorted.

#include <string>
#include <vector>

inline constexpr int kMaxFieldValues = 500;

struct FieldValueTable {
    // Distinct non-blank values (letter case ignored, the first occurrence's
    // spelling kept), sorted ascending ignoring letter case.
    std::vector<std::string> values;
    // Index of the last used value as decimal text, "-1" when none.
    std::string lastIndexText = "-1";
};

FieldValueTable CollectFieldValues(const std::string& listFile, int field);

enum SuggestionList : int {
    kSuggestPackage = 0,    // field 4
    kSuggestTolerance = 1,  // field 5
    kSuggestRange = 2,      // field 3
};

// The values for the package (0), tolerance (1) or range (2) combo box.
std::vector<std::string> FillValueSuggestions(const std::string& listFile, int which);
