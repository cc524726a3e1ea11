#pragma once
// The main window TForm1. It owns the document and the options for the whole run and
// forwards its handlers to core functions; it only shows things.
#include "documents/dokument.h"
#include "shell/dienste.h"
#include "shell/programmeinstellungen.h"

#include <QMainWindow>

class QLabel;
class QFrame;

class TForm1 final : public QMainWindow {
    Q_OBJECT
public:
    // `befehlszeile` is the first command-line argument, or empty.
    TForm1(const Dienste& dienste, const QString& befehlszeile, QWidget* eltern = nullptr);
    ~TForm1() override;

    // Loads the settings, handles the command-line argument, shows the start panel and
    // reads the topic folder. Runs once, when the window is first shown; later calls do nothing.
    void ErsteAktivierung();
    // Reads the topic folder into the quiz list (call point of the folder list).
    void ThemenordnerEinlesen();
    // Window caption and title label of the open document.
    void TitelAnzeigen();
    // A quiz is running and not finished yet.
    bool QuizLaeuft() const;

    bool ErsteAktivierungAussteht() const { return m_ersteAktivierung; }
    bool SchliessenBestaetigt() const { return m_schliessen; }
    int Ansichtsmodus() const { return m_ansichtsmodus; }
    int Nummerierungsart() const { return m_nummerierungsart; }
    Dokument& dokument() { return m_dokument; }
    ProgrammEinstellungenTyp& einstellungen() { return m_einstellungen; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void FensterEinrichten();
    void OberflaecheAufbauen();
    void MenueAnlegen();
    void DialogeErzeugen();
    void LernansichtZeigen();
    void StartInfoZeigen();
    void DokumentOeffnen(const QString& pfad);
    void DokumentSchliessen();

    Dienste m_dienste;
    QString m_befehlszeile;
    Dokument m_dokument;
    ProgrammEinstellungenTyp m_einstellungen;

    bool m_ersteAktivierung = true;
    bool m_schliessen = false;
    int m_ansichtsmodus = 2;    // 2 learning view, 3 quiz
    int m_nummerierungsart = 1; // 1 ordered

    QFrame* m_lernKartPan = nullptr;
    QLabel* m_dokTitelLab = nullptr;
    QLabel* m_startInfoPan = nullptr;
};
