#include "PartListModel.h"

#include <QBrush>
#include <QColor>

#include "Images.h"
#include "WindowText.h"

namespace {

Qt::Alignment AlignmentOf(int alignment) {
    switch (alignment) {
    case kAlignRight: return Qt::AlignRight | Qt::AlignVCenter;
    case kAlignCentred: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

int ImageOf(RowIcon icon) {
    switch (icon) {
    case RowIcon::HiddenPosition: return kImageHiddenPosition;
    case RowIcon::ZeroAmount: return kImageZeroAmount;
    case RowIcon::ShownPosition: return kImageShownPosition;
    case RowIcon::None: break;
    }
    return -1;
}

}  // namespace

PartListModel::PartListModel(QObject* parent) : QAbstractTableModel(parent) {}

void PartListModel::SetColumns(const std::vector<std::string>& titles,
                               const std::vector<int>& alignments) {
    beginResetModel();
    titles_.clear();
    alignments_.clear();
    for (std::size_t column = 0; column < titles.size(); ++column) {
        titles_.push_back(ToWindowText(titles[column]));
        alignments_.push_back(AlignmentOf(column < alignments.size() ? alignments[column] : 0));
    }
    rows_.clear();
    endResetModel();
}

void PartListModel::SetList(const ShownList& list) {
    beginResetModel();
    for (std::size_t column = 0; column < titles_.size() && column < list.titles.size(); ++column) {
        titles_[column] = ToWindowText(list.titles[column]);
    }
    rows_.clear();
    rows_.reserve(list.rows.size());
    for (const ShownRow& shown : list.rows) {
        Row row;
        row.texts.reserve(shown.texts.size());
        for (const std::string& text : shown.texts) {
            row.texts.push_back(ToWindowText(text));
        }
        row.colours = shown.colours;
        row.icon = shown.icon;
        row.itemData = shown.itemData;
        rows_.push_back(std::move(row));
    }
    endResetModel();
}

void PartListModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int PartListModel::ItemData(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size())
               ? rows_[static_cast<std::size_t>(row)].itemData
               : -1;
}

int PartListModel::RowOfItemData(int itemData) const {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].itemData == itemData) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

int PartListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PartListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant PartListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) {
        return {};
    }
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole: return column < row.texts.size() ? row.texts[column] : QString();
    case Qt::ForegroundRole:
        if (column < row.colours.size() && row.colours[column] != kNormalText) {
            const Rgb& colour = row.colours[column];
            return QBrush(QColor(colour.red, colour.green, colour.blue));
        }
        return {};
    case Qt::TextAlignmentRole:
        return column < alignments_.size() ? QVariant(alignments_[column].toInt()) : QVariant();
    case Qt::DecorationRole:
        if (column == 0 && row.icon != RowIcon::None) {
            return BuiltInImage(ImageOf(row.icon));
        }
        return {};
    case kItemDataRole: return row.itemData;
    default: return {};
    }
}

QVariant PartListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(titles_.size())) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return titles_[static_cast<std::size_t>(section)];
    }
    if (role == Qt::TextAlignmentRole) {
        return alignments_[static_cast<std::size_t>(section)].toInt();
    }
    return {};
}
