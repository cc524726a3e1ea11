#include "mapview/ac_kartenbild.h"

#include "data/av_data.h"
#include "mapview/kartenzugang.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

// MoveAnker: a red frame 2 pixels wide, transparent inside and for the pointer.
class TMarkenRahmen final : public QWidget {
public:
    explicit TMarkenRahmen(QWidget* eltern) : QWidget(eltern) {
        setObjectName(QStringLiteral("MoveAnker"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        maler.setPen(Qt::NoPen);
        maler.setBrush(QColor(255, 0, 0));
        const QRect r = rect();
        const QRegion rahmen = QRegion(r).subtracted(QRegion(r.adjusted(2, 2, -2, -2)));
        for (const QRect& teil : rahmen)
            maler.drawRect(teil);
    }
};

} // namespace

QWidget* MarkenRahmenErzeugen(QWidget* eltern) {
    return new TMarkenRahmen(eltern);
}

TKartenBild::TKartenBild(Karte& karte, Zufall& zufall, QWidget* eltern)
    : QWidget(eltern), m_karte(karte), m_zufall(zufall) {
    setObjectName(QStringLiteral("LernKartPicImg"));
    setAccessibleName(QStringLiteral("Karte"));
    // The window handles the zoom and scroll keys; the map never takes the focus.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_moveAnker = new TMarkenRahmen(this);
    KarteVerbinden(true);
}

void TKartenBild::KarteVerbinden(bool an) {
    for (QMetaObject::Connection& v : m_verbindungen)
        disconnect(v);
    if (!an) return;
    m_verbindungen = {
        connect(&m_karte, &Karte::neuZeichnenNoetig, this,
                [this] {
                    update();
                    ZugangErneuern(this);
                }),
        connect(&m_karte, &Karte::bereichNeuZeichnenNoetig, this,
                [this](const QRect& bereich) { update(bereich); }),
        connect(&m_karte, &Karte::markeGeaendert, this, &TKartenBild::MarkeSetzen),
    };
}

void TKartenBild::Aufbauen() {
    m_karte.SetzeSteuerelementgroesse(size());
    m_karte.AnsichtAufbauen();
}

void TKartenBild::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    // The map is composed again by the window's layout code; the geometry must be right first.
    m_karte.SetzeSteuerelementgroesse(size());
}

void TKartenBild::paintEvent(QPaintEvent* ereignis) {
    ++m_malvorgaenge;
    m_letzterMalbereich = ereignis->region();
    QPainter maler(this);
    // Only pixel copies: the white surround, then the view image 1:1 at its centred place.
    const QImage& bild = m_karte.Ansichtsbild();
    const QRect bildRechteck(m_karte.Ansichtsversatz(), bild.size());
    for (const QRect& teil : ereignis->region()) {
        const QRect innen = teil.intersected(bildRechteck);
        for (const QRect& rand : QRegion(teil).subtracted(QRegion(innen)))
            maler.fillRect(rand, Qt::white);
        if (!innen.isEmpty())
            maler.drawImage(innen.topLeft(), bild, innen.translated(-bildRechteck.topLeft()));
    }
}

void TKartenBild::mousePressEvent(QMouseEvent* ereignis) {
    const QPoint punkt = ereignis->position().toPoint();
    if (m_karte.Ansichtsmodus() != Karte::Lernansicht) return;
    if (ereignis->button() == Qt::RightButton) {
        m_karte.ZiehenBeginnen();
        update();
        m_zieht = true;
        m_ziehUrsprung = punkt;
        setCursor(m_ziehCursor);
        return;
    }
    if (ereignis->button() != Qt::LeftButton && ereignis->button() != Qt::MiddleButton) return;
    const KlickErgebnis ergebnis = m_karte.Klick(punkt, m_zufall);
    if (ergebnis.art != KlickErgebnis::Art::Nichts && BeiKlick) BeiKlick(ergebnis);
}

void TKartenBild::mouseMoveEvent(QMouseEvent* ereignis) {
    ZeigerBewegt(ereignis->buttons(), ereignis->position().toPoint());
}

void TKartenBild::mouseReleaseEvent(QMouseEvent* ereignis) {
    ZeigerBewegt(ereignis->buttons(), ereignis->position().toPoint());
}

void TKartenBild::ZeigerBewegt(Qt::MouseButtons knoepfe, QPoint punkt) {
    const bool lernansicht = m_karte.Ansichtsmodus() == Karte::Lernansicht;
    if (lernansicht && m_zieht && knoepfe.testFlag(Qt::RightButton)) {
        m_karte.AusschnittZiehen(m_ziehUrsprung, punkt);
        m_ziehUrsprung = punkt;
        setCursor(m_ziehCursor);
        return;
    }
    m_zieht = false;
    if (lernansicht && m_karte.ObjektAnPunkt(punkt) >= 0)
        setCursor(Qt::PointingHandCursor);
    else
        setCursor(Qt::ArrowCursor);
}

void TKartenBild::MarkeSetzen(const QRect& rechteck, bool sichtbar) {
    m_moveAnker->setGeometry(rechteck);
    m_moveAnker->setVisible(sichtbar);
    if (sichtbar) m_moveAnker->raise();
}

std::vector<ZugangsEintrag> TKartenBild::ZugangsEintraege() const {
    std::vector<ZugangsEintrag> liste;
    if (Dok == nullptr || m_karte.Ansichtsmodus() != Karte::Lernansicht) return liste;
    for (const KartenEintrag& e : LernObjekte(*Dok, m_karte))
        liste.push_back({e.name, e.rechteck, QAccessible::Link, true});
    return liste;
}

// The press action clicks the object as the left button would.
void TKartenBild::ZugangsDruecken(int index) {
    if (Dok == nullptr || m_karte.Ansichtsmodus() != Karte::Lernansicht) return;
    const std::vector<KartenEintrag> objekte = LernObjekte(*Dok, m_karte);
    if (index < 0 || index >= static_cast<int>(objekte.size())) return;
    const KlickErgebnis ergebnis =
        m_karte.Klick(objekte[static_cast<size_t>(index)].rechteck.center(), m_zufall);
    if (ergebnis.art != KlickErgebnis::Art::Nichts && BeiKlick) BeiKlick(ergebnis);
}
