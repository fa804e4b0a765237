// "Kompaktieren" from the menu on a copy of the demo database with holes: the
// question, the locked window painting its progress, the closing message, and
// every part complete afterwards.

#include <QLabel>
#include <QTest>

#include <regex>

#include "CategoryTreeView.h"
#include "CommandGroups.h"
#include "CompactionFixture.h"
#include "DataFiles.h"
#include "DialogInput.h"
#include "MainWindow.h"
#include "PartListPanel.h"
#include "ScriptedPrompter.h"
#include "ShellTestSupport.h"
#include "compaction/Compaction.h"

namespace {

// The status text each time status field 1 was painted, with whether the
// main window took input then.
class PaintedStatus : public QObject {
public:
    struct Painted {
        QString text;
        bool windowEnabled;
    };

    PaintedStatus(QLabel* field, QWidget* window) : field_(field), window_(window) {
        field->installEventFilter(this);
    }
    std::function<void(const QString&)> whenPainted;
    std::vector<Painted> painted;

    QStringList Texts() const {
        QStringList texts;
        for (const Painted& each : painted) {
            texts.append(each.text);
        }
        return texts;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == field_ && event->type() == QEvent::Paint &&
            (painted.empty() || painted.back().text != field_->text())) {
            painted.push_back({field_->text(), window_->isEnabled()});
            if (whenPainted) {
                whenPainted(field_->text());
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLabel* field_;
    QWidget* window_;
};

std::string Renumbered(const std::string& text, const std::regex& key) {
    std::string result;
    auto rest = text.cbegin();
    for (std::sregex_iterator it(text.begin(), text.end(), key), end; it != end; ++it) {
        result.append(rest, (*it)[0].first);
        result += (*it)[1].str() + std::to_string(2 * std::stoi((*it)[2].str()) + 1);
        rest = (*it)[0].second;
    }
    result.append(rest, text.cend());
    return result;
}

class CompactionCommandTest : public ShellTest {
protected:
    void SetUp() override {
        CopyDemo();
        MakeHoles();
    }

    // Category 3 moves from slots 0, 1, 2 ... to 1, 3, 5 ..., with its
    // pictures, datasheets and order positions.
    void MakeHoles() {
        const std::regex slotKeys("^(t)(\\d+)(?==)", std::regex::multiline);
        const std::regex references("(k3t)(\\d+)(?=[=;])");
        std::string list = Renumbered(Read("k3.dat"), slotKeys);
        list = std::regex_replace(list, std::regex("max=\\d+"), "max=13");
        Write("k3.dat", list);
        for (const char* file : {"bilder.dat", "datenblaetter.dat", "k901.dat"}) {
            Write(file, Renumbered(Read(file), references));
        }
    }

    QLabel* StatusField() { return Window().findChild<QLabel*>("listStatusField"); }
    QString Umlauts(const char* utf8) { return QString::fromUtf8(utf8); }
};

TEST_F(CompactionCommandTest, FromTheMenuEndToEnd) {
    const DatabaseView before = ViewOf(folder.Path());
    ASSERT_EQ(before.parts.size(), 62u);
    ASSERT_TRUE(before.duplicateNames.empty());
    ASSERT_EQ(before.parts.at("BC547B").sides[2].empty(), false);
    ASSERT_NE(Read("k3.dat").find("t13="), std::string::npos);

    Start();
    ClickTreeEntry("Transistoren");
    PaintedStatus status(StatusField(), &Window());
    status.whenPainted = [this](const QString& text) {
        // The close box while the window is locked does nothing.
        if (text.startsWith("Kompaktiere Dioden")) {
            QTimer::singleShot(0, &Window(), [this] { Window().close(); });
        }
        if (text.startsWith("Kompaktiere Bestellungen")) {
            QTimer::singleShot(0, &Window(), [this] { GrabIfAsked(&Window(), "main-compaction"); });
        }
    };
    boxes.Answer("Ja");
    boxes.Answer("OK");
    MenuItem(Command::Compact)->trigger();

    ASSERT_TRUE(ShowedBoxes(
        boxes, {{"Frage ?",
                 Umlauts("Achtung ! Für die Dauer der Kompaktierung     \r\n"
                         "wird die Anwendung für den Nutzer gesperrt.     \r"
                         "Diese Funktion hat u.U. eine lange Laufzeit.     \r\n\r\n"
                         "Soll die Datenbank jetzt kompaktiert werden ?     "),
                 QMessageBox::Warning,
                 {"Ja", "Nein"},
                 "Nein"},
                {"Hinweis", "Datenbank wurde kompaktiert !     ", QMessageBox::Information}}));

    // Every named category by its name, then the orders, each painted while
    // the window was locked.
    const QString locked = " ... (Anwendung ist gesperrt)";
    QStringList progress;
    for (const char* name :
         {"Widerstände", "Kondensatoren", "Dioden", "Transistoren", "ICs / Logik",
          "Spannungsregler", "Steckverbinder", "Relais & Schalter", "Optoelektronik"}) {
        progress.append("Kompaktiere " + Umlauts(name) + locked);
    }
    progress.append("Kompaktiere Bestellungen" + locked);
    QStringList seen = status.Texts();
    seen.removeIf([](const QString& text) { return !text.startsWith("Kompaktiere"); });
    EXPECT_EQ(seen, progress);
    for (const PaintedStatus::Painted& each : status.painted) {
        if (each.text.startsWith("Kompaktiere")) {
            EXPECT_FALSE(each.windowEnabled) << each.text.toStdString();
        }
    }

    // Unlocked, the list shown anew in its new slots.
    EXPECT_TRUE(Window().isEnabled());
    EXPECT_TRUE(Window().isVisible());
    EXPECT_FALSE(ended);
    EXPECT_EQ(ListStatusText(), "7 Teil(e) in dieser Kategorie");
    std::vector<int> shownSlots = program->List().ShownSlots();
    std::sort(shownSlots.begin(), shownSlots.end());
    EXPECT_EQ(shownSlots, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));

    // Every part with its pictures, datasheets and order positions.
    const DatabaseView after = ViewOf(folder.Path());
    EXPECT_TRUE(after == before);
    EXPECT_EQ(ReadIniValue("teil", "max", folder.File("k3.dat")), "6");
    EXPECT_EQ(ReadIniValue("teil", "max", folder.File("k0.dat")), "8");
    EXPECT_TRUE(CompactionLeftovers(folder.Path()).empty());
}

TEST_F(CompactionCommandTest, DecliningChangesNothing) {
    const auto before = DataFileBytes(folder.Path());
    Start();
    const QString shown = ListStatusText();
    boxes.Answer("Nein");
    MenuItem(Command::Compact)->trigger();
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, "Frage ?");
    EXPECT_TRUE(Window().isEnabled());
    EXPECT_EQ(DataFileBytes(folder.Path()), before);
    EXPECT_EQ(ListStatusText(), shown);
}

TEST_F(CompactionCommandTest, WriteFailureIsReportedAndNothingIsLost) {
    const DatabaseView view = ViewOf(folder.Path());
    const auto before = DataFileBytes(folder.Path());
    Start();

    // A file that cannot be written before the commit point: every file as it was.
    CrashingFiles failing(CrashingFiles::kNever, 0);
    program->Commands().compaction.UseFiles(failing);
    boxes.Answer("Ja");
    boxes.Answer("OK");
    MenuItem(Command::Compact)->trigger();
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_TRUE(ShowsBox(boxes.seen[1], {"Fehler!", Umlauts("Datenspeichern nicht möglich !     "),
                                         QMessageBox::Critical}));
    EXPECT_TRUE(Window().isEnabled());
    EXPECT_EQ(DataFileBytes(folder.Path()), before);
    EXPECT_TRUE(CompactionLeftovers(folder.Path()).empty());

    // A rename that fails after the commit point: the user learns that the
    // next start finishes it, and it does.
    CrashingFiles counting;
    {
        TempFolder copy;
        for (const auto& [name, bytes] : before) {
            if (!bytes.empty()) {
                copy.Write(name, bytes);
            }
        }
        ScriptedPrompter yes({Answer::Yes});
        CompactDatabase(copy.Path(), yes, {}, counting);
    }
    const auto prepared =
        std::count_if(counting.log.begin(), counting.log.end(),
                      [](const std::string& step) { return step.rfind("prepare", 0) == 0; });
    CrashingFiles renameFails(CrashingFiles::kNever, static_cast<int>(prepared) + 2);
    program->Commands().compaction.UseFiles(renameFails);
    boxes.seen.clear();
    boxes.Answer("Ja");
    boxes.Answer("OK");
    boxes.Answer("OK");
    MenuItem(Command::Compact)->trigger();
    ASSERT_EQ(boxes.seen.size(), 3u);
    EXPECT_EQ(boxes.seen[1].text, Umlauts("Datenspeichern nicht möglich !     "));
    EXPECT_EQ(boxes.seen[2].title, "Hinweis");
    EXPECT_TRUE(boxes.seen[2].text.contains(Umlauts("beim nächsten Programmstart abgeschlossen")));
    EXPECT_TRUE(Window().isEnabled());
    EXPECT_EQ(RecoverInterruptedCompaction(folder.Path()).result, RecoveryResult::Finished);
    EXPECT_TRUE(ViewOf(folder.Path()) == view);
}

}  // namespace
