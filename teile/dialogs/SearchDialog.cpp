#include "SearchDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogFonts.h"
#include "WindowText.h"

namespace {

constexpr int kClientWidth = 350;
constexpr int kClientHeight = 121;
// The text is compared with name and remark, each read to 254 characters.
constexpr int kLongestText = 254;

QCheckBox* AddCheckBox(QWidget* dialog, const char* caption, const char* name, int y,
                       bool checked) {
    auto* box = new QCheckBox(caption, dialog);
    box->setObjectName(name);
    box->setGeometry(10, y, 110, 15);
    box->setChecked(checked);
    return box;
}

QPushButton* AddButton(QWidget* dialog, const char* caption, const char* name, int x) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(name);
    button->setGeometry(x, 80, 80, 25);
    // Return is handled by the dialog itself (keyPressEvent).
    button->setAutoDefault(false);
    return button;
}

}  // namespace

SearchDialog::SearchDialog(SearchState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      state_(state) {
    setObjectName("searchDialog");
    setWindowTitle(QString::fromUtf8(kSearchDialogTitle));
    setFont(DialogFont());
    setFixedSize(kClientWidth, kClientHeight);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(0, 0, 350, 120);

    auto* textLabel = new QLabel("Suchbegriff:", this);
    textLabel->setGeometry(10, 10, 80, 15);
    auto* fieldsLabel = new QLabel("Suche in:", this);
    fieldsLabel->setGeometry(10, 50, 80, 15);

    textField_ = new QLineEdit(this);
    textField_->setObjectName("searchTextField");
    textField_->setGeometry(10, 25, 330, 20);
    textField_->setMaxLength(kLongestText);
    textField_->setValidator(new Cp1252Validator(textField_));
    textField_->setText(ToWindowText(state_.text));
    textLabel->setBuddy(textField_);

    inNamesBox_ = AddCheckBox(this, "Bezeichnung", "inNamesBox", 70, state_.inNames);
    inRemarksBox_ = AddCheckBox(this, "Bemerkung", "inRemarksBox", 90, state_.inRemarks);
    searchButton_ = AddButton(this, "Suchen", "searchButton", 170);
    auto* cancelButton = AddButton(this, "Abbrechen", "cancelButton", 260);

    connect(textField_, &QLineEdit::textChanged, this, &SearchDialog::TakeInput);
    connect(inNamesBox_, &QCheckBox::toggled, this, &SearchDialog::TakeInput);
    connect(inRemarksBox_, &QCheckBox::toggled, this, &SearchDialog::TakeInput);
    connect(searchButton_, &QPushButton::clicked, this,
            [this] { emit SearchRequested(kSearchFromButton); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    TakeInput();
}

void SearchDialog::TakeInput() {
    state_.text = ToDataText(textField_->text());
    state_.inNames = inNamesBox_->isChecked();
    state_.inRemarks = inRemarksBox_->isChecked();
    searchButton_->setEnabled(SearchIsPossible(state_));
}

void SearchDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) {
        button->click();
    } else if (focusWidget() == textField_ && SearchIsPossible(state_)) {
        emit SearchRequested(kSearchFromTextField);
    }
    event->accept();
}
