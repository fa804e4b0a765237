#include "CommandDispatcher.h"

#include <QApplication>
#include <QTableView>
#include <QWindow>

#include "CategoryCommands.h"
#include "CategoryTreeView.h"
#include "ClipboardCommands.h"
#include "CommandActions.h"
#include "CommandTable.h"
#include "DataFiles.h"
#include "MainWindow.h"
#include "MainWindowRules.h"
#include "MessageBox.h"
#include "Messages.h"
#include "OrderCommands.h"
#include "OutcomeApplier.h"
#include "PartCommands.h"
#include "PartListPanel.h"
#include "SearchCommand.h"
#include "ShellState.h"
#include "ToolCommands.h"
#include "WindowText.h"
#include "records/OperationOutcome.h"

namespace {

const char kInfoText[] = "Teile-Verwaltung, Version " TEILE_VERSION
                         "\n"
                         "Bauteile, Lagerorte und Bestellungen der Elektronik-Werkstatt\n"
                         "Freie Software unter der MIT-Lizenz     ";

}  // namespace

CommandDispatcher::CommandDispatcher(ShellState& state, MainWindow& window, CommandActions& actions,
                                     PartListPanel& list, OutcomeApplier& applier,
                                     CategoryCommands& categories, ToolCommands& tools,
                                     QObject* parent)
    : QObject(parent),
      state_(state),
      window_(window),
      actions_(actions),
      list_(list),
      applier_(applier),
      categories_(categories),
      tools_(tools) {}

void CommandDispatcher::AttachPartCommands(OrderCommands* orders, ClipboardCommands* clipboard,
                                           SearchCommand* search) {
    orders_ = orders;
    clipboard_ = clipboard;
    search_ = search;
}

void CommandDispatcher::RememberFocus() {
    if (window_.isActiveWindow()) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && window_.isAncestorOf(focus)) {
            state_.lastFocus = focus;
        }
    }
}

void CommandDispatcher::AddHandler(int command, std::function<bool()> handler) {
    handlers_[command] = std::move(handler);
}

void CommandDispatcher::Dispatch(int command) {
    RememberFocus();
    if (const auto handler = handlers_.find(command);
        handler != handlers_.end() && handler->second()) {
        return;
    }
    switch (command) {
    case kCommandNewCategory: categories_.NewCategory(); break;
    case kCommandEditCategory: categories_.EditSelected(); break;
    case kCommandDeleteCategory: categories_.DeleteSelected(); break;
    case kCommandPrint: tools_.Print(); break;
    case kCommandZelvo:
    case kCommandReglo:
    case kCommandCsvFiles:
    case kCommandTastomat: tools_.StartTool(command); break;
    case kCommandStatistics: tools_.ShowStatistics(); break;
    case kCommandNewPartFromCopy:
    case kCommandEditPart: EditSelectedRow(command); break;
    case kCommandDeletePart:
        if (clipboard_) {
            clipboard_->DeleteSelected();
        }
        break;
    case kCommandCutPart:
    case kCommandCopyPart:
        if (clipboard_) {
            clipboard_->CutOrCopySelected(command == kCommandCutPart ? ClipboardKind::Cut
                                                                     : ClipboardKind::Copy);
        }
        break;
    case kCommandPastePart:
        if (clipboard_) {
            clipboard_->PasteIntoSelected();
        }
        break;
    case kCommandOrderPart:
        if (orders_) {
            orders_->OrderSelectedPart();
        }
        break;
    case kCommandSearch:
        if (search_) {
            search_->Open();
        }
        break;
    case kCommandSortAscending:
    case kCommandSortDescending: Sort(command == kCommandSortDescending); break;
    case kCommandStayOnTop: ToggleStayOnTop(); break;
    case kCommandSmallPrint: ToggleSmallPrint(); break;
    case kCommandInfo: ShowInfo(); break;
    case kCommandQuit:
        window_.RecordGeometry();
        state_.quit = QuitState::Ask;
        if (onQuit) {
            onQuit();
        }
        break;
    case kCommandDeleteKey:
    case kCommandEnterKey: Key(command); break;
    case kCommandNewPart:
        if (parts_ && IsCategoryNumber(window_.Tree()->SelectedTag())) {
            parts_->Run(command, secondTab_);
        }
        break;
    default:
        // The part commands and the other dialogs come with their own
        // windows; their menu items are there already.
        break;
    }
}

void CommandDispatcher::Key(int command) {
    const QWidget* focus = QApplication::focusWidget();
    FocusedControl focused = FocusedControl::Other;
    if (focus == window_.Tree()) {
        focused = FocusedControl::CategoryTree;
    } else if (focus == window_.List()) {
        focused = FocusedControl::PartList;
    }
    const ShortcutKey key = command == kCommandEnterKey ? ShortcutKey::Enter : ShortcutKey::Delete;
    const int run = CommandOfKey(key, focused, list_.SelectedItemData().has_value(),
                                 window_.Tree()->SelectedTag() != -1, actions_.State());
    if (run >= 0) {
        Dispatch(run);
    }
}

void CommandDispatcher::TreeSelectionChanged() {
    RememberFocus();
    CategoryTreeView& tree = *window_.Tree();
    const int index = tree.SelectedIndex();
    const TreeSelectionStep step =
        TreeSelectionFor(tree.SelectedTag(), index, state_.lastTreeIndex, list_.Mode());
    if (step.switchColumns) {
        list_.SwitchListColumns(step.mode);
    }
    if (step.showList) {
        applier_.ShowSelectedList();
    }
    state_.lastTreeIndex = index;
}

void CommandDispatcher::ListSelectionChanged(std::optional<int> itemData) {
    RememberFocus();
    actions_.Apply(SelectedRowCommands(state_.folder, window_.Tree()->SelectedTag(), itemData));
}

void CommandDispatcher::ListDoubleClicked(int, bool rightButton) {
    RememberFocus();
    // Command 6; a right double click asks for the dialog's second tab.
    if (actions_.State().IsEnabled(kCommandEditPart)) {
        secondTab_ = rightButton;
        Dispatch(kCommandEditPart);
        secondTab_ = false;
    }
}

void CommandDispatcher::EditSelectedRow(int command) {
    // An order list edits its position, a category opens the part editor.
    const int tag = window_.Tree()->SelectedTag();
    if (IsOrderListNumber(tag) && orders_) {
        orders_->EditSelectedPosition(command == kCommandEditPart && secondTab_);
    } else if (IsCategoryNumber(tag) && parts_) {
        parts_->Run(command, secondTab_);
    }
}

void CommandDispatcher::HeaderClicked(int column) {
    RememberFocus();
    const int tag = window_.Tree()->SelectedTag();
    ChooseSortColumn(state_.sort, tag, column);
    list_.SortAgain(SupplierOfList(tag), state_.sort);
}

void CommandDispatcher::Sort(bool descending) {
    actions_.SetSortMarks(descending);
    state_.sort.descending = descending;
    list_.SortAgain(SupplierOfList(window_.Tree()->SelectedTag()), state_.sort);
}

void CommandDispatcher::ToggleStayOnTop() {
    QWindow* handle = window_.windowHandle();
    if (!handle) {
        return;
    }
    const bool on = !(handle->flags() & Qt::WindowStaysOnTopHint);
    // On the platform window, so the main window is not rebuilt and keeps
    // its place.
    handle->setFlag(Qt::WindowStaysOnTopHint, on);
    actions_.SetChecked(kCommandStayOnTop, on);
}

void CommandDispatcher::ToggleSmallPrint() {
    // The file decides, so the item always shows what is stored; a failed
    // write leaves both as they were.
    const bool on = !SmallPrintIsOn(state_.folder);
    if (!StoreSmallPrint(state_.folder, on)) {
        actions_.SetChecked(kCommandSmallPrint, !on);
        TellUser(&window_, ToWindowText(messages::kTitleFailure),
                 ToWindowText(messages::kWriteFailed), MessageIcon::Error);
        return;
    }
    actions_.SetChecked(kCommandSmallPrint, on);
}

void CommandDispatcher::ShowInfo() {
    TellUser(&window_, ToWindowText(messages::kTitleInfo), QString::fromUtf8(kInfoText),
             MessageIcon::Information);
}
