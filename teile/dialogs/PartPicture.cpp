#include "PartPicture.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

#include "Cp1252.h"
#include "FolderToken.h"
#include "PictureDecoder.h"
#include "TextRules.h"

namespace {

const QColor kBackground(255, 255, 255);
const QColor kCross(255, 0, 0);
const QPoint kNoPictureTextAt(20, 80);
const char* const kNoPictureText = "kein Bild vorhanden";

QImage WhiteCanvas() {
    QImage canvas(kPartPictureSide, kPartPictureSide, QImage::Format_RGB32);
    canvas.fill(kBackground);
    return canvas;
}

// `length` * 168 / `longer`, rounded to the nearest pixel; at least one.
int ScaledSide(int length, int longer) {
    const long long scaled =
        (2LL * length * kPartPictureSide + longer) / (2LL * static_cast<long long>(longer));
    return static_cast<int>(std::max(1LL, scaled));
}

}  // namespace

std::string PicturePathOf(const std::string& storedPath, const std::string& programFolder) {
    if (MeansNoFile(storedPath)) {
        return {};
    }
    // The token is plain ASCII, so it survives the conversion and the folder
    // it stands for is put in as the file system spells it.
    return ResolveFolderToken(Cp1252ToUtf8(Trim(storedPath)), programFolder);
}

QImage EmptyPartPicture() {
    QImage canvas = WhiteCanvas();
    QPainter painter(&canvas);
    painter.setPen(kCross);
    const int last = kPartPictureSide - 1;
    painter.drawLine(0, 0, last, last);
    painter.drawLine(last, 0, 0, last);
    // Like text on a fresh Windows device context: black on an opaque white
    // box, so the diagonals never run through the letters.
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(kBackground);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    const QRect room(kNoPictureTextAt, QPoint(last, last));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(kNoPictureText));
    return canvas;
}

QImage ShowPartPicture(const std::string& storedPath, const std::string& programFolder) {
    return PartPicturePreview(
        DecodePicture(PicturePathOf(storedPath, programFolder), kPartPictureSide));
}

QImage PartPicturePreview(const DecodedPicture& picture) {
    if (!picture.IsPicture()) {
        return EmptyPartPicture();
    }
    // The size follows the picture's own proportions, not those of the
    // reduced decode, whose sides libjpeg rounds up.
    const int width = picture.fullSize.width();
    const int height = picture.fullSize.height();
    const int longer = std::max(width, height);
    const QSize scaled(ScaledSide(width, longer), ScaledSide(height, longer));
    QImage canvas = WhiteCanvas();
    QPainter painter(&canvas);
    painter.drawImage(
        QPoint((kPartPictureSide - scaled.width()) / 2, (kPartPictureSide - scaled.height()) / 2),
        picture.image.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return canvas;
}
