#pragma once
// Ordering: command 11 ("Bestellen", Ctrl+B) puts the selected part of a
// category on a supplier's order list through " Teil bestellen"; commands 5
// and 6 and a double click on an order position open " Bestellposition",
// which saves the position, books it into stock or goes to its part. Each
// action gathers the dialog's input, calls one engine operation and hands
// the outcome to the OutcomeApplier.

#include <QObject>

#include "CommandContext.h"

class OrderDialog;
class OrderPositionDialog;
class OutcomeApplier;

class OrderCommands : public QObject {
    Q_OBJECT

public:
    explicit OrderCommands(const CommandContext& shell, QObject* parent = nullptr);

    // Command 11: refused (a beep) unless a part row of a category is selected.
    void OrderSelectedPart();
    // Commands 5 and 6 in an order list: the selected position, on the tab
    // "Bearbeiten", or "Abschließen" after a right double click.
    void EditSelectedPosition(bool closingTab);

    // The supplier chosen last in " Teil bestellen", 1-3; kept for the run.
    int LastSupplier() const { return lastSupplier_; }

private:
    void Order(OrderDialog* dialog, int category, int slot);
    void Save(OrderPositionDialog* dialog);
    void BookIn(OrderPositionDialog* dialog);
    void GoToPart(OrderPositionDialog* dialog);
    QString SelectedUnitPrice() const;

    CommandContext shell_;
    int lastSupplier_ = 1;
};
