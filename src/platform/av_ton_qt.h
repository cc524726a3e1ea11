#pragma once
// WAV playback through Qt Multimedia. A synchronous play announces its end when the
// effect stops playing, fails, or its length plus a margin has passed, so a machine
// without a working sound device cannot hold the quiz up.
#include "platform/ton.h"

#include <QTimer>
#include <memory>

class QSoundEffect;

class TonQt final : public Ton {
public:
    TonQt();
    ~TonQt() override;
    void abspielen(const QString& datei, bool synchron, bool schleife) override;
    void stoppen() override;

private:
    void Ende();

    std::unique_ptr<QSoundEffect> m_effekt;
    QTimer m_grenze;
    bool m_wartet = false; // a synchronous play has not announced its end yet
};

// Playing time of a PCM WAV file in milliseconds from its header; -1 when unreadable.
int WavDauerMs(const QString& datei);
