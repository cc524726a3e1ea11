#include "network/netz_archiv.h"

#include "documents/tvl_datei.h"
#include "platform/geteilte_datei.h"
#include "platform/uhr.h"
#include "results/bestenliste_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool Regulaer(const QString& pfad) {
    return GeteiltArtVon(pfad) == GeteiltArt::Datei;
}

QString Ordnerfest(const QString& text) {
    QString name;
    for (const QChar z : text.simplified())
        name += (z.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(z)) ? u'_' : z;
    // A name of dots alone would step out of the archive folder.
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name.left(120).trimmed();
}

QDateTime Veroeffentlicht(const NetzDateienTyp& d) {
    for (const QString& pfad : {d.Einstellungen, d.Dokument, d.Bestenliste, d.Antworten})
        if (Regulaer(pfad)) return QFileInfo(pfad).lastModified();
    return QDateTime::currentDateTime();
}

QString AlterTitel(const NetzDateienTyp& d) {
    QString titel, vers;
    if (Regulaer(d.Dokument) && TvlLeser::KopfLesen(d.Dokument, titel, vers) && !titel.trimmed().isEmpty())
        return titel;
    return QStringLiteral("Übung");
}

// A folder of our own for this archive: made here, never one that was there before (a
// second archive of the same minute gets " (2)", " (3)", ...), never reached through a link.
QString EigenerOrdner(const QString& basis) {
    const QString oben = QFileInfo(basis).absolutePath();
    if (!QDir().mkpath(oben) || GeteiltArtVon(oben) != GeteiltArt::Ordner) return {};
    for (int i = 1; i < 100; ++i) {
        const QString ordner = i == 1 ? basis : basis + QStringLiteral(" (%1)").arg(i);
        if (GeteiltArtVon(ordner) == GeteiltArt::Fehlt && QDir().mkdir(ordner) &&
            GeteiltArtVon(ordner) == GeteiltArt::Ordner)
            return ordner;
    }
    return {};
}

// The largest file of each kind that the program reads back: a best list is read up to
// its bound, answer records up to 2 GiB (more than a million runs).
int64_t Hoechstens(const NetzDateienTyp& d, const QString& pfad) {
    if (pfad == d.Bestenliste) return BestListHoechstBytes;
    return int64_t{2} * 1024 * 1024 * 1024;
}

// One file into the archive, tried again while a pupil's append holds it. What is not a
// regular file of a size the program could read (something planted) is not kept.
bool Sichern(const NetzDateienTyp& d, const QString& pfad, const QString& ordner, Warten& warten) {
    const QString ziel = QDir(ordner).filePath(QFileInfo(pfad).fileName());
    for (int i = 0; i < GeteiltVersuche; ++i) {
        const GeteiltErgebnis e = GeteiltKopieren(pfad, ziel, Hoechstens(d, pfad));
        if (e.ok || e.fehlt || e.zuGross) return true;
        if (i + 1 < GeteiltVersuche) warten.warten(GeteiltPauseMs);
    }
    return false;
}

} // namespace

QString NetzArchivOrdner(const QString& protokollordner, const QDateTime& zeit, const QString& kanal,
                         const QString& titel) {
    const QString name = zeit.toString(QStringLiteral("yyyy-MM-dd HH-mm")) + u' ' + Ordnerfest(kanal) + u' ' +
                         Ordnerfest(titel);
    return QDir(protokollordner).filePath(NetzArchivOrdnerName + u'/' + name.trimmed());
}

NetzArchivErgebnis NetzErgebnisseSichern(const NetzDateienTyp& d, const QString& kanal,
                                         const QString& protokollordner, Warten& warten) {
    NetzArchivErgebnis e;
    if (!Regulaer(d.Bestenliste) && !Regulaer(d.Antworten)) return e;
    // A protocol folder that is set but missing (an unmounted share) is not made here.
    if (protokollordner.isEmpty() || !QFileInfo(protokollordner).isDir()) {
        e.ok = false;
        e.fehler = protokollordner;
        return e;
    }
    const QString basis = NetzArchivOrdner(protokollordner, Veroeffentlicht(d), kanal, AlterTitel(d));
    const QString ordner = EigenerOrdner(basis);
    if (ordner.isEmpty()) {
        e.ok = false;
        e.fehler = basis;
        return e;
    }
    for (const QString& pfad : {d.Bestenliste, d.Antworten, d.Dokument}) {
        if (!Sichern(d, pfad, ordner, warten)) {
            e.ok = false;
            e.fehler = pfad;
            return e;
        }
    }
    e.ordner = ordner;
    return e;
}

QString NetzArchivText(const QString& ordner) {
    return QStringLiteral("Die Ergebnisse der vorigen Netzwerk-Übung (Bestenliste und Antwortprotokolle) "
                          "wurden vor dem Veröffentlichen in den Ordner \"%1\" kopiert.")
        .arg(QDir::toNativeSeparators(ordner));
}
