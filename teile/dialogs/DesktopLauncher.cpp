#include "DesktopLauncher.h"

#include <QApplication>
#include <QDesktopServices>

DesktopLauncher& Desktop() {
    static DesktopLauncher launcher{
        [](const QUrl& url) { return QDesktopServices::openUrl(url); },
        [] { QApplication::beep(); },
    };
    return launcher;
}
