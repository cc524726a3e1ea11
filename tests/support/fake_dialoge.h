#pragma once
// Scripted choosers for tests: records every request and answers from queues.
#include "platform/dialoge.h"

#include <deque>
#include <vector>

class FakeDialoge final : public Dialoge {
public:
    std::vector<DateiDialogAuftrag> oeffnenAuftraege, speichernAuftraege;
    std::vector<QString> ordnerTitel, ordnerVorauswahl;
    int druckerAnfragen = 0;
    // Per print request: the printer's document name (window tests only) and the PDF chooser.
    std::vector<QString> druckDokumente;
    std::vector<DateiDialogAuftrag> pdfAuftraege;
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
    std::optional<QString> OrdnerWaehlen(const QString& titel, const QString& vorauswahl) override {
        ordnerTitel.push_back(titel);
        ordnerVorauswahl.push_back(vorauswahl);
        return naechste(ordner);
    }
    using Dialoge::DruckerWaehlen;
    bool DruckerWaehlen(QPrinter& drucker, const DateiDialogAuftrag& pdfDatei) override;

private:
    static std::optional<QString> naechste(std::deque<std::optional<QString>>& q) {
        std::optional<QString> a;
        if (!q.empty()) {
            a.swap(q.front());
            q.pop_front();
        }
        return a;
    }
};
