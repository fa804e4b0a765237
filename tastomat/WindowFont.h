#pragma once
// A small dialog font. The fields are sized for it:
// the prescaler entry and an on-time such as "555.555555 µs" must fit their
// fixed widths, so narrow Arial-like faces are preferred where Tahoma is missing.

#include <QFont>
#include <QStringList>

namespace tastomat {

inline QFont WindowFont() {
    QFont font;
    font.setFamilies({"MS Shell Dlg 2", "Tahoma", "Arial", "Liberation Sans", "Nimbus Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

}  // namespace tastomat
