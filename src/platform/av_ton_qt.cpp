#include "platform/av_ton_qt.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace {
constexpr int Spielraum = 300; // ms beyond the sound's own length
constexpr int HoechstensMs = 10000;
} // namespace

TonQt::TonQt() : m_effekt(std::make_unique<QSoundEffect>()) {
    m_grenze.setSingleShot(true);
    connect(&m_grenze, &QTimer::timeout, this, &TonQt::Ende);
    connect(m_effekt.get(), &QSoundEffect::playingChanged, this, [this] {
        if (!m_effekt->isPlaying() && m_effekt->status() != QSoundEffect::Loading) Ende();
    });
    connect(m_effekt.get(), &QSoundEffect::statusChanged, this, [this] {
        if (m_effekt->status() == QSoundEffect::Error) Ende();
    });
}

TonQt::~TonQt() = default;

int WavDauerMs(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray kopf = f.read(4096);
    if (kopf.size() < 12 || !kopf.startsWith("RIFF") || kopf.mid(8, 4) != "WAVE") return -1;
    quint32 byteRate = 0;
    for (int pos = 12; pos + 8 <= kopf.size();) {
        const QByteArray id = kopf.mid(pos, 4);
        const quint32 laenge = qFromLittleEndian<quint32>(kopf.constData() + pos + 4);
        if (id == "fmt " && pos + 20 <= kopf.size())
            byteRate = qFromLittleEndian<quint32>(kopf.constData() + pos + 16);
        if (id == "data") {
            if (byteRate == 0) return -1;
            return static_cast<int>(qMin<quint64>(HoechstensMs, quint64(laenge) * 1000 / byteRate));
        }
        if (laenge > quint32(kopf.size())) return -1;
        pos += 8 + static_cast<int>(laenge) + static_cast<int>(laenge & 1);
    }
    return -1;
}

void TonQt::abspielen(const QString& datei, bool synchron, bool schleife) {
    m_wartet = false;
    m_grenze.stop();
    m_effekt->stop();
    m_effekt->setSource(QUrl::fromLocalFile(datei));
    m_effekt->setLoopCount(schleife ? QSoundEffect::Infinite : 1);
    m_effekt->play();
    if (!synchron || schleife) return;
    m_wartet = true;
    const int dauer = WavDauerMs(datei);
    if (dauer < 0 || m_effekt->status() == QSoundEffect::Error) {
        Ende();
        return;
    }
    m_grenze.start(dauer + Spielraum);
}

void TonQt::Ende() {
    if (!m_wartet) return;
    m_wartet = false;
    m_grenze.stop();
    emit beendet();
}

void TonQt::stoppen() {
    m_effekt->stop();
    Ende();
}
