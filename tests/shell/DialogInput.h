#pragma once
// Input into dialog controls as a user gives it, and pictures of the windows
// for looking at them.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <cstdlib>

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

// With TEILE_GRABS set to a folder, the window is saved there as name.png.
inline void GrabIfAsked(QWidget* window, const char* name) {
    if (const char* folder = std::getenv("TEILE_GRABS")) {
        window->grab().save(QString("%1/%2.png").arg(folder, name));
    }
}
