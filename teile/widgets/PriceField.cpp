#include "PriceField.h"

#include <QApplication>
#include <QShortcut>

#include "WindowText.h"

namespace {

const QColor kInvalidBackground(255, 204, 119);
const QColor kValidBackground(255, 255, 255);

void ConvertFocusedPrice(PriceConversion conversion) {
    if (auto* field = qobject_cast<PriceField*>(QApplication::focusWidget())) {
        field->Convert(conversion);
    }
}

}  // namespace

PriceField::PriceField(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kValidBackground);
    setPalette(colours);
    // Every change counts, typed, pasted or set by the dialog.
    connect(this, &QLineEdit::textChanged, this, &PriceField::Filter);
}

void PriceField::Filter() {
    const QString shown = text();
    // The rule counts characters; a character cp1252 cannot hold becomes one
    // "?", so the caret column is counted in characters too.
    const int caret = static_cast<int>(QStringView(shown).left(cursorPosition()).toUcs4().size());
    const PriceInput input = FilterPriceInput(ToDataText(shown), caret);
    const QString filtered = ToWindowText(input.text);
    if (filtered != shown) {
        const QSignalBlocker blocker(this);
        setText(filtered);
        setCursorPosition(input.caret);
    }
    if (input.valid != valid_) {
        valid_ = input.valid;
        QPalette colours = palette();
        colours.setColor(QPalette::Base, valid_ ? kValidBackground : kInvalidBackground);
        setPalette(colours);
        emit validityChanged(valid_);
    }
}

void PriceField::Convert(PriceConversion conversion) {
    const std::optional<std::string> converted = ConvertPrice(ToDataText(text()), conversion);
    if (converted) {
        setText(ToWindowText(*converted));
    }
}

void InstallPriceConversionShortcuts(QWidget* dialog) {
    auto* toNet = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), dialog);
    auto* toGross = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), dialog);
    QObject::connect(toNet, &QShortcut::activated,
                     [] { ConvertFocusedPrice(PriceConversion::ToNet); });
    QObject::connect(toGross, &QShortcut::activated,
                     [] { ConvertFocusedPrice(PriceConversion::ToGross); });
}
