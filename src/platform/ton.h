#pragma once
// Port: WAV playback for the quiz feedback.
#include <QString>

class Ton {
public:
    virtual ~Ton() = default;
    // Plays an existing file; `synchron` returns only when it has ended.
    virtual void abspielen(const QString& datei, bool synchron, bool schleife) = 0;
    virtual void stoppen() = 0;
};
