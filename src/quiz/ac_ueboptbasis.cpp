#include "quiz/ac_ueboptbasis.h"

#include "quiz/quizoptionen.h"
#include "quiz/uebdaten.h"
#include "widgets/fensterfarben.h"

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

constexpr int RadioHoehe = 22;

const QString ZeigenText = QStringLiteral(" Dieses Dialogfenster vor jeder Übung anzeigen ");
const QString NetzText = QStringLiteral("Klicken Sie auf \"Übung starten\" um die Netzwerk-Übung zu "
                                        "initiieren.        Alle getätigten Einstellungen werden an die "
                                        "Übungsteilnehmer übermittelt.");

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

void Anzeigen(QButtonGroup* knoepfe, int& feld) {
    feld = GueltigerPunkt(knoepfe, feld);
    knoepfe->button(feld)->setChecked(true);
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

QLabel* HintergrundBild(QWidget* fenster) {
    auto* bild = new QLabel(fenster);
    bild->setObjectName(QStringLiteral("MainBackImg"));
    bild->lower();
    return bild;
}

} // namespace

UebOptFensterBasis::UebOptFensterBasis(UebOptionenTyp& optionen, const QString& name, const QString& titel,
                                       QWidget* eltern)
    : QDialog(eltern), m_optionen(optionen) {
    setObjectName(name);
    setWindowTitle(titel);
    setModal(true);
    m_titel = windowTitle();
    DialogFarben(this);
    HintergrundBild(this);
}

QButtonGroup* UebOptFensterBasis::RadioGruppe(QWidget* eltern, const QString& name, const QString& titel,
                                              const QStringList& punkte, QRect platz, QGroupBox** kasten) {
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

QButtonGroup* UebOptFensterBasis::OptionsGruppe(const QString& name, const QString& titel,
                                                const QStringList& punkte, QRect platz,
                                                int UebOptionenTyp::*feld, QGroupBox** kasten) {
    QButtonGroup* knoepfe = RadioGruppe(this, name, titel, punkte, platz, kasten);
    Binden(knoepfe, m_optionen.*feld);
    m_gruppen.emplace_back(knoepfe, feld);
    return knoepfe;
}

QLabel* UebOptFensterBasis::Text(QWidget* eltern, const QString& text, QRect platz, const QString& name) {
    auto* label = new QLabel(text, eltern);
    label->setGeometry(platz);
    if (!name.isEmpty()) label->setObjectName(name);
    return label;
}

QPushButton* UebOptFensterBasis::Knopf(QWidget* eltern, const QString& text, const QString& name,
                                       QRect platz) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setObjectName(name);
    knopf->setGeometry(platz);
    return knopf;
}

void UebOptFensterBasis::ZeitlimitAnlegen(const QStringList& punkte, QRect platz) {
    QGroupBox* kasten = nullptr;
    m_zeitlimit = OptionsGruppe(QStringLiteral("Zeitlimit"), QStringLiteral(" Zeitlimit "), punkte, platz,
                                &UebOptionenTyp::Zeitlimit, &kasten);
    // Minutes and seconds with their units, on the line of the time-limit item, after its caption.
    const QAbstractButton* mitLimit = m_zeitlimit->button(1);
    int x = mitLimit->geometry().right() + 6;
    const int y = mitLimit->y();
    m_min = Zeitfeld(kasten, QStringLiteral("ZLimitMin"), QRect(x, y, 28, 20));
    Text(kasten, QStringLiteral("Min."), QRect(x + 32, y, 30, 20))->setBuddy(m_min);
    x += 68;
    m_sek = Zeitfeld(kasten, QStringLiteral("ZLimitSek"), QRect(x, y, 28, 20));
    Text(kasten, QStringLiteral("Sek."), QRect(x + 32, y, 30, 20))->setBuddy(m_sek);
    // The unit labels stand after the fields; the fields carry whole names of their own.
    m_min->setAccessibleName(QStringLiteral("Minuten"));
    m_sek->setAccessibleName(QStringLiteral("Sekunden"));

    // The fields write their texts into the record; only the learner's own edits switch the
    // time limit on, not WerteAnzeigen's setText.
    QString& minWert = m_optionen.ZLimitMin;
    QString& sekWert = m_optionen.ZLimitSek;
    connect(m_min, &QLineEdit::textChanged, m_min, [&minWert](const QString& t) { minWert = t; });
    connect(m_sek, &QLineEdit::textChanged, m_sek, [&sekWert](const QString& t) { sekWert = t; });
    const auto zeitfeld = [this] {
        ZeitfeldGeaendert(m_optionen);
        m_zeitlimit->button(1)->setChecked(true);
    };
    connect(m_min, &QLineEdit::textEdited, m_min, zeitfeld);
    connect(m_sek, &QLineEdit::textEdited, m_sek, zeitfeld);
}

QCheckBox* UebOptFensterBasis::ZeigenUndKnoepfeAnlegen(const QString& zeigenName, QRect knoepfe) {
    m_zeigen = new QCheckBox(ZeigenText, this);
    m_zeigen->setObjectName(zeigenName);
    m_zeigen->setChecked(true);
    m_ok = Knopf(this, QStringLiteral("Übung starten"), QStringLiteral("OkBtn"), knoepfe);
    m_close = Knopf(this, QStringLiteral("Schließen"), QStringLiteral("CloseBtn"), knoepfe.translated(0, 34));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    return m_zeigen;
}

void UebOptFensterBasis::NetzPanelAnlegen(QRect platz) {
    auto* pan = new QLabel(NetzText, this);
    pan->setObjectName(QStringLiteral("NetzUebInitPan"));
    pan->setWordWrap(true);
    pan->setFrameShape(QFrame::Panel);
    pan->setFrameShadow(QFrame::Sunken);
    pan->setMargin(6);
    pan->setGeometry(platz);
    pan->setVisible(false);
    m_netzPan = pan;
}

void UebOptFensterBasis::WerteAnzeigen() {
    for (const auto& [knoepfe, feld] : m_gruppen)
        Anzeigen(knoepfe, m_optionen.*feld);
    const QString min = m_optionen.ZLimitMin;
    const QString sek = m_optionen.ZLimitSek;
    m_min->setText(min);
    m_sek->setText(sek);
}

void UebOptFensterBasis::NetzModusSetzen(const QString& titel) {
    setWindowTitle(titel);
    m_netzPan->setVisible(true);
}

void UebOptFensterBasis::AufSchirmZentrieren() {
    const QScreen* schirm = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (schirm == nullptr) return;
    const QRect s = schirm->geometry();
    // The whole window, frame included, is centred; move() places the frame.
    const QSize aussen = frameGeometry().size();
    move(s.left() + (s.width() - aussen.width()) / 2, s.top() + (s.height() - aussen.height()) / 2);
}

void UebOptFensterBasis::showEvent(QShowEvent* ereignis) {
    HintergrundZeichnen(this);
    KnoepfeFaerben(this);
    AufSchirmZentrieren();
    QDialog::showEvent(ereignis);
    m_ok->setFocus();
}

void UebOptFensterBasis::resizeEvent(QResizeEvent* ereignis) {
    QDialog::resizeEvent(ereignis);
    GroesseAnpassen();
    HintergrundZeichnen(this);
}

void UebOptFensterBasis::done(int ergebnis) {
    m_netzPan->setVisible(false);
    setWindowTitle(m_titel);
    QDialog::done(ergebnis);
}
