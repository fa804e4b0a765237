// The frame of the main window: menus, toolbar, status bar, splitter and the
// commands of the menu "Werkzeuge" that act on the window itself.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include "CategoryTreeView.h"
#include "CommandDispatcher.h"
#include "CommandTable.h"
#include "MainWindow.h"
#include "ShellTestSupport.h"

namespace {

class MainWindowFrame : public ShellTest {
protected:
    void SetUp() override {
        CopyDemo();
        Start();
    }

    QStringList MenuTexts(const QString& title) {
        for (QAction* top : Window().menuBar()->actions()) {
            if (top->text() == title) {
                QStringList texts;
                for (QAction* item : top->menu()->actions()) {
                    texts.append(item->isSeparator() ? "-" : item->text());
                }
                return texts;
            }
        }
        return {"<no menu " + title + ">"};
    }

    QSplitter* Splitter() { return Window().findChild<QSplitter*>("mainSplitter"); }

    // Drags the splitter handle by `dx` pixels with the mouse.
    void DragSplitter(int dx) {
        QWidget* handle = Splitter()->handle(1);
        const QPoint start = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QTest::mouseMove(handle, start + QPoint(dx, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, start + QPoint(dx, 0));
    }
    int TreeWidth() { return Splitter()->sizes().value(0); }
};

// Every command as the command table gives it: its menu item with caption,
// shortcut hint, image and check mark, its toolbar button with image and tool
// tip, and its handler; the menus and the toolbar in their layout.
TEST_F(MainWindowFrame, MenusAndToolbarShowTheCommandTable) {
    int buttons = 0;
    for (const CommandEntry& entry : CommandEntries()) {
        const Command command = entry.command;
        EXPECT_EQ(&EntryOf(command), &entry) << command;
        EXPECT_TRUE(program->Dispatcher().Bindings().IsBound(command)) << command;
        QAction* item = MenuItem(command);
        ASSERT_NE(item, nullptr) << command;
        EXPECT_EQ(item->text(), QString::fromUtf8(entry.caption)) << command;
        EXPECT_EQ(item->isCheckable(), entry.checkItem) << command;
        EXPECT_EQ(item->isIconVisibleInMenu(), entry.menuImage != kNoImage) << command;
        EXPECT_EQ(item->icon().isNull(), entry.menuImage == kNoImage) << command;
        QToolButton* button = ToolButton(command);
        ASSERT_EQ(button != nullptr, entry.toolImage != kNoImage) << command;
        if (button) {
            ++buttons;
            EXPECT_EQ(button->toolTip(), QString::fromUtf8(entry.toolTip)) << command;
            EXPECT_FALSE(button->icon().isNull()) << command;
            EXPECT_EQ(button->isCheckable(), entry.checkItem) << command;
        }
    }
    int shownButtons = 0;
    for (QToolButton* button :
         Window().findChild<QToolBar*>("toolBar")->findChildren<QToolButton*>()) {
        shownButtons += button->objectName().startsWith("toolButton") ? 1 : 0;
    }
    EXPECT_EQ(shownButtons, buttons);

    QStringList titles;
    for (const MenuLayout& menu : MenuBarLayout()) {
        titles.append(QString::fromUtf8(menu.title));
        QStringList expected;
        for (const BarEntry& entry : menu.entries) {
            expected.append(entry ? QString::fromUtf8(EntryOf(*entry).caption) : "-");
        }
        EXPECT_EQ(MenuTexts(titles.last()), expected);
    }
    EXPECT_EQ(titles, (QStringList{"Kategorie", "Teil", "Werkzeuge", "Sortierung", "Info"}));
    QStringList toolBar;
    for (QAction* action : Window().findChild<QToolBar*>("toolBar")->actions()) {
        toolBar.append(action->isSeparator() ? "-" : action->objectName());
    }
    QStringList expectedToolBar;
    for (const BarEntry& entry : ToolBarLayout()) {
        expectedToolBar.append(entry ? QString("toolCommand%1").arg(CommandNumber(*entry)) : "-");
    }
    EXPECT_EQ(toolBar, expectedToolBar);

    // The table's texts reach the window whole, umlauts and tab included.
    EXPECT_EQ(MenuItem(Command::DeletePart)->text(), "L\u00f6schen\tEntf");
    EXPECT_EQ(MenuItem(Command::Tastomat)->text(), "Tastomat f\u00fcr PIC(R)");
    EXPECT_EQ(ToolButton(Command::PastePart)->toolTip(), " Teil einf\u00fcgen ");
    EXPECT_TRUE(ToolButton(Command::SortAscending)->isChecked());
    EXPECT_FALSE(ToolButton(Command::SortDescending)->isChecked());
}

TEST_F(MainWindowFrame, SortButtonsAndMenuItemsMoveTogether) {
    QTest::mouseClick(ToolButton(Command::SortDescending), Qt::LeftButton);
    EXPECT_TRUE(ToolButton(Command::SortDescending)->isChecked() &&
                MenuItem(Command::SortDescending)->isChecked());
    EXPECT_FALSE(ToolButton(Command::SortAscending)->isChecked() ||
                 MenuItem(Command::SortAscending)->isChecked());
    MenuItem(Command::SortAscending)->trigger();
    EXPECT_TRUE(ToolButton(Command::SortAscending)->isChecked() &&
                MenuItem(Command::SortAscending)->isChecked());
    EXPECT_FALSE(ToolButton(Command::SortDescending)->isChecked() ||
                 MenuItem(Command::SortDescending)->isChecked());
    // Choosing the checked side again keeps it checked.
    MenuItem(Command::SortAscending)->trigger();
    EXPECT_TRUE(MenuItem(Command::SortAscending)->isChecked() &&
                ToolButton(Command::SortAscending)->isChecked());
}

TEST_F(MainWindowFrame, CopyButtonTellsWhatItCopiesInEachMode) {
    EXPECT_EQ(ToolButton(Command::CopyPart)->toolTip(), " Teil kopieren ");
    ClickTreeEntry("Elektronik-Kontor");
    EXPECT_EQ(ToolButton(Command::CopyPart)->toolTip(), " Bestellnummer in die Zwischenablage ");
    ClickTreeEntry("Bestellungen");
    EXPECT_EQ(ToolButton(Command::CopyPart)->toolTip(), " Bestellnummer in die Zwischenablage ");
    ClickTreeEntry("Kategorien");
    EXPECT_EQ(ToolButton(Command::CopyPart)->toolTip(), " Teil kopieren ");
    ClickTreeEntry("Bauteilhaus");
    ClickTreeEntry("Transistoren");
    EXPECT_EQ(ToolButton(Command::CopyPart)->toolTip(), " Teil kopieren ");
}

TEST_F(MainWindowFrame, StayOnTopTwiceIsOffAgain) {
    QWindow* handle = Window().windowHandle();
    MenuItem(Command::StayOnTop)->trigger();
    EXPECT_TRUE(handle->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(MenuItem(Command::StayOnTop)->isChecked());
    MenuItem(Command::StayOnTop)->trigger();
    EXPECT_FALSE(handle->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(MenuItem(Command::StayOnTop)->isChecked());
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(MainWindowFrame, SmallPrintIsStoredAndRemoved) {
    MenuItem(Command::SmallPrint)->trigger();
    EXPECT_TRUE(MenuItem(Command::SmallPrint)->isChecked());
    EXPECT_EQ(Stored("ausgabe", "klein"), "JA");
    program->Dispatcher().Dispatch(Command::SmallPrint);
    EXPECT_FALSE(MenuItem(Command::SmallPrint)->isChecked());
    EXPECT_EQ(Read("teile.dat").find("klein"), std::string::npos);
}

TEST_F(MainWindowFrame, InfoNamesProgramVersionAndLicence) {
    boxes.Answer("OK");
    program->Dispatcher().Dispatch(Command::Info);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, "Info");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Information);
    EXPECT_TRUE(boxes.seen[0].text.contains("Teile-Verwaltung"));
    EXPECT_TRUE(boxes.seen[0].text.contains("Version"));
    EXPECT_TRUE(boxes.seen[0].text.contains("Lizenz"));
}

TEST_F(MainWindowFrame, SplitterStopsAt150PixelsFromEitherSide) {
    QLabel* parts = Window().findChild<QLabel*>("partsLabel");
    EXPECT_EQ(TreeWidth(), 180);  // "teiler" of the demo
    EXPECT_EQ(parts->x(), 185);

    DragSplitter(-400);
    EXPECT_EQ(TreeWidth(), 150);
    EXPECT_EQ(program->State().settings.widths[0], 150);
    EXPECT_EQ(parts->x(), 155);
    // The first status field ends where the tree ends.
    const QLabel* count = Window().findChild<QLabel*>("categoryCountField");
    EXPECT_EQ(count->x() + count->width(), 150);

    DragSplitter(2000);
    EXPECT_EQ(Splitter()->sizes().value(1), 150);
    EXPECT_EQ(program->State().settings.widths[0], TreeWidth());
    EXPECT_EQ(parts->x(), TreeWidth() + 5);
}

TEST_F(MainWindowFrame, GrowingWindowKeepsTheTreeWidth) {
    DragSplitter(40);
    const int tree = TreeWidth();
    ASSERT_GT(tree, 180);
    Window().resize(1100, 700);
    ASSERT_TRUE(WaitFor([&] { return Splitter()->width() == 1100; }));
    EXPECT_EQ(TreeWidth(), tree);
    Window().showMaximized();
    ASSERT_TRUE(WaitFor([&] { return Window().isMaximized(); }));
    EXPECT_EQ(TreeWidth(), tree);
}

}  // namespace
