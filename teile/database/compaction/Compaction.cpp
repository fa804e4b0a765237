#include "compaction/Compaction.h"

#include "DataFiles.h"
#include "IniStore.h"
#include "Messages.h"
#include "TextRules.h"
#include "compaction/CompactionWork.h"

using namespace messages;

std::string CompactionStatusText(std::string_view categoryName) {
    return "Kompaktiere " + std::string(categoryName) + " ... (Anwendung ist gesperrt)";
}

CompactionOutcome CompactDatabase(const std::string& folder, Prompter& prompter,
                                  const CompactionCallbacks& callbacks, CompactionFiles& files) {
    CompactionOutcome outcome;
    if (prompter.Ask(kTitleQuestion, kCompactionQuestion, MessageIcon::Warning, Answer::No) !=
        Answer::Yes) {
        return outcome;
    }
    if (callbacks.lock) {
        callbacks.lock();
    }
    const auto progress = [&callbacks](const std::string& text) {
        if (callbacks.progress) {
            callbacks.progress(text);
        }
    };

    // A run interrupted earlier is settled first; its files must not be
    // mistaken for, or overwritten by, this run's.
    const RecoveryOutcome recovery = RecoverInterruptedCompaction(folder, files);
    outcome.oldWorkFiles = recovery.oldWorkFiles;
    bool ok = recovery.result != RecoveryResult::Failed;

    const FileRead main = files.Read(MainFilePath(folder));
    ok = ok && main.state != FileRead::State::Unreadable;
    CompactionWork work(folder, files);
    ok = ok && work.LoadSharedFiles();
    if (ok) {
        const IniDocument names = IniDocument::Parse(main.bytes);
        for (int category = 0; category < kCategoryCount; ++category) {
            const std::string name = names.Value(kCategoryGroup, CategoryNameKey(category));
            if (IsBlank(name)) {
                continue;  // a category without a name is left exactly as it is
            }
            progress(CompactionStatusText(name));
            outcome.listsCompacted += work.CompactList(category) ? 1 : 0;
        }
        progress(std::string(kCompactionOrdersStatusText));
        for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
            outcome.listsCompacted += work.CompactList(OrderListOfSupplier(supplier)) ? 1 : 0;
        }
        const CommitResult commit = CommitCompaction(folder, work.PreparedFiles(), files);
        ok = commit == CommitResult::Done;
        outcome.recoveryPending = commit == CommitResult::Incomplete;
    }

    if (callbacks.unlock) {
        callbacks.unlock();
    }
    if (ok) {
        outcome.result = CompactionResult::Compacted;
        prompter.Tell(kTitleNotice, kCompacted, MessageIcon::Information);
    } else {
        outcome.result = CompactionResult::Failed;
        prompter.Tell(kTitleFailure, kWriteFailed, MessageIcon::Error);
    }
    return outcome;
}

ListCompactionResult CompactList(const std::string& folder, int listNumber,
                                 CompactionFiles& files) {
    if (!IsListNumber(listNumber)) {
        return ListCompactionResult::Skipped;
    }
    if (RecoverInterruptedCompaction(folder, files).result == RecoveryResult::Failed) {
        return ListCompactionResult::Failed;
    }
    CompactionWork work(folder, files);
    if (!work.LoadSharedFiles()) {
        return ListCompactionResult::Failed;
    }
    if (!work.CompactList(listNumber)) {
        return ListCompactionResult::Skipped;
    }
    return CommitCompaction(folder, work.PreparedFiles(), files) == CommitResult::Done
               ? ListCompactionResult::Compacted
               : ListCompactionResult::Failed;
}
