#pragma once
// A document laid out once, as positioned texts and lines per page, so that
// the PDF and every later print from the preview show the very same pages.
// Coordinates are layout units of 1/720 inch on an A4 page; a font size is
// its pixel size in those units (90 is 9 points).

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <vector>

inline constexpr double kUnitsPerMillimetre = 720.0 / 25.4;
constexpr double Millimetres(double mm) { return mm * kUnitsPerMillimetre; }
inline const QSizeF kA4InUnits(Millimetres(210.0), Millimetres(297.0));

struct TextStyle {
    int size = 90;
    bool bold = false;
    auto operator<=>(const TextStyle&) const = default;
};

struct PlacedText {
    QPointF baseline;  // where the text starts, on its baseline
    QString text;      // one line, never wrapped again when drawn
    TextStyle style;
    QColor colour;
};

struct PlacedRule {
    QLineF line;
    double width = 1.0;
    QColor colour;
};

struct DocumentPage {
    std::vector<PlacedText> texts;
    std::vector<PlacedRule> rules;
};

struct PrintedDocument {
    std::vector<DocumentPage> pages;
};
