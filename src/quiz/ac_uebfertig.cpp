#include "quiz/ac_uebfertig.h"

#include "quiz/bewertungsskala.h"
#include "data/hintergrund.h"
#include "widgets/fensterfarben.h"
#include "widgets/zugang.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace {

constexpr int Breite = 520;
constexpr int DesignHoehe = 392;
constexpr int StreifenHoehe = 80;
constexpr int ZeilenHoehe = 26;
const QSize SkalaGroesse(217, 209);

const QString VergroessernText = QStringLiteral("&Fenster vergrößern");
const QString VerkleinernText = QStringLiteral("&Fenster verkleinern");

struct ZeileTyp {
    const char16_t* beschriftung; // nullptr: the label itself is a value (ZeitArtLab)
    const char* wertName;
};

// The statistics rows, top to bottom.
constexpr ZeileTyp Zeilen[] = {
    {u"Richtig beantwortet:", "RichtigLab"},
    {u"Fehlversuche:", "FalschLab"},
    {u"Erfolgsquote:", "QuoteLab"},
    {u"Offene Fragen:", "UebNummernOffenLab"},
    {nullptr, "UebZeitLab"},
    {u"Gesamtleistung:", "GesamtleistungLab"},
    {u"Bewertung:", "BewertLab"},
    {u"Schulnote:", "NoteLab"},
};

QLabel* Feld(QWidget* eltern, const QString& text, const QString& name, QRect platz) {
    auto* label = new QLabel(text, eltern);
    label->setObjectName(name);
    label->setGeometry(platz);
    return label;
}

QPushButton* Knopf(QWidget* eltern, const QString& text, const QString& name, QRect platz) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setObjectName(name);
    knopf->setGeometry(platz);
    return knopf;
}

QColor InnenFarbe(const QWidget* fenster) {
    const QColor farbe = ThemenFarben().C;
    return farbe.isValid() ? farbe : fenster->palette().color(QPalette::Window);
}

} // namespace

QString SkalaBeschreibung(const ErgebnisAnzeige& anzeige) {
    QString leistung = anzeige.Gesamtleistung;
    leistung.replace(u'.', u',');
    return QStringLiteral("Schulnote ") + anzeige.Note + QStringLiteral(", ") + leistung;
}

TUebFertigForm::TUebFertigForm(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("UebFertigForm"));
    setWindowTitle(QStringLiteral("Quiz beendet"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);
    m_designHoehe = DesignHoehe;
    setFixedSize(Breite, m_designHoehe);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, InnenFarbe(this));
    setPalette(palette);
    m_hintergrund = new QLabel(this);
    m_hintergrund->setObjectName(QStringLiteral("MainBackImg"));

    statistikAnlegen();
    auto* skalaGruppe = new QGroupBox(QStringLiteral(" Bewertungsskala "), this);
    skalaGruppe->setObjectName(QStringLiteral("BewertSkalaGroup"));
    skalaGruppe->setGeometry(272, 10, 237, 248);
    m_skala = Feld(skalaGruppe, {}, QStringLiteral("BewertSkalaImg"), QRect(QPoint(10, 26), SkalaGroesse));
    m_skala->setFixedSize(SkalaGroesse);
    m_skala->setAccessibleName(QStringLiteral("Bewertungsskala"));

    wiederholenAnlegen();
    knoepfeAnlegen();
}

void TUebFertigForm::statistikAnlegen() {
    auto* gruppe = new QGroupBox(QStringLiteral(" Statistik "), this);
    gruppe->setObjectName(QStringLiteral("StatistikGroup"));
    gruppe->setGeometry(12, 10, 250, 248);
    int y = 26;
    for (const ZeileTyp& zeile : Zeilen) {
        QLabel* titel = zeile.beschriftung != nullptr
                            ? Feld(gruppe, QString::fromUtf16(zeile.beschriftung), {}, QRect(12, y, 130, 22))
                            : Feld(gruppe, QStringLiteral("Benötigte Zeit:"), QStringLiteral("ZeitArtLab"),
                                   QRect(12, y, 130, 22));
        QLabel* wert = Feld(gruppe, {}, QString::fromLatin1(zeile.wertName), QRect(146, y, 96, 22));
        // The caption labels its figure: a reader says both together.
        titel->setBuddy(wert);
        QFont fett = wert->font();
        fett.setBold(true);
        wert->setFont(fett);
        y += ZeilenHoehe;
    }
}

void TUebFertigForm::wiederholenAnlegen() {
    m_wiederholenGruppe = new QGroupBox(QStringLiteral(" Quiz wiederholen "), this);
    m_wiederholenGruppe->setObjectName(QStringLiteral("WiederholenMode"));
    m_wiederholenGruppe->setGeometry(12, 266, 497, 72);
    m_wiederholen = new QButtonGroup(m_wiederholenGruppe);
    const QString punkte[] = {
        QStringLiteral(" komplett wiederholen "),
        QStringLiteral(" nur Fragen wiederholen, die nicht auf Anhieb korrekt gelöst wurden"),
    };
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(punkte[i], m_wiederholenGruppe);
        radio->setObjectName(QStringLiteral("WiederholenMode") + QString::number(i));
        radio->setGeometry(10, 22 + i * 22, 477, 22);
        m_wiederholen->addButton(radio, i);
    }
    m_wiederholen->button(0)->setChecked(true);
}

void TUebFertigForm::knoepfeAnlegen() {
    const int y = m_designHoehe - 42;
    m_protokollBtn =
        Knopf(this, QStringLiteral("Protokoll..."), QStringLiteral("ProtokollBtn"), QRect(12, y, 104, 28));
    m_bestListBtn =
        Knopf(this, QStringLiteral("Bestenliste..."), QStringLiteral("BestListBtn"), QRect(122, y, 104, 28));
    m_wiederholenBtn = Knopf(this, QStringLiteral("Quiz wiederholen"), QStringLiteral("WiederholenBtn"),
                             QRect(287, y, 118, 28));
    m_lernBtn = Knopf(this, QStringLiteral("Schließen"), QStringLiteral("LernBtn"), QRect(411, y, 98, 28));
    m_fensterBtn = Knopf(this, VerkleinernText, QStringLiteral("FensterBtn"), QRect(12, 48, 150, 24));
    m_fensterBtn->setVisible(false);
    m_wiederholenBtn->setDefault(true);

    connect(m_protokollBtn, &QPushButton::clicked, this, [this] {
        if (ProtokollZeigen) ProtokollZeigen();
    });
    connect(m_bestListBtn, &QPushButton::clicked, this, [this] {
        if (BestenlisteZeigen) BestenlisteZeigen();
    });
    connect(m_wiederholenBtn, &QPushButton::clicked, this, [this] {
        m_wiederholenGewaehlt = true;
        accept();
    });
    connect(m_lernBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_fensterBtn, &QPushButton::clicked, this, &TUebFertigForm::FensterUmschalten);
}

QLabel* TUebFertigForm::Wert(const char* name) const {
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void TUebFertigForm::Fuellen(const ErgebnisAnzeige& anzeige) {
    const std::pair<const char*, const QString*> werte[] = {
        {"RichtigLab", &anzeige.Richtig},
        {"FalschLab", &anzeige.Falsch},
        {"QuoteLab", &anzeige.Quote},
        {"UebNummernOffenLab", &anzeige.Offen},
        {"ZeitArtLab", &anzeige.ZeitArt},
        {"UebZeitLab", &anzeige.Zeit},
        {"GesamtleistungLab", &anzeige.Gesamtleistung},
        {"BewertLab", &anzeige.Bewertung},
        {"NoteLab", &anzeige.Note},
    };
    for (const auto& [name, text] : werte)
        Wert(name)->setText(*text);
    for (const QLabel* titel : findChildren<QLabel*>())
        if (auto* wert = qobject_cast<QLabel*>(titel->buddy()))
            wert->setAccessibleName(titel->text() + u' ' + wert->text());
    m_skala->setAccessibleDescription(SkalaBeschreibung(anzeige));
    setAccessibleDescription(Zusammenfassung());
    // A partial repeat says so, so that its figures are not taken for the whole quiz.
    setWindowTitle(anzeige.Durchlauf.isEmpty() ? QStringLiteral("Quiz beendet")
                                               : QStringLiteral("Quiz beendet - ") + anzeige.Durchlauf);
    m_skala->setPixmap(
        QPixmap::fromImage(BewertungsskalaZeichnen(SkalaGroesse, anzeige.L, InnenFarbe(this))));
    // Without a failed attempt there is nothing to repeat partially: the complete repeat is fixed.
    if (!anzeige.WiederholenAktiv) m_wiederholen->button(0)->setChecked(true);
    m_wiederholenGruppe->setEnabled(anzeige.WiederholenAktiv);
}

ErgebnisWahl TUebFertigForm::Zeigen(const ErgebnisAnzeige& anzeige) {
    Fuellen(anzeige);
    m_wiederholenGewaehlt = false;
    const int ergebnis = exec();
    ErgebnisWahl wahl;
    wahl.wiederholen = ergebnis == QDialog::Accepted && m_wiederholenGewaehlt;
    wahl.wiederholmodus = wahl.wiederholen ? std::max(0, m_wiederholen->checkedId()) : 0;
    return wahl;
}

QString TUebFertigForm::Zusammenfassung() const {
    QStringList teile;
    for (const QLabel* titel : findChildren<QLabel*>())
        if (const auto* wert = qobject_cast<const QLabel*>(titel->buddy()))
            teile << titel->text() + u' ' + wert->text();
    return teile.join(QStringLiteral(". "));
}

void TUebFertigForm::FensterUmschalten() {
    if (height() == m_designHoehe) {
        setFixedHeight(StreifenHoehe);
        const QWidget* haupt = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
        const QPoint ecke = haupt != nullptr ? haupt->geometry().topLeft() : QPoint(0, 0);
        move(ecke + QPoint(4, 4));
        m_fensterBtn->setText(VergroessernText);
    } else {
        volleGroesse();
    }
    hintergrundZeichnen();
}

void TUebFertigForm::volleGroesse() {
    setFixedHeight(m_designHoehe);
    if (const QScreen* schirm = screen() != nullptr ? screen() : QGuiApplication::primaryScreen()) {
        const QRect s = schirm->geometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 2);
    }
    m_fensterBtn->setText(VerkleinernText);
}

void TUebFertigForm::hintergrundZeichnen() {
    m_hintergrund->setGeometry(0, 0, width(), height());
    m_hintergrund->setPixmap(QPixmap::fromImage(Hintergrund(HintergrundArt::Dialog, size())));
    m_hintergrund->lower();
}

void TUebFertigForm::showEvent(QShowEvent* ereignis) {
    volleGroesse();
    hintergrundZeichnen();
    KnoepfeFaerben(this);
    QDialog::showEvent(ereignis);
    m_lernBtn->setFocus();
    // The window opens with its figures read, before the button that has the focus.
    AnsagenAuf(m_lernBtn, windowTitle() + QStringLiteral(". ") + Zusammenfassung());
}
