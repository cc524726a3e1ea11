#include "analysis/antwortsatz_datei.h"

#include "platform/dateisperre.h"
#include "results/bestenliste_datei.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The one place that touches the shared file: one locked append of whole bytes. A
// failed write cuts the file back, so no torn line joins the next run's line.
bool AnhaengenVersuch(const QString& pfad, const QByteArray& bytes, QString& fehler) {
    const QFileInfo info(pfad);
    if (info.isSymLink() || (info.exists() && !info.isFile())) {
        fehler = QStringLiteral("Keine gewöhnliche Datei.");
        return false;
    }
    GesperrteDatei datei;
    if (!datei.oeffnen(pfad, GesperrteDatei::Zugriff::Exklusiv)) {
        fehler = datei.fehler();
        return false;
    }
    const int64_t vorher = datei.groesse();
    // A line cut short by a crash must not swallow this one: it gets its own line.
    char letztes = '\n';
    if (vorher > 0 && datei.lesenAb(vorher - 1, &letztes, 1) != 1) letztes = '\n';
    const QByteArray zeile = letztes == '\n' ? bytes : '\n' + bytes;
    if (vorher < 0 || datei.anhaengen(zeile.constData(), zeile.size()) != zeile.size()) {
        fehler = datei.fehler().isEmpty() ? QStringLiteral("Schreibfehler") : datei.fehler();
        if (vorher >= 0) datei.kuerzen(vorher);
        return false;
    }
    if (datei.schliessen()) return true;
    fehler = datei.fehler();
    return false;
}

} // namespace

QString KqaPfadZuBestenliste(const QString& bestListPfad) {
    const QFileInfo info(bestListPfad);
    QString pfad = bestListPfad;
    pfad.chop(info.suffix().size());
    return info.suffix().isEmpty() ? bestListPfad + QStringLiteral(".kqa") : pfad + QStringLiteral("kqa");
}

bool KqaAnhaengen(const QString& pfad, const KqaLauf& lauf, Warten& warten, QString& fehler) {
    const QByteArray bytes = KqaZeile(lauf) + '\n';
    for (int i = 0; i < BestListVersuche; ++i) {
        if (AnhaengenVersuch(pfad, bytes, fehler)) return true;
        if (i + 1 < BestListVersuche) warten.warten(BestListPauseMs);
    }
    return false;
}
