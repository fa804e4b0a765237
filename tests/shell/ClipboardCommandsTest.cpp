// Delete, cut, copy and paste from the main window's menu, toolbar and keys,
// with the data files checked afterwards.

#include <QApplication>
#include <QClipboard>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <map>

#include "CategoryTreeView.h"
#include "CommandActions.h"
#include "MainWindow.h"
#include "PartListModel.h"
#include "ShellTestSupport.h"
#include "TestParts.h"

namespace {

// A part of the test: its order number names it.
TestPart Part(const std::string& name, int stock) {
    TestPart part = Stocked(name, std::to_string(stock));
    part.orderNumbers[0] = "BN-" + name;
    return part;
}

class ClipboardCommandsTest : public ShellTest {
protected:
    void SetUp() override {
        Write("teile.dat", "[kategorie]\r\nk0=Dioden\r\nk1=Elkos\r\nk2=Leer\r\n");
        // Shown by name: D-drei (t2), D-eins (t0), D-zwei (t1).
        Write("k0.dat",
              PartsFile("",
                        {{0, Part("D-eins", 0)}, {1, Part("D-zwei", 2)}, {2, Part("D-drei", 0)}}));
        Write("k1.dat", PartsFile("", {{0, Part("C-eins", 0)}}));
        // D-eins is on two order lists and has a picture and a datasheet.
        Write("k901.dat", "[teil]\r\nt0=k0t0;3;0\r\nt1=k0t2;1;0\r\n");
        Write("k902.dat", "[teil]\r\nt0=k0t0;1;1\r\n");
        Write("bilder.dat", "[bild0]\r\nk0t0=diode.jpg\r\n");
        Write("datenblaetter.dat", "[datenblatt]\r\nk0t0=$lopf$1n4148.pdf\r\n");
        Start();
    }

    std::map<std::string, std::string> AllFiles() {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            files[entry.path().filename().string()] = Read(entry.path().filename().string());
        }
        return files;
    }
    std::string Value(const char* file, const std::string& group, const std::string& key) {
        return ReadIniValue(group, key, folder.File(file));
    }
    int SelectedSlot() {
        const int row = SelectedRow();
        const QModelIndex cell = List()->model()->index(row, 0);
        return row < 0 ? -2 : cell.data(PartListModel::kItemDataRole).toInt();
    }
    void PressDelete() {
        // The window's keys work once it is active again after a message box.
        ASSERT_TRUE(WaitFor([&] { return Window().isActiveWindow(); }));
        List()->setFocus();
        QTest::keyClick(List(), Qt::Key_Delete);
    }
};

TEST_F(ClipboardCommandsTest, InAnOrderListCopyAndCutTakeTheOrderNumberAndWriteNothing) {
    ClickRow(1);  // D-eins
    QTest::mouseClick(ToolButton(Command::CopyPart), Qt::LeftButton);
    EXPECT_TRUE(Enabled(Command::PastePart));
    QApplication::clipboard()->setText("vorher");
    const std::map<std::string, std::string> before = AllFiles();

    ClickTreeEntry("Lieferant 1");
    EXPECT_EQ(ToolButton(Command::CopyPart)->toolTip(), " Bestellnummer in die Zwischenablage ");
    ClickRow(1);  // D-eins, shown after D-drei
    QTest::mouseClick(ToolButton(Command::CopyPart), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "BN-D-eins");
    ClickRow(0);
    program->Dispatcher().Dispatch(Command::CutPart);
    EXPECT_EQ(QApplication::clipboard()->text(), "BN-D-drei");
    ClickRow(2);  // the sum row copies nothing
    program->Dispatcher().Dispatch(Command::CopyPart);
    EXPECT_EQ(QApplication::clipboard()->text(), "BN-D-drei");

    EXPECT_EQ(AllFiles(), before);
    // The part waiting to be pasted is still there.
    ClickTreeEntry("Elkos");
    EXPECT_TRUE(Enabled(Command::PastePart));
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(ClipboardCommandsTest, CutAndPasteMovesThePartWithItsPositionsAndSideEntries) {
    ClickRow(1);  // D-eins, slot 0
    MenuItem(Command::CutPart)->trigger();
    EXPECT_TRUE(Enabled(Command::PastePart));
    // Nothing happens before the paste.
    EXPECT_EQ(Value("k0.dat", "teil", "t0"), Part("D-eins", 0).Record());

    ClickTreeEntry("Leer");
    EXPECT_TRUE(Enabled(Command::PastePart));
    QTest::mouseClick(ToolButton(Command::PastePart), Qt::LeftButton);
    EXPECT_EQ(Value("k2.dat", "teil", "t0"), Part("D-eins", 0).Record());
    EXPECT_EQ(Value("k0.dat", "teil", "t0"), "");
    EXPECT_EQ(Value("k901.dat", "teil", "t0"), "k2t0;3;0");
    EXPECT_EQ(Value("k902.dat", "teil", "t0"), "k2t0;1;1");
    EXPECT_EQ(Value("bilder.dat", "bild0", "k2t0"), "diode.jpg");
    EXPECT_EQ(Value("bilder.dat", "bild0", "k0t0"), "");
    EXPECT_EQ(Value("datenblaetter.dat", "datenblatt", "k2t0"), "$lopf$1n4148.pdf");
    EXPECT_EQ(Value("datenblaetter.dat", "datenblatt", "k0t0"), "");
    EXPECT_EQ(ColumnTexts(0), QStringList{"D-eins"});
    EXPECT_EQ(SelectedSlot(), 0);
    EXPECT_FALSE(Enabled(Command::PastePart));
    EXPECT_FALSE(Enabled(Command::DeleteCategory));
    EXPECT_TRUE(Enabled(Command::DeletePart));  // stock 0

    // A copy pasted where it came from writes nothing and is forgotten.
    const std::map<std::string, std::string> before = AllFiles();
    MenuItem(Command::CopyPart)->trigger();
    EXPECT_TRUE(Enabled(Command::PastePart));
    MenuItem(Command::PastePart)->trigger();
    EXPECT_EQ(AllFiles(), before);
    EXPECT_FALSE(Enabled(Command::PastePart));
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(ClipboardCommandsTest, DeleteIsRefusedOrAskedAsTheRulesSay) {
    const QString fromList = QString::fromUtf8("Teil aus der Liste löschen ?     ");
    const QString ordered = QString::fromUtf8(
        "Teil befindet sich in mindestens einer Bestellung. Trotzdem löschen ?     ");
    // Stock 2: refused without a question.
    ClickRow(2);
    EXPECT_FALSE(Enabled(Command::DeletePart));
    PressDelete();
    program->Dispatcher().Dispatch(Command::DeletePart);
    EXPECT_TRUE(boxes.seen.empty());

    // "Nein" to the first question, then to the question about the orders.
    const std::map<std::string, std::string> before = AllFiles();
    ClickRow(1);  // D-eins
    boxes.Answer("Nein");
    PressDelete();
    boxes.Answer("Ja");
    boxes.Answer("Nein");
    PressDelete();
    EXPECT_EQ(AllFiles(), before);
    const auto question = [](const QString& text) {
        return ExpectedBox{"Warnung !", text, QMessageBox::Warning, {"Ja", "Nein"}, "Nein"};
    };
    ASSERT_TRUE(ShowedBoxes(boxes, {question(fromList), question(fromList), question(ordered)}));

    // A waiting paste is forgotten by a delete. Yes twice: the part, its
    // positions and its side entries go; the row after it is selected.
    MenuItem(Command::CopyPart)->trigger();
    boxes.Answer("Ja");
    boxes.Answer("Ja");
    MenuItem(Command::DeletePart)->trigger();
    EXPECT_EQ(Value("k0.dat", "teil", "t0"), "");
    EXPECT_EQ(Value("k901.dat", "teil", "t0"), "");
    EXPECT_EQ(Value("k901.dat", "teil", "t1"), "k0t2;1;0");
    EXPECT_EQ(Value("k902.dat", "teil", "t0"), "");
    EXPECT_EQ(Value("bilder.dat", "bild0", "k0t0"), "");
    EXPECT_EQ(Value("datenblaetter.dat", "datenblatt", "k0t0"), "");
    EXPECT_EQ(ColumnTexts(0), (QStringList{"D-drei", "D-zwei"}));
    EXPECT_EQ(SelectedSlot(), 1);
    EXPECT_FALSE(Enabled(Command::PastePart));
    EXPECT_FALSE(Enabled(Command::DeletePart));  // D-zwei has stock

    // In an order list only the position goes.
    ClickTreeEntry("Lieferant 1");
    ClickRow(0);
    boxes.Answer("Ja");
    PressDelete();
    EXPECT_EQ(boxes.seen.back().text, QString::fromUtf8("Teil aus der Bestellung löschen ?     "));
    EXPECT_EQ(Value("k901.dat", "teil", "t1"), "");
    EXPECT_EQ(Value("k0.dat", "teil", "t2"), Part("D-drei", 0).Record());
    EXPECT_EQ(List()->model()->rowCount(), 0);
    EXPECT_FALSE(Enabled(Command::DeletePart));
    EXPECT_TRUE(boxes.AllAnswered());
}

}  // namespace
