// The part list: rows, colours and marks as the engine computes them, sorting
// by header and menu, the commands a selected row allows, and the column
// widths the user drags.

#include <QHeaderView>
#include <QImage>
#include <QTableView>
#include <QTest>

#include "CategoryTreeView.h"
#include "CommandDispatcher.h"
#include "CommandTable.h"
#include "MainWindow.h"
#include "PartListModel.h"
#include "ShellTestSupport.h"
#include "TestParts.h"

namespace {

class PartList : public ShellTest {
protected:
    void SetUp() override {
        Write("teile.dat",
              "[kategorie]\r\nk0=Dioden\r\nk3=Relais\r\n"
              "[spalte]\r\nteiler=160\r\nbestellung=70;100;200;100;100\r\n"
              "s1=1;110;0\r\ns2=13;60;2\r\ns3=14;60;2\r\ns4=9;70;1\r\n");
        TestPart alpha = Stocked("Alpha", "2");
        alpha.prices[0] = "2,50";
        TestPart gamma = Stocked("Gamma", "5");
        gamma.target = "5";
        Write("k0.dat", PartsFile("", {{0, alpha}, {3, Stocked("beta", "0")}, {7, gamma}}));
        Write("k3.dat", PartsFile("", {{0, Stocked("Omega", "1")}}));
        Write("k901.dat", "[teil]\r\nt0=k0t0;4;1\r\nt1=k0t3;3;0\r\nt2=k0t7;0;0\r\n");
        Start();
    }

    QHeaderView* Header() { return List()->horizontalHeader(); }
    void ClickHeader(int column) {
        const int x = Header()->sectionViewportPosition(column) + Header()->sectionSize(column) / 2;
        QTest::mouseClick(Header()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    }
    QVariant Cell(int row, int column, int role) {
        return List()->model()->index(row, column).data(role);
    }
};

TEST_F(PartList, CategoryRowsWithTheirColumnsAndShortageInRed) {
    EXPECT_EQ(HeaderTitles(), (QStringList{"Bezeichnung*", "Menge", "Soll", "Preis 1"}));
    EXPECT_EQ(ColumnTexts(0), (QStringList{"Alpha", "beta", "Gamma"}));
    EXPECT_EQ(ColumnTexts(1), (QStringList{"2", "0", "5"}));
    EXPECT_EQ(ListStatusText(), "3 Teil(e) in dieser Kategorie");
    EXPECT_EQ(Cell(0, 1, Qt::TextAlignmentRole).toInt(), int(Qt::AlignHCenter | Qt::AlignVCenter));
    EXPECT_EQ(Cell(0, 3, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(List()->columnWidth(0), 110);
    EXPECT_EQ(List()->columnWidth(1), 60);

    // Stock 5 at target 5 is a shortage: the row is drawn in red.
    EXPECT_FALSE(Cell(0, 0, Qt::ForegroundRole).isValid());
    EXPECT_EQ(Cell(2, 0, Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    List()->clearSelection();
    const QImage picture = List()->viewport()->grab().toImage();
    const QRect row = List()->visualRect(List()->model()->index(2, 0));
    int red = 0;
    for (int x = row.left(); x <= row.right(); ++x) {
        for (int y = row.top(); y <= row.bottom(); ++y) {
            const QColor pixel = picture.pixelColor(x, y);
            red += pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80 ? 1 : 0;
        }
    }
    EXPECT_GT(red, 10);
}

TEST_F(PartList, OrderRowsWithMarksHiddenAmountsAndTheBlueSum) {
    ClickTreeEntry("Lieferant 1");
    EXPECT_EQ(HeaderTitles(),
              (QStringList{"Menge", "Bestell-Nr.", "Bezeichnung*", "Einzelpreis", "Gesamtpreis"}));
    EXPECT_EQ(ColumnTexts(0), (QStringList{"0 (4)", "3", "0", ""}));
    EXPECT_EQ(ColumnTexts(2), (QStringList{"Alpha", "beta", "Gamma", "Gesamtsumme:"}));
    EXPECT_EQ(ColumnTexts(4).last(), "0,00");
    EXPECT_EQ(ListStatusText(), "3 Position(en) in dieser Bestellung");
    for (int row = 0; row < 3; ++row) {
        EXPECT_FALSE(Cell(row, 0, Qt::DecorationRole).value<QIcon>().isNull()) << row;
    }
    EXPECT_FALSE(Cell(3, 0, Qt::DecorationRole).isValid());
    EXPECT_EQ(Cell(3, 2, Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
    EXPECT_EQ(Cell(3, 0, PartListModel::kItemDataRole).toInt(), -1);
    EXPECT_EQ(List()->columnWidth(2), 200);
}

TEST_F(PartList, HeaderAndMenuSortKeepTheSelectedPart) {
    ClickRow(1);  // beta
    ClickHeader(1);
    EXPECT_EQ(HeaderTitles().value(1), "Menge*");
    EXPECT_EQ(HeaderTitles().value(0), "Bezeichnung");
    EXPECT_EQ(ColumnTexts(0), (QStringList{"beta", "Alpha", "Gamma"}));
    EXPECT_EQ(SelectedRow(), 0);

    MenuItem(Command::SortDescending)->trigger();
    EXPECT_EQ(ColumnTexts(0), (QStringList{"Gamma", "Alpha", "beta"}));
    EXPECT_EQ(SelectedRow(), 2);

    // Right of the last column there is no column to sort by: nothing changes.
    const int beyond = Header()->sectionViewportPosition(3) + Header()->sectionSize(3) + 20;
    ASSERT_LT(beyond, Header()->viewport()->width());
    QTest::mouseClick(Header()->viewport(), Qt::LeftButton, {}, QPoint(beyond, 5));
    EXPECT_EQ(ColumnTexts(0), (QStringList{"Gamma", "Alpha", "beta"}));
    EXPECT_EQ(HeaderTitles().value(1), "Menge*");

    // Each kind of list keeps its own sort column.
    ClickTreeEntry("Lieferant 1");
    EXPECT_EQ(HeaderTitles().value(2), "Bezeichnung*");
    EXPECT_EQ(ColumnTexts(2), (QStringList{"Gamma", "beta", "Alpha", "Gesamtsumme:"}));
}

TEST_F(PartList, DeleteOnlyForAPartWithStockZero) {
    // The first row is selected with the list: Alpha has stock 2.
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_FALSE(Enabled(Command::DeletePart));
    EXPECT_TRUE(Enabled(Command::EditPart));
    ClickRow(1);
    EXPECT_TRUE(Enabled(Command::DeletePart));
    ClickRow(2);
    EXPECT_FALSE(Enabled(Command::DeletePart));
    EXPECT_TRUE(Enabled(Command::NewPartFromCopy) && Enabled(Command::CutPart) &&
                Enabled(Command::CopyPart));

    ClickTreeEntry("Lieferant 1");
    ClickRow(3);  // the sum row
    for (Command command : {Command::EditPart, Command::DeletePart, Command::CopyPart}) {
        EXPECT_FALSE(Enabled(command)) << command;
    }
    ClickRow(1);
    for (Command command : {Command::EditPart, Command::DeletePart, Command::CopyPart}) {
        EXPECT_TRUE(Enabled(command)) << command;
    }
    EXPECT_FALSE(Enabled(Command::DeleteCategory));
    EXPECT_TRUE(Enabled(Command::EditCategory));
}

TEST_F(PartList, SelectingTheSameCategoryAgainDoesNotReadItsFile) {
    ClickTreeEntry("Dioden");
    EXPECT_EQ(List()->model()->rowCount(), 3);
    Write("k0.dat", Read("k0.dat") + "t9=" + Stocked("Delta", "1").Record() + "\r\n");
    ClickTreeEntry("Dioden");
    EXPECT_EQ(List()->model()->rowCount(), 3);
    ClickTreeEntry("Relais");
    EXPECT_EQ(ColumnTexts(0), (QStringList{"Omega"}));
    ClickTreeEntry("Dioden");
    EXPECT_EQ(List()->model()->rowCount(), 4);
}

TEST_F(PartList, DraggedColumnWidthsAreSavedAtExit) {
    // Drag the right edge of "Bezeichnung" 30 pixels to the right.
    const int edge = Header()->sectionViewportPosition(0) + Header()->sectionSize(0) - 1;
    QTest::mousePress(Header()->viewport(), Qt::LeftButton, {}, QPoint(edge, 5));
    QTest::mouseMove(Header()->viewport(), QPoint(edge + 15, 5));
    QTest::mouseMove(Header()->viewport(), QPoint(edge + 30, 5));
    QTest::mouseRelease(Header()->viewport(), Qt::LeftButton, {}, QPoint(edge + 30, 5));
    EXPECT_EQ(List()->columnWidth(0), 140);
    EXPECT_EQ(program->State().settings.columns[0].width, 140);

    ClickTreeEntry("Lieferant 2");
    Header()->resizeSection(2, 250);
    ClickTreeEntry("Dioden");
    EXPECT_EQ(List()->columnWidth(0), 140);
    Quit("Ja");
    ASSERT_TRUE(ended);
    EXPECT_EQ(Stored("spalte", "s1"), "1;140;0");
    EXPECT_EQ(Stored("spalte", "s4"), "9;70;1");
    EXPECT_EQ(Stored("spalte", "bestellung"), "70;100;250;100;100");
    EXPECT_EQ(Stored("spalte", "teiler"), "160");
}

}  // namespace
