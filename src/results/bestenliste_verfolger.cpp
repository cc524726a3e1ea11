#include "results/bestenliste_verfolger.h"

#include <QFileInfo>

BestListVerfolger::BestListVerfolger(const QString& pfad, std::function<bool()> nachladen, int abfrageMs,
                                     QObject* eltern)
    : QObject(eltern), m_pfad(pfad), m_nachladen(std::move(nachladen)) {
    m_stand = aktuellerStand(); // the caller has just loaded the list
    beobachten();
    connect(&m_waechter, &QFileSystemWatcher::fileChanged, this, &BestListVerfolger::pruefen);
    connect(&m_waechter, &QFileSystemWatcher::directoryChanged, this, &BestListVerfolger::pruefen);
    connect(&m_takt, &QTimer::timeout, this, &BestListVerfolger::pruefen);
    m_takt.start(abfrageMs);
}

BestListVerfolger::Stand BestListVerfolger::aktuellerStand() const {
    const QFileInfo info(m_pfad);
    if (!info.isFile()) return {};
    return {true, info.size(), info.lastModified()};
}

void BestListVerfolger::beobachten() {
    // A deleted or replaced file drops out of the watcher; the folder tells of its return.
    const QString ordner = QFileInfo(m_pfad).absolutePath();
    if (QFileInfo(ordner).isDir() && !m_waechter.directories().contains(ordner)) m_waechter.addPath(ordner);
    if (QFileInfo(m_pfad).isFile() && !m_waechter.files().contains(m_pfad)) m_waechter.addPath(m_pfad);
}

void BestListVerfolger::pruefen() {
    beobachten();
    const Stand neu = aktuellerStand();
    if (neu == m_stand) return;
    if (m_nachladen && m_nachladen()) m_stand = neu;
}
