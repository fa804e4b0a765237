// The price and digits fields as the user types into them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "DigitsField.h"
#include "PriceField.h"

namespace {

const QColor kOrange(255, 204, 119);
const QColor kWhite(255, 255, 255);

// A dialog with two price fields and one other field, as the part editor has.
class PriceFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&dialog);
        first = new PriceField(&dialog);
        first->setObjectName("firstPrice");
        second = new PriceField(&dialog);
        other = new QLineEdit(&dialog);
        layout->addWidget(first);
        layout->addWidget(second);
        layout->addWidget(other);
        InstallPriceConversionShortcuts(&dialog);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    void Focus(QWidget* field) {
        field->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(field->hasFocus());
    }

    QWidget dialog;
    PriceField* first = nullptr;
    PriceField* second = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(PriceFieldTest, TypedAndPastedTextKeepsDigitsAndCommas) {
    Focus(first);
    QTest::keyClicks(first, "12.50");
    EXPECT_EQ(first->text(), "1250");
    EXPECT_EQ(first->cursorPosition(), 4);

    // Pasted into the middle: the caret stays behind what was pasted.
    first->setCursorPosition(2);
    first->insert("a,b");
    EXPECT_EQ(first->text(), "12,50");
    EXPECT_EQ(first->cursorPosition(), 3);
    EXPECT_EQ(first->alignment() & Qt::AlignRight, Qt::AlignRight);
}

TEST_F(PriceFieldTest, SecondCommaTurnsTheFieldOrangeUntilOneIsRemoved) {
    QSignalSpy validity(first, &PriceField::validityChanged);
    Focus(first);
    QTest::keyClicks(first, "1,2");
    EXPECT_TRUE(first->IsValid());
    EXPECT_EQ(first->palette().color(QPalette::Base), kWhite);
    QTest::keyClicks(first, ",3");
    EXPECT_EQ(first->text(), "1,2,3");
    EXPECT_FALSE(first->IsValid());
    EXPECT_EQ(first->palette().color(QPalette::Base), kOrange);
    // What the user sees: the field's inside is orange.
    const QImage grab = first->grab().toImage();
    EXPECT_EQ(QColor(grab.pixel(grab.width() / 4, grab.height() / 2)), kOrange);

    first->setCursorPosition(2);
    QTest::keyClick(first, Qt::Key_Backspace);
    EXPECT_EQ(first->text(), "12,3");
    EXPECT_TRUE(first->IsValid());
    EXPECT_EQ(first->palette().color(QPalette::Base), kWhite);
    ASSERT_EQ(validity.count(), 2);
    EXPECT_EQ(validity[0][0].toBool(), false);
    EXPECT_EQ(validity[1][0].toBool(), true);

    // Set by a dialog, the text follows the same rule.
    second->setText("1;2,3,4");
    EXPECT_EQ(second->text(), "12,3,4");
    EXPECT_FALSE(second->IsValid());
}

TEST_F(PriceFieldTest, CtrlNAndCtrlBConvertOnlyTheFocusedPriceField) {
    first->setText("11,90");
    second->setText("10");
    other->setText("10");
    Focus(first);
    QTest::keyClick(&dialog, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(first->text(), "10,00");
    EXPECT_EQ(second->text(), "10");

    Focus(second);
    QTest::keyClick(&dialog, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(second->text(), "11,90");

    Focus(other);
    QTest::keyClick(&dialog, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(other->text(), "10");
    EXPECT_EQ(first->text(), "10,00");

    first->setText("0,00");
    Focus(first);
    QTest::keyClick(&dialog, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(first->text(), "0,00");
    first->setText("1");
    QTest::keyClick(&dialog, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(first->text(), "1,19");
}

TEST(DigitsField, TakesDigitsOnly) {
    DigitsField field;
    field.show();
    field.setFocus();
    QTest::keyClicks(&field, "1a2-3 4");
    EXPECT_EQ(field.text(), "1234");
    field.insert("5x");
    EXPECT_EQ(field.text(), "1234");
    field.insert("56");
    EXPECT_EQ(field.text(), "123456");
    EXPECT_EQ(field.alignment() & Qt::AlignRight, Qt::AlignRight);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Test discovery starts this program outside ctest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
