// The search dialog and the walk it drives through the tree and list of the
// main window, as a user types and presses "Suchen" or Return.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <utility>
#include <vector>

#include "CategoryTreeView.h"
#include "DialogFrame.h"
#include "MainWindow.h"
#include "PartListModel.h"
#include "SearchCommand.h"
#include "ShellTestSupport.h"

namespace {

std::string Part(const std::string& name, const std::string& remark) {
    return name + ";" + remark + ";;;;;;;;;;;1;0";
}

class SearchCommandTest : public ShellTest {
protected:
    void SetUp() override {
        // Tree rows: 0 "Kategorien", 1-3 the categories (by name), 4 "Bestellungen",
        // 5-7 the order lists. The roots and the first order list hold
        // matching records of their own which the walk must never visit.
        Write("teile.dat",
              "[kategorie]\r\nk0=A-Erste\r\nk1=B-Zweite\r\nk2=C-Dritte\r\nk901=BC-Versand\r\n");
        // Shown by name: AB (t0), Q (t2), XBCX (t1). "AB" + "CD" holds "BC".
        Write("k0.dat", "[teil]\r\nt0=" + Part("AB", "CD") + "\r\nt1=" + Part("XBCX", "") +
                            "\r\nt2=" + Part("Q", "zBCz") + "\r\n");
        // Shown by name: bc-klein (t1), nix (t0).
        Write("k1.dat",
              "[teil]\r\nt0=" + Part("nix", "") + "\r\nt1=" + Part("bc-klein", "") + "\r\n");
        Write("k2.dat", "[teil]\r\nt0=" + Part("nichts", "") + "\r\n");
        Write("k901.dat", "[teil]\r\nt0=BC-Position;1;0\r\n");
        Write("k800.dat", "[teil]\r\nt0=" + Part("BC-Wurzel", "") + "\r\n");
        Write("k900.dat", "[teil]\r\nt0=" + Part("BC-Wurzel", "") + "\r\n");
        Start();
    }

    QLineEdit* TextField() { return OpenDialog()->findChild<QLineEdit*>("searchTextField"); }
    QCheckBox* Box(const char* name) { return OpenDialog()->findChild<QCheckBox*>(name); }
    QPushButton* Button(const char* name) { return OpenDialog()->findChild<QPushButton*>(name); }
    void OpenSearch() {
        QTest::mouseClick(ToolButton(Command::Search), Qt::LeftButton);
        ASSERT_NE(OpenDialog(), nullptr);
        ASSERT_TRUE(WaitFor([&] { return TextField()->hasFocus(); }));
    }
    void TypeText(const QString& text) {
        TextField()->selectAll();
        QTest::keyClick(TextField(), Qt::Key_Backspace);
        QTest::keyClicks(TextField(), text);
    }
    void ClickSearch() { QTest::mouseClick(Button("searchButton"), Qt::LeftButton); }
    void PressReturn() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    // The category and the slot of the selected part.
    std::pair<int, int> Selected() {
        const int row = SelectedRow();
        const QModelIndex cell = List()->model()->index(row, 0);
        const int slot = row < 0 ? -1 : cell.data(PartListModel::kItemDataRole).toInt();
        return {Tree()->Selected().ItemTag(), slot};
    }
    bool Closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return OpenDialog() == nullptr && Window().isEnabled();
    }
};

TEST_F(SearchCommandTest, DialogControlsButtonRuleAndStateKeptForTheRun) {
    ASSERT_NO_FATAL_FAILURE(OpenSearch());
    EXPECT_EQ(OpenDialog()->windowTitle(), " Suche");
    EXPECT_EQ(OpenDialog()->size(), QSize(350, 121));
    EXPECT_FALSE(Window().isEnabled());
    EXPECT_EQ(TextField()->text(), "");
    EXPECT_TRUE(Box("inNamesBox")->isChecked());
    EXPECT_TRUE(Box("inRemarksBox")->isChecked());
    EXPECT_EQ(Box("inNamesBox")->text(), "Bezeichnung");
    EXPECT_EQ(Box("inRemarksBox")->text(), "Bemerkung");
    const std::pair<int, int> start = Selected();

    // "Suchen" only for a text that is not blank and at least one field.
    EXPECT_FALSE(Button("searchButton")->isEnabled());
    TypeText(" \t");
    EXPECT_FALSE(Button("searchButton")->isEnabled());
    TypeText(QString::fromUtf8("bc"));
    EXPECT_TRUE(Button("searchButton")->isEnabled());
    QTest::mouseClick(Box("inNamesBox"), Qt::LeftButton);
    EXPECT_TRUE(Button("searchButton")->isEnabled());
    QTest::mouseClick(Box("inRemarksBox"), Qt::LeftButton);
    EXPECT_FALSE(Button("searchButton")->isEnabled());
    // With both off Return does nothing.
    TextField()->setFocus();
    PressReturn();
    EXPECT_EQ(Selected(), start);
    QTest::mouseClick(Box("inRemarksBox"), Qt::LeftButton);
    EXPECT_TRUE(Button("searchButton")->isEnabled());
    // Return searches only from the text field.
    Box("inRemarksBox")->setFocus();
    PressReturn();
    EXPECT_EQ(Selected(), start);

    // Moved and closed: it comes back there with the text and the choices.
    OpenDialog()->move(140, 95);
    QTest::mouseClick(Button("cancelButton"), Qt::LeftButton);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Selected(), start);
    ASSERT_NO_FATAL_FAILURE(OpenSearch());
    EXPECT_EQ(OpenDialog()->pos(), QPoint(140, 95));
    EXPECT_EQ(TextField()->text(), "bc");
    EXPECT_FALSE(Box("inNamesBox")->isChecked());
    EXPECT_TRUE(Box("inRemarksBox")->isChecked());
    EXPECT_TRUE(Button("searchButton")->isEnabled());
    QTest::keyClick(OpenDialog(), Qt::Key_Escape);
    EXPECT_TRUE(Closed());
    Quit("Ja");
    EXPECT_EQ(Stored("fenster", "f3"), "140;95");
}

TEST_F(SearchCommandTest, EveryHitOncePerPassSkippingRootsAndOrderLists) {
    ASSERT_NO_FATAL_FAILURE(OpenSearch());
    TypeText("BC");
    // The first row counts as visited when the dialog opens, so "AB" + "CD"
    // comes last in the first pass; then the same order again.
    const std::vector<std::pair<int, int>> pass = {{0, 2}, {0, 1}, {1, 1}, {0, 0}};
    for (int round = 0; round < 2; ++round) {
        for (const std::pair<int, int>& hit : pass) {
            ClickSearch();
            EXPECT_EQ(Selected(), hit) << "round " << round;
            EXPECT_TRUE(Button("searchButton")->hasFocus());
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        }
    }
    // Return searches from the text field and leaves the focus there.
    TextField()->setFocus();
    PressReturn();
    EXPECT_EQ(Selected(), pass[0]);
    ASSERT_TRUE(WaitFor([&] { return TextField()->hasFocus(); }));
    EXPECT_EQ(Window().List()->model()->rowCount(), 3);
    EXPECT_EQ(HeaderTitles().size(), List()->model()->columnCount());
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(SearchCommandTest, TheChosenFieldsDecideWhatMatches) {
    ASSERT_NO_FATAL_FAILURE(OpenSearch());
    TypeText("bc");
    QTest::mouseClick(Box("inRemarksBox"), Qt::LeftButton);  // names only
    for (const std::pair<int, int>& hit : {std::pair{0, 1}, std::pair{1, 1}, std::pair{0, 1}}) {
        ClickSearch();
        EXPECT_EQ(Selected(), hit);
    }
    QTest::mouseClick(Box("inRemarksBox"), Qt::LeftButton);
    QTest::mouseClick(Box("inNamesBox"), Qt::LeftButton);  // remarks only
    ClickSearch();
    EXPECT_EQ(Selected(), (std::pair{0, 2}));
    ClickSearch();
    EXPECT_EQ(Selected(), (std::pair{0, 2}));  // the only one, found again
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(SearchCommandTest, NoMatchTellsSoAndLeavesTheSelectionsAlone) {
    // The root: no list; the walk starts at the first category after it.
    ClickTreeEntry("Kategorien");
    ASSERT_NO_FATAL_FAILURE(OpenSearch());
    // Only the roots' and the order list's files hold these.
    for (const char* text : {"Wurzel", "Position"}) {
        TypeText(text);
        QCursor* cursorDuringMessage = reinterpret_cast<QCursor*>(1);
        boxes.whenShown = [&] { cursorDuringMessage = QApplication::overrideCursor(); };
        ClickSearch();
        ASSERT_EQ(boxes.seen.size(), 1u) << text;
        EXPECT_TRUE(ShowsBox(boxes.seen[0], {"Info", "Keine Entsprechung gefunden !     ",
                                             QMessageBox::Information}));
        EXPECT_EQ(cursorDuringMessage, nullptr);  // the normal cursor for the message
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(Tree()->Selected(), TreeEntryId::CategoryRoot());
        EXPECT_EQ(List()->model()->rowCount(), 0);
        ASSERT_TRUE(WaitFor([&] { return TextField()->hasFocus(); }));
        boxes.seen.clear();
    }

    TypeText("BC");
    PressReturn();
    EXPECT_EQ(Selected(), (std::pair{0, 0}));
    QTest::keyClick(OpenDialog(), Qt::Key_Escape);
    EXPECT_TRUE(Closed());
    // The main window goes on from the hit: its list is the one shown.
    EXPECT_EQ(Tree()->currentItem()->text(0), "A-Erste");
    EXPECT_EQ(ColumnTexts(0), (QStringList{"AB", "Q", "XBCX"}));
    EXPECT_TRUE(Enabled(Command::EditPart));

    // With a category selected the same text is found again from its list.
    ClickTreeEntry("C-Dritte");
    ASSERT_NO_FATAL_FAILURE(OpenSearch());
    EXPECT_EQ(TextField()->text(), "BC");
    PressReturn();
    EXPECT_EQ(Selected(), (std::pair{0, 0}));
    EXPECT_TRUE(boxes.seen.empty());
}

}  // namespace
