#include "results/protokoll_speichern.h"

#include "data/av_data.h"
#include "platform/meldungen.h"
#include "platform/systeminfo.h"
#include "platform/uhr.h"
#include "results/protokoll.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool AllesSchreiben(QFileDevice& datei, const QByteArray& daten) {
    return datei.write(daten) == daten.size() && datei.flush();
}

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
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const QFileInfo info(pfad);
        return info.exists() || info.isSymLink() ? NeuAnlegen::Vorhanden : NeuAnlegen::Fehler;
    }
    if (!AllesSchreiben(datei, daten)) {
        // The name is ours alone (created exclusively), so a torn file can go.
        datei.remove();
        return NeuAnlegen::Fehler;
    }
    datei.close();
    if (datei.error() != QFileDevice::NoError) {
        datei.remove();
        return NeuAnlegen::Fehler;
    }
    return NeuAnlegen::Angelegt;
}

bool DateiErsetzen(const QString& pfad, const QByteArray& daten) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) return false;
    if (datei.write(daten) != daten.size()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
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
