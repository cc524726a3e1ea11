#include "network/netz_archiv.h"

#include "documents/tvl_datei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool Regulaer(const QString& pfad) {
    const QFileInfo info(pfad);
    return !info.isSymLink() && info.isFile();
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

// A second archive of the same minute gets " (2)", " (3)", ...
QString FreierOrdner(const QString& basis) {
    QString ordner = basis;
    for (int i = 2; QFileInfo::exists(ordner); ++i)
        ordner = basis + QStringLiteral(" (%1)").arg(i);
    return ordner;
}

} // namespace

QString NetzArchivOrdner(const QString& protokollordner, const QDateTime& zeit, const QString& kanal,
                         const QString& titel) {
    const QString name = zeit.toString(QStringLiteral("yyyy-MM-dd HH-mm")) + u' ' + Ordnerfest(kanal) + u' ' +
                         Ordnerfest(titel);
    return QDir(protokollordner).filePath(NetzArchivOrdnerName + u'/' + name.trimmed());
}

NetzArchivErgebnis NetzErgebnisseSichern(const NetzDateienTyp& d, const QString& kanal,
                                         const QString& protokollordner) {
    NetzArchivErgebnis e;
    if (!Regulaer(d.Bestenliste) && !Regulaer(d.Antworten)) return e;
    // A protocol folder that is set but missing (an unmounted share) is not made here.
    if (protokollordner.isEmpty() || !QFileInfo(protokollordner).isDir()) {
        e.ok = false;
        e.fehler = protokollordner;
        return e;
    }
    const QString ordner =
        FreierOrdner(NetzArchivOrdner(protokollordner, Veroeffentlicht(d), kanal, AlterTitel(d)));
    if (!QDir().mkpath(ordner)) {
        e.ok = false;
        e.fehler = ordner;
        return e;
    }
    for (const QString& pfad : {d.Bestenliste, d.Antworten, d.Dokument}) {
        if (!Regulaer(pfad)) continue;
        const QString ziel = QDir(ordner).filePath(QFileInfo(pfad).fileName());
        if (!QFile::copy(pfad, ziel)) {
            e.ok = false;
            e.fehler = ziel;
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
