#include "OutcomeApplier.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>

#include "CategoryTreeView.h"
#include "CommandActions.h"
#include "DialogFrame.h"
#include "MainWindow.h"
#include "PartListPanel.h"
#include "ShellState.h"
#include "WindowText.h"
#include "lists/PartList.h"
#include "records/PartClipboard.h"

OutcomeApplier::OutcomeApplier(ShellState& state, MainWindow& window, CommandActions& actions,
                               PartListPanel& list, DialogFrame& dialogs, Prompter& prompter)
    : state_(state),
      window_(window),
      actions_(actions),
      list_(list),
      dialogs_(dialogs),
      prompter_(prompter) {}

void OutcomeApplier::ShowSelectedList() {
    const int tag = window_.Tree()->Selected().ItemTag();
    const ListMode mode = ListModeOfTag(tag);
    if (list_.Mode() != mode) {
        list_.SwitchListColumns(mode);
    }
    actions_.SetToolTip(Command::CopyPart, ToWindowText(CopyCommandHint(mode == ListMode::Order)));
    SelectedList selected = ::ShowSelectedList(state_.folder, tag, state_.clipboard.HoldsPart(),
                                               state_.settings.columns, state_.sort);
    // The entry's commands first: the row selected next decides the part
    // commands it concerns (delete only for stock 0).
    actions_.Apply(selected.commands);
    window_.SetListStatusText(ToWindowText(selected.statusText));
    list_.Show(std::move(selected.list));
}

void OutcomeApplier::ReloadList(const ListReload& reload) {
    PartListLoad load = FillPartList(state_.folder, reload.list, reload.selectSlot,
                                     state_.settings.columns, state_.sort);
    window_.SetListStatusText(ToWindowText(load.statusText));
    list_.Show(std::move(load));
}

void OutcomeApplier::Apply(const OperationOutcome& outcome) {
    if (outcome.WriteFailed()) {
        ReportWriteFailure(prompter_);
        ActivateOpenDialog();
        return;
    }
    if (outcome.status == OutcomeStatus::ValueTooLong) {
        ReportValueTooLong(prompter_);
        ActivateOpenDialog();
        return;
    }
    CategoryTreeView& tree = *window_.Tree();
    if (outcome.tree.change != TreeChange::None) {
        tree.Apply(outcome.tree);
        state_.lastTreeIndex = tree.SelectedIndex();
    }
    if (outcome.clearPartList) {
        list_.Clear();
    }
    if (outcome.showSelectedList) {
        ShowSelectedList();
    }
    if (outcome.reload) {
        ReloadList(*outcome.reload);
    }
    actions_.Apply(outcome.commands);
    if (outcome.categoryCountText) {
        window_.SetCategoryCountText(ToWindowText(*outcome.categoryCountText));
    }
    if (outcome.clipboardText) {
        QApplication::clipboard()->setText(ToWindowText(*outcome.clipboardText));
    }
    if (outcome.beep) {
        QApplication::beep();
    }
    if (outcome.showPart) {
        ShowPart(*outcome.showPart);
    }
    if (outcome.status == OutcomeStatus::Refused) {
        GiveFocusTo(outcome.focus);
    }
    if (outcome.closeDialog) {
        dialogs_.Close();
    }
}

void OutcomeApplier::ShowPart(const PartLocation& location) {
    CategoryTreeView& tree = *window_.Tree();
    {
        const QSignalBlocker quiet(&tree);
        if (!tree.Select(TreeEntryId::List(location.category))) {
            return;
        }
    }
    state_.lastTreeIndex = tree.SelectedIndex();
    ShowSelectedList();
    list_.SelectSlot(location.slot);
}

void OutcomeApplier::ActivateOpenDialog() {
    // The dialog stays open and takes the keyboard again: after a message
    // box the main window behind it may have become the active one.
    if (QDialog* dialog = dialogs_.OpenDialog()) {
        dialog->activateWindow();
    }
}

void OutcomeApplier::GiveFocusTo(::FocusField field) {
    ActivateOpenDialog();
    const char* name = nullptr;
    switch (field) {
    case FocusField::CategoryName: name = "categoryNameField"; break;
    case FocusField::PartName: name = "partNameField"; break;
    case FocusField::StoragePlace: name = "storagePlaceField"; break;
    case FocusField::None: return;
    }
    QDialog* dialog = dialogs_.OpenDialog();
    if (!dialog) {
        return;
    }
    if (auto* widget = dialog->findChild<QWidget*>(name)) {
        ShowTabPageOf(widget);
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void OutcomeApplier::ShowTabPageOf(QWidget* widget) {
    // A field on a tab page the user is not looking at cannot take the focus.
    for (QWidget* page = widget; page; page = page->parentWidget()) {
        QWidget* stack = page->parentWidget();
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(page) >= 0) {
            tabs->setCurrentWidget(page);
        }
    }
}
