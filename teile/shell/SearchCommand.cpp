#include "SearchCommand.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

#include "CategoryTreeView.h"
#include "DialogFrame.h"
#include "OutcomeApplier.h"
#include "PartListModel.h"
#include "PartListPanel.h"
#include "SearchDialog.h"
#include "ShellState.h"

namespace {

// The wait cursor for the walk; the normal one comes back before a message
// and at the end, whichever is first.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { Restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    void Restore() {
        if (waiting_) {
            waiting_ = false;
            QApplication::restoreOverrideCursor();
        }
    }

private:
    bool waiting_ = true;
};

class PromptWithNormalCursor : public Prompter {
public:
    PromptWithNormalCursor(Prompter& prompter, WaitCursor& cursor)
        : prompter_(prompter), cursor_(cursor) {}
    Answer Ask(const std::string& title, const std::string& text, MessageIcon icon,
               Answer defaultAnswer) override {
        cursor_.Restore();
        return prompter_.Ask(title, text, icon, defaultAnswer);
    }
    void Tell(const std::string& title, const std::string& text, MessageIcon icon) override {
        cursor_.Restore();
        prompter_.Tell(title, text, icon);
    }

private:
    Prompter& prompter_;
    WaitCursor& cursor_;
};

// The search walks the real tree and list. A tree row is selected quietly and
// its list shown once, by the walk, not a second time by the selection
// handler of the main window.
class MainWindowSearchView : public SearchView {
public:
    MainWindowSearchView(ShellState& state, CategoryTreeView& tree, PartListPanel& list,
                         OutcomeApplier& applier)
        : state_(state), tree_(tree), list_(list), applier_(applier) {}

    int TreeRowCount() const override { return tree_.EntryCount(); }
    int TreeRowTag(int row) const override { return tree_.EntryAt(row).ItemTag(); }
    int SelectedTreeTag() const override { return tree_.Selected().ItemTag(); }
    void SelectTreeRow(int row) override {
        {
            const QSignalBlocker quiet(&tree_);
            tree_.SelectIndex(row);
        }
        tree_.scrollToItem(tree_.currentItem());
        state_.lastTreeIndex = tree_.SelectedIndex();
    }
    void ShowSelectedList() override { applier_.ShowSelectedList(); }
    int ListRowCount() const override { return list_.ShownRowCount(); }
    int ListRowSlot(int row) const override {
        const QAbstractItemModel* model = list_.View()->model();
        return model->index(row, 0).data(PartListModel::kItemDataRole).toInt();
    }
    void SelectListRow(int row) override { list_.SelectSlot(ListRowSlot(row)); }

private:
    ShellState& state_;
    CategoryTreeView& tree_;
    PartListPanel& list_;
    OutcomeApplier& applier_;
};

}  // namespace

SearchCommand::SearchCommand(const CommandContext& shell, QObject* parent)
    : QObject(parent), shell_(shell) {}

void SearchCommand::Open() {
    if (shell_.dialogs.IsOpen()) {
        return;
    }
    search_.lastHitRow = 0;
    // The main window is disabled while the dialog is open, so the entry
    // selected last is the one to go on from.
    search_.lastTreeRow = shell_.state.lastTreeIndex;
    auto* dialog = new SearchDialog(search_);
    connect(dialog, &SearchDialog::SearchRequested, this,
            [this, dialog](int origin) { SearchNext(dialog, origin); });
    shell_.dialogs.Open(DialogWindow::Search, dialog, dialog->TextField());
}

void SearchCommand::SearchNext(SearchDialog* dialog, int origin) {
    if (!SearchIsPossible(search_)) {
        return;
    }
    SearchOutcome outcome;
    {
        WaitCursor cursor;
        PromptWithNormalCursor prompter(shell_.prompter, cursor);
        MainWindowSearchView view(shell_.state, shell_.tree, shell_.list, shell_.applier);
        outcome = ::SearchNext(search_, origin, view, shell_.state.folder, prompter);
    }
    switch (outcome.focus) {
    case SearchFocus::TextField:
        dialog->activateWindow();
        dialog->TextField()->setFocus(Qt::OtherFocusReason);
        break;
    case SearchFocus::SearchButton:
        dialog->activateWindow();
        dialog->SearchButton()->setFocus(Qt::OtherFocusReason);
        break;
    case SearchFocus::Unchanged: break;
    }
}
