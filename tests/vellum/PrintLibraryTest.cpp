// The built print library called as teile calls it, on copies of the demo
// database and on lists written here; every document is read back as text
// (and, for the red of a shortage, as a picture).

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>
#include <future>
#include <string>
#include <vector>

#include "Cp1252.h"
#include "DataFiles.h"
#include "IniStore.h"
#include "PrintJob.h"
#include "PrintTestSupport.h"
#include "lists/PartList.h"

namespace {

constexpr int kLongCategory = 9;

struct TestPart {
    int number;
    int stock;
    int target;
    QString Name() const { return QString::asprintf("Teil-%03d", number); }
    bool Shortage() const { return target > 0 && stock <= target; }
};

std::vector<TestPart> TestParts(int count) {
    std::vector<TestPart> parts;
    for (int i = 0; i < count; ++i) {
        parts.push_back({i, i % 5, i % 3 == 0 ? 0 : 3});
    }
    return parts;
}

// One-word texts, so each part stays on one line of the printed list. The
// slots are filled back to front, so the print has to sort.
void WriteCategory(const TempFolder& folder, const std::vector<TestPart>& parts,
                   const std::string& filler = "") {
    std::string file = "[teil]\r\n";
    for (std::size_t slot = 0; slot < parts.size(); ++slot) {
        const TestPart& part = parts[parts.size() - 1 - slot];
        char record[512];
        std::snprintf(
            record, sizeof record,
            "%s%s;Bem-%03d%s;5V;DIP8;1%%;BN1-%03d;BN2-%03d;BN3-%03d;1,25;2,50;0,75;F-%03d;"
            "%d;%d",
            part.Name().toStdString().c_str(), filler.c_str(), part.number, filler.c_str(),
            part.number, part.number, part.number, part.number, part.stock, part.target);
        file += "t" + std::to_string(slot) + "=" + record + "\r\n";
    }
    folder.Write(ListFileName(kLongCategory), file);
}

QString Shown(const std::string& cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

QString Row(const QStringList& cells) {
    QStringList quoted;
    for (const QString& cell : cells) {
        quoted.append(QRegularExpression::escape(cell));
    }
    return quoted.join("\\s+");
}

bool Has(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern).match(text).hasMatch();
}

// Page 1 of a PDF as pdftotext places its words and pdftoppm paints them,
// both at 72 dpi, to tell the colour a word is drawn in.
class FirstPage {
public:
    FirstPage(const std::string& pdf, const TempFolder& scratch)
        : boxes_(PdfText(pdf, {"-bbox", "-f", "1", "-l", "1"})) {
        const QString picture = QString::fromStdString(scratch.File("page"));
        QProcess::execute("pdftoppm", {"-r", "72", "-f", "1", "-l", "1", "-singlefile", "-png",
                                       QString::fromStdString(pdf), picture});
        image_.load(picture + ".png");
    }

    bool DrawnRed(const QString& word) const {
        const QRegularExpressionMatch box =
            QRegularExpression(
                "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                "yMax=\"([0-9.]+)\">" +
                QRegularExpression::escape(word) + "<")
                .match(boxes_);
        EXPECT_TRUE(box.hasMatch()) << word.toStdString();
        int red = 0;
        for (int x = static_cast<int>(box.captured(1).toDouble()); x <= box.captured(3).toDouble();
             ++x) {
            for (int y = static_cast<int>(box.captured(2).toDouble());
                 y <= box.captured(4).toDouble(); ++y) {
                const QColor pixel = image_.pixelColor(x, y);
                red += pixel.red() > 180 && pixel.green() < 120 && pixel.blue() < 120 ? 1 : 0;
            }
        }
        return red > 0;
    }

private:
    QString boxes_;
    QImage image_;
};

using CategoryPrint = PrintLibraryTest;
using OrderPrint = PrintLibraryTest;
using PrintFaults = PrintLibraryTest;

TEST_F(CategoryPrint, EveryPartOnceWithItsColumnsSortedMarkedAndPaged) {
    const std::vector<TestPart> parts = TestParts(130);
    WriteCategory(folder, parts);
    WriteMain("kategorie", "k9", "Lange Liste");
    Print(kLongCategory);

    const std::string name = "Kategorie Lange Liste " + IsoToday() + ".pdf";
    ASSERT_EQ(Kept(), std::vector<std::string>{name});
    const QString text = KeptText(name);
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    ASSERT_EQ(PageCount(text), pages.size());
    const QString header = Row({"Bezeichnung", "Bemerkung", "UIP", "Bauform", "Toleranz",
                                "Lagerort", "Menge", "Soll", "Preis 1"});
    for (int page = 1; page <= pages.size(); ++page) {
        const QString& shown = pages[page - 1];
        EXPECT_TRUE(shown.contains("Lange Liste")) << page;
        EXPECT_TRUE(shown.contains(Today() + " \u2013 Seite " + QString::number(page) + " von " +
                                   QString::number(pages.size())))
            << shown.toStdString();
        EXPECT_TRUE(Has(shown, header)) << page;
    }
    qsizetype previous = -1;
    for (const TestPart& part : parts) {
        const QString number = QString::asprintf("%03d", part.number);
        EXPECT_EQ(text.count(part.Name()), 1) << part.Name().toStdString();
        EXPECT_TRUE(
            Has(text, Row({part.Name(), "Bem-" + number, "5V", "DIP8", "1%", "F-" + number,
                           QString::number(part.stock), QString::number(part.target), "1,25"})))
            << part.Name().toStdString();
        EXPECT_GT(text.indexOf(part.Name()), previous) << "sorted by name";
        previous = text.indexOf(part.Name());
    }
    EXPECT_TRUE(pages.last().trimmed().endsWith("130 Teil(e) in dieser Kategorie"));

    // The first parts by name are on page 1, in the list's red where short:
    // stock 0 of target 0 is none, stock 3 of target 3 (part 8) is one.
    const FirstPage first(folder.File("druck/" + name), folder);
    for (int number : {0, 1, 3, 4, 5, 8}) {
        EXPECT_EQ(first.DrawnRed(parts[number].Name()), parts[number].Shortage()) << number;
    }
    EXPECT_EQ(PreviewTitles(1),
              QStringList{QString::fromStdString(" Druckvorschau \u2013 druck/" + name)});
}

// The user's columns in their order, stock and target added when missing;
// reading them never writes "teile.dat", not even the default layout.
TEST_F(CategoryPrint, ColumnsFollowTheUsersDefinitionWithStockAndTargetAlwaysShown) {
    const struct {
        std::vector<std::string> columns;  // "s1", "s2", ...; none: no group "spalte"
        QStringList header;
        QStringList row;  // of "0,22 Ohm"
    } cases[] = {
        {{"12;100;1", "1;300;0"},
         {"Lagerort", "Bezeichnung", "Menge", "Soll"},
         {"Schrank A / Fach 3", "0,22 Ohm", "6", "4"}},
        {{},
         {"Bezeichnung", "Bemerkung", "UIP", "Bauform", "Toleranz", "Menge", "Lagerort", "Soll"},
         {"0,22 Ohm"}},
    };
    for (const auto& c : cases) {
        WriteMain("spalte", "", "");
        for (std::size_t i = 0; i < c.columns.size(); ++i) {
            WriteMain("spalte", "s" + std::to_string(i + 1), c.columns[i]);
        }
        const std::string before = folder.Read("teile.dat");
        ASSERT_EQ(Call("DruckeKategorie", 0), 0);
        EXPECT_EQ(folder.Read("teile.dat"), before);
        const QString text = KeptText(Kept().back());
        EXPECT_TRUE(Has(text, Row(c.header))) << text.toStdString();
        EXPECT_TRUE(Has(text, Row(c.row))) << text.toStdString();
        std::filesystem::remove_all(folder.File("druck"));
    }
}

// What the engine reads from a missing, empty or damaged list is what prints.
TEST_F(CategoryPrint, MissingEmptyOrDamagedListPrintsWhatTheListShows) {
    const struct {
        const char* file;  // nullptr: no file
        QString shows;
    } cases[] = {
        {nullptr, "keine Teile"},
        {"", "keine Teile"},
        {"\x01\xFF\xFE[[[teil\r\nt0==", "keine Teile"},
        {"[teil]\r\nmax=-1\r\nt0=Rest;;;;\r\nt1=unsichtbar\r\n", "1 Teil(e) in dieser Kategorie"},
    };
    WriteMain("kategorie", "k9", "Kaputt");
    for (const auto& c : cases) {
        std::filesystem::remove(folder.File("k9.dat"));
        if (c.file != nullptr) {
            folder.Write("k9.dat", c.file);
        }
        ASSERT_EQ(Call("DruckeKategorie", kLongCategory), 0);
        const QString text = KeptText(Kept().back());
        EXPECT_EQ(PageCount(text), 1);
        EXPECT_TRUE(text.contains("Kaputt"));
        EXPECT_TRUE(text.contains("Seite 1 von 1"));
        EXPECT_TRUE(Has(text, Row({"Bezeichnung", "Bemerkung"})));
        EXPECT_TRUE(text.contains(c.shows)) << text.toStdString();
        EXPECT_FALSE(text.contains("unsichtbar"));
        std::filesystem::remove_all(folder.File("druck"));
    }
}

TEST_F(OrderPrint, LetterShowsAddressesAndTheShownPositionsWithTheListsSum) {
    Print(901);
    const std::string name = "Bestellung Bauteilhaus " + IsoToday() + ".pdf";
    ASSERT_EQ(Kept(), std::vector<std::string>{name});
    const QString text = KeptText(name);

    for (const char* line :
         {"Klaus Müller", "Hobbywerkstatt", "Birkenweg 12", "D-34117 Kassel",
          "Telefon: 0561 555-3478", "Bauteilhaus Versand GmbH", "Frau Sommer", "Industriestraße 14",
          "D-26789 Leer", "Kunden-Nummer: KD-204817",
          "Lieferadresse:", "Bestellung bei Bauteilhaus", "hiermit bestelle ich"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
    }
    EXPECT_TRUE(text.contains("Datum: " + Today()));
    // Delivery to the invoice address ("LgleichR" = 1): the address twice
    // on the right, once more in the return line above the recipient.
    EXPECT_EQ(text.count("Birkenweg 12"), 3);

    // The order list as the main window shows it, computed by the engine.
    const PartListLoad list = FillPartList(folder.Path(), 901, -1, {}, SortState{});
    qsizetype previous = -1;
    int shown = 0;
    for (const ShownRow& row : list.shown.rows) {
        const QString position = Shown(row.texts[kOrderColumnName]);
        if (row.itemData == kSumRowItemData) {
            EXPECT_TRUE(
                Has(text, Row({"Gesamtsumme:",
                               QString::fromStdString(row.texts[kOrderColumnTotal] + " \u20AC")})))
                << text.toStdString();
        } else if (row.icon == RowIcon::HiddenPosition) {
            EXPECT_FALSE(text.contains(position)) << position.toStdString();
        } else {
            ++shown;
            EXPECT_TRUE(Has(text, Row({Shown(row.texts[kOrderColumnAmount]),
                                       Shown(row.texts[kOrderColumnOrderNumber]), position,
                                       Shown(row.texts[kOrderColumnUnitPrice]) + " \u20AC",
                                       Shown(row.texts[kOrderColumnTotal]) + " \u20AC"})))
                << position.toStdString();
            EXPECT_GT(text.indexOf(position), previous) << "in the list's order";
            previous = text.indexOf(position);
        }
    }
    EXPECT_EQ(shown, 4);

    QProcess pdffonts;
    pdffonts.start("pdffonts", {QString::fromStdString(folder.File("druck/" + name))});
    ASSERT_TRUE(pdffonts.waitForFinished());
    const QStringList fonts = QString(pdffonts.readAllStandardOutput()).split('\n').mid(2);
    ASSERT_FALSE(fonts.first().isEmpty());
    for (const QString& font : fonts) {
        EXPECT_TRUE(font.isEmpty() || Has(font, "\\syes\\s+(yes|no)\\s+(yes|no)\\s"))
            << font.toStdString();
    }
}

// A stored address of the wrong shape leaves its block out; the letter and
// its positions still print.
TEST_F(OrderPrint, AddressBlocksFollowWhatIsStored) {
    const struct {
        std::vector<std::pair<std::string, std::string>> addresses;  // key, value ("" removes)
        std::vector<const char*> shows;
        std::vector<const char*> leavesOut;
    } cases[] = {
        {{{"rech", "Müller Elektronik GmbH;;Birkenweg 12;D-34117 Kassel;;;;1"},
          {"lief", "Werkstatt Müller;Hinterhof;Lindenstraße 3;D-34119 Kassel"},
          {"LgleichR", "0"}},
         {"Lieferadresse:", "Werkstatt Müller", "Hinterhof", "Lindenstraße 3",
          "hiermit bestellen wir", "Müller Elektronik GmbH", "Frau Sommer"},
         {"Klaus"}},
        {{{"rech", ""}, {"LgleichR", "1"}, {"a901", "Bauteilhaus;Frau Sommer;Industriestraße 14"}},
         {"Bestellung bei Bauteilhaus", "Gesamtsumme:", "NE555"},
         {"Birkenweg", "Lieferadresse:", "Frau Sommer", "Kunden-Nummer", "Klaus"}},
    };
    for (const auto& c : cases) {
        for (const auto& [key, value] : c.addresses) {
            WriteMain("Adressen", key, Utf8ToCp1252(value));
        }
        ASSERT_EQ(Call("DruckeBestellung", 1), 0);
        const QString text = KeptText(Kept().back());
        for (const char* shown : c.shows) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << text.toStdString();
        }
        for (const char* left : c.leavesOut) {
            EXPECT_FALSE(text.contains(QString::fromUtf8(left))) << left << text.toStdString();
        }
        std::filesystem::remove_all(folder.File("druck"));
    }
}

TEST_F(OrderPrint, SmallPrintPutsMoreRowsOnAPage) {
    constexpr int kPositions = 200;
    WriteCategory(folder, TestParts(kPositions));
    std::string positions = "[teil]\r\n";
    for (int slot = 0; slot < kPositions; ++slot) {
        positions += "t" + std::to_string(slot) + "=k9t" + std::to_string(slot) + ";2;0\r\n";
    }
    folder.Write("k902.dat", positions);
    ASSERT_EQ(Call("DruckeBestellung", 2), 0);
    WriteMain("ausgabe", "klein", "JA");
    ASSERT_EQ(Call("DruckeBestellung", 2), 0);

    const std::string base = "Bestellung Elektronik-Kontor " + IsoToday();
    ASSERT_EQ(Kept(), (std::vector<std::string>{base + " (2).pdf", base + ".pdf"}));
    const QString normal = KeptText(base + ".pdf");
    const QString small = KeptText(base + " (2).pdf");
    EXPECT_LT(PageCount(small), PageCount(normal));
    const std::string sum = FillPartList(folder.Path(), 902, -1, {}, SortState{})
                                .shown.rows.back()
                                .texts[kOrderColumnTotal];
    for (const QString& text : {normal, small}) {
        EXPECT_EQ(text.count(QRegularExpression("BN2-\\d{3}")), kPositions);
        EXPECT_TRUE(Has(text, Row({"Gesamtsumme:", Shown(sum) + " \u20AC"})));
    }
}

// However they come, prints of one day never replace each other, and each
// file is a complete document of its own.
TEST_F(PrintFaults, PrintsOfTheSameDayGetNumberedNamesAlsoWhenTheyRace) {
    Print(901);
    std::future<PluginCall> second = StartPrintJob(folder.Path(), 901);
    std::future<PluginCall> third = StartPrintJob(folder.Path(), 901);
    std::future<PluginCall> category = StartPrintJob(folder.Path(), 0);
    for (auto* job : {&second, &third, &category}) {
        job->wait();
    }

    const std::string base = "Bestellung Bauteilhaus " + IsoToday();
    const std::vector<std::string> expected = {base + " (2).pdf", base + " (3).pdf", base + ".pdf",
                                               "Kategorie Widerstände " + IsoToday() + ".pdf"};
    ASSERT_EQ(Kept(), expected);
    for (const std::string& name : expected) {
        const QString text = KeptText(name);
        EXPECT_TRUE(text.contains("Gesamtsumme:") || text.contains("9 Teil(e) in dieser Kategorie"))
            << name;
    }
    EXPECT_EQ(PreviewTitles(4).size(), 4);
}

TEST_F(PrintFaults, NumbersThatNameNoListPrintNothing) {
    for (const auto& [function, number] :
         std::vector<std::pair<const char*, int>>{{"DruckeKategorie", -1},
                                                  {"DruckeKategorie", 50},
                                                  {"DruckeKategorie", 800},
                                                  {"DruckeKategorie", 901},
                                                  {"DruckeBestellung", 0},
                                                  {"DruckeBestellung", 4},
                                                  {"DruckeBestellung", 901}}) {
        EXPECT_NE(Call(function, number), 0) << function << " " << number;
    }
    EXPECT_FALSE(folder.Exists("druck"));
    EXPECT_TRUE(PreviewTitles(0).isEmpty());
}

}  // namespace
