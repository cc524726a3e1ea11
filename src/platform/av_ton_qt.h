#pragma once
// WAV playback through Qt Multimedia. A synchronous play waits in a local event loop
// that takes no user input, and never longer than the sound lasts plus a margin, so a
// machine without a working sound device cannot hang the quiz.
#include "platform/ton.h"

#include <memory>

class QSoundEffect;

class TonQt final : public Ton {
public:
    TonQt();
    ~TonQt() override;
    void abspielen(const QString& datei, bool synchron, bool schleife) override;
    void stoppen() override;

private:
    std::unique_ptr<QSoundEffect> m_effekt;
};

// Playing time of a PCM WAV file in milliseconds from its header; -1 when unreadable.
int WavDauerMs(const QString& datei);
