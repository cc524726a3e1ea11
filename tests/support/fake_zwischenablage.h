#pragma once
// Records what was put on the clipboard.
#include "platform/zwischenablage.h"

class FakeZwischenablage final : public Zwischenablage {
public:
    std::vector<ZwischenablageInhalt> inhalte;
    void Setzen(const ZwischenablageInhalt& inhalt) override { inhalte.push_back(inhalt); }
    QByteArray format(const QString& typ) const {
        if (inhalte.empty()) return {};
        for (const auto& [t, b] : inhalte.back().Formate)
            if (t == typ) return b;
        return {};
    }
};
