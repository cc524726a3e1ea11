// Picking up, dragging, the target search and judging an answer.
#include "quiz/quiz.h"

#include "data/av_data.h"
#include "mapview/karte.h"
#include "mapview/kartenhilfen.h"
#include "mapview/nummerierung.h"
#include "platform/uhr.h"
#include "quiz/quiztexte.h"

#include <cmath>

namespace {

bool Enthaelt(double l, double t, double r, double b, QPointF p) {
    return l <= p.x() && p.x() < r && t <= p.y() && p.y() < b;
}

} // namespace

void Quiz::Aufnehmen(int k, QPoint maus) {
    if (Zurueckhalten({Eingabe::Art::Aufnehmen, k, maus})) return;
    if (!Laeuft() || k < 0 || k >= static_cast<int>(m_elemente.size())) return;
    const AntwortElement& e = m_elemente[k];
    if (!e.Vorhanden || !e.Sichtbar) return;
    m_aufnahmePlatz = e.Rechteck.topLeft();
    m_griff = maus;
    if (IstEinzelfragen()) m_ziel = m_folge[m_daten.FrageIndex].ZielObjekt;
}

void Quiz::Ziehen(int k, QPoint maus) {
    if (Zurueckhalten({Eingabe::Art::Ziehen, k, maus})) return;
    if (!Laeuft() || IstEinzelfragen() || k < 0 || k >= static_cast<int>(m_elemente.size())) return;
    AntwortElement& e = m_elemente[k];
    if (!e.Vorhanden || !e.Sichtbar) return;
    QRect r = e.Rechteck.translated(maus - m_griff);
    // Kept inside the panel; the grab point moves with the correction.
    QPoint korrektur;
    if (r.right() > m_panel.width() - 1) korrektur.rx() = m_panel.width() - 1 - r.right();
    if (r.left() + korrektur.x() < 0) korrektur.rx() = -r.left();
    if (r.bottom() > m_panel.height() - 1) korrektur.ry() = m_panel.height() - 1 - r.bottom();
    if (r.top() + korrektur.y() < 0) korrektur.ry() = -r.top();
    r.translate(korrektur);
    m_griff = maus + korrektur;
    e.Rechteck = r;
    Schritt(QuizSchritt::Art::ElementBewegt, k, {}, {}, r.topLeft());
    ZielSetzen(ZielSuchen(r));
}

void Quiz::ZielSetzen(int index) {
    m_ziel = index;
    m_karte.MarkeZeigen(index);
}

bool Quiz::IstKandidat(int i) const {
    if (i < 0 || i >= static_cast<int>(m_dok.Objekte.size())) return false;
    const ObjDataTyp& o = m_dok.Objekte[i];
    if (o.OB_Typ != ObArt::Beschriftung && o.OB_Typ != ObArt::Luecke && o.OB_Typ != ObArt::Antwort)
        return false;
    if (o.Nummer < 0 || o.Zustand != ObZustand::Offen || o.Box[0] == -1) return false;
    if (!IstEinzelfragen() && m_daten.AbfrageModus == AbfrageModusArt::Einzelpositionen && !m_folge.empty() &&
        i != m_folge[m_daten.FrageIndex].ZielObjekt)
        return false;
    if (o.OB_Typ == ObArt::Antwort && o.OB_FrageNummer != m_dok.AktuelleFrage) return false;
    return true;
}

int Quiz::ZielSuchen(const QRect& rechteck) const {
    // Panel pixels -> view pixels: the map picture stands at the panel's origin, centred in its width.
    const QPointF versatz(m_karte.Ansichtsversatz());
    const double breite = rechteck.width();
    const double hoehe = rechteck.height();
    const QPointF lo = m_karte.AnsichtspunktZuAnteil(QPointF(rechteck.topLeft()) - versatz);
    const QPointF ru =
        m_karte.AnsichtspunktZuAnteil(QPointF(rechteck.left() + breite, rechteck.top() + hoehe) - versatz);
    const QPointF linksMitte(lo.x(), (lo.y() + ru.y()) / 2);
    const int anzahl = static_cast<int>(m_dok.Objekte.size());
    for (int i = 0; i < anzahl; ++i) {
        if (!IstKandidat(i)) continue;
        const auto& b = m_dok.Objekte[i].Box;
        if (Enthaelt(b[0], b[1], b[2], b[3], linksMitte)) return i;
    }
    const std::array<QPointF, 4> ecken{lo, QPointF(ru.x(), lo.y()), QPointF(lo.x(), ru.y()), ru};
    for (int i = 0; i < anzahl; ++i) {
        if (!IstKandidat(i)) continue;
        const auto& b = m_dok.Objekte[i].Box;
        const std::array<QPointF, 4> boxEcken{QPointF(b[0], b[1]), QPointF(b[2], b[1]), QPointF(b[0], b[3]),
                                              QPointF(b[2], b[3])};
        for (int j = 0; j < 4; ++j)
            if (Enthaelt(lo.x(), lo.y(), ru.x(), ru.y(), boxEcken[j]) ||
                Enthaelt(b[0], b[1], b[2], b[3], ecken[j]))
                return i;
    }
    return -1;
}

void Quiz::Loslassen(int k) {
    if (Zurueckhalten({Eingabe::Art::Loslassen, k})) return;
    if (!Laeuft() || k < 0 || k >= static_cast<int>(m_elemente.size())) return;
    const AntwortElement& e = m_elemente[k];
    if (!e.Vorhanden || !e.Sichtbar || m_ziel < 0) return;
    Urteilen(k);
}

// Records the answer, then plays its feedback; the counting comes at the end of the
// feedback, so a run left meanwhile counts nothing.
void Quiz::Urteilen(int k) {
    const int32_t text = m_elemente[k].Tag;
    const int ziel = m_ziel;
    const bool richtig =
        TextNormalisieren(m_dok.Objekte[ziel].OB_Cap) == TextNormalisieren(m_dok.Objekte[text].OB_Cap);
    AntwortAufzeichnen(ziel, text, richtig);
    ZustandSetzen(Zustand::Rueckmeldung);
    if (richtig)
        RichtigPlanen(k, ziel);
    else
        FalschPlanen(k, ziel);
    Tun([this] {
        m_daten.Offen = ZaehleOffen();
        StatusAktualisieren();
        ZielSetzen(-1);
        m_getippt.clear();
    });
    PlanWeiter();
}

void Quiz::AntwortAufzeichnen(int32_t ziel, int32_t text, bool richtig) {
    AntwortEintrag a;
    a.ZielObjekt = ziel;
    a.ZielNummer = NummerText(m_dok, ziel);
    a.ZielBeschriftung = m_dok.Objekte[ziel].OB_Cap;
    a.TextObjekt = text;
    a.Text = m_dok.Objekte[text].OB_Cap;
    a.Richtig = richtig;
    for (const AntwortEintrag& frueher : m_lauf.Antworten)
        if (frueher.ZielObjekt == ziel) ++a.Versuch;
    a.Ms = VerstricheneMs();
    m_lauf.Antworten.push_back(std::move(a));
}

void Quiz::RichtigPlanen(int k, int ziel) {
    Tun([this, k] {
        Schritt(QuizSchritt::Art::StatusText, -1, QStringLiteral("Richtig"), Quizfarbe::TextRichtig);
        ElementFarbe(k, Quizfarbe::Richtig);
        Schritt(QuizSchritt::Art::Ton, -1, QStringLiteral("Richtig1.wav"));
    });
    TonStufe(QStringLiteral("Richtig1.wav"));
    Pause(300);
    if (IstEinzelfragen()) {
        Pause(700);
        Tun([this] { AlleVerbergen(); });
    }
    Tun([this, k, ziel] {
        ElementFarbe(k, Quizfarbe::Normal);
        m_dok.Objekte[ziel].Zustand =
            m_daten.ZuordnungRichtig == ZuordnungRichtigArt::Haekchen ? ObZustand::Haken : ObZustand::Gezeigt;
        if (!IstEinzelfragen()) {
            GleicheTexteVerbinden(k, ziel);
            m_elemente[k].Vorhanden = false;
            m_elemente[k].Sichtbar = false;
            Schritt(QuizSchritt::Art::ElementEntfernt, k);
            m_karte.ObjektNeuZeichnen(ziel);
        }
        ++m_daten.Richtig;
    });
}

// A text that was rightly placed on another position with the same caption leaves the
// text of that position without a position. The entry whose text belongs to that
// position takes the placed text over, so every open position keeps an element that
// the single-text mode can offer.
void Quiz::GleicheTexteVerbinden(int k, int ziel) {
    const int32_t text = m_elemente[k].Tag;
    if (text == ziel) return;
    for (AntwortElement& e : m_elemente)
        if (e.Vorhanden && e.Nummer != k && e.Tag == ziel) {
            e.Tag = text;
            m_folge[e.Nummer].TextObjekt = text;
            m_elemente[k].Tag = ziel;
            m_folge[k].TextObjekt = ziel;
            return;
        }
}

void Quiz::FalschPlanen(int k, int ziel) {
    const int32_t text = m_elemente[k].Tag;
    Tun([this, k] {
        Schritt(QuizSchritt::Art::StatusText, -1, QStringLiteral("Falsch"), Quizfarbe::TextFalsch);
        ElementFarbe(k, Quizfarbe::Falsch);
        Schritt(QuizSchritt::Art::Ton, -1, QStringLiteral("Falsch1.wav"));
    });
    TonStufe(QStringLiteral("Falsch1.wav"));
    if (IstEinzelfragen()) {
        EinzelfrageFalschPlanen(ziel);
    } else {
        if (m_daten.AbfrageModus == AbfrageModusArt::Einzeltexte) {
            Pause(100);
            Tun([this, k] { ElementSichtbar(k, false); });
        } else {
            m_plan.push_back(Stufe(Stufe::Art::Gleiten, {}, k));
            Tun([this, k] { ElementFarbe(k, Quizfarbe::Normal); });
        }
        Tun([this, ziel] {
            if (m_daten.ZuordnungFalsch == ZuordnungFalschArt::Kreuz) {
                m_dok.Objekte[ziel].Zustand = ObZustand::Kreuz;
                m_karte.ObjektNeuZeichnen(ziel);
            }
        });
    }
    Tun([this, k, ziel, text] {
        ElementFarbe(k, Quizfarbe::Normal);
        ++m_dok.Objekte[ziel].FehlversucheZiel;
        if (!IstEinzelfragen()) ++m_dok.Objekte[text].FehlversucheText;
        ++m_daten.Fehlversuche;
    });
}

// A wrong answer to a single question: the right answer blinks three times, then all go.
void Quiz::EinzelfrageFalschPlanen(int ziel) {
    const int loesung = m_loesung;
    if (loesung >= 0)
        for (int i = 0; i < 3; ++i) {
            Tun([this, loesung] { ElementFarbe(loesung, Quizfarbe::Richtig); });
            Pause(150);
            Tun([this, loesung] { ElementFarbe(loesung, Quizfarbe::Normal); });
            Pause(150);
        }
    Tun([this, ziel] {
        if (m_daten.ZuordnungFalsch == ZuordnungFalschArt::Kreuz)
            m_dok.Objekte[ziel].Zustand = ObZustand::Geschlossen;
    });
    Pause(800);
    Tun([this] { AlleVerbergen(); });
}

// The element glides back to where it was picked up, one pixel step every two pixels of
// the way and one millisecond apart on the clock; the steps go to the front of the plan
// when the glide begins, so its time starts there.
void Quiz::GleitenPlanen(int k) {
    const QPoint start = m_elemente[k].Rechteck.topLeft();
    const double dx = m_aufnahmePlatz.x() - start.x();
    const double dy = m_aufnahmePlatz.y() - start.y();
    const int s = RundeGerade(std::sqrt(dx * dx + dy * dy) * 0.5);
    const uint32_t t0 = m_dienste.uhr.tickMs();
    std::deque<Stufe> gleiten;
    for (int i = 1; i <= s; ++i) {
        const QPoint p(start.x() + RundeGerade(dx * i / s), start.y() + RundeGerade(dy * i / s));
        gleiten.push_back(Stufe(Stufe::Art::Tun, [this, k, p] {
            m_elemente[k].Rechteck.moveTo(p);
            Schritt(QuizSchritt::Art::ElementBewegt, k, {}, {}, p);
        }));
        gleiten.push_back(Stufe(Stufe::Art::Tun, [this, t0, i] {
            const auto rest = static_cast<int32_t>(t0 + static_cast<uint32_t>(i) - m_dienste.uhr.tickMs());
            if (rest <= 0) return;
            m_warte = Warte::Pause;
            m_dienste.warten.pauseStarten(rest);
        }));
    }
    m_plan.insert(m_plan.begin(), gleiten.begin(), gleiten.end());
}

bool Quiz::NaechsteFrage() {
    if (m_daten.AbfrageModus == AbfrageModusArt::Frei && !IstEinzelfragen()) return true;
    const int n = static_cast<int>(m_folge.size());
    const bool nachText = !IstEinzelfragen() && m_daten.AbfrageModus == AbfrageModusArt::Einzeltexte;
    for (int schritt = 1; schritt <= n; ++schritt) {
        const int index = (m_daten.FrageIndex + schritt) % n;
        const FragenfolgeEintrag& f = m_folge[index];
        const int32_t objekt = nachText ? f.TextObjekt : f.ZielObjekt;
        if (m_dok.Objekte[objekt].Zustand != ObZustand::Offen) continue;
        if (nachText && !m_elemente[index].Vorhanden) continue;
        m_daten.FrageIndex = index;
        ++m_daten.FrageZaehler;
        FragePraesentieren();
        if (IstEinzelfragen() || m_daten.AbfrageModus == AbfrageModusArt::Einzelpositionen) {
            if (IstEinzelfragen()) m_dok.AktuelleFrage = m_dok.Objekte[f.ZielObjekt].OB_FrageNummer;
            m_karte.BeschriftungenErneuern();
            Schritt(QuizSchritt::Art::Hintergrund);
        }
        return true;
    }
    return false; // nothing presentable is left: the quiz ends rather than hang
}
