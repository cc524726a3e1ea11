#pragma once
// The commands of the topic list: open an entry, next and previous, start page,
// previously shown document, choose folder, open and close. They reach the user
// only through Meldungen and Dialoge, and the rest of the program through
// the hooks of ThemenHaken, so a test can drive every flow without a window.
#include "documents/dokument.h"
#include "documents/themenliste.h"
#include "platform/dialoge.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class Meldungen;
struct ProgrammOrdnerTyp;

// The rest of the program as seen from the topic list. Unset hooks do nothing.
struct ThemenHaken {
    // Reads a document into the model and reports its own failures; on failure
    // it closes the document (DokumentSchliessen below). With `ordnerUebernehmen`
    // the folder of the file becomes the topic folder.
    std::function<bool(const QString& pfad, bool ordnerUebernehmen)> DokumentLesen;
    // True while a quiz runs and is not finished.
    std::function<bool()> QuizUnbeendet;
    // The user agreed to leave the running quiz: it ends as if cancelled.
    std::function<void()> QuizVerlassen;
    // The display mode: 2 learning view, 3 quiz.
    std::function<int()> Ansichtsmodus;
    // The topic menu entries are to be rebuilt from the list (check mark at Listenindex).
    std::function<void(const Themenliste& liste, int listenindex)> MenueAufbauen;
    // The check mark moves to this entry.
    std::function<void(int listenindex)> MenueHakenSetzen;
    std::function<void(const QString& fenstertitel, const QString& dokTitel)> TitelZeigen;
    std::function<void()> BestenlisteLeeren;
    std::function<void()> KarteNeuAufbauen;
    std::function<void()> StartpanelZeigen;
};

// Asks before a running, unfinished quiz is abandoned; true means go on.
bool QuizVerlassenBestaetigen(Meldungen& meldungen, bool quizUnbeendet);

// The open dialog for a document, starting in the folder of the open document
// (with its name) or in the topic folder.
DateiDialogAuftrag OeffnenDialogAuftrag(const Dokument& dok, const QString& themenordner);

class ThemenAktionen final {
public:
    ThemenAktionen(Dokument& dok, Themenliste& liste, ProgrammOrdnerTyp& ordner, Meldungen& meldungen,
                   Dialoge& dialoge, ThemenHaken haken);

    // The picture the base image becomes when the document is closed.
    void setzeStartbild(const QImage& bild) { m_startbild = bild; }
    const ThemenHaken& haken() const { return m_haken; }

    void OrdnerLesen();
    void TitelZeigen();
    void ListeneintragOeffnen(int index);
    void Naechstes();
    void Vorheriges();
    void Startseite();
    void ZuvorAngezeigtes();
    void OrdnerWaehlen();
    void Oeffnen();
    // The command: asks about a running quiz, then closes the document.
    void Schliessen();
    // Closes without asking: start picture, empty objects and best list, empty
    // model, map rebuilt, folder read, start panel shown. The reader calls this
    // after a failed read.
    void DokumentSchliessen();

    bool QuizVerlassenErlaubt();

private:
    bool InLernansicht() const;
    bool Lesen(const QString& pfad);

    Dokument& m_dok;
    Themenliste& m_liste;
    ProgrammOrdnerTyp& m_ordner;
    Meldungen& m_meldungen;
    Dialoge& m_dialoge;
    ThemenHaken m_haken;
    QImage m_startbild;
};
