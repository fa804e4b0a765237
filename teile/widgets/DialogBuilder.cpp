#include "DialogBuilder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogCaption.h"
#include "WindowText.h"

QFrame* DialogBuilder::Frame(const QRect& place, QFrame::Shape shape, QFrame::Shadow shadow) {
    auto* frame = new QFrame(parent_);
    frame->setFrameStyle(shape | shadow);
    frame->setGeometry(place);
    return frame;
}

QLabel* DialogBuilder::Label(const QString& caption, const QRect& place,
                             std::optional<int> rightEdge) {
    auto* label = new QLabel(caption, parent_);
    label->setGeometry(place);
    if (rightEdge) {
        FitCaption(label, *rightEdge);
    }
    return label;
}

QLineEdit* DialogBuilder::TextField(const QString& name, const QRect& place,
                                    std::optional<int> maxLength) {
    auto* field = Place<QLineEdit>(name, place);
    if (maxLength) {
        field->setMaxLength(*maxLength);
    }
    field->setValidator(new Cp1252Validator(field));
    return field;
}

CaptionedField DialogBuilder::TextFieldWithCaption(const QString& caption, const QString& name,
                                                   QPoint at, int captionWidth, int fieldWidth,
                                                   int rightEdge) {
    QLabel* label = Label(caption, {at.x(), at.y(), captionWidth, kCaptionHeight}, rightEdge);
    QLineEdit* field = TextField(name, {at.x(), at.y() + kCaptionHeight, fieldWidth, kFieldHeight});
    label->setBuddy(field);
    return {label, field};
}

QPushButton* DialogBuilder::Button(const QString& caption, const QString& name,
                                   const QRect& place) {
    auto* button = new QPushButton(caption, parent_);
    Name(button, name, place);
    return button;
}

void DialogBuilder::Name(QWidget* control, const QString& name, const QRect& place) {
    control->setObjectName(name);
    control->setGeometry(place);
}
