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
#include <memory>
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

struct FileDialogSeen {
    QString title;
    QStringList filters;
    QString selectedFilter;
};

// The dialog's title and filters, then `file` chosen, or cancel for "".
// QFileDialog::selectFile leaves the name field alone while that field has
// the keyboard, which it gets as the dialog becomes active: the field gives
// the focus up first, and "Öffnen" is pressed once the dialog holds `file`
// (or after a while in any case, so that a test fails rather than hangs on a
// "not found" box).
inline void ChooseInFileDialog(FileDialogSeen& seen, const std::string& file) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    const QString wanted = QString::fromStdString(file);
    auto looks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, &seen, wanted, looks] {
        QFileDialog* dialog = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* shown = qobject_cast<QFileDialog*>(widget); shown && shown->isVisible()) {
                dialog = shown;
            }
        }
        if (!dialog) {
            return;
        }
        if ((*looks)++ == 0) {
            seen = {dialog->windowTitle(), dialog->nameFilters(), dialog->selectedNameFilter()};
        }
        if (!wanted.isEmpty() && dialog->selectedFiles() != QStringList{wanted} && *looks < 200) {
            if (QWidget* focus = QApplication::focusWidget();
                focus && dialog->isAncestorOf(focus)) {
                focus->clearFocus();
            }
            dialog->selectFile(wanted);
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (wanted.isEmpty()) {
            dialog->reject();
        } else {
            // What "Öffnen" does.
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    timer->start();
}

// With TEILE_GRABS set to a folder, the window is saved there as name.png.
inline void GrabIfAsked(QWidget* window, const char* name) {
    if (const char* folder = std::getenv("TEILE_GRABS")) {
        window->grab().save(QString("%1/%2.png").arg(folder, name));
    }
}
