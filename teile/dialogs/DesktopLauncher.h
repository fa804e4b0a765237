#pragma once
// How the part editor hands a file to the desktop's default program (xdg-open
// on Linux) and gives the short beep of a "!" without a file. Tests put their
// own functions in place, so no program is started while they run.

#include <QUrl>

#include <functional>

struct DesktopLauncher {
    // False when the desktop reports that it could not open the file.
    std::function<bool(const QUrl&)> open;
    std::function<void()> beep;
};

// The one launcher of the process, set to the desktop's own at first.
DesktopLauncher& Desktop();
