#pragma once
// How every dialog of teile opens and closes (windows 1-5 and 10-12): built
// when it opens, deleted when it closes; the main window is disabled while it
// is open, so at most one is. It opens centred on the main window or at its
// remembered position, which is taken back whenever it moves and when it
// closes. A single-line field selects all of its text when it gains the focus.

#include <QObject>
#include <QPointer>

#include "WindowSettings.h"

#include <QDialog>
class QWidget;

class DialogFrame : public QObject {
    Q_OBJECT

public:
    DialogFrame(QWidget& mainWindow, Settings& settings, QObject* parent = nullptr);
    ~DialogFrame() override;

    // OpenDialog: takes ownership of `dialog` (built, filled, not yet shown)
    // and gives `focus` the keyboard focus. Refused (the dialog is deleted)
    // while another dialog is open.
    bool Open(DialogWindow window, QDialog* dialog, QWidget* focus);
    // CloseDialog for the open dialog; nothing when none is open.
    void Close();

    QDialog* OpenDialog() const { return dialog_; }
    bool IsOpen() const { return !dialog_.isNull(); }

    // The select-all rule for every single-line field below `root`.
    void SelectAllOnFocus(QWidget* root);

signals:
    // After CloseDialog, with the main window enabled and active again.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RememberPosition();

    QWidget& mainWindow_;
    Settings& settings_;
    QPointer<QDialog> dialog_;
    DialogWindow window_ = DialogWindow::Category;
};
