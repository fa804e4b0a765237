#include "PageComposer.h"

#include <algorithm>

#include "Cp1252.h"

namespace {

// Above and below the lines of a table row, in step with its text size.
constexpr double kRowPadding = 0.18;

}  // namespace

QString PrintText(const std::string& cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QFont DocumentFont(TextStyle style) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(style.size);
    font.setBold(style.bold);
    // Widths measured once must hold on every device the pages are drawn on.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

PageComposer::PageComposer() = default;

const PageComposer::Face& PageComposer::FaceOf(TextStyle style) {
    std::unique_ptr<Face>& face = faces_[style];
    if (!face) {
        const QFont font = DocumentFont(style);
        face = std::make_unique<Face>(Face{font, QFontMetricsF(font)});
    }
    return *face;
}

double PageComposer::Width(const QString& text, TextStyle style) {
    return FaceOf(style).metrics.horizontalAdvance(text);
}

double PageComposer::LineHeight(TextStyle style) { return FaceOf(style).metrics.lineSpacing(); }

double PageComposer::Ascent(TextStyle style) { return FaceOf(style).metrics.ascent(); }

QStringList PageComposer::Wrap(const QString& text, TextStyle style, double width) {
    const QFontMetricsF& metrics = FaceOf(style).metrics;
    if (metrics.horizontalAdvance(text) <= width) {
        return {text};
    }
    QStringList lines;
    QString line;
    for (QString word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.isEmpty()) {
            lines.append(line);
            line.clear();
        }
        // A word wider than the column is cut where it must be, so nothing of
        // it is lost beyond the column's edge.
        while (word.size() > 1 && metrics.horizontalAdvance(word) > width) {
            qsizetype fits = 1;
            qsizetype tooLong = word.size();
            while (tooLong - fits > 1) {
                const qsizetype middle = (fits + tooLong) / 2;
                (metrics.horizontalAdvance(word.left(middle)) <= width ? fits : tooLong) = middle;
            }
            lines.append(word.left(fits));
            word = word.mid(fits);
        }
        line = word;
    }
    if (!line.isEmpty() || lines.isEmpty()) {
        lines.append(line);
    }
    return lines;
}

void PageComposer::Text(int page, double left, double width, double baseline, const QString& text,
                        TextStyle style, ColumnAlignment alignment, const QColor& colour) {
    if (text.isEmpty()) {
        return;
    }
    const double free = width - Width(text, style);
    double x = left;
    if (free > 0 && alignment == kAlignRight) {
        x += free;
    } else if (free > 0 && alignment == kAlignCentred) {
        x += free / 2;
    }
    pages_[static_cast<std::size_t>(page)].texts.push_back(
        {QPointF(x, baseline), text, style, colour});
}

double PageComposer::Lines(int page, double left, double width, double top,
                           const QStringList& lines, TextStyle style, ColumnAlignment alignment) {
    const double height = LineHeight(style);
    double baseline = top + Ascent(style);
    for (const QString& line : lines) {
        Text(page, left, width, baseline, line, style, alignment);
        baseline += height;
    }
    return height * static_cast<double>(lines.size());
}

void PageComposer::Rule(int page, double left, double right, double y, double width,
                        const QColor& colour) {
    pages_[static_cast<std::size_t>(page)].rules.push_back(
        {QLineF(left, y, right, y), width, colour});
}

TextStyle PageComposer::FittingStyle(const QStringList& texts,
                                     const std::vector<TableColumn>& columns, TextStyle style,
                                     int smallest) {
    const auto fits = [&](TextStyle candidate) {
        for (std::size_t i = 0; i < columns.size() && i < static_cast<std::size_t>(texts.size());
             ++i) {
            for (const QString& word : texts[i].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                if (Width(word, candidate) > columns[i].width - 2 * kCellPadding) {
                    return false;
                }
            }
        }
        return true;
    };
    while (style.size > smallest && !fits(style)) {
        style.size = std::max(smallest, style.size - 5);
    }
    return style;
}

TableRow PageComposer::WrapRow(const QStringList& cells, const std::vector<TableColumn>& columns,
                               TextStyle style, int maxLines) {
    TableRow row;
    row.cells.reserve(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const QString text = i < static_cast<std::size_t>(cells.size()) ? cells[i] : QString();
        QStringList lines = Wrap(text, style, columns[i].width - 2 * kCellPadding);
        if (lines.size() > maxLines) {
            // Only a row taller than a whole page is shortened, and says so.
            lines = lines.mid(0, std::max(1, maxLines));
            lines.last() += QChar(0x2026);
        }
        row.lineCount = std::max(row.lineCount, static_cast<int>(lines.size()));
        row.cells.push_back(std::move(lines));
    }
    return row;
}

double PageComposer::RowHeight(const TableRow& row, TextStyle style) {
    return (row.lineCount + 2 * kRowPadding) * LineHeight(style);
}

void PageComposer::DrawRow(int page, double top, const TableRow& row,
                           const std::vector<TableColumn>& columns, TextStyle style,
                           const QColor& colour) {
    const double lineHeight = LineHeight(style);
    const double firstBaseline = top + kRowPadding * lineHeight + Ascent(style);
    for (std::size_t i = 0; i < columns.size() && i < row.cells.size(); ++i) {
        const TableColumn& column = columns[i];
        double baseline = firstBaseline;
        for (const QString& line : row.cells[i]) {
            Text(page, column.left + kCellPadding, column.width - 2 * kCellPadding, baseline, line,
                 style, column.alignment, colour);
            baseline += lineHeight;
        }
    }
}

PrintedDocument PageComposer::TakeDocument() {
    PrintedDocument document;
    document.pages = std::move(pages_);
    pages_.clear();
    return document;
}
