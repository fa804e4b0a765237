// The settings of "teile.dat" as the main window shows them: the columns of
// category lists, their widths and alignments, the splitter, and what the
// window writes back.

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTest>

#include <filesystem>
#include <map>
#include <string>

#include "CategoryTreeView.h"
#include "DialogFrame.h"
#include "MainWindow.h"
#include "ShellTestSupport.h"

namespace {

class SettingsInWindow : public ShellTest {
protected:
    void StartWith(const std::string& spalte) {
        Write("teile.dat", "[kategorie]\r\nk0=Dioden\r\n[spalte]\r\n" + spalte);
        Write("k0.dat", "[teil]\r\nt0=1N4148;schnell;;;;;;;;;;A1;7;0\r\n");
        Start();
    }
    int Alignment(int column) {
        return List()->model()->index(0, column).data(Qt::TextAlignmentRole).toInt() &
               Qt::AlignHorizontal_Mask;
    }
    int TreeWidth() { return Window().findChild<QSplitter*>("mainSplitter")->sizes().value(0); }
};

TEST_F(SettingsInWindow, DamagedColumnEntriesAreSkippedTheOthersCloseUp) {
    StartWith("s1=1;110;0\r\ns2=2;30;0\r\ns3=3;65\r\ns4=12;80;5\r\ns5=13;70;1\r\n");
    EXPECT_EQ(HeaderTitles(), (QStringList{"Bezeichnung*", "Bemerkung", "Lagerort", "Menge"}));
    EXPECT_EQ(List()->columnWidth(1), 50);        // raised from 30
    EXPECT_EQ(Alignment(2), int(Qt::AlignLeft));  // 5 is no alignment
    EXPECT_EQ(Alignment(3), int(Qt::AlignRight));
    EXPECT_EQ(ColumnTexts(2), QStringList{"A1"});
}

TEST_F(SettingsInWindow, NoUsableColumnGivesTheDefaultLayoutAndStoresIt) {
    StartWith("s1=0;110;0\r\ns2=1;0;0\r\n");
    EXPECT_EQ(HeaderTitles(), (QStringList{"Bezeichnung*", "Bemerkung", "UIP", "Bauform",
                                           "Toleranz", "Menge", "Lagerort"}));
    EXPECT_EQ(Alignment(4), int(Qt::AlignHCenter));
    EXPECT_EQ(Alignment(5), int(Qt::AlignHCenter));
    EXPECT_EQ(Alignment(6), int(Qt::AlignLeft));
    EXPECT_EQ(Stored("spalte", "s7"), "12;110;0");
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(SettingsInWindow, ReadOnlyFileShowsTheDefaultLayoutAndSaysSo) {
    Write("teile.dat", "[kategorie]\r\nk0=Dioden\r\n");
    std::filesystem::permissions(folder.File("teile.dat"), std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace);
    const std::string before = Read("teile.dat");
    boxes.Answer("OK");
    Start();
    ASSERT_TRUE(
        ShowedBoxes(boxes, {{"Fehler!", QString::fromUtf8("Datenspeichern nicht möglich !     "),
                             QMessageBox::Critical}}));
    EXPECT_EQ(HeaderTitles().size(), 7);
    EXPECT_EQ(Tree()->currentItem()->text(0), "Dioden");

    // Quitting cannot store the layout either; the user hears of it and the
    // file stays as it was.
    boxes.Answer("Ja");
    boxes.Answer("OK");
    program->Dispatcher().Dispatch(Command::Quit);
    EXPECT_TRUE(ended);
    ASSERT_EQ(boxes.seen.size(), 3u);
    EXPECT_EQ(boxes.seen[2].title, "Fehler!");
    EXPECT_EQ(Read("teile.dat"), before);
}

TEST_F(SettingsInWindow, SplitterPositionWithinItsBounds) {
    for (const auto& [stored, shown] :
         {std::pair{"20", 150}, std::pair{"2000", 150}, std::pair{"321", 321}}) {
        StartWith("s1=1;110;0\r\nteiler=" + std::string(stored) + "\r\n");
        EXPECT_EQ(TreeWidth(), shown) << stored;
        program.reset();
        ForgetIniSnapshots();
    }
}

TEST_F(SettingsInWindow, OlderWidthKeyGivesTheStartWidths) {
    StartWith("s1=1;110;0\r\nbreite=1;2;3\r\nteiler=400\r\nbestellung=90;90;90;90;90\r\n");
    EXPECT_EQ(TreeWidth(), 150);
    EXPECT_EQ(Stored("spalte", "breite"), "");
    EXPECT_EQ(Stored("spalte", "bestellung"), "70;100;200;100;100");
    ClickTreeEntry("Lieferant 1");
    EXPECT_EQ(List()->columnWidth(0), 70);
    EXPECT_EQ(List()->columnWidth(2), 200);
}

// Every dialog remembers where it stood however it was closed, also when it
// never moved: closing it hides it before the frame hears of it.
TEST_F(SettingsInWindow, EveryDialogRemembersItsPlaceHoweverItCloses) {
    struct Opening {
        const char* key;  // in group "fenster"
        const char* treeEntry;
        Command command;
        const char* cancelButton;
    };
    const Opening dialogs[] = {
        {"f1", "Dioden", Command::NewPart, "cancelButton"},
        {"f2", "Dioden", Command::NewCategory, "cancelButton"},
        {"f3", "Dioden", Command::Search, "cancelButton"},
        {"f4", "Bauteilhaus", Command::EditPart, "editCancelButton"},
        {"f5", "Dioden", Command::OrderPart, "cancelButton"},
        {"f6", "Bauteilhaus", Command::EditCategory, "cancelButton"},
        {"f7", "Dioden", Command::UserInformation, "cancelButton"},
        {"f8", "Dioden", Command::ColumnDefinition, "cancelButton"},
    };
    enum class Closing { Button, Escape, CloseBox };
    for (const Closing closing : {Closing::Button, Closing::Escape, Closing::CloseBox}) {
        SCOPED_TRACE(int(closing));
        Write("teile.dat",
              "[kategorie]\r\nk0=Dioden\r\nk901=Bauteilhaus\r\n[spalte]\r\ns1=1;110;0\r\n");
        Write("k0.dat", "[teil]\r\nt0=1N4148;;;;;;;;;;;A1;7;0\r\n");
        Write("k901.dat", "[teil]\r\nt0=k0t0;2;0\r\n");
        ForgetIniSnapshots();
        ASSERT_NO_FATAL_FAILURE(Start());
        std::map<std::string, std::string> seen;
        for (const Opening& opening : dialogs) {
            SCOPED_TRACE(opening.key);
            ClickTreeEntry(opening.treeEntry);
            ClickRow(0);
            program->Dispatcher().Dispatch(opening.command);
            QDialog* dialog = OpenDialog();
            ASSERT_NE(dialog, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            seen[opening.key] = std::to_string(dialog->x()) + ";" + std::to_string(dialog->y());
            if (closing == Closing::Button) {
                QTest::mouseClick(dialog->findChild<QPushButton*>(opening.cancelButton),
                                  Qt::LeftButton);
            } else if (closing == Closing::Escape) {
                QWidget* focus = QApplication::focusWidget();
                QTest::keyClick(focus && focus->window() == dialog ? focus : dialog,
                                Qt::Key_Escape);
            } else {
                dialog->close();
            }
            ASSERT_EQ(OpenDialog(), nullptr);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        Quit("Ja");
        ASSERT_TRUE(ended);
        for (const Opening& opening : dialogs) {
            EXPECT_EQ(Stored("fenster", opening.key), seen[opening.key]) << opening.key;
        }
        program.reset();
        ended = false;
    }
}

}  // namespace
