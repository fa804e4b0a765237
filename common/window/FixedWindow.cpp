#include "window/FixedWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void SetUpFixedWindow(QWidget& window, const QString& title, QSize clientSize) {
    window.setWindowTitle(title);
    window.setFixedSize(clientSize);
    const QScreen* screen = window.screen();
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}
