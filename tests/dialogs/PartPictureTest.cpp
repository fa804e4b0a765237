// The part editor's picture preview, drawn from real files written here.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <ctime>
#include <filesystem>

#include "PartPicture.h"
#include "PictureBytes.h"
#include "PictureDecoder.h"
#include "TempFolder.h"

namespace {

const QColor kBlue(20, 60, 200);
constexpr Rgb kBlueRgb{20, 60, 200};
constexpr Rgb kRedRgb{255, 0, 0};

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

// A frame is refused by its size before any of its data is decoded: an
// arithmetic-coded scan whose data end early goes on over the whole frame.
TEST(PartPicture, JpegFrameAboveTheLimitIsRefused) {
    TempFolder folder;
    const std::string grey = EncodeJpeg(16, 16, kBlueRgb, {.arithmetic = true, .grey = true});
    struct Case {
        int width;
        int height;
        bool shown;
    };
    // libjpeg takes at most 65500 pixels a side; 65500 x 4098 is just below 2^28
    // pixels.
    for (const Case& c : {Case{65500, 4098, true}, Case{65500, 4099, false}}) {
        folder.Write("frame.jpg", WithFrameSize(grey, c.width, c.height));
        EXPECT_EQ(DecodePicture(folder.File("frame.jpg"), 168).IsPicture(), c.shown) << c.height;
    }
}

// Each scan of a progressive JPEG walks its blocks once more, whatever few
// bytes it holds.
TEST(PartPicture, JpegStopsAtTooManyScansOrTooManyBlocksWalked) {
    TempFolder folder;
    const std::string progressive =
        EncodeJpeg(16, 16, kBlueRgb, {.arithmetic = true, .progressive = true});
    // 8192 x 8192 in 4:2:0 has 1 572 864 blocks: five scans stay below 2^23.
    const std::string big = WithFrameSize(progressive, 8192, 8192);
    struct Case {
        const char* name;
        std::string jpeg;
        bool shown;
    };
    const Case cases[] = {
        {"64 scans", WithFirstScanRepeated(progressive, kMaxScans), true},
        {"65 scans", WithFirstScanRepeated(progressive, kMaxScans + 1), false},
        {"5 big scans", WithFirstScanRepeated(big, 5), true},
        {"6 big scans", WithFirstScanRepeated(big, 6), false},
    };
    for (const Case& c : cases) {
        folder.Write("scans.jpg", c.jpeg);
        EXPECT_EQ(DecodePicture(folder.File("scans.jpg"), 168).IsPicture(), c.shown) << c.name;
    }
}

// Qt leaves the pixels a run-length stream does not reach as memory held
// them; they must come out white, the same each time. A file that sets no
// pixel is no picture.
TEST(PartPicture, PixelsABitmapDoesNotSetAreWhite) {
    using namespace std::string_literals;
    struct Case {
        const char* name;
        int bits;
        std::string stream;  // rows from the bottom
        const char* shown;   // top row first: B blue, W white; null: no picture
    };
    const Case cases[] = {
        {"no pixel data", 8, "\0\1"s, nullptr},
        {"end of bitmap", 8, "\2\0\0\1"s,
         "WWWW"
         "BBWW"},
        {"delta escape", 8, "\1\0\0\2\2\1\1\0\0\1"s,
         "WWWB"
         "BWWW"},
        {"file ends in the stream", 8, "\3\0"s,
         "WWWW"
         "BBBW"},
        // Qt would take the missing colour from its stack.
        {"file ends before a run's colour", 8, "\0\0\3"s,
         "BBBW"
         "WWWW"},
        {"4-bit end of line", 4, "\1\0\0\0\2\0\0\1"s,
         "BBWW"
         "BWWW"},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        const BitmapLayout layout{
            .width = 4,
            .height = 2,
            .bitsPerPixel = c.bits,
            .coding = c.bits == 8 ? BitmapCoding::RunLength8 : BitmapCoding::RunLength4,
            .palette = {kBlueRgb}};
        folder.Write("rle.bmp", EncodeBitmap(layout, c.stream));
        const QImage image = DecodePicture(folder.File("rle.bmp"), 168).image;
        if (c.shown == nullptr) {
            EXPECT_TRUE(image.isNull()) << c.name;
            continue;
        }
        ASSERT_EQ(image.size(), QSize(4, 2)) << c.name;
        for (int i = 0; i < 8; ++i) {
            const QColor expected = c.shown[i] == 'B' ? kBlue : QColor(255, 255, 255);
            EXPECT_EQ(image.pixelColor(i % 4, i / 4), expected) << c.name << " pixel " << i;
        }
    }
}

TEST(PartPicture, TopDownBitmapShowsItsPicture) {
    using namespace std::string_literals;
    struct Case {
        const char* name;
        BitmapLayout layout;
        std::string rows;  // top row first, each padded to four bytes
    };
    const Case cases[] = {
        {"8 bits",
         {.width = 2, .height = -2, .bitsPerPixel = 8, .palette = {kBlueRgb, kRedRgb}},
         "\0\0\0\0\1\1\0\0"s},
        {"24 bits",
         {.width = 1, .height = -2, .bitsPerPixel = 24, .palette = {}},
         "\xC8\x3C\x14\0\0\0\xFF\0"s},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        folder.Write("oben.bmp", EncodeBitmap(c.layout, c.rows));
        const QImage preview = ShowPartPicture("$lopf$oben.bmp", folder.Path());
        EXPECT_TRUE(IsBlue(preview.pixelColor(84, 10))) << c.name;
        EXPECT_EQ(preview.pixelColor(84, 160), QColor(255, 0, 0)) << c.name;
    }
}

// The decoding thread's own time: other work on the machine must not count.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Every file kept for the fuzz target, the hostile ones included, gives its
// preview within the second the decoder's limits are chosen for, and the
// same preview each time; every seed is a picture.
TEST(PartPicture, EveryKeptPictureFileGivesItsPreviewWithinTheBound) {
    constexpr double kBoundSeconds = 1.0;
    const QImage empty = EmptyPartPicture();
    int files = 0;
    for (const char* folder : {"seeds", "regressions"}) {
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(PICTURE_INPUTS) + "/" + folder)) {
            const std::string path = entry.path().string();
            const double start = ThreadSeconds();
            const QImage preview = ShowPartPicture(path, "/");
            EXPECT_LT(ThreadSeconds() - start, kBoundSeconds) << path;
            EXPECT_EQ(ShowPartPicture(path, "/"), preview) << path;
            if (folder == std::string("seeds")) {
                EXPECT_NE(preview, empty) << path;
            }
            ++files;
        }
    }
    EXPECT_GT(files, 10);
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
