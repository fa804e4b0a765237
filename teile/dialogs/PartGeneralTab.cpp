#include "PartGeneralTab.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogBuilder.h"
#include "DialogFonts.h"
#include "DigitsField.h"
#include "PriceField.h"
#include "Records.h"
#include "WindowText.h"

namespace {

constexpr int kFullWidth = 350;
constexpr int kColumnWidth = 110;
constexpr int kColumnX[3] = {12, 132, 252};

const QColor kMarkedText(255, 0, 0);
const QColor kNormalText(0, 0, 0);

const char* const kChoiceNames[3] = {"rangeBox", "packageBox", "toleranceBox"};
const char* const kOrderNumberNames[3] = {"orderNumberField1", "orderNumberField2",
                                          "orderNumberField3"};
const char* const kPriceNames[3] = {"priceField1", "priceField2", "priceField3"};

const char* const kPriceToolTip = " Strg+N(etto) / Strg+B(rutto) ";
const char* const kAddToolTip = " 'Menge' zum Bestand hinzuf\u00fcgen ";
const char* const kRemoveToolTip = " 'Menge' vom Bestand abziehen ";

// A caption with its field below. The whole record must fit the data files,
// which the save checks; a field has no limit of its own.
QLineEdit* AddTextField(DialogBuilder& build, const char* caption, const char* name, QPoint at,
                        int width) {
    QLabel* label = build.Label(caption, {at.x(), at.y(), width, kCaptionHeight});
    QLineEdit* field =
        build.TextField(name, {at.x(), at.y() + kCaptionHeight, width, kFieldHeight}, std::nullopt);
    label->setBuddy(field);
    return field;
}

// A long supplier name would be cut off in the middle of a letter; it ends
// in "…" instead, and the whole caption is the label's tool tip.
void SetCaption(QLabel* label, const QString& caption) {
    const QFontMetrics metrics(label->font());
    const QString shown = metrics.elidedText(caption, Qt::ElideRight, label->width());
    label->setText(shown);
    label->setToolTip(shown == caption ? QString() : caption);
}

}  // namespace

PartGeneralTab::PartGeneralTab(QWidget* parent) : QWidget(parent) {
    setObjectName("generalTab");
    DialogBuilder build(this);
    build.Frame({3, 0, 370, 300}, QFrame::Box, QFrame::Sunken);
    nameField_ = AddTextField(build, "Bezeichnung:", "partNameField", {12, 10}, kFullWidth);
    remarkField_ = AddTextField(build, "Bemerkung:", "remarkField", {12, 50}, kFullWidth);
    BuildChoices(build);
    BuildSupplierColumns(build);
    placeField_ = AddTextField(build, "Lagerort:", "storagePlaceField", {12, 210}, kFullWidth);
    BuildStockRow(build);
    ConnectStockRow();
}

void PartGeneralTab::BuildChoices(DialogBuilder& build) {
    const char* const captions[3] = {"U/I/P (Bereich):", "Bauform:", "Toleranz:"};
    for (std::size_t i = 0; i < 3; ++i) {
        QLabel* label = build.Label(captions[i], {kColumnX[i], 90, kColumnWidth, kCaptionHeight});
        QComboBox* box =
            build.Place<QComboBox>(kChoiceNames[i], {kColumnX[i], 105, kColumnWidth, kFieldHeight});
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        // What is typed is what gets saved; an inline completion would quietly
        // turn "1" into "100nF".
        box->setCompleter(nullptr);
        box->lineEdit()->setValidator(new Cp1252Validator(box));
        label->setBuddy(box);
        choices_[i] = box;
    }
}

void PartGeneralTab::BuildSupplierColumns(DialogBuilder& build) {
    for (std::size_t i = 0; i < 3; ++i) {
        const int x = kColumnX[i];
        // The captions name the suppliers once the editor is filled.
        orderNumberLabels_[i] = build.Label({}, {x, 130, kColumnWidth, kCaptionHeight});
        orderNumberFields_[i] = build.TextField(kOrderNumberNames[i],
                                                {x, 145, kColumnWidth, kFieldHeight}, std::nullopt);
        orderNumberLabels_[i]->setBuddy(orderNumberFields_[i]);
        priceLabels_[i] = build.Label({}, {x, 170, kColumnWidth, kCaptionHeight});
        // "class": Records.h names a function PriceField as well.
        auto* price =
            build.Place<class PriceField>(kPriceNames[i], {x, 185, kColumnWidth, kFieldHeight});
        price->setToolTip(kPriceToolTip);
        priceLabels_[i]->setBuddy(price);
        priceFields_[i] = price;
        connect(price, &PriceField::validityChanged, this,
                [this] { emit PricesValidityChanged(PricesValid()); });
    }
}

void PartGeneralTab::BuildStockRow(DialogBuilder& build) {
    const auto caption = [&build](const char* text, int x) {
        return build.Label(text, {x, 250, kColumnWidth, kCaptionHeight});
    };
    const auto field = [](int x, int width) { return QRect(x, 265, width, kFieldHeight); };
    QLabel* targetLabel = caption("Soll-Bestand:", kColumnX[0]);
    stockLabel_ = caption("Ist-Bestand:", kColumnX[1]);
    stockLabel_->setObjectName("stockLabel");
    QLabel* quantityLabel = caption("Menge:", kColumnX[2]);

    targetField_ = build.Place<DigitsField>("targetStockField", field(kColumnX[0], kColumnWidth));
    targetLabel->setBuddy(targetField_);
    stockField_ = build.Place<QLineEdit>("stockField", field(kColumnX[1], kColumnWidth));
    stockField_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    stockField_->setReadOnly(true);
    // Read-only fields look like the dialog around them, as users know them.
    QPalette readOnly = stockField_->palette();
    readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
    stockField_->setPalette(readOnly);
    quantityField_ = build.Place<DigitsField>("quantityField", field(kColumnX[2], 70));
    quantityLabel->setBuddy(quantityField_);

    addButton_ = build.Button("+", "addStockButton", field(322, 20));
    addButton_->setToolTip(QString::fromUtf8(kAddToolTip));
    addButton_->setAutoDefault(false);
    removeButton_ = build.Button("-", "removeStockButton", field(342, 20));
    removeButton_->setToolTip(kRemoveToolTip);
    removeButton_->setAutoDefault(false);
}

void PartGeneralTab::ConnectStockRow() {
    connect(addButton_, &QPushButton::clicked, this, [this] { Book(true); });
    connect(removeButton_, &QPushButton::clicked, this, [this] { Book(false); });
    // Typed, pasted or deleted: the full rule. The dialog's own filling does
    // not count, so a copy opens unmarked.
    connect(targetField_, &QLineEdit::textEdited, this, [this] {
        MarkStock(StockIsMarked(ToDataText(stockField_->text()), ToDataText(targetField_->text())));
    });
}

void PartGeneralTab::Fill(const PartEditorContent& content) {
    const PartEditorTexts& texts = content.texts;
    for (int i = 0; i < 3; ++i) {
        const std::string& name = content.supplierNames[static_cast<std::size_t>(i)];
        SetCaption(orderNumberLabels_[i], ToWindowText(OrderNumberCaption(name, i + 1)));
        SetCaption(priceLabels_[i], ToWindowText(PriceCaption(name, i + 1)));
    }
    const std::vector<std::string>* suggestions[3] = {&content.ranges, &content.packages,
                                                      &content.tolerances};
    for (int i = 0; i < 3; ++i) {
        QStringList values;
        for (const std::string& value : *suggestions[i]) {
            values.append(ToWindowText(value));
        }
        choices_[i]->clear();
        choices_[i]->addItems(values);
    }

    nameField_->setText(ToWindowText(texts.Field(kFieldName)));
    remarkField_->setText(ToWindowText(texts.Field(kFieldRemark)));
    choices_[0]->setEditText(ToWindowText(texts.Field(kFieldRange)));
    choices_[1]->setEditText(ToWindowText(texts.Field(kFieldPackage)));
    choices_[2]->setEditText(ToWindowText(texts.Field(kFieldTolerance)));
    for (int i = 0; i < 3; ++i) {
        orderNumberFields_[i]->setText(ToWindowText(texts.Field(kFieldOrderNumber1 + i)));
        priceFields_[i]->setText(ToWindowText(texts.Field(kFieldPrice1 + i)));
    }
    placeField_->setText(ToWindowText(texts.Field(kFieldPlace)));
    stockField_->setText(ToWindowText(texts.Field(kFieldStock)));
    targetField_->setText(ToWindowText(texts.Field(kFieldTarget)));
    quantityField_->setText("1");
    MarkStock(content.stockMarked);
}

void PartGeneralTab::Collect(PartEditorTexts& texts) const {
    texts.Field(kFieldName) = ToDataText(nameField_->text());
    texts.Field(kFieldRemark) = ToDataText(remarkField_->text());
    texts.Field(kFieldRange) = ToDataText(choices_[0]->currentText());
    texts.Field(kFieldPackage) = ToDataText(choices_[1]->currentText());
    texts.Field(kFieldTolerance) = ToDataText(choices_[2]->currentText());
    for (int i = 0; i < 3; ++i) {
        texts.Field(kFieldOrderNumber1 + i) = ToDataText(orderNumberFields_[i]->text());
        texts.Field(kFieldPrice1 + i) = ToDataText(priceFields_[i]->text());
    }
    texts.Field(kFieldPlace) = ToDataText(placeField_->text());
    texts.Field(kFieldStock) = ToDataText(stockField_->text());
    texts.Field(kFieldTarget) = ToDataText(targetField_->text());
}

bool PartGeneralTab::PricesValid() const {
    for (const class PriceField* price : priceFields_) {
        if (!price->IsValid()) {
            return false;
        }
    }
    return true;
}

std::vector<QWidget*> PartGeneralTab::TabChain() const {
    std::vector<QWidget*> chain = {nameField_, remarkField_, choices_[0], choices_[1], choices_[2]};
    for (int i = 0; i < 3; ++i) {
        chain.push_back(orderNumberFields_[i]);
        chain.push_back(priceFields_[i]);
    }
    chain.insert(chain.end(), {placeField_, targetField_, stockField_, quantityField_, addButton_,
                               removeButton_});
    return chain;
}

void PartGeneralTab::Book(bool add) {
    const std::string stock = ToDataText(stockField_->text());
    const std::string quantity = ToDataText(quantityField_->text());
    const std::string booked = std::to_string(StockAfterBooking(stock, quantity, add));
    stockField_->setText(QString::fromStdString(booked));
    const std::optional<bool> mark =
        StockMarkAfterBooking(booked, ToDataText(targetField_->text()), add);
    if (mark) {
        MarkStock(*mark);
    }
}

void PartGeneralTab::MarkStock(bool marked) {
    stockMarked_ = marked;
    stockLabel_->setFont(DialogFont(marked));
    QPalette colours = stockLabel_->palette();
    colours.setColor(QPalette::WindowText, marked ? kMarkedText : kNormalText);
    stockLabel_->setPalette(colours);
}
