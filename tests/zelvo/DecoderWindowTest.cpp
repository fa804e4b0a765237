#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTest>

#include "DecoderWindow.h"
#include "RingNames.h"

namespace {

struct Area {
    int left, right;
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= 4 && y <= 28; }
};
constexpr Area kRingAreas[4] = {{30, 81}, {85, 139}, {143, 197}, {201, 252}};

QRgb Rgb(std::string_view entryName) {
    const RgbColour colour = PaintColourOf(entryName).value();
    return qRgb(colour.red, colour.green, colour.blue);
}

class ZelvoDecoderWindow : public ::testing::Test {
protected:
    ZelvoDecoderWindow() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        result = window.findChild<QLabel*>("resultText");
        picture = window.findChild<QLabel*>("resistorPicture");
        for (int ring = 0; ring < 4; ++ring) {
            choices[ring] = window.findChild<QComboBox*>(QString("ring%1Choice").arg(ring + 1));
        }
    }

    // What the picture control shows, not what the window keeps in memory.
    QImage Shown() const {
        return picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QString Text() const { return result->text(); }

    DecoderWindow window;
    QLabel* result = nullptr;
    QLabel* picture = nullptr;
    QComboBox* choices[4] = {};
};

TEST_F(ZelvoDecoderWindow, OpensWithTheInitialChoicesPainted) {
    ASSERT_TRUE(result && picture && choices[0] && choices[1] && choices[2] && choices[3]);
    EXPECT_EQ(window.windowTitle(), " Zelvo-Dekoder");
    EXPECT_EQ(window.size(), QSize(371, 170));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(Text(), "10 Ohm, 5%");
    EXPECT_EQ(choices[2]->itemText(7), "silber");
    for (QComboBox* choice : choices) {
        EXPECT_FALSE(choice->isEditable());
    }

    const QImage shown = Shown();
    ASSERT_EQ(shown.size(), QSize(284, 33));
    const char* initial[] = {"braun", "schwarz", "schwarz", "gold"};
    for (int ring = 0; ring < 4; ++ring) {
        EXPECT_EQ(shown.pixel(kRingAreas[ring].left, 4), Rgb(initial[ring]));
        EXPECT_EQ(shown.pixel(kRingAreas[ring].right, 28), Rgb(initial[ring]));
    }
}

TEST_F(ZelvoDecoderWindow, OutsideOfTheResistorHasTheWindowBackground) {
    const QImage grabbed = window.grab().toImage();
    const QRgb background = grabbed.pixel(5, 5);
    const QImage shown = Shown();
    for (auto [x, y] :
         {std::pair{0, 0}, {1, 1}, {283, 32}, {0, 16}, {283, 16}, {150, 0}, {8, 25}}) {
        EXPECT_EQ(shown.pixel(x, y), background) << x << "," << y;
    }
    // The window shows the picture in the control as it is in memory.
    const QPoint origin = picture->geometry().topLeft();
    EXPECT_EQ(grabbed.pixel(origin + QPoint(0, 0)), background);
    EXPECT_EQ(grabbed.pixel(origin + QPoint(50, 20)), Rgb("braun"));
    EXPECT_EQ(grabbed.pixel(origin + QPoint(150, 2)), qRgb(128, 128, 128));
}

TEST_F(ZelvoDecoderWindow, ChangingRingFourRepaintsOnlyItsAreaAndTolerance) {
    const QImage before = Shown();
    choices[3]->setFocus();
    QTest::keyClick(choices[3], Qt::Key_Down);
    ASSERT_EQ(choices[3]->currentText(), "silber");
    EXPECT_EQ(Text(), "10 Ohm, 10%");

    const QImage after = Shown();
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 284; ++x) {
            if (kRingAreas[3].Contains(x, y)) {
                ASSERT_EQ(after.pixel(x, y), Rgb("silber")) << x << "," << y;
            } else {
                ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
        }
    }

    QTest::keyClick(choices[3], Qt::Key_End);
    EXPECT_EQ(Text(), "10 Ohm, 20%");
}

TEST_F(ZelvoDecoderWindow, EveryChoiceOfEveryRingPaintsItsColourAndText) {
    for (int ring = 0; ring < 4; ++ring) {
        const auto names = RingEntryNames(ring);
        for (int position = 0; position < int(names.size()); ++position) {
            choices[ring]->setCurrentIndex(position);
            const QImage shown = Shown();
            const PicturePoint point = ResistorPicture::kRingPaintPoints[ring];
            ASSERT_EQ(shown.pixel(point.x, point.y), Rgb(names[position]))
                << "ring " << ring + 1 << " " << names[position];
            const std::string expected = DecodeRings(
                choices[0]->currentIndex(), choices[1]->currentIndex(),
                MultiplierRing[choices[2]->currentIndex()].code, choices[3]->currentIndex());
            ASSERT_EQ(Text().toStdString(), expected);
        }
    }
}

// The window shows the suite's own drawing of a resistor, not an empty icon.
TEST_F(ZelvoDecoderWindow, ShowsTheProgramIcon) {
    const QImage icon = window.windowIcon().pixmap(32, 32).toImage();
    ASSERT_FALSE(icon.isNull());
    // The brown of ring 1 is there; the corners stay clear.
    bool brown = false;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb pixel = icon.pixel(x, y);
            brown = brown || (qAlpha(pixel) == 255 && qRed(pixel) > 100 && qRed(pixel) < 140 &&
                              qGreen(pixel) > 60 && qGreen(pixel) < 90 && qBlue(pixel) < 50);
        }
    }
    EXPECT_TRUE(brown);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
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
