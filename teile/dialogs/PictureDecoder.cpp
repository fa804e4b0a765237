#include "PictureDecoder.h"

#include <QFile>
#include <QImageReader>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);

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

// Qt shows a bitmap that ends early with its missing rows blank. For the
// uncompressed kinds the header tells how long the file must be; a shorter
// one is damaged like a truncated JPEG.
bool HoldsAllPixelRows(std::FILE* file) {
    unsigned char header[34] = {};
    const bool complete = std::fread(header, 1, sizeof header, file) == sizeof header;
    std::fseek(file, 0, SEEK_END);
    const long fileSize = std::ftell(file);
    std::rewind(file);
    if (!complete) {
        return false;
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
        width = static_cast<std::int32_t>(LittleEndian(header + 18, 4));
        height = static_cast<std::int32_t>(LittleEndian(header + 22, 4));
        bits = LittleEndian(header + 28, 2);
        compression = LittleEndian(header + 30, 4);
    }
    if (std::llabs(width) * std::llabs(height) > kMaxDecodedPixels) {
        return false;  // refused anyway; spares the sums below from overflowing
    }
    constexpr std::uint32_t kUncompressed = 0;
    constexpr std::uint32_t kBitFields = 3;
    if (compression != kUncompressed && compression != kBitFields) {
        return true;  // run-length coded: only the decoder can tell
    }
    const long long rowBytes = (std::llabs(width) * bits + 31) / 32 * 4;
    return pixelsAt + rowBytes * std::llabs(height) <= fileSize;
}

DecodedPicture DecodeBitmap(const std::string& path) {
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QImageReader reader(&file, "bmp");
    const QSize size = reader.size();
    if (size.isEmpty() ||
        static_cast<long long>(size.width()) * size.height() > kMaxDecodedPixels) {
        return {};
    }
    QImage image;
    if (!reader.read(&image)) {
        return {};
    }
    return {image, image.size()};
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
    case PictureKind::Bitmap:
        if (HoldsAllPixelRows(file)) {
            picture = DecodeBitmap(path);
        }
        break;
    case PictureKind::None: break;
    }
    std::fclose(file);
    return picture;
}
