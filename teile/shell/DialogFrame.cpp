#include "DialogFrame.h"

#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>

#include "Images.h"

DialogFrame::DialogFrame(QWidget& mainWindow, Settings& settings, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), settings_(settings) {}

DialogFrame::~DialogFrame() { delete dialog_.data(); }

bool DialogFrame::Open(DialogWindow window, QDialog* dialog, QWidget* focus) {
    if (IsOpen()) {
        delete dialog;
        return false;
    }
    dialog_ = dialog;
    window_ = window;
    // The dialog is a window of its own, not a child of the main window:
    // disabling the main window must leave the dialog usable.
    dialog->setParent(nullptr, dialog->windowFlags() | Qt::Dialog);
    dialog->setWindowIcon(ProgramIcon());
    dialog->winId();
    if (QWindow* handle = dialog->windowHandle()) {
        handle->setTransientParent(mainWindow_.windowHandle());
    }
    SelectAllOnFocus(dialog);
    dialog->installEventFilter(this);
    // "Abbrechen", the close box and Escape all end in reject().
    connect(dialog, &QDialog::rejected, this, &DialogFrame::Close);

    const WindowPosition& remembered = settings_.Dialog(window);
    if (remembered.IsKnown()) {
        dialog->move(remembered.x, remembered.y);
    } else {
        const QRect main = mainWindow_.frameGeometry();
        dialog->move(main.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
    }
    mainWindow_.setEnabled(false);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    if (focus) {
        focus->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

void DialogFrame::Close() {
    if (!IsOpen()) {
        return;
    }
    QDialog* dialog = dialog_;
    // "Abbrechen", Escape and the close box come through reject(), which has
    // hidden the dialog already; it keeps the place it was shown at.
    RememberPosition();
    dialog_ = nullptr;
    dialog->removeEventFilter(this);
    disconnect(dialog, nullptr, this, nullptr);
    dialog->hide();
    dialog->deleteLater();
    mainWindow_.setEnabled(true);
    mainWindow_.raise();
    mainWindow_.activateWindow();
    emit Closed();
}

void DialogFrame::RememberPosition() {
    WindowPosition& position = settings_.Dialog(window_);
    position.x = dialog_->x();
    position.y = dialog_->y();
}

void DialogFrame::SelectAllOnFocus(QWidget* root) {
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) {
        field->installEventFilter(this);
    }
}

bool DialogFrame::eventFilter(QObject* watched, QEvent* event) {
    // A hidden dialog is only being placed, not moved by the user.
    if (watched == dialog_ && event->type() == QEvent::Move && dialog_->isVisible()) {
        RememberPosition();
    } else if (event->type() == QEvent::FocusIn) {
        if (auto* field = qobject_cast<QLineEdit*>(watched)) {
            // After the click that brought the focus has placed the cursor.
            QTimer::singleShot(0, field, &QLineEdit::selectAll);
        }
    }
    return QObject::eventFilter(watched, event);
}
