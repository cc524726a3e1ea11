#pragma once
// Port: the millisecond tick count, local date and time, and the blocking feedback pauses.
#include <QDateTime>
#include <cstdint>

class Uhr {
public:
    virtual ~Uhr() = default;
    virtual uint32_t tickMs() const = 0;
    virtual QDateTime jetzt() const = 0;
};

class Warten {
public:
    virtual ~Warten() = default;
    virtual void warten(int ms) = 0;
};
