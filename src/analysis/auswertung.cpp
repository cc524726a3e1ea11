#include "analysis/auswertung.h"

#include "documents/dokument.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cstdint>

namespace {

// Number order without the document: digits by value, letters by length and then alphabet
// ("z" before "aa"), "?" and the rest after them.
std::pair<int64_t, QString> Ordnungsschluessel(const QString& nummer) {
    bool zahl = false;
    const int64_t wert = nummer.toLongLong(&zahl);
    if (zahl) return {wert, {}};
    return {(int64_t{1} << 40) + nummer.size(), nummer};
}

bool Besser(const KqaLaufKopf& a, const KqaLaufKopf& b) {
    if (a.leistung != b.leistung) return a.leistung > b.leistung;
    return a.dauerMs < b.dauerMs;
}

LaufWerte Werte(const KqaBestand& b, const KqaLaufKopf& k) {
    return {b.text(k.note), k.leistung, true};
}

} // namespace

Ampel AmpelFuer(double anteil) {
    if (anteil >= 0.8) return Ampel::Gruen;
    if (anteil >= 0.5) return Ampel::Gelb;
    return Ampel::Rot;
}

QString VerwechslungText(const PositionsZeile& p) {
    if (p.verwechslungen.empty()) return {};
    const Verwechslung& v = p.verwechslungen.front();
    return QStringLiteral("%1 (%2)").arg(v.text).arg(v.anzahl);
}

std::vector<std::size_t> GewaehlteLaeufe(const KqaBestand& bestand, AuswertungsUmfang umfang) {
    std::vector<std::size_t> auswahl;
    std::vector<bool> gesehen(bestand.textAnzahl(), false);
    const auto& laeufe = bestand.laeufe();
    for (std::size_t i = 0; i < laeufe.size(); ++i) {
        if (umfang == AuswertungsUmfang::AlleLaeufe) {
            auswahl.push_back(i);
            continue;
        }
        // Lines are appended as runs end, so the first whole run in the file is the pupil's first.
        const auto schueler = static_cast<std::size_t>(laeufe[i].schueler);
        if (!laeufe[i].ganz || gesehen[schueler]) continue;
        gesehen[schueler] = true;
        auswahl.push_back(i);
    }
    return auswahl;
}

namespace {

// One position while the runs are counted.
struct Platz {
    PositionsZeile zeile;
    std::vector<int32_t> schueler;    // pupils who answered on it, once per run
    QHash<int32_t, int> falscheTexte; // text -> how often dropped on it wrongly
    QHash<int32_t, int> richtigeTexte;
    std::size_t letzterLauf = SIZE_MAX; // the run that answered on it last
};

struct Zaehler {
    static constexpr int32_t Nah = 4096; // targets below this (every document's) are found by index
    std::vector<int32_t> platzNah = std::vector<int32_t>(Nah, -1);
    QHash<int32_t, std::size_t> platzFern; // any other target -> index into plaetze
    std::vector<Platz> plaetze;
    QHash<int32_t, QSet<int32_t>> verfehlt; // pupil -> positions missed at the first attempt

    Platz& platz(int32_t ziel) {
        const bool nah = ziel >= 0 && ziel < Nah;
        if (nah && platzNah[static_cast<std::size_t>(ziel)] >= 0)
            return plaetze[static_cast<std::size_t>(platzNah[static_cast<std::size_t>(ziel)])];
        if (!nah) {
            const auto it = platzFern.constFind(ziel);
            if (it != platzFern.cend()) return plaetze[it.value()];
            platzFern.insert(ziel, plaetze.size());
        } else {
            platzNah[static_cast<std::size_t>(ziel)] = static_cast<int32_t>(plaetze.size());
        }
        plaetze.emplace_back();
        plaetze.back().zeile.ziel = ziel;
        return plaetze.back();
    }
};

bool ZielImDokument(const Dokument* dok, int32_t ziel) {
    return dok && ziel >= 0 && ziel < static_cast<int32_t>(dok->Objekte.size());
}

// A run's first answer on a position decides "right at the first attempt"; each wrong one
// is a wrong attempt and a confusion.
void LaufZaehlen(const KqaBestand& b, std::size_t laufNr, const Dokument* dok, Zaehler& z) {
    const KqaLaufKopf& lauf = b.laeufe()[laufNr];
    for (std::size_t i = lauf.antwortAnfang; i < lauf.antwortEnde; ++i) {
        const KqaAntwortKurz& a = b.antworten()[i];
        Platz& p = z.platz(a.ziel);
        if (p.zeile.nummer.isEmpty()) p.zeile.nummer = b.text(a.nummer);
        if (p.letzterLauf != laufNr) {
            p.letzterLauf = laufNr;
            ++p.zeile.laeufe;
            p.schueler.push_back(lauf.schueler);
            if (a.richtig)
                ++p.zeile.ersterRichtig;
            else
                z.verfehlt[lauf.schueler].insert(a.ziel);
        }
        if (a.richtig) {
            // The right answer is the document's; only a position it lacks takes the runs' word.
            if (!ZielImDokument(dok, a.ziel)) ++p.richtigeTexte[a.text];
        } else {
            ++p.zeile.fehlversuche;
            ++p.falscheTexte[a.text];
        }
    }
}

std::vector<Verwechslung> Haeufigste(const KqaBestand& b, const QHash<int32_t, int>& texte) {
    std::vector<Verwechslung> v;
    for (auto it = texte.cbegin(); it != texte.cend(); ++it)
        v.push_back({b.text(it.key()), it.value()});
    std::sort(v.begin(), v.end(), [](const Verwechslung& x, const Verwechslung& y) {
        return x.anzahl != y.anzahl ? x.anzahl > y.anzahl : x.text < y.text;
    });
    return v;
}

std::vector<PositionsZeile> PositionenOrdnen(const KqaBestand& b, Zaehler& z, const Dokument* dok) {
    std::vector<PositionsZeile> zeilen;
    for (Platz& platz : z.plaetze) {
        PositionsZeile& p = platz.zeile;
        std::sort(platz.schueler.begin(), platz.schueler.end());
        p.teilnehmer = static_cast<int>(std::unique(platz.schueler.begin(), platz.schueler.end()) -
                                        platz.schueler.begin());
        p.verwechslungen = Haeufigste(b, platz.falscheTexte);
        if (ZielImDokument(dok, p.ziel)) {
            p.antwort = dok->Objekte[static_cast<std::size_t>(p.ziel)].OB_Cap;
        } else {
            const auto richtige = Haeufigste(b, platz.richtigeTexte);
            if (!richtige.empty()) p.antwort = richtige.front().text;
        }
        zeilen.push_back(std::move(p));
    }
    // The order is total: equal numbers fall back to the target.
    std::sort(zeilen.begin(), zeilen.end(), [dok](const PositionsZeile& x, const PositionsZeile& y) {
        if (ZielImDokument(dok, x.ziel) && ZielImDokument(dok, y.ziel)) {
            const int32_t nx = dok->Objekte[static_cast<std::size_t>(x.ziel)].Nummer;
            const int32_t ny = dok->Objekte[static_cast<std::size_t>(y.ziel)].Nummer;
            if (nx != ny) return nx < ny;
            return x.ziel < y.ziel;
        }
        const auto kx = Ordnungsschluessel(x.nummer);
        const auto ky = Ordnungsschluessel(y.nummer);
        return kx != ky ? kx < ky : x.ziel < y.ziel;
    });
    return zeilen;
}

std::vector<SchuelerZeile> SchuelerZaehlen(const KqaBestand& b, const Zaehler& z,
                                           const std::vector<PositionsZeile>& positionen) {
    std::vector<SchuelerZeile> zeilen;
    std::vector<const KqaLaufKopf*> beste;
    std::vector<int32_t> wer;                                  // row -> pupil
    std::vector<std::size_t> stelle(b.textAnzahl(), SIZE_MAX); // pupil -> row
    for (const KqaLaufKopf& lauf : b.laeufe()) {
        std::size_t& zeile = stelle[static_cast<std::size_t>(lauf.schueler)];
        if (zeile == SIZE_MAX) {
            zeile = zeilen.size();
            zeilen.push_back({b.text(lauf.schueler), 0, {}, {}, {}});
            beste.push_back(nullptr);
            wer.push_back(lauf.schueler);
        }
        SchuelerZeile& s = zeilen[zeile];
        ++s.laeufe;
        if (lauf.ganz && !s.ersterGanzer.vorhanden) s.ersterGanzer = Werte(b, lauf);
        const KqaLaufKopf*& best = beste[zeile];
        if (lauf.ganz && (!best || Besser(lauf, *best))) best = &lauf;
    }
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        SchuelerZeile& s = zeilen[i];
        if (beste[i]) s.bester = Werte(b, *beste[i]);
        const auto verfehlt = z.verfehlt.constFind(wer[i]);
        if (verfehlt == z.verfehlt.cend()) continue;
        for (const PositionsZeile& p : positionen)
            if (verfehlt->contains(p.ziel)) s.verfehlt.append(p.nummer);
    }
    // Name order as a German class list has it ("Özil" with the O, "Çelik" with the C), case
    // aside; each name gets its sort key once, not at every comparison.
    QCollator sortierung{QLocale(QLocale::German, QLocale::Germany)};
    sortierung.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QCollatorSortKey, std::size_t>> ordnung;
    ordnung.reserve(zeilen.size());
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        ordnung.emplace_back(sortierung.sortKey(zeilen[i].name), i);
    std::sort(ordnung.begin(), ordnung.end(), [&zeilen](const auto& x, const auto& y) {
        const int c = x.first.compare(y.first);
        return c != 0 ? c < 0 : zeilen[x.second].name < zeilen[y.second].name;
    });
    std::vector<SchuelerZeile> geordnet;
    geordnet.reserve(zeilen.size());
    for (const auto& [gefaltet, i] : ordnung)
        geordnet.push_back(std::move(zeilen[i]));
    return geordnet;
}

} // namespace

Auswertung Auswerten(const KqaBestand& bestand, AuswertungsUmfang umfang, const Dokument* dok) {
    Auswertung a;
    if (!bestand.laeufe().empty()) {
        const KqaLaufKopf& letzter = bestand.laeufe().back();
        a.titel = bestand.text(letzter.titel);
        a.datei = bestand.text(letzter.datei);
        a.hash = bestand.text(letzter.hash);
    }
    Zaehler z;
    const std::vector<std::size_t> auswahl = GewaehlteLaeufe(bestand, umfang);
    for (const std::size_t i : auswahl)
        LaufZaehlen(bestand, i, dok, z);
    a.ausgewerteteLaeufe = static_cast<int>(auswahl.size());
    a.positionen = PositionenOrdnen(bestand, z, dok);
    a.schueler = SchuelerZaehlen(bestand, z, a.positionen);
    return a;
}
