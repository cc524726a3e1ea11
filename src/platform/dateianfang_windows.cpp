#include "platform/dateianfang.h"

#include <QFile>

struct Dateianfang::Griff {
    QFile datei;
};

Dateianfang::Dateianfang(const QString& pfad) : m_griff(std::make_unique<Griff>()) {
    m_griff->datei.setFileName(pfad);
    m_offen = m_griff->datei.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    if (m_offen) m_groesse = m_griff->datei.size();
}

Dateianfang::~Dateianfang() = default;

QByteArray Dateianfang::lesen(qint64 anzahl) {
    if (!m_offen || anzahl <= 0) return {};
    return m_griff->datei.read(anzahl);
}

qint64 Dateianfang::lesenIn(char* ziel, qint64 anzahl) {
    if (!m_offen || anzahl <= 0) return 0;
    return qMax<qint64>(0, m_griff->datei.read(ziel, anzahl));
}
