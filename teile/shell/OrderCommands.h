#pragma once
// Ordering: "Bestellen" (Ctrl+B) puts the selected part of a category on a
// supplier's order list through " Teil bestellen"; editing a row of an order
// list opens " Bestellposition", which saves the position, books it into
// stock or goes to its part. Each action gathers the dialog's input, calls
// one engine operation and hands the outcome to the OutcomeApplier.

#include <QObject>

#include "CommandContext.h"

class OrderDialog;
class OrderPositionDialog;

class OrderCommands : public QObject {
    Q_OBJECT

public:
    explicit OrderCommands(const CommandContext& shell, QObject* parent = nullptr);

    // Refused (a beep) unless a part row of a category is selected.
    void OrderSelectedPart();
    // The selected position of an order list, on the tab "Bearbeiten", or on
    // "Abschließen" after a right double click.
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
