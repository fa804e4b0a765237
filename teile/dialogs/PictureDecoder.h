#pragma once
// Decoding of part pictures for a small preview: JPEG through libjpeg, BMP
// through Qt. Which decoder runs is told by the file's first bytes, not by
// its name; anything else is no picture.
//
// A picture that is only to be shown small is decoded small: libjpeg scales
// by 1/2, 1/4 or 1/8 while it decodes, so a camera photo costs a fraction of
// its full decode and a 16000 x 16000 picture stays in a few megabytes.
// Pictures whose decoding would still take more than kMaxDecodedPixels, or
// more than kMaxDecoderMemory of libjpeg's working memory (a huge progressive
// JPEG keeps all its coefficients), are refused rather than risking the
// memory of the whole program for a 168-pixel preview.
//
// The time a JPEG costs follows the blocks of 8 x 8 samples its decoder
// walks, not the size of the file: an arithmetic-coded scan whose data end
// early goes on over its whole frame, and every scan of a progressive JPEG
// walks its blocks once more. So a frame above kMaxFramePixels is refused
// before decoding, and a decode stops at its (kMaxScans + 1)th scan or when
// its scans together would walk more than kMaxBlocksWalked blocks. Today's
// largest camera photos (medium format 11648 x 8736, phone sensors of 200
// megapixels) fit. Within these limits the costliest file we could make takes
// a third of a second to decode, as long as a 100-megapixel photo. What an
// arithmetic-coded block costs depends on its data, though, so a decode that
// has taken more than kMaxJpegSeconds of its thread's processor time is
// stopped as well: that is the bound on every file. A bitmap costs at most
// two decodes of kMaxDecodedPixels by Qt.

#include <QImage>
#include <QSize>
#include <string>

inline constexpr long long kMaxDecodedPixels = 16LL * 1024 * 1024;  // 64 MB as 32-bit pixels
inline constexpr long kMaxDecoderMemory = 256L * 1024 * 1024;
inline constexpr long long kMaxFramePixels = 1LL << 28;  // 16384 x 16384
inline constexpr int kMaxScans = 64;                     // libjpeg's own progressive JPEGs have 10
inline constexpr long long kMaxBlocksWalked = 1LL << 23;
inline constexpr double kMaxJpegSeconds = 1.0;

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
