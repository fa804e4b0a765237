#pragma once
// The window of the decoder: four ring lists, the painted resistor and the
// result text. All painting goes into the ResistorPicture in memory, which
// the picture control then shows.

#include <QColor>
#include <QWidget>

#include <array>

#include "ResistorPicture.h"

class QComboBox;
class QLabel;

inline constexpr char kDecoderTitle[] = " Zelvo-Dekoder";

class DecoderWindow : public QWidget {
    Q_OBJECT

public:
    explicit DecoderWindow(QWidget* parent = nullptr);

    const ResistorPicture& Picture() const { return picture_; }

private:
    void CreateControls();
    void PreparePicture();
    void OnRingChanged(int ring);
    void ShowPicture();
    void ShowResult();

    ResistorPicture picture_;
    QLabel* resultText_ = nullptr;
    QLabel* pictureView_ = nullptr;
    std::array<QComboBox*, 4> ringChoices_{};
};
