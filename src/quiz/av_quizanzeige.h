#pragma once
// The window side of a quiz: it implements QuizOberflaeche for the main window. The
// answer elements in UebungPan mirror the quiz's element list, the status panel shows
// the figures, ZeitTimer drives the clock, and the option, name and result windows are
// shown when the quiz asks for them. The map paints into the quiz background while the
// quiz runs.
#include "platform/ton.h"
#include "platform/uhr.h"
#include "quiz/quiz.h"

#include <QCursor>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

class QKeyEvent;
class TAntwortElement;
class TKennzInfoBox;
class TNameEingabeForm;
class TUebFertigForm;
class TUebInfoPan;
class TUebOptForm;
class TUebOptFragenForm;
class TUebungPan;

struct QuizFenster {
    TUebungPan* uebungPan = nullptr;
    TUebInfoPan* uebInfoPan = nullptr;
    TUebOptForm* uebOpt = nullptr;
    TUebOptFragenForm* uebOptFragen = nullptr;
    TNameEingabeForm* nameEingabe = nullptr;
    TUebFertigForm* uebFertig = nullptr;
    TKennzInfoBox* kennzInfo = nullptr;
};

class TQuizAnzeige final : public QObject, public QuizOberflaeche {
    Q_OBJECT
public:
    TQuizAnzeige(Dokument& dok, Karte& karte, const ProgrammEinstellungenTyp& einstellungen,
                 QuizDienste dienste, QuizFenster fenster, QObject* eltern = nullptr);
    ~TQuizAnzeige() override;

    Quiz& quiz() { return m_quiz; }
    const Quiz& quiz() const { return m_quiz; }
    QTimer& ZeitTimer() { return m_zeitTimer; }
    // Answer element k, or nullptr when it was removed.
    TAntwortElement* Element(int k) const;

    // "Quiz starten" (F7 and the tool button).
    bool Starten();
    // A key of the main window during a quiz; true when the quiz used it.
    bool Taste(QKeyEvent* ereignis);
    // The main window was resized while in quiz mode.
    void PanelGroesseGeaendert();

    // The program's drag cursor for the answer elements of labelling and cloze quizzes.
    QCursor ZiehCursor{Qt::OpenHandCursor};
    // The main window's part: views, protocol and best list.
    std::function<void(bool an)> Modus;
    std::function<void(const QString& text)> Protokoll;
    std::function<void()> ProtokollSpeichern;
    std::function<void(const BestenlistenErgebnis& ergebnis)> Bestenliste;

    // QuizOberflaeche
    QString NameAbfragen() override;
    bool OptionenZeigen(int dokTyp) override;
    bool OptionenVorJederUebung(int dokTyp) const override;
    void QuizmodusSetzen(bool an) override;
    QSize PanelGroesse() const override;
    void ZeitTimerSetzen(bool an) override;
    void Schritt(const QuizSchritt& schritt) override;
    ErgebnisWahl ErgebnisZeigen(const ErgebnisAnzeige& anzeige) override;
    void ProtokollUebergeben(const QString& text) override;
    void ProtokollAutomatischSpeichern() override;
    void BestenlisteEintragen(const BestenlistenErgebnis& ergebnis) override;

private:
    // Pauses and synchronous sounds run local event loops; a clock tick that falls into
    // one is left for the next tick, so it cannot end the quiz in the middle of a judgement.
    class SperrWarten final : public Warten {
    public:
        SperrWarten(Warten& innen, int& sperre) : m_innen(innen), m_sperre(sperre) {}
        void warten(int ms) override;

    private:
        Warten& m_innen;
        int& m_sperre;
    };
    class SperrTon final : public Ton {
    public:
        SperrTon(Ton& innen, int& sperre) : m_innen(innen), m_sperre(sperre) {}
        void abspielen(const QString& datei, bool synchron, bool schleife) override;
        void stoppen() override { m_innen.stoppen(); }

    private:
        Ton& m_innen;
        int& m_sperre;
    };

    void ElementeErzeugen();
    TAntwortElement* ElementAusVorrat(int k);
    void ElementeEntfernen();
    void KarteUmleiten(bool an);
    void Tick();

    Dokument& m_dok;
    Karte& m_karte;
    QuizFenster m_fenster;
    int m_sperre = 0;
    SperrWarten m_warten;
    SperrTon m_ton;
    Quiz m_quiz;
    QTimer m_zeitTimer;
    std::vector<TAntwortElement*> m_elemente; // by element number; nullptr once removed
    std::vector<TAntwortElement*> m_vorrat;   // every widget made so far, children of UebungPan
    std::array<QMetaObject::Connection, 3> m_kartenVerbindungen; // while the quiz mode lasts
};
