#pragma once
// Clock and pauses of the running program.
#include "platform/uhr.h"

#include <QElapsedTimer>
#include <QTimer>

class UhrQt final : public Uhr {
public:
    UhrQt() { m_start.start(); }
    // Milliseconds since the clock was made; wraps after 49 days like a 32-bit tick count.
    uint32_t tickMs() const override { return static_cast<uint32_t>(m_start.elapsed()); }
    QDateTime jetzt() const override { return QDateTime::currentDateTime(); }

private:
    QElapsedTimer m_start;
};

// The blocking wait sleeps (the short wait after a copy, retries on files); it runs no loop
// of its own, so nothing else happens meanwhile. The pauses are a single-shot timer.
class WartenQt final : public Warten {
public:
    WartenQt();
    void warten(int ms) override;
    void pauseStarten(int ms) override;
    void pauseAbbrechen() override { m_pause.stop(); }

private:
    QTimer m_pause;
};
