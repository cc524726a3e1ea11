#include "quiz/av_quizanzeige.h"

#include "mapview/ac_kennzinfo.h"
#include "mapview/karte.h"
#include "mapview/kartenzugang.h"
#include "mapview/nummerierung.h"
#include "quiz/ac_nameeingabe.h"
#include "quiz/ac_uebfertig.h"
#include "quiz/ac_ueboptform.h"
#include "quiz/av_uebinfopan.h"
#include "quiz/av_uebungpan.h"
#include "quiz/quiztexte.h"

#include <QKeyEvent>
#include <QLabel>

namespace {
constexpr int TaktMs = 100;

void ElementGestalten(TAntwortElement* e, const AntwortElement& daten, bool einzelfragen,
                      const QCursor& ziehen) {
    e->setGeometry(daten.Rechteck);
    e->setCaption(daten.Beschriftung);
    e->setAccessibleDescription({}); // a reused element says nothing of its last answer
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

TQuizAnzeige::TQuizAnzeige(Dokument& dok, Karte& karte, const ProgrammEinstellungenTyp& einstellungen,
                           QuizDienste dienste, QuizFenster fenster, QObject* eltern)
    : QObject(eltern), m_dok(dok), m_karte(karte), m_fenster(fenster),
      m_quiz(dok, karte, einstellungen, dienste, *this) {
    m_zeitTimer.setObjectName(QStringLiteral("ZeitTimer"));
    m_zeitTimer.setInterval(TaktMs);
    connect(&m_zeitTimer, &QTimer::timeout, &m_quiz, &Quiz::Takt);
    m_fenster.uebungPan->FokusWechsel = [this](bool weiter) {
        if (!m_quiz.Laeuft()) return false;
        m_quiz.FokusWeiter(!weiter);
        return true;
    };
    m_fenster.uebungPan->Zugang = this;
    connect(m_fenster.uebInfoPan, &TUebInfoPan::KennzahlenErklaeren, this, [this] {
        if (m_fenster.kennzInfo != nullptr) m_fenster.kennzInfo->exec();
    });
}

TQuizAnzeige::~TQuizAnzeige() {
    m_zeitTimer.stop();
    m_fenster.uebungPan->FokusWechsel = nullptr;
    m_fenster.uebungPan->HintergrundQuelle = nullptr;
    m_fenster.uebungPan->Zugang = nullptr;
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
        // The press action of a screen reader: a click on a single question's answer, or
        // the drop of a label on the position that the typed number framed.
        connect(e, &THoverPanel::clicked, this, [this, e] {
            m_quiz.Aufnehmen(e->Nummer(), e->geometry().center());
            m_quiz.Loslassen(e->Nummer());
        });
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
        if (ZugangAktiv() && (s.farbe == Quizfarbe::TextRichtig || s.farbe == Quizfarbe::TextFalsch))
            m_urteil = Urteil{s.farbe == Quizfarbe::TextRichtig, m_quiz.Ziel()};
        break;
    case Art::ElementFarbe:
        if (m_urteil) UrteilAnsagen(s.element);
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
        ZugangErneuern(m_fenster.uebungPan);
        break;
    case Art::Status:
        m_fenster.uebInfoPan->Anzeigen(m_quiz.Status());
        ZugangErneuern(m_fenster.uebungPan);
        break;
    case Art::Zeit:
        m_fenster.uebInfoPan->ZeitAnzeigen(s.text);
        break;
    case Art::Hintergrund:
        m_fenster.uebungPan->HintergrundErneuern();
        ZugangErneuern(m_fenster.uebungPan);
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
    Ansagen(QStringLiteral("Quiz beendet. ") + SkalaBeschreibung(anzeige), m_fenster.uebungPan);
    return m_fenster.uebFertig->Zeigen(anzeige);
}

void TQuizAnzeige::ProtokollUebergeben(const QuizLauf& lauf) {
    if (Protokoll) Protokoll(lauf);
}

void TQuizAnzeige::ProtokollAutomatischSpeichern() {
    if (ProtokollSpeichern) ProtokollSpeichern();
}

void TQuizAnzeige::BestenlisteEintragen(const QuizLauf& lauf) {
    if (Bestenliste) Bestenliste(lauf);
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
    // "?" is no cover number: it opens the key-figures info, as its "?" panel does.
    if (text == u"?" && m_fenster.kennzInfo != nullptr) {
        emit m_fenster.uebInfoPan->KennzahlenErklaeren();
        return true;
    }
    return text.size() == 1 && m_quiz.NummerTippen(text.at(0));
}

void TQuizAnzeige::UrteilAnsagen(int element) {
    const Urteil urteil = *m_urteil;
    m_urteil.reset();
    const auto& liste = m_quiz.Elemente();
    if (element < 0 || element >= static_cast<int>(liste.size())) return;
    const QString antwort = liste[static_cast<size_t>(element)].Beschriftung;
    const QString wo = m_dok.Header.HD_DokTyp == Einzelfragen || urteil.ziel < 0
                           ? m_quiz.FrageZaehlerText()
                           : QStringLiteral("Position ") + NummerText(m_dok, urteil.ziel);
    Ansagen(wo + QStringLiteral(": ") + antwort +
                (urteil.richtig ? QStringLiteral(", richtig") : QStringLiteral(", falsch")),
            m_fenster.uebungPan);
}

std::vector<ZugangsEintrag> TQuizAnzeige::ZugangsEintraege() const {
    std::vector<ZugangsEintrag> liste;
    if (!m_quiz.Quizmodus()) return liste;
    const int spalte = m_quiz.Daten().AntwortSpalteX;
    const QSize panel = m_fenster.uebungPan->size();
    const QRect karte(0, 0, std::max(1, spalte), panel.height());
    liste.push_back({Anweisungstext(m_dok.Header.HD_DokTyp, m_quiz.Daten().AbfrageModus),
                     QRect(spalte + 5, 1, std::max(1, panel.width() - spalte - 6), 40)});
    if (m_dok.Header.HD_DokTyp == Einzelfragen) {
        liste.push_back({m_quiz.FrageZaehlerText() + QStringLiteral(": ") + AktuelleFrageText(m_dok), karte});
        return liste;
    }
    if (m_dok.Header.HD_DokTyp == Lueckentext) liste.push_back({LueckentextKlar(m_dok), karte});
    for (const KartenEintrag& p : QuizPositionen(m_dok, m_karte))
        liste.push_back({p.name, p.rechteck});
    return liste;
}
