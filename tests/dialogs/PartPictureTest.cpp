// The part editor's picture preview, drawn from real files written here.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <filesystem>

#include "PartPicture.h"
#include "PictureDecoder.h"
#include "TempFolder.h"

namespace {

const QColor kBlue(20, 60, 200);

// A picture of one colour, written in `format` ("bmp" or "jpg").
void WritePicture(const TempFolder& folder, const std::string& name, int width, int height,
                  const char* format, bool progressive = false) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kBlue);
    QImageWriter writer(QString::fromStdString(folder.File(name)), format);
    writer.setQuality(100);
    writer.setProgressiveScanWrite(progressive);
    ASSERT_TRUE(writer.write(picture)) << name;
}

std::string JpegBytes(int width, int height, bool progressive = false) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kBlue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(picture));
    return bytes.toStdString();
}

// The same JPEG claiming another size in its frame header.
std::string WithFrameSize(std::string jpeg, int width, int height) {
    for (std::size_t i = 2; i + 8 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = static_cast<char>(height >> 8);
            jpeg[i + 6] = static_cast<char>(height & 0xFF);
            jpeg[i + 7] = static_cast<char>(width >> 8);
            jpeg[i + 8] = static_cast<char>(width & 0xFF);
            return jpeg;
        }
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

bool IsBlue(QColor c) {
    return std::abs(c.red() - kBlue.red()) <= 12 && std::abs(c.green() - kBlue.green()) <= 12 &&
           std::abs(c.blue() - kBlue.blue()) <= 12;
}
bool IsWhite(QColor c) { return c == QColor(255, 255, 255); }

// Rows (or columns) `first` to `last` of the preview hold the picture,
// everything outside them is white.
void ExpectPictureRows(const QImage& preview, int first, int last) {
    ASSERT_EQ(preview.size(), QSize(168, 168));
    for (int x : {0, 84, 167}) {
        EXPECT_TRUE(IsWhite(preview.pixelColor(x, first - 1))) << x;
        EXPECT_TRUE(IsBlue(preview.pixelColor(x, first))) << x;
        EXPECT_TRUE(IsBlue(preview.pixelColor(x, last))) << x;
        EXPECT_TRUE(IsWhite(preview.pixelColor(x, last + 1))) << x;
    }
}

void ExpectPictureColumns(const QImage& preview, int first, int last) {
    ASSERT_EQ(preview.size(), QSize(168, 168));
    for (int y : {0, 84, 167}) {
        EXPECT_TRUE(IsWhite(preview.pixelColor(first - 1, y))) << y;
        EXPECT_TRUE(IsBlue(preview.pixelColor(first, y))) << y;
        EXPECT_TRUE(IsBlue(preview.pixelColor(last, y))) << y;
        EXPECT_TRUE(IsWhite(preview.pixelColor(last + 1, y))) << y;
    }
}

TEST(PartPicture, StoredPathBecomesTheFileSystemPath) {
    const std::string folder = "/home/j\xC3\xBCrgen/teile/";
    EXPECT_EQ(PicturePathOf("$LOPF$bilder\\bc547.jpg", folder), folder + "bilder/bc547.jpg");
    EXPECT_EQ(PicturePathOf(" $lopf$Bilder/\xC4tzer.bmp ", folder),
              folder + "Bilder/\xC3\x84tzer.bmp");
    EXPECT_EQ(PicturePathOf("/srv/bilder/x.jpg", folder), "/srv/bilder/x.jpg");
    EXPECT_EQ(PicturePathOf("k.A.", folder), "");
    EXPECT_EQ(PicturePathOf("  ", folder), "");
}

TEST(PartPicture, SmallPicturesAreEnlargedToTheLongerSideAndCentred) {
    TempFolder folder;
    // 100 x 35: 168 x 58.8, rounded to 59, from row (168 - 59) / 2 = 54.
    WritePicture(folder, "quer.bmp", 100, 35, "bmp");
    ExpectPictureRows(ShowPartPicture("$lopf$quer.bmp", folder.Path()), 54, 112);
    WritePicture(folder, "quer.jpg", 100, 35, "jpg");
    ExpectPictureRows(ShowPartPicture("$LOPF$quer.jpg", folder.Path()), 54, 112);
    // 31 x 70: 74.4 x 168, rounded to 74, from column 47.
    WritePicture(folder, "hoch.jpg", 31, 70, "jpg");
    ExpectPictureColumns(ShowPartPicture("$lopf$hoch.jpg", folder.Path()), 47, 120);
    WritePicture(folder, "hoch.bmp", 31, 70, "bmp");
    ExpectPictureColumns(ShowPartPicture(folder.File("hoch.bmp"), "/elsewhere/"), 47, 120);
    // A square fills the preview.
    WritePicture(folder, "quadrat.bmp", 12, 12, "bmp");
    const QImage square = ShowPartPicture("$lopf$quadrat.bmp", folder.Path());
    EXPECT_TRUE(IsBlue(square.pixelColor(0, 0)));
    EXPECT_TRUE(IsBlue(square.pixelColor(167, 167)));
}

TEST(PartPicture, BigJpegIsDecodedReducedButPlacedByItsOwnSize) {
    TempFolder folder;
    WritePicture(folder, "gross.jpg", 1600, 1200, "jpg");
    const DecodedPicture decoded = DecodePicture(folder.File("gross.jpg"), 168);
    EXPECT_EQ(decoded.fullSize, QSize(1600, 1200));
    EXPECT_EQ(decoded.image.size(), QSize(200, 150));  // 1/8 still covers 168
    // 168 x 126 from row 21.
    ExpectPictureRows(ShowPartPicture("$lopf$gross.jpg", folder.Path()), 21, 146);

    // 700 x 500 only by a quarter: an eighth would be smaller than 168.
    WritePicture(folder, "mittel.jpg", 700, 500, "jpg");
    EXPECT_EQ(DecodePicture(folder.File("mittel.jpg"), 168).image.size(), QSize(175, 125));
    // 300 x 200 at full size: half would be smaller than 168.
    WritePicture(folder, "klein.jpg", 300, 200, "jpg");
    EXPECT_EQ(DecodePicture(folder.File("klein.jpg"), 168).image.size(), QSize(300, 200));
}

TEST(PartPicture, AnythingButAReadablePictureGivesTheEmptyPreview) {
    TempFolder folder;
    const std::string jpeg = JpegBytes(200, 150);
    folder.Write("halb.jpg", jpeg.substr(0, jpeg.size() / 2));
    folder.Write("kopf.jpg", jpeg.substr(0, 40));
    folder.Write("leer.jpg", "");
    WritePicture(folder, "ganz.bmp", 60, 40, "bmp");
    const std::string bitmap = folder.Read("ganz.bmp");
    folder.Write("halb.bmp", bitmap.substr(0, bitmap.size() - 100));
    folder.Write("text.jpg", "Das ist kein Bild.\r\n");
    folder.Write("muell.jpg", std::string("\xFF\xD8\xFF") + std::string(5000, '\x5A'));
    folder.Write("muell.bmp", "BM" + std::string(300, '\x01'));
    std::filesystem::create_directory(folder.File("ordner.jpg"));
    // Neither BMP nor JPEG, whatever the name says.
    QImage png(20, 20, QImage::Format_RGB32);
    png.fill(kBlue);
    ASSERT_TRUE(png.save(QString::fromStdString(folder.File("png.jpg")), "png"));

    const QImage empty = EmptyPartPicture();
    for (const char* name : {"halb.jpg", "kopf.jpg", "leer.jpg", "halb.bmp", "text.jpg",
                             "muell.jpg", "muell.bmp", "ordner.jpg", "png.jpg", "fehlt.jpg"}) {
        EXPECT_EQ(ShowPartPicture(std::string("$lopf$") + name, folder.Path()), empty) << name;
    }
    EXPECT_EQ(ShowPartPicture("k.A.", folder.Path()), empty);
    EXPECT_EQ(ShowPartPicture("", folder.Path()), empty);
    EXPECT_EQ(ShowPartPicture("/dev/zero", folder.Path()), empty);
    EXPECT_NE(ShowPartPicture("$lopf$ganz.bmp", folder.Path()), empty);
}

// Headers that promise gigantic pictures never make the decoder take the
// memory they promise.
TEST(PartPicture, HugePicturesAreRefusedOrDecodedReduced) {
    TempFolder folder;
    // 20000 x 20000 decodes at 1/8 (2500 x 2500); the data behind the header
    // belongs to a small picture and ends early.
    folder.Write("riesig.jpg", WithFrameSize(JpegBytes(64, 64), 20000, 20000));
    // 65000 x 65000 would still be 8125 x 8125 at 1/8: refused.
    folder.Write("maximal.jpg", WithFrameSize(JpegBytes(64, 64), 65000, 65000));
    // A progressive JPEG keeps every coefficient: 1.2 GB for this one.
    folder.Write("progressiv.jpg", WithFrameSize(JpegBytes(64, 64, true), 20000, 20000));
    const QImage empty = EmptyPartPicture();
    for (const char* name : {"riesig.jpg", "maximal.jpg", "progressiv.jpg"}) {
        EXPECT_FALSE(DecodePicture(folder.File(name), 168).IsPicture()) << name;
        EXPECT_EQ(ShowPartPicture(std::string("$lopf$") + name, folder.Path()), empty) << name;
    }
    // A small progressive picture is an ordinary picture.
    WritePicture(folder, "klein.jpg", 84, 84, "jpg", true);
    EXPECT_TRUE(IsBlue(ShowPartPicture("$lopf$klein.jpg", folder.Path()).pixelColor(0, 0)));
}

TEST(PartPicture, EmptyPreviewHasRedDiagonalsAndItsText) {
    const QImage empty = EmptyPartPicture();
    ASSERT_EQ(empty.size(), QSize(168, 168));
    const QColor red(255, 0, 0);
    for (int i : {0, 10, 60, 120, 167}) {
        EXPECT_EQ(empty.pixelColor(i, i), red) << i;
        EXPECT_EQ(empty.pixelColor(167 - i, i), red) << i;
    }
    EXPECT_TRUE(IsWhite(empty.pixelColor(84, 20)));
    EXPECT_TRUE(IsWhite(empty.pixelColor(20, 150)));
    // Dark text pixels only in the text's place, from (20, 80) on.
    int textPixels = 0;
    for (int y = 0; y < 168; ++y) {
        for (int x = 0; x < 168; ++x) {
            if (empty.pixelColor(x, y).lightness() < 100 && empty.pixelColor(x, y) != red) {
                ++textPixels;
                EXPECT_TRUE(x >= 20 && y >= 80 && y < 100) << x << "," << y;
            }
        }
    }
    EXPECT_GT(textPixels, 50);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Test discovery starts this program outside ctest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
