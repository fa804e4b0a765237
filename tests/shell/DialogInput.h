#pragma once
// Input into dialog controls as a user gives it, and pictures of the windows
// for looking at them.

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <functional>
#include <string>

// Replaces the field's text, typed key by key (letters beyond ASCII too).
inline void TypeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar letter : text) {
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QString(letter), {});
        QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, QString(letter), {});
    }
}

// Chooses entry `index` of a drop-down list with the arrow keys.
inline void ChooseEntry(QComboBox* list, int index) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int step = 0; step < index; ++step) {
        QTest::keyClick(list, Qt::Key_Down);
    }
}

// Runs `act` on the next file dialog once it shows: it runs a loop of its own.
inline void WhenFileDialogShows(std::function<void(QFileDialog*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (dialog && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                act(dialog);
                return;
            }
        }
    });
    timer->start();
}

struct FileDialogSeen {
    QString title;
    QStringList filters;
    QString selectedFilter;
};

// The dialog's title and filters, then `file` chosen, or cancel for "".
inline void ChooseInFileDialog(FileDialogSeen& seen, const std::string& file) {
    WhenFileDialogShows([&seen, file](QFileDialog* dialog) {
        seen = {dialog->windowTitle(), dialog->nameFilters(), dialog->selectedNameFilter()};
        if (file.empty()) {
            dialog->reject();
            return;
        }
        // The dialog fills its name field only while that field lacks the
        // focus, and the focus arrives with the window's activation, later on
        // a loaded machine: without this the dialog at times got no name and
        // "Öffnen" kept it open for good.
        if (QWidget* focused = dialog->focusWidget()) {
            focused->clearFocus();
        }
        dialog->selectFile(QString::fromStdString(file));
        // What "Öffnen" does.
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

// With TEILE_GRABS set to a folder, the window is saved there as name.png.
inline void GrabIfAsked(QWidget* window, const char* name) {
    if (const char* folder = std::getenv("TEILE_GRABS")) {
        window->grab().save(QString("%1/%2.png").arg(folder, name));
    }
}
