#pragma once
// Port: WAV playback for the quiz feedback.
#include <QObject>
#include <QString>

class Ton : public QObject {
    Q_OBJECT
public:
    // Plays an existing file and never blocks. A `synchron` play announces its end with
    // beendet(): when the sound has ended, when it cannot be played (possibly before this
    // call returns), and never later than its length and a margin.
    virtual void abspielen(const QString& datei, bool synchron, bool schleife) = 0;
    virtual void stoppen() = 0;

signals:
    void beendet();
};
