// The one way a dialog of teile is built: its frame, and controls placed at
// their given coordinates.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QValidator>

#include "DialogBuilder.h"
#include "FixedDialog.h"

namespace {

class SampleDialog : public FormDialog {
public:
    SampleDialog() : FormDialog("sampleDialog", " Probe \u00e4", {200, 100}, nullptr) {
        DialogBuilder build(this);
        const CaptionedField field = build.TextFieldWithCaption(
            "Eine lange Beschriftung:", "sampleField", {10, 5}, 20, 120, 190);
        caption = field.caption;
        text = field.field;
        AddSaveAndCancel(this, {10, 60, 80, 25}, {100, 60, 80, 25});
    }
    QLabel* caption = nullptr;
    QLineEdit* text = nullptr;
};

TEST(DialogBuilder, DialogAndControlsAsGiven) {
    SampleDialog dialog;
    EXPECT_EQ(dialog.objectName(), "sampleDialog");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(" Probe ä"));
    EXPECT_EQ(dialog.size(), QSize(200, 100));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.font().family(), "MS Sans Serif");
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                  Qt::WindowContextHelpButtonHint));

    // The field right below its caption, which grows as far as it may.
    EXPECT_EQ(dialog.text->geometry(), QRect(10, 20, 120, 20));
    EXPECT_EQ(dialog.caption->y(), 5);
    EXPECT_GT(dialog.caption->width(), 20);
    EXPECT_LE(dialog.caption->x() + dialog.caption->width(), 190);
    EXPECT_EQ(dialog.caption->buddy(), dialog.text);
    EXPECT_EQ(dialog.text->maxLength(), 254);
    QString outside = QString::fromUtf8("Ω");
    int position = 0;
    EXPECT_EQ(dialog.text->validator()->validate(outside, position), QValidator::Invalid);

    EXPECT_EQ(dialog.SaveButton()->text(), "Speichern");
    EXPECT_EQ(dialog.SaveButton()->geometry(), QRect(10, 60, 80, 25));
    EXPECT_EQ(dialog.CancelButton()->objectName(), "cancelButton");
    QSignalSpy saves(&dialog, &FormDialog::SaveRequested);
    QSignalSpy rejects(&dialog, &QDialog::rejected);
    dialog.show();
    QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(saves.count(), 1);
    EXPECT_EQ(rejects.count(), 1);
}

}  // namespace
