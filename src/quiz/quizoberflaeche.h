#pragma once
// What the quiz core needs from the windows, and the feedback it hands them step by step.
// The window layer implements QuizOberflaeche; every method has a harmless default, so a
// test implements only what it checks. Steps are played at once, in order; the pauses
// between them are the quiz's own timers (a Pause step announces each one).
#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>

struct QuizSchritt {
    enum class Art {
        StatusText,      // UebStatLab: `text` in `farbe` ("Richtig", "Falsch")
        ElementFarbe,    // element `element` takes `farbe` and is repainted
        ElementBewegt,   // element `element` stands at `punkt` (gliding back, re-layout)
        ElementSichtbar, // element `element` shown (`an`) or hidden
        ElementEntfernt, // element `element` destroyed
        ElementeNeu,     // all answer elements were (re)created: read them from the core
        Ton,             // a feedback sound was asked for (`text` is the name)
        Pause,           // a blocking pause of `ms` milliseconds
        Status,          // the status panel changed: read Quiz::Status()
        Zeit,            // only the clock text changed
        Hintergrund,     // the quiz background must be redrawn (Quiz::Hintergrundbild())
        FrageZaehler,    // question counter panel: `text` at `punkt`, visible when `an`
        Fokus,           // the keyboard focus moved to element `element` (-1: none)
    };
    Art art;
    int element = -1;
    QString text;
    QColor farbe;
    QPoint punkt;
    int ms = 0;
    bool an = false;
};

// How the result window was left.
struct ErgebnisWahl {
    bool wiederholen = false;
    int wiederholmodus = 0;
};

struct ErgebnisAnzeige; // quiz.h
struct QuizLauf;        // quizlauf.h

class QuizOberflaeche {
public:
    virtual ~QuizOberflaeche() = default;
    // The name window; its text is taken unchanged.
    virtual QString NameAbfragen() { return {}; }
    // The options window of a document type; true when left with "Übung starten".
    virtual bool OptionenZeigen(int /*dokTyp*/) { return false; }
    // "Dieses Dialogfenster vor jeder Übung anzeigen" is set and the type has an options window.
    virtual bool OptionenVorJederUebung(int /*dokTyp*/) const { return false; }
    // Main window into quiz mode (true) or back to the learning view (false).
    virtual void QuizmodusSetzen(bool /*an*/) {}
    // Size of UebungPan once the quiz mode has placed it.
    virtual QSize PanelGroesse() const { return {1000, 600}; }
    virtual void ZeitTimerSetzen(bool /*an*/) {}
    virtual void Schritt(const QuizSchritt& /*schritt*/) {}
    // The result window, modal; shown again as long as a repeat is refused.
    virtual ErgebnisWahl ErgebnisZeigen(const ErgebnisAnzeige& /*anzeige*/) { return {}; }
    // Hand-over at completion: the run's protocol replaces the previous protocol.
    virtual void ProtokollUebergeben(const QuizLauf& /*lauf*/) {}
    virtual void ProtokollAutomatischSpeichern() {}
    // The run is offered to the best list, which decides whether it takes an entry.
    virtual void BestenlisteEintragen(const QuizLauf& /*lauf*/) {}
};
