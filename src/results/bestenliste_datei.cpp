#include "results/bestenliste_datei.h"

#include "platform/dateisperre.h"
#include "platform/uhr.h"

namespace {

bool Wiederholen(Warten& warten, const std::function<bool()>& versuch) {
    for (int i = 0; i < BestListVersuche; ++i) {
        if (versuch()) return true;
        if (i + 1 < BestListVersuche) warten.warten(BestListPauseMs);
    }
    return false;
}

} // namespace

int64_t BestListSchreiberSchicht::schreiben(GesperrteDatei& datei, const char* daten, int64_t laenge) {
    return m_schreiber ? m_schreiber(datei, daten, laenge) : AnhangSchicht::schreiben(datei, daten, laenge);
}

bool BestListAnhaengenVersuch(const QString& pfad, const BestListDataTyp& eintrag,
                              const BestListSchreiber& schreiber, QString& fehler, Dateigrund* grund) {
    BestListSchreiberSchicht schicht(schreiber);
    AnhangStand stand;
    const GeteiltErgebnis e =
        GeteiltAnhaengenVersuch(pfad, BestListKopf(), BestListEintragBytes(eintrag), stand, &schicht);
    if (e.ok) return true;
    fehler = e.fehler;
    if (grund) *grund = e.grund;
    return false;
}

bool BestListLesenVersuch(const QString& pfad, std::vector<BestListDataTyp>& liste, QString& fehler,
                          int64_t* beschaedigtAb) {
    liste.clear();
    GesperrteDatei datei;
    const int64_t groesse =
        datei.oeffnen(pfad, GesperrteDatei::Zugriff::LesenOhneSchreiber) ? datei.groesse() : -1;
    if (groesse < 0) {
        fehler = datei.fehler();
        return false;
    }
    // The file is read in pieces as the entries need them, never whole.
    int64_t pos = 0;
    const BestListQuelle quelle = [&](char* ziel, int64_t n) {
        const int64_t k = datei.lesenAb(pos, ziel, n);
        pos += k;
        return k;
    };
    bool lesefehler = false;
    const BestListLeseFehler f = BestListAusQuelle(quelle, groesse, liste, beschaedigtAb, &lesefehler);
    datei.schliessen();
    if (lesefehler) {
        fehler = datei.fehler().isEmpty() ? QStringLiteral("Lesefehler") : datei.fehler();
        liste.clear();
        return false;
    }
    switch (f) {
    case BestListLeseFehler::Keiner:
        return true;
    case BestListLeseFehler::FalscheKennung:
        fehler = QStringLiteral("Die Datei ist keine Bestenliste.");
        break;
    case BestListLeseFehler::KopfBeschaedigt:
        fehler = QStringLiteral("Die Schlüsselliste der Bestenliste ist beschädigt.");
        break;
    }
    liste.clear();
    return false;
}

bool BestListAnhaengen(const QString& pfad, const BestListDataTyp& eintrag, Warten& warten, QString& fehler,
                       AnhangSchicht* schicht, Dateigrund* grund) {
    const GeteiltErgebnis e =
        GeteiltAnhaengen(pfad, BestListKopf(), BestListEintragBytes(eintrag), warten, schicht);
    if (e.ok) return true;
    fehler = e.fehler.isEmpty() ? QStringLiteral("Schreibfehler") : e.fehler;
    if (grund) *grund = e.grund;
    return false;
}

bool BestListLesen(const QString& pfad, std::vector<BestListDataTyp>& liste, Warten& warten, QString& fehler,
                   int64_t* beschaedigtAb) {
    return Wiederholen(warten, [&] { return BestListLesenVersuch(pfad, liste, fehler, beschaedigtAb); });
}

QString BestListSchadenText(const QString& pfad, int64_t beschaedigtAb) {
    return QStringLiteral("Die Bestenliste \"%1\" ist ab Eintrag %2 beschädigt; angezeigt werden die "
                          "Einträge davor.")
        .arg(pfad)
        .arg(beschaedigtAb);
}
