#include "DutyCycleWindow.h"

#include "DutyCycle.h"
#include "WindowFont.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tastomat {

namespace {

void AddCaption(QWidget* parent, const char* text, int y) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(15, y, 80, 20);
    FitFontToWidth(label, label->text(), label->width());
}

// The pixels a field's text may take before the field scrolls its start out
// of view: the inside of the frame less the margin the field keeps on either
// side of its text and the cursor column.
int TextRoomOf(const QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QRect inside =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    return inside.width() - 2 * 2 - 1;
}

// The fields only show results; what is typed into them is never read.
QLineEdit* AddResultField(QWidget* parent, const char* name, int y) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(15, y, 80, 20);
    return field;
}

}  // namespace

DutyCycleWindow::DutyCycleWindow(const QString& pr2Text, const QString& frequencyText,
                                 QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      pr2Text_(pr2Text),
      frequencyText_(frequencyText) {
    setObjectName("dutyCycleWindow");
    setWindowTitle(QString::fromUtf8(" Tastverhältnis"));
    setFixedSize(110, 210);
    setFont(WindowFont());

    AddCaption(this, "Einzeit :", 5);
    dutyList_ = new QComboBox(this);
    dutyList_->setObjectName("dutyList");
    dutyList_->setGeometry(15, 25, 80, 20);
    for (const std::string& entry : DutyEntries()) {
        dutyList_->addItem(QString::fromStdString(entry));
    }
    dutyList_->setCurrentIndex(kInitialDutyIndex);

    AddCaption(this, "CCP1RL :", 47);
    ccpr1lField_ = AddResultField(this, "ccpr1lField", 64);
    AddCaption(this, "CCP1CON<5:4> :", 87);
    ccp1conField_ = AddResultField(this, "ccp1conField", 104);
    AddCaption(this, "Einzeit :", 127);
    onTimeField_ = AddResultField(this, "onTimeField", 144);
    // The widest on-time there is: nine digits, the point and "ms".
    FitFontToWidth(onTimeField_, QString("000.000000 ms"), TextRoomOf(onTimeField_));

    auto* closeButton = new QPushButton(QString::fromUtf8("Schließen"), this);
    closeButton->setObjectName("closeButton");
    closeButton->setGeometry(15, 180, 80, 20);
    connect(closeButton, &QPushButton::clicked, this, &DutyCycleWindow::closeRequested);

    ComputeDutyCycle();
    connect(dutyList_, &QComboBox::currentIndexChanged, this, &DutyCycleWindow::ComputeDutyCycle);
}

void DutyCycleWindow::FocusDutyList() { dutyList_->setFocus(); }

void DutyCycleWindow::closeEvent(QCloseEvent* event) {
    // No close box and no Alt+F4: the button is the only way out, so the main
    // window is always enabled again.
    event->ignore();
}

void DutyCycleWindow::ComputeDutyCycle() {
    const DutyCycleResult result =
        tastomat::ComputeDutyCycle(pr2Text_.toStdString(), frequencyText_.toStdString(),
                                   dutyList_->currentText().toStdString());
    ccpr1lField_->setText(QString::fromStdString(result.ccpr1l));
    ccp1conField_->setText(QString::fromStdString(result.ccp1con54));
    onTimeField_->setText(QString::fromUtf8(result.onTime));
}

}  // namespace tastomat
