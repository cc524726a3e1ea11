// Writing a file whole or not at all. QSaveFile would do the same but also waits for the
// disk (fsync) before renaming, which doubles the time of a bitmap export; a rename over
// the old file keeps it intact on failure without that wait.
#include "output/bildexport.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>
#include <system_error>

namespace {

// The file the name stands for: a link is followed, so the link itself stays a link.
QString Zieldatei(const QString& pfad) {
    const QFileInfo info(pfad);
    if (info.isSymLink()) return info.symLinkTarget();
    return info.absoluteFilePath();
}

std::filesystem::path Pfad(const QString& pfad) {
    return std::filesystem::path(pfad.toStdU16String());
}

// A new, empty file beside `ziel` that nobody else has opened.
bool TempAnlegen(const QString& ziel, QFile& datei) {
    const QFileInfo info(ziel);
    for (int versuch = 0; versuch < 20; ++versuch) {
        const QString name = info.absolutePath() + u'/' + u'.' + info.fileName() + u'.' +
                             QString::number(QRandomGenerator::global()->generate(), 36) +
                             QStringLiteral(".tmp");
        datei.setFileName(name);
        if (datei.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return true;
        if (!QFile::exists(name)) return false; // not a name clash: the folder refuses
    }
    return false;
}

} // namespace

bool DateiGanzErsetzen(const QString& pfad, const QByteArray& inhalt) {
    const QString ziel = Zieldatei(pfad);
    const QFileInfo zielInfo(ziel);
    if (zielInfo.isDir()) return false;
    QFile temp;
    if (!TempAnlegen(ziel, temp)) return false;
    const bool geschrieben = temp.write(inhalt) == inhalt.size() && temp.flush();
    temp.close();
    if (!geschrieben || temp.error() != QFileDevice::NoError) {
        temp.remove();
        return false;
    }
    // The new file takes the old one's permissions; a new name gets the usual ones.
    if (zielInfo.exists()) temp.setPermissions(zielInfo.permissions());
    std::error_code fehler;
    std::filesystem::rename(Pfad(temp.fileName()), Pfad(ziel), fehler);
    if (fehler) {
        temp.remove();
        return false;
    }
    return true;
}
