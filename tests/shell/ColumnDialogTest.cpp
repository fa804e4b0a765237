// The column definition dialog from the menu "Werkzeuge": its rows, the rules
// of its controls, and the part list and settings after "Speichern".

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "CategoryTreeView.h"
#include "DialogFrame.h"
#include "DialogInput.h"
#include "MainWindow.h"
#include "PartListPanel.h"
#include "ShellTestSupport.h"

namespace {

constexpr int kHidden = 0;  // "NICHT ANZEIGEN"
constexpr int kName = 1;
constexpr int kPrice1 = 9;
constexpr int kStock = 13;

class ColumnDialogTest : public ShellTest {
protected:
    void SetUp() override {
        Write("teile.dat",
              "[kategorie]\r\nk0=Dioden\r\n"
              "[spalte]\r\ns1=1;130;0\r\ns2=2;180;0\r\ns3=13;60;2\r\n");
        Write("k0.dat",
              "[teil]\r\nmax=2\r\n"
              "t0=1N4148;Kleinsignal;;;;;;;0,05;;;A1;100;0\r\n"
              "t1=1N4007;Gleichrichter;;;;;;;0,10;;;A2;50;0\r\n"
              "t2=BAT43;Schottky;;;;;;;0,20;;;A3;20;0\r\n");
        Start();
    }

    void Open() {
        MenuItem(Command::ColumnDefinition)->trigger();
        ASSERT_NE(OpenDialog(), nullptr);
        ASSERT_EQ(OpenDialog()->objectName(), "columnDialog");
    }
    QComboBox* Content(int row) {
        return OpenDialog()->findChild<QComboBox*>(QString("columnContentList%1").arg(row));
    }
    QComboBox* Alignment(int row) {
        return OpenDialog()->findChild<QComboBox*>(QString("columnAlignmentList%1").arg(row));
    }
    QPushButton* Button(const char* name) { return OpenDialog()->findChild<QPushButton*>(name); }
    void Save() {
        QTest::mouseClick(Button("saveButton"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(OpenDialog(), nullptr);
        ASSERT_TRUE(Window().isEnabled());
    }
    const ColumnSet& Columns() { return program->State().settings.columns; }
};

TEST_F(ColumnDialogTest, RowsShowTheColumnTable) {
    Open();
    EXPECT_EQ(OpenDialog()->windowTitle(), " Spaltendefinition");
    EXPECT_EQ(OpenDialog()->size(), QSize(345, 446));
    EXPECT_FALSE(Window().isEnabled());
    EXPECT_TRUE(WaitFor([&] { return Button("cancelButton")->hasFocus(); }));
    EXPECT_TRUE(Button("saveButton")->isEnabled());
    EXPECT_EQ(Button("saveButton")->geometry(), QRect(15, 405, 80, 25));
    EXPECT_EQ(Button("cancelButton")->geometry(), QRect(250, 405, 80, 25));

    const QStringList contents = {"Bezeichnung", "Bemerkung", "Menge"};
    const QStringList alignments = {"Links", "Links", "Mitte"};
    for (int row = 1; row <= 14; ++row) {
        const int y = 40 + 25 * (row - 1);
        auto* number = OpenDialog()->findChild<QLineEdit*>(QString("columnNumberField%1").arg(row));
        ASSERT_NE(number, nullptr) << row;
        EXPECT_EQ(number->text(), QString::number(row));
        EXPECT_TRUE(number->isReadOnly());
        EXPECT_EQ(number->geometry(), QRect(15, y, 35, 20));
        EXPECT_EQ(Content(row)->geometry(), QRect(65, y, 170, 20));
        EXPECT_EQ(Alignment(row)->geometry(), QRect(250, y, 80, 20));
        EXPECT_EQ(Content(row)->count(), 15);
        EXPECT_EQ(Alignment(row)->count(), 3);
        if (row <= 3) {
            EXPECT_EQ(Content(row)->currentText(), contents[row - 1]);
            EXPECT_EQ(Alignment(row)->currentText(), alignments[row - 1]);
            EXPECT_TRUE(Alignment(row)->isEnabled()) << row;
        } else {
            EXPECT_EQ(Content(row)->currentText(), "NICHT ANZEIGEN");
            EXPECT_EQ(Alignment(row)->currentText(), "Links");
            EXPECT_FALSE(Alignment(row)->isEnabled()) << row;
        }
    }
    EXPECT_EQ(Content(1)->itemText(3), "U/I/P");
    EXPECT_EQ(Content(1)->itemText(8), "Bestellnummer 3");
    GrabIfAsked(OpenDialog(), "column-dialog");
}

TEST_F(ColumnDialogTest, AllRowsHiddenDisablesSavingAndNothingChanges) {
    Open();
    ChooseEntry(Content(2), kHidden);
    EXPECT_FALSE(Alignment(2)->isEnabled());
    EXPECT_TRUE(Button("saveButton")->isEnabled());
    ChooseEntry(Content(1), kHidden);
    ChooseEntry(Content(3), kHidden);
    EXPECT_FALSE(Button("saveButton")->isEnabled());
    ChooseEntry(Content(14), kStock);
    EXPECT_TRUE(Button("saveButton")->isEnabled());
    EXPECT_TRUE(Alignment(14)->isEnabled());
    ChooseEntry(Content(14), kHidden);
    EXPECT_FALSE(Button("saveButton")->isEnabled());

    QTest::mouseClick(Button("cancelButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(OpenDialog(), nullptr);
    EXPECT_EQ(HeaderTitles(), (QStringList{"Bezeichnung*", "Bemerkung", "Menge"}));
    EXPECT_EQ(Stored("spalte", "s3"), "13;60;2");
}

TEST_F(ColumnDialogTest, SavingRebuildsTheTableAndTheList) {
    // The second part selected and the list sorted by its third column.
    ClickRow(1);
    const int selectedSlot = program->List().SelectedItemData().value();
    QTest::mouseClick(List()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(List()->horizontalHeader()->sectionViewportPosition(2) + 5, 5));
    ASSERT_EQ(program->State().sort.categorySortColumn, 2);

    Open();
    // Row 1 stays, row 2 goes, row 3 shows the designation again, row 5
    // brings "Preis 1" right-aligned, row 7 the stock that was row 3.
    ChooseEntry(Content(2), kHidden);
    ChooseEntry(Content(3), kName);
    ChooseEntry(Alignment(3), 2);
    ChooseEntry(Content(5), kPrice1);
    ChooseEntry(Alignment(5), 1);
    ChooseEntry(Content(7), kStock);
    Save();

    // Gaps closed up; the designation twice with its width; "Preis 1" newly
    // shown at 100; the stock keeps its 60.
    EXPECT_EQ(Columns(),
              (ColumnSet{MakeListColumn(1, 130, kAlignLeft), MakeListColumn(1, 130, kAlignCentred),
                         MakeListColumn(9, 100, kAlignRight), MakeListColumn(13, 60, kAlignLeft)}));
    // Saved at once, the keys beyond the columns removed.
    EXPECT_EQ(Stored("spalte", "s1"), "1;130;0");
    EXPECT_EQ(Stored("spalte", "s2"), "1;130;2");
    EXPECT_EQ(Stored("spalte", "s3"), "9;100;1");
    EXPECT_EQ(Stored("spalte", "s4"), "13;60;0");
    EXPECT_EQ(Stored("spalte", "s5"), "");

    // The list in the new columns, the same part selected, sorted by the
    // first column again (the header marks it).
    EXPECT_EQ(HeaderTitles(), (QStringList{"Bezeichnung*", "Bezeichnung", "Preis 1", "Menge"}));
    EXPECT_EQ(List()->columnWidth(2), 100);
    EXPECT_EQ(program->State().sort.categorySortColumn, 0);
    EXPECT_EQ(ColumnTexts(0), (QStringList{"1N4007", "1N4148", "BAT43"}));
    EXPECT_EQ(ColumnTexts(1), ColumnTexts(0));
    EXPECT_EQ(ColumnTexts(2), (QStringList{"0,10", "0,05", "0,20"}));
    EXPECT_EQ(program->List().SelectedItemData(), selectedSlot);
    EXPECT_TRUE(boxes.seen.empty());

    // Opened again, the rows show the new table.
    Open();
    EXPECT_EQ(Content(2)->currentText(), "Bezeichnung");
    EXPECT_EQ(Alignment(2)->currentText(), "Mitte");
    EXPECT_EQ(Content(5)->currentText(), "NICHT ANZEIGEN");
}

}  // namespace
