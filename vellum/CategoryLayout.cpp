#include <cmath>

#include "DocumentLayout.h"
#include "PageComposer.h"

namespace {

const double kLeft = Millimetres(15);
const double kRight = Millimetres(195);
const double kTop = Millimetres(14);
const double kBottom = Millimetres(283);

constexpr TextStyle kTitle{140, true};
constexpr TextStyle kPageInfo{90, false};
constexpr TextStyle kColumnHeader{85, true};
constexpr TextStyle kCell{85, false};
constexpr TextStyle kCount{85, true};

QString PageInfo(const QString& date, int page, int pages) {
    return QStringLiteral("%1 \u2013 Seite %2 von %3").arg(date).arg(page).arg(pages);
}

}  // namespace

PrintedDocument LayOutCategory(const CategoryContent& content, const QDate& date,
                               const CancelCheck& cancelled) {
    PageComposer composer;
    const double width = kRight - kLeft;
    std::vector<TableColumn> columns;
    double x = kLeft;
    QStringList titles;
    for (const CategoryContent::Column& column : content.columns) {
        columns.push_back({x, column.share * width, column.alignment});
        x += column.share * width;
        titles.append(PrintText(column.title));
    }

    const QString dateText = date.toString(QStringLiteral("dd.MM.yyyy"));
    // The title keeps clear of the widest page information it can meet.
    const double infoWidth = composer.Width(PageInfo(dateText, 999, 999), kPageInfo);
    const QStringList title =
        composer.Wrap(PrintText(content.name), kTitle, width - infoWidth - Millimetres(6));
    const double titleRule = kTop + title.size() * composer.LineHeight(kTitle) + Millimetres(1.5);
    const TextStyle headerStyle = composer.FittingStyle(titles, columns, kColumnHeader, 60);
    const TableRow header = composer.WrapRow(titles, columns, headerStyle, 3);
    const double headerTop = titleRule + Millimetres(2);
    const double bodyTop = headerTop + composer.RowHeight(header, headerStyle);
    const int linesPerPage = static_cast<int>(
        std::floor((kBottom - bodyTop - Millimetres(2)) / composer.LineHeight(kCell)));

    int page = -1;
    double y = 0;
    const auto startPage = [&] {
        composer.NewPage();
        ++page;
        composer.Lines(page, kLeft, width, kTop, title, kTitle);
        composer.Rule(page, kLeft, kRight, titleRule, 5);
        composer.DrawRow(page, headerTop, header, columns, headerStyle);
        composer.Rule(page, kLeft, kRight, bodyTop, 5);
        y = bodyTop;
    };
    startPage();

    if (content.rows.empty()) {
        composer.Lines(page, kLeft + kCellPadding, width, y + Millimetres(2),
                       {QStringLiteral("keine Teile")}, kCell);
    }
    for (const CategoryContent::Row& row : content.rows) {
        if (cancelled()) {
            return composer.TakeDocument();
        }
        QStringList cells;
        for (const std::string& cell : row.cells) {
            cells.append(PrintText(cell));
        }
        const TableRow wrapped = composer.WrapRow(cells, columns, kCell, linesPerPage);
        const double height = composer.RowHeight(wrapped, kCell);
        if (y + height > kBottom) {
            startPage();
        }
        composer.DrawRow(page, y, wrapped, columns, kCell, row.shortage ? kShortageInk : kInk);
        y += height;
        composer.Rule(page, kLeft, kRight, y, 2, kGridInk);
    }
    if (!content.rows.empty()) {
        if (y + Millimetres(2) + composer.LineHeight(kCount) > kBottom) {
            startPage();
        }
        composer.Lines(page, kLeft + kCellPadding, width, y + Millimetres(2),
                       {PrintText(content.countText)}, kCount);
    }

    const int pages = composer.PageCount();
    for (int number = 0; number < pages; ++number) {
        composer.Text(number, kLeft, width, kTop + composer.Ascent(kTitle),
                      PageInfo(dateText, number + 1, pages), kPageInfo, kAlignRight);
    }
    return composer.TakeDocument();
}
