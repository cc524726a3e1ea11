#pragma once
// A clock that moves only when told, and pauses that return at once but are recorded.
#include "platform/uhr.h"

#include <functional>
#include <vector>

class FakeUhr final : public Uhr {
public:
    uint32_t tickMs() const override { return tick; }
    QDateTime jetzt() const override { return zeit.addMSecs(tick - tickBeiZeit); }

    // Advances tick count and local time together.
    void vorruecken(uint32_t ms) { tick += ms; }
    void setzeZeit(const QDateTime& z) {
        zeit = z;
        tickBeiZeit = tick;
    }

    uint32_t tick = 1000;
    QDateTime zeit = QDateTime(QDate(2005, 6, 12), QTime(10, 0, 0));

private:
    uint32_t tickBeiZeit = 1000;
};

class FakeWarten final : public Warten {
public:
    // With a clock, each pause also advances it, so timed flows see the time pass.
    explicit FakeWarten(FakeUhr* uhr = nullptr) : m_uhr(uhr) {}
    void warten(int ms) override {
        pausen.push_back(ms);
        if (m_uhr != nullptr && ms > 0) m_uhr->vorruecken(static_cast<uint32_t>(ms));
        if (waehrend) waehrend(ms);
    }
    std::vector<int> pausen;
    // Runs inside each pause: what the program does meanwhile (a clock tick, a cancel).
    std::function<void(int ms)> waehrend;

private:
    FakeUhr* m_uhr;
};
