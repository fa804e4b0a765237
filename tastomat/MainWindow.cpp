#include "MainWindow.h"

#include "DutyCycleWindow.h"
#include "PwmTables.h"
#include "WindowFont.h"
#include "window/FixedWindow.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QTableWidget>

#include <functional>

namespace tastomat {

namespace {

constexpr int kClientWidth = 310;
constexpr int kClientHeight = 300;
// Shows as many crystals as fit below the field on a typical screen; the
// closed field stays one line high and leaves the table uncovered.
constexpr int kVisibleCrystals = 20;
constexpr int kRowHeight = 17;

// Reports double clicks anywhere in the list, after the click has selected
// (or, on empty space, cleared) the row, so the window reads the row as shown.
class PeriodTableWidget : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    std::function<void()> onDoubleClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QTableWidget::mouseDoubleClickEvent(event);
        if (event->button() == Qt::LeftButton && onDoubleClick) {
            onDoubleClick();
        }
    }
};

QLabel* AddCaption(QWidget* parent, const char* text, const QRect& geometry) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    // The caption overlaps the drop-down below it by a few pixels, as the
    // layout asks; top alignment keeps its text clear of the field.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    FitFontToWidth(label, label->text(), geometry.width());
    return label;
}

QStringList ToStringList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list.append(QString::fromUtf8(text));
    }
    return list;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, kFixedWindowFlags) {
    setObjectName("tastomatMainWindow");
    SetUpFixedWindow(*this, QString::fromUtf8(kMainWindowTitle),
                     QSize(kClientWidth, kClientHeight));
    // The duty-cycle window, a child of this one, shows the same icon.
    setWindowIcon(QIcon(":/tastomat/tastomat.svg"));
    setFont(WindowFont());

    auto* table = new PeriodTableWidget(0, 3, this);
    table->onDoubleClick = [this] { OpenDutyCycleWindow(); };
    periodTable_ = table;
    periodTable_->setObjectName("periodTable");
    periodTable_->setGeometry(0, 40, 310, 258);
    periodTable_->setHorizontalHeaderLabels({"PR2", "PWM in Hz", "PWM Periode"});
    periodTable_->setColumnWidth(0, 90);
    periodTable_->setColumnWidth(1, 100);
    periodTable_->setColumnWidth(2, 100);
    periodTable_->horizontalHeader()->setStretchLastSection(false);
    periodTable_->horizontalHeader()->setHighlightSections(false);
    periodTable_->verticalHeader()->hide();
    periodTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    periodTable_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    periodTable_->setShowGrid(true);
    periodTable_->setWordWrap(false);
    periodTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    periodTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    periodTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    periodTable_->setTabKeyNavigation(false);
    // The chosen row stays marked while the user works in the drop-downs.
    QPalette palette = periodTable_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    periodTable_->setPalette(palette);

    AddCaption(this, "Vorteiler Zeitgeber 2 (T2CON) :", QRect(110, 0, 200, 20))
        ->setObjectName("prescalerCaption");
    prescalerList_ = new QComboBox(this);
    prescalerList_->setObjectName("prescalerList");
    prescalerList_->setGeometry(110, 15, 200, 20);
    for (std::string_view entry : kPrescalerEntries) {
        prescalerList_->addItem(QString::fromUtf8(entry.data(), entry.size()));
    }
    prescalerList_->setCurrentIndex(kInitialPrescalerIndex);

    AddCaption(this, "Quarzfrequenz :", QRect(0, 0, 100, 20))->setObjectName("crystalCaption");
    crystalList_ = new QComboBox(this);
    crystalList_->setObjectName("crystalList");
    crystalList_->setGeometry(0, 15, 100, 20);
    crystalList_->setMaxVisibleItems(kVisibleCrystals);
    // A plain list that drops below the field instead of a menu laid over
    // the field around the current entry.
    crystalList_->setStyleSheet("QComboBox { combobox-popup: 0; }");
    crystalList_->view()->setFont(WindowFont());
    crystalList_->addItems(ToStringList(CrystalEntries()));
    crystalList_->setCurrentIndex(kInitialCrystalIndex);

    // Tab order: table, prescaler, crystal.
    setTabOrder(periodTable_, prescalerList_);
    setTabOrder(prescalerList_, crystalList_);

    FillPeriodTable();
    connect(crystalList_, &QComboBox::currentIndexChanged, this, &MainWindow::FillPeriodTable);
    connect(prescalerList_, &QComboBox::currentIndexChanged, this, &MainWindow::FillPeriodTable);
}

MainWindow::~MainWindow() = default;

void MainWindow::FillPeriodTable() {
    const std::vector<PeriodRow> rows = tastomat::FillPeriodTable(
        crystalList_->currentText().toStdString(), prescalerList_->currentText().toStdString());

    // Emptying the list first drops the selection. It does not move the view:
    // the scroll bar keeps its value, so without the scroll back a user who
    // had scrolled down would see the last rows of the new table and no row
    // marked. A refilled table starts at PR2 0, like a new one.
    periodTable_->setRowCount(0);
    periodTable_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const PeriodRow& texts = rows[row];
        periodTable_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(texts.pr2)));
        periodTable_->setItem(row, 1,
                              new QTableWidgetItem(QString::fromStdString(texts.frequency)));
        periodTable_->setItem(row, 2, new QTableWidgetItem(QString::fromUtf8(texts.period)));
    }
    periodTable_->scrollToTop();
}

QString MainWindow::SelectedRowText(int column) const {
    const QModelIndexList selected = periodTable_->selectionModel()->selectedRows(column);
    if (selected.isEmpty()) {
        return QString();
    }
    return selected.first().data().toString();
}

void MainWindow::OpenDutyCycleWindow() {
    if (dutyCycleWindow_) {
        return;
    }
    // The window computes from the texts of the row, as the user sees them.
    auto* window = new DutyCycleWindow(SelectedRowText(0), SelectedRowText(1), this);
    dutyCycleWindow_ = window;
    connect(window, &DutyCycleWindow::closeRequested, this, &MainWindow::CloseDutyCycleWindow);

    window->move(geometry().center() - window->rect().center());
    setEnabled(false);
    // Disabling a widget disables its child windows too; the duty-cycle window
    // is the one that stays usable.
    window->setEnabled(true);
    window->show();
    window->activateWindow();
    window->FocusDutyList();
}

void MainWindow::CloseDutyCycleWindow() {
    if (!dutyCycleWindow_) {
        return;
    }
    DutyCycleWindow* window = dutyCycleWindow_;
    dutyCycleWindow_ = nullptr;
    window->hide();
    window->deleteLater();
    setEnabled(true);
    activateWindow();
}

void MainWindow::Shutdown() {
    CloseDutyCycleWindow();
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // While the duty-cycle window is open the main window is disabled and
    // cannot be closed; the program ends only from the main window.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace tastomat
