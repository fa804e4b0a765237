#include "MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

#include "CategoryTreeView.h"
#include "CommandActions.h"
#include "Images.h"

namespace {

constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;
constexpr int kNarrowestSide = 150;  // tree and list each keep at least this width
constexpr int kLabelHeight = 15;
constexpr int kSelectionLabelWidth = 150;
constexpr int kPartsLabelWidth = 170;
constexpr int kLabelGap = 5;

bool IsNormalState(Qt::WindowStates states) {
    return !(states & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

}  // namespace

MainWindow::MainWindow(CommandActions& actions, Settings& settings, QWidget* parent)
    : QMainWindow(parent), settings_(settings) {
    setObjectName("teileMainWindow");
    setWindowTitle(QString::fromUtf8(kTeileTitle));
    setWindowIcon(ProgramIcon());
    resize(kDefaultWidth, kDefaultHeight);

    actions.FillMenuBar(menuBar());
    auto* toolBar = addToolBar("Werkzeugleiste");
    toolBar->setObjectName("toolBar");
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    actions.FillToolBar(toolBar);
    setContextMenuPolicy(Qt::NoContextMenu);

    BuildStatusBar();
    BuildMainArea();
    AttachShortcuts();
}

void MainWindow::BuildStatusBar() {
    categoryCountField_ = new QLabel("$ Kategorie(n)");
    categoryCountField_->setObjectName("categoryCountField");
    listStatusField_ = new QLabel("$ Teil(e) in dieser Kategorie");
    listStatusField_->setObjectName("listStatusField");
    statusBar()->addWidget(categoryCountField_);
    statusBar()->addWidget(listStatusField_, 1);
    statusBar()->setSizeGripEnabled(true);
}

void MainWindow::BuildMainArea() {
    mainArea_ = new QWidget(this);
    mainArea_->setObjectName("mainArea");
    setCentralWidget(mainArea_);

    selectionLabel_ = new QLabel("Auswahl", mainArea_);
    selectionLabel_->setObjectName("selectionLabel");
    partsLabel_ = new QLabel("Teile", mainArea_);
    partsLabel_->setObjectName("partsLabel");

    splitter_ = new QSplitter(Qt::Horizontal, mainArea_);
    splitter_->setObjectName("mainSplitter");
    splitter_->setChildrenCollapsible(false);
    splitter_->setOpaqueResize(true);
    tree_ = new CategoryTreeView(splitter_);
    list_ = new QTableView(splitter_);
    list_->setObjectName("partList");
    tree_->setMinimumWidth(kNarrowestSide);
    list_->setMinimumWidth(kNarrowestSide);
    splitter_->addWidget(tree_);
    splitter_->addWidget(list_);
    // A growing window gives all its new width to the list.
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    connect(splitter_, &QSplitter::splitterMoved, this, [this](int position) {
        settings_.widths[kWidthSplitter] = position;
        FollowSplitter(position);
    });
    mainArea_->installEventFilter(this);
    LayOutMainArea();
}

void MainWindow::AttachShortcuts() {
    const auto key = [this](const QKeySequence& keys, ShortcutKey pressed) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this,
                [this, pressed] { emit KeyPressed(pressed); });
    };
    key(QKeySequence(Qt::Key_Delete), ShortcutKey::Delete);
    key(QKeySequence(Qt::Key_Return), ShortcutKey::Enter);
    key(QKeySequence(Qt::Key_Enter), ShortcutKey::Enter);
    auto* order = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this);
    connect(order, &QShortcut::activated, this,
            [this] { emit ShortcutTriggered(Command::OrderPart); });
}

void MainWindow::LayOutMainArea() {
    const int width = mainArea_->width();
    const int height = mainArea_->height();
    selectionLabel_->setGeometry(0, 0, kSelectionLabelWidth, kLabelHeight);
    splitter_->setGeometry(0, kLabelHeight, width, std::max(0, height - kLabelHeight));
}

void MainWindow::FollowSplitter(int position) {
    partsLabel_->setGeometry(position + kLabelGap, 0, kPartsLabelWidth, kLabelHeight);
    // The first status field ends where the tree ends.
    statusBar()->layout()->activate();
    categoryCountField_->setFixedWidth(std::max(0, position - categoryCountField_->x()));
}

void MainWindow::SetCategoryCountText(const QString& text) { categoryCountField_->setText(text); }

void MainWindow::SetListStatusText(const QString& text) { listStatusField_->setText(text); }

void MainWindow::PlaceOnScreen() {
    const MainWindowGeometry& remembered = settings_.mainWindow;
    if (remembered.IsKnown()) {
        move(remembered.x, remembered.y);
        resize(remembered.width, remembered.height);
    } else {
        resize(kDefaultWidth, kDefaultHeight);
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            move(available.x() + (available.width() - kDefaultWidth) / 2,
                 available.y() + (available.height() - kDefaultHeight) / 2);
        }
    }
    // Lay the window out now, so the splitter has its real width before the
    // tree gets its remembered one.
    layout()->activate();
    LayOutMainArea();
    const int tree = settings_.widths[kWidthSplitter];
    splitter_->setSizes({tree, std::max(kNarrowestSide, splitter_->width() - tree)});
    FollowSplitter(splitter_->sizes().value(0, tree));
}

void MainWindow::RecordGeometry() {
    MainWindowGeometry& remembered = settings_.mainWindow;
    remembered.normalState = IsNormalState(windowState());
    if (remembered.normalState) {
        remembered.x = x();
        remembered.y = y();
        remembered.width = width();
        remembered.height = height();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit CloseRequested(event);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        settings_.mainWindow.normalState = IsNormalState(windowState());
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        emit Activated();
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (isVisible()) {
        RecordGeometry();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible()) {
        RecordGeometry();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainArea_ && event->type() == QEvent::Resize) {
        LayOutMainArea();
    }
    return QMainWindow::eventFilter(watched, event);
}
