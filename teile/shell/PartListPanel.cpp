#include "PartListPanel.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QTableView>

#include "PartListModel.h"

PartListPanel::PartListPanel(QTableView* view, Settings& settings, QObject* parent)
    : QObject(parent), view_(view), model_(new PartListModel(this)), settings_(settings) {
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setShowGrid(true);
    view_->setWordWrap(false);
    view_->setTabKeyNavigation(false);
    view_->setIconSize(QSize(14, 14));
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 4);
    QHeaderView* header = view_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(10);
    header->setSectionsMovable(false);
    view_->viewport()->installEventFilter(this);

    connect(header, &QHeaderView::sectionClicked, this, &PartListPanel::HeaderClicked);
    connect(header, &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { TakeBackWidth(column, width); });
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (model_->rowCount() > 0) {
            emit SelectedRowChanged(SelectedItemData());
        }
    });
}

void PartListPanel::SwitchListColumns(ListMode mode) {
    mode_ = mode;
    rows_.clear();
    std::vector<std::string> titles;
    std::vector<int> alignments;
    std::vector<int> widths;
    if (mode == ListMode::Category) {
        for (const ListColumn& column : settings_.columns) {
            titles.push_back(column.title);
            alignments.push_back(column.alignment);
            widths.push_back(column.width);
        }
    } else {
        titles = OrderColumnTitles();
        alignments = {kAlignCentred, kAlignLeft, kAlignLeft, kAlignRight, kAlignRight};
        widths.assign(settings_.widths.begin() + 1, settings_.widths.end());
    }
    settingWidths_ = true;
    model_->SetColumns(titles, alignments);
    for (std::size_t column = 0; column < widths.size(); ++column) {
        view_->setColumnWidth(static_cast<int>(column), widths[column]);
    }
    settingWidths_ = false;
}

void PartListPanel::Show(PartListLoad load) {
    rows_ = std::move(load.rows);
    if (rows_.empty()) {
        Clear();
        return;
    }
    model_->SetList(load.shown);
    SelectRow(load.shown.selectedRow);
}

void PartListPanel::Clear() {
    rows_.clear();
    model_->Clear();
}

void PartListPanel::SortAgain(TreeEntryId entry, const SortState& sort) {
    if (rows_.empty()) {
        return;
    }
    const std::optional<int> selected = SelectedItemData();
    const ShownList shown =
        SortPartList(rows_, entry.Supplier(), settings_.columns, sort, selected.value_or(-1));
    model_->SetList(shown);
    SelectRow(shown.selectedRow);
}

void PartListPanel::SelectSlot(int slot) {
    const int row = model_->RowOfItemData(slot);
    SelectRow(row >= 0 ? row : 0);
}

void PartListPanel::SelectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    view_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(index);
}

int PartListPanel::ShownRowCount() const { return model_->rowCount(); }

std::optional<int> PartListPanel::SelectedItemData() const {
    const QModelIndexList selected = view_->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return model_->ItemData(selected.first().row());
}

std::vector<int> PartListPanel::ShownSlots() const {
    std::vector<int> shown;
    for (int row = 0; row < model_->rowCount(); ++row) {
        shown.push_back(model_->ItemData(row));
    }
    return shown;
}

void PartListPanel::TakeBackWidth(int column, int width) {
    if (settingWidths_ || column < 0) {
        return;
    }
    if (mode_ == ListMode::Category) {
        if (column < static_cast<int>(settings_.columns.size())) {
            settings_.columns[static_cast<std::size_t>(column)].width = width;
        }
    } else if (column < kOrderColumnCount) {
        settings_.widths[static_cast<std::size_t>(column) + 1] = width;
    }
}

bool PartListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = view_->indexAt(mouse->position().toPoint());
        const std::optional<int> selected = SelectedItemData();
        if (index.isValid() && selected && *selected != kSumRowItemData &&
            (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton)) {
            emit RowDoubleClicked(mouse->button() == Qt::RightButton);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
