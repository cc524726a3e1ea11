#include "results/protokoll_speichern.h"

#include "data/av_data.h"
#include "platform/geteilte_datei.h"
#include "platform/meldungen.h"
#include "platform/systeminfo.h"
#include "platform/uhr.h"
#include "results/protokoll.h"

#include <QDir>

namespace {

// A computer name is a plain name; one that would lead into another folder is refused.
bool TaugtAlsNamensteil(const QString& rechner) {
    return !rechner.contains(u'/') && !rechner.contains(u'\\') && !rechner.contains(QChar(0));
}

} // namespace

QString ProtokollDateiname(const QDateTime& zeit, const QString& rechner, int zaehler) {
    const QDate d = zeit.date();
    const QTime t = zeit.time();
    return QString::asprintf("%04d%02d%02d-%02d%02d%02d-", d.year(), d.month(), d.day(), t.hour(), t.minute(),
                             t.second()) +
           rechner + u'-' + QString::number(zaehler) + QStringLiteral(".rtf");
}

NeuAnlegen DateiNeuAnlegen(const QString& pfad, const QByteArray& daten) {
    // Written complete under a temporary name first: a crash never leaves an empty protocol.
    if (GeteiltArtVon(pfad) != GeteiltArt::Fehlt) return NeuAnlegen::Vorhanden;
    GeteilterEntwurf entwurf(pfad);
    if (!entwurf.schreiben(daten)) return NeuAnlegen::Fehler;
    bool vorhanden = false;
    if (entwurf.neuEinsetzen(vorhanden)) return NeuAnlegen::Angelegt;
    return vorhanden ? NeuAnlegen::Vorhanden : NeuAnlegen::Fehler;
}

bool DateiErsetzen(const QString& pfad, const QByteArray& daten) {
    return GeteiltErsetzen(pfad, daten).ok;
}

bool ProtokollAutomatischSpeichern(const Protokoll& protokoll, const QString& ordner, const Uhr& uhr,
                                   const SystemInfo& system, Meldungen& meldungen, QString* gespeichert) {
    const QDateTime zeit = uhr.jetzt();
    const QString rechner = system.rechnername();
    const QByteArray daten = protokoll.rtf();
    OrdnerBereitstellen(ordner, Ordner());
    for (int zaehler = 0;; ++zaehler) {
        const QString pfad = ordner + ProtokollDateiname(zeit, rechner, zaehler);
        const NeuAnlegen ergebnis = TaugtAlsNamensteil(rechner) && !ordner.isEmpty()
                                        ? DateiNeuAnlegen(pfad, daten)
                                        : NeuAnlegen::Fehler;
        if (ergebnis == NeuAnlegen::Vorhanden) continue;
        if (ergebnis == NeuAnlegen::Fehler) {
            meldungen.fehler(SchreibfehlerText(QDir::toNativeSeparators(pfad), ProtokollAutoFehlerZusatz));
            return false;
        }
        if (gespeichert != nullptr) *gespeichert = pfad;
        return true;
    }
}

bool ProtokollSpeichernUnter(const Protokoll& protokoll, const QString& pfad, Meldungen& meldungen) {
    if (DateiErsetzen(pfad, protokoll.rtf())) return true;
    meldungen.fehler(SchreibfehlerText(QDir::toNativeSeparators(pfad)));
    return false;
}

void QuizProtokollUebernehmen(Protokoll& protokoll, const QString& text, bool automatischSpeichern,
                              const Uhr& uhr, const SystemInfo& system, Meldungen& meldungen) {
    protokoll.ersetzen(text);
    if (automatischSpeichern)
        ProtokollAutomatischSpeichern(protokoll, Ordner().Protokollordner, uhr, system, meldungen);
}
