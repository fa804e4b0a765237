#include "window/BarChartView.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalBarSeries>
#include <QLocale>
#include <QStringList>
#include <QValueAxis>

#include <algorithm>

#include "TextRules.h"
#include "WindowText.h"

namespace {

bool IsDarkPalette(const QWidget* widget) {
    const QPalette palette = widget ? widget->palette() : QPalette();
    return palette.color(QPalette::Window).lightness() < 128;
}

// The category axis keeps one entry per label; two categories of the same
// name and value still get a bar each.
QStringList UniqueLabels(const std::vector<Bar>& bars) {
    QStringList labels;
    for (const Bar& bar : bars) {
        QString label = ToWindowText(bar.label);
        while (labels.contains(label)) {
            label += QChar(' ');
        }
        labels.append(label);
    }
    return labels;
}

// Qt Charts computes its ticks and positions in doubles that overflow long
// before a damaged price does; no stock of this world is worth more.
constexpr double kLongestBar = 1e15;

double BarLength(double value) { return std::clamp(value, -kLongestBar, kLongestBar); }

// Room on both sides of zero for the value written behind each bar.
std::pair<double, double> AxisRange(const std::vector<Bar>& bars) {
    double lowest = 0.0;
    double highest = 0.0;
    for (const Bar& bar : bars) {
        lowest = std::min(lowest, BarLength(bar.value));
        highest = std::max(highest, BarLength(bar.value));
    }
    constexpr double kRoom = 1.3;
    return {lowest * kRoom, highest > lowest ? highest * kRoom : lowest + 1.0};
}

// Each bar's value behind its end, written as the table writes it (Qt's own
// bar labels know no fixed two decimals). They move with the plot area.
void LabelBars(QChart* figure, QAbstractBarSeries* series, const std::vector<Bar>& bars,
               const QAbstractAxis* names) {
    std::vector<std::pair<QGraphicsSimpleTextItem*, double>> labels;
    for (const Bar& bar : bars) {
        auto* label = new QGraphicsSimpleTextItem(ToWindowText(PriceText(bar.value)), figure);
        label->setBrush(names->labelsBrush());
        label->setFont(names->labelsFont());
        labels.emplace_back(label, bar.value);
    }
    QObject::connect(figure, &QChart::plotAreaChanged, figure, [figure, series, labels] {
        constexpr qreal kGap = 5.0;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const auto [label, value] = labels[i];
            const QPointF end =
                figure->mapToPosition(QPointF(BarLength(value), static_cast<qreal>(i)), series);
            const QRectF box = label->boundingRect();
            const qreal x = value < 0.0 ? end.x() - kGap - box.width() : end.x() + kGap;
            label->setPos(x, end.y() - box.height() / 2.0);
        }
    });
}

}  // namespace

QChartView* MakeBarChartView(const BarChart& chart, QWidget* parent) {
    // A horizontal bar chart draws its first bar at the bottom; the table
    // beside lists the first entry at the top.
    const std::vector<Bar> bars(chart.bars.rbegin(), chart.bars.rend());
    auto* figure = new QChart;
    figure->setTheme(IsDarkPalette(parent) ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    figure->setTitle(ToWindowText(chart.title));
    figure->legend()->hide();
    // Axis numbers as the main window writes prices: decimal comma, no
    // thousands dots.
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    figure->setLocale(german);
    figure->setLocalizeNumbers(true);

    auto* values = new QBarSet(ToWindowText(chart.title));
    for (const Bar& bar : bars) {
        values->append(BarLength(bar.value));
    }
    auto* series = new QHorizontalBarSeries;
    series->append(values);
    series->setBarWidth(bars.size() > 3 ? 0.7 : 0.45);
    figure->addSeries(series);

    auto* names = new QBarCategoryAxis;
    names->append(UniqueLabels(bars));
    names->setGridLineVisible(false);
    figure->addAxis(names, Qt::AlignLeft);
    series->attachAxis(names);

    auto* amounts = new QValueAxis;
    const auto [lowest, highest] = AxisRange(bars);
    amounts->setRange(lowest, highest);
    amounts->setTickCount(5);
    // The values stand behind the bars; grid lines would only cross them.
    amounts->setGridLineVisible(false);
    amounts->applyNiceNumbers();
    // Whole steps need no decimals; the exact values stand behind the bars.
    const double step = (amounts->max() - amounts->min()) / std::max(1, amounts->tickCount() - 1);
    amounts->setLabelFormat(step >= 1.0 ? "%.0f" : (step >= 0.1 ? "%.1f" : "%.2f"));
    figure->addAxis(amounts, Qt::AlignBottom);
    series->attachAxis(amounts);
    LabelBars(figure, series, bars, names);

    auto* view = new QChartView(figure, parent);
    view->setRenderHint(QPainter::Antialiasing);
    // About a line of text per bar, so fifty categories stay legible in the
    // scroll area around the chart.
    const int barCount = static_cast<int>(bars.size());
    view->setMinimumHeight(std::max(240, 90 + 24 * barCount));
    return view;
}
