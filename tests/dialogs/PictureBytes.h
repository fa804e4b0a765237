#pragma once
// Picture files built byte by byte for the decoder's tests and its fuzz
// corpus: small valid JPEGs and bitmaps, and the damaged or hostile ones that
// once hung the part editor or showed stray memory.

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

struct JpegCoding {
    bool arithmetic = false;
    bool progressive = false;
    bool grey = false;
};

// A picture of one colour, coded by libjpeg as asked.
std::string EncodeJpeg(int width, int height, Rgb colour, JpegCoding coding = {});

// The same JPEG whose frame header claims another size; its data stay those
// of the real picture.
std::string WithFrameSize(std::string jpeg, int width, int height);

// Everything up to the first scan, that scan `times` times, then the end.
std::string WithFirstScanRepeated(const std::string& jpeg, int times);

// Bitmap compression kinds of the info header.
enum class BitmapCoding : std::uint32_t { Plain = 0, RunLength8 = 1, RunLength4 = 2 };

struct BitmapLayout {
    int width = 0;
    int height = 0;  // negative: rows stored from the top
    int bitsPerPixel = 8;
    BitmapCoding coding = BitmapCoding::Plain;
    std::vector<Rgb> palette;
};

// A bitmap file with a 40-byte info header, the palette and `pixels` as the
// pixel data: plain rows (padded to four bytes by the caller) or a
// run-length stream.
std::string EncodeBitmap(const BitmapLayout& layout, const std::string& pixels);
