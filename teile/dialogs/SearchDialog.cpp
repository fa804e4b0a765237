#include "SearchDialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogBuilder.h"
#include "WindowText.h"

SearchDialog::SearchDialog(SearchState& state, QWidget* parent)
    : FixedDialog("searchDialog", " Suche", {350, 121}, parent), state_(state) {
    DialogBuilder build(this);
    build.Frame({0, 0, 350, 120});
    QLabel* textLabel = build.Label("Suchbegriff:", {10, 10, 80, 15});
    build.Label("Suche in:", {10, 50, 80, 15});
    // The text is compared with name and remark, each read to the longest value.
    textField_ = build.TextField("searchTextField", {10, 25, 330, 20});
    textField_->setText(ToWindowText(state_.text));
    textLabel->setBuddy(textField_);

    inNamesBox_ = build.Place<QCheckBox>("inNamesBox", {10, 70, 110, 15});
    inNamesBox_->setText("Bezeichnung");
    inNamesBox_->setChecked(state_.inNames);
    inRemarksBox_ = build.Place<QCheckBox>("inRemarksBox", {10, 90, 110, 15});
    inRemarksBox_->setText("Bemerkung");
    inRemarksBox_->setChecked(state_.inRemarks);
    searchButton_ = build.Button("Suchen", "searchButton", {170, 80, 80, 25});
    QPushButton* cancelButton = build.Button("Abbrechen", "cancelButton", {260, 80, 80, 25});
    // Return is handled by the dialog itself (keyPressEvent).
    searchButton_->setAutoDefault(false);
    cancelButton->setAutoDefault(false);

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
