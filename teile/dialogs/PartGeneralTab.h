#pragma once
// The tab "Allgemein" of the part editor: the fourteen fields of a part, the
// quantity with the stock buttons "+" and "-", and the marking of
// "Ist-Bestand:" while the stock is at or below a positive target.

#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "records/PartEditorRules.h"

class DialogBuilder;
class DigitsField;
class PriceField;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class PartGeneralTab : public QWidget {
    Q_OBJECT

public:
    explicit PartGeneralTab(QWidget* parent = nullptr);

    // Captions, suggestions and fields; the quantity starts at "1".
    void Fill(const PartEditorContent& content);
    // Record fields 1-14 as typed.
    void Collect(PartEditorTexts& texts) const;

    // No price field holds a second comma.
    bool PricesValid() const;
    bool StockMarked() const { return stockMarked_; }

    QLineEdit* NameField() const { return nameField_; }
    // The focusable controls in the order the Tab key visits them.
    std::vector<QWidget*> TabChain() const;

signals:
    void PricesValidityChanged(bool valid);

private:
    // The rows from top to bottom.
    void BuildChoices(DialogBuilder& build);
    void BuildSupplierColumns(DialogBuilder& build);
    void BuildStockRow(DialogBuilder& build);
    void ConnectStockRow();
    void Book(bool add);
    void MarkStock(bool marked);

    QLineEdit* nameField_ = nullptr;
    QLineEdit* remarkField_ = nullptr;
    // Range, package, tolerance.
    std::array<QComboBox*, 3> choices_{};
    std::array<QLabel*, 3> orderNumberLabels_{};
    std::array<QLineEdit*, 3> orderNumberFields_{};
    std::array<QLabel*, 3> priceLabels_{};
    // "class": Records.h names a function PriceField as well.
    std::array<class PriceField*, 3> priceFields_{};
    QLineEdit* placeField_ = nullptr;
    DigitsField* targetField_ = nullptr;
    QLabel* stockLabel_ = nullptr;
    QLineEdit* stockField_ = nullptr;
    DigitsField* quantityField_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    bool stockMarked_ = false;
};
