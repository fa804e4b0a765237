// libFuzzer target for the part editor's picture preview. Any bytes, stored as
// a picture file, give a picture within the decoder's limits or the empty
// preview, and the same picture each time. A slow or greedy input is a finding
// too: the decoder's own time is checked here, and -timeout and -rss_limit_mb
// catch what hangs or takes too much memory (tests/database/fuzz/README.md).
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "PartPicture.h"
#include "PictureDecoder.h"

namespace {

// The decoder reads files, so every input becomes this one.
std::string& PicturePath() {
    static std::string path;
    return path;
}

void RemovePicture() { std::remove(PicturePath().c_str()); }

// The fuzzing thread's own time: a busy machine must not make findings.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

bool WritePicture(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(PicturePath().c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

}  // namespace

// Fontconfig keeps a few blocks of its font cache for good; they are no leak
// of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The empty preview draws its text, which takes fonts and so an
    // application; it needs no screen. It lives as long as the process.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int applicationArgc = 1;
    static char* applicationArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    new QGuiApplication(applicationArgc, applicationArgv);

    std::string pattern = (std::filesystem::temp_directory_path() / "picture-fuzz-XXXXXX").string();
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        std::abort();
    }
    close(descriptor);
    PicturePath() = pattern;
    std::atexit(RemovePicture);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!WritePicture(data, size)) {
        std::abort();
    }
    const double start = ThreadSeconds();
    const DecodedPicture picture = DecodePicture(PicturePath(), kPartPictureSide);
    // Within its limits the worst JPEG costs libjpeg a third of a second; one
    // that comes near the time its decode would be stopped at has found a way
    // around them. (libjpeg runs at full speed in the sanitizer build too; our
    // own code, which a bitmap's cost is mostly made of, does not, so bitmaps
    // are left to -timeout.)
    const bool jpeg = size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
    if (jpeg && ThreadSeconds() - start > kMaxJpegSeconds * 3 / 4) {
        std::abort();
    }
    if (picture.IsPicture()) {
        const QSize decoded = picture.image.size();
        const QSize full = picture.fullSize;
        // A picture is decoded at its size or reduced, never beyond the caps.
        if (static_cast<long long>(decoded.width()) * decoded.height() > kMaxDecodedPixels ||
            static_cast<long long>(full.width()) * full.height() > kMaxFramePixels ||
            decoded.width() > full.width() || decoded.height() > full.height()) {
            std::abort();
        }
    }
    if (PartPicturePreview(picture).size() != QSize(kPartPictureSide, kPartPictureSide)) {
        std::abort();
    }
    // The same file gives the same picture, whatever memory the decoder got.
    const DecodedPicture again = DecodePicture(PicturePath(), kPartPictureSide);
    if (again.image != picture.image || again.fullSize != picture.fullSize) {
        std::abort();
    }
    return 0;
}
