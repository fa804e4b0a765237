#include "records/CategoryOperations.h"

#include "DataFiles.h"
#include "IniStore.h"
#include "Messages.h"
#include "Slots.h"
#include "TextRules.h"
#include "lists/CategoryTree.h"
#include "lists/ListScan.h"
#include "lists/PartLookups.h"
#include "records/WriteTransaction.h"

using namespace messages;

OperationOutcome SaveCategory(const std::string& folder, int category, std::string_view name,
                              Prompter& prompter) {
    const bool isNew = category == -1;
    if (!isNew && !IsCategoryNumber(category)) {
        return OperationOutcome::Refused();  // order lists are named in the supplier dialog
    }
    const std::string trimmed = Trim(name);
    if (trimmed.empty()) {
        return OperationOutcome::Refused(FocusField::CategoryName);
    }
    const std::string mainFile = MainFilePath(folder);
    const int sameName = FindCategoryNamed(trimmed, mainFile);
    if (sameName != -1 && sameName != category) {
        prompter.Tell(kTitleWarning, kCategoryExists, MessageIcon::Warning);
        return OperationOutcome::Refused(FocusField::CategoryName);
    }
    int number = category;
    if (isNew) {
        number = FindFreeCategorySlot(mainFile);
        if (number < 0) {
            prompter.Tell(kTitleLimit, kTooManyCategories, MessageIcon::Error);
            return OperationOutcome::Refused();
        }
    }

    FileChange main(mainFile);
    main.Set(kCategoryGroup, CategoryNameKey(number), trimmed);
    WriteTransaction writes;
    if (!writes.Write(main)) {
        return writes.FailureOutcome();
    }

    OperationOutcome outcome;
    if (isNew) {
        outcome.tree = TreeUpdate{TreeChange::InsertCategory, number, trimmed};
        outcome.clearPartList = true;
        outcome.showSelectedList = true;
        outcome.categoryCountText = CategoryCountText(CountCategories(mainFile));
    } else {
        outcome.tree = TreeUpdate{TreeChange::RenameSelected, number, trimmed};
    }
    outcome.closeDialog = true;
    return outcome;
}

OperationOutcome DeleteCategory(const std::string& folder, int tag, Prompter& prompter) {
    if (!IsCategoryNumber(tag)) {
        return OperationOutcome::Refused();
    }
    // The name is all that goes; parts left in the file would turn up in the
    // next category that gets this number.
    if (HasRecords(*ReadIniFile(ListFilePath(folder, tag)))) {
        return OperationOutcome::Refused();
    }
    if (prompter.Ask(kTitleWarning, kDeleteCategory, MessageIcon::Warning, Answer::No) !=
        Answer::Yes) {
        return OperationOutcome::Refused();
    }
    const std::string mainFile = MainFilePath(folder);
    FileChange main(mainFile);
    main.Set(kCategoryGroup, CategoryNameKey(tag), "");
    WriteTransaction writes;
    if (!writes.Write(main)) {
        return OperationOutcome::WriteFailure();
    }

    OperationOutcome outcome;
    outcome.tree = TreeUpdate{TreeChange::RemoveSelected, tag, {}};
    const int count = CountCategories(mainFile);
    if (count == 0) {
        for (Command command :
             {Command::EditCategory, Command::DeleteCategory, Command::Print, Command::NewPart,
              Command::NewPartFromCopy, Command::EditPart, Command::DeletePart, Command::CutPart,
              Command::CopyPart, Command::OrderPart, Command::Search}) {
            outcome.commands.push_back({command, false});
        }
    } else {
        outcome.showSelectedList = true;
    }
    outcome.categoryCountText = CategoryCountText(count);
    return outcome;
}
