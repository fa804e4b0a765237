// The built exporter end to end: a copy of the program in a prepared folder,
// its console text read from a pipe (or a terminal) and its CSV files checked
// byte for byte.

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <thread>

#include "DrankoProcess.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader =
    "\"Bezeichnung\"\t\"Bemerkung\"\t\"UIP\"\t\"Bauform\"\t\"Toleranz\"\t\"Best1\"\t\"Best2\"\t"
    "\"Best3\"\t\"Preis1\"\t\"Preis2\"\t\"Preis3\"\t\"Menge\"\t\"Soll\"\t\"Lagerort\"\t"
    "\"Datenblatt\"\t\"Datenblatt2\"\t\"Bild\"\t\"Bild2\"\r\n";
constexpr std::string_view kStart = "CSV-Dranko (Teile)\n--------------------\n";
constexpr std::string_view kPromptUtf8 = "Dr\u00FCcke 'Enter', um zu beenden.\n";

// The line of a part that has only a name, with no side values.
std::string NameOnlyLine(std::string_view name) {
    return "\"" + std::string(name) +
           "\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"0,00\"\t\"0,00\"\t\"0,00\"\t"
           "\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\r\n";
}

std::string Categories(std::initializer_list<std::string_view> lines) {
    std::string text = "[kategorie]\r\n";
    for (std::string_view line : lines) {
        text += std::string(line) + "\r\n";
    }
    return text;
}

class DrankoRun : public testing::Test {
protected:
    DrankoRun() { fs::copy_file(SUITE_PROGRAM_DIR "dranko", folder.File("dranko")); }

    std::string Program() const { return folder.File("dranko"); }

    DrankoResult Run(const std::vector<std::string>& arguments = {"teile", "/FRAGNICHT"},
                     const std::string& lang = "C.UTF-8") const {
        return RunDranko(Program(), arguments, "\n", lang);
    }

    // Every file beside the program, by name, with its bytes.
    std::map<std::string, std::string> FolderFiles() const {
        std::map<std::string, std::string> files;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder.Path())) {
            const std::string name = entry.path().filename().string();
            if (name != "dranko" && name != "csv") {
                files[name] = folder.Read(name);
            }
        }
        return files;
    }

    TempFolder folder;
};

TEST_F(DrankoRun, WritesEachNamedCategoryByteForByteAndLeavesTheDatabaseAlone) {
    const std::string longName(300, 'L');
    const std::string longPath = "$lopf$" + std::string(300, 'p');
    folder.Write("teile.dat", Categories({"k0=Dioden", "k2=Stecker", "k901=Reichelt"}) +
                                  "[Adressen]\r\nLgleichR=1\r\n");
    folder.Write("k0.dat",
                 "[teil]\r\nmax=4\r\n"
                 "t0=1N4148;Kleinsignal;100V;DO-35;k.A.;A1;B1;C1;0,05;  ;;Fach 1;100;20\r\n"
                 "t2=BAT43\r\n"
                 "t3=  \r\n"
                 "t4=Stecker \"Mini\";a;b;c;d;e;f;g;1,50;2;3;Kiste;5;6;15.Feld\r\n"
                 "t5=hinter max\r\n");
    // A reader gets 254 characters of a longer value, and so does the file.
    folder.Write("k2.dat", "[TEIL]\nt0=" + longName + "\n");
    folder.Write("bilder.dat",
                 "[bild0]\r\nk0t0=$lopf$bilder\\1n4148.jpg\r\nK0T4 = C:\\x.bmp\r\n"
                 "[bild1]\r\nk0t0=zwei.jpg\r\nk0t1=ohne Teil.jpg\r\nK0T0=nicht die erste.jpg\r\n"
                 "k00t4=nicht k0t4.jpg\r\n");
    folder.Write("datenblaetter.dat",
                 "[datenblatt]\r\nk0t0=$LOPF$db\\1n4148.pdf\r\n"
                 "[datenblatt2]\r\nk0t2=" +
                     longPath + "\r\n");
    const std::map<std::string, std::string> before = FolderFiles();

    const DrankoResult result = Run();

    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.output, std::string(kStart) +
                                 "Erstelle CSV-Dateien...\n"
                                 "Bearbeite Kategorie: Dioden...Fertig!\n"
                                 "Bearbeite Kategorie: Stecker...Fertig!\n"
                                 "Vorgang abgeschlossen!\n");
    EXPECT_EQ(folder.Read("csv/DIODEN.csv"),
              std::string(kHeader) +
                  "\"1N4148\"\t\"Kleinsignal\"\t\"100V\"\t\"DO-35\"\t\"k.A.\"\t\"A1\"\t\"B1\"\t"
                  "\"C1\"\t\"0,05\"\t\"0,00\"\t\"0,00\"\t\"100\"\t\"20\"\t\"Fach 1\"\t"
                  "\"$LOPF$db\\1n4148.pdf\"\t\"\"\t\"$lopf$bilder\\1n4148.jpg\"\t\"zwei.jpg\"\r\n"
                  "\"BAT43\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"0,00\"\t\"0,00\"\t"
                  "\"0,00\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"" +
                  longPath.substr(0, 254) +
                  "\"\t\"\"\t\"\"\r\n"
                  "\"Stecker \"Mini\"\"\t\"a\"\t\"b\"\t\"c\"\t\"d\"\t\"e\"\t\"f\"\t\"g\"\t"
                  "\"1,50\"\t\"2\"\t\"3\"\t\"5\"\t\"6\"\t\"Kiste\"\t"
                  "\"\"\t\"\"\t\"C:\\x.bmp\"\t\"\"\r\n");
    EXPECT_EQ(folder.Read("csv/STECKER.csv"),
              std::string(kHeader) + NameOnlyLine(longName.substr(0, 254)));
    EXPECT_EQ(FolderFiles(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.File("csv")), fs::directory_iterator()),
              2);
}

TEST_F(DrankoRun, MaxBoundsTheSlotsWithoutALowerClamp) {
    folder.Write("teile.dat",
                 Categories({"k0=Sechshundert", "k1=Minus", "k2=Ohne", "k3=Fehlt", "k4=Text"}));
    folder.Write("k0.dat", "[teil]\r\nmax=600\r\nt0=A\r\nt499=B\r\nt500=C\r\n");
    folder.Write("k1.dat", "[teil]\r\nmax=-1\r\nt0=A\r\n");
    folder.Write("k2.dat", "[teil]\r\nt499=B\r\nt500=C\r\n");
    folder.Write("k4.dat", "[teil]\r\nmax=viele\r\nt0=A\r\nt1=B\r\n");

    ASSERT_EQ(Run().exitStatus, 0);

    EXPECT_EQ(folder.Read("csv/SECHSHUNDERT.csv"),
              std::string(kHeader) + NameOnlyLine("A") + NameOnlyLine("B"));
    EXPECT_EQ(folder.Read("csv/MINUS.csv"), kHeader);
    EXPECT_EQ(folder.Read("csv/OHNE.csv"), std::string(kHeader) + NameOnlyLine("B"));
    EXPECT_EQ(folder.Read("csv/FEHLT.csv"), kHeader);
    EXPECT_EQ(folder.Read("csv/TEXT.csv"), std::string(kHeader) + NameOnlyLine("A"));
}

TEST_F(DrankoRun, BlankNamesAreSkippedAndTheHigherNumberWinsASharedFileName) {
    folder.Write("teile.dat",
                 Categories({"k0=ICs / Logik", "k1=\"   \"", "k2=", "k3=ICs   Logik", "k4"}));
    folder.Write("k0.dat", "[teil]\r\nt0=alt\r\n");
    folder.Write("k1.dat", "[teil]\r\nt0=leer\r\n");
    folder.Write("k3.dat", "[teil]\r\nt0=neu\r\n");
    fs::create_directory(folder.File("csv"));
    folder.Write("csv/FRUEHER.csv", "von einem alten Lauf");

    const DrankoResult result = Run();

    EXPECT_EQ(result.output, std::string(kStart) +
                                 "Erstelle CSV-Dateien...\n"
                                 "Bearbeite Kategorie: ICs / Logik...Fertig!\n"
                                 "Bearbeite Kategorie: ICs   Logik...Fertig!\n"
                                 "Vorgang abgeschlossen!\n");
    EXPECT_EQ(folder.Read("csv/ICS___LOGIK.csv"), std::string(kHeader) + NameOnlyLine("neu"));
    EXPECT_EQ(folder.Read("csv/FRUEHER.csv"), "von einem alten Lauf");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.File("csv")), fs::directory_iterator()),
              2);
}

TEST_F(DrankoRun, UmlautNamesGiveUtf8FileNamesAndReadableConsoleText) {
    folder.Write("teile.dat", Categories({"k0=Widerst\xE4nde", "k1=Gro\337e \334bertr\xE4ger"}));
    folder.Write("k0.dat", "[teil]\r\nt0=4,7k\xB5;\374ber 1\x80\r\n");
    for (const std::string lang : {"C.UTF-8", "C"}) {
        SCOPED_TRACE(lang);
        const DrankoResult result = Run({"", "/FRAGNICHT"}, lang);

        EXPECT_EQ(result.output,
                  std::string(kStart) +
                      "Erstelle CSV-Dateien...\n"
                      "Bearbeite Kategorie: Widerst\u00E4nde...Fertig!\n"
                      "Bearbeite Kategorie: Gro\u00DFe \u00DCbertr\u00E4ger...Fertig!\n"
                      "Vorgang abgeschlossen!\n");
        // The file holds the database's own cp1252 bytes; only its name is UTF-8.
        EXPECT_EQ(folder.Read("csv/WIDERST\u00C4NDE.csv"),
                  std::string(kHeader) +
                      "\"4,7k\xB5\"\t\"\374ber 1\x80\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t"
                      "\"0,00\"\t\"0,00\"\t\"0,00\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\r\n");
        EXPECT_EQ(folder.Read("csv/GRO_E_\u00DCBERTR\u00C4GER.csv"), kHeader);
        fs::remove_all(folder.File("csv"));
    }
}

TEST_F(DrankoRun, OnlyTheSecondArgumentSkipsThePrompt) {
    const std::string ending = "Vorgang abgeschlossen!\n";
    // Input stays open: a program that waited would never end by itself.
    for (const char* the_switch : {"/FRAGNICHT", "/fragnicht", "/FragNicht"}) {
        DrankoProcess process(Program(), {"egal", the_switch}, "C.UTF-8");
        process.ReadToEnd();
        EXPECT_EQ(process.Wait(), 0) << the_switch;
        EXPECT_TRUE(process.Output().ends_with(ending)) << process.Output();
    }

    DrankoProcess waiting(Program(), {"/FRAGNICHT"}, "C.UTF-8");
    ASSERT_TRUE(waiting.ReadUntil(kPromptUtf8)) << waiting.Output();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(waiting.Running());
    waiting.SendInput("\n");
    EXPECT_EQ(waiting.Wait(), 0);
    EXPECT_TRUE(waiting.Output().ends_with(ending + std::string(kPromptUtf8)));

    // The end of input counts as Enter; so does a third argument after the switch.
    const DrankoResult closed = RunDranko(Program(), {}, "");
    EXPECT_EQ(closed.exitStatus, 0);
    EXPECT_TRUE(closed.output.ends_with(ending + std::string(kPromptUtf8)));
    const DrankoResult first = Run({"/FRAGNICHT", "egal", "/FRAGNICHT"});
    EXPECT_EQ(first.exitStatus, 0);
    EXPECT_TRUE(first.output.ends_with(kPromptUtf8));
}

TEST_F(DrankoRun, APlainFileNamedCsvEndsTheRunAfterTheStartLines) {
    folder.Write("teile.dat", Categories({"k0=Dioden"}));
    folder.Write("k0.dat", "[teil]\r\nt0=1N4148\r\n");
    folder.Write("csv", "kein Ordner");
    const std::map<std::string, std::string> before = FolderFiles();

    const DrankoResult result = Run({});

    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.output, std::string(kStart) +
                                 "Fehler bei der Verzeichnis-Erstellung!\n"
                                 "Vorgang abgeschlossen!\n" +
                                 std::string(kPromptUtf8));
    EXPECT_EQ(folder.Read("csv"), "kein Ordner");
    EXPECT_EQ(FolderFiles(), before);
}

TEST_F(DrankoRun, AFileThatCannotBeWrittenFailsAloneAndIsNeverCalledDone) {
    folder.Write("teile.dat", Categories({"k0=Dioden", "k1=Voll", "k2=Stecker"}));
    folder.Write("k1.dat", "[teil]\r\nt0=A\r\n");
    fs::create_directories(folder.File("csv/DIODEN.csv"));
    // A full disk: the file opens, its bytes do not fit.
    fs::create_symlink("/dev/full", folder.File("csv/VOLL.csv"));

    const DrankoResult result = Run();

    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.output, std::string(kStart) +
                                 "Erstelle CSV-Dateien...\n"
                                 "Bearbeite Kategorie: Dioden...Fehlgeschlagen!\n"
                                 "Bearbeite Kategorie: Voll...Fehlgeschlagen!\n"
                                 "Bearbeite Kategorie: Stecker...Fertig!\n"
                                 "Vorgang abgeschlossen!\n");
    EXPECT_EQ(folder.Read("csv/STECKER.csv"), kHeader);
}

TEST_F(DrankoRun, ColoursOnATerminalComeOnTheirBlackAndEndBeforeTheLineEnd) {
    folder.Write("csv", "");
    DrankoProcess process(Program(), {}, "C.UTF-8", /*terminal=*/true);
    const std::string prompt = "\x1b[97;40mDr\u00FCcke 'Enter', um zu beenden.\x1b[0m\n";
    ASSERT_TRUE(process.ReadUntil(prompt)) << process.Output();
    process.SendInput("\n");
    EXPECT_EQ(process.Wait(), 0);
    EXPECT_EQ(process.Output(), std::string(kStart) +
                                    "\x1b[91;40mFehler bei der Verzeichnis-Erstellung!\x1b[0m\n"
                                    "Vorgang abgeschlossen!\n" +
                                    prompt);
}

TEST_F(DrankoRun, ClosingTheTerminalAtThePromptEndsWithStatusZero) {
    DrankoProcess process(Program(), {}, "C.UTF-8");
    ASSERT_TRUE(process.ReadUntil(kPromptUtf8));
    process.Signal(SIGHUP);
    EXPECT_EQ(process.Wait(), 0);
}

}  // namespace
