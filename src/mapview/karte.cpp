#include "mapview/karte.h"

#include "mapview/kartenfarben.h"
#include "mapview/kartenhilfen.h"
#include "mapview/markup.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The largest size of the image's aspect that fits into the box.
QSize Einpassen(QSize box, QSize bild) {
    const int wc = std::max(1, box.width());
    const int hc = std::max(1, box.height());
    const double bw = std::max(1, bild.width());
    const double bh = std::max(1, bild.height());
    if (bh / hc > bw / wc) return {RundeGerade(hc * bw / bh), hc};
    return {wc, RundeGerade(wc * bh / bw)};
}

} // namespace

Karte::Karte(Dokument& dok) : m_dok(dok) {}

void Karte::SetzeEinzelposition(bool aktiv, int zielObjekt) {
    m_einzelposition = aktiv;
    m_einzelpositionZiel = zielObjekt;
}

void Karte::SetzeEbeneSichtbar(int ebene, bool sichtbar) {
    if (ebene >= 0 && ebene < static_cast<int>(m_ebeneSichtbar.size())) m_ebeneSichtbar[ebene] = sichtbar;
}

bool Karte::EbeneSichtbar(int ebene) const {
    if (ebene < 0 || ebene >= static_cast<int>(m_ebeneSichtbar.size())) return true;
    return m_ebeneSichtbar[ebene];
}

const QImage& Karte::ErweitertesBasisbild() {
    const QImage& basis = m_dok.Basisbild;
    const auto& rand = m_dok.Header.HD_RandErw;
    if (!m_erweitert.isNull() && m_erweitertSchluessel == basis.cacheKey() && m_erweitertRand == rand)
        return m_erweitert;
    m_erweitertSchluessel = basis.cacheKey();
    m_erweitertRand = rand;
    // Margins come from the file: negative, non-finite or absurd values would ask for
    // an image that cannot exist, so they are held to 0 .. 10 image sizes.
    std::array<double, 4> r{};
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = std::isfinite(rand[i]) ? std::clamp(rand[i], 0.0, 10.0) : 0.0;
    const int bw = std::max(1, basis.width());
    const int bh = std::max(1, basis.height());
    const QSize groesse(std::max(1, RundeGerade((r[0] + 1 + r[2]) * bw)),
                        std::max(1, RundeGerade((r[1] + 1 + r[3]) * bh)));
    m_erweitert = NeuesBild(groesse);
    if (m_erweitert.isNull())
        m_erweitert = NeuesBild(QSize(1, 1)); // out of memory: a blank map rather than none
    else if (!basis.isNull()) {
        QPainter maler(&m_erweitert);
        maler.drawImage(QPoint(RundeGerade(bw * r[0]), RundeGerade(bh * r[1])), basis);
    }
    return m_erweitert;
}

void Karte::AnsichtAufbauen() {
    emit vorAufbau();
    HintergrundAufbauen();
    ZeichneAlleObjekte(true, false, false);
    m_beschriftungsbild = m_kartenbild;
    AusschnittZeigen();
}

void Karte::HintergrundAufbauen() {
    const QImage& erweitert = ErweitertesBasisbild();
    const QSize steuer(std::max(1, m_steuerelement.width()), std::max(1, m_steuerelement.height()));
    const QSize eingepasst = Einpassen(steuer, erweitert.size());
    const double zoom = Zoomfaktor();
    const QSize gezoomt(std::max(1, RundeGerade(eingepasst.width() * zoom)),
                        std::max(1, RundeGerade(eingepasst.height() * zoom)));
    const QSize ansicht(std::min(gezoomt.width(), steuer.width()),
                        std::min(gezoomt.height(), steuer.height()));
    const double rw = std::min(1.0, double(ansicht.width()) / gezoomt.width());
    const double rh = std::min(1.0, double(ansicht.height()) / gezoomt.height());
    m_seitenverhaeltnis = double(ansicht.width()) / ansicht.height();

    // The window keeps its centre and stays inside the map.
    const double mx = (m_ausschnitt.links + m_ausschnitt.rechts) / 2;
    const double my = (m_ausschnitt.oben + m_ausschnitt.unten) / 2;
    m_ausschnitt.links = std::clamp(mx - rw / 2, 0.0, 1.0 - rw);
    m_ausschnitt.oben = std::clamp(my - rh / 2, 0.0, 1.0 - rh);
    m_ausschnitt.rechts = m_ausschnitt.links + rw;
    m_ausschnitt.unten = m_ausschnitt.oben + rh;

    m_ansichtsbild = NeuesBild(ansicht);
    m_massstab = ansicht.width() * zoom / 870.0;
    const QSize karte(RundeGerade(ansicht.width() * zoom), RundeGerade(ansicht.height() * zoom));
    const QSize kartengroesse = Einpassen(karte, erweitert.size());
    m_kartenbild = erweitert.scaled(kartengroesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    m_kartenbild.setDotsPerMeterX(erweitert.dotsPerMeterX());
    m_kartenbild.setDotsPerMeterY(erweitert.dotsPerMeterY());

    if (m_kartenbild.isNull()) m_kartenbild = NeuesBild(QSize(1, 1));
    LueckentextLegen();
    FragenVorbereiten();
    m_hintergrundbild = m_kartenbild;
}

// The cloze text goes into the map; its gaps move the cloze-gap objects into place.
void Karte::LueckentextLegen() {
    if (m_dok.Header.HD_lueckentext.isEmpty()) return;
    int cursor = 0;
    MarkupParameter p;
    p.rechterRand = m_kartenbild.width();
    p.textflaechenHoehe = m_kartenbild.height();
    p.pixelhoehe = std::max(1, RundeGerade(22 * m_massstab));
    p.startX = RundeGerade(m_kartenbild.width() * 0.035);
    p.modus = MarkupKarte;
    p.farbe = Kartenfarbe::Text;
    p.quizLaeuft = QuizLaeuft();
    p.objekte = &m_dok.Objekte;
    p.lueckenCursor = &cursor;
    QPainter maler(&m_kartenbild);
    maler.setRenderHint(QPainter::TextAntialiasing);
    int y = RundeGerade(m_kartenbild.height() * 0.01);
    for (const QString& absatz : MarkupAbsaetze(m_dok.Header.HD_lueckentext)) {
        p.startY = y;
        y = MarkupAbsatz(maler, absatz, p);
    }
}

void Karte::FragenVorbereiten() {
    if (!QuizLaeuft())
        for (ObjDataTyp& o : m_dok.Objekte)
            if (o.OB_Typ == ObArt::Antwort) o.Zustand = ObZustand::Verdeckt;
    const int anzahl = m_dok.Header.HD_AnzFrageNummern;
    if (m_dok.AktuelleFrage < 1 || m_dok.AktuelleFrage > anzahl) m_dok.AktuelleFrage = anzahl >= 1 ? 1 : -1;
}

void Karte::ZeichneAlleObjekte(bool mitLinie, bool inAnsicht, bool auffrischen) {
    for (int i = 0; i < static_cast<int>(m_dok.Objekte.size()); ++i)
        ZeichneObjekt(i, m_kartenbild, Bildschirm, mitLinie, inAnsicht, false);
    if (auffrischen) emit neuZeichnenNoetig();
}

void Karte::BeschriftungenErneuern() {
    m_kartenbild = m_hintergrundbild;
    ZeichneAlleObjekte(true, false, false);
    m_beschriftungsbild = m_kartenbild;
    AusschnittZeigen();
}
