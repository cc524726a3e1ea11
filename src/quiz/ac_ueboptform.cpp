#include "quiz/ac_ueboptform.h"

#include "quiz/uebdaten.h"
#include "data/hintergrund.h"
#include "widgets/fensterfarben.h"
#include "widgets/fensterrahmen.h"
#include "quiz/quizoptionen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int FensterBreite = 700;
constexpr int FragenBreite = 704;
constexpr int FragenHoehe = 282;
constexpr int RadioHoehe = 22;

QLabel* Bild(QWidget* eltern, const QString& glyphe, QPoint ort, const QString& name) {
    auto* label = new QLabel(eltern);
    label->setObjectName(name);
    // Scaled to the line height of the radio item it stands beside.
    const QImage bild = RessourcenBild(glyphe);
    if (!bild.isNull())
        label->setPixmap(
            QPixmap::fromImage(bild.scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    label->setGeometry(QRect(ort, QSize(20, 20)));
    return label;
}

} // namespace

// ---------------------------------------------------------------------------------------------

TUebOptForm::TUebOptForm(ProgrammEinstellungenTyp& werte, QWidget* eltern)
    : UebOptFensterBasis(werte.UebOpt, QStringLiteral("UebOptForm"),
                         QStringLiteral("Übungsoptionen für Bildbeschriftung und Lückentext"), eltern) {
    m_abfrageModus =
        OptionsGruppe(QStringLiteral("AbfrageModus"), QStringLiteral(" Abfragemodus "),
                      {QStringLiteral(" freie Zuordnung "), QStringLiteral(" Einzelabfrage Texte "),
                       QStringLiteral(" Einzelabfrage Positionen ")},
                      QRect(12, 10, 300, 94), &UebOptionenTyp::AbfrageModus);
    Text(this, QStringLiteral("Texte in beliebiger Reihenfolge zuordnen"), QRect(326, 22, 220, 36),
         QStringLiteral("AbfrageLab1"))
        ->setWordWrap(true);
    Text(this, QStringLiteral("Bei der Einzelabfrage werden Texte bzw. Positionen einzeln vorgegeben."),
         QRect(326, 60, 220, 50), QStringLiteral("AbfrageLab2"))
        ->setWordWrap(true);

    ZeitlimitAnlegen({QStringLiteral(" ohne Zeitlimit"), QStringLiteral(" mit Zeitlimit:")},
                     QRect(12, 112, 300, 72));

    // Feedback always comes at once for every assignment; the choice is kept but never shown.
    QGroupBox* rifa = nullptr;
    QButtonGroup* rueckmeldung = RadioGruppe(
        this, QStringLiteral("RiFaRueckmeldung"), QStringLiteral(" Richtig-/Falsch-Rückmeldung "),
        {QStringLiteral(" sofort bei jeder Zuordnung "), QStringLiteral(" erst am Ende der Übung ")},
        QRect(326, 200, 220, 70), &rifa);
    rueckmeldung->button(0)->setChecked(true);
    rifa->setVisible(false);

    erweiterteGruppenAnlegen();

    ZeigenUndKnoepfeAnlegen(QStringLiteral("UebOptZeigenCheck"), QRect(562, 14, 126, 28));
    m_erw = Knopf(this, QStringLiteral("Erweitert..."), QStringLiteral("ErwBtn"), QRect(562, 82, 126, 28));
    NetzPanelAnlegen(QRect(326, 118, 362, 70));
    connect(m_erw, &QPushButton::clicked, this, &TUebOptForm::ErwBtnClick);

    ansichtSetzen(UebOptAnsichtFuer(UebOptHoeheReduziert));
    BeiRahmenAenderung(this, [this](const QMargins&, const QMargins&) {
        ansichtSetzen(UebOptAnsichtFuer(m_hoehe));
        HintergrundZeichnen(this);
        if (isVisible()) AufSchirmZentrieren();
    });
    WerteAnzeigen();
}

void TUebOptForm::erweiterteGruppenAnlegen() {
    QGroupBox* kasten = nullptr;
    m_zuordnungRichtig = OptionsGruppe(
        QStringLiteral("ZuordnungRichtig"), QStringLiteral(" Verhalten bei richtiger Zuordnung "),
        {QStringLiteral(" Beschriftung einblenden "), QStringLiteral(" grünes Häkchen setzen ")},
        QRect(12, 204, 330, 72), &UebOptionenTyp::ZuordnungRichtig, &kasten);
    Text(kasten, QStringLiteral("Text"), QRect(270, 20, 40, RadioHoehe), QStringLiteral("RichtigTextLab"));
    Bild(kasten, QStringLiteral("glyphen/haekchen"), QPoint(270, 43), QStringLiteral("RichtigImg"));
    m_erweitert[0] = kasten;

    m_zuordnungFalsch = OptionsGruppe(QStringLiteral("ZuordnungFalsch"),
                                      QStringLiteral(" Verhalten bei falscher Zuordnung (Fehlversuch) "),
                                      {QStringLiteral(" beliebig viele Zuordnungsversuche erlaubt "),
                                       QStringLiteral(" rotes Kreuz setzen,  ")},
                                      QRect(350, 204, 338, 96), &UebOptionenTyp::ZuordnungFalsch, &kasten);
    // The caption of item 1 goes on in a label below it, so the long text fits the group.
    Text(kasten, QStringLiteral("keine erneute Zuordnung an dieser Position"), QRect(30, 64, 290, 20),
         QStringLiteral("ZF1Lab"));
    Text(kasten, QStringLiteral("  -"), QRect(300, 20, 24, RadioHoehe), QStringLiteral("FalschTextLab"));
    Bild(kasten, QStringLiteral("glyphen/kreuz"), QPoint(300, 43), QStringLiteral("FalschImg"));
    m_erweitert[1] = kasten;

    m_zuordnungstexte =
        OptionsGruppe(QStringLiteral("Zuordnungstexte"), QStringLiteral(" Zuordnungstexte "),
                      {QStringLiteral(" alphabetisch geordnet "), QStringLiteral(" zufällig gemischt ")},
                      QRect(12, 308, 330, 72), &UebOptionenTyp::Zuordnungstexte, &kasten);
    Text(kasten, QStringLiteral("A B C D ..."), QRect(240, 20, 80, RadioHoehe));
    Text(kasten, QStringLiteral("B D A C ..."), QRect(240, 42, 80, RadioHoehe));
    m_erweitert[2] = kasten;

    m_zuordnungsziele =
        OptionsGruppe(QStringLiteral("Zuordnungsziele"), QStringLiteral(" Zuordnungsziele (Positionen) "),
                      {QStringLiteral(" geordnet nummeriert "),
                       QStringLiteral(" zufällig gemischt nummeriert "), QStringLiteral(" Fragezeichen ")},
                      QRect(350, 308, 338, 96), &UebOptionenTyp::Zuordnungsziele, &kasten);
    Text(kasten, QStringLiteral("1 2 3 4 ..."), QRect(250, 20, 80, RadioHoehe));
    Text(kasten, QStringLiteral("2 4 1 3 ..."), QRect(250, 42, 80, RadioHoehe));
    Text(kasten, QStringLiteral("?"), QRect(250, 64, 80, RadioHoehe));
    m_erweitert[3] = kasten;
}

void TUebOptForm::ansichtSetzen(const UebOptAnsicht& ansicht) {
    // The heights are those of the whole window; the frame comes off the inside.
    m_hoehe = ansicht.hoehe;
    setFixedSize(InnenGroesse(QSize(FensterBreite, ansicht.hoehe), Fensterrahmen(this)));
    GroesseAnpassen();
    m_erw->setText(ansicht.knopfText);
    for (QWidget* gruppe : m_erweitert)
        gruppe->setVisible(ansicht.erweitert);
}

// The check box stays at the foot of whichever view.
void TUebOptForm::GroesseAnpassen() {
    ZeigenKasten()->setGeometry(14, height() - 34, 440, 22);
}

void TUebOptForm::ErwBtnClick() {
    ansichtSetzen(UebOptUmschalten(frameGeometry().height()));
    HintergrundZeichnen(this);
    AufSchirmZentrieren();
}

bool TUebOptForm::ZeigenCheck() const {
    return ZeigenKasten()->isChecked();
}

void TUebOptForm::setzeZeigenCheck(bool an) {
    ZeigenKasten()->setChecked(an);
}

// ---------------------------------------------------------------------------------------------

TUebOptFragenForm::TUebOptFragenForm(ProgrammEinstellungenTyp& werte, TUebOptForm& hauptform, QWidget* eltern)
    : UebOptFensterBasis(werte.UebOptFragen, QStringLiteral("UebOptFragenForm"),
                         QStringLiteral("Übungsoptionen für Einzelfragen"), eltern),
      m_hauptform(hauptform) {
    setFixedSize(FragenBreite, FragenHoehe);

    m_zuordnungFalsch = OptionsGruppe(QStringLiteral("ZuordnungFalsch"), QStringLiteral(" Abfragemodus "),
                                      {QStringLiteral(" solange wiederholen, bis jede Frage richtig "
                                                      "beantwortet wurde "),
                                       QStringLiteral(" jede Frage nur einmal stellen ")},
                                      QRect(12, 10, 520, 72), &UebOptionenTyp::ZuordnungFalsch);
    m_zuordnungstexte =
        OptionsGruppe(QStringLiteral("Zuordnungstexte"), QStringLiteral(" Antwortmöglichkeiten "),
                      {QStringLiteral(" alphabetisch geordnet "), QStringLiteral(" zufällig gemischt ")},
                      QRect(12, 90, 256, 72), &UebOptionenTyp::Zuordnungstexte);
    m_zuordnungsziele =
        OptionsGruppe(QStringLiteral("Zuordnungsziele"), QStringLiteral(" Reihenfolge der Fragen "),
                      {QStringLiteral(" geordnet "), QStringLiteral(" zufällig gemischt ")},
                      QRect(276, 90, 256, 72), &UebOptionenTyp::Zuordnungsziele);
    ZeitlimitAnlegen({QStringLiteral(" ohne Zeitlimit "), QStringLiteral(" Zeitlimit von: ")},
                     QRect(12, 170, 520, 72));

    ZeigenUndKnoepfeAnlegen(QStringLiteral("UebOptFragenZeigenCheck"), QRect(566, 14, 124, 28))
        ->setGeometry(14, 252, 440, 22);
    NetzPanelAnlegen(QRect(544, 90, 150, 150));

    WerteAnzeigen();
}

void TUebOptFragenForm::showEvent(QShowEvent* ereignis) {
    ZeigenKasten()->setChecked(m_hauptform.ZeigenCheck());
    UebOptFensterBasis::showEvent(ereignis);
}

void TUebOptFragenForm::done(int ergebnis) {
    m_hauptform.setzeZeigenCheck(ZeigenKasten()->isChecked());
    UebOptFensterBasis::done(ergebnis);
}
