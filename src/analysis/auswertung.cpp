#include "analysis/auswertung.h"

#include "documents/dokument.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>

namespace {

QString Schuelername(const QString& name) {
    const QString n = name.trimmed();
    return n.isEmpty() ? QStringLiteral("(kein Name)") : n;
}

// Number order without the document: digits by value, letters by length and then alphabet
// ("z" before "aa"), "?" and the rest after them.
std::pair<int64_t, QString> Ordnungsschluessel(const QString& nummer) {
    bool zahl = false;
    const int64_t wert = nummer.toLongLong(&zahl);
    if (zahl) return {wert, {}};
    return {(int64_t{1} << 40) + nummer.size(), nummer};
}

// What one run says about one position.
struct LaufAmZiel {
    bool ersterRichtig = false;
    int falsch = 0;
};

// Per run: the positions it touched in the order of their first answer.
std::map<int32_t, LaufAmZiel> ZieleDesLaufs(const KqaBestand& b, const KqaLaufKopf& lauf,
                                            QHash<int32_t, QHash<int32_t, int>>* falscheTexte) {
    std::map<int32_t, LaufAmZiel> ziele;
    for (std::size_t i = lauf.antwortAnfang; i < lauf.antwortEnde; ++i) {
        const KqaAntwortKurz& a = b.antworten()[i];
        const auto [it, neu] = ziele.try_emplace(a.ziel);
        if (neu) it->second.ersterRichtig = a.richtig;
        if (!a.richtig) {
            ++it->second.falsch;
            if (falscheTexte) ++(*falscheTexte)[a.ziel][a.text];
        }
    }
    return ziele;
}

bool Besser(const KqaLaufKopf& a, const KqaLaufKopf& b) {
    if (a.leistung != b.leistung) return a.leistung > b.leistung;
    return a.dauerMs < b.dauerMs;
}

LaufWerte Werte(const KqaLaufKopf& k) {
    return {k.note, k.leistung, true};
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
    QSet<QString> gesehen;
    const auto& laeufe = bestand.laeufe();
    for (std::size_t i = 0; i < laeufe.size(); ++i) {
        if (umfang == AuswertungsUmfang::AlleLaeufe) {
            auswahl.push_back(i);
            continue;
        }
        // Lines are appended as runs end, so the first whole run in the file is the pupil's first.
        if (!laeufe[i].ganz) continue;
        const QString name = Schuelername(laeufe[i].teilnehmer);
        if (gesehen.contains(name)) continue;
        gesehen.insert(name);
        auswahl.push_back(i);
    }
    return auswahl;
}

namespace {

struct Zaehler {
    std::map<int32_t, PositionsZeile> positionen;
    QHash<int32_t, QSet<QString>> schuelerAmZiel;
    QHash<int32_t, QHash<int32_t, int>> falscheTexte;
    QHash<int32_t, QHash<int32_t, int>> richtigeTexte;
    QHash<QString, QSet<int32_t>> verfehlt;
};

void LaufZaehlen(const KqaBestand& b, const KqaLaufKopf& lauf, Zaehler& z) {
    const QString name = Schuelername(lauf.teilnehmer);
    for (const auto& [ziel, werte] : ZieleDesLaufs(b, lauf, &z.falscheTexte)) {
        PositionsZeile& p = z.positionen[ziel];
        p.ziel = ziel;
        ++p.laeufe;
        p.fehlversuche += werte.falsch;
        if (werte.ersterRichtig)
            ++p.ersterRichtig;
        else
            z.verfehlt[name].insert(ziel);
        z.schuelerAmZiel[ziel].insert(name);
    }
    for (std::size_t i = lauf.antwortAnfang; i < lauf.antwortEnde; ++i) {
        const KqaAntwortKurz& a = b.antworten()[i];
        if (a.richtig) ++z.richtigeTexte[a.ziel][a.text];
        if (z.positionen[a.ziel].nummer.isEmpty()) z.positionen[a.ziel].nummer = b.text(a.nummer);
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

bool ZielImDokument(const Dokument* dok, int32_t ziel) {
    return dok && ziel >= 0 && ziel < static_cast<int32_t>(dok->Objekte.size());
}

std::vector<PositionsZeile> PositionenOrdnen(const KqaBestand& b, Zaehler& z, const Dokument* dok) {
    std::vector<PositionsZeile> zeilen;
    for (auto& [ziel, p] : z.positionen) {
        p.teilnehmer = static_cast<int>(z.schuelerAmZiel.value(ziel).size());
        p.verwechslungen = Haeufigste(b, z.falscheTexte.value(ziel));
        if (ZielImDokument(dok, ziel)) {
            p.antwort = dok->Objekte[static_cast<std::size_t>(ziel)].OB_Cap;
        } else {
            const auto richtige = Haeufigste(b, z.richtigeTexte.value(ziel));
            if (!richtige.empty()) p.antwort = richtige.front().text;
        }
        zeilen.push_back(std::move(p));
    }
    std::stable_sort(zeilen.begin(), zeilen.end(), [dok](const PositionsZeile& x, const PositionsZeile& y) {
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
    std::map<QString, SchuelerZeile> schueler;
    std::map<QString, const KqaLaufKopf*> beste;
    for (const KqaLaufKopf& lauf : b.laeufe()) {
        const QString name = Schuelername(lauf.teilnehmer);
        SchuelerZeile& s = schueler[name];
        s.name = name;
        ++s.laeufe;
        if (lauf.ganz && !s.ersterGanzer.vorhanden) s.ersterGanzer = Werte(lauf);
        const KqaLaufKopf*& best = beste[name];
        if (lauf.ganz && (!best || Besser(lauf, *best))) best = &lauf;
    }
    std::vector<SchuelerZeile> zeilen;
    for (auto& [name, s] : schueler) {
        if (const KqaLaufKopf* best = beste[name]) s.bester = Werte(*best);
        const QSet<int32_t> verfehlt = z.verfehlt.value(name);
        for (const PositionsZeile& p : positionen)
            if (verfehlt.contains(p.ziel)) s.verfehlt.append(p.nummer);
        zeilen.push_back(std::move(s));
    }
    std::sort(zeilen.begin(), zeilen.end(), [](const SchuelerZeile& x, const SchuelerZeile& y) {
        const int c = x.name.compare(y.name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : x.name < y.name;
    });
    return zeilen;
}

} // namespace

Auswertung Auswerten(const KqaBestand& bestand, AuswertungsUmfang umfang, const Dokument* dok) {
    Auswertung a;
    if (!bestand.laeufe().empty()) {
        const KqaLaufKopf& letzter = bestand.laeufe().back();
        a.titel = letzter.titel;
        a.datei = letzter.datei;
        a.hash = letzter.hash;
    }
    Zaehler z;
    const std::vector<std::size_t> auswahl = GewaehlteLaeufe(bestand, umfang);
    for (const std::size_t i : auswahl)
        LaufZaehlen(bestand, bestand.laeufe()[i], z);
    a.ausgewerteteLaeufe = static_cast<int>(auswahl.size());
    a.positionen = PositionenOrdnen(bestand, z, dok);
    a.schueler = SchuelerZaehlen(bestand, z, a.positionen);
    return a;
}
