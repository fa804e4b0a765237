#include "DesktopTerminal.h"

#include <QStandardPaths>

QString FindDesktopTerminal() {
    // Without a display the terminal could not open its window, and the
    // user would see nothing of what the tool prints.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return {};
    }
    return QStandardPaths::findExecutable(QStringLiteral("x-terminal-emulator"));
}
