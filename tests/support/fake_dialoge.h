#pragma once
// Scripted choosers for tests: records every request and answers from queues.
#include "platform/dialoge.h"

#include <deque>
#include <vector>

class FakeDialoge final : public Dialoge {
public:
    std::vector<DateiDialogAuftrag> oeffnenAuftraege, speichernAuftraege;
    std::vector<QString> ordnerTitel;
    int druckerAnfragen = 0;
    // Answers in order; an empty queue (or nullopt) cancels.
    std::deque<std::optional<QString>> dateien, ordner;
    // Where a print goes: a PDF file path; empty cancels.
    QString druckPdf;

    std::optional<QString> DateiOeffnen(const DateiDialogAuftrag& a) override {
        oeffnenAuftraege.push_back(a);
        return naechste(dateien);
    }
    std::optional<QString> DateiSpeichern(const DateiDialogAuftrag& a) override {
        speichernAuftraege.push_back(a);
        return naechste(dateien);
    }
    std::optional<QString> OrdnerWaehlen(const QString& titel, const QString&) override {
        ordnerTitel.push_back(titel);
        return naechste(ordner);
    }
    bool DruckerWaehlen(QPrinter& drucker, const QString&, const QString&) override;

private:
    static std::optional<QString> naechste(std::deque<std::optional<QString>>& q) {
        if (q.empty()) return std::nullopt;
        auto a = q.front();
        q.pop_front();
        return a;
    }
};
