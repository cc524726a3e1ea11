// Clicks of the learning view on covers and question buttons.
#include "mapview/karte.h"

#include "data/av_data.h"

KlickErgebnis Karte::Klick(QPoint steuerpunkt, Zufall& zufall) {
    if (m_ansichtsmodus != Lernansicht) return {};
    const int index = ObjektAnPunkt(steuerpunkt);
    if (index < 0) return {};
    const int typ = m_dok.Objekte[index].OB_Typ;
    switch (typ) {
    case 0:
    case 3:
    case 10:
        AbdeckungUmschalten(index);
        return {KlickErgebnis::Art::Umgeschaltet, index};
    case 2:
        return {KlickErgebnis::Art::Info, index};
    case 4:
        return {KlickErgebnis::Art::Link, index};
    case 5:
        return {KlickErgebnis::Art::Dokument, index};
    default:
        break;
    }
    if (typ >= 12 && typ <= 16 && FrageSchalten(typ, zufall)) return {KlickErgebnis::Art::Frage, index};
    return {};
}

void Karte::AbdeckungUmschalten(int index) {
    if (index < 0 || index >= static_cast<int>(m_dok.Objekte.size())) return;
    ObjDataTyp& o = m_dok.Objekte[index];
    o.Zustand = o.Zustand == ObZustand::Verdeckt ? ObZustand::Gezeigt : ObZustand::Verdeckt;
    ObjektNeuZeichnen(index);
}

bool Karte::FrageSchalten(int art, Zufall& zufall) {
    const int anzahl = m_dok.Header.HD_AnzFrageNummern;
    if (anzahl < 1) return false;
    int& frage = m_dok.AktuelleFrage;
    switch (art) {
    case 12:
        frage = std::max(1, frage - 1);
        break;
    case 13:
        frage = std::min(anzahl, frage + 1);
        break;
    case 14:
        frage = 1;
        break;
    case 15:
        frage = anzahl;
        break;
    case 16:
        if (anzahl == 1) {
            frage = 1;
        } else {
            int neu = frage;
            while (neu == frage)
                neu = static_cast<int>(zufall.Random(static_cast<uint32_t>(anzahl))) + 1;
            frage = neu;
        }
        break;
    default:
        return false;
    }
    BeschriftungenErneuern();
    return true;
}
