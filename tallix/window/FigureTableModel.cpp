#include "window/FigureTableModel.h"

#include <QFont>

#include <algorithm>
#include <numeric>

#include "TextRules.h"
#include "WindowText.h"

FigureTableModel::FigureTableModel(FigureTable table, QObject* parent)
    : QAbstractTableModel(parent), table_(std::move(table)), order_(table_.rows.size()) {
    std::iota(order_.begin(), order_.end(), 0);
}

int FigureTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return static_cast<int>(order_.size()) + (table_.totals ? 1 : 0);
}

int FigureTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.columns.size());
}

bool FigureTableModel::IsTotalsRow(int shownRow) const {
    return shownRow == static_cast<int>(order_.size());
}

const FigureRow& FigureTableModel::RowAt(int shownRow) const {
    if (IsTotalsRow(shownRow)) {
        return *table_.totals;
    }
    return table_.rows[static_cast<std::size_t>(order_[static_cast<std::size_t>(shownRow)])];
}

QVariant FigureTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole: {
        const FigureRow& row = RowAt(index.row());
        return column < row.size() ? ToWindowText(row[column].text) : QString();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter | (table_.columns[column].numeric ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::FontRole:
        if (IsTotalsRow(index.row())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default: return {};
    }
}

QVariant FigureTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    const FigureColumn& column = table_.columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) {
        return ToWindowText(column.title);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (column.numeric ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

void FigureTableModel::sort(int column, Qt::SortOrder order) {
    beginResetModel();
    std::iota(order_.begin(), order_.end(), 0);
    if (column >= 0 && column < columnCount()) {
        const auto at = static_cast<std::size_t>(column);
        const bool numeric = table_.columns[at].numeric;
        const auto compare = [&](int a, int b) {
            const FigureCell& left = table_.rows[static_cast<std::size_t>(a)][at];
            const FigureCell& right = table_.rows[static_cast<std::size_t>(b)][at];
            if (numeric) {
                return left.number < right.number ? -1 : (right.number < left.number ? 1 : 0);
            }
            return CompareIgnoringCase(left.text, right.text);
        };
        const bool descending = order == Qt::DescendingOrder;
        std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
            return descending ? compare(b, a) < 0 : compare(a, b) < 0;
        });
    }
    endResetModel();
}

std::vector<std::vector<std::string>> FigureTableModel::ShownLines() const {
    std::vector<std::vector<std::string>> lines;
    lines.reserve(static_cast<std::size_t>(rowCount()) + 1);
    std::vector<std::string> titles;
    for (const FigureColumn& column : table_.columns) {
        titles.push_back(column.title);
    }
    lines.push_back(std::move(titles));
    for (int shown = 0; shown < rowCount(); ++shown) {
        std::vector<std::string> texts;
        for (const FigureCell& cell : RowAt(shown)) {
            texts.push_back(cell.text);
        }
        lines.push_back(std::move(texts));
    }
    return lines;
}
