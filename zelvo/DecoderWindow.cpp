#include "DecoderWindow.h"

#include <QComboBox>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "DecodeRings.h"
#include "RingTables.h"
#include "window/FixedWindow.h"

namespace {

constexpr int kClientWidth = 371;
constexpr int kClientHeight = 170;

// The picture control starts at (45, 60) and is as large as the picture.
constexpr int kPictureLeft = 45;
constexpr int kPictureTop = 60;

constexpr std::array<int, 4> kInitialPositions{0, 0, 0, 5};

QString EntryText(std::string_view name) {
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

RgbColour ToRgb(const QColor& colour) {
    return RgbColour{std::uint8_t(colour.red()), std::uint8_t(colour.green()),
                     std::uint8_t(colour.blue())};
}

QImage ToImage(const ResistorPicture& picture) {
    QImage image(ResistorPicture::kWidth, ResistorPicture::kHeight, QImage::Format_RGB32);
    for (int y = 0; y < ResistorPicture::kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < ResistorPicture::kWidth; ++x) {
            const RgbColour pixel = picture.PixelAt(x, y);
            line[x] = qRgb(pixel.red, pixel.green, pixel.blue);
        }
    }
    return image;
}

}  // namespace

DecoderWindow::DecoderWindow(QWidget* parent) : QWidget(parent, kFixedWindowFlags) {
    setObjectName("decoderWindow");
    SetUpFixedWindow(*this, kDecoderTitle, QSize(kClientWidth, kClientHeight));
    setWindowIcon(QIcon(":/zelvo/zelvo.svg"));
    // Every control takes Arial 10; Qt falls back to a similar face where
    // Arial is missing.
    setFont(QFont("Arial", 10));

    CreateControls();
    PreparePicture();
}

void DecoderWindow::CreateControls() {
    resultText_ = new QLabel(this);
    resultText_->setObjectName("resultText");
    resultText_->setGeometry(10, 15, 350, 30);
    resultText_->setAlignment(Qt::AlignCenter);
    resultText_->setFont(QFont("Arial", 18));

    pictureView_ = new QLabel(this);
    pictureView_->setObjectName("resistorPicture");
    pictureView_->setGeometry(kPictureLeft, kPictureTop, ResistorPicture::kWidth,
                              ResistorPicture::kHeight);

    for (int ring = 0; ring < kRingCount; ++ring) {
        auto* caption = new QLabel(QString("%1.Ring").arg(ring + 1), this);
        caption->setObjectName(QString("ring%1Caption").arg(ring + 1));
        caption->setGeometry(10 + 90 * ring, 110, 80, 18);
    }

    for (int ring = 0; ring < kRingCount; ++ring) {
        auto* choice = new QComboBox(this);
        choice->setObjectName(QString("ring%1Choice").arg(ring + 1));
        choice->setGeometry(10 + 90 * ring, 132, 80, 25);
        choice->setEditable(false);
        ringChoices_[ring] = choice;
    }

    for (const std::string_view name : FirstDigitRing) {
        ringChoices_[0]->addItem(EntryText(name));
    }
    for (const std::string_view name : SecondDigitRing) {
        ringChoices_[1]->addItem(EntryText(name));
    }
    for (const MultiplierEntry& entry : MultiplierRing) {
        ringChoices_[2]->addItem(EntryText(entry.name), entry.code);
    }
    for (const ToleranceEntry& entry : ToleranceRing) {
        ringChoices_[3]->addItem(EntryText(entry.name));
    }

    for (int ring = 0; ring < kRingCount; ++ring) {
        ringChoices_[ring]->setCurrentIndex(kInitialPositions[ring]);
        connect(ringChoices_[ring], &QComboBox::currentIndexChanged, this,
                [this, ring] { OnRingChanged(ring); });
    }
    ShowResult();
}

void DecoderWindow::PreparePicture() {
    // The colour Qt fills this window with: the outside of the resistor takes
    // it so the picture has no white frame around it.
    picture_.FloodFill(ResistorPicture::kOutsidePoint, ToRgb(palette().color(backgroundRole())));
    for (int ring = 0; ring < kRingCount; ++ring) {
        const std::string_view name = RingEntryNames(ring)[kInitialPositions[ring]];
        if (const auto colour = PaintColourOf(name)) {
            picture_.FloodFill(ResistorPicture::kRingPaintPoints[ring], *colour);
        }
    }
    ShowPicture();
}

void DecoderWindow::OnRingChanged(int ring) {
    const auto names = RingEntryNames(ring);
    const int position = ringChoices_[ring]->currentIndex();
    if (position >= 0 && position < int(names.size())) {
        if (const auto colour = PaintColourOf(names[position])) {
            picture_.FloodFill(ResistorPicture::kRingPaintPoints[ring], *colour);
            ShowPicture();
        }
    }
    ShowResult();
}

void DecoderWindow::ShowPicture() {
    pictureView_->setPixmap(QPixmap::fromImage(ToImage(picture_)));
}

void DecoderWindow::ShowResult() {
    const std::string text =
        DecodeRings(ringChoices_[0]->currentIndex(), ringChoices_[1]->currentIndex(),
                    ringChoices_[2]->currentData().toInt(), ringChoices_[3]->currentIndex());
    resultText_->setText(QString::fromStdString(text));
}
