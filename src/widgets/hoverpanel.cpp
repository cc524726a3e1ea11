#include "widgets/hoverpanel.h"

#include "widgets/hoverpanel_text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

THoverPanel::THoverPanel(QWidget* parent) : QWidget(parent) {
    m_normColor = palette().color(QPalette::Active, QPalette::Button);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover, false);
    FarbeAktualisieren();
}

void THoverPanel::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void THoverPanel::setNormColor(const QColor& c) {
    m_normColor = c;
    FarbeAktualisieren();
}

void THoverPanel::setHoverColor(const QColor& c) {
    m_hoverColor = c;
    FarbeAktualisieren();
}

void THoverPanel::setCheckColor(const QColor& c) {
    m_checkColor = c;
    FarbeAktualisieren();
}

void THoverPanel::setNormFontColor(const QColor& c) {
    m_normFontColor = c;
    update();
}

void THoverPanel::setCheckFontColor(const QColor& c) {
    m_checkFontColor = c;
    update();
}

void THoverPanel::setCheckFontBold(bool an) {
    m_checkFontBold = an;
    update();
}

void THoverPanel::setHoverActive(bool an) {
    m_hoverActive = an;
    FarbeAktualisieren();
}

void THoverPanel::setChecked(bool an) {
    if (an != m_checked) {
        m_checked = an;
        if (m_checkFontBold) {
            QFont f = font();
            f.setBold(an);
            setFont(f);
        }
    }
    FarbeAktualisieren();
}

void THoverPanel::setXPCheck(bool an) {
    m_xpCheck = an;
    update();
}

void THoverPanel::setBorderColor(const QColor& c) {
    m_borderColor = c;
    update();
}

void THoverPanel::setBorderWidth(int pixel) {
    m_borderWidth = std::max(0, pixel);
    update();
}

void THoverPanel::setBevelOuter(Bevel b) {
    m_bevelOuter = b;
    update();
}

void THoverPanel::setBevelWidth(int pixel) {
    m_bevelWidth = std::max(0, pixel);
    update();
}

void THoverPanel::setPadding(const QMargins& m) {
    m_padding = m;
    update();
}

void THoverPanel::setAlignment(Qt::Alignment a) {
    m_alignment = a & Qt::AlignHorizontal_Mask;
    update();
}

void THoverPanel::setLayout(Lage l) {
    m_layout = l;
    update();
}

void THoverPanel::setWordWrap(bool an) {
    m_wordWrap = an;
    update();
}

void THoverPanel::setFontAutoSize(bool an) {
    m_fontAutoSize = an;
    update();
}

void THoverPanel::setMinFontSize(int punkte) {
    m_minFontSize = punkte;
    update();
}

void THoverPanel::setBitmap(const QImage& bild) {
    m_bitmap = bild;
    update();
}

void THoverPanel::setTabStop(bool an) {
    m_tabStop = an;
    setFocusPolicy(an ? Qt::TabFocus : Qt::NoFocus);
}

void THoverPanel::FarbeAktualisieren() {
    if (m_hovered && m_hoverActive)
        m_farbe = m_hoverColor;
    else
        m_farbe = m_checked ? m_checkColor : m_normColor;
    update();
}

void THoverPanel::enterEvent(QEnterEvent* event) {
    // A disabled panel shows no hover, like a disabled button.
    if (m_hoverActive && isEnabled()) {
        m_hovered = true;
        FarbeAktualisieren();
    }
    QWidget::enterEvent(event);
    emit mouseEntered();
}

void THoverPanel::leaveEvent(QEvent* event) {
    m_hovered = false;
    m_gedrueckt = false;
    FarbeAktualisieren();
    QWidget::leaveEvent(event);
    emit mouseLeft();
}

void THoverPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_gedrueckt = true;
        if (m_tabStop) setFocus(Qt::MouseFocusReason);
    }
    QWidget::mousePressEvent(event);
}

void THoverPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool klick =
        event->button() == Qt::LeftButton && m_gedrueckt && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) m_gedrueckt = false;
    QWidget::mouseReleaseEvent(event);
    if (klick) emit clicked();
}

void THoverPanel::keyPressEvent(QKeyEvent* event) {
    const int taste = event->key();
    const bool ohneZusatz = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool klickTaste = taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Space;
    if (klickTaste && ohneZusatz && m_tabStop && hasFocus() && isEnabled()) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void THoverPanel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void THoverPanel::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void THoverPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_hovered = false;
        m_gedrueckt = false;
        FarbeAktualisieren();
    }
    QWidget::changeEvent(event);
}

QRect THoverPanel::RahmenZeichnen(QPainter& p, QRect bereich) const {
    for (int i = 0; i < m_borderWidth && bereich.width() > 0 && bereich.height() > 0; ++i) {
        p.setPen(m_borderColor);
        p.setBrush(Qt::NoBrush);
        p.drawRect(bereich.adjusted(0, 0, -1, -1));
        bereich.adjust(1, 1, -1, -1);
    }
    return bereich;
}

QRect THoverPanel::BevelZeichnen(QPainter& p, QRect bereich) const {
    if (m_bevelOuter == Bevel::Keine || m_bevelWidth <= 0) return bereich;
    const QColor hell = HellFarbe(m_farbe);
    const QColor dunkel = DunkelFarbe(m_farbe);
    const QColor oben = m_bevelOuter == Bevel::Erhaben ? hell : dunkel;
    const QColor unten = m_bevelOuter == Bevel::Erhaben ? dunkel : hell;
    for (int i = 0; i < m_bevelWidth && bereich.width() > 0 && bereich.height() > 0; ++i) {
        const int l = bereich.left(), t = bereich.top(), r = bereich.right(), b = bereich.bottom();
        // Top and left in the light colour; bottom and right, corners included, in the dark one.
        p.setPen(oben);
        p.drawLine(l, t, std::max(l, r - 1), t);
        p.drawLine(l, t, l, std::max(t, b - 1));
        p.setPen(unten);
        p.drawLine(r, t, r, b);
        p.drawLine(l, b, r, b);
        bereich.adjust(1, 1, -1, -1);
    }
    return bereich;
}

void THoverPanel::HintergrundZeichnen(QPainter& p, const QRect& bereich) const {
    const bool bildDeckt =
        !m_bitmap.isNull() && m_bitmap.width() >= bereich.width() && m_bitmap.height() >= bereich.height();
    if (!bildDeckt) p.fillRect(bereich, m_farbe);
    if (!m_bitmap.isNull())
        p.drawImage(bereich.topLeft(), m_bitmap,
                    QRect(QPoint(m_borderWidth, m_borderWidth), bereich.size()).intersected(m_bitmap.rect()));
}

struct THoverPanel::Passung {
    QString text;
    QFont schrift;
    QSize groesse;
    bool wortumbruch = false;
    bool autoGroesse = false;
    int minimum = 0;
    EingepassteBeschriftung ergebnis;
};

void THoverPanel::BeschriftungZeichnen(QPainter& p, const QRect& bereich) const {
    if (m_caption.isEmpty() || bereich.width() <= 0 || bereich.height() <= 0) return;
    const EinpassOptionen optionen{m_wordWrap, m_fontAutoSize, m_minFontSize};
    const Passung* alt = m_passung.get();
    if (alt == nullptr || alt->text != m_caption || alt->schrift != font() ||
        alt->groesse != bereich.size() || alt->wortumbruch != m_wordWrap ||
        alt->autoGroesse != m_fontAutoSize || alt->minimum != m_minFontSize)
        m_passung = std::make_shared<Passung>(
            Passung{m_caption, font(), bereich.size(), m_wordWrap, m_fontAutoSize, m_minFontSize,
                    BeschriftungEinpassen(m_caption, font(), bereich.size(), optionen)});
    const EingepassteBeschriftung& e = m_passung->ergebnis;
    int dy = 0;
    if (m_layout == Lage::Unten)
        dy = bereich.height() - e.Anordnung.Groesse.height();
    else if (m_layout == Lage::Mitte)
        dy = (bereich.height() - e.Anordnung.Groesse.height()) / 2;
    dy = std::max(dy, 0);
    p.save();
    p.setClipRect(bereich);
    p.setFont(e.Schrift);
    p.setPen(currentFontColor());
    const QFontMetrics fm(e.Schrift);
    const int tab = 8 * fm.averageCharWidth();
    int y = bereich.top() + dy;
    for (const QString& zeile : e.Anordnung.Zeilen) {
        const int breite = ZeilenBreite(zeile, e.Schrift);
        int x = bereich.left();
        if (m_alignment & Qt::AlignHCenter)
            x += (bereich.width() - breite) / 2;
        else if (m_alignment & Qt::AlignRight)
            x += bereich.width() - breite;
        // Tabs are expanded by hand so that drawing and measuring agree.
        const QStringList teile = zeile.split(u'\t');
        int dx = 0;
        for (qsizetype i = 0; i < teile.size(); ++i) {
            if (i > 0 && tab > 0) dx = (dx / tab + 1) * tab;
            p.drawText(x + dx, y + fm.ascent(), teile[i]);
            dx += fm.horizontalAdvance(teile[i]);
        }
        y += fm.height();
    }
    p.restore();
}

void THoverPanel::MarkerZeichnen(QPainter& p) const {
    const int l = m_borderWidth;
    const int r = width() - 1 - m_borderWidth;
    const int t = m_borderWidth;
    if (r < l) return;
    if (m_xpCheck) {
        const QColor farben[3] = {QColor(230, 139, 44), QColor(255, 199, 60), QColor(255, 199, 60)};
        for (int i = 0; i < 3; ++i) {
            p.setPen(farben[i]);
            p.drawLine(l, t + i, r, t + i);
        }
    } else {
        p.setPen(HalbWeiss(m_normColor));
        p.drawLine(l, t, r, t);
        p.drawLine(l, t + 1, r, t + 1);
    }
}

struct THoverPanel::Malbild {
    struct Stand {
        QString caption;
        QFont schrift;
        QSize groesse;
        qreal dpr = 1;
        QColor farbe, schriftfarbe, rahmenfarbe, checkfarbe;
        int rahmen = 0, bevel = 0, minimum = 0;
        Bevel bevelArt = Bevel::Keine;
        QMargins padding;
        Qt::Alignment ausrichtung;
        Lage lage = Lage::Mitte;
        bool umbruch = false, autoGroesse = false, checked = false, xp = false, fett = false;
        bool fokusRahmen = false;
        qint64 bitmap = 0;
        bool operator==(const Stand&) const = default;
    };
    Stand stand;
    QImage bild;
};

void THoverPanel::Malen(QPainter& p) const {
    QRect bereich = RahmenZeichnen(p, rect());
    bereich = BevelZeichnen(p, bereich);
    HintergrundZeichnen(p, bereich);
    BeschriftungZeichnen(p, bereich.marginsRemoved(m_padding));
    if (m_checked) MarkerZeichnen(p);
    if (hasFocus() && m_tabStop && isEnabled()) {
        QPen stift(currentFontColor(), 1, Qt::DotLine);
        p.setPen(stift);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void THoverPanel::paintEvent(QPaintEvent* ereignis) {
    const Malbild::Stand stand{m_caption,           font(),          size(),
                               devicePixelRatioF(), m_farbe,         currentFontColor(),
                               m_borderColor,       m_checkColor,    m_borderWidth,
                               m_bevelWidth,        m_minFontSize,   m_bevelOuter,
                               m_padding,           m_alignment,     m_layout,
                               m_wordWrap,          m_fontAutoSize,  m_checked,
                               m_xpCheck,           m_checkFontBold, hasFocus() && m_tabStop && isEnabled(),
                               m_bitmap.cacheKey()};
    if (!m_malbild || !(m_malbild->stand == stand)) {
        QImage bild((QSizeF(size()) * stand.dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
        bild.setDevicePixelRatio(stand.dpr);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        Malen(maler);
        maler.end();
        m_malbild = std::make_shared<Malbild>(Malbild{stand, std::move(bild)});
    }
    QPainter p(this);
    const QRect teil = ereignis->rect();
    p.drawImage(teil.topLeft(), m_malbild->bild,
                QRectF(QPointF(teil.topLeft()) * stand.dpr, QSizeF(teil.size()) * stand.dpr));
}
