#include "data/installation.h"

#include <QDir>
#include <QFileInfo>

QString InstallierterDatenordner(const QString& programmordner) {
    const QString geteilt = QDir::cleanPath(programmordner + QStringLiteral("/../share/kartello-quiz"));
    if (!QFileInfo(geteilt).isDir()) return {};
    return MitTrenner(QDir::toNativeSeparators(geteilt));
}

QString Dokumentenordner(const ProgrammOrdnerTyp& ordner) {
    const QString geteilt = InstallierterDatenordner(ordner.Programmordner);
    const QString beispiele = geteilt + QStringLiteral("beispiele");
    if (!geteilt.isEmpty() && QFileInfo(beispiele).isDir())
        return MitTrenner(QDir::toNativeSeparators(beispiele));
    return ordner.Programmordner;
}
