#pragma once
// Decoding of part pictures for a small preview: JPEG through libjpeg, BMP
// through Qt. Which decoder runs is told by the file's first bytes, not by
// its name; anything else is no picture.
//
// A picture that is only to be shown small is decoded small: libjpeg scales
// by 1/2, 1/4 or 1/8 while it decodes, so a camera photo costs a fraction of
// its full decode and a 20000 x 20000 picture stays in a few megabytes.
// Pictures whose decoding would still take more than kMaxDecodedPixels, or
// more than kMaxDecoderMemory of libjpeg's working memory (a huge progressive
// JPEG keeps all its coefficients), are refused rather than risking the
// memory of the whole program for a 168-pixel preview.

#include <QImage>
#include <QSize>
#include <string>

inline constexpr long long kMaxDecodedPixels = 16LL * 1024 * 1024;  // 64 MB as 32-bit pixels
inline constexpr long kMaxDecoderMemory = 256L * 1024 * 1024;

struct DecodedPicture {
    QImage image;    // null when the file is no picture we can show
    QSize fullSize;  // the picture's own size; `image` may be smaller
    bool IsPicture() const { return !image.isNull() && !fullSize.isEmpty(); }
};

// Decodes the file at `path` (a file-system path, UTF-8 on Linux) at the
// smallest size whose longer side is still at least `side` pixels, or at
// full size when it is smaller. A missing, empty, truncated or damaged file,
// a device or a folder gives no picture; nothing here ever ends the program.
DecodedPicture DecodePicture(const std::string& path, int side);
