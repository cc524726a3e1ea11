#pragma once
// The worksheet window TArbeitsblattForm ("Arbeitsblatt"): options, preview of the page,
// saving as a metafile, copying and printing.
#include "worksheet/arbeitsblatt.h"

#include <QCursor>
#include <QDialog>
#include <QImage>
#include <memory>

class Dialoge;
class Meldungen;
class Zwischenablage;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QWidget;
class ZiehRollen;

class TArbeitsblattForm final : public QDialog {
    Q_OBJECT
public:
    TArbeitsblattForm(Meldungen& meldungen, Dialoge& dialoge, Zwischenablage& ablage,
                      QWidget* eltern = nullptr);
    ~TArbeitsblattForm() override;

    void setzeZiehCursor(const QCursor& cursor);
    // Activation: title, start-number field, first page; `steuerelement` is the size of
    // the map control the labelling map is composed for. Zeigen() also shows it modally.
    void Aktivieren(const Dokument& dok, QSize steuerelement);
    int Zeigen(const Dokument& dok, QSize steuerelement);

    void Generieren();
    void Speichern();
    void InZwischenablage();
    void Drucken();
    ArbeitsblattOptionen Optionen() const;
    const Arbeitsblatt* Seite() const { return m_seite.get(); }

    QScrollArea* ABScrollBox() const { return m_scrollBox; }
    QFrame* ABPan() const { return m_pan; }
    QLabel* ABImg() const { return m_img; }
    QSpinBox* AbFrageEdit() const { return m_abFrage; }
    QLineEdit* TitelEdit() const { return m_titel; }
    QCheckBox* TitelCheck() const { return m_titelCheck; }
    QPlainTextEdit* AufgMemo() const { return m_aufgabe; }
    QButtonGroup* ModeRadio() const { return m_art; }
    QCheckBox* ABNameBox() const { return m_name; }
    QCheckBox* ABKlasseBox() const { return m_klasse; }
    QCheckBox* ABDatumBox() const { return m_datum; }
    QCheckBox* TextvorgabeCheck() const { return m_textvorgabe; }
    // The preview's layout alone, from the page bitmap already made (window resized).
    void VorschauAnordnen();

protected:
    // The preview follows the scroll area's viewport, which the layout has placed by then.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QWidget* ArtGruppe();
    QWidget* GestaltungGruppe();
    QWidget* Knoepfe();

    Meldungen& m_meldungen;
    Dialoge& m_dialoge;
    Zwischenablage& m_ablage;
    const Dokument* m_dok = nullptr;
    QSize m_steuerelement{870, 650};
    std::unique_ptr<Arbeitsblatt> m_seite;
    QImage m_seitenbild;

    QButtonGroup* m_art = nullptr;
    QCheckBox* m_name = nullptr;
    QCheckBox* m_klasse = nullptr;
    QCheckBox* m_datum = nullptr;
    QLineEdit* m_titel = nullptr;
    QCheckBox* m_titelCheck = nullptr;
    QPlainTextEdit* m_aufgabe = nullptr;
    QCheckBox* m_textvorgabe = nullptr;
    QWidget* m_abFrageZeile = nullptr;
    QSpinBox* m_abFrage = nullptr;
    QPushButton* m_schliessen = nullptr;
    QScrollArea* m_scrollBox = nullptr;
    QWidget* m_flaeche = nullptr;
    QFrame* m_pan = nullptr;
    QLabel* m_img = nullptr;
    ZiehRollen* m_ziehen = nullptr;
};
