// The main window's commands: menu wiring, the topic menu, option toggles, keys
// handled by the window itself and the display modes.
#include "shell/av_main.h"

#include "quiz/av_quizanzeige.h"

#include "data/av_data.h"
#include "documents/dokument_lesen.h"
#include "mapview/nummerierung.h"
#include "platform/meldungen.h"
#include "shell/av_info.h"
#include "shell/hilfe.h"
#include "data/hintergrund.h"
#include "widgets/fensterrahmen.h"
#include "widgets/hoverpanel.h"
#include "widgets/spaltenmenue.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QWidgetAction>

void TForm1::ThemenEinrichten() {
    ThemenHaken h;
    h.DokumentLesen = [this](const QString& pfad, bool uebernehmen) {
        return DokumentLesenMit(pfad, uebernehmen);
    };
    h.QuizUnbeendet = [this] { return QuizLaeuft(); };
    h.QuizVerlassen = [this] { QuizVerlassen(); };
    h.Ansichtsmodus = [this] { return m_ansichtsmodus; };
    h.MenueAufbauen = [this](const Themenliste& liste, int index) { ThemenMenueAufbauen(liste, index); };
    h.MenueHakenSetzen = [this](int index) { ThemenMenueHaken(index); };
    h.TitelZeigen = [this](const QString& fenstertitel, const QString& dokTitel) {
        setWindowTitle(fenstertitel);
        m_dokTitelLab->setText(dokTitel);
    };
    h.KarteNeuAufbauen = [this] { KartenbereichAnordnen(); };
    h.StartpanelZeigen = [this] { StartInfoZeigen(); };
    m_themen = std::make_unique<ThemenAktionen>(m_dokument, m_themenliste, Ordner(), m_dienste.meldungen,
                                                m_dienste.dialoge, std::move(h));
    m_themen->setzeStartbild(RessourcenBild(QStringLiteral("Startbasisbild")));
}

bool TForm1::DokumentLesenMit(const QString& pfad, bool ordnerUebernehmen) {
    DokumentHooks haken;
    haken.warteCursor = [](bool an) {
        if (an)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    };
    haken.ordnerUebernehmen = [](const QString& ordner) { Ordner().Themenordner = ordner; };
    haken.dokumentSchliessen = [this] { m_themen->DokumentSchliessen(); };
    haken.nachLaden = [this] {
        // A new document starts at 100 % with its covers numbered; the map is composed later.
        m_karte.ZoomZuruecksetzen();
        NummerierungSetzen(m_dokument);
    };
    haken.lernansichtZeigen = [this] { LernansichtZeigen(); };
    const bool gelesen = DokumentLesen(m_dokument, pfad, ordnerUebernehmen, m_dienste.meldungen, haken);
    TitelAnzeigen();
    return gelesen;
}

void TForm1::ThemenMenueAufbauen(const Themenliste& liste, int listenindex) {
    QMenu* auswahl = m_menue->menue(QStringLiteral("Auswahl1"));
    // The two-column view holds the entries: it goes before them.
    delete auswahl->findChild<QWidgetAction*>(QStringLiteral("ThemenSpalten"));
    delete m_themenGruppe; // its actions go with it, and with them the menu entries
    m_themenGruppe = new QActionGroup(this);
    m_themenGruppe->setExclusive(true);
    const int umbruch = liste.Spaltenumbruch();
    QList<QAction*> eintraege;
    for (int i = 0; i < liste.Anzahl(); ++i) {
        auto* eintrag = new QAction(liste.MenueBeschriftung(i), m_themenGruppe);
        eintrag->setObjectName(QStringLiteral("MenueThemaItem") + QString::number(i));
        eintrag->setData(i);
        eintrag->setCheckable(true);
        eintrag->setChecked(i == listenindex);
        eintrag->setProperty("Spaltenumbruch", i == umbruch);
        connect(eintrag, &QAction::triggered, this, [this, i] {
            if (m_menue->menue(QStringLiteral("Auswahl1"))->isEnabled()) m_themen->ListeneintragOeffnen(i);
        });
        auswahl->addAction(eintrag);
        eintraege << eintrag;
    }
    // A long list breaks into a second column, which QMenu cannot do by itself: one
    // widget shows the entries, which stay in the menu, hidden, as its actions.
    if (umbruch < 0) return;
    for (QAction* eintrag : eintraege)
        eintrag->setVisible(false);
    QWidgetAction* spalten = SpaltenMenueAktion(auswahl, eintraege, umbruch);
    spalten->setObjectName(QStringLiteral("ThemenSpalten"));
    auswahl->addAction(spalten);
}

void TForm1::ThemenMenueHaken(int listenindex) {
    auto* eintrag = findChild<QAction*>(QStringLiteral("MenueThemaItem") + QString::number(listenindex));
    if (eintrag != nullptr) eintrag->setChecked(true);
}

void TForm1::BefehleVerbinden() {
    Hauptmenue& m = *m_menue;
    m.verbinden(QStringLiteral("Oeffnen1"), [this] { m_themen->Oeffnen(); });
    m.verbinden(QStringLiteral("Schliessen1"), [this] { m_themen->Schliessen(); });
    m.verbinden(QStringLiteral("Startseite1"), [this] { m_themen->Startseite(); });
    m.verbinden(QStringLiteral("ZuvorDokument1"), [this] { m_themen->ZuvorAngezeigtes(); });
    m.verbinden(QStringLiteral("VorherigesQuiz1"), [this] { m_themen->Vorheriges(); });
    m.verbinden(QStringLiteral("NaechstesQuiz1"), [this] { m_themen->Naechstes(); });
    m.verbinden(QStringLiteral("OrdnerWaehlen1"), [this] { m_themen->OrdnerWaehlen(); });
    m.verbinden(QStringLiteral("Beenden1"), [this] { close(); });
    m.verbinden(QStringLiteral("NetzTeilnehmen1"), [this] { NetzTeilnehmen(); });
    m.verbinden(QStringLiteral("NetzInitiieren1"), [this] { NetzInitiieren(); });
    m.verbinden(QStringLiteral("Werkzeugleiste1"), [this] { WerkzeugleisteUmschalten(); });
    m.verbinden(QStringLiteral("Vollbild1"), [this] { AnzeigeVollbild(); });
    m.verbinden(QStringLiteral("Fenster1"), [this] { AnzeigeFenster(); });
    m.verbinden(QStringLiteral("Minimieren1"), [this] { AnzeigeMinimieren(); });
    m.verbinden(QStringLiteral("Inhalt1"), [this] {
        ZielOeffnen(HilfeAdresse(Ordner().Hilfeordner), m_dienste.shell, m_dienste.meldungen);
    });
    m.verbinden(QStringLiteral("Homepage1"),
                [this] { ZielOeffnen(ProduktHomepage, m_dienste.shell, m_dienste.meldungen); });
    m.verbinden(QStringLiteral("Info1"), [this] { m_infoBox->exec(); });
    m.verbinden(QStringLiteral("Arbeitsblatt1"), [this] { ArbeitsblattErstellen(); });
    QuizBefehleVerbinden();
    AusgabeBefehleVerbinden();
    connect(m_prevDokPan, &THoverPanel::clicked, this, [this] { m_themen->Vorheriges(); });
    connect(m_naechstesPan, &THoverPanel::clicked, this, [this] { m_themen->Naechstes(); });
}

namespace {
struct Schalter {
    const char* name;
    bool ProgrammEinstellungenTyp::*feld;
};
// The option toggles of "&Optionen"; their check marks are the settings.
constexpr Schalter OptionsSchalter[] = {
    {"Sound1", &ProgrammEinstellungenTyp::Sound},
    {"OptNameEingabe1", &ProgrammEinstellungenTyp::UebNameEingabe},
    {"AutoProtSpeichern1", &ProgrammEinstellungenTyp::AutoProtSpeichern},
    {"ErgebBestListEintragen1", &ProgrammEinstellungenTyp::ErgebBestListEintragen},
};
} // namespace

void TForm1::OptionenVerbinden() {
    for (const Schalter& s : OptionsSchalter)
        connect(m_menue->aktion(QString::fromLatin1(s.name)), &QAction::toggled, this,
                [this, feld = s.feld](bool an) { m_einstellungen.*feld = an; });
    OptionenAnzeigen();
}

void TForm1::OptionenAnzeigen() {
    for (const Schalter& s : OptionsSchalter)
        m_menue->aktion(QString::fromLatin1(s.name))->setChecked(m_einstellungen.*(s.feld));
}

void TForm1::WerkzeugleisteUmschalten() {
    m_werkzeugleisteZu = !m_werkzeugleisteZu;
    m_menue->aktion(QStringLiteral("Werkzeugleiste1"))
        ->setText(m_werkzeugleisteZu ? QStringLiteral("Werkzeugleiste auf&klappen")
                                     : QStringLiteral("Werkzeugleiste zu&klappen"));
}

void TForm1::keyPressEvent(QKeyEvent* ereignis) {
    if (m_ansichtsmodus == Ansichtsart::Quizansicht && m_quizAnzeige != nullptr &&
        m_quizAnzeige->Taste(ereignis))
        return;
    const Qt::KeyboardModifiers mod = ereignis->modifiers() & ~Qt::KeypadModifier;
    const bool ziffernblock = ereignis->modifiers().testFlag(Qt::KeypadModifier);
    if (mod == (Qt::ShiftModifier | Qt::AltModifier) && ereignis->key() == Qt::Key_G) {
        // The whole window, frame included, fills a 1024 x 768 screen.
        move(0, 0);
        AussenGroesseSetzen(this, QSize(1024, 768));
        return;
    }
    if (mod == Qt::ControlModifier) {
        int dx = 0;
        int dy = 0;
        switch (ereignis->key()) {
        case Qt::Key_Left:
            dx = -1;
            break;
        case Qt::Key_Right:
            dx = 1;
            break;
        case Qt::Key_Up:
            dy = -1;
            break;
        case Qt::Key_Down:
            dy = 1;
            break;
        default:
            break;
        }
        if ((dx != 0 || dy != 0) && !ziffernblock) {
            if (KarteVerschieben) KarteVerschieben(dx, dy);
            return;
        }
        if (ziffernblock && (ereignis->key() == Qt::Key_Plus || ereignis->key() == Qt::Key_Minus)) {
            if (KarteZoomen) KarteZoomen(ereignis->key() == Qt::Key_Plus ? 1 : -1);
            return;
        }
    }
    QMainWindow::keyPressEvent(ereignis);
}

void TForm1::AnzeigeWechseln(Qt::WindowStates zustand, bool rahmenlos) {
    m_relayout = false;
    if (windowFlags().testFlag(Qt::FramelessWindowHint) != rahmenlos) {
        setWindowFlag(Qt::FramelessWindowHint, rahmenlos);
        // New flags give a new native window in its normal size; the same state set again
        // would be ignored, so it is cleared first.
        setWindowState(Qt::WindowNoState);
    }
    setWindowState(zustand);
    show();
    raise();
    activateWindow();
    // Let the window system deliver its resizes while relayout is off, then lay out once.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_relayout = true;
    if (!m_ersteAktivierung && !m_schliessen) GroesseAnpassen();
}

void TForm1::AnzeigeVollbild() {
    AnzeigeWechseln(Qt::WindowMaximized, true);
}
void TForm1::AnzeigeFenster() {
    AnzeigeWechseln(Qt::WindowMaximized, false);
}
void TForm1::AnzeigeMinimieren() {
    showMinimized();
}
