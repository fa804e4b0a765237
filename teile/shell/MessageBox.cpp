#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "WindowText.h"

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The active dialog when the parent is disabled behind it, so the box never
// opens under the window the user works in.
QWidget* OwnerFor(QWidget* parent) {
    QWidget* active = QApplication::activeWindow();
    if (active && active->isEnabled()) {
        return active;
    }
    return parent ? parent->window() : active;
}

void PrepareBox(QMessageBox& box, const QString& title, const QString& text, MessageIcon icon) {
    box.setObjectName("messageBox");
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(IconOf(icon));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
}

// The window the box was opened over is the active one again, so the keys and
// the close box of that window work at once.
void GiveBackActivation(const QMessageBox& box) {
    if (QWidget* owner = box.parentWidget()) {
        owner->activateWindow();
    }
}

}  // namespace

Answer AskUser(QWidget* parent, const QString& title, const QString& text, MessageIcon icon,
               Answer defaultAnswer) {
    QMessageBox box(OwnerFor(parent));
    PrepareBox(box, title, text, icon);
    QPushButton* yes = box.addButton("Ja", QMessageBox::YesRole);
    QPushButton* no = box.addButton("Nein", QMessageBox::NoRole);
    yes->setObjectName("yesButton");
    no->setObjectName("noButton");
    box.setDefaultButton(defaultAnswer == Answer::Yes ? yes : no);
    // The close box and Escape count as "Nein": nothing is done without a Yes.
    box.setEscapeButton(no);
    box.exec();
    GiveBackActivation(box);
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

void TellUser(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) {
    QMessageBox box(OwnerFor(parent));
    PrepareBox(box, title, text, icon);
    QPushButton* ok = box.addButton("OK", QMessageBox::AcceptRole);
    ok->setObjectName("okButton");
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    GiveBackActivation(box);
}

Answer MessageBoxPrompter::Ask(const std::string& title, const std::string& text, MessageIcon icon,
                               Answer defaultAnswer) {
    return AskUser(parent_, ToWindowText(title), ToWindowText(text), icon, defaultAnswer);
}

void MessageBoxPrompter::Tell(const std::string& title, const std::string& text, MessageIcon icon) {
    TellUser(parent_, ToWindowText(title), ToWindowText(text), icon);
}
