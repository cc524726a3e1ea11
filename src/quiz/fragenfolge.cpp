#include "quiz/fragenfolge.h"

#include "data/av_data.h"

#include <QCollator>

bool IstQuizelement(const Dokument& dok, int index) {
    if (index < 0 || index >= static_cast<int>(dok.Objekte.size())) return false;
    const int32_t art = dok.Objekte[index].OB_Typ;
    switch (dok.Header.HD_DokTyp) {
    case Bildbeschriftung:
    case Lueckentext:
        return art == ObArt::Beschriftung || art == ObArt::Luecke;
    case Einzelfragen:
        return art == ObArt::Antwort;
    default:
        return false;
    }
}

void Mischen(std::vector<int32_t>& werte, Zufall& zufall) {
    const auto n = static_cast<uint32_t>(werte.size());
    for (uint32_t i = 0; i < n; ++i)
        std::swap(werte[i], werte[zufall.Random(n)]);
}

namespace {

void TexteOrdnen(const Dokument& dok, std::vector<int32_t>& texte, int32_t zuordnungstexte, Zufall& zufall) {
    if (zuordnungstexte != 0 && dok.Header.HD_DokTyp != Einzelfragen) {
        Mischen(texte, zufall);
        return;
    }
    QCollator sortierung;
    sortierung.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QString> schluessel(dok.Objekte.size());
    for (int32_t t : texte)
        schluessel[t] = TextNormalisieren(dok.Objekte[t].OB_Cap).toCaseFolded();
    AuswahlSortierenWerte(
        texte, [&](int32_t a, int32_t b) { return sortierung.compare(schluessel[a], schluessel[b]) < 0; });
}

void ZieleOrdnen(const Dokument& dok, std::vector<int32_t>& ziele, int32_t zuordnungsziele, Zufall& zufall) {
    if (zuordnungsziele != 0) {
        Mischen(ziele, zufall);
        return;
    }
    const auto& o = dok.Objekte;
    if (dok.Header.HD_GeordnetArt != 0) {
        QCollator sortierung;
        sortierung.setCaseSensitivity(Qt::CaseInsensitive);
        AuswahlSortierenWerte(ziele, [&](int32_t a, int32_t b) {
            return sortierung.compare(o[a].OB_Cap.toCaseFolded(), o[b].OB_Cap.toCaseFolded()) < 0;
        });
        return;
    }
    AuswahlSortierenWerte(ziele, [&](int32_t a, int32_t b) {
        if (o[a].OB_Ky != o[b].OB_Ky) return o[a].OB_Ky < o[b].OB_Ky;
        return o[a].OB_Kx < o[b].OB_Kx;
    });
}

} // namespace

FragenfolgeTyp FragenfolgeBauen(const Dokument& dok, int32_t zuordnungstexte, int32_t zuordnungsziele,
                                Zufall& zufall) {
    std::vector<int32_t> texte;
    for (int i = 0; i < static_cast<int>(dok.Objekte.size()); ++i)
        if (IstQuizelement(dok, i) && dok.Objekte[i].Zustand == ObZustand::Offen) texte.push_back(i);
    std::vector<int32_t> ziele = texte;
    TexteOrdnen(dok, texte, zuordnungstexte, zufall);
    ZieleOrdnen(dok, ziele, zuordnungsziele, zufall);
    FragenfolgeTyp folge(texte.size());
    for (size_t k = 0; k < folge.size(); ++k)
        folge[k] = {texte[k], ziele[k]};
    return folge;
}

std::vector<QPoint> ElementePlatzieren(QSize panel, int anzahl, bool gestapelt, int& antwortSpalteX) {
    std::vector<QPoint> plaetze(std::max(0, anzahl));
    int x = panel.width() - ElementGroesse.width();
    int y = panel.height() - ElementGroesse.height();
    const int y0 = y;
    int stapel = 0;
    for (int k = anzahl - 1; k >= 0; --k) {
        plaetze[k] = QPoint(x, y);
        if (!gestapelt) continue;
        y -= ElementGroesse.height() + 2;
        if (y < 35) {
            ++stapel;
            y = y0 - 7 * stapel;
            x -= 12;
        }
    }
    antwortSpalteX = x - 5;
    return plaetze;
}

void ElementeNeuLegen(QSize panel, std::vector<ElementPlatz>& elemente, bool gestapelt, bool mittig,
                      int& antwortSpalteX) {
    antwortSpalteX = panel.width() - 155;
    if (!gestapelt) return;
    int x = 0;
    int y = 0;
    int ersteY = 0;
    int w = 0;
    int h = 0;
    int stapel = 0;
    bool erstes = true;
    for (int k = static_cast<int>(elemente.size()) - 1; k >= 0; --k) {
        ElementPlatz& e = elemente[k];
        if (!e.sichtbar) continue;
        if (erstes) {
            w = e.rechteck.width();
            h = e.rechteck.height();
            x = panel.width() - w;
            y = mittig ? (panel.height() - h) / 2 : panel.height() - h;
            ersteY = y;
            erstes = false;
        }
        e.rechteck.moveTo(x, y);
        y -= h + 2;
        if (y < 35) {
            ++stapel;
            y = ersteY - 7 * stapel;
            x -= 12;
        }
    }
    if (!erstes) antwortSpalteX = x - 5;
}
