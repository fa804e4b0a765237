#include "FitCaption.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

QString Shown(QString caption) { return caption.replace("&", "&&"); }

// The width the style leaves for the caption beside the indicator.
int CaptionRoom(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(button)
                                            ? QStyle::SE_RadioButtonContents
                                            : QStyle::SE_CheckBoxContents;
    return button->style()->subElementRect(contents, &option, button).width();
}

bool Fits(const QAbstractButton* button, const QString& caption) {
    return QFontMetrics(button->font()).horizontalAdvance(caption) <= CaptionRoom(button);
}

}  // namespace

void FitCaption(QAbstractButton* button, const QString& caption) {
    button->setToolTip({});
    button->setFont(QFont());  // inherited from the dialog again
    button->setText(Shown(caption));
    if (Fits(button, caption)) {
        return;
    }
    QFont condensed = button->font();
    condensed.setStretch(QFont::SemiCondensed);
    button->setFont(condensed);
    if (Fits(button, caption)) {
        return;
    }
    const QFontMetrics metrics(condensed);
    button->setText(Shown(metrics.elidedText(caption, Qt::ElideRight, CaptionRoom(button))));
    button->setToolTip(caption);
}
