// The main window's side of the quiz, the protocol and the best list.
#include "shell/av_main.h"

#include "data/av_data.h"
#include "mapview/ac_kartenbild.h"
#include "platform/av_fensterstapel.h"
#include "quiz/ac_uebfertig.h"
#include "quiz/av_quizanzeige.h"
#include "quiz/av_uebungpan.h"
#include "quiz/quizlauf.h"
#include "results/ac_bestlist.h"
#include "results/ac_uebprotokoll.h"
#include "results/av_bestlistverz.h"
#include "results/bestenliste_verfolger.h"
#include "results/protokoll_speichern.h"
#include "results/protokoll_text.h"
#include "widgets/hoverpanel.h"

#include <QLabel>

void TForm1::QuizEinrichten() {
    QuizFenster fenster;
    fenster.uebungPan = m_uebungPan;
    fenster.uebInfoPan = m_uebInfoPan;
    fenster.uebOpt = m_uebOptForm;
    fenster.uebOptFragen = m_uebOptFragenForm;
    fenster.nameEingabe = m_nameEingabeForm;
    fenster.uebFertig = m_uebFertigForm;
    fenster.kennzInfo = m_kennzInfoBox;
    const QuizDienste dienste{m_dienste.meldungen, m_dienste.uhr, m_dienste.warten, m_dienste.ton,
                              m_dienste.systemInfo};
    m_quizAnzeige = std::make_unique<TQuizAnzeige>(m_dokument, m_karte, m_einstellungen, dienste, fenster);
    m_quizAnzeige->ZiehCursor = ZiehCursor();
    // Building the map hides the question counter; a single question shows it again.
    connect(&m_karte, &Karte::vorAufbau, m_uebungPan,
            [pan = m_uebungPan] { pan->FrageZaehlerPan()->hide(); });
    m_quizAnzeige->Modus = [this](bool an) { QuizmodusWechseln(an); };
    m_quizAnzeige->Protokoll = [this](const QuizLauf& lauf) { m_protokoll.ersetzen(ProtokollText(lauf)); };
    m_quizAnzeige->ProtokollSpeichern = [this] {
        ProtokollAutomatischSpeichern(m_protokoll, Ordner().Protokollordner, m_dienste.uhr,
                                      m_dienste.systemInfo, m_dienste.meldungen);
    };
    m_quizAnzeige->Bestenliste = [this](const QuizLauf& lauf) {
        // Every entry that reaches a best list gets its answer record beside it.
        if (!m_bestenliste.laufEintragen(lauf, Ordner())) return;
        const ProgrammOrdnerTyp& o = Ordner();
        AntwortsatzAnhaengen(lauf.Netzuebung ? NetzBestListPfad(o.Kommunikationsordner, o.Kanalname)
                                             : BestListPfad(o.Bestenlistenordner, lauf.Dokumentpfad),
                             lauf);
    };
    // The result window stays on top (a joined exercise shows the exercise's list): what it opens must be its
    // child to be seen.
    m_uebFertigForm->ProtokollZeigen = [this] {
        const UeberFenster oben(m_uebProtokollForm, m_uebFertigForm);
        m_uebProtokollForm->exec();
    };
    m_uebFertigForm->BestenlisteZeigen = [this] {
        const UeberFenster oben(m_bestListForm, m_uebFertigForm);
        BestenlisteZeigen(m_quizAnzeige->quiz().NetzUebung());
    };
}

void TForm1::QuizBefehleVerbinden() {
    Hauptmenue& m = *m_menue;
    m.verbinden(QStringLiteral("QuizStarten1"), [this] { QuizStarten(); });
    m.verbinden(QStringLiteral("Uebungsoptionen1"), [this] { m_quizAnzeige->quiz().OptionenOeffnen(); });
    m.verbinden(QStringLiteral("QuizAbbrechen1"), [this] { QuizAbbrechen(); });
    m.verbinden(QStringLiteral("Bestenliste1"), [this] { BestenlisteZeigen(false); });
    m.verbinden(QStringLiteral("BestenlisteNetz1"), [this] { BestenlisteZeigen(true); });
    m.verbinden(QStringLiteral("Protokoll1"), [this] { m_uebProtokollForm->exec(); });
    m.verbinden(QStringLiteral("OrdnerProtBest1"), [this] { m_bestListVerzForm->exec(); });
    connect(m_uebungenBtn, &THoverPanel::clicked, this, [this] { QuizStarten(); });
    connect(m_lernKartBtn, &THoverPanel::clicked, this, [this] { QuizAbbrechen(); });
    connect(m_bestenlisteBtn, &THoverPanel::clicked, this, [this] { BestenlisteZeigen(false); });
}

void TForm1::QuizStarten() {
    // A refused start lets the tool button spring back.
    if (!m_quizAnzeige->Starten()) ModusKnoepfeAktualisieren();
}

void TForm1::QuizAbbrechen() {
    m_quizAnzeige->quiz().Abbrechen();
    ModusKnoepfeAktualisieren();
}

void TForm1::QuizVerlassen() {
    m_quizAnzeige->quiz().Verlassen();
    ModusKnoepfeAktualisieren();
}

void TForm1::QuizmodusWechseln(bool an) {
    if (an) {
        // The quiz paints the map into its own background meanwhile.
        m_lernKartPicImg->KarteVerbinden(false);
        QuizansichtZeigen();
        return;
    }
    m_uebungPan->MarkeSetzen(QRect(), false);
    m_lernKartPicImg->KarteVerbinden(true);
    LernansichtZeigen();
}

void TForm1::BestenlisteZeigen(bool netz) {
    m_bestListNetz = netz;
    m_bestenliste.zeigen(m_dokument, Ordner(), netz, [this, netz](const QString& titel) {
        m_bestListForm->setWindowTitle(titel);
        std::unique_ptr<BestListVerfolger> verfolger;
        if (netz) verfolger = NetzBestenlisteVerfolgen();
        m_bestListForm->exec();
    });
}
