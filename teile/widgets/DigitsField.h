#pragma once
// A right-aligned field that takes digits only (stock, target stock and the
// quantities of the part editor and the order dialogs). Typed or pasted
// text with anything but digits is not taken.

#include <QLineEdit>

class DigitsField : public QLineEdit {
    Q_OBJECT
public:
    explicit DigitsField(QWidget* parent = nullptr);
};
