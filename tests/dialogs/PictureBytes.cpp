#include "PictureBytes.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace {

constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kEndOfImage = 0xD9;

unsigned char At(const std::string& bytes, std::size_t index) {
    if (index >= bytes.size()) {
        throw std::runtime_error("JPEG ends inside a marker segment");
    }
    return static_cast<unsigned char>(bytes[index]);
}

// Frame headers are C0 to CF but for C4 (Huffman tables), C8 (reserved) and
// CC (arithmetic conditioning).
bool IsFrameHeader(unsigned char marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::size_t SegmentEnd(const std::string& jpeg, std::size_t markerAt) {
    return markerAt + 2 + (At(jpeg, markerAt + 2) << 8 | At(jpeg, markerAt + 3));
}

// The offset of the first marker segment of `wanted`'s kind, or npos.
template <typename Wanted>
std::size_t FindSegment(const std::string& jpeg, Wanted wanted) {
    std::size_t at = 2;  // behind the start-of-image marker
    while (at + 3 < jpeg.size() && At(jpeg, at) == kMarker) {
        if (wanted(At(jpeg, at + 1))) {
            return at;
        }
        if (At(jpeg, at + 1) == kStartOfScan) {
            break;  // the segments before the first scan are all there is to search
        }
        at = SegmentEnd(jpeg, at);
    }
    return std::string::npos;
}

// The end of the entropy-coded data that starts at `at`: the next marker that
// is neither a stuffed zero nor a restart marker.
std::size_t ScanDataEnd(const std::string& jpeg, std::size_t at) {
    for (; at + 1 < jpeg.size(); ++at) {
        const unsigned char next = At(jpeg, at + 1);
        if (At(jpeg, at) == kMarker && next != 0 && (next < 0xD0 || next > 0xD7)) {
            return at;
        }
    }
    return jpeg.size();
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

}  // namespace

std::string EncodeJpeg(int width, int height, Rgb colour, JpegCoding coding) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);  // test data: libjpeg may end the test on a fault
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = coding.grey ? 1 : 3;
    info.in_color_space = coding.grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    info.arith_code = coding.arithmetic ? TRUE : FALSE;
    if (coding.progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < width; ++x) {
        if (coding.grey) {
            row.push_back(colour.green);
        } else {
            row.insert(row.end(), {colour.red, colour.green, colour.blue});
        }
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string jpeg(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return jpeg;
}

std::string WithFrameSize(std::string jpeg, int width, int height) {
    const std::size_t frame = FindSegment(jpeg, IsFrameHeader);
    if (frame == std::string::npos) {
        throw std::runtime_error("JPEG without a frame header");
    }
    // Marker, length, sample precision, then height and width.
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height & 0xFF);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

std::string WithFirstScanRepeated(const std::string& jpeg, int times) {
    const std::size_t scan =
        FindSegment(jpeg, [](unsigned char marker) { return marker == kStartOfScan; });
    if (scan == std::string::npos) {
        throw std::runtime_error("JPEG without a scan");
    }
    const std::size_t scanEnd = ScanDataEnd(jpeg, SegmentEnd(jpeg, scan));
    std::string repeated = jpeg.substr(0, scan);
    for (int i = 0; i < times; ++i) {
        repeated += jpeg.substr(scan, scanEnd - scan);
    }
    repeated += {static_cast<char>(kMarker), static_cast<char>(kEndOfImage)};
    return repeated;
}

std::string EncodeBitmap(const BitmapLayout& layout, const std::string& pixels) {
    constexpr std::uint32_t kFileHeaderSize = 14;
    constexpr std::uint32_t kInfoHeaderSize = 40;
    const auto paletteSize = static_cast<std::uint32_t>(4 * layout.palette.size());
    const std::uint32_t pixelsAt = kFileHeaderSize + kInfoHeaderSize + paletteSize;
    std::string bitmap = "BM";
    PutLittleEndian(bitmap, pixelsAt + static_cast<std::uint32_t>(pixels.size()), 4);
    PutLittleEndian(bitmap, 0, 4);  // reserved
    PutLittleEndian(bitmap, pixelsAt, 4);
    PutLittleEndian(bitmap, kInfoHeaderSize, 4);
    PutLittleEndian(bitmap, static_cast<std::uint32_t>(layout.width), 4);
    PutLittleEndian(bitmap, static_cast<std::uint32_t>(layout.height), 4);
    PutLittleEndian(bitmap, 1, 2);  // planes
    PutLittleEndian(bitmap, static_cast<std::uint32_t>(layout.bitsPerPixel), 2);
    PutLittleEndian(bitmap, static_cast<std::uint32_t>(layout.coding), 4);
    PutLittleEndian(bitmap, static_cast<std::uint32_t>(pixels.size()), 4);
    PutLittleEndian(bitmap, 2835, 4);  // 72 dots per inch, both ways
    PutLittleEndian(bitmap, 2835, 4);
    PutLittleEndian(bitmap, static_cast<std::uint32_t>(layout.palette.size()), 4);
    PutLittleEndian(bitmap, 0, 4);  // every colour is important
    for (const Rgb& colour : layout.palette) {
        bitmap += {static_cast<char>(colour.blue), static_cast<char>(colour.green),
                   static_cast<char>(colour.red), '\0'};
    }
    return bitmap + pixels;
}
