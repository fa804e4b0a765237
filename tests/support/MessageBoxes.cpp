#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

namespace {

std::string Quoted(const QString& text) { return "\"" + text.toStdString() + "\""; }

}  // namespace

MessageBoxes::MessageBoxes() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &MessageBoxes::Look);
    timer_.start();
}

void MessageBoxes::Look() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box || !box->isVisible()) {
            continue;
        }
        Seen what;
        what.title = box->windowTitle();
        what.text = box->text();
        what.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            what.buttons.append(button->text());
        }
        if (box->defaultButton()) {
            what.defaultButton = box->defaultButton()->text();
        }
        seen.push_back(what);
        if (whenShown) {
            const auto action = std::move(whenShown);
            whenShown = nullptr;
            action();
        }
        QAbstractButton* click = box->escapeButton();
        if (!answers_.empty()) {
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == answers_.front()) {
                    click = button;
                }
            }
            answers_.pop_front();
        }
        if (click) {
            click->click();
        } else {
            box->reject();
        }
        return;
    }
}

::testing::AssertionResult ShowsBox(const MessageBoxes::Seen& seen, const ExpectedBox& expected) {
    ::testing::AssertionResult result = ::testing::AssertionFailure();
    bool differs = false;
    const auto compare = [&](const char* what, const QString& shown, const QString& wanted) {
        if (shown != wanted) {
            result << what << " " << Quoted(shown) << " instead of " << Quoted(wanted) << "; ";
            differs = true;
        }
    };
    compare("title", seen.title, expected.title);
    compare("text", seen.text, expected.text);
    if (seen.icon != expected.icon) {
        result << "icon " << seen.icon << " instead of " << expected.icon << "; ";
        differs = true;
    }
    if (!expected.buttons.isEmpty()) {
        compare("buttons", seen.buttons.join('|'), expected.buttons.join('|'));
    }
    if (!expected.defaultButton.isEmpty()) {
        compare("default button", seen.defaultButton, expected.defaultButton);
    }
    return differs ? result : ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowedBoxes(const MessageBoxes& boxes,
                                       const std::vector<ExpectedBox>& expected) {
    if (boxes.seen.size() != expected.size()) {
        ::testing::AssertionResult result = ::testing::AssertionFailure();
        result << boxes.seen.size() << " boxes instead of " << expected.size() << ":";
        for (const MessageBoxes::Seen& seen : boxes.seen) {
            result << " " << Quoted(seen.text);
        }
        return result;
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (const ::testing::AssertionResult shows = ShowsBox(boxes.seen[i], expected[i]); !shows) {
            return ::testing::AssertionFailure() << "box " << i << ": " << shows.message();
        }
    }
    return ::testing::AssertionSuccess();
}
