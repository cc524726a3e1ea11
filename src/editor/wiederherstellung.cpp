#include "editor/wiederherstellung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <utility>

Wiederherstellung::Wiederherstellung(QString ordner) : m_ordner(std::move(ordner)) {}

QString Wiederherstellung::StandardOrdner() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/wiederherstellung");
}

QString Wiederherstellung::kopiePfad() const {
    return m_ordner + QStringLiteral("/wiederherstellung.tvl");
}

QString Wiederherstellung::herkunftPfad() const {
    return m_ordner + QStringLiteral("/herkunft.txt");
}

bool Wiederherstellung::sichern(const EditorDokument& dok) {
    if (!QDir().mkpath(m_ordner)) return false;
    QString fehler;
    if (!dok.kopieSchreiben(kopiePfad(), fehler)) return false;
    QSaveFile herkunft(herkunftPfad());
    if (!herkunft.open(QIODevice::WriteOnly)) return false;
    herkunft.write(dok.pfad().toUtf8());
    return herkunft.commit();
}

bool Wiederherstellung::vorhanden() const {
    return QFileInfo(kopiePfad()).isFile();
}

QString Wiederherstellung::herkunft() const {
    QFile f(herkunftPfad());
    if (!QFileInfo(f).isFile() || !f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.read(4096)).trimmed();
}

bool Wiederherstellung::laden(EditorDokument& dok) {
    QString fehler;
    const QString ursprung = herkunft();
    if (!dok.oeffnenAlsGeaendert(kopiePfad(), ursprung, fehler)) {
        verwerfen();
        return false;
    }
    return true;
}

void Wiederherstellung::verwerfen() {
    QFile::remove(kopiePfad());
    QFile::remove(herkunftPfad());
}
