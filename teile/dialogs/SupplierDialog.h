#pragma once
// The supplier dialog (window 3): the short name under which a supplier's
// order list stands in the tree, and the supplier's address. The address
// commands of the shell fill it, open it through the dialog frame and handle
// "Speichern"; "Abbrechen" and the close box reject it.

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

inline constexpr char kSupplierDialogTitle[] = " Lieferanten bearbeiten";

class SupplierDialog : public QDialog {
    Q_OBJECT

public:
    explicit SupplierDialog(QWidget* parent = nullptr);

    // The order list being edited, 901-903.
    void SetTag(int tag) { tag_ = tag; }
    int Tag() const { return tag_; }

    void SetShortName(const QString& name);
    QString ShortName() const;
    // The eight address fields in the order they are stored: company, contact,
    // street, customer number, country-postcode-town, telephone, telefax, e-mail.
    void SetAddress(const std::array<QString, 8>& fields);
    std::array<QString, 8> Address() const;

    QPushButton* SaveButton() const { return saveButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

signals:
    void SaveRequested();

private:
    QLineEdit* AddField(const char* caption, const char* objectName, int x, int y, int labelWidth,
                        int fieldWidth);

    int tag_ = 0;
    QLineEdit* shortNameField_ = nullptr;
    std::array<QLineEdit*, 8> addressFields_{};
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
