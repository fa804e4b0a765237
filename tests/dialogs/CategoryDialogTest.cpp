// The category dialog on its own: its layout, and which names it takes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QValidator>

#include "CategoryDialog.h"
#include "TestApplication.h"

namespace {

class CategoryDialogWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication<QApplication>(); }
    CategoryDialog dialog;
};

TEST_F(CategoryDialogWindow, LayoutAsGiven) {
    EXPECT_EQ(dialog.windowTitle(), " Kategorie");
    EXPECT_EQ(dialog.size(), QSize(350, 101));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.NameField()->geometry(), QRect(10, 25, 330, 20));
    EXPECT_EQ(dialog.SaveButton()->geometry(), QRect(170, 60, 80, 25));
    EXPECT_EQ(dialog.CancelButton()->geometry(), QRect(260, 60, 80, 25));
    EXPECT_EQ(dialog.SaveButton()->text(), "Speichern");
    EXPECT_EQ(dialog.CancelButton()->text(), "Abbrechen");
    bool caption = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        caption |= label->text() == "Kategorie:" && label->geometry() == QRect(10, 10, 80, 15);
    }
    EXPECT_TRUE(caption);
}

TEST_F(CategoryDialogWindow, SaveOnlyForANameThatIsNotBlank) {
    EXPECT_FALSE(dialog.SaveButton()->isEnabled());
    for (const char* name : {"", " ", "\t \t"}) {
        dialog.SetName(name);
        EXPECT_FALSE(dialog.SaveButton()->isEnabled()) << name;
    }
    dialog.SetName(" x ");
    EXPECT_TRUE(dialog.SaveButton()->isEnabled());

    int saves = 0;
    QObject::connect(&dialog, &CategoryDialog::SaveRequested, [&] { ++saves; });
    QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
    EXPECT_EQ(saves, 1);
    dialog.SetName("  ");
    QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
    EXPECT_EQ(saves, 1);
}

TEST_F(CategoryDialogWindow, NamesTheDataFilesCanHoldAndReadBack) {
    QLineEdit* field = dialog.NameField();
    // A reader gets 254 characters of a value.
    EXPECT_EQ(field->maxLength(), 254);
    QString text = QString::fromUtf8("Widerstände 5€");
    int position = 0;
    EXPECT_EQ(field->validator()->validate(text, position), QValidator::Acceptable);
    text = QString::fromUtf8("Pfeil →");
    EXPECT_EQ(field->validator()->validate(text, position), QValidator::Invalid);
    text = QString::fromUtf8("Ω-Widerstände");
    EXPECT_EQ(field->validator()->validate(text, position), QValidator::Invalid);
}

}  // namespace
