#pragma once
// The message boxes of a window test: each box that opens is answered as the
// test says and remembered as it was shown, and ShowsBox checks one against
// what the test expects of it.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

// Clicks the buttons of the message boxes that open, in order, and keeps what
// each box showed. A box nobody expected is closed with its escape button.
class MessageBoxes : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        QString defaultButton;
    };

    MessageBoxes();
    // The button to click in the next box ("Ja", "Nein", "OK").
    void Answer(const QString& button) { answers_.push_back(button); }
    // Runs once when the next box shows, before its button is clicked.
    std::function<void()> whenShown;
    bool AllAnswered() const { return answers_.empty(); }

    std::vector<Seen> seen;

private:
    void Look();

    QTimer timer_;
    std::deque<QString> answers_;
};

// A box as a test expects it; buttons and default button are only compared
// when given.
struct ExpectedBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QStringList buttons = {};
    QString defaultButton = {};
};

// Whether `seen` showed what `expected` gives; the failure says what differs.
::testing::AssertionResult ShowsBox(const MessageBoxes::Seen& seen, const ExpectedBox& expected);
// Exactly the boxes `expected`, in that order.
::testing::AssertionResult ShowedBoxes(const MessageBoxes& boxes,
                                       const std::vector<ExpectedBox>& expected);
