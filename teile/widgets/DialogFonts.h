#pragma once
// The two fonts of the dialogs: font 0 "MS Sans Serif" at 8 points and font 1,
// the same in bold. Where the face is missing, the system's fallback serves.

#include <QFont>

inline QFont DialogFont(bool bold = false) {
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}
