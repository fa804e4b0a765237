#pragma once
// The part list as the engine displays it (ShownList): titles, texts, colours,
// the marks of order rows and each row's slot as item data.

#include <QAbstractTableModel>

#include <vector>

#include "lists/ListState.h"
#include "lists/SortPartList.h"

class PartListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The row's slot; -1 for the "Gesamtsumme:" row of an order list.
    static constexpr int kItemDataRole = Qt::UserRole;

    explicit PartListModel(QObject* parent = nullptr);

    // A new column set (alignments 0 left, 1 right, 2 centred); no rows.
    void SetColumns(const std::vector<std::string>& titles, const std::vector<int>& alignments);
    // Rows and titles ("*" marks the sorted column) of the set on show.
    void SetList(const ShownList& list);
    void Clear();

    int ItemData(int row) const;
    // Row of the first row whose item data is `itemData`, -1 none.
    int RowOfItemData(int itemData) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<QString> titles_;
    std::vector<Qt::Alignment> alignments_;
    struct Row {
        std::vector<QString> texts;
        std::vector<Rgb> colours;
        RowIcon icon = RowIcon::None;
        int itemData = -1;
    };
    std::vector<Row> rows_;
};
