#include "platform/geteilte_datei.h"

#include "platform/dateisperre.h"
#include "platform/uhr.h"

#include <QFileInfo>
#include <QSaveFile>

int64_t AnhangSchicht::schreiben(GesperrteDatei& datei, const char* daten, int64_t laenge) {
    return datei.anhaengen(daten, laenge);
}

bool AnhangSchicht::schliessen(GesperrteDatei& datei) {
    return datei.schliessen();
}

namespace {

GeteiltErgebnis Fehlschlag(const GesperrteDatei& datei, const QString& ersatz) {
    return {false, datei.fehler().isEmpty() ? ersatz : datei.fehler(), datei.grund()};
}

// A failed attempt's bytes that reached the file anyway. When nothing followed them they
// are cut off, so the next write enters the data once; when others appended after them,
// they stay and count as written. True when the data is in the file for good.
bool VorigenVersuchBereinigen(GesperrteDatei& datei, AnhangStand& stand, int64_t& groesse) {
    if (!stand.offen) return false;
    stand.offen = false;
    uint64_t geraet = 0, knoten = 0;
    const int64_t ende = stand.vorher + stand.bytes.size();
    if (!datei.kennung(geraet, knoten) || geraet != stand.geraet || knoten != stand.knoten || groesse < ende)
        return false;
    QByteArray dort(stand.bytes.size(), Qt::Uninitialized);
    if (datei.lesenAb(stand.vorher, dort.data(), dort.size()) != dort.size() || dort != stand.bytes)
        return false;
    if (groesse > ende) return true;
    if (!datei.kuerzen(stand.vorher)) return false;
    groesse = stand.vorher;
    return false;
}

bool ZeilenendeAmSchluss(GesperrteDatei& datei, int64_t groesse) {
    char letztes = '\n';
    return datei.lesenAb(groesse - 1, &letztes, 1) != 1 || letztes == '\n';
}

// A file that a failed append created stays empty: an empty file is no list, so it goes,
// unless someone wrote to it meanwhile.
void LeereNeueEntfernen(GesperrteDatei& datei, const QString& pfad) {
    if (!datei.erstellt()) return;
    datei.schliessen();
    if (GeteiltArtVon(pfad) == GeteiltArt::Datei && QFileInfo(pfad).size() == 0) GeteiltEntfernen(pfad);
}

} // namespace

GeteiltErgebnis GeteiltAnhaengenVersuch(const QString& pfad, const QByteArray& kopfWennLeer,
                                        const QByteArray& daten, AnhangStand& stand, AnhangSchicht* schicht,
                                        AnhangArt art) {
    AnhangSchicht system;
    AnhangSchicht& s = schicht != nullptr ? *schicht : system;
    GesperrteDatei datei;
    if (!datei.oeffnen(pfad, GesperrteDatei::Zugriff::Exklusiv)) return Fehlschlag(datei, {});
    int64_t groesse = datei.groesse();
    if (groesse < 0) return Fehlschlag(datei, QStringLiteral("Lesefehler"));
    if (VorigenVersuchBereinigen(datei, stand, groesse)) {
        if (!s.schliessen(datei)) return Fehlschlag(datei, QStringLiteral("Schreibfehler"));
        return {true, {}, Dateigrund::Unbekannt};
    }
    QByteArray bytes = groesse == 0 ? kopfWennLeer + daten : daten;
    if (art == AnhangArt::Zeilen && groesse > 0 && !ZeilenendeAmSchluss(datei, groesse)) bytes.prepend('\n');
    const int64_t geschrieben = s.schreiben(datei, bytes.constData(), bytes.size());
    if (geschrieben != bytes.size()) {
        const GeteiltErgebnis e = Fehlschlag(datei, QStringLiteral("Schreibfehler"));
        datei.kuerzen(groesse);
        LeereNeueEntfernen(datei, pfad);
        return e;
    }
    stand.offen = datei.kennung(stand.geraet, stand.knoten);
    stand.vorher = groesse;
    stand.bytes = bytes;
    if (!s.schliessen(datei)) return Fehlschlag(datei, QStringLiteral("Schreibfehler"));
    stand.offen = false;
    return {true, {}, Dateigrund::Unbekannt};
}

GeteiltErgebnis GeteiltAnhaengen(const QString& pfad, const QByteArray& kopfWennLeer, const QByteArray& daten,
                                 Warten& warten, AnhangSchicht* schicht, AnhangArt art) {
    AnhangStand stand;
    GeteiltErgebnis e;
    for (int i = 0; i < GeteiltVersuche; ++i) {
        e = GeteiltAnhaengenVersuch(pfad, kopfWennLeer, daten, stand, schicht, art);
        if (e.ok) break;
        if (i + 1 < GeteiltVersuche) warten.warten(GeteiltPauseMs);
    }
    return e;
}

GeteiltErgebnis GeteiltErsetzen(const QString& pfad, const QByteArray& inhalt) {
    GeteilterEntwurf entwurf(pfad);
    GeteiltErgebnis e = entwurf.schreiben(inhalt);
    return e.ok ? entwurf.einsetzen() : e;
}

GeteiltErgebnis GeteiltKopieren(const QString& quelle, const QString& ziel, int64_t hoechstens) {
    if (GeteiltArtVon(quelle) != GeteiltArt::Datei)
        return {false, QStringLiteral("Keine gewöhnliche Datei."), {}, true};
    GesperrteDatei datei;
    if (!datei.oeffnen(quelle, GesperrteDatei::Zugriff::LesenOhneSchreiber)) return Fehlschlag(datei, {});
    const int64_t groesse = datei.groesse();
    if (groesse < 0) return Fehlschlag(datei, QStringLiteral("Lesefehler"));
    if (groesse > hoechstens) {
        GeteiltErgebnis e{false, QStringLiteral("Die Datei ist zu groß."), Dateigrund::Unbekannt};
        e.zuGross = true;
        return e;
    }
    QSaveFile kopie(ziel);
    if (!kopie.open(QIODevice::WriteOnly)) return {false, kopie.errorString(), Dateigrund::Unbekannt};
    QByteArray stueck(1024 * 1024, Qt::Uninitialized);
    for (int64_t pos = 0; pos < groesse;) {
        const int64_t n = datei.lesenAb(pos, stueck.data(), std::min<int64_t>(stueck.size(), groesse - pos));
        if (n <= 0) return Fehlschlag(datei, QStringLiteral("Lesefehler"));
        if (kopie.write(stueck.constData(), n) != n)
            return {false, kopie.errorString(), Dateigrund::Unbekannt};
        pos += n;
    }
    if (!kopie.commit()) return {false, kopie.errorString(), Dateigrund::Unbekannt};
    return {true, {}, Dateigrund::Unbekannt};
}
