#pragma once
// When a part may be deleted: only while its stock (field 13) reads as 0.
// The list, the record operations and the clipboard all apply it to the row
// they leave selected, so it lives beside the commands it switches.

#include <string_view>

#include "Commands.h"

bool PartMayBeDeleted(std::string_view record);
// The availability of command 7 for a selected part.
CommandChange DeletionRuleFor(std::string_view record);
