#include "window/FigurePage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "WindowText.h"
#include "window/BarChartView.h"
#include "window/FigureTableModel.h"

namespace {

QLabel* MakeEmptyLabel(const QString& objectName, const std::string& text, QWidget* parent) {
    auto* label = new QLabel(ToWindowText(text), parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    label->setFont(font);
    return label;
}

}  // namespace

FigurePage::FigurePage(const QString& name, FigureTable table, const BarChart* chart,
                       QWidget* parent)
    : QWidget(parent) {
    setObjectName(name + "Page");
    auto* layout = new QVBoxLayout(this);
    if (table.rows.empty()) {
        layout->addWidget(MakeEmptyLabel(name + "Empty", table.emptyText, this));
        return;
    }
    QWidget* tableWidget = MakeTable(name, std::move(table));
    if (chart == nullptr) {
        layout->addWidget(tableWidget);
        return;
    }
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(MakeChartArea(name, *chart));
    splitter->addWidget(tableWidget);
    // The table as wide as its columns need, the chart the rest.
    const int tableWidth = table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                           table_->verticalScrollBar()->sizeHint().width();
    splitter->setSizes({380, tableWidth + 20});
    layout->addWidget(splitter);
}

QWidget* FigurePage::MakeTable(const QString& name, FigureTable table) {
    const int sortColumn = table.initialSortColumn;
    table_ = new QTableView(this);
    table_->setObjectName(name + "Table");
    model_ = new FigureTableModel(std::move(table), table_);
    table_->setModel(model_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    QHeaderView* header = table_->horizontalHeader();
    header->setSortIndicator(sortColumn, Qt::AscendingOrder);
    header->setSortIndicatorShown(true);
    table_->setSortingEnabled(true);
    table_->resizeColumnsToContents();
    return table_;
}

QWidget* FigurePage::MakeChartArea(const QString& name, const BarChart& chart) {
    if (!chart.HasValues()) {
        return MakeEmptyLabel(name + "ChartEmpty", chart.emptyText, this);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    chart_ = MakeBarChartView(chart, scroll);
    chart_->setObjectName(name + "Chart");
    scroll->setWidget(chart_);
    scroll->setMinimumWidth(320);
    return scroll;
}
