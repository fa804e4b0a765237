#pragma once
// " Bestellposition": one position of an order list. The tab "Bearbeiten"
// changes its quantity and hides it, or goes to its part; the tab
// "Abschließen" books it into stock at a new price. The order commands of the
// shell fill it, open it through the dialog frame and handle its three
// actions; "Abbrechen" on either tab and the close box reject it.

#include <string>

#include "FixedDialog.h"

class DialogBuilder;
class DigitsField;
class Prompter;
class PriceField;
class QCheckBox;
class QPushButton;
class QTabWidget;

class OrderPositionDialog : public FixedDialog {
    Q_OBJECT

public:
    enum class Tab { Edit = 0, Close = 1 };

    // Its own refusals go to `prompter`.
    explicit OrderPositionDialog(Prompter& prompter, QWidget* parent = nullptr);

    // The position: its order list (901-903) and slot.
    void SetPosition(int orderList, int slot);
    // The record of the position's part as stored ("" when it names none).
    void SetPartRecord(std::string record) { partRecord_ = std::move(record); }
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
    // Whether "Zubuchen" with the texts of "Abschließen" leaves the part's
    // record whole for its readers; when not, the user is told and the
    // dialog stays as it is.
    bool BookingFits();

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

    Prompter& prompter_;
    int orderList_ = -1;
    int slot_ = -1;
    std::string partRecord_;
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
