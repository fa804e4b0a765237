#include "ColumnDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "DialogBuilder.h"
#include "WindowText.h"

namespace {

constexpr int kFirstRowY = 40;
constexpr int kRowStep = 25;

std::size_t IndexOfRow(int row) { return static_cast<std::size_t>(row - 1); }

}  // namespace

ColumnDialog::ColumnDialog(QWidget* parent)
    : FormDialog("columnDialog", " Spaltendefinition", {345, 446}, parent) {
    widths_.fill(kNewColumnWidth);
    DialogBuilder build(this);
    build.Frame({0, 0, 345, 445});
    build.Label("Spalte", {15, 20, 35, 15});
    build.Label("belegen mit", {65, 20, 170, 15});
    build.Label("Ausrichtung", {250, 20, 80, 15});
    for (int row = 1; row <= kMaxListColumns; ++row) {
        AddRow(build, row);
    }
    AddSaveAndCancel(this, {15, 405, 80, 25}, {250, 405, 80, 25});
    SaveButton()->setEnabled(false);
}

void ColumnDialog::AddRow(DialogBuilder& build, int row) {
    const int y = kFirstRowY + kRowStep * (row - 1);
    const QString number = QString::number(row);
    auto* numberField = build.Place<QLineEdit>("columnNumberField" + number, {15, y, 35, 20});
    numberField->setText(number);
    numberField->setReadOnly(true);
    numberField->setAlignment(Qt::AlignCenter);
    numberField->setFocusPolicy(Qt::NoFocus);

    auto* content = build.Place<QComboBox>("columnContentList" + number, {65, y, 170, 20});
    for (const std::string& entry : ColumnContentEntries()) {
        content->addItem(ToWindowText(entry));
    }
    content->setMaxVisibleItems(static_cast<int>(ColumnContentEntries().size()));

    auto* alignment = build.Place<QComboBox>("columnAlignmentList" + number, {250, y, 80, 20});
    for (const std::string& entry : ColumnAlignmentEntries()) {
        alignment->addItem(ToWindowText(entry));
    }
    alignment->setEnabled(false);

    contentLists_[IndexOfRow(row)] = content;
    alignmentLists_[IndexOfRow(row)] = alignment;
    connect(content, &QComboBox::currentIndexChanged, this, [this, row] { ContentChanged(row); });
}

void ColumnDialog::Fill(const ColumnSet& columns) {
    widths_ = RememberedWidths(columns);
    const ColumnChoices choices = ChoicesOf(columns);
    for (int row = 1; row <= kMaxListColumns; ++row) {
        const ColumnChoice& choice = choices[IndexOfRow(row)];
        contentLists_[IndexOfRow(row)]->setCurrentIndex(choice.content);
        alignmentLists_[IndexOfRow(row)]->setCurrentIndex(choice.alignment);
        ContentChanged(row);
    }
}

ColumnChoices ColumnDialog::Choices() const {
    ColumnChoices choices{};
    for (int row = 1; row <= kMaxListColumns; ++row) {
        choices[IndexOfRow(row)] = ColumnChoice{contentLists_[IndexOfRow(row)]->currentIndex(),
                                                alignmentLists_[IndexOfRow(row)]->currentIndex()};
    }
    return choices;
}

ColumnSet ColumnDialog::Columns() const { return BuildColumnSet(Choices(), widths_); }

QComboBox* ColumnDialog::ContentList(int row) const {
    return row >= 1 && row <= kMaxListColumns ? contentLists_[IndexOfRow(row)] : nullptr;
}

QComboBox* ColumnDialog::AlignmentList(int row) const {
    return row >= 1 && row <= kMaxListColumns ? alignmentLists_[IndexOfRow(row)] : nullptr;
}

void ColumnDialog::ContentChanged(int row) {
    alignmentLists_[IndexOfRow(row)]->setEnabled(contentLists_[IndexOfRow(row)]->currentIndex() >
                                                 0);
    UpdateSaveButton();
}

void ColumnDialog::UpdateSaveButton() { SaveButton()->setEnabled(AnyColumnChosen(Choices())); }
