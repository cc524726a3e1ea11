#include "results/bestenliste_datei.h"

#include "platform/dateisperre.h"
#include "platform/uhr.h"

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
                              const BestListSchreiber& schreiber, QString& fehler) {
    GesperrteDatei datei;
    if (!datei.oeffnen(pfad, GesperrteDatei::Zugriff::Exklusiv)) {
        fehler = datei.fehler();
        return false;
    }
    const int64_t vorher = datei.groesse();
    if (vorher < 0) {
        fehler = datei.fehler();
        return false;
    }
    QByteArray bytes = vorher == 0 ? BestListKopf() : QByteArray();
    bytes += BestListEintragBytes(eintrag);
    const int64_t geschrieben =
        (schreiber ? schreiber : SystemSchreiber)(datei, bytes.constData(), bytes.size());
    if (geschrieben != bytes.size()) {
        fehler = datei.fehler().isEmpty() ? QStringLiteral("Schreibfehler") : datei.fehler();
        datei.kuerzen(vorher);
        return false;
    }
    if (!datei.schliessen()) {
        fehler = datei.fehler();
        return false;
    }
    return true;
}

bool BestListLesenVersuch(const QString& pfad, std::vector<BestListDataTyp>& liste, QString& fehler) {
    liste.clear();
    GesperrteDatei datei;
    if (!datei.oeffnen(pfad, GesperrteDatei::Zugriff::LesenOhneSchreiber)) {
        fehler = datei.fehler();
        return false;
    }
    QByteArray daten;
    if (!datei.allesLesen(daten)) {
        fehler = datei.fehler();
        return false;
    }
    datei.schliessen();
    switch (BestListAusDaten(daten, liste)) {
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
                       const BestListSchreiber& schreiber) {
    return Wiederholen(warten, [&] { return BestListAnhaengenVersuch(pfad, eintrag, schreiber, fehler); });
}

bool BestListLesen(const QString& pfad, std::vector<BestListDataTyp>& liste, Warten& warten,
                   QString& fehler) {
    return Wiederholen(warten, [&] { return BestListLesenVersuch(pfad, liste, fehler); });
}
