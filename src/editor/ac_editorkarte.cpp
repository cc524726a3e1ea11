#include "editor/ac_editorkarte.h"

#include "editor/objekte.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

TEditorKarte::TEditorKarte(EditorDokument& dok, Editoransicht& ansicht, QWidget* eltern)
    : QWidget(eltern), m_dok(dok), m_ansicht(ansicht) {
    setObjectName(QStringLiteral("EditorKarte"));
    setAccessibleName(QStringLiteral("Karte"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setMinimumSize(320, 240);
    connect(&m_ansicht, &Editoransicht::neuZeichnen, this, &TEditorKarte::neuZeichnen);
    connect(&m_dok, &EditorDokument::neuGeladen, this, [this] { setzeAuswahl(-1); });
    connect(&m_dok, &EditorDokument::geaendert, this, [this](int) {
        if (m_auswahl >= static_cast<int>(m_dok.dokument().Objekte.size())) setzeAuswahl(-1);
    });
}

void TEditorKarte::setzeAuswahl(int index) {
    if (index >= static_cast<int>(m_dok.dokument().Objekte.size())) index = -1;
    if (index == m_auswahl) return;
    m_auswahl = index;
    update();
    emit auswahlGeaendert(index);
}

void TEditorKarte::neuZeichnen(const QRect& bereich) {
    if (bereich.isEmpty())
        update();
    else
        update(bereich);
}

void TEditorKarte::paintEvent(QPaintEvent* ereignis) {
    ++m_malvorgaenge;
    QPainter maler(this);
    maler.setClipRegion(ereignis->region());
    maler.fillRect(rect(), palette().window());
    const QRect bereich = m_ansicht.sichtbarerBereich();
    maler.drawImage(bereich.topLeft(), m_ansicht.bild(), QRect(m_ansicht.bildUrsprung(), bereich.size()));
    // The map's edge, which a white picture or margin would not show; it can be dragged.
    maler.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    maler.drawRect(bereich.adjusted(0, 0, -1, -1));
    zeichneAuswahl(maler);
}

void TEditorKarte::zeichneAuswahl(QPainter& maler) const {
    if (m_rand >= 0) {
        const QRect b = m_ansicht.sichtbarerBereich();
        maler.setPen(QPen(QColor(0, 90, 200), 2, Qt::DashLine));
        if (m_rand % 2 == 0)
            maler.drawLine(m_randJetzt.x(), b.top(), m_randJetzt.x(), b.bottom());
        else
            maler.drawLine(b.left(), m_randJetzt.y(), b.right(), m_randJetzt.y());
    }
    if (m_auswahl < 0) return;
    const QRect kasten = m_ansicht.kastenRechteck(m_auswahl);
    const QPoint anker = m_ansicht.ankerPunkt(m_auswahl);
    const int typ = m_dok.dokument().Objekte[static_cast<size_t>(m_auswahl)].OB_Typ;
    maler.setRenderHint(QPainter::Antialiasing);
    if (m_ansicht.zieht() && (typ == ObArt::Beschriftung || typ == ObArt::FesterText)) {
        // While dragging only the object itself is redrawn; its leader line is shown here.
        maler.setPen(QPen(QColor(0, 90, 200), 1, Qt::DashLine));
        maler.drawLine(anker, kasten.center());
    }
    maler.setPen(QPen(QColor(0, 90, 200), 2, Qt::DashLine));
    maler.setBrush(Qt::NoBrush);
    if (!kasten.isEmpty()) maler.drawRect(kasten.adjusted(-2, -2, 2, 2));
    if (typ == ObArt::Beschriftung || typ == ObArt::FesterText) {
        maler.setPen(QPen(Qt::white, 1));
        maler.setBrush(QColor(0, 90, 200));
        maler.drawEllipse(anker, 5, 5);
    }
}

void TEditorKarte::resizeEvent(QResizeEvent* /*ereignis*/) {
    m_ansicht.setzeGroesse(size());
}

void TEditorKarte::mousePressEvent(QMouseEvent* ereignis) {
    setFocus();
    const QPoint p = ereignis->position().toPoint();
    if (ereignis->button() == Qt::RightButton) {
        m_rolltGerade = true;
        m_rollStart = p;
        return;
    }
    if (ereignis->button() != Qt::LeftButton || m_ansicht.quizansicht()) return;
    const int anker = m_ansicht.ankerAn(p);
    if (anker >= 0) {
        setzeAuswahl(anker);
        m_ansicht.ziehenBeginnen(anker, Editoransicht::Griff::Anker, p);
        return;
    }
    const int kasten = m_ansicht.kastenAn(p);
    if (kasten >= 0) {
        setzeAuswahl(kasten);
        const int typ = m_dok.dokument().Objekte[static_cast<size_t>(kasten)].OB_Typ;
        const bool mitAnker = typ == ObArt::Beschriftung || typ == ObArt::FesterText;
        m_ansicht.ziehenBeginnen(kasten, mitAnker ? Editoransicht::Griff::Kasten : Editoransicht::Griff::Ganz,
                                 p);
        return;
    }
    m_rand = randAn(p);
    if (m_rand >= 0) {
        m_randStart = m_randJetzt = p;
        return;
    }
    if (m_dok.dokument().Header.HD_DokTyp != Bildbeschriftung || !m_ansicht.aufKarte(p)) {
        setzeAuswahl(-1);
        return;
    }
    const ObjDataTyp neu = NeueBeschriftung(m_ansicht.anteil(p));
    const int index = static_cast<int>(m_dok.dokument().Objekte.size());
    m_dok.aendern(QStringLiteral("Beschriftung anlegen"),
                  [&neu](Dokumentstand& s) { s.Objekte.push_back(neu); });
    setzeAuswahl(index);
    emit beschriftungAngelegt(index);
}

void TEditorKarte::mouseMoveEvent(QMouseEvent* ereignis) {
    const QPoint p = ereignis->position().toPoint();
    if (m_rolltGerade) {
        m_ansicht.karte().AusschnittZiehen(m_rollStart, p);
        m_rollStart = p;
        update();
        return;
    }
    if (m_rand >= 0) {
        m_randJetzt = p;
        update();
        return;
    }
    m_ansicht.ziehenBewegen(p);
}

void TEditorKarte::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::RightButton) {
        m_rolltGerade = false;
        return;
    }
    if (m_rand >= 0) {
        randZiehenBeenden(ereignis->position().toPoint());
        return;
    }
    m_ansicht.ziehenBewegen(ereignis->position().toPoint());
    m_ansicht.ziehenBeenden();
    update();
}

int TEditorKarte::randAn(QPoint p) const {
    if (m_ansicht.karte().Zoomindex() != 0) return -1; // the edges are seen at 100 % only
    const QRect b = m_ansicht.sichtbarerBereich();
    if (!b.adjusted(-6, -6, 6, 6).contains(p)) return -1;
    const int abstaende[] = {std::abs(p.x() - b.left()), std::abs(p.y() - b.top()),
                             std::abs(p.x() - b.right()), std::abs(p.y() - b.bottom())};
    for (int seite = 0; seite < 4; ++seite)
        if (abstaende[seite] <= 5) return seite;
    return -1;
}

void TEditorKarte::randZiehenBeenden(QPoint p) {
    const int seite = m_rand;
    m_rand = -1;
    update();
    const QRect b = m_ansicht.sichtbarerBereich();
    const std::array<double, 4> alt = m_dok.dokument().Header.HD_RandErw;
    // Pixels of the view per base image width or height.
    const double bildBreite = b.width() / (alt[0] + 1 + alt[2]);
    const double bildHoehe = b.height() / (alt[1] + 1 + alt[3]);
    const QPoint d = p - m_randStart;
    const double nachAussen[] = {-d.x() / bildBreite, -d.y() / bildHoehe, d.x() / bildBreite,
                                 d.y() / bildHoehe};
    std::array<double, 4> neu = alt;
    // Whole percent, as the fields show them.
    neu[static_cast<size_t>(seite)] =
        std::clamp(std::round((alt[static_cast<size_t>(seite)] + nachAussen[seite]) * 100) / 100, 0.0, 3.0);
    if (neu == alt) return;
    m_dok.aendern(QStringLiteral("Rand"), [&neu](Dokumentstand& s) { RandAendern(s.Kopf, s.Objekte, neu); });
}

void TEditorKarte::wheelEvent(QWheelEvent* ereignis) {
    if (!(ereignis->modifiers() & Qt::ControlModifier)) {
        const double schritt = ereignis->angleDelta().y() > 0 ? -0.1 : 0.1;
        const AusschnittTyp a = m_ansicht.karte().Ausschnitt();
        m_ansicht.karte().AusschnittVerschieben(0, schritt * (a.unten - a.oben));
        update();
        return;
    }
    if (ereignis->angleDelta().y() > 0)
        m_ansicht.karte().ZoomRein();
    else
        m_ansicht.karte().ZoomRaus();
    m_ansicht.aufbauen();
}

void TEditorKarte::auswahlVerschieben(int dx, int dy, bool gross) {
    if (m_auswahl < 0) return;
    const QImage& bild = m_ansicht.bild();
    const double schritt = gross ? 10 : 1;
    const double fx = dx * schritt / std::max(1, bild.width());
    const double fy = dy * schritt / std::max(1, bild.height());
    const int index = m_auswahl;
    // Steps of one key held down merge into one undoable move.
    m_dok.aendern(
        QStringLiteral("Verschieben"),
        [index, fx, fy](Dokumentstand& s) {
            ObjektVerschieben(s.Objekte[static_cast<size_t>(index)], fx, fy);
        },
        index, 1);
}

void TEditorKarte::keyPressEvent(QKeyEvent* ereignis) {
    const bool gross = ereignis->modifiers() & Qt::ShiftModifier;
    switch (ereignis->key()) {
    case Qt::Key_Left:
        auswahlVerschieben(-1, 0, gross);
        break;
    case Qt::Key_Right:
        auswahlVerschieben(1, 0, gross);
        break;
    case Qt::Key_Up:
        auswahlVerschieben(0, -1, gross);
        break;
    case Qt::Key_Down:
        auswahlVerschieben(0, 1, gross);
        break;
    default:
        QWidget::keyPressEvent(ereignis);
        return;
    }
    ereignis->accept();
}
