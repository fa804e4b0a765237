#include "DeletionRule.h"

#include "Records.h"
#include "TextRules.h"

bool PartMayBeDeleted(std::string_view record) {
    return IntegerOfText(FieldOf(SplitFields(record), kFieldStock)) == 0;
}

CommandChange DeletionRuleFor(std::string_view record) {
    return {Command::DeletePart, PartMayBeDeleted(record)};
}
