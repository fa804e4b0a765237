#include "MainWindow.h"
#include "TestApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

using tastomat::MainWindow;

namespace {

class TastomatWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication<QApplication>(); }

    void SetUp() override {
        window_ = std::make_unique<MainWindow>();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        table_ = Find<QTableWidget>(window_.get(), "periodTable");
        crystals_ = Find<QComboBox>(window_.get(), "crystalList");
        prescalers_ = Find<QComboBox>(window_.get(), "prescalerList");
        ASSERT_TRUE(table_ && crystals_ && prescalers_);
    }

    void TearDown() override {
        window_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T>
    static T* Find(QObject* parent, const char* name) {
        return parent ? parent->findChild<T*>(name) : nullptr;
    }

    QDialog* DutyWindow() const { return Find<QDialog>(window_.get(), "dutyCycleWindow"); }

    QString Text(int row, int column) const { return table_->item(row, column)->text(); }

    QPoint RowPoint(int row) {
        table_->scrollToItem(table_->item(row, 0));
        return table_->visualRect(table_->model()->index(row, 1)).center();
    }
    void ClickRow(int row) {
        QTest::mouseClick(table_->viewport(), Qt::LeftButton, {}, RowPoint(row));
    }
    void DoubleClickRow(int row) {
        ClickRow(row);
        QTest::mouseDClick(table_->viewport(), Qt::LeftButton, {}, RowPoint(row));
    }

    static QString Field(QDialog* dialog, const char* name) {
        QLineEdit* field = Find<QLineEdit>(dialog, name);
        return field ? field->text() : QString("<missing %1>").arg(name);
    }

    void ClickClose(QDialog* dialog) {
        QPushButton* button = Find<QPushButton>(dialog, "closeButton");
        ASSERT_TRUE(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // How many pixel columns carry text ink; a field's frame is left out.
    static int InkWidth(QWidget* widget) {
        const int frame = qobject_cast<QLineEdit*>(widget) ? 3 : 0;
        const QImage image = widget->grab().toImage();
        int first = -1;
        int last = -1;
        for (int x = frame; x < image.width() - frame; ++x) {
            for (int y = frame; y < image.height() - frame; ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return first < 0 ? 0 : last - first + 1;
    }

    // A caption or field shows its whole text: the same widget made wide shows
    // no more ink than it does.
    template <typename Widget>
    static void ExpectWholeText(Widget* shown) {
        Widget wide;
        wide.setFont(shown->font());
        wide.setText(shown->text());
        wide.resize(400, shown->height());
        EXPECT_GT(InkWidth(shown), 0) << shown->text().toStdString();
        EXPECT_EQ(InkWidth(shown), InkWidth(&wide)) << shown->text().toStdString() << " is cut off";
    }

    std::unique_ptr<MainWindow> window_;
    QTableWidget* table_ = nullptr;
    QComboBox* crystals_ = nullptr;
    QComboBox* prescalers_ = nullptr;
};

}  // namespace

TEST_F(TastomatWindow, ChangingCrystalOrPrescalerRebuildsAllRowsAndDropsTheSelection) {
    EXPECT_EQ(window_->windowTitle(), QString::fromUtf8(" Tastomat für PIC(R)-Mikrorechner"));
    EXPECT_EQ(window_->size(), QSize(310, 300));
    // The crystal list is a one-line field above the table.
    EXPECT_LE(crystals_->geometry().bottom(), table_->geometry().top());
    EXPECT_EQ(crystals_->currentText(), "3686400 Hz");
    EXPECT_EQ(prescalers_->currentText(), "4:1 (T2CKPS1=0,T2CKPS0=1)");
    ASSERT_EQ(table_->rowCount(), 256);
    EXPECT_EQ(Text(99, 2), QString::fromUtf8("434.027771 µs"));
    for (QLabel* caption : window_->findChildren<QLabel*>()) {
        ExpectWholeText(caption);
    }

    ClickRow(5);
    ASSERT_EQ(table_->selectionModel()->selectedRows().size(), 1);

    crystals_->setFocus();
    QTest::keyClick(crystals_, Qt::Key_Down);
    EXPECT_EQ(crystals_->currentText(), "4000000 Hz");
    ASSERT_EQ(table_->rowCount(), 256);
    EXPECT_TRUE(table_->selectionModel()->selectedRows().isEmpty());
    EXPECT_EQ(Text(0, 1), "250000");
    EXPECT_EQ(Text(0, 2), QString::fromUtf8("4.000000 µs"));
    EXPECT_EQ(Text(255, 0), "D'255'");

    ClickRow(200);
    ASSERT_EQ(table_->selectionModel()->selectedRows().size(), 1);
    prescalers_->setFocus();
    QTest::keyClick(prescalers_, Qt::Key_Up);
    EXPECT_EQ(prescalers_->currentText(), "16:1 (T2CKPS1=1,T2CKPS0=X)");
    ASSERT_EQ(table_->rowCount(), 256);
    EXPECT_TRUE(table_->selectionModel()->selectedRows().isEmpty());
    // 1000000 div 256 = 3906, div 16 = 244 Hz.
    EXPECT_EQ(Text(255, 1), "244");
    EXPECT_EQ(Text(255, 2), "4.098361 ms");
}

// A refilled table starts again at PR2 0, wherever the user had scrolled.
TEST_F(TastomatWindow, RefilledTableShowsItsFirstRowAtTheTop) {
    const auto topRowText = [this] { return Text(table_->rowAt(0), 0).toStdString(); };
    EXPECT_EQ(topRowText(), "D'0'");
    for (QComboBox* list : {crystals_, prescalers_}) {
        table_->setFocus();
        QTest::keyClick(table_, Qt::Key_End, Qt::ControlModifier);
        ASSERT_TRUE(
            table_->visualItemRect(table_->item(255, 0)).intersects(table_->viewport()->rect()));
        ASSERT_NE(topRowText(), "D'0'");

        const QString before = list->currentText();
        list->setFocus();
        QTest::keyClick(list, list == crystals_ ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_NE(list->currentText(), before);
        EXPECT_EQ(topRowText(), "D'0'") << list->objectName().toStdString();
        EXPECT_TRUE(table_->selectionModel()->selectedRows().isEmpty());
    }
}

// The window shows the suite's drawing, and the duty-cycle window, which
// belongs to it, the same.
TEST_F(TastomatWindow, WindowsShowTheProgramIcon) {
    const QImage icon = window_->windowIcon().pixmap(32, 32).toImage();
    ASSERT_FALSE(icon.isNull());
    int opaque = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            opaque += qAlpha(icon.pixel(x, y)) == 255 ? 1 : 0;
        }
    }
    EXPECT_GT(opaque, 32 * 32 / 2);

    DoubleClickRow(0);
    QDialog* dialog = DutyWindow();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowIcon().cacheKey(), window_->windowIcon().cacheKey());
    ClickClose(dialog);
}

TEST_F(TastomatWindow, DoubleClickOpensTheDutyCycleWindowAtFiftyPercent) {
    DoubleClickRow(255);
    QDialog* dialog = DutyWindow();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(" Tastverhältnis"));
    EXPECT_EQ(dialog->size(), QSize(110, 210));
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window_->isEnabled());
    QComboBox* duty = Find<QComboBox>(dialog, "dutyList");
    ASSERT_TRUE(duty);
    EXPECT_TRUE(duty->isEnabled());
    EXPECT_EQ(duty->currentText(), "50%");
    EXPECT_EQ(Field(dialog, "onTimeField"), QString::fromUtf8("555.555555 µs"));
    EXPECT_EQ(Field(dialog, "ccpr1lField"), "D'127'");
    EXPECT_EQ(Field(dialog, "ccp1conField"), "10");

    duty->setFocus();
    QTest::keyClick(duty, Qt::Key_End);
    EXPECT_EQ(duty->currentText(), "99%");
    EXPECT_EQ(Field(dialog, "onTimeField"), "1.10000000 ms");
    EXPECT_EQ(Field(dialog, "ccpr1lField"), "D'252'");
    EXPECT_EQ(Field(dialog, "ccp1conField"), "01");
    for (QLabel* caption : dialog->findChildren<QLabel*>()) {
        ExpectWholeText(caption);
    }
    // "ms" is the widest unit.
    ExpectWholeText(Find<QLineEdit>(dialog, "onTimeField"));

    ClickClose(dialog);
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_FALSE(DutyWindow());

    // Every opening starts again at 50%, now for PR2 0.
    DoubleClickRow(0);
    dialog = DutyWindow();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(Find<QComboBox>(dialog, "dutyList")->currentText(), "50%");
    EXPECT_EQ(Field(dialog, "onTimeField"), QString::fromUtf8("2.17013888 µs"));
    EXPECT_EQ(Field(dialog, "ccpr1lField"), "D'0'");
    EXPECT_EQ(Field(dialog, "ccp1conField"), "00");
    ClickClose(dialog);
    EXPECT_TRUE(window_->isEnabled());
}

// Only its button closes the duty-cycle window, so the main window can never
// stay disabled, and the main window cannot be closed behind it.
TEST_F(TastomatWindow, DutyCycleWindowClosesOnlyByItsButton) {
    DoubleClickRow(10);
    QDialog* dialog = DutyWindow();
    ASSERT_TRUE(dialog);

    QTest::keyClick(Find<QComboBox>(dialog, "dutyList"), Qt::Key_Escape);
    EXPECT_FALSE(dialog->close());
    EXPECT_FALSE(window_->close());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(window_->isEnabled());

    ClickClose(dialog);
    EXPECT_TRUE(window_->isEnabled());

    // Without a selected row the window reads empty texts.
    crystals_->setCurrentIndex(0);
    window_->OpenDutyCycleWindow();
    dialog = DutyWindow();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(Field(dialog, "onTimeField"), "+Infinity s");
    EXPECT_EQ(Field(dialog, "ccpr1lField"), "D'0'");
    EXPECT_EQ(Field(dialog, "ccp1conField"), "00");
    ClickClose(dialog);
    EXPECT_TRUE(window_->close());
}
