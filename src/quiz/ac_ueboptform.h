#pragma once
// The two quiz options windows. Each binds to its own options record in
// ProgrammEinstellungenTyp; what they share is made by UebOptFensterBasis.
#include "quiz/ac_ueboptbasis.h"

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QWidget;
struct ProgrammEinstellungenTyp;
struct UebOptAnsicht;

// TUebOptForm: labelling and cloze documents; reduced (276) and extended (514) view.
class TUebOptForm final : public UebOptFensterBasis {
    Q_OBJECT
public:
    explicit TUebOptForm(ProgrammEinstellungenTyp& werte, QWidget* eltern = nullptr);

    // "Erweitert..." / "Reduziert...".
    void ErwBtnClick();

    bool ZeigenCheck() const;
    void setzeZeigenCheck(bool an);

    // Controls by role, for the window dressing and the tests.
    QButtonGroup* AbfrageModus() const { return m_abfrageModus; }
    QButtonGroup* ZuordnungRichtig() const { return m_zuordnungRichtig; }
    QButtonGroup* ZuordnungFalsch() const { return m_zuordnungFalsch; }
    QButtonGroup* Zuordnungstexte() const { return m_zuordnungstexte; }
    QButtonGroup* Zuordnungsziele() const { return m_zuordnungsziele; }
    QPushButton* ErwBtn() const { return m_erw; }

protected:
    void GroesseAnpassen() override;

private:
    void erweiterteGruppenAnlegen();
    void ansichtSetzen(const UebOptAnsicht& ansicht);

    QButtonGroup* m_abfrageModus = nullptr;
    QButtonGroup* m_zuordnungRichtig = nullptr;
    QButtonGroup* m_zuordnungFalsch = nullptr;
    QButtonGroup* m_zuordnungstexte = nullptr;
    QButtonGroup* m_zuordnungsziele = nullptr;
    QWidget* m_erweitert[4] = {};
    QPushButton* m_erw = nullptr;
    int m_hoehe = 0; // of the whole window, frame included
};

// TUebOptFragenForm: single-questions documents; fixed client size 704 x 282.
class TUebOptFragenForm final : public UebOptFensterBasis {
    Q_OBJECT
public:
    // Its check box mirrors UebOptZeigenCheck of `hauptform`: taken on activation, handed back on close.
    TUebOptFragenForm(ProgrammEinstellungenTyp& werte, TUebOptForm& hauptform, QWidget* eltern = nullptr);

    QButtonGroup* ZuordnungFalsch() const { return m_zuordnungFalsch; }
    QButtonGroup* Zuordnungstexte() const { return m_zuordnungstexte; }
    QButtonGroup* Zuordnungsziele() const { return m_zuordnungsziele; }
    QCheckBox* ZeigenCheck() const { return ZeigenKasten(); }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void done(int ergebnis) override;

private:
    TUebOptForm& m_hauptform;
    QButtonGroup* m_zuordnungFalsch = nullptr;
    QButtonGroup* m_zuordnungstexte = nullptr;
    QButtonGroup* m_zuordnungsziele = nullptr;
};
