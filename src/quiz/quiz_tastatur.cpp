// Keyboard play: focus on the answer elements, cover numbers typed to frame a position,
// Enter to judge, arrows for question-mark numbering, keys 1..6 for single questions.
#include "quiz/quiz.h"

#include "mapview/karte.h"
#include "mapview/nummerierung.h"

void Quiz::FokusSetzen(int k) {
    if (m_fokus == k) return;
    m_fokus = k;
    Schritt(QuizSchritt::Art::Fokus, k);
}

void Quiz::ErsterFokus() {
    for (const AntwortElement& e : m_elemente)
        if (e.Vorhanden && e.Sichtbar) {
            m_fokus = -2; // always announce the focus after a judgement
            FokusSetzen(e.Nummer);
            return;
        }
    FokusSetzen(-1);
}

void Quiz::FokusWeiter(bool rueckwaerts) {
    const int n = static_cast<int>(m_elemente.size());
    if (!Laeuft() || n == 0) return;
    const int start = m_fokus < 0 ? (rueckwaerts ? 0 : n - 1) : m_fokus;
    for (int schritt = 1; schritt <= n; ++schritt) {
        const int k = ((start + (rueckwaerts ? -schritt : schritt)) % n + n) % n;
        if (m_elemente[k].Vorhanden && m_elemente[k].Sichtbar) {
            FokusSetzen(k);
            return;
        }
    }
}

bool Quiz::NummerTippen(QChar zeichen) {
    if (!Laeuft() || IstEinzelfragen() || m_daten.Zuordnungsziele == 2) return false;
    const bool ziffer = zeichen.isDigit();
    const bool buchstabe = zeichen.isLetter() || zeichen == u'\'';
    if (!ziffer && !buchstabe) return false;
    const QString versuch = m_getippt + zeichen.toUpper();
    auto passend = [&](const QString& eingabe, bool genau) {
        for (int i = 0; i < static_cast<int>(m_dok.Objekte.size()); ++i) {
            if (!IstKandidat(i)) continue;
            const QString nummer = NummerText(m_dok, i);
            if (genau ? nummer == eingabe : nummer.startsWith(eingabe)) return i;
        }
        return -1;
    };
    // A character that continues no number starts a new one.
    m_getippt = passend(versuch, false) >= 0 ? versuch : QString(zeichen.toUpper());
    ZielSetzen(passend(m_getippt, true));
    return m_ziel >= 0;
}

void Quiz::RahmenLoeschen() {
    m_getippt.clear();
    if (!IstEinzelfragen()) ZielSetzen(-1);
}

bool Quiz::PfeilSchritt(bool vorwaerts) {
    if (!Laeuft() || IstEinzelfragen() || m_daten.Zuordnungsziele != 2) return false;
    const int n = static_cast<int>(m_dok.Objekte.size());
    if (n == 0) return false;
    const int start = m_ziel < 0 ? (vorwaerts ? n - 1 : 0) : m_ziel;
    for (int schritt = 1; schritt <= n; ++schritt) {
        const int i = ((start + (vorwaerts ? schritt : -schritt)) % n + n) % n;
        if (IstKandidat(i)) {
            ZielSetzen(i);
            return true;
        }
    }
    return false;
}

bool Quiz::Bestaetigen() {
    if (!Laeuft() || IstEinzelfragen() || m_fokus < 0 || m_ziel < 0) return false;
    const AntwortElement& e = m_elemente[m_fokus];
    if (!e.Vorhanden || !e.Sichtbar) return false;
    m_aufnahmePlatz = e.Rechteck.topLeft();
    Urteilen(m_fokus);
    return true;
}

bool Quiz::AntwortTaste(int taste) {
    if (!Laeuft() || !IstEinzelfragen() || taste < 1 || taste > 6) return false;
    for (const AntwortElement& e : m_elemente)
        if (e.Sichtbar && e.Slot == taste) {
            const int k = e.Nummer;
            Aufnehmen(k, e.Rechteck.center());
            Loslassen(k);
            return true;
        }
    return false;
}
