#include "quiz/av_quizanzeige.h"

#include "mapview/ac_kennzinfo.h"
#include "mapview/karte.h"
#include "quiz/ac_nameeingabe.h"
#include "quiz/ac_uebfertig.h"
#include "quiz/ac_ueboptform.h"
#include "quiz/av_uebinfopan.h"
#include "quiz/av_uebungpan.h"

#include <QKeyEvent>
#include <QLabel>

namespace {
constexpr int TaktMs = 100;

void ElementGestalten(TAntwortElement* e, const AntwortElement& daten, bool einzelfragen,
                      const QCursor& ziehen) {
    e->setGeometry(daten.Rechteck);
    e->setCaption(daten.Beschriftung);
    e->setHoverActive(false);
    e->setBevelOuter(THoverPanel::Bevel::Erhaben);
    e->setBevelWidth(1);
    e->setBorderWidth(1);
    e->setNormColor(daten.Farbe);
    e->setNormFontColor(Quizfarbe::Schrift);
    QFont schrift(QStringLiteral("Arial"), 11);
    schrift.setBold(true);
    e->setFont(schrift);
    e->setFontAutoSize(true);
    e->setMinFontSize(8);
    e->setAlignment(Qt::AlignHCenter);
    e->setWordWrap(true);
    e->setPadding(QMargins(2, 0, 2, 0));
    e->setTabStop(true);
    e->setCursor(einzelfragen ? QCursor(Qt::PointingHandCursor) : ziehen);
    e->setVisible(daten.Sichtbar && daten.Vorhanden);
}
} // namespace

void TQuizAnzeige::SperrWarten::warten(int ms) {
    ++m_sperre;
    m_innen.warten(ms);
    --m_sperre;
}

void TQuizAnzeige::SperrTon::abspielen(const QString& datei, bool synchron, bool schleife) {
    ++m_sperre;
    m_innen.abspielen(datei, synchron, schleife);
    --m_sperre;
}

TQuizAnzeige::TQuizAnzeige(Dokument& dok, Karte& karte, const ProgrammEinstellungenTyp& einstellungen,
                           QuizDienste dienste, QuizFenster fenster, QObject* eltern)
    : QObject(eltern), m_dok(dok), m_karte(karte), m_fenster(fenster), m_warten(dienste.warten, m_sperre),
      m_ton(dienste.ton, m_sperre),
      m_quiz(dok, karte, einstellungen,
             QuizDienste{dienste.meldungen, dienste.uhr, m_warten, m_ton, dienste.systemInfo}, *this) {
    m_zeitTimer.setObjectName(QStringLiteral("ZeitTimer"));
    m_zeitTimer.setInterval(TaktMs);
    connect(&m_zeitTimer, &QTimer::timeout, this, &TQuizAnzeige::Tick);
    m_fenster.uebungPan->FokusWechsel = [this](bool weiter) {
        if (!m_quiz.Laeuft()) return false;
        m_quiz.FokusWeiter(!weiter);
        return true;
    };
    connect(m_fenster.uebInfoPan, &TUebInfoPan::KennzahlenErklaeren, this, [this] {
        if (m_fenster.kennzInfo != nullptr) m_fenster.kennzInfo->exec();
    });
}

TQuizAnzeige::~TQuizAnzeige() {
    m_zeitTimer.stop();
    m_fenster.uebungPan->FokusWechsel = nullptr;
    m_fenster.uebungPan->HintergrundQuelle = nullptr;
}

TAntwortElement* TQuizAnzeige::Element(int k) const {
    if (k < 0 || k >= static_cast<int>(m_elemente.size())) return nullptr;
    return m_elemente[static_cast<size_t>(k)];
}

bool TQuizAnzeige::Starten() {
    const bool zeigen = m_fenster.uebOpt != nullptr && m_fenster.uebOpt->ZeigenCheck();
    // "Dieses Dialogfenster vor jeder Übung anzeigen": the options window comes first and
    // "Übung starten" starts the quiz; "Schließen" starts nothing. A running quiz is
    // left to the start's own question, without the window.
    if (zeigen && !m_quiz.Laeuft() && OptionsFensterFuer(m_dok.Header.HD_DokTyp) != OptionsFenster::Keins &&
        m_dok.IstOffen()) {
        if (!OptionenZeigen(m_dok.Header.HD_DokTyp)) return false;
        return m_quiz.Starten(false, 0);
    }
    return m_quiz.Starten(zeigen, 0);
}

void TQuizAnzeige::Tick() {
    if (m_sperre > 0) return; // the next tick after the pause
    m_quiz.Takt();
}

QString TQuizAnzeige::NameAbfragen() {
    return m_fenster.nameEingabe != nullptr ? m_fenster.nameEingabe->Abfragen() : QString();
}

bool TQuizAnzeige::OptionenVorJederUebung(int dokTyp) const {
    return m_fenster.uebOpt != nullptr && m_fenster.uebOpt->ZeigenCheck() &&
           OptionsFensterFuer(dokTyp) != OptionsFenster::Keins;
}

bool TQuizAnzeige::OptionenZeigen(int dokTyp) {
    switch (OptionsFensterFuer(dokTyp)) {
    case OptionsFenster::UebOpt:
        return m_fenster.uebOpt->exec() == QDialog::Accepted;
    case OptionsFenster::UebOptFragen:
        return m_fenster.uebOptFragen->exec() == QDialog::Accepted;
    default:
        return false;
    }
}

void TQuizAnzeige::QuizmodusSetzen(bool an) {
    KarteUmleiten(an);
    if (Modus) Modus(an);
}

// While the quiz runs the map composes into the quiz background instead of its control;
// the window hands the map back to its control when the quiz mode ends.
void TQuizAnzeige::KarteUmleiten(bool an) {
    for (QMetaObject::Connection& v : m_kartenVerbindungen)
        disconnect(v);
    if (!an) return;
    TUebungPan* pan = m_fenster.uebungPan;
    pan->HintergrundQuelle = [this] { return m_quiz.Hintergrundbild(); };
    m_kartenVerbindungen = {
        connect(&m_karte, &Karte::neuZeichnenNoetig, this, [pan] { pan->HintergrundErneuern(); }),
        connect(&m_karte, &Karte::bereichNeuZeichnenNoetig, this,
                [this, pan](const QRect& bereich) {
                    const QRect steuerelement(QPoint(0, 0), m_karte.Steuerelementgroesse());
                    pan->BereichErneuern(bereich.intersected(steuerelement), m_karte.Ansichtsbild(),
                                         m_karte.Ansichtsversatz());
                }),
        connect(&m_karte, &Karte::markeGeaendert, this,
                [pan](const QRect& r, bool sichtbar) { pan->MarkeSetzen(r, sichtbar); }),
    };
}

QSize TQuizAnzeige::PanelGroesse() const {
    return m_fenster.uebungPan->size();
}

void TQuizAnzeige::PanelGroesseGeaendert() {
    m_quiz.PanelGroesseGeaendert(m_fenster.uebungPan->size());
}

void TQuizAnzeige::ZeitTimerSetzen(bool an) {
    if (an)
        m_zeitTimer.start();
    else
        m_zeitTimer.stop();
}

void TQuizAnzeige::ElementeEntfernen() {
    // The widgets are kept for the next quiz, hidden; an element may be inside its own
    // mouse event right now, so none is ever deleted while the quiz area lives.
    for (TAntwortElement* e : m_elemente)
        if (e != nullptr) e->hide();
    m_elemente.clear();
}

TAntwortElement* TQuizAnzeige::ElementAusVorrat(int k) {
    while (static_cast<int>(m_vorrat.size()) <= k) {
        auto* e = new TAntwortElement(static_cast<int>(m_vorrat.size()), m_fenster.uebungPan);
        e->hide();
        e->BeiAufnehmen = [this](int n, QPoint p) { m_quiz.Aufnehmen(n, p); };
        e->BeiZiehen = [this](int n, QPoint p) { m_quiz.Ziehen(n, p); };
        e->BeiLoslassen = [this](int n) { m_quiz.Loslassen(n); };
        m_vorrat.push_back(e);
    }
    return m_vorrat[static_cast<size_t>(k)];
}

void TQuizAnzeige::ElementeErzeugen() {
    ElementeEntfernen();
    const auto& liste = m_quiz.Elemente();
    const bool klicken = m_dok.Header.HD_DokTyp == Einzelfragen;
    m_elemente.assign(liste.size(), nullptr);
    for (int k = static_cast<int>(liste.size()) - 1; k >= 0; --k) {
        TAntwortElement* e = ElementAusVorrat(k);
        ElementGestalten(e, liste[static_cast<size_t>(k)], klicken, ZiehCursor);
        e->raise(); // element 0 lies above all others
        m_elemente[static_cast<size_t>(k)] = e;
    }
}

void TQuizAnzeige::Schritt(const QuizSchritt& s) {
    using Art = QuizSchritt::Art;
    TAntwortElement* e = Element(s.element);
    switch (s.art) {
    case Art::StatusText:
        m_fenster.uebInfoPan->StatusText(s.text, s.farbe);
        break;
    case Art::ElementFarbe:
        if (e != nullptr) {
            e->setNormColor(s.farbe);
            e->repaint();
        }
        break;
    case Art::ElementBewegt:
        if (e != nullptr) e->move(s.punkt);
        break;
    case Art::ElementSichtbar:
        if (e != nullptr) e->setVisible(s.an);
        break;
    case Art::ElementEntfernt:
        if (e != nullptr) {
            e->hide();
            m_elemente[static_cast<size_t>(s.element)] = nullptr;
        }
        break;
    case Art::ElementeNeu:
        ElementeErzeugen();
        break;
    case Art::Status:
        m_fenster.uebInfoPan->Anzeigen(m_quiz.Status());
        break;
    case Art::Zeit:
        m_fenster.uebInfoPan->ZeitAnzeigen(s.text);
        break;
    case Art::Hintergrund:
        m_fenster.uebungPan->HintergrundErneuern();
        break;
    case Art::FrageZaehler: {
        QLabel* z = m_fenster.uebungPan->FrageZaehlerPan();
        z->setText(s.text);
        z->adjustSize();
        z->move(s.punkt);
        z->setVisible(s.an);
        break;
    }
    case Art::Fokus:
        if (e != nullptr) e->setFocus(Qt::TabFocusReason);
        break;
    case Art::Ton:
    case Art::Pause:
        break;
    }
}

ErgebnisWahl TQuizAnzeige::ErgebnisZeigen(const ErgebnisAnzeige& anzeige) {
    if (m_fenster.uebFertig == nullptr) return {};
    return m_fenster.uebFertig->Zeigen(anzeige);
}

void TQuizAnzeige::ProtokollUebergeben(const QString& text) {
    if (Protokoll) Protokoll(text);
}

void TQuizAnzeige::ProtokollAutomatischSpeichern() {
    if (ProtokollSpeichern) ProtokollSpeichern();
}

void TQuizAnzeige::BestenlisteEintragen(const BestenlistenErgebnis& ergebnis) {
    if (Bestenliste) Bestenliste(ergebnis);
}

bool TQuizAnzeige::Taste(QKeyEvent* ereignis) {
    if (!m_quiz.Laeuft()) return false;
    const Qt::KeyboardModifiers mod = ereignis->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mod != Qt::NoModifier) return false;
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return m_quiz.Bestaetigen();
    case Qt::Key_Space:
        return !(ereignis->modifiers() & Qt::ShiftModifier) && m_quiz.Bestaetigen();
    case Qt::Key_Escape:
        m_quiz.RahmenLoeschen();
        return true;
    case Qt::Key_Tab:
        m_quiz.FokusWeiter(false);
        return true;
    case Qt::Key_Backtab:
        m_quiz.FokusWeiter(true);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return m_quiz.PfeilSchritt(true);
    case Qt::Key_Left:
    case Qt::Key_Up:
        return m_quiz.PfeilSchritt(false);
    default:
        break;
    }
    if (ereignis->key() >= Qt::Key_1 && ereignis->key() <= Qt::Key_6 &&
        m_quiz.AntwortTaste(ereignis->key() - Qt::Key_0))
        return true;
    const QString text = ereignis->text();
    return text.size() == 1 && m_quiz.NummerTippen(text.at(0));
}
