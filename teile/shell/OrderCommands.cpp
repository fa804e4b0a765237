#include "OrderCommands.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>

#include "CategoryTree.h"
#include "CategoryTreeView.h"
#include "CommandActions.h"
#include "DialogFrame.h"
#include "DigitsField.h"
#include "ListState.h"
#include "MainWindow.h"
#include "OrderDialog.h"
#include "OrderDialogRules.h"
#include "OrderOperations.h"
#include "OrderPositionDialog.h"
#include "OutcomeApplier.h"
#include "PartListPanel.h"
#include "ShellState.h"
#include "WindowText.h"

OrderCommands::OrderCommands(ShellState& state, MainWindow& window, CommandActions& actions,
                             PartListPanel& list, DialogFrame& dialogs, OutcomeApplier& applier,
                             Prompter& prompter, QObject* parent)
    : QObject(parent),
      state_(state),
      window_(window),
      actions_(actions),
      list_(list),
      dialogs_(dialogs),
      applier_(applier),
      prompter_(prompter) {}

void OrderCommands::OrderSelectedPart() {
    // Ctrl+B reaches here whatever the menu item shows.
    const std::optional<OrderStart> start =
        actions_.State().IsEnabled(kCommandOrderPart)
            ? StartOrder(state_.folder, window_.Tree()->SelectedTag(), list_.SelectedItemData())
            : std::nullopt;
    if (!start || dialogs_.IsOpen()) {
        QApplication::beep();
        return;
    }
    auto* dialog = new OrderDialog;
    const std::array<std::string, 3> names = SupplierShortNames(state_.folder);
    dialog->SetSupplierNames(
        {ToWindowText(names[0]), ToWindowText(names[1]), ToWindowText(names[2])});
    dialog->SetSupplier(lastSupplier_);
    dialog->SetQuantity(ToWindowText(start->quantity));
    connect(dialog, &OrderDialog::OrderRequested, this,
            [this, dialog, category = start->category, slot = start->slot] {
                Order(dialog, category, slot);
            });
    dialogs_.Open(DialogWindow::Order, dialog, dialog->QuantityField());
}

void OrderCommands::Order(OrderDialog* dialog, int category, int slot) {
    const int supplier = dialog->Supplier();
    const OperationOutcome outcome =
        AddOrderPosition(state_.folder, supplier, PartReference{category, slot},
                         ToDataText(dialog->Quantity()), prompter_);
    if (outcome.IsDone()) {
        lastSupplier_ = supplier;
    }
    applier_.Apply(outcome);
}

void OrderCommands::EditSelectedPosition(bool closingTab) {
    const int orderList = window_.Tree()->SelectedTag();
    const std::optional<int> slot = list_.SelectedItemData();
    if (!IsOrderListNumber(orderList) || !slot || dialogs_.IsOpen()) {
        return;
    }
    const std::optional<PositionToEdit> position =
        ReadPositionToEdit(state_.folder, orderList, *slot);
    if (!position) {
        // The sum row, or a position another program removed meanwhile.
        QApplication::beep();
        return;
    }
    auto* dialog = new OrderPositionDialog;
    dialog->SetPosition(orderList, *slot);
    dialog->Fill(ToWindowText(position->quantity), position->hidden, SelectedUnitPrice());
    const auto tab = closingTab ? OrderPositionDialog::Tab::Close : OrderPositionDialog::Tab::Edit;
    dialog->ShowTab(tab);
    connect(dialog, &OrderPositionDialog::SaveRequested, this, [this, dialog] { Save(dialog); });
    connect(dialog, &OrderPositionDialog::BookInRequested, this,
            [this, dialog] { BookIn(dialog); });
    connect(dialog, &OrderPositionDialog::GoToPartRequested, this,
            [this, dialog] { GoToPart(dialog); });
    dialogs_.Open(DialogWindow::OrderPosition, dialog, dialog->QuantityFieldOf(tab));
}

QString OrderCommands::SelectedUnitPrice() const {
    const QTableView* view = list_.View();
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return {};
    }
    return view->model()->index(rows.first().row(), kOrderColumnUnitPrice).data().toString();
}

void OrderCommands::Save(OrderPositionDialog* dialog) {
    if (!dialog->SaveButton()->isEnabled()) {
        return;
    }
    applier_.Apply(SaveOrderPosition(state_.folder, dialog->OrderList(), dialog->Slot(),
                                     ToDataText(dialog->EditQuantity()), dialog->Hidden()));
}

void OrderCommands::BookIn(OrderPositionDialog* dialog) {
    if (!dialog->BookInButton()->isEnabled()) {
        return;
    }
    applier_.Apply(BookInOrderPosition(state_.folder, dialog->OrderList(), dialog->Slot(),
                                       list_.ShownSlots(), ToDataText(dialog->BookQuantity()),
                                       ToDataText(dialog->NewPrice()), prompter_));
}

void OrderCommands::GoToPart(OrderPositionDialog* dialog) {
    applier_.Apply(GoToOrderedPart(state_.folder, dialog->OrderList(), dialog->Slot(), prompter_));
}
