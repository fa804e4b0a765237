#include "OrderCommands.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>

#include <string>
#include <vector>

#include "CategoryTreeView.h"
#include "CommandActions.h"
#include "DialogFrame.h"
#include "DigitsField.h"
#include "OrderDialog.h"
#include "OrderPositionDialog.h"
#include "OutcomeApplier.h"
#include "PartListPanel.h"
#include "Prompter.h"
#include "ShellState.h"
#include "WindowText.h"
#include "lists/CategoryTree.h"
#include "lists/ListState.h"
#include "records/OrderDialogRules.h"
#include "records/OrderOperations.h"

namespace {

// Holds what an operation tells the user until its outcome is on screen: the
// booking removes its position before it finds that no part belongs to it,
// and that warning belongs over the list without the position.
class MessagesAfterOutcome : public Prompter {
public:
    explicit MessagesAfterOutcome(Prompter& prompter) : prompter_(prompter) {}
    Answer Ask(const std::string& title, const std::string& text, MessageIcon icon,
               Answer defaultAnswer) override {
        return prompter_.Ask(title, text, icon, defaultAnswer);
    }
    void Tell(const std::string& title, const std::string& text, MessageIcon icon) override {
        held_.push_back({title, text, icon});
    }
    void Release() {
        for (const Message& message : held_) {
            prompter_.Tell(message.title, message.text, message.icon);
        }
        held_.clear();
    }

private:
    struct Message {
        std::string title;
        std::string text;
        MessageIcon icon;
    };
    Prompter& prompter_;
    std::vector<Message> held_;
};

}  // namespace

OrderCommands::OrderCommands(const CommandContext& shell, QObject* parent)
    : QObject(parent), shell_(shell) {}

void OrderCommands::OrderSelectedPart() {
    // Ctrl+B reaches here whatever the menu item shows.
    const std::optional<OrderStart> start =
        shell_.actions.State().IsEnabled(Command::OrderPart)
            ? StartOrder(shell_.state.folder, shell_.tree.Selected().ItemTag(),
                         shell_.list.SelectedItemData())
            : std::nullopt;
    if (!start || shell_.dialogs.IsOpen()) {
        QApplication::beep();
        return;
    }
    auto* dialog = new OrderDialog;
    const std::array<std::string, 3> names = SupplierShortNames(shell_.state.folder);
    dialog->SetSupplierNames(
        {ToWindowText(names[0]), ToWindowText(names[1]), ToWindowText(names[2])});
    dialog->SetSupplier(lastSupplier_);
    dialog->SetQuantity(ToWindowText(start->quantity));
    connect(dialog, &OrderDialog::OrderRequested, this,
            [this, dialog, category = start->category, slot = start->slot] {
                Order(dialog, category, slot);
            });
    shell_.dialogs.Open(DialogWindow::Order, dialog, dialog->QuantityField());
}

void OrderCommands::Order(OrderDialog* dialog, int category, int slot) {
    const int supplier = dialog->Supplier();
    const OperationOutcome outcome =
        AddOrderPosition(shell_.state.folder, supplier, PartReference{category, slot},
                         ToDataText(dialog->Quantity()), shell_.prompter);
    if (outcome.IsDone()) {
        lastSupplier_ = supplier;
    }
    shell_.applier.Apply(outcome);
}

void OrderCommands::EditSelectedPosition(bool closingTab) {
    const TreeEntryId selected = shell_.tree.Selected();
    const std::optional<int> slot = shell_.list.SelectedItemData();
    if (!selected.IsOrderList() || !slot || shell_.dialogs.IsOpen()) {
        return;
    }
    const int orderList = selected.listNumber;
    const std::optional<PositionToEdit> position =
        ReadPositionToEdit(shell_.state.folder, orderList, *slot);
    if (!position) {
        // The sum row, or a position another program removed meanwhile.
        QApplication::beep();
        return;
    }
    auto* dialog = new OrderPositionDialog(shell_.prompter);
    dialog->SetPosition(orderList, *slot);
    dialog->SetPartRecord(position->partRecord);
    dialog->Fill(ToWindowText(position->quantity), position->hidden, SelectedUnitPrice());
    const auto tab = closingTab ? OrderPositionDialog::Tab::Close : OrderPositionDialog::Tab::Edit;
    dialog->ShowTab(tab);
    connect(dialog, &OrderPositionDialog::SaveRequested, this, [this, dialog] { Save(dialog); });
    connect(dialog, &OrderPositionDialog::BookInRequested, this,
            [this, dialog] { BookIn(dialog); });
    connect(dialog, &OrderPositionDialog::GoToPartRequested, this,
            [this, dialog] { GoToPart(dialog); });
    shell_.dialogs.Open(DialogWindow::OrderPosition, dialog, dialog->QuantityFieldOf(tab));
}

QString OrderCommands::SelectedUnitPrice() const {
    const QTableView* view = shell_.list.View();
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
    shell_.applier.Apply(SaveOrderPosition(shell_.state.folder, dialog->OrderList(), dialog->Slot(),
                                           ToDataText(dialog->EditQuantity()), dialog->Hidden()));
}

void OrderCommands::BookIn(OrderPositionDialog* dialog) {
    if (!dialog->BookInButton()->isEnabled() || !dialog->BookingFits()) {
        return;
    }
    MessagesAfterOutcome prompter(shell_.prompter);
    shell_.applier.Apply(
        BookInOrderPosition(shell_.state.folder, dialog->OrderList(), dialog->Slot(),
                            shell_.list.ShownSlots(), ToDataText(dialog->BookQuantity()),
                            ToDataText(dialog->NewPrice()), shell_.state.clipboard, prompter));
    prompter.Release();
}

void OrderCommands::GoToPart(OrderPositionDialog* dialog) {
    shell_.applier.Apply(
        GoToOrderedPart(shell_.state.folder, dialog->OrderList(), dialog->Slot(), shell_.prompter));
}
