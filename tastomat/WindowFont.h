#pragma once
// A small dialog font. The fields are sized for it:
// the prescaler entry and an on-time such as "555.555555 µs" must fit their
// fixed widths, so narrow Arial-like faces are preferred where Tahoma is missing.

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

namespace tastomat {

inline QFont WindowFont() {
    QFont font;
    font.setFamilies({"MS Shell Dlg 2", "Tahoma", "Arial", "Liberation Sans", "Nimbus Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

// The fixed widths of the layout were made for the small dialog font. Where a
// wider stand-in takes its place, a text that would be cut off is narrowed
// (condensed first, then smaller) until it takes at most width pixels; a text
// that fits keeps the font as it is.
inline void FitFontToWidth(QWidget* widget, const QString& text, int width) {
    QFont font = widget->font();
    const auto fits = [&] { return QFontMetrics(font).horizontalAdvance(text) <= width; };
    for (int stretch = 95; !fits() && stretch >= 75; stretch -= 5) {
        font.setStretch(stretch);
    }
    for (qreal size = font.pointSizeF() - 0.5; !fits() && size >= 6; size -= 0.5) {
        font.setPointSizeF(size);
    }
    if (font != widget->font()) {
        widget->setFont(font);
    }
}

}  // namespace tastomat
