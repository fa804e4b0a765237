// The window offscreen, typed into as a user types: every key press brings
// new results, bad input shows its text, a double click takes a pair.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "RegloWindow.h"
#include "TestApplication.h"

namespace {

class RegloWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication<QApplication>(); }

    RegloWindowTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QLineEdit* Field(const char* name) { return window.findChild<QLineEdit*>(name); }
    QString Shown(const char* name) { return window.findChild<QLabel*>(name)->text(); }
    QTableWidget* Pairs() { return window.findChild<QTableWidget*>("pairTable"); }

    // Replaces a field's text key by key, as a user does.
    void Type(const char* name, const QString& text) {
        QLineEdit* field = Field(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    RegloWindow window;
};

TEST_F(RegloWindowTest, OpensFixedWithResultsForItsStartValues) {
    EXPECT_EQ(window.windowTitle(), " Reglo - Spannungsregler");
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_FALSE(window.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    // LM317 with 240 and 750 ohms.
    EXPECT_EQ(Shown("voltsWithoutAdjust"), "5,156 V");
    EXPECT_EQ(Shown("voltsWithAdjust"), "5,194 V");
    EXPECT_EQ(Pairs()->rowCount(), 8);
    EXPECT_TRUE(Shown("to220Note").contains("2 W"));
    EXPECT_FALSE(Field("ownReferenceField")->isEnabled());
    EXPECT_FALSE(Field("fixedR1Field")->isEnabled());
}

// One flow through the window: every part follows the keys as they come.
TEST_F(RegloWindowTest, TypingUpdatesEveryPart) {
    // "2", "2k", "2k2": 1,25 V (1 + 750/R1) after each key.
    Type("r1Field", "2");
    EXPECT_EQ(Shown("voltsWithoutAdjust"), "470,000 V");
    QTest::keyClick(Field("r1Field"), Qt::Key_K);
    EXPECT_EQ(Shown("voltsWithoutAdjust"), "1,719 V");
    QTest::keyClick(Field("r1Field"), Qt::Key_2);
    EXPECT_EQ(Shown("voltsWithoutAdjust"), "1,676 V");
    EXPECT_TRUE(Shown("dividerMessage").contains("Mindestlast"));

    Type("targetField", "12");
    EXPECT_EQ(Pairs()->item(0, 2)->text().left(4), "12,0");

    Type("r2Field", "1k5");
    Type("inputField", "12");
    Type("currentField", "1,5");
    // 1,25 V (1 + 1500/2200) + 50 uA * 1500 = 2,177 V; (12 - 2,177) * 1,5 = 14,73 W.
    EXPECT_EQ(Shown("powerText"), "14,73 W");
    EXPECT_TRUE(Shown("powerMessage").contains("TO-220"));
    Type("inputField", "3");
    EXPECT_EQ(Shown("minimumInputText"), "5,18 V");
    EXPECT_TRUE(Shown("powerMessage").contains("zu niedrig"));

    window.findChild<QComboBox*>("seriesList")->setCurrentIndex(5);
    window.findChild<QRadioButton*>("r1FixedChoice")->click();
    Type("fixedR1Field", "1k");
    for (int row = 0; row < Pairs()->rowCount(); ++row) {
        EXPECT_EQ(Pairs()->item(row, 0)->text(), "1 k\u03A9");
    }
}

TEST_F(RegloWindowTest, BadInputShowsItsTextAndNoNumbers) {
    Type("r2Field", "abc");
    EXPECT_EQ(Shown("dividerMessage"),
              "R2: \u201Eabc\u201C ist kein Widerstandswert (z. B. 240, 2k2, 4,7k, 1M).");
    EXPECT_EQ(Shown("voltsWithAdjust"), "\u2013");
    EXPECT_EQ(Shown("powerText"), "\u2013");
    EXPECT_EQ(Shown("powerMessage"), "Erst R1 und R2 angeben: die Leistung folgt aus deren Vout.");

    Type("targetField", "1");
    EXPECT_EQ(Pairs()->rowCount(), 0);
    EXPECT_EQ(Shown("pairMessage"),
              "Die Zielspannung muss \u00FCber der Referenzspannung 1,25 V liegen.");

    window.findChild<QComboBox*>("regulatorList")->setCurrentIndex(5);
    ASSERT_TRUE(Field("ownReferenceField")->isEnabled());
    Type("ownReferenceField", "");
    EXPECT_EQ(Shown("regulatorSummary"), "Bitte Vref eingeben.");
    EXPECT_EQ(Shown("pairMessage"), "Erst die Werte des eigenen Typs richtig angeben.");
}

TEST_F(RegloWindowTest, DoubleClickTakesAPairIntoTheDivider) {
    window.findChild<QCheckBox*>("twoResistorChoice")->click();
    Type("targetField", "9");
    QTableWidget* pairs = Pairs();
    const int row = 0;
    const QRect cell = pairs->visualItemRect(pairs->item(row, 1));
    // A double click is a click, then the second press.
    QTest::mouseClick(pairs->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(pairs->viewport(), Qt::LeftButton, {}, cell.center());

    EXPECT_EQ(Field("r2Field")->text(), pairs->item(row, 1)->text());
    EXPECT_EQ(Field("r1Field")->text(), pairs->item(row, 0)->text());
    EXPECT_EQ(Shown("voltsWithAdjust"), pairs->item(row, 2)->text());
}

}  // namespace
