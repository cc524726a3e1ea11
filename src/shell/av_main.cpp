#include "shell/av_main.h"

#include "data/av_data.h"
#include "data/installation.h"
#include "documents/dokument_lesen.h"
#include "mapview/ac_infobox.h"
#include "mapview/ac_kartenbild.h"
#include "mapview/ac_kennzinfo.h"
#include "output/ac_mail.h"
#include "platform/meldungen.h"
#include "platform/systeminfo.h"
#include "quiz/ac_nameeingabe.h"
#include "quiz/ac_uebfertig.h"
#include "quiz/ac_ueboptform.h"
#include "quiz/av_quizanzeige.h"
#include "results/ac_bestlist.h"
#include "results/ac_protkom.h"
#include "results/ac_uebprotokoll.h"
#include "results/av_bestlistverz.h"
#include "quiz/av_uebinfopan.h"
#include "quiz/av_uebungpan.h"
#include "widgets/bildpanel.h"
#include "shell/av_info.h"
#include "shell/hilfe.h"
#include "data/hintergrund.h"
#include "shell/start.h"
#include "widgets/fensterrahmen.h"
#include "widgets/hoverpanel.h"
#include "widgets/zugang.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// The window resource's size, centred on the screen; creation then sets the working size.
constexpr QSize Ressourcengroesse(908, 679);
constexpr QSize Startgroesse(900, 650);
constexpr QSize Mindestgroesse(780, 570);
constexpr int InfoPanHoehe = 57;
constexpr int StartInfoRand = 50;
constexpr int KartenRandRechts = 17;

std::array<QCursor, 9>& CursorTabelle() {
    static std::array<QCursor, 9> tabelle;
    return tabelle;
}

QCursor CursorAus(const QString& name) {
    const CursorBildTyp bild = CursorBild(name);
    if (bild.Bild.isNull()) return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(bild.Bild), bild.Hotspot.x(), bild.Hotspot.y());
}

void Einfaerben(QWidget* w, const QColor& farbe) {
    if (!farbe.isValid()) return;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, farbe);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

THoverPanel* Werkzeugknopf(QWidget* eltern, const char* name, const QString& text, const QString& tipp) {
    auto* k = new THoverPanel(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setCaption(text);
    k->setToolTip(tipp);
    const WerkzeugKnopfStilTyp stil = WerkzeugKnopfStil();
    k->setHoverActive(stil.HoverActive);
    k->setBorderColor(stil.BorderColor);
    k->setBorderWidth(stil.BorderWidth);
    k->setNormColor(stil.NormColor);
    k->setCheckColor(stil.CheckColor);
    k->setHoverColor(stil.HoverColor);
    k->setNormFontColor(stil.NormFontColor);
    k->setCheckFontColor(stil.CheckFontColor);
    k->setCheckFontBold(stil.CheckFontBold);
    k->setXPCheck(stil.XPCheck);
    k->setBevelWidth(0);
    k->setWordWrap(true);
    k->setFontAutoSize(true);
    QFont schrift(QStringLiteral("Arial"), 9);
    schrift.setBold(true);
    k->setFont(schrift);
    k->setCursor(Qt::PointingHandCursor);
    k->setTabStop(true);
    return k;
}

} // namespace

TForm1::TForm1(const Dienste& dienste, const QString& befehlszeile, QWidget* eltern)
    : QMainWindow(eltern), m_dienste(dienste), m_befehlszeile(befehlszeile) {
    setObjectName(QStringLiteral("Form1"));
    ZugangEinrichten();
    setWindowIcon(QIcon(QPixmap::fromImage(RessourcenBild(QStringLiteral("glyphen/programm")))));
    FensterEinrichten();
    CursorLaden();
    // Once per run: every shuffle of the quizzes depends on it.
    Zufallsgenerator().setzeSeed(ZufallsStartwert());
    OberflaecheAufbauen();
    FarbenSetzen();
    m_menue = std::make_unique<Hauptmenue>(this);
    ThemenEinrichten();
    BefehleVerbinden();
    OptionenVerbinden();
    m_dokument = Dokument{};
    m_dokument.Basisbild = RessourcenBild(QStringLiteral("Startbasisbild"));
    TitelAnzeigen();
    DialogeErzeugen();
    KarteEinrichten();
    QuizEinrichten();
    m_geladen = {m_einstellungen, Ordner()};
    // The keyboard starts on "Quiz starten", the button a learner wants first.
    m_uebungenBtn->setFocus();
}

TForm1::~TForm1() {
    m_schliessen = true; // no relayout while the window is taken apart
}

QCursor TForm1::AnwendungsCursor(int nummer) {
    if (nummer < 1 || nummer > 8) return QCursor(Qt::ArrowCursor);
    return CursorTabelle()[static_cast<size_t>(nummer)];
}

QCursor TForm1::ZiehCursor() {
    return CursorTabelle()[0];
}

void TForm1::CursorLaden() {
    const auto& liste = RessourcenCursorListe();
    for (size_t i = 0; i < liste.size() && i < CursorTabelle().size(); ++i)
        CursorTabelle()[i] = CursorAus(liste[i].Name);
}

void TForm1::FensterEinrichten() {
    setMinimumSize(Mindestgroesse);
    const QScreen* schirm = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (schirm != nullptr) {
        const QRect frei = schirm->availableGeometry();
        move(frei.center() - QPoint(Ressourcengroesse.width() / 2, Ressourcengroesse.height() / 2));
    }
    resize(Startgroesse);
    // Both sizes are those of the whole window; its frame is known only once it is shown,
    // or later, when the window manager frames it.
    BeiRahmenAenderung(this, [this](const QMargins& vorher, const QMargins& jetzt) {
        setMinimumSize(InnenGroesse(Mindestgroesse, jetzt));
        // A size the user has chosen meanwhile stays.
        if (windowState() == Qt::WindowNoState && size() == InnenGroesse(Startgroesse, vorher))
            resize(InnenGroesse(Startgroesse, jetzt));
    });
}

void TForm1::OberflaecheAufbauen() {
    auto* lernPan = new QWidget(this);
    lernPan->setObjectName(QStringLiteral("LernPan"));
    auto* spalte = new QVBoxLayout(lernPan);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    KopfleisteAufbauen(lernPan);
    spalte->addWidget(m_infoPan);
    KartenbereichAufbauen(lernPan);
    // The status panel of a quiz stands at the right of the map area, shown only in a quiz.
    auto* zeile = new QHBoxLayout();
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(0);
    zeile->addWidget(m_lernKartPan, 1);
    zeile->addWidget(m_uebInfoPan);
    spalte->addLayout(zeile, 1);
    setCentralWidget(lernPan);
}

void TForm1::KopfleisteAufbauen(QWidget* lernPan) {
    m_infoPan = new TBildPanel(HintergrundArt::Kopfleiste, lernPan);
    m_infoPan->setObjectName(QStringLiteral("InfoPan"));
    m_infoPan->setFixedHeight(InfoPanHoehe);
    auto* zeile = new QHBoxLayout(m_infoPan);
    zeile->setContentsMargins(8, 6, 8, 6);
    zeile->setSpacing(6);

    m_lernKartBtn = Werkzeugknopf(m_infoPan, "LernKartBtn", QStringLiteral("Startseite"),
                                  QStringLiteral("Zur Startseite (Quiz abbrechen)"));
    m_uebungenBtn = Werkzeugknopf(m_infoPan, "UebungenBtn", QStringLiteral("Quiz starten"),
                                  QStringLiteral("Quiz starten (F7)"));
    m_bestenlisteBtn = Werkzeugknopf(m_infoPan, "BestenlisteBtn", QStringLiteral("Bestenliste"),
                                     QStringLiteral("Bestenliste des Quiz anzeigen (Strg+F7)"));
    for (THoverPanel* k : {m_lernKartBtn, m_uebungenBtn, m_bestenlisteBtn}) {
        k->setFixedSize(92, 45);
        zeile->addWidget(k);
    }

    m_titelPan = new TBildPanel(HintergrundArt::Titel, m_infoPan);
    m_titelPan->setObjectName(QStringLiteral("TitelPan"));
    auto* titelZeile = new QHBoxLayout(m_titelPan);
    titelZeile->setContentsMargins(10, 2, 10, 2);
    m_dokTitelLab = new QLabel(m_titelPan);
    m_dokTitelLab->setObjectName(QStringLiteral("DokTitelLab"));
    m_dokTitelLab->setAlignment(Qt::AlignCenter);
    m_dokTitelLab->setWordWrap(true);
    QFont fett(QStringLiteral("Arial"), 11);
    fett.setBold(true);
    m_dokTitelLab->setFont(fett);
    titelZeile->addWidget(m_dokTitelLab);
    zeile->addWidget(m_titelPan, 1);

    m_prevDokPan = Werkzeugknopf(m_infoPan, "PrevDokPan", QStringLiteral("<"),
                                 QStringLiteral("Vorheriges Quiz der Liste (Bild auf)"));
    m_naechstesPan = Werkzeugknopf(m_infoPan, "HoverPanel1", QStringLiteral(">"),
                                   QStringLiteral("Nächstes Quiz der Liste (Bild ab)"));
    for (THoverPanel* k : {m_prevDokPan, m_naechstesPan}) {
        k->setFixedSize(30, 45);
        zeile->addWidget(k);
    }
    m_uebStatusPan = new QWidget(m_infoPan);
    m_uebStatusPan->setObjectName(QStringLiteral("UebStatusPan"));
    m_uebStatusPan->setFixedWidth(0);
    zeile->addWidget(m_uebStatusPan);
}

void TForm1::KartenbereichAufbauen(QWidget* lernPan) {
    m_lernKartPan = new TBildPanel(HintergrundArt::Kartenbereich, lernPan);
    m_lernKartPan->setObjectName(QStringLiteral("LernKartPan"));

    m_lernKartPicImg = new TKartenBild(m_karte, Zufallsgenerator(), m_lernKartPan);
    m_lernKartPicImg->Dok = &m_dokument;

    m_startInfoPan = new THoverPanel(m_lernKartPicImg);
    m_startInfoPan->setObjectName(QStringLiteral("StartInfoPan"));
    m_startInfoPan->setHoverActive(false);
    m_startInfoPan->setNormColor(Qt::white);
    m_startInfoPan->setBevelWidth(0);
    m_startInfoPan->hide();
    m_startLinkLab = new QLabel(m_startInfoPan);
    m_startLinkLab->setObjectName(QStringLiteral("StartLinkLab"));
    m_startLinkLab->setAlignment(Qt::AlignCenter);
    m_startLinkLab->setText(
        QStringLiteral("Wählen Sie ein Quiz im Menü »Quizauswahl« und starten Sie es mit F7. "
                       "Mehr Quizze: <a href=\"%1\">%1</a>")
            .arg(ProduktHomepage));
    connect(m_startLinkLab, &QLabel::linkActivated, this,
            [this](const QString& ziel) { ZielOeffnen(ziel, m_dienste.shell, m_dienste.meldungen); });

    m_uebungPan = new TUebungPan(m_lernKartPan);
    m_uebungPan->hide();
    m_uebInfoPan = new TUebInfoPan(lernPan);
    m_uebInfoPan->hide();
    m_lernInfoPan = new QWidget(m_lernKartPan);
    m_lernInfoPan->setObjectName(QStringLiteral("LernInfoPan"));
    m_lernInfoPan->hide(); // the learning view's tool bar is never shown in this program
}

void TForm1::FarbenSetzen() {
    const ThemenFarbenTyp farben = ThemenFarben();
    Einfaerben(this, farben.A);
    Einfaerben(centralWidget(), farben.A);
    Einfaerben(m_infoPan, farben.A);
    Einfaerben(m_lernInfoPan, farben.A);
    Einfaerben(m_lernKartPan, farben.B);
    Einfaerben(m_uebStatusPan, farben.A);
    Einfaerben(m_uebInfoPan, farben.C);
    QPalette text = m_startLinkLab->palette();
    text.setColor(QPalette::WindowText, StartInfoTextFarbe());
    m_startLinkLab->setPalette(text);
}

// Every dialog window is made once here and hidden between uses. TUebOptForm comes
// first: the single-questions options window mirrors its check box.
void TForm1::DialogeErzeugen() {
    m_uebOptForm = new TUebOptForm(m_einstellungen, this);
    m_bestListForm = new TBestListForm(m_bestenliste, m_dienste.meldungen, m_dienste.dialoge,
                                       m_dienste.zwischenablage, this);
    connect(m_bestListForm, &TBestListForm::klassenauswertungGewuenscht, this,
            &TForm1::BestenlistenAuswertungZeigen);
    m_uebOptFragenForm = new TUebOptFragenForm(m_einstellungen, *m_uebOptForm, this);
    m_uebFertigForm = new TUebFertigForm(this);
    m_infoBox = new TInfoBox(m_dienste.shell, m_dienste.meldungen, this);
    m_kennzInfoBox = new TKennzInfoBox(this);
    m_protKomForm = new TProtKomForm(this);
    m_uebProtokollForm = new TUebProtokollForm(m_protokoll, *m_protKomForm, m_dienste.meldungen,
                                               m_dienste.dialoge, m_dienste.zwischenablage, this);
    m_infoboxForm = new TInfoboxForm(m_dienste.meldungen, m_dienste.dialoge, m_dienste.zwischenablage, this);
    m_infoboxForm->setzeZiehCursor(AnwendungsCursor(8));
    m_nameEingabeForm = new TNameEingabeForm(this);
    m_bestListVerzForm = new TBestListVerzForm(Ordner(), m_dienste.meldungen, m_dienste.dialoge, this);
    m_mailForm = new TMailForm(this);
}

void TForm1::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    // After the window is on screen, so that boxes of the first activation sit on it.
    if (m_ersteAktivierung) QTimer::singleShot(0, this, &TForm1::ErsteAktivierung);
}

void TForm1::ErsteAktivierung() {
    if (!m_ersteAktivierung) return;
    ProgrammOrdnerTyp& ordner = Ordner();
    EinstellungenLaden(m_dienste.einstellungen, m_einstellungen, ordner);
    m_geladen = {m_einstellungen, ordner};
    OptionenAnzeigen();
    m_uebOptForm->WerteAnzeigen();
    m_uebOptFragenForm->WerteAnzeigen();
    ModusKnoepfeAktualisieren();
    LernansichtZeigen();

    const StartZiel ziel = StartZielAusArgument(m_befehlszeile, Dokumentenordner(ordner));
    ordner.Startdokument.clear();
    ordner.Startordner = ziel.Startordner;
    ordner.Themenordner = ordner.Startordner;
    // A .kqa from the file manager opens the class analysis over the learning view.
    const bool auswertung = ziel.Startdokument.endsWith(QStringLiteral(".kqa"), Qt::CaseInsensitive);
    if (auswertung)
        QTimer::singleShot(0, this, [this, pfad = ziel.Startdokument] { KlassenauswertungZeigen(pfad); });
    else if (!ziel.Startdokument.isEmpty()) {
        DokumentLesenMit(ziel.Startdokument, true);
        ordner.Startdokument = ziel.Startdokument;
    }
    if (!m_dokument.IstOffen()) ordner.Themenordner = ordner.Startordner;

    StartInfoZeigen();
    ThemenordnerEinlesen();
    m_ersteAktivierung = false;
    KartenbereichAnordnen();
    if (!ziel.Bestenliste.isEmpty()) BestenlisteDateiZeigen(ziel.Bestenliste);
}

void TForm1::ThemenordnerEinlesen() {
    m_themen->OrdnerLesen();
}

void TForm1::TitelAnzeigen() {
    m_themen->TitelZeigen();
}

bool TForm1::QuizLaeuft() const {
    return m_quizAnzeige != nullptr && m_quizAnzeige->quiz().Laeuft();
}

void TForm1::ModusKnoepfeAktualisieren() {
    const bool quiz = m_ansichtsmodus == Ansichtsart::Quizansicht;
    m_uebInfoPan->setVisible(quiz);
    m_lernKartBtn->setChecked(!quiz);
    m_uebungenBtn->setChecked(quiz);
    m_menue->menue(QStringLiteral("Auswahl1"))->setEnabled(!quiz);
    m_lernKartBtn->setCaption(quiz ? QStringLiteral("Quiz\r\nabbrechen") : QStringLiteral("Startseite"));
}

void TForm1::LernansichtZeigen() {
    m_ansichtsmodus = Ansichtsart::Lernansicht;
    m_lernKartPicImg->show();
    m_karte.SetzeAnsichtsmodus(Karte::Lernansicht);
    ModusKnoepfeAktualisieren();
    m_uebungPan->hide();
    // The status panel of a quiz has just gone: the map area takes its width back before
    // the map is laid out, as after a resize.
    if (centralWidget()->layout() != nullptr) centralWidget()->layout()->activate();
    KartenbereichAnordnen();
}

void TForm1::QuizansichtZeigen() {
    m_ansichtsmodus = Ansichtsart::Quizansicht;
    m_karte.SetzeAnsichtsmodus(Karte::Quizansicht);
    ModusKnoepfeAktualisieren();
    // The status panel takes its place first, so that the quiz area gets its final size.
    if (centralWidget()->layout() != nullptr) centralWidget()->layout()->activate();
    m_lernKartPicImg->hide();
    const QSize flaeche = m_lernKartPan->size();
    m_lernKartPicImg->setGeometry(0, 0, qMax(0, flaeche.width() - KartenRandRechts), flaeche.height());
    QuizflaecheAnordnen();
}

void TForm1::QuizflaecheAnordnen() {
    const QSize flaeche = m_lernKartPan->size();
    m_uebungPan->setGeometry(9, 8, qMax(0, flaeche.width() - 17), qMax(0, flaeche.height() - 16));
    m_uebungPan->show();
    m_uebungPan->raise();
}

void TForm1::KartenbereichAnordnen() {
    const QSize flaeche = m_lernKartPan->size();
    m_lernKartPicImg->setGeometry(0, 0, qMax(0, flaeche.width() - KartenRandRechts), flaeche.height());
    if (m_ansichtsmodus == Ansichtsart::Quizansicht) {
        QuizflaecheAnordnen();
        if (m_quizAnzeige != nullptr) m_quizAnzeige->PanelGroesseGeaendert();
        return;
    }
    KarteAufbauen();
    if (!m_startInfoPan->isHidden()) StartInfoZeigen();
}

void TForm1::StartInfoZeigen() {
    const QSize karte = m_lernKartPicImg->size();
    const QSize groesse(qMax(0, karte.width() - 2 * StartInfoRand),
                        qMax(0, karte.height() - 2 * StartInfoRand));
    m_startInfoPan->setCaption(QString());
    m_startInfoPan->setNormFontColor(StartInfoTextFarbe());
    m_startInfoPan->setGeometry(QRect(QPoint(StartInfoRand, StartInfoRand), groesse));
    const int linkHoehe = 28;
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    const QImage start =
        m_dokument.IstOffen() ? RessourcenBild(QStringLiteral("Startbasisbild")) : m_dokument.Basisbild;
    if (!start.isNull() && groesse.height() > linkHoehe) {
        const QImage skaliert =
            start.scaled(groesse - QSize(0, linkHoehe), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter p(&bild);
        p.drawImage((groesse.width() - skaliert.width()) / 2,
                    (groesse.height() - linkHoehe - skaliert.height()) / 2, skaliert);
    }
    m_startInfoPan->setBitmap(bild);
    m_startLinkLab->setGeometry(0, groesse.height() - linkHoehe, groesse.width(), linkHoehe);
    m_startInfoPan->show();
}

void TForm1::resizeEvent(QResizeEvent* ereignis) {
    QMainWindow::resizeEvent(ereignis);
    if (m_ersteAktivierung || m_schliessen || !m_relayout) return;
    GroesseAnpassen();
}

void TForm1::GroesseAnpassen() {
    ++m_relayouts;
    // The layouts of LernPan settle the panel sizes first.
    if (centralWidget()->layout() != nullptr) centralWidget()->layout()->activate();
    if (m_ansichtsmodus == Ansichtsart::Lernansicht)
        LernansichtZeigen();
    else
        KartenbereichAnordnen();
}

void TForm1::closeEvent(QCloseEvent* ereignis) {
    if (!m_schliessen && !Schliessen(QuizLaeuft(), m_dienste.meldungen, m_dienste.einstellungen, m_geladen,
                                     m_einstellungen, Ordner(), m_netzuebung.EigeneEinstellungen())) {
        ereignis->ignore();
        return;
    }
    // A box of a judgement may still be open under the closing window: the quiz ends
    // here, so nothing of it is counted or completed afterwards.
    if (m_quizAnzeige != nullptr) m_quizAnzeige->quiz().Verlassen();
    m_schliessen = true;
    ereignis->accept();
}
