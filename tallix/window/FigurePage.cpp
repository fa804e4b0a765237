#include "window/FigurePage.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

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

// Measuring every cell of a few thousand rows takes longer than the whole
// rest of the dialog; the widest texts are among the longest, so only those
// are measured.
constexpr std::size_t kMeasuredTexts = 8;

int WidestText(const QFontMetrics& metrics, std::vector<const std::string*> texts) {
    const std::size_t measured = std::min(texts.size(), kMeasuredTexts);
    std::partial_sort(
        texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(measured), texts.end(),
        [](const std::string* a, const std::string* b) { return a->size() > b->size(); });
    int widest = 0;
    for (std::size_t i = 0; i < measured; ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(ToWindowText(*texts[i])));
    }
    return widest;
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
    // A damaged record's absurd number must not squeeze the chart away.
    constexpr int kWidestTable = 760;
    splitter->setSizes({380, std::min(tableWidth + 20, kWidestTable)});
    layout->addWidget(splitter);
}

QWidget* FigurePage::MakeTable(const QString& name, FigureTable table) {
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
    // Unsorted at first: the rows in the order of the category tree.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSortIndicatorShown(true);
    table_->setSortingEnabled(true);
    FitColumns();
    return table_;
}

void FigurePage::FitColumns() {
    const FigureTable& table = model_->Table();
    QFont bold = table_->font();
    bold.setBold(true);
    const QFontMetrics plain(table_->font());
    const QFontMetrics totals(bold);
    const int padding = 2 * (table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 4;
    QHeaderView* header = table_->horizontalHeader();
    for (std::size_t column = 0; column < table.columns.size(); ++column) {
        std::vector<const std::string*> texts;
        texts.reserve(table.rows.size());
        for (const FigureRow& row : table.rows) {
            texts.push_back(&row[column].text);
        }
        int width = WidestText(plain, std::move(texts));
        if (table.totals) {
            width = std::max(width,
                             totals.horizontalAdvance(ToWindowText((*table.totals)[column].text)));
        }
        const int section = static_cast<int>(column);
        header->resizeSection(section, std::max(width + padding, header->sectionSizeHint(section)));
    }
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
