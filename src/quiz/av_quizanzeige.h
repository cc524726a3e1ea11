#pragma once
// The window side of a quiz: it implements QuizOberflaeche for the main window. The
// answer elements in UebungPan mirror the quiz's element list, the status panel shows
// the figures, ZeitTimer drives the clock, and the option, name and result windows are
// shown when the quiz asks for them. The map paints into the quiz background while the
// quiz runs.
#include "quiz/quiz.h"
#include "widgets/zugang.h"

#include <QCursor>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
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

class TQuizAnzeige final : public QObject, public QuizOberflaeche, public ZugangsQuelle {
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
    std::function<void(const QuizLauf& lauf)> Protokoll;
    std::function<void()> ProtokollSpeichern;
    std::function<void(const QuizLauf& lauf)> Bestenliste;

    // QuizOberflaeche
    QString NameAbfragen() override;
    bool OptionenZeigen(int dokTyp) override;
    bool OptionenVorJederUebung(int dokTyp) const override;
    void QuizmodusSetzen(bool an) override;
    QSize PanelGroesse() const override;
    void ZeitTimerSetzen(bool an) override;
    void Schritt(const QuizSchritt& schritt) override;
    ErgebnisWahl ErgebnisZeigen(const ErgebnisAnzeige& anzeige) override;
    void ProtokollUebergeben(const QuizLauf& lauf) override;
    void ProtokollAutomatischSpeichern() override;
    void BestenlisteEintragen(const QuizLauf& lauf) override;

    // ZugangsQuelle: the instruction, the question or cloze text and the positions of the
    // quiz area, in that order.
    std::vector<ZugangsEintrag> ZugangsEintraege() const override;

private:
    void ElementeErzeugen();
    TAntwortElement* ElementAusVorrat(int k);
    void ElementeEntfernen();
    void KarteUmleiten(bool an);
    // The spoken feedback of a judgement: "Position 7: Italien, richtig".
    void UrteilAnsagen(int element);

    Dokument& m_dok;
    Karte& m_karte;
    QuizFenster m_fenster;
    Quiz m_quiz;
    QTimer m_zeitTimer;
    std::vector<TAntwortElement*> m_elemente; // by element number; nullptr once removed
    std::vector<TAntwortElement*> m_vorrat;   // every widget made so far, children of UebungPan
    std::array<QMetaObject::Connection, 3> m_kartenVerbindungen; // while the quiz mode lasts
    // Between the status text of a judgement and the colour of its element: the verdict
    // and the position, to be said with the element's text.
    struct Urteil {
        bool richtig = false;
        int ziel = -1;
    };
    std::optional<Urteil> m_urteil;
};
