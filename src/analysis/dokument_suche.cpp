#include "analysis/dokument_suche.h"

#include "platform/dateianfang.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

// Larger files are no topic documents; the limit keeps a planted file from costing time.
constexpr qint64 HashHoechstens = qint64{256} * 1024 * 1024;
// A folder with more documents than this is searched by name only.
constexpr int DurchsuchtHoechstens = 500;

bool Passt(const QString& pfad, const QString& hash) {
    if (!QFileInfo(pfad).isFile()) return false;
    return hash.isEmpty() || DateiHash(pfad) == hash;
}

} // namespace

QString DateiHash(const QString& pfad) {
    if (QFileInfo(pfad).isSymLink()) return {};
    Dateianfang datei(pfad);
    if (!datei.offen() || datei.groesse() > HashHoechstens) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (;;) {
        const QByteArray stueck = datei.lesen(1024 * 1024);
        if (stueck.isEmpty()) break;
        hash.addData(stueck);
    }
    return QString::fromLatin1(hash.result().toHex());
}

QString KqaDokumentSuchen(const QString& kqaPfad, const QString& datei, const QString& hash,
                          const QStringList& ordner) {
    const QFileInfo kqa(kqaPfad);
    QStringList orte{kqa.absolutePath()};
    for (const QString& o : ordner)
        if (!o.isEmpty() && !orte.contains(QDir(o).absolutePath())) orte.append(QDir(o).absolutePath());
    QStringList namen;
    // Only a plain file name: a name from the file must not lead into another folder.
    if (!datei.isEmpty() && QFileInfo(datei).fileName() == datei) namen.append(datei);
    namen.append(kqa.completeBaseName() + QStringLiteral(".tvl"));
    for (const QString& ort : orte)
        for (const QString& name : namen)
            if (const QString pfad = QDir(ort).filePath(name); Passt(pfad, hash)) return pfad;
    if (hash.isEmpty()) return {};
    // Renamed since: any document of the folders with the same hash.
    for (const QString& ort : orte) {
        const QFileInfoList dateien =
            QDir(ort).entryInfoList({QStringLiteral("*.tvl"), QStringLiteral("*.TVL")}, QDir::Files);
        for (qsizetype i = 0; i < dateien.size() && i < DurchsuchtHoechstens; ++i)
            if (DateiHash(dateien[i].filePath()) == hash) return dateien[i].filePath();
    }
    return {};
}
