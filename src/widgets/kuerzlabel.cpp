#include "widgets/kuerzlabel.h"

#include <algorithm>

TKuerzLabel::TKuerzLabel(QWidget* eltern) : QLabel(eltern) {
    // The width comes from the place, never from the text.
    setSizePolicy(QSizePolicy::Ignored, sizePolicy().verticalPolicy());
    setMinimumWidth(1);
}

void TKuerzLabel::setzeVollText(const QString& text) {
    m_voll = text;
    setToolTip(text);
    Kuerzen();
}

void TKuerzLabel::resizeEvent(QResizeEvent* ereignis) {
    QLabel::resizeEvent(ereignis);
    Kuerzen();
}

void TKuerzLabel::Kuerzen() {
    // QLabel draws the indent and the margins inside the contents rectangle.
    const int einzug = std::max(indent(), 0);
    const int platz = std::max(0, contentsRect().width() - einzug - 2 * margin());
    const QString kurz = fontMetrics().elidedText(m_voll, Qt::ElideRight, platz);
    if (text() != kurz) setText(kurz);
}
