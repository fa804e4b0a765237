#pragma once
// Captions are placed at their given positions and sizes. Where the dialog
// font is missing, the fallback face runs wider than the one they were
// measured for; a caption then grows to the right, as far as the space up to
// `rightEdge` allows, instead of losing its last letters.

#include <QWidget>

#include <algorithm>

inline void FitCaption(QWidget* caption, int rightEdge) {
    const QRect place = caption->geometry();
    const int room = rightEdge - place.x();
    const int wanted = std::min(caption->sizeHint().width(), room);
    if (wanted > place.width()) {
        caption->setGeometry(place.x(), place.y(), wanted, place.height());
    }
}
