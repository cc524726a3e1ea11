#pragma once
// The window "Klassenauswertung": the map of what the class got wrong, coloured per
// position, with the confusions on hover and focus, the tables per position and per
// pupil, and printing, CSV and the clipboard through the program's ports.
#include "analysis/antwortsatz.h"
#include "analysis/auswertung.h"
#include "analysis/auswertung_karte.h"
#include "documents/dokument.h"

#include <QDialog>
#include <QStringList>
#include <memory>

class Dialoge;
class Meldungen;
class QComboBox;
class QLabel;
class QTableWidget;
class Zwischenablage;
class AuswertungsKartenFeld;

class TKlassenauswertungForm final : public QDialog {
    Q_OBJECT
public:
    TKlassenauswertungForm(Meldungen& meldungen, Dialoge& dialoge, Zwischenablage& ablage,
                           QWidget* eltern = nullptr);
    ~TKlassenauswertungForm() override;

    // Reads the records and looks for their document in the .kqa's folder and `suchordner`;
    // asks for it when it is missing. False (after a message) when the file cannot be read.
    bool Oeffnen(const QString& kqaPfad, const QStringList& suchordner);

    void UmfangSetzen(AuswertungsUmfang umfang);
    void Drucken();
    void Speichern();
    void InZwischenablage();

    const Auswertung& auswertung() const { return m_auswertung; }
    const AuswertungsBild& karte() const { return m_karte; }
    QTableWidget* positionenTabelle() const { return m_positionen; }
    QTableWidget* schuelerTabelle() const { return m_schueler; }
    AuswertungsKartenFeld* kartenFeld() const { return m_feld; }

private:
    AuswertungsUmfang Umfang() const;
    bool Lesen(const QString& kqaPfad, AuswertungsUmfang umfang);
    void UmfangGewechselt();
    void Neuberechnen();
    void TabelleFuellen(QTableWidget* tabelle, const std::vector<QStringList>& zeilen);
    bool DokumentLaden(const QString& kqaPfad, const QStringList& suchordner);

    Meldungen& m_meldungen;
    Dialoge& m_dialoge;
    Zwischenablage& m_ablage;
    KqaBestand m_bestand;
    Dokument m_dok;
    bool m_mitDokument = false;
    QString m_kqaPfad;
    Auswertung m_auswertung;
    AuswertungsBild m_karte;
    QComboBox* m_umfang = nullptr;
    QLabel* m_warnungen = nullptr;
    AuswertungsKartenFeld* m_feld = nullptr;
    QTableWidget* m_positionen = nullptr;
    QTableWidget* m_schueler = nullptr;
};
