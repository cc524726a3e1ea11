#pragma once
// The two quiz options windows. Their controls edit the option fields of
// ProgrammEinstellungenTyp directly (every change is written at once), so a change
// applies to the next quiz whichever button closes the window, and the settings
// store loads and saves the same fields.
#include <QDialog>
#include <QString>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QWidget;
struct ProgrammEinstellungenTyp;
struct UebOptAnsicht;

// TUebOptForm: labelling and cloze documents; reduced (276) and extended (514) view.
class TUebOptForm final : public QDialog {
    Q_OBJECT
public:
    explicit TUebOptForm(ProgrammEinstellungenTyp& werte, QWidget* eltern = nullptr);

    // Sets every control from the option fields (after the settings were loaded).
    void WerteAnzeigen();
    // "Erweitert..." / "Reduziert...".
    void ErwBtnClick();
    // The network initiation shows the window with another caption and the hint panel;
    // closing by either button restores the caption of creation and hides the panel.
    void NetzModusSetzen(const QString& titel);

    bool ZeigenCheck() const;
    void setzeZeigenCheck(bool an);

    // Controls by role, for the window dressing and the tests. Radio groups give the
    // index of the chosen item as the button id.
    QButtonGroup* AbfrageModus() const { return m_abfrageModus; }
    QButtonGroup* Zeitlimit() const { return m_zeitlimit; }
    QButtonGroup* ZuordnungRichtig() const { return m_zuordnungRichtig; }
    QButtonGroup* ZuordnungFalsch() const { return m_zuordnungFalsch; }
    QButtonGroup* Zuordnungstexte() const { return m_zuordnungstexte; }
    QButtonGroup* Zuordnungsziele() const { return m_zuordnungsziele; }
    QLineEdit* ZLimitMin() const { return m_min; }
    QLineEdit* ZLimitSek() const { return m_sek; }
    QPushButton* OkBtn() const { return m_ok; }
    QPushButton* CloseBtn() const { return m_close; }
    QPushButton* ErwBtn() const { return m_erw; }
    QWidget* NetzUebInitPan() const { return m_netzPan; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void done(int ergebnis) override;

private:
    void erweiterteGruppenAnlegen();
    void verbinden();
    void ansichtSetzen(const UebOptAnsicht& ansicht);

    ProgrammEinstellungenTyp& m_werte;
    QString m_titel;
    QButtonGroup* m_abfrageModus = nullptr;
    QButtonGroup* m_zeitlimit = nullptr;
    QButtonGroup* m_zuordnungRichtig = nullptr;
    QButtonGroup* m_zuordnungFalsch = nullptr;
    QButtonGroup* m_zuordnungstexte = nullptr;
    QButtonGroup* m_zuordnungsziele = nullptr;
    QWidget* m_erweitert[4] = {};
    QLineEdit* m_min = nullptr;
    QLineEdit* m_sek = nullptr;
    QCheckBox* m_zeigen = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_erw = nullptr;
    QWidget* m_netzPan = nullptr;
    int m_hoehe = 0; // of the whole window, frame included
};

// TUebOptFragenForm: single-questions documents; fixed client size 704 x 282.
class TUebOptFragenForm final : public QDialog {
    Q_OBJECT
public:
    // Its check box mirrors UebOptZeigenCheck of `hauptform`: taken on activation, handed back on close.
    TUebOptFragenForm(ProgrammEinstellungenTyp& werte, TUebOptForm& hauptform, QWidget* eltern = nullptr);

    void WerteAnzeigen();
    void NetzModusSetzen(const QString& titel);

    QButtonGroup* ZuordnungFalsch() const { return m_zuordnungFalsch; }
    QButtonGroup* Zuordnungstexte() const { return m_zuordnungstexte; }
    QButtonGroup* Zuordnungsziele() const { return m_zuordnungsziele; }
    QButtonGroup* Zeitlimit() const { return m_zeitlimit; }
    QLineEdit* ZLimitMin() const { return m_min; }
    QLineEdit* ZLimitSek() const { return m_sek; }
    QCheckBox* ZeigenCheck() const { return m_zeigen; }
    QPushButton* OkBtn() const { return m_ok; }
    QPushButton* CloseBtn() const { return m_close; }
    QWidget* NetzUebInitPan() const { return m_netzPan; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void done(int ergebnis) override;

private:
    void verbinden();

    ProgrammEinstellungenTyp& m_werte;
    TUebOptForm& m_hauptform;
    QString m_titel;
    QButtonGroup* m_zuordnungFalsch = nullptr;
    QButtonGroup* m_zuordnungstexte = nullptr;
    QButtonGroup* m_zuordnungsziele = nullptr;
    QButtonGroup* m_zeitlimit = nullptr;
    QLineEdit* m_min = nullptr;
    QLineEdit* m_sek = nullptr;
    QCheckBox* m_zeigen = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_close = nullptr;
    QWidget* m_netzPan = nullptr;
};
