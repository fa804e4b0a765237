#pragma once
// " Bestellposition": one position of an order list. The tab "Bearbeiten"
// changes its quantity and hides it, or goes to its part; the tab
// "Abschließen" books it into stock at a new price. The order commands of the
// shell fill it, open it through the dialog frame and handle its three
// actions; "Abbrechen" on either tab and the close box reject it.

#include "FixedDialog.h"

class DialogBuilder;
class DigitsField;
class PriceField;
class QCheckBox;
class QPushButton;
class QTabWidget;

class OrderPositionDialog : public FixedDialog {
    Q_OBJECT

public:
    enum class Tab { Edit = 0, Close = 1 };

    explicit OrderPositionDialog(QWidget* parent = nullptr);

    // The position: its order list (901-903) and slot.
    void SetPosition(int orderList, int slot);
    int OrderList() const { return orderList_; }
    int Slot() const { return slot_; }

    // Both quantity fields get the same text.
    void Fill(const QString& quantity, bool hidden, const QString& unitPrice);
    // Shows the tab; its quantity field is the one to get the focus.
    void ShowTab(Tab tab);
    DigitsField* QuantityFieldOf(Tab tab) const;

    QString EditQuantity() const;
    bool Hidden() const;
    QString BookQuantity() const;
    QString NewPrice() const;

    QPushButton* SaveButton() const { return saveButton_; }
    QPushButton* BookInButton() const { return bookInButton_; }

signals:
    void SaveRequested();
    void BookInRequested();
    void GoToPartRequested();

private:
    QWidget* BuildEditTab();
    QWidget* BuildCloseTab();
    // A tab page with its frame and "Menge:" above `quantity`.
    static QWidget* NewTab(const char* name, const char* quantityName, DigitsField*& quantity);
    // The tab's action button, and its "Abbrechen" that rejects the dialog.
    QPushButton* AddButtons(DialogBuilder& build, const char* caption, const char* name,
                            const char* cancelName);
    void UpdateSaveButton();
    void UpdateBookInButton();
    // The tab's action button answers Return.
    void FollowTab(int index);

    int orderList_ = -1;
    int slot_ = -1;
    QTabWidget* tabs_ = nullptr;
    DigitsField* editQuantityField_ = nullptr;
    QCheckBox* hiddenBox_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    DigitsField* bookQuantityField_ = nullptr;
    // "class": the record helper PriceField(supplier) hides the type's name
    // wherever both are seen.
    class PriceField* priceField_ = nullptr;
    QPushButton* bookInButton_ = nullptr;
};
