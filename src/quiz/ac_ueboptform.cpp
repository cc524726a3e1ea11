#include "quiz/ac_ueboptform.h"

#include "quiz/uebdaten.h"
#include "data/hintergrund.h"
#include "widgets/fensterfarben.h"
#include "widgets/fensterrahmen.h"
#include "quiz/quizoptionen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int FensterBreite = 700;
constexpr int FragenBreite = 704;
constexpr int FragenHoehe = 282;
constexpr int RadioHoehe = 22;

const QString ZeigenText = QStringLiteral(" Dieses Dialogfenster vor jeder Übung anzeigen ");
const QString NetzText = QStringLiteral("Klicken Sie auf \"Übung starten\" um die Netzwerk-Übung zu "
                                        "initiieren.        Alle getätigten Einstellungen werden an die "
                                        "Übungsteilnehmer übermittelt.");

// A captioned group of radio buttons stacked from the top; the button ids are the item indexes.
QButtonGroup* RadioGruppe(QWidget* eltern, const QString& name, const QString& titel,
                          const QStringList& punkte, QRect platz, QGroupBox** kasten = nullptr) {
    auto* gruppe = new QGroupBox(titel, eltern);
    gruppe->setObjectName(name);
    gruppe->setGeometry(platz);
    auto* knoepfe = new QButtonGroup(gruppe);
    knoepfe->setObjectName(name);
    for (int i = 0; i < punkte.size(); ++i) {
        auto* radio = new QRadioButton(punkte[i], gruppe);
        radio->setObjectName(name + QString::number(i));
        // As wide as its caption: a click beside the caption must not choose the item.
        const int breite = std::min(radio->sizeHint().width(), platz.width() - 20);
        radio->setGeometry(10, 20 + i * RadioHoehe, breite, RadioHoehe);
        knoepfe->addButton(radio, i);
    }
    if (kasten != nullptr) *kasten = gruppe;
    return knoepfe;
}

// A damaged settings value must not leave a group without a chosen item: too large a value
// takes the last item, a negative one the first.
int GueltigerPunkt(const QButtonGroup* knoepfe, int wert) {
    const int anzahl = static_cast<int>(knoepfe->buttons().size());
    return std::clamp(wert, 0, anzahl - 1);
}

// Every choice goes straight into the option field, so the field always shows the window.
void Binden(QButtonGroup* knoepfe, int& feld) {
    QObject::connect(knoepfe, &QButtonGroup::idToggled, knoepfe, [&feld](int id, bool an) {
        if (an) feld = id;
    });
}

// The minutes and seconds fields write their texts into the option fields; only the
// learner's own edits switch the time limit on, not WerteAnzeigen's setText.
void ZeitfelderBinden(QLineEdit* min, QLineEdit* sek, QString& minWert, QString& sekWert,
                      QButtonGroup* zeitlimit, ProgrammEinstellungenTyp& werte, OptionsFenster fenster) {
    QObject::connect(min, &QLineEdit::textChanged, min, [&minWert](const QString& t) { minWert = t; });
    QObject::connect(sek, &QLineEdit::textChanged, sek, [&sekWert](const QString& t) { sekWert = t; });
    const auto zeitfeld = [&werte, fenster, zeitlimit] {
        ZeitfeldGeaendert(werte, fenster);
        zeitlimit->button(1)->setChecked(true);
    };
    QObject::connect(min, &QLineEdit::textEdited, min, zeitfeld);
    QObject::connect(sek, &QLineEdit::textEdited, sek, zeitfeld);
}

void Anzeigen(QButtonGroup* knoepfe, int& feld) {
    feld = GueltigerPunkt(knoepfe, feld);
    knoepfe->button(feld)->setChecked(true);
}

QLabel* Text(QWidget* eltern, const QString& text, QRect platz, const QString& name = {}) {
    auto* label = new QLabel(text, eltern);
    label->setGeometry(platz);
    if (!name.isEmpty()) label->setObjectName(name);
    return label;
}

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

QLineEdit* Zeitfeld(QWidget* eltern, const QString& name, QRect platz) {
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(name);
    feld->setGeometry(platz);
    feld->setMaxLength(2);
    // Whole numbers 0 to 59 only; an empty field is allowed while typing and counts as 0.
    static const QRegularExpression zahl(QStringLiteral("[0-5]?[0-9]"));
    feld->setValidator(new QRegularExpressionValidator(zahl, feld));
    return feld;
}

// Minutes and seconds fields with their units, on the line of the time-limit item, after its caption.
void ZeitfelderAnlegen(QGroupBox* kasten, const QAbstractButton* mitLimit, QLineEdit*& min, QLineEdit*& sek) {
    int x = mitLimit->geometry().right() + 6;
    const int y = mitLimit->y();
    min = Zeitfeld(kasten, QStringLiteral("ZLimitMin"), QRect(x, y, 28, 20));
    Text(kasten, QStringLiteral("Min."), QRect(x + 32, y, 30, 20));
    x += 68;
    sek = Zeitfeld(kasten, QStringLiteral("ZLimitSek"), QRect(x, y, 28, 20));
    Text(kasten, QStringLiteral("Sek."), QRect(x + 32, y, 30, 20));
}

QPushButton* Knopf(QWidget* eltern, const QString& text, const QString& name, QRect platz) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setObjectName(name);
    knopf->setGeometry(platz);
    return knopf;
}

QLabel* NetzPanel(QWidget* eltern, QRect platz) {
    auto* pan = new QLabel(NetzText, eltern);
    pan->setObjectName(QStringLiteral("NetzUebInitPan"));
    pan->setWordWrap(true);
    pan->setFrameShape(QFrame::Panel);
    pan->setFrameShadow(QFrame::Sunken);
    pan->setMargin(6);
    pan->setGeometry(platz);
    pan->setVisible(false);
    return pan;
}

QLabel* HintergrundBild(QWidget* fenster) {
    auto* bild = new QLabel(fenster);
    bild->setObjectName(QStringLiteral("MainBackImg"));
    bild->lower();
    return bild;
}

void AufSchirmZentrieren(QWidget* fenster) {
    const QScreen* schirm =
        fenster->screen() != nullptr ? fenster->screen() : QGuiApplication::primaryScreen();
    if (schirm == nullptr) return;
    const QRect s = schirm->geometry();
    // The whole window, frame included, is centred; move() places the frame.
    const QSize aussen = fenster->frameGeometry().size();
    fenster->move(s.left() + (s.width() - aussen.width()) / 2, s.top() + (s.height() - aussen.height()) / 2);
}

QCheckBox* ZeigenKasten(QWidget* eltern, const QString& name) {
    auto* kasten = new QCheckBox(ZeigenText, eltern);
    kasten->setObjectName(name);
    kasten->setChecked(true);
    return kasten;
}

} // namespace

// ---------------------------------------------------------------------------------------------

TUebOptForm::TUebOptForm(ProgrammEinstellungenTyp& werte, QWidget* eltern) : QDialog(eltern), m_werte(werte) {
    setObjectName(QStringLiteral("UebOptForm"));
    setWindowTitle(QStringLiteral("Übungsoptionen für Bildbeschriftung und Lückentext"));
    setModal(true);
    m_titel = windowTitle();
    DialogFarben(this);
    HintergrundBild(this);

    m_abfrageModus =
        RadioGruppe(this, QStringLiteral("AbfrageModus"), QStringLiteral(" Abfragemodus "),
                    {QStringLiteral(" freie Zuordnung "), QStringLiteral(" Einzelabfrage Texte "),
                     QStringLiteral(" Einzelabfrage Positionen ")},
                    QRect(12, 10, 300, 94));
    Text(this, QStringLiteral("Texte in beliebiger Reihenfolge zuordnen"), QRect(326, 22, 220, 36),
         QStringLiteral("AbfrageLab1"))
        ->setWordWrap(true);
    Text(this, QStringLiteral("Bei der Einzelabfrage werden Texte bzw. Positionen einzeln vorgegeben."),
         QRect(326, 60, 220, 50), QStringLiteral("AbfrageLab2"))
        ->setWordWrap(true);

    QGroupBox* zeitKasten = nullptr;
    m_zeitlimit = RadioGruppe(this, QStringLiteral("Zeitlimit"), QStringLiteral(" Zeitlimit "),
                              {QStringLiteral(" ohne Zeitlimit"), QStringLiteral(" mit Zeitlimit:")},
                              QRect(12, 112, 300, 72), &zeitKasten);
    ZeitfelderAnlegen(zeitKasten, m_zeitlimit->button(1), m_min, m_sek);

    // Feedback always comes at once for every assignment; the choice is kept but never shown.
    QGroupBox* rifa = nullptr;
    QButtonGroup* rueckmeldung = RadioGruppe(
        this, QStringLiteral("RiFaRueckmeldung"), QStringLiteral(" Richtig-/Falsch-Rückmeldung "),
        {QStringLiteral(" sofort bei jeder Zuordnung "), QStringLiteral(" erst am Ende der Übung ")},
        QRect(326, 200, 220, 70), &rifa);
    rueckmeldung->button(0)->setChecked(true);
    rifa->setVisible(false);

    erweiterteGruppenAnlegen();

    m_zeigen = ZeigenKasten(this, QStringLiteral("UebOptZeigenCheck"));
    m_ok = Knopf(this, QStringLiteral("Übung starten"), QStringLiteral("OkBtn"), QRect(562, 14, 126, 28));
    m_close = Knopf(this, QStringLiteral("Schließen"), QStringLiteral("CloseBtn"), QRect(562, 48, 126, 28));
    m_erw = Knopf(this, QStringLiteral("Erweitert..."), QStringLiteral("ErwBtn"), QRect(562, 82, 126, 28));
    m_ok->setDefault(true);
    m_netzPan = NetzPanel(this, QRect(326, 118, 362, 70));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_erw, &QPushButton::clicked, this, &TUebOptForm::ErwBtnClick);

    verbinden();
    ansichtSetzen(UebOptAnsichtFuer(UebOptHoeheReduziert));
    BeiRahmenAenderung(this, [this](const QMargins&, const QMargins&) {
        ansichtSetzen(UebOptAnsichtFuer(m_hoehe));
        HintergrundZeichnen(this);
        if (isVisible()) AufSchirmZentrieren(this);
    });
    WerteAnzeigen();
}

void TUebOptForm::erweiterteGruppenAnlegen() {
    QGroupBox* kasten = nullptr;
    m_zuordnungRichtig = RadioGruppe(
        this, QStringLiteral("ZuordnungRichtig"), QStringLiteral(" Verhalten bei richtiger Zuordnung "),
        {QStringLiteral(" Beschriftung einblenden "), QStringLiteral(" grünes Häkchen setzen ")},
        QRect(12, 204, 330, 72), &kasten);
    Text(kasten, QStringLiteral("Text"), QRect(270, 20, 40, RadioHoehe), QStringLiteral("RichtigTextLab"));
    Bild(kasten, QStringLiteral("glyphen/haekchen"), QPoint(270, 43), QStringLiteral("RichtigImg"));
    m_erweitert[0] = kasten;

    m_zuordnungFalsch = RadioGruppe(this, QStringLiteral("ZuordnungFalsch"),
                                    QStringLiteral(" Verhalten bei falscher Zuordnung (Fehlversuch) "),
                                    {QStringLiteral(" beliebig viele Zuordnungsversuche erlaubt "),
                                     QStringLiteral(" rotes Kreuz setzen,  ")},
                                    QRect(350, 204, 338, 96), &kasten);
    // The caption of item 1 goes on in a label below it, so the long text fits the group.
    Text(kasten, QStringLiteral("keine erneute Zuordnung an dieser Position"), QRect(30, 64, 290, 20),
         QStringLiteral("ZF1Lab"));
    Text(kasten, QStringLiteral("  -"), QRect(300, 20, 24, RadioHoehe), QStringLiteral("FalschTextLab"));
    Bild(kasten, QStringLiteral("glyphen/kreuz"), QPoint(300, 43), QStringLiteral("FalschImg"));
    m_erweitert[1] = kasten;

    m_zuordnungstexte =
        RadioGruppe(this, QStringLiteral("Zuordnungstexte"), QStringLiteral(" Zuordnungstexte "),
                    {QStringLiteral(" alphabetisch geordnet "), QStringLiteral(" zufällig gemischt ")},
                    QRect(12, 308, 330, 72), &kasten);
    Text(kasten, QStringLiteral("A B C D ..."), QRect(240, 20, 80, RadioHoehe));
    Text(kasten, QStringLiteral("B D A C ..."), QRect(240, 42, 80, RadioHoehe));
    m_erweitert[2] = kasten;

    m_zuordnungsziele =
        RadioGruppe(this, QStringLiteral("Zuordnungsziele"), QStringLiteral(" Zuordnungsziele (Positionen) "),
                    {QStringLiteral(" geordnet nummeriert "),
                     QStringLiteral(" zufällig gemischt nummeriert "), QStringLiteral(" Fragezeichen ")},
                    QRect(350, 308, 338, 96), &kasten);
    Text(kasten, QStringLiteral("1 2 3 4 ..."), QRect(250, 20, 80, RadioHoehe));
    Text(kasten, QStringLiteral("2 4 1 3 ..."), QRect(250, 42, 80, RadioHoehe));
    Text(kasten, QStringLiteral("?"), QRect(250, 64, 80, RadioHoehe));
    m_erweitert[3] = kasten;
}

void TUebOptForm::verbinden() {
    Binden(m_abfrageModus, m_werte.UebOpt_AbfrageModus);
    Binden(m_zeitlimit, m_werte.UebOpt_Zeitlimit);
    Binden(m_zuordnungRichtig, m_werte.UebOpt_ZuordnungRichtig);
    Binden(m_zuordnungFalsch, m_werte.UebOpt_ZuordnungFalsch);
    Binden(m_zuordnungstexte, m_werte.UebOpt_Zuordnungstexte);
    Binden(m_zuordnungsziele, m_werte.UebOpt_Zuordnungsziele);
    ZeitfelderBinden(m_min, m_sek, m_werte.UebOpt_ZLimitMin, m_werte.UebOpt_ZLimitSek, m_zeitlimit, m_werte,
                     OptionsFenster::UebOpt);
}

void TUebOptForm::WerteAnzeigen() {
    Anzeigen(m_abfrageModus, m_werte.UebOpt_AbfrageModus);
    Anzeigen(m_zeitlimit, m_werte.UebOpt_Zeitlimit);
    Anzeigen(m_zuordnungRichtig, m_werte.UebOpt_ZuordnungRichtig);
    Anzeigen(m_zuordnungFalsch, m_werte.UebOpt_ZuordnungFalsch);
    Anzeigen(m_zuordnungstexte, m_werte.UebOpt_Zuordnungstexte);
    Anzeigen(m_zuordnungsziele, m_werte.UebOpt_Zuordnungsziele);
    const QString min = m_werte.UebOpt_ZLimitMin;
    const QString sek = m_werte.UebOpt_ZLimitSek;
    m_min->setText(min);
    m_sek->setText(sek);
}

void TUebOptForm::ansichtSetzen(const UebOptAnsicht& ansicht) {
    // The heights are those of the whole window; the frame comes off the inside.
    m_hoehe = ansicht.hoehe;
    setFixedSize(InnenGroesse(QSize(FensterBreite, ansicht.hoehe), Fensterrahmen(this)));
    m_zeigen->setGeometry(14, height() - 34, 440, 22);
    m_erw->setText(ansicht.knopfText);
    for (QWidget* gruppe : m_erweitert)
        gruppe->setVisible(ansicht.erweitert);
}

void TUebOptForm::ErwBtnClick() {
    ansichtSetzen(UebOptUmschalten(frameGeometry().height()));
    HintergrundZeichnen(this);
    AufSchirmZentrieren(this);
}

void TUebOptForm::NetzModusSetzen(const QString& titel) {
    setWindowTitle(titel);
    m_netzPan->setVisible(true);
}

bool TUebOptForm::ZeigenCheck() const {
    return m_zeigen->isChecked();
}

void TUebOptForm::setzeZeigenCheck(bool an) {
    m_zeigen->setChecked(an);
}

void TUebOptForm::showEvent(QShowEvent* ereignis) {
    HintergrundZeichnen(this);
    KnoepfeFaerben(this);
    AufSchirmZentrieren(this);
    QDialog::showEvent(ereignis);
    m_ok->setFocus();
}

void TUebOptForm::resizeEvent(QResizeEvent* ereignis) {
    QDialog::resizeEvent(ereignis);
    m_zeigen->setGeometry(14, height() - 34, 440, 22);
    HintergrundZeichnen(this);
}

void TUebOptForm::done(int ergebnis) {
    m_netzPan->setVisible(false);
    setWindowTitle(m_titel);
    QDialog::done(ergebnis);
}

// ---------------------------------------------------------------------------------------------

TUebOptFragenForm::TUebOptFragenForm(ProgrammEinstellungenTyp& werte, TUebOptForm& hauptform, QWidget* eltern)
    : QDialog(eltern), m_werte(werte), m_hauptform(hauptform) {
    setObjectName(QStringLiteral("UebOptFragenForm"));
    setWindowTitle(QStringLiteral("Übungsoptionen für Einzelfragen"));
    setModal(true);
    m_titel = windowTitle();
    DialogFarben(this);
    HintergrundBild(this);
    setFixedSize(FragenBreite, FragenHoehe);

    m_zuordnungFalsch = RadioGruppe(this, QStringLiteral("ZuordnungFalsch"), QStringLiteral(" Abfragemodus "),
                                    {QStringLiteral(" solange wiederholen, bis jede Frage richtig "
                                                    "beantwortet wurde "),
                                     QStringLiteral(" jede Frage nur einmal stellen ")},
                                    QRect(12, 10, 520, 72));
    m_zuordnungstexte =
        RadioGruppe(this, QStringLiteral("Zuordnungstexte"), QStringLiteral(" Antwortmöglichkeiten "),
                    {QStringLiteral(" alphabetisch geordnet "), QStringLiteral(" zufällig gemischt ")},
                    QRect(12, 90, 256, 72));
    m_zuordnungsziele = RadioGruppe(
        this, QStringLiteral("Zuordnungsziele"), QStringLiteral(" Reihenfolge der Fragen "),
        {QStringLiteral(" geordnet "), QStringLiteral(" zufällig gemischt ")}, QRect(276, 90, 256, 72));
    QGroupBox* zeitKasten = nullptr;
    m_zeitlimit = RadioGruppe(this, QStringLiteral("Zeitlimit"), QStringLiteral(" Zeitlimit "),
                              {QStringLiteral(" ohne Zeitlimit "), QStringLiteral(" Zeitlimit von: ")},
                              QRect(12, 170, 520, 72), &zeitKasten);
    ZeitfelderAnlegen(zeitKasten, m_zeitlimit->button(1), m_min, m_sek);

    m_zeigen = ZeigenKasten(this, QStringLiteral("UebOptFragenZeigenCheck"));
    m_zeigen->setGeometry(14, 252, 440, 22);
    m_ok = Knopf(this, QStringLiteral("Übung starten"), QStringLiteral("OkBtn"), QRect(566, 14, 124, 28));
    m_close = Knopf(this, QStringLiteral("Schließen"), QStringLiteral("CloseBtn"), QRect(566, 48, 124, 28));
    m_ok->setDefault(true);
    m_netzPan = NetzPanel(this, QRect(544, 90, 150, 150));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    verbinden();
    WerteAnzeigen();
}

void TUebOptFragenForm::verbinden() {
    Binden(m_zuordnungFalsch, m_werte.UebOptFragen_ZuordnungFalsch);
    Binden(m_zuordnungstexte, m_werte.UebOptFragen_Zuordnungstexte);
    Binden(m_zuordnungsziele, m_werte.UebOptFragen_Zuordnungsziele);
    Binden(m_zeitlimit, m_werte.UebOptFragen_Zeitlimit);
    ZeitfelderBinden(m_min, m_sek, m_werte.UebOptFragen_ZLimitMin, m_werte.UebOptFragen_ZLimitSek,
                     m_zeitlimit, m_werte, OptionsFenster::UebOptFragen);
}

void TUebOptFragenForm::WerteAnzeigen() {
    Anzeigen(m_zuordnungFalsch, m_werte.UebOptFragen_ZuordnungFalsch);
    Anzeigen(m_zuordnungstexte, m_werte.UebOptFragen_Zuordnungstexte);
    Anzeigen(m_zuordnungsziele, m_werte.UebOptFragen_Zuordnungsziele);
    Anzeigen(m_zeitlimit, m_werte.UebOptFragen_Zeitlimit);
    const QString min = m_werte.UebOptFragen_ZLimitMin;
    const QString sek = m_werte.UebOptFragen_ZLimitSek;
    m_min->setText(min);
    m_sek->setText(sek);
}

void TUebOptFragenForm::NetzModusSetzen(const QString& titel) {
    setWindowTitle(titel);
    m_netzPan->setVisible(true);
}

void TUebOptFragenForm::showEvent(QShowEvent* ereignis) {
    m_zeigen->setChecked(m_hauptform.ZeigenCheck());
    HintergrundZeichnen(this);
    KnoepfeFaerben(this);
    AufSchirmZentrieren(this);
    QDialog::showEvent(ereignis);
    m_ok->setFocus();
}

void TUebOptFragenForm::resizeEvent(QResizeEvent* ereignis) {
    QDialog::resizeEvent(ereignis);
    HintergrundZeichnen(this);
}

void TUebOptFragenForm::done(int ergebnis) {
    m_hauptform.setzeZeigenCheck(m_zeigen->isChecked());
    m_netzPan->setVisible(false);
    setWindowTitle(m_titel);
    QDialog::done(ergebnis);
}
