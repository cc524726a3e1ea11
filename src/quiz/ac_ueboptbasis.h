#pragma once
// What the two quiz options windows have in common: the time-limit group with its minutes
// and seconds fields, the "show before every quiz" check box, the OK and Close buttons and
// the network hint panel. Each window binds to its own options record: every change of a
// control is written into the record at once, so a change applies to the next quiz
// whichever button closes the window, and the settings store loads and saves the same record.
#include <QDialog>
#include <QRect>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
struct UebOptionenTyp;

class UebOptFensterBasis : public QDialog {
    Q_OBJECT
public:
    // Sets every control from the options record (after the settings were loaded).
    void WerteAnzeigen();
    // The network initiation shows the window with another caption and the hint panel;
    // closing by either button restores the caption of creation and hides the panel.
    void NetzModusSetzen(const QString& titel);

    // Radio groups give the index of the chosen item as the button id.
    QButtonGroup* Zeitlimit() const { return m_zeitlimit; }
    QLineEdit* ZLimitMin() const { return m_min; }
    QLineEdit* ZLimitSek() const { return m_sek; }
    QPushButton* OkBtn() const { return m_ok; }
    QPushButton* CloseBtn() const { return m_close; }
    QWidget* NetzUebInitPan() const { return m_netzPan; }

protected:
    UebOptFensterBasis(UebOptionenTyp& optionen, const QString& name, const QString& titel, QWidget* eltern);

    // The controls are made by the windows in their own order, which is also the tab order.
    // A radio group bound to a field of the options record.
    QButtonGroup* OptionsGruppe(const QString& name, const QString& titel, const QStringList& punkte,
                                QRect platz, int UebOptionenTyp::*feld, QGroupBox** kasten = nullptr);
    // The time-limit group, with the minutes and seconds fields on the line of its second item.
    void ZeitlimitAnlegen(const QStringList& punkte, QRect platz);
    // The check box and the OK and Close buttons, one below the other at `knoepfe`.
    QCheckBox* ZeigenUndKnoepfeAnlegen(const QString& zeigenName, QRect knoepfe);
    void NetzPanelAnlegen(QRect platz);
    QCheckBox* ZeigenKasten() const { return m_zeigen; }
    void AufSchirmZentrieren();

    // A captioned group of radio buttons stacked from the top, not bound to any field.
    static QButtonGroup* RadioGruppe(QWidget* eltern, const QString& name, const QString& titel,
                                     const QStringList& punkte, QRect platz, QGroupBox** kasten = nullptr);
    static QLabel* Text(QWidget* eltern, const QString& text, QRect platz, const QString& name = {});
    static QPushButton* Knopf(QWidget* eltern, const QString& text, const QString& name, QRect platz);

    // Called on every resize before the background is drawn again.
    virtual void GroesseAnpassen() {}

    void showEvent(QShowEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void done(int ergebnis) override;

private:
    UebOptionenTyp& m_optionen;
    QString m_titel;
    std::vector<std::pair<QButtonGroup*, int UebOptionenTyp::*>> m_gruppen; // in the order made
    QButtonGroup* m_zeitlimit = nullptr;
    QLineEdit* m_min = nullptr;
    QLineEdit* m_sek = nullptr;
    QCheckBox* m_zeigen = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_close = nullptr;
    QWidget* m_netzPan = nullptr;
};
