#pragma once
// Port: the millisecond tick count, local date and time, and the pauses: blocking ones for
// retries on files, and the quiz's feedback pauses, which never block.
#include <QDateTime>
#include <QObject>
#include <cstdint>

class Uhr {
public:
    virtual ~Uhr() = default;
    virtual uint32_t tickMs() const = 0;
    virtual QDateTime jetzt() const = 0;
};

class Warten : public QObject {
    Q_OBJECT
public:
    // Returns after `ms` milliseconds.
    virtual void warten(int ms) = 0;
    // A pause that does not block: pauseVorbei() follows after `ms` milliseconds, for 0 on
    // the next turn of the event loop. One pause at a time; a new one replaces the last.
    // By default the pause is the blocking wait and ends at once after it, as a test's
    // pauses do.
    virtual void pauseStarten(int ms) {
        if (ms > 0) warten(ms);
        emit pauseVorbei();
    }
    virtual void pauseAbbrechen() {}

signals:
    void pauseVorbei();
};
