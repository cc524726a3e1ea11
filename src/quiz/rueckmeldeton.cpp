#include "quiz/rueckmeldeton.h"

#include "platform/meldungen.h"
#include "platform/ton.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString MitWavEndung(const QString& name) {
    const QFileInfo info(name);
    const QString basis = info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName();
    const QString datei = basis + QStringLiteral(".wav");
    const QString ordner = info.path();
    const bool ohneOrdner = !name.contains(u'/') && !name.contains(u'\\');
    return ohneOrdner ? datei : QDir(ordner).filePath(datei);
}

} // namespace

bool RueckmeldetonSpielen(const QString& name, bool tonAn, const QString& soundordner, Ton& ton,
                          Meldungen& meldungen) {
    if (!tonAn) {
        ton.stoppen();
        return true;
    }
    const QString wav = MitWavEndung(name);
    const bool ohneOrdner = !name.contains(u'/') && !name.contains(u'\\');
    const QString pfad = ohneOrdner ? QDir(soundordner).filePath(wav) : wav;
    if (soundordner.isEmpty() && ohneOrdner) {
        meldungen.fehler(QStringLiteral("Sounddatei \"") + name + QStringLiteral("\" nicht gefunden."));
        return false;
    }
    if (!QFileInfo(pfad).isFile()) {
        meldungen.fehler(QStringLiteral("Sounddatei \"") + name + QStringLiteral("\" nicht gefunden."));
        return false;
    }
    ton.stoppen();
    ton.abspielen(pfad, true, false);
    return true;
}
