#pragma once
// TUebFertigForm "Quiz beendet": the statistics of a finished quiz, the rating scale
// and the choice between repeating the quiz (complete or only what was not solved at
// the first attempt) and closing.
#include "quiz/quiz.h"

#include <QDialog>
#include <functional>

// The spoken grade of a result: "Schulnote 2, 82,0 %".
QString SkalaBeschreibung(const ErgebnisAnzeige& anzeige);

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

class TUebFertigForm final : public QDialog {
    Q_OBJECT
public:
    explicit TUebFertigForm(QWidget* eltern = nullptr);

    // "Protokoll..." and "Bestenliste..." open the other windows through these.
    std::function<void()> ProtokollZeigen;
    std::function<void()> BestenlisteZeigen;

    // Fills the labels and the scale; WiederholenMode is enabled only when a partial
    // repeat is possible and otherwise set to item 0.
    void Fuellen(const ErgebnisAnzeige& anzeige);
    // Shows the window modally and tells how it was left.
    ErgebnisWahl Zeigen(const ErgebnisAnzeige& anzeige);
    // The hidden FensterBtn: shrinks to a strip at the main window's corner and back.
    void FensterUmschalten();

    QLabel* Wert(const char* name) const; // e.g. "RichtigLab", "NoteLab", "ZeitArtLab"
    QLabel* BewertSkalaImg() const { return m_skala; }
    QButtonGroup* WiederholenMode() const { return m_wiederholen; }
    QGroupBox* WiederholenGruppe() const { return m_wiederholenGruppe; }
    QPushButton* WiederholenBtn() const { return m_wiederholenBtn; }
    QPushButton* LernBtn() const { return m_lernBtn; }
    QPushButton* ProtokollBtn() const { return m_protokollBtn; }
    QPushButton* BestListBtn() const { return m_bestListBtn; }
    QPushButton* FensterBtn() const { return m_fensterBtn; }
    // Every figure with its caption, as a screen reader says it when the window opens.
    QString Zusammenfassung() const;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void statistikAnlegen();
    void wiederholenAnlegen();
    void knoepfeAnlegen();
    void volleGroesse();
    void hintergrundZeichnen();

    QLabel* m_hintergrund = nullptr;
    QLabel* m_skala = nullptr;
    QButtonGroup* m_wiederholen = nullptr;
    QGroupBox* m_wiederholenGruppe = nullptr;
    QPushButton* m_wiederholenBtn = nullptr;
    QPushButton* m_lernBtn = nullptr;
    QPushButton* m_protokollBtn = nullptr;
    QPushButton* m_bestListBtn = nullptr;
    QPushButton* m_fensterBtn = nullptr;
    int m_designHoehe = 0;
    bool m_wiederholenGewaehlt = false;
};
