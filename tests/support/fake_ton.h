#pragma once
// Records the sounds asked for instead of playing them.
#include "platform/ton.h"

#include <QString>
#include <vector>

class FakeTonAufnahme final : public Ton {
public:
    void abspielen(const QString& datei, bool synchron, bool schleife) override {
        gespielt.push_back(datei);
        if (synchron) ++synchron_;
        if (synchron && !schleife) emit beendet(); // played at once
    }
    void stoppen() override { ++gestoppt; }
    std::vector<QString> gespielt;
    int synchron_ = 0;
    int gestoppt = 0;
};
