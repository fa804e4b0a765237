#include "lists/PartLookups.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "DataFiles.h"
#include "IniStore.h"
#include "Messages.h"
#include "Records.h"
#include "TextRules.h"
#include "lists/ListScan.h"

namespace {

using namespace messages;

std::string WithoutCharacters(std::string_view text, std::string_view removed) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (removed.find(c) == std::string_view::npos) {
            result += c;
        }
    }
    return result;
}

// The separators people type into storage places differently ("A-12", "A 12",
// "A/12" are one place). "," belongs here too: a typed ";" is stored as ",".
constexpr std::string_view kPlaceSeparators = " -_\\/|;:,";

std::string WithoutPlaceSeparators(std::string_view place) {
    return WithoutCharacters(TrimView(place), kPlaceSeparators);
}

// What a lookup compares a record by.
enum class Compared { Name, SearchText, Place };

// The compared text of a record, into `out` (reused across the records of a
// scan).
void ComparedText(std::string_view record, Compared what, SearchFields fields, std::string& out) {
    out.clear();
    switch (what) {
    case Compared::SearchText:
        if (fields.inNames) {
            out += FieldView(record, kFieldName);
        }
        if (fields.inRemarks) {
            out += FieldView(record, kFieldRemark);
        }
        return;
    case Compared::Place: out = NormalisedPlace(FieldView(record, kFieldPlace)); return;
    case Compared::Name: out += FieldView(record, kFieldName); return;
    }
}

void LowerInPlace(std::string& text) {
    static const std::array<unsigned char, 256> lower = [] {
        std::array<unsigned char, 256> table{};
        for (int c = 0; c < 256; ++c) {
            table[static_cast<std::size_t>(c)] = Cp1252ToLower(static_cast<unsigned char>(c));
        }
        return table;
    }();
    for (char& c : text) {
        c = static_cast<char>(lower[static_cast<unsigned char>(c)]);
    }
}

bool AskWarning(Prompter& prompter, const std::string& question) {
    return prompter.Ask(kTitleWarning, question, MessageIcon::Warning, Answer::No) == Answer::Yes;
}

// Calls onMatch(slot) for every record whose compared text is not blank and
// matches `text`, in slot order, until onMatch returns true.
template <typename OnMatch>
void ForEachMatch(std::string_view text, const std::string& listFile, Compared what,
                  TextMatch match, SearchFields fields, OnMatch&& onMatch) {
    const std::shared_ptr<const IniDocument> list = ReadIniFile(listFile);
    // Containment ignoring letter case is a plain search of the lower-case
    // forms; the search through all categories runs this 25000 times.
    std::string needle(text);
    LowerInPlace(needle);
    std::string compared;
    ForEachListRecord(*list, [&](int slot, std::string_view record) {
        ComparedText(record, what, fields, compared);
        if (IsBlank(compared)) {
            return false;
        }
        if (match == TextMatch::Equals) {
            return EqualsIgnoringCase(compared, text) && onMatch(slot);
        }
        LowerInPlace(compared);
        return compared.find(needle) != std::string::npos && onMatch(slot);
    });
}

int CountMatches(std::string_view text, const std::string& listFile, Compared what,
                 TextMatch match) {
    int count = 0;
    ForEachMatch(text, listFile, what, match, {}, [&count](int) {
        ++count;
        return false;
    });
    return count;
}

int FirstMatch(std::string_view text, const std::string& listFile, Compared what, TextMatch match,
               SearchFields fields = {}) {
    int first = -1;
    ForEachMatch(text, listFile, what, match, fields, [&first](int slot) {
        first = slot;
        return true;
    });
    return first;
}

int CategoriesNamed(std::string_view name, const std::string& mainFile, bool firstOnly) {
    const std::shared_ptr<const IniDocument> main = ReadIniFile(mainFile);
    const std::string_view wanted = TrimView(name);
    int count = 0;
    for (int category = 0; category < kCategoryCount; ++category) {
        const std::string stored = main->Value(kCategoryGroup, CategoryNameKey(category));
        if (IsBlank(stored) || !EqualsIgnoringCase(TrimView(stored), wanted)) {
            continue;
        }
        if (firstOnly) {
            return category;
        }
        ++count;
    }
    return firstOnly ? -1 : count;
}

}  // namespace

bool IsUnspecifiedPlace(std::string_view place) {
    return EqualsIgnoringCase(WithoutPlaceSeparators(place), "k.a.");
}

std::string NormalisedPlace(std::string_view place) {
    std::string normalised = WithoutPlaceSeparators(place);
    std::erase(normalised, '.');
    return normalised;
}

int CountPartsNamed(std::string_view name, const std::string& listFile) {
    return CountMatches(name, listFile, Compared::Name, TextMatch::Equals);
}

int FindPartByName(std::string_view text, const std::string& listFile, TextMatch match) {
    return FirstMatch(text, listFile, Compared::Name, match);
}

int FindSearchMatch(std::string_view text, const std::string& listFile, SearchFields fields) {
    return FirstMatch(text, listFile, Compared::SearchText, TextMatch::Contains, fields);
}

int CountPartsAtPlace(std::string_view place, const std::string& listFile) {
    return CountMatches(place, listFile, Compared::Place, TextMatch::Contains);
}

int FindPartAtPlace(std::string_view place, const std::string& listFile, TextMatch match) {
    return FirstMatch(place, listFile, Compared::Place, match);
}

int CountCategoriesNamed(std::string_view name, const std::string& mainFile) {
    return CategoriesNamed(name, mainFile, false);
}

int FindCategoryNamed(std::string_view name, const std::string& mainFile) {
    return CategoriesNamed(name, mainFile, true);
}

int CountCategories(const std::string& mainFile) {
    const std::shared_ptr<const IniDocument> main = ReadIniFile(mainFile);
    int count = 0;
    for (int category = 0; category < kCategoryCount; ++category) {
        if (!IsBlank(main->Value(kCategoryGroup, CategoryNameKey(category)))) {
            ++count;
        }
    }
    return count;
}

bool ConfirmPartName(std::string_view name, const std::string& listFile, int ownSlot,
                     Prompter& prompter) {
    const int count = CountPartsNamed(name, listFile);
    if (ownSlot < 0) {
        return count == 0 || AskWarning(prompter, kPartExistsCreate);
    }
    // The part itself is one of the equal names; only another one counts. The
    // own slot is looked up by equality: a name that merely contains this one
    // (e.g. "BC547B" for "BC547") must not make the part its own duplicate.
    const bool another =
        count > 1 || (count == 1 && FindPartByName(name, listFile, TextMatch::Equals) != ownSlot);
    return !another || AskWarning(prompter, kPartExistsSave);
}

bool ConfirmStoragePlace(std::string_view place, const std::string& listFile, int ownSlot,
                         Prompter& prompter) {
    const std::string_view typed = TrimView(place);
    if (typed.empty()) {
        return true;
    }
    // "k.A." is the field's "no place" text. It is recognised before the dots
    // go, so a place typed "KA" is still checked.
    if (IsUnspecifiedPlace(typed)) {
        return true;
    }
    const std::string wanted = NormalisedPlace(typed);
    if (wanted.empty()) {
        // Only separators: an empty text would be "contained" in every place.
        return true;
    }
    const int matches = CountPartsAtPlace(wanted, listFile);
    if (matches == 0) {
        return true;
    }
    if (matches == 1) {
        if (ownSlot >= 0 && FindPartAtPlace(wanted, listFile, TextMatch::Contains) == ownSlot) {
            return true;
        }
        return AskWarning(prompter, kPlaceUsed);
    }
    return AskWarning(prompter, kPlaceUsedMany);
}
