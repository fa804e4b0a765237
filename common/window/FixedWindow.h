#pragma once
// The tool windows of the suite (zelvo, tastomat) have a fixed client size, a
// title bar with only the close box, and open centred on their screen. Their
// constructors pass kFixedWindowFlags to QWidget and then call
// SetUpFixedWindow.

#include <QSize>
#include <QString>
#include <Qt>

class QWidget;

inline constexpr Qt::WindowFlags kFixedWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

// Title, fixed client size and the centred position on the window's screen.
void SetUpFixedWindow(QWidget& window, const QString& title, QSize clientSize);
