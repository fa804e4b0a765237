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

TEST_F(MainWindowFrame, MenusCarryEveryCaptionHintAndCheckItem) {
    QStringList titles;
    for (QAction* top : Window().menuBar()->actions()) {
        titles.append(top->text());
    }
    EXPECT_EQ(titles, (QStringList{"Kategorie", "Teil", "Werkzeuge", "Sortierung", "Info"}));
    EXPECT_EQ(MenuTexts("Kategorie"),
              (QStringList{"Neu", "Bearbeiten\tEingabe", "L\u00f6schen\tEntf", "-", "Drucken", "-",
                           "Programm beenden"}));
    EXPECT_EQ(MenuTexts("Teil"),
              (QStringList{"Neu", "Neu aus Kopie", "Bearbeiten\tEingabe", "L\u00f6schen\tEntf", "-",
                           "Ausschneiden", "Kopieren", "Einf\u00fcgen", "-", "Bestellen\tStrg+B",
                           "-", "Suchen"}));
    EXPECT_EQ(MenuTexts("Werkzeuge"),
              (QStringList{"Zelvo-Dekoder", "reglo-Berechnung", "Tastomat f\u00fcr PIC(R)", "-",
                           "Kompaktieren", "CSV-Dateien erzeugen", "Statistik", "-",
                           "Benutzerinformation", "Spaltendefinition", "-",
                           "Kleindruck (Bestelllung)", "im Vordergrund"}));
    EXPECT_EQ(MenuTexts("Sortierung"), (QStringList{"Aufsteigend", "Absteigend"}));
    EXPECT_EQ(MenuTexts("Info"), (QStringList{"Info"}));
    for (Command command : {Command::SortAscending, Command::SortDescending, Command::SmallPrint,
                            Command::StayOnTop}) {
        EXPECT_TRUE(MenuItem(command)->isCheckable()) << command;
    }
    for (Command command : {Command::NewCategory, Command::Print, Command::Quit, Command::Info}) {
        EXPECT_FALSE(MenuItem(command)->isCheckable()) << command;
    }
    // The menu shows images where the table gives them.
    EXPECT_FALSE(MenuItem(Command::Print)->icon().isNull());
    EXPECT_FALSE(MenuItem(Command::Search)->icon().isNull());
    EXPECT_FALSE(MenuItem(Command::Quit)->isIconVisibleInMenu());
}

TEST_F(MainWindowFrame, ToolbarButtonsAndTheirToolTips) {
    const std::vector<std::pair<int, QString>> expected = {
        {0, " Neue Kategorie anlegen "},
        {1, " Kategorie/Bestellung bearbeiten "},
        {2, " Kategorie l\u00f6schen "},
        {4, " Neues Teil anlegen "},
        {5, " Neues Teil aus Kopie erstellen "},
        {6, " Teil bearbeiten "},
        {7, " Teil l\u00f6schen "},
        {8, " Teil ausschneiden "},
        {9, " Teil kopieren "},
        {10, " Teil einf\u00fcgen "},
        {12, " Teil suchen "},
        {13, " Aufsteigend sortieren "},
        {14, " Absteigend sortieren "},
    };
    int buttons = 0;
    for (QToolButton* button :
         Window().findChild<QToolBar*>("toolBar")->findChildren<QToolButton*>()) {
        buttons += button->objectName().startsWith("toolButton") ? 1 : 0;
    }
    EXPECT_EQ(buttons, static_cast<int>(expected.size()));
    for (const auto& [command, tip] : expected) {
        QToolButton* button = ToolButton(static_cast<Command>(command));
        ASSERT_NE(button, nullptr) << command;
        EXPECT_EQ(button->toolTip(), tip) << command;
        EXPECT_FALSE(button->icon().isNull()) << command;
    }
    EXPECT_TRUE(ToolButton(Command::SortAscending)->isCheckable() &&
                ToolButton(Command::SortAscending)->isChecked());
    EXPECT_TRUE(ToolButton(Command::SortDescending)->isCheckable() &&
                !ToolButton(Command::SortDescending)->isChecked());
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
