#pragma once
// The main window TForm1. It owns the document, the topic list and the options for
// the whole run and forwards its handlers to core functions; it only shows things.
#include "documents/dokument.h"
#include "documents/themen_aktionen.h"
#include "documents/themenliste.h"
#include "mapview/karte.h"
#include "network/netzuebung.h"
#include "results/bestenliste.h"
#include "results/protokoll.h"
#include "shell/av_main_menue.h"
#include "shell/dienste.h"
#include "shell/programmeinstellungen.h"
#include "platform/dateisperre.h"

#include <QCursor>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QActionGroup;
class QLabel;
class QWidget;
class TBildPanel;
class THoverPanel;
class TInfoBox;
class TInfoboxForm;
class TArbeitsblattForm;
class TKartenBild;
class TMailForm;
class TKennzInfoBox;
class TBestListForm;
class TBestListVerzForm;
class BestListVerfolger;
class TNameEingabeForm;
class TProtKomForm;
class TQuizAnzeige;
class TUebFertigForm;
class TUebInfoPan;
class TUebOptForm;
class TUebOptFragenForm;
class TUebProtokollForm;
class TUebungPan;
struct QuizLauf;
struct KlickErgebnis;

class TForm1 final : public QMainWindow {
    Q_OBJECT
public:
    // `befehlszeile` is the first command-line argument, or empty.
    TForm1(const Dienste& dienste, const QString& befehlszeile, QWidget* eltern = nullptr);
    ~TForm1() override;

    // Loads the settings, handles the command-line argument, shows the start panel and
    // reads the topic folder. Runs once, when the window is first shown; later calls do nothing.
    void ErsteAktivierung();
    void ThemenordnerEinlesen();
    void TitelAnzeigen();
    // A quiz is running and not finished yet.
    bool QuizLaeuft() const;
    void LernansichtZeigen();
    // The window side of a running quiz: mode 3, quiz panel over the map area, status panel.
    void QuizansichtZeigen();
    void ModusKnoepfeAktualisieren();

    // A document or best list handed over by a second start of the program (a double-click
    // in the file manager): the window comes to the front and opens it, asking first when
    // a quiz runs. An empty argument only brings the window to the front.
    void VonAussenOeffnen(const QString& argument);
    // The best list in the file `pfad`, ranked, in the best-list window (not waited for).
    void BestenlisteDateiZeigen(const QString& pfad);

    // Display modes of the menu "An&zeige".
    void AnzeigeVollbild();
    void AnzeigeFenster();
    void AnzeigeMinimieren();

    bool ErsteAktivierungAussteht() const { return m_ersteAktivierung; }
    bool SchliessenBestaetigt() const { return m_schliessen; }
    int Ansichtsmodus() const { return m_ansichtsmodus; }
    int Nummerierungsart() const { return m_nummerierungsart; }
    int Relayouts() const { return m_relayouts; }
    Dokument& dokument() { return m_dokument; }
    Karte& karte() { return m_karte; }
    TKartenBild& kartenbild() { return *m_lernKartPicImg; }
    TInfoboxForm& infoboxForm() { return *m_infoboxForm; }
    // The worksheet window, made on first use (av_main_arbeitsblatt.cpp).
    TArbeitsblattForm& arbeitsblattForm();
    void ArbeitsblattErstellen();
    TKennzInfoBox& kennzInfoBox() { return *m_kennzInfoBox; }
    TQuizAnzeige& quizAnzeige() { return *m_quizAnzeige; }
    TUebOptForm& uebOptForm() { return *m_uebOptForm; }
    TUebOptFragenForm& uebOptFragenForm() { return *m_uebOptFragenForm; }
    TNameEingabeForm& nameEingabeForm() { return *m_nameEingabeForm; }
    TUebFertigForm& uebFertigForm() { return *m_uebFertigForm; }
    TUebProtokollForm& uebProtokollForm() { return *m_uebProtokollForm; }
    TBestListForm& bestListForm() { return *m_bestListForm; }
    TBestListVerzForm& bestListVerzForm() { return *m_bestListVerzForm; }
    TUebungPan& uebungPan() { return *m_uebungPan; }
    TUebInfoPan& uebInfoPan() { return *m_uebInfoPan; }
    Protokoll& protokoll() { return m_protokoll; }
    Bestenliste& bestenliste() { return m_bestenliste; }
    ProgrammEinstellungenTyp& einstellungen() { return m_einstellungen; }
    Hauptmenue& menue() { return *m_menue; }
    Themenliste& themenliste() { return m_themenliste; }
    ThemenAktionen& themen() { return *m_themen; }
    TMailForm& mailForm() { return *m_mailForm; }

    // The map view's zoom and scroll keys land here (dx, dy in steps; +1/-1 zoom).
    std::function<void(int dx, int dy)> KarteVerschieben;
    std::function<void(int richtung)> KarteZoomen;

    // Application cursors 1 to 8 ("STIFT5" ... "HAND") and the drag cursor "DRAGBLACK".
    static QCursor AnwendungsCursor(int nummer);
    static QCursor ZiehCursor();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void CursorLaden();
    void FensterEinrichten();
    void OberflaecheAufbauen();
    void KopfleisteAufbauen(QWidget* lernPan);
    void KartenbereichAufbauen(QWidget* lernPan);
    void FarbenSetzen();
    void BefehleVerbinden();
    void OptionenVerbinden();
    void OptionenAnzeigen();
    void ThemenEinrichten();
    void DialogeErzeugen();
    void StartInfoZeigen();
    void KartenbereichAnordnen();
    void GroesseAnpassen();
    void AnzeigeWechseln(Qt::WindowStates zustand, bool rahmenlos);
    void ThemenMenueAufbauen(const Themenliste& liste, int listenindex);
    void ThemenMenueHaken(int listenindex);
    bool DokumentLesenMit(const QString& pfad, bool ordnerUebernehmen);
    // The network exercise (av_main_netzwerk.cpp).
    void NetzTeilnehmen();
    void NetzInitiieren();
    bool NetzOptionenZeigen(int32_t dokTyp);
    void NetzDokumentUebernehmen(Dokument&& neu);
    // While the exercise's best list is shown, it follows the shared file.
    std::unique_ptr<BestListVerfolger> NetzBestenlisteVerfolgen();
    void WerkzeugleisteUmschalten();
    // The map control and its clicks (av_main_karte.cpp).
    void KarteEinrichten();
    void KarteAufbauen();
    void KartenKlick(const KlickErgebnis& ergebnis);
    // The quiz, protocol and best list (av_main_quiz.cpp).
    void QuizEinrichten();
    void QuizBefehleVerbinden();
    void QuizStarten();
    void QuizAbbrechen();
    // Ends a quiz the user agreed to leave, as "Quiz abbrechen" does, without asking again.
    void QuizVerlassen();
    void QuizmodusWechseln(bool an);
    void QuizflaecheAnordnen();
    void BestenlisteZeigen(bool netz);
    // The class analysis (av_main_auswertung.cpp): the window over a .kqa, the records of
    // the best list shown, and the one append of a run's record beside a best list.
    void KlassenauswertungZeigen(const QString& kqaPfad);
    void BestenlistenAuswertungZeigen();
    void AntwortsatzAnhaengen(const QString& bestListPfad, const QuizLauf& lauf);
    // Export, clipboard copy and e-mail (av_main_ausgabe.cpp).
    void AusgabeBefehleVerbinden();
    void AnsichtExportieren();
    void AnsichtKopieren();
    void DokumentVersenden();

    Dienste m_dienste;
    QString m_befehlszeile;
    Dokument m_dokument;
    Karte m_karte{m_dokument}; // the composed map of m_dokument, for the whole run
    ProgrammEinstellungenTyp m_einstellungen;
    // What the store gave at the first activation; closing saves what differs from it.
    EinstellungsStand m_geladen;
    Themenliste m_themenliste;
    std::unique_ptr<ThemenAktionen> m_themen;
    std::unique_ptr<Hauptmenue> m_menue;
    Protokoll m_protokoll;
    // Retries on a locked list pause without an event loop: the completion of a quiz must
    // not run window messages in the middle of saving its result.
    WartenBlockierend m_dateiWarten;
    Bestenliste m_bestenliste{m_dienste.meldungen, m_dateiWarten};
    Netzuebung m_netzuebung{m_dienste.meldungen, m_dienste.systemInfo};

    bool m_ersteAktivierung = true;
    bool m_bestListNetz = false; // the best-list window shows the network exercise's list
    bool m_schliessen = false;
    bool m_relayout = true;
    bool m_werkzeugleisteZu = false;
    int m_ansichtsmodus = Ansichtsart::Lernansicht;
    int m_nummerierungsart = 1; // 1 ordered
    int m_relayouts = 0;

    TBildPanel* m_infoPan = nullptr;
    THoverPanel* m_lernKartBtn = nullptr;
    THoverPanel* m_uebungenBtn = nullptr;
    THoverPanel* m_bestenlisteBtn = nullptr;
    TBildPanel* m_titelPan = nullptr;
    QLabel* m_dokTitelLab = nullptr;
    THoverPanel* m_prevDokPan = nullptr;
    THoverPanel* m_naechstesPan = nullptr; // HoverPanel1
    QWidget* m_uebStatusPan = nullptr;
    TBildPanel* m_lernKartPan = nullptr;
    TKartenBild* m_lernKartPicImg = nullptr;
    THoverPanel* m_startInfoPan = nullptr;
    QLabel* m_startLinkLab = nullptr;
    TUebungPan* m_uebungPan = nullptr;
    TUebInfoPan* m_uebInfoPan = nullptr;
    QWidget* m_lernInfoPan = nullptr;
    QActionGroup* m_themenGruppe = nullptr;
    TInfoBox* m_infoBox = nullptr;
    TKennzInfoBox* m_kennzInfoBox = nullptr;
    TInfoboxForm* m_infoboxForm = nullptr;
    TArbeitsblattForm* m_arbeitsblattForm = nullptr;
    TUebOptForm* m_uebOptForm = nullptr;
    TUebOptFragenForm* m_uebOptFragenForm = nullptr;
    TUebFertigForm* m_uebFertigForm = nullptr;
    TNameEingabeForm* m_nameEingabeForm = nullptr;
    TProtKomForm* m_protKomForm = nullptr;
    TUebProtokollForm* m_uebProtokollForm = nullptr;
    TBestListForm* m_bestListForm = nullptr;
    TBestListVerzForm* m_bestListVerzForm = nullptr;
    TMailForm* m_mailForm = nullptr;
    // The quiz display works on the panels and the map above: as the last member it goes
    // first, while the child widgets still stand.
    std::unique_ptr<TQuizAnzeige> m_quizAnzeige;
};
