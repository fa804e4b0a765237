#include "PartLookups.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "DataFiles.h"
#include "IniStore.h"
#include "ListScan.h"
#include "Records.h"
#include "TextRules.h"

namespace {

const std::string kWarningTitle = "Warnung !";
const std::string kNewPartNameQuestion = "Teil bereits vorhanden ! Trotzdem anlegen ?     ";
const std::string kEditedPartNameQuestion = "Teil bereits vorhanden ! Trotzdem speichern ?     ";
const std::string kPlaceUsedQuestion =
    "Dieser Lagerort ist bereits belegt. Trotzdem so \xFC" "bernehmen ?     ";
const std::string kPlaceUsedManyQuestion =
    "Dieser Lagerort ist bereits mehrfach belegt. Trotzdem so \xFC" "bernehmen ?     ";

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

// Storage places are compared without the separators people type in them
// differently ("A-12", "A 12", "A/12" are one place).
std::string NormalisedStoredPlace(std::string_view place) {
    return WithoutCharacters(TrimView(place), " -_/\\.;:|");
}

// The text a record is compared by in the given mode, into `out` (reused
// across the records of a scan).
void ComparedText(std::string_view record, int mode, SearchFields fields, std::string& out) {
    out.clear();
    switch (mode) {
        case kFindSearch:
            if (fields.inNames) {
                out += FieldView(record, kFieldName);
            }
            if (fields.inRemarks) {
                out += FieldView(record, kFieldRemark);
            }
            return;
        case kFindCountPlaces:
        case kFindFirstPlace:
            out = NormalisedStoredPlace(FieldView(record, kFieldPlace));
            return;
        default:
            out += FieldView(record, kFieldName);
            return;
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
    return prompter.Ask(kWarningTitle, question, MessageIcon::Warning, Answer::No) == Answer::Yes;
}

}  // namespace

int FindPart(std::string_view text, const std::string& listFile, int mode, bool exact,
             SearchFields fields) {
    const std::shared_ptr<const IniDocument> list = ReadIniFile(listFile);
    int result = mode == kFindCountNames ? 0 : -1;
    // Containment ignoring letter case is a plain search of the lower-case
    // forms; the search through all categories runs this 25000 times.
    std::string needle(text);
    LowerInPlace(needle);
    std::string compared;
    ForEachListRecord(*list, [&](int slot, std::string_view record) {
        ComparedText(record, mode, fields, compared);
        if (IsBlank(compared)) {
            return false;
        }
        if (mode == kFindCountNames || exact) {
            if (!EqualsIgnoringCase(compared, text)) {
                return false;
            }
            if (mode == kFindCountNames) {
                ++result;
                return false;
            }
            result = slot;
            return true;
        }
        LowerInPlace(compared);
        if (compared.find(needle) == std::string::npos) {
            return false;
        }
        if (mode == kFindCountPlaces) {
            ++result;
            return false;
        }
        result = slot;
        return true;
    });
    return result;
}

int FindCategory(std::string_view name, int mode, const std::string& mainFile) {
    const std::shared_ptr<const IniDocument> main = ReadIniFile(mainFile);
    const std::string_view wanted = TrimView(name);
    int count = 0;
    for (int category = 0; category < kCategoryCount; ++category) {
        const std::string stored = main->Value(kCategoryGroup, "k" + std::to_string(category));
        if (IsBlank(stored) || !EqualsIgnoringCase(TrimView(stored), wanted)) {
            continue;
        }
        if (mode == 1) {
            return category;
        }
        ++count;
    }
    return mode == 1 ? -1 : count;
}

int CountCategories(const std::string& mainFile) {
    const std::shared_ptr<const IniDocument> main = ReadIniFile(mainFile);
    int count = 0;
    for (int category = 0; category < kCategoryCount; ++category) {
        if (!IsBlank(main->Value(kCategoryGroup, "k" + std::to_string(category)))) {
            ++count;
        }
    }
    return count;
}

int ParsePartReference(std::string_view text, int part) {
    // Only the strict form counts: a reference is also used to build file
    // names, so "k../../x" or "k1t../y" must never get that far.
    const std::optional<PartReference> reference = PartReference::Parse(text);
    if (!reference) {
        return -1;
    }
    if (part == 0) {
        return reference->category;
    }
    if (part == 1) {
        return reference->slot;
    }
    return -1;
}

bool ConfirmPartName(std::string_view name, const std::string& listFile, int ownSlot,
                     Prompter& prompter) {
    const int count = FindPart(name, listFile, kFindCountNames, false);
    if (ownSlot < 0) {
        return count == 0 || AskWarning(prompter, kNewPartNameQuestion);
    }
    // The part itself is one of the equal names; only another one counts. The
    // own slot is looked up by equality: a name that merely contains this one
    // (e.g. "BC547B" for "BC547") must not make the part its own duplicate.
    const bool another =
        count > 1 || (count == 1 && FindPart(name, listFile, kFindFirstName, true) != ownSlot);
    return !another || AskWarning(prompter, kEditedPartNameQuestion);
}

bool ConfirmStoragePlace(std::string_view place, const std::string& listFile, int ownSlot,
                         Prompter& prompter) {
    const std::string_view typed = TrimView(place);
    if (typed.empty()) {
        return true;
    }
    const std::string withoutSeparators = WithoutCharacters(typed, " -_\\/|;:,");
    if (EqualsIgnoringCase(withoutSeparators, "k.a.")) {
        return true;
    }
    const std::string wanted = WithoutCharacters(withoutSeparators, ".");
    if (wanted.empty()) {
        // Only separators: an empty text would be "contained" in every place.
        return true;
    }
    const int matches = FindPart(wanted, listFile, kFindCountPlaces, false);
    if (matches < 0) {
        return true;
    }
    if (matches == 0) {
        if (ownSlot >= 0 && FindPart(wanted, listFile, kFindFirstPlace, false) == ownSlot) {
            return true;
        }
        return AskWarning(prompter, kPlaceUsedQuestion);
    }
    return AskWarning(prompter, kPlaceUsedManyQuestion);
}
