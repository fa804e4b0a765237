#include "DocumentPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <map>

#include "PageComposer.h"

bool PaintDocument(const PrintedDocument& document, QPagedPaintDevice& device,
                   const CancelCheck& cancelled) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(device.logicalDpiX() / 720.0, device.logicalDpiY() / 720.0);
    std::map<TextStyle, QFont> fonts;
    for (std::size_t number = 0; number < document.pages.size(); ++number) {
        if (cancelled()) {
            painter.end();
            return false;
        }
        if (number > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        const DocumentPage& page = document.pages[number];
        for (const PlacedRule& rule : page.rules) {
            painter.setPen(QPen(rule.colour, rule.width, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(rule.line);
        }
        for (const PlacedText& text : page.texts) {
            auto font = fonts.find(text.style);
            if (font == fonts.end()) {
                font = fonts.emplace(text.style, DocumentFont(text.style)).first;
            }
            painter.setFont(font->second);
            painter.setPen(text.colour);
            painter.drawText(text.baseline, text.text);
        }
    }
    return painter.end();
}
