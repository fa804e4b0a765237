#pragma once
// Measuring and placing text on the pages of a PrintedDocument: one font
// family, texts broken into lines here once, a table row as cells of lines.

#include <QFont>
#include <QFontMetricsF>
#include <QStringList>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PrintedDocument.h"
#include "lists/ListState.h"

// cp1252 bytes of the data files as the text on paper.
QString PrintText(const std::string& cp1252);

// The face of every printed text, embedded into the PDF.
QFont DocumentFont(TextStyle style);

inline const QColor kInk(0, 0, 0);
inline const QColor kShortageInk(255, 0, 0);  // as the part list marks a shortage
inline const QColor kGridInk(170, 170, 170);

struct TableColumn {
    double left = 0.0;
    double width = 0.0;
    ColumnAlignment alignment = kAlignLeft;
};

// One row of a table, broken into lines per cell.
struct TableRow {
    std::vector<QStringList> cells;
    int lineCount = 1;
};

class PageComposer {
public:
    PageComposer();

    double Width(const QString& text, TextStyle style);
    double LineHeight(TextStyle style);
    double Ascent(TextStyle style);

    // Breaks `text` into lines no wider than `width`: at blanks where it can,
    // inside a word only where a word alone is too wide. Never empty.
    QStringList Wrap(const QString& text, TextStyle style, double width);

    void NewPage() { pages_.emplace_back(); }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Places one line inside [left, left + width] on the page's baseline.
    void Text(int page, double left, double width, double baseline, const QString& text,
              TextStyle style, ColumnAlignment alignment = kAlignLeft, const QColor& colour = kInk);
    // Places lines top-down from `top`; returns the height they took.
    double Lines(int page, double left, double width, double top, const QStringList& lines,
                 TextStyle style, ColumnAlignment alignment = kAlignLeft);
    void Rule(int page, double left, double right, double y, double width,
              const QColor& colour = kInk);

    // `style`, made smaller down to `smallest` size until every word of each
    // text fits its column: column titles are short words that read badly
    // when cut.
    TextStyle FittingStyle(const QStringList& texts, const std::vector<TableColumn>& columns,
                           TextStyle style, int smallest);
    // Cells wrapped to their columns, at most `maxLines` lines each.
    TableRow WrapRow(const QStringList& cells, const std::vector<TableColumn>& columns,
                     TextStyle style, int maxLines);
    double RowHeight(const TableRow& row, TextStyle style);
    void DrawRow(int page, double top, const TableRow& row, const std::vector<TableColumn>& columns,
                 TextStyle style, const QColor& colour = kInk);

    PrintedDocument TakeDocument();

private:
    struct Face {
        QFont font;
        QFontMetricsF metrics;
    };
    const Face& FaceOf(TextStyle style);

    std::map<TextStyle, std::unique_ptr<Face>> faces_;
    std::vector<DocumentPage> pages_;
};

// Room between a cell's text and its neighbours.
inline constexpr double kCellPadding = Millimetres(1.2);
