// Writes the seed corpus and the regression inputs of picture_fuzz into the
// folder given (tests/dialogs/fuzz): small valid JPEGs and bitmaps of every
// kind the preview decodes, and the files that once hung the part editor or
// showed stray memory.
#include <cstdio>
#include <fstream>
#include <string>

#include "PictureBytes.h"

namespace {

using namespace std::string_literals;

constexpr Rgb kBlue{20, 60, 200};
constexpr Rgb kRed{255, 0, 0};

bool Write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string Bitmap(int width, int height, int bits, BitmapCoding coding, const std::string& data) {
    BitmapLayout layout{
        .width = width, .height = height, .bitsPerPixel = bits, .coding = coding, .palette = {}};
    if (bits <= 8) {
        layout.palette = {kBlue, kRed};
    }
    return EncodeBitmap(layout, data);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_picture_inputs FOLDER\n");
        return 2;
    }
    const std::string seeds = std::string(argv[1]) + "/seeds/";
    const std::string regressions = std::string(argv[1]) + "/regressions/";
    const std::string arithmetic = EncodeJpeg(16, 16, kBlue, {.arithmetic = true});
    const std::string arithmeticProgressive =
        EncodeJpeg(16, 16, kBlue, {.arithmetic = true, .progressive = true});
    const std::string bigProgressive = WithFrameSize(arithmeticProgressive, 4096, 4096);
    const struct {
        std::string path;
        std::string bytes;
    } files[] = {
        {seeds + "baseline.jpg", EncodeJpeg(24, 16, kBlue)},
        {seeds + "progressive.jpg", EncodeJpeg(24, 16, kRed, {.progressive = true})},
        {seeds + "arithmetic.jpg", EncodeJpeg(16, 24, kBlue, {.arithmetic = true})},
        {seeds + "arithmetic-progressive.jpg",
         EncodeJpeg(24, 16, kRed, {.arithmetic = true, .progressive = true})},
        {seeds + "grey.jpg", EncodeJpeg(16, 16, kBlue, {.grey = true})},
        {seeds + "1-bit.bmp", Bitmap(8, 2, 1, BitmapCoding::Plain, "\x5A\0\0\0\xA5\0\0\0"s)},
        {seeds + "4-bit.bmp", Bitmap(4, 2, 4, BitmapCoding::Plain, "\x01\x10\0\0\x10\x01\0\0"s)},
        {seeds + "8-bit.bmp", Bitmap(3, 2, 8, BitmapCoding::Plain, "\0\1\0\0\1\0\1\0"s)},
        {seeds + "24-bit.bmp", Bitmap(2, 2, 24, BitmapCoding::Plain,
                                      "\xC8\x3C\x14\0\0\xFF\0\0\0\0\xFF\xC8\x3C\x14\0\0"s)},
        {seeds + "32-bit.bmp", Bitmap(2, 1, 32, BitmapCoding::Plain, "\xC8\x3C\x14\0\0\0\xFF\0"s)},
        {seeds + "rle8.bmp",
         Bitmap(4, 2, 8, BitmapCoding::RunLength8, "\1\0\0\3\1\0\1\0\0\0\4\1\0\1"s)},
        {seeds + "rle4.bmp", Bitmap(4, 2, 4, BitmapCoding::RunLength4, "\4\x01\0\0\4\x10\0\1"s)},
        {seeds + "top-down.bmp", Bitmap(2, -2, 8, BitmapCoding::Plain, "\0\0\0\0\1\1\0\0"s)},
        // The faults of the preview decoder, one file each.
        {regressions + "arithmetic-frame-32000x32000.jpg", WithFrameSize(arithmetic, 32000, 32000)},
        {regressions + "progressive-scan-100-times.jpg",
         WithFirstScanRepeated(bigProgressive, 100)},
        {regressions + "progressive-scan-1000-times.jpg",
         WithFirstScanRepeated(bigProgressive, 1000)},
        {regressions + "rle8-without-pixel-data.bmp",
         Bitmap(64, 64, 8, BitmapCoding::RunLength8, "\0\1"s)},
        {regressions + "rle8-end-of-bitmap.bmp",
         Bitmap(64, 64, 8, BitmapCoding::RunLength8, "\x20\1\0\0\x10\0\0\1"s)},
        {regressions + "rle8-delta-escape.bmp",
         Bitmap(64, 64, 8, BitmapCoding::RunLength8, "\x08\1\0\2\x20\x20\x08\0\0\1"s)},
        {regressions + "rle8-stream-cut.bmp",
         Bitmap(64, 64, 8, BitmapCoding::RunLength8, "\x40\1\x40\0\x10"s)},
        {regressions + "top-down-24-bit.bmp",
         Bitmap(1, -2, 24, BitmapCoding::Plain, "\xC8\x3C\x14\0\0\0\xFF\0"s)},
    };
    for (const auto& file : files) {
        if (!Write(file.path, file.bytes)) {
            std::fprintf(stderr, "cannot write %s\n", file.path.c_str());
            return 1;
        }
    }
    return 0;
}
