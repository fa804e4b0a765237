#include "PictureDecoder.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

// jpeglib.h needs FILE and size_t declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace {

enum class PictureKind { None, Jpeg, Bitmap };

PictureKind KindOf(std::FILE* file) {
    unsigned char magic[3] = {};
    const std::size_t got = std::fread(magic, 1, sizeof magic, file);
    std::rewind(file);
    if (got == 3 && magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF) {
        return PictureKind::Jpeg;
    }
    if (got >= 2 && magic[0] == 'B' && magic[1] == 'M') {
        return PictureKind::Bitmap;
    }
    return PictureKind::None;
}

// libjpeg's own error handler ends the process; ours jumps back to the
// decoder, which then reports no picture.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

// A file that ends early or whose data is missing pieces would be shown with
// grey or smeared parts: that is a damaged file, not a picture. Other
// warnings (stray bytes between markers and the like) are harmless.
void OnMessage(j_common_ptr info, int level) {
    if (level >= 0) {
        return;  // trace messages
    }
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC) {
        JumpBack(info);
    }
    ++info->err->num_warnings;
}

void Silently(j_common_ptr) {}

// The decoding thread's own processor time: a busy machine does not make a
// picture fail.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// libjpeg reports progress before each row it takes in or puts out, so a new
// scan is seen here before any of its data is decoded; the blocks a scan
// walks are known from its header alone. The time taken is looked at on every
// row, for data whose blocks cost more than they should.
struct JpegWork {
    jpeg_progress_mgr manager;
    double startedAt;
    int scans;
    long long blocksWalked;
};

void CountWork(j_common_ptr common) {
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    auto* work = reinterpret_cast<JpegWork*>(info->progress);
    if (ThreadSeconds() - work->startedAt > kMaxJpegSeconds) {
        JumpBack(common);
    }
    if (info->input_scan_number == work->scans) {
        return;
    }
    work->scans = info->input_scan_number;
    work->blocksWalked +=
        static_cast<long long>(info->MCUs_per_row) * info->MCU_rows_in_scan * info->blocks_in_MCU;
    if (work->scans > kMaxScans || work->blocksWalked > kMaxBlocksWalked) {
        JumpBack(common);
    }
}

// The largest of the reductions libjpeg offers whose result still has a
// longer side of at least `side`.
unsigned int ScaleDenominatorFor(JDIMENSION width, JDIMENSION height, int side) {
    const unsigned long longer = width > height ? width : height;
    for (unsigned int denominator : {8u, 4u, 2u}) {
        if ((longer + denominator - 1) / denominator >= static_cast<unsigned long>(side)) {
            return denominator;
        }
    }
    return 1;
}

void CmykToRgbx(unsigned char* row, JDIMENSION width) {
    // Adobe writes CMYK JPEGs inverted, and they are practically all of them.
    for (JDIMENSION x = 0; x < width; ++x) {
        unsigned char* pixel = row + 4 * x;
        const unsigned int k = pixel[3];
        pixel[0] = static_cast<unsigned char>(pixel[0] * k / 255);
        pixel[1] = static_cast<unsigned char>(pixel[1] * k / 255);
        pixel[2] = static_cast<unsigned char>(pixel[2] * k / 255);
        pixel[3] = 255;
    }
}

// Only plain C objects live in this frame, so the jump back skips no
// destructor; `image` belongs to the caller and is merely assigned.
bool DecodeJpeg(std::FILE* file, int side, QImage& image, QSize& fullSize) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpBack;
    errors.manager.emit_message = OnMessage;
    errors.manager.output_message = Silently;
    JpegWork work{};
    work.manager.progress_monitor = CountWork;
    work.startedAt = ThreadSeconds();
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    if (static_cast<long long>(info.image_width) * info.image_height > kMaxFramePixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.progress = &work.manager;

    fullSize = QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBX;
    info.scale_num = 1;
    info.scale_denom = ScaleDenominatorFor(info.image_width, info.image_height, side);
    jpeg_calc_output_dimensions(&info);
    const long long pixels =
        static_cast<long long>(info.output_width) * static_cast<long long>(info.output_height);
    if (pixels <= 0 || pixels > kMaxDecodedPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGBX8888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk) {
            CmykToRgbx(row, info.output_width);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

std::uint32_t LittleEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

// What Qt is handed of a bitmap file: its first `length` bytes, then `zeros`
// zero bytes. Qt shows a bitmap whose rows end early with the missing rows
// blank: for the uncompressed kinds the header tells how long the file must
// be, and a shorter one is damaged like a truncated JPEG. A run-length stream
// may end where it likes. A sound encoder codes a row in about a byte a pixel
// (runs of differing pixels in absolute mode, three bytes for every 255 of
// them, a short tail and the row's end); Qt is never handed more, so neither
// escapes that go nowhere nor a stream of single-pixel runs keep it reading
// for long. Where the stream stops before its end-of-bitmap, Qt would paint a
// run whose colour byte is missing with whatever its stack held; the zeros
// behind the stream end every row instead (such a run takes colour 0).
struct BitmapBytes {
    long long length = 0;  // 0: the file is refused
    long long zeros = 0;
};

BitmapBytes BitmapBytesOf(std::FILE* file, long long fileSize) {
    unsigned char header[34] = {};
    const bool complete = std::fread(header, 1, sizeof header, file) == sizeof header;
    std::rewind(file);
    if (!complete) {
        return {};
    }
    const std::uint32_t pixelsAt = LittleEndian(header + 10, 4);
    const std::uint32_t infoSize = LittleEndian(header + 14, 4);
    long long width = 0;
    long long height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    if (infoSize == 12) {  // the old OS/2 header
        width = LittleEndian(header + 18, 2);
        height = LittleEndian(header + 20, 2);
        bits = LittleEndian(header + 24, 2);
    } else {
        width = std::llabs(static_cast<std::int32_t>(LittleEndian(header + 18, 4)));
        height = std::llabs(static_cast<std::int32_t>(LittleEndian(header + 22, 4)));
        bits = LittleEndian(header + 28, 2);
        compression = LittleEndian(header + 30, 4);
    }
    if (width * height > kMaxDecodedPixels) {
        return {};  // refused anyway; spares the sums below from overflowing
    }
    constexpr std::uint32_t kUncompressed = 0;
    constexpr std::uint32_t kRunLength8 = 1;
    constexpr std::uint32_t kRunLength4 = 2;
    constexpr std::uint32_t kBitFields = 3;
    switch (compression) {
    case kUncompressed:
    case kBitFields: {
        const long long needed = pixelsAt + (width * bits + 31) / 32 * 4 * height;
        return needed <= fileSize ? BitmapBytes{needed, 0} : BitmapBytes{};
    }
    case kRunLength8:
    case kRunLength4: {
        const long long longest = pixelsAt + (width + 3 * (width / 255 + 1) + 6) * height + 2;
        return {std::min(longest, fileSize), 2 * height + 4};
    }
    default: return {};  // JPEG or PNG inside a bitmap: Qt has no decoder for them
    }
}

QImage Filled(QSize size, QImage::Format format, unsigned char byte) {
    QImage image(size, format);
    if (!image.isNull()) {
        std::memset(image.bits(), byte, static_cast<std::size_t>(image.sizeInBytes()));
    }
    return image;
}

// Qt decodes into the image it is given when that has the size and format it
// would make itself; true when it decoded the file into `canvas` so.
bool ReadInto(QByteArray& bytes, QImage& canvas) {
    const qint64 canvasData = canvas.cacheKey() >> 32;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    return reader.read(&canvas) && canvas.cacheKey() >> 32 == canvasData;
}

bool PixelDiffers(const uchar* zeros, const uchar* ones, int x, int depth) {
    if (depth == 1) {
        const int bit = 7 - x % 8;  // Qt's one-bit format keeps the first pixel in the top bit
        return (zeros[x / 8] >> bit & 1) != (ones[x / 8] >> bit & 1);
    }
    const int bytes = depth / 8;
    return std::memcmp(zeros + x * bytes, ones + x * bytes, static_cast<std::size_t>(bytes)) != 0;
}

// A pixel Qt did not set kept the byte its canvas was filled with, so it
// differs between the two decodes; it comes out white. A file that sets no
// pixel at all holds no picture. The picture is handed on in 32 bits a pixel,
// as it is drawn anyway: an index beyond the palette becomes black there,
// while Qt's own look-ups of it would read past the palette.
QImage WhiteWhereUnset(const QImage& zeros, const QImage& ones) {
    const int depth = zeros.depth();
    const auto usedBytes = static_cast<std::size_t>((zeros.width() * depth + 7) / 8);
    QImage picture = zeros.convertToFormat(zeros.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                   : QImage::Format_RGB32);
    bool anySet = false;
    for (int y = 0; y < zeros.height(); ++y) {
        const uchar* zeroRow = zeros.constScanLine(y);
        const uchar* oneRow = ones.constScanLine(y);
        if (std::memcmp(zeroRow, oneRow, usedBytes) == 0) {
            anySet = true;
            continue;
        }
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < zeros.width(); ++x) {
            if (PixelDiffers(zeroRow, oneRow, x, depth)) {
                out[x] = qRgb(255, 255, 255);
            } else {
                anySet = true;
            }
        }
    }
    return anySet ? picture : QImage();
}

// Qt leaves every pixel the file does not set as the memory held it (a
// run-length stream that ends early or skips pixels with a delta escape, rows
// Qt starts reading later than the header says). Decoding into two canvases
// filled with different bytes tells those pixels apart, so the same file
// always shows the same picture. Should Qt decode into an image of its own
// after all (another size or format than it announced), the unset pixels
// cannot be told, and the file is refused.
DecodedPicture DecodeBitmap(std::FILE* file) {
    std::fseek(file, 0, SEEK_END);
    const long long fileSize = std::ftell(file);
    std::rewind(file);
    const BitmapBytes handed = BitmapBytesOf(file, fileSize);
    if (handed.length <= 0) {
        return {};
    }
    QByteArray bytes(static_cast<qsizetype>(handed.length + handed.zeros), '\0');
    if (std::fread(bytes.data(), 1, static_cast<std::size_t>(handed.length), file) !=
        static_cast<std::size_t>(handed.length)) {
        return {};
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    // A bitmap stored from the top says so by a negative height.
    const QSize size(reader.size().width(), std::abs(reader.size().height()));
    if (size.isEmpty() ||
        static_cast<long long>(size.width()) * size.height() > kMaxDecodedPixels) {
        return {};
    }
    QImage zeros = Filled(size, reader.imageFormat(), 0x00);
    QImage ones = Filled(size, reader.imageFormat(), 0xFF);
    if (!ReadInto(bytes, zeros) || !ReadInto(bytes, ones)) {
        return {};
    }
    return {WhiteWhereUnset(zeros, ones), size};
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

DecodedPicture DecodePicture(const std::string& path, int side) {
    // Devices and pipes are never opened: reading one could wait forever.
    if (path.empty() || !IsRegularFile(path)) {
        return {};
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return {};
    }
    DecodedPicture picture;
    switch (KindOf(file)) {
    case PictureKind::Jpeg:
        if (!DecodeJpeg(file, side, picture.image, picture.fullSize)) {
            picture = {};
        }
        break;
    case PictureKind::Bitmap: picture = DecodeBitmap(file); break;
    case PictureKind::None: break;
    }
    std::fclose(file);
    return picture;
}
