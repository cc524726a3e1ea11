// Keyboard play: focus on the answer elements, cover numbers typed to frame a position,
// Enter to judge, arrows for question-mark numbering, keys 1..6 for single questions.
#include "quiz/quiz.h"

#include "mapview/karte.h"
#include "mapview/nummerierung.h"

#include <algorithm>

void Quiz::FokusSetzen(int k) {
    if (m_fokus == k) return;
    m_fokus = k;
    Schritt(QuizSchritt::Art::Fokus, k);
}

std::vector<int> Quiz::Tabfolge() const {
    std::vector<int> folge;
    for (const AntwortElement& e : m_elemente)
        if (e.Vorhanden && e.Sichtbar) folge.push_back(e.Nummer);
    // Row by row, left to right; elements piled on one place keep their number order.
    std::stable_sort(folge.begin(), folge.end(), [this](int a, int b) {
        const QPoint pa = m_elemente[a].Rechteck.topLeft();
        const QPoint pb = m_elemente[b].Rechteck.topLeft();
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return folge;
}

void Quiz::ErsterFokus() {
    const std::vector<int> folge = Tabfolge();
    m_fokus = -2; // always announce the focus after a judgement
    FokusSetzen(folge.empty() ? -1 : folge.front());
}

// Acts at once, also during the feedback: hiding the focused element moves the focus
// through here, and the end of the feedback sets the focus anew anyway.
void Quiz::FokusWeiter(bool rueckwaerts) {
    if (!Laeuft()) return;
    const std::vector<int> folge = Tabfolge();
    const auto n = static_cast<int>(folge.size());
    if (n == 0) return;
    const auto hier = std::find(folge.begin(), folge.end(), m_fokus);
    int platz = rueckwaerts ? n - 1 : 0;
    if (hier != folge.end()) platz = (static_cast<int>(hier - folge.begin()) + (rueckwaerts ? n - 1 : 1)) % n;
    FokusSetzen(folge[static_cast<size_t>(platz)]);
}

bool Quiz::NummerTippen(QChar zeichen) {
    if (Zurueckhalten({Eingabe::Art::NummerTippen, 0, {}, zeichen})) return true;
    if (!Laeuft() || IstEinzelfragen() || m_daten.Zuordnungsziele == ZuordnungszieleArt::Fragezeichen)
        return false;
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
    if (Zurueckhalten({Eingabe::Art::RahmenLoeschen})) return;
    m_getippt.clear();
    if (!IstEinzelfragen()) ZielSetzen(-1);
}

bool Quiz::PfeilSchritt(bool vorwaerts) {
    if (Zurueckhalten({Eingabe::Art::PfeilSchritt, vorwaerts ? 1 : 0})) return true;
    if (!Laeuft() || IstEinzelfragen() || m_daten.Zuordnungsziele != ZuordnungszieleArt::Fragezeichen)
        return false;
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
    if (Zurueckhalten({Eingabe::Art::Bestaetigen})) return true;
    if (!Laeuft() || m_fokus < 0) return false;
    // A single question is answered by clicking: Enter or Space click the focused answer.
    if (IstEinzelfragen()) return AntwortKlicken(m_fokus);
    if (m_ziel < 0) return false;
    const AntwortElement& e = m_elemente[m_fokus];
    if (!e.Vorhanden || !e.Sichtbar) return false;
    m_aufnahmePlatz = e.Rechteck.topLeft();
    Urteilen(m_fokus);
    return true;
}

bool Quiz::AntwortTaste(int taste) {
    if (Zurueckhalten({Eingabe::Art::AntwortTaste, taste})) return true;
    if (!Laeuft() || !IstEinzelfragen() || taste < 1 || taste > 6) return false;
    for (const AntwortElement& e : m_elemente)
        if (e.Sichtbar && e.Slot == taste) return AntwortKlicken(e.Nummer);
    return false;
}

bool Quiz::AntwortKlicken(int k) {
    const AntwortElement& e = m_elemente[static_cast<size_t>(k)];
    if (!e.Vorhanden || !e.Sichtbar) return false;
    Aufnehmen(k, e.Rechteck.center());
    Loslassen(k);
    return true;
}
