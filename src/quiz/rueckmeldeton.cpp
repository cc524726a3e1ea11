#include "quiz/rueckmeldeton.h"

#include "platform/meldungen.h"
#include "platform/ton.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool HatOrdner(const QString& name) {
    return name.contains(u'/') || name.contains(u'\\');
}

// The file the name stands for, with the extension ".wav"; empty when it cannot be found.
QString Tondatei(const QString& name, const QString& soundordner) {
    const QFileInfo info(QDir::fromNativeSeparators(name));
    const QString datei = info.completeBaseName() + QStringLiteral(".wav");
    QString pfad;
    if (HatOrdner(name))
        pfad = QDir(info.path()).filePath(datei);
    else if (!soundordner.isEmpty())
        pfad = QDir(soundordner).filePath(datei);
    return !pfad.isEmpty() && QFileInfo(pfad).isFile() ? pfad : QString();
}

} // namespace

bool RueckmeldetonSpielen(const QString& name, bool tonAn, const QString& soundordner, Ton& ton,
                          Meldungen& meldungen) {
    if (!tonAn) {
        ton.stoppen();
        return true;
    }
    const QString pfad = Tondatei(name, soundordner);
    if (pfad.isEmpty()) {
        meldungen.fehler(QStringLiteral("Sounddatei \"") + name + QStringLiteral("\" nicht gefunden."));
        return false;
    }
    ton.stoppen();
    ton.abspielen(pfad, true, false);
    return true;
}
