#pragma once
// The captions of check boxes and option buttons sit in fixed boxes made for
// "MS Sans Serif" at 8 points. Where that face is missing the fallback is
// often wider and would cut a caption off mid-letter ("Ausblenden" reading
// "Ausblender"). A caption that does not fit is set condensed; one that still
// does not fit (a long supplier name) is elided with "…" and shows its full
// text as tool tip.

#include <QString>

class QAbstractButton;

// `caption` is the plain text; a "&" in it is shown, not taken as a mnemonic.
void FitCaption(QAbstractButton* button, const QString& caption);
