#pragma once
// Places the controls of a dialog at their given coordinates: on the dialog
// itself, on a tab page or in a container of it. Fields of text take only
// what the data files can hold.

#include <QFrame>
#include <QRect>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// A reader of the data files gets at most this many characters of a value.
inline constexpr int kLongestValue = 254;
inline constexpr int kCaptionHeight = 15;
inline constexpr int kFieldHeight = 20;

// A caption and the text field right below it.
struct CaptionedField {
    QLabel* caption;
    QLineEdit* field;
};

class DialogBuilder {
public:
    explicit DialogBuilder(QWidget* parent) : parent_(parent) {}

    QFrame* Frame(const QRect& place, QFrame::Shape shape = QFrame::StyledPanel,
                  QFrame::Shadow shadow = QFrame::Plain);
    // A caption that may grow to the right up to `rightEdge` where its font
    // runs wider than the one it was measured for.
    QLabel* Label(const QString& caption, const QRect& place,
                  std::optional<int> rightEdge = std::nullopt);
    // A control of type `Control` (a field, a list, a box) named `name`.
    template <typename Control>
    Control* Place(const QString& name, const QRect& place) {
        auto* control = new Control(parent_);
        Name(control, name, place);
        return control;
    }
    // A text field for cp1252 text; no limit of its own when `maxLength` is
    // nullopt.
    QLineEdit* TextField(const QString& name, const QRect& place,
                         std::optional<int> maxLength = kLongestValue);
    // The caption at `at`, `captionWidth` wide, may grow up to `rightEdge`;
    // the field below it is `fieldWidth` wide.
    CaptionedField TextFieldWithCaption(const QString& caption, const QString& name, QPoint at,
                                        int captionWidth, int fieldWidth, int rightEdge);
    QPushButton* Button(const QString& caption, const QString& name, const QRect& place);

private:
    static void Name(QWidget* control, const QString& name, const QRect& place);

    QWidget* parent_;
};
