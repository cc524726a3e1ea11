#pragma once
// Scripted message boxes for tests: records every box and answers from a queue.
#include "platform/meldungen.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

class FakeMeldungen final : public Meldungen {
public:
    struct Eintrag {
        MeldungsArt art;
        QString text;
        Knoepfe knoepfe;
    };

    std::vector<Eintrag> eintraege;
    // Answers in order; when empty, a box with OK answers OK and a question answers Ja.
    std::deque<Antwort> antworten;
    // Runs while a box is "open", before it is answered: what the program does meanwhile.
    std::function<void(const Eintrag&)> waehrendOffen;

    Antwort zeigen(MeldungsArt art, const QString& text, Knoepfe knoepfe) override {
        eintraege.push_back({art, text, knoepfe});
        if (waehrendOffen) waehrendOffen(eintraege.back());
        if (!antworten.empty()) {
            const Antwort a = antworten.front();
            antworten.pop_front();
            return a;
        }
        return knoepfe == Knoepfe::OK ? Antwort::OK : Antwort::Ja;
    }

    std::vector<QString> texte() const {
        std::vector<QString> t;
        for (const Eintrag& e : eintraege)
            t.push_back(e.text);
        return t;
    }
};
