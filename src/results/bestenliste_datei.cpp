#include "results/bestenliste_datei.h"

#include "platform/dateisperre.h"
#include "platform/uhr.h"

#include <QFile>
#include <QFileInfo>

namespace {

int64_t SystemSchreiber(GesperrteDatei& datei, const char* daten, int64_t laenge) {
    return datei.anhaengen(daten, laenge);
}

bool Wiederholen(Warten& warten, const std::function<bool()>& versuch) {
    for (int i = 0; i < BestListVersuche; ++i) {
        if (versuch()) return true;
        if (i + 1 < BestListVersuche) warten.warten(BestListPauseMs);
    }
    return false;
}

} // namespace

bool BestListAnhaengenVersuch(const QString& pfad, const BestListDataTyp& eintrag,
                              const BestListSchreiber& schreiber, QString& fehler, Dateigrund* grund) {
    GesperrteDatei datei;
    const auto scheitern = [&] {
        fehler = datei.fehler().isEmpty() ? QStringLiteral("Schreibfehler") : datei.fehler();
        if (grund) *grund = datei.grund();
        return false;
    };
    if (!datei.oeffnen(pfad, GesperrteDatei::Zugriff::Exklusiv)) return scheitern();
    const int64_t vorher = datei.groesse();
    if (vorher < 0) return scheitern();
    QByteArray bytes = vorher == 0 ? BestListKopf() : QByteArray();
    bytes += BestListEintragBytes(eintrag);
    const int64_t geschrieben =
        (schreiber ? schreiber : SystemSchreiber)(datei, bytes.constData(), bytes.size());
    if (geschrieben != bytes.size()) {
        scheitern();
        datei.kuerzen(vorher);
        // A file that this failed append created would stay behind empty, and an
        // empty file is no best list: remove it, unless someone wrote to it meanwhile.
        if (datei.erstellt()) {
            datei.schliessen();
            if (QFileInfo(pfad).size() == 0) QFile::remove(pfad);
        }
        return false;
    }
    if (!datei.schliessen()) return scheitern();
    return true;
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
                       const BestListSchreiber& schreiber, Dateigrund* grund) {
    return Wiederholen(warten,
                       [&] { return BestListAnhaengenVersuch(pfad, eintrag, schreiber, fehler, grund); });
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
