#include "ColumnDialog.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogFonts.h"
#include "WindowText.h"

namespace {

constexpr int kClientWidth = 345;
constexpr int kClientHeight = 446;
constexpr int kFirstRowY = 40;
constexpr int kRowStep = 25;

std::size_t IndexOfRow(int row) { return static_cast<std::size_t>(row - 1); }

}  // namespace

ColumnDialog::ColumnDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("columnDialog");
    setWindowTitle(QString::fromUtf8(kColumnDialogTitle));
    setFont(DialogFont());
    setFixedSize(kClientWidth, kClientHeight);
    widths_.fill(kNewColumnWidth);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(0, 0, 345, 445);
    (new QLabel("Spalte", this))->setGeometry(15, 20, 35, 15);
    (new QLabel("belegen mit", this))->setGeometry(65, 20, 170, 15);
    (new QLabel("Ausrichtung", this))->setGeometry(250, 20, 80, 15);
    for (int row = 1; row <= kMaxListColumns; ++row) {
        AddRow(row);
    }

    saveButton_ = new QPushButton("Speichern", this);
    saveButton_->setObjectName("saveButton");
    saveButton_->setGeometry(15, 405, 80, 25);
    saveButton_->setEnabled(false);
    cancelButton_ = new QPushButton("Abbrechen", this);
    cancelButton_->setObjectName("cancelButton");
    cancelButton_->setGeometry(250, 405, 80, 25);

    connect(saveButton_, &QPushButton::clicked, this, &ColumnDialog::SaveRequested);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void ColumnDialog::AddRow(int row) {
    const int y = kFirstRowY + kRowStep * (row - 1);
    auto* number = new QLineEdit(QString::number(row), this);
    number->setObjectName(QString("columnNumberField%1").arg(row));
    number->setGeometry(15, y, 35, 20);
    number->setReadOnly(true);
    number->setAlignment(Qt::AlignCenter);
    number->setFocusPolicy(Qt::NoFocus);

    auto* content = new QComboBox(this);
    content->setObjectName(QString("columnContentList%1").arg(row));
    content->setGeometry(65, y, 170, 20);
    for (const std::string& entry : ColumnContentEntries()) {
        content->addItem(ToWindowText(entry));
    }
    content->setMaxVisibleItems(static_cast<int>(ColumnContentEntries().size()));

    auto* alignment = new QComboBox(this);
    alignment->setObjectName(QString("columnAlignmentList%1").arg(row));
    alignment->setGeometry(250, y, 80, 20);
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

void ColumnDialog::UpdateSaveButton() { saveButton_->setEnabled(AnyColumnChosen(Choices())); }
