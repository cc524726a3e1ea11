#include "analysis/kqa_json.h"

#include "analysis/antwortsatz.h"

#include <QByteArray>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr int TiefeHoechstens = 64;

// The four characters JSON allows between its tokens.
constexpr bool JsonLeer(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Steps eight bytes at a time over what needs no look in a string: no quote, no backslash,
// no control character. Returns where the first of them, or the last few bytes, begin.
const char* GewoehnlicheZeichenUeberspringen(const char* p, const char* e) {
    constexpr uint64_t Einsen = 0x0101010101010101ull;
    constexpr uint64_t Hoch = 0x8080808080808080ull;
    const auto null = [](uint64_t w) { return (w - Einsen) & ~w & Hoch; };
    while (e - p >= 8) {
        uint64_t w = 0;
        std::memcpy(&w, p, 8);
        // Bytes at or above 0x80 (UTF-8) never set a flag of the control test's own making.
        const uint64_t steuer = (w - Einsen * 0x20) & ~w & Hoch;
        // A flag may be wrong only above a right one: the lowest is the byte sought.
        if (const uint64_t treffer = steuer | null(w ^ (Einsen * '"')) | null(w ^ (Einsen * '\\')))
            return p + std::countr_zero(treffer) / 8;
        p += 8;
    }
    return p;
}
constexpr int64_t MsHoechstens = int64_t{1} << 50;

class Zeiger final {
public:
    explicit Zeiger(QByteArrayView s) : m_p(s.data()), m_e(s.data() + s.size()) {}

    void leer() {
        while (m_p < m_e && JsonLeer(*m_p))
            ++m_p;
    }
    bool zeichen(char c) {
        if (m_p < m_e && *m_p == c) {
            ++m_p;
            return true;
        }
        leer();
        if (m_p >= m_e || *m_p != c) return false;
        ++m_p;
        return true;
    }
    bool amEnde() {
        leer();
        return m_p == m_e;
    }

    // A string's UTF-8 bytes: a view into the line, or into `puffer` when it holds escapes.
    bool text(QByteArrayView& ziel, QByteArray& puffer) {
        if (!zeichen('"')) return false;
        const char* anfang = m_p;
        m_p = GewoehnlicheZeichenUeberspringen(m_p, m_e);
        while (m_p < m_e && *m_p != '"' && *m_p != '\\') {
            if (static_cast<unsigned char>(*m_p) < 0x20) return false;
            ++m_p;
        }
        if (m_p >= m_e) return false;
        if (*m_p == '"') {
            ziel = QByteArrayView(anfang, m_p - anfang);
            ++m_p;
            return true;
        }
        puffer = QByteArray(anfang, m_p - anfang);
        if (!escapesLesen(puffer)) return false;
        ziel = puffer;
        return true;
    }
    bool zahl(double& ziel) {
        leer();
        const char* anfang = m_p;
        // JSON allows no "+", no leading zeros before digits, no bare "." and no "inf"/"nan".
        if (m_p < m_e && *m_p == '-') ++m_p;
        if (m_p >= m_e || *m_p < '0' || *m_p > '9') return false;
        if (*m_p == '0' && m_p + 1 < m_e && m_p[1] >= '0' && m_p[1] <= '9') return false;
        const auto [ende, fehler] = std::from_chars(anfang, m_e, ziel);
        if (fehler != std::errc() || !std::isfinite(ziel)) return false;
        m_p = ende;
        return true;
    }
    bool ganzzahl(int64_t von, int64_t bis, int64_t& ziel) {
        if (kurzeGanzzahl(von, bis, ziel)) return true;
        double d = 0;
        if (!zahl(d) || d != std::floor(d) || d < static_cast<double>(von) || d > static_cast<double>(bis))
            return false;
        ziel = static_cast<int64_t>(d);
        return true;
    }
    bool wahrheit(bool& ziel) {
        leer();
        if (wort("true")) {
            ziel = true;
            return true;
        }
        ziel = false;
        return wort("false");
    }
    // Any value, of which nothing is kept.
    bool ueberspringen(int tiefe = 0) {
        leer();
        if (m_p >= m_e || tiefe > TiefeHoechstens) return false;
        QByteArrayView v;
        double d = 0;
        switch (*m_p) {
        case '"':
            return text(v, m_puffer);
        case '{':
            return folge('{', '}', tiefe, true);
        case '[':
            return folge('[', ']', tiefe, false);
        case 't':
            return wort("true");
        case 'f':
            return wort("false");
        case 'n':
            return wort("null");
        default:
            return zahl(d);
        }
    }
    // Opens an array; `leer` tells that it is closed right away.
    bool folgeAnfang(char auf, char zu, bool& leer_) {
        if (!zeichen(auf)) return false;
        leer_ = zeichen(zu);
        return true;
    }
    // After an element: true with `weiter` for "," and without for the closing bracket.
    bool folgeWeiter(char zu, bool& weiter) {
        if (zeichen(',')) {
            weiter = true;
            return true;
        }
        weiter = false;
        return zeichen(zu);
    }

    // Steps over the last member's value unread: what is left of the line must be the array
    // of answers that closes the object, "[]}" or ending in a whole answer (",<ms>]]}"). A
    // line cut short never ends so; what is inside is checked only where it is read. The inside is left to
    // whoever reads it later.
    bool antwortenAmSchlussUeberspringen() {
        leer();
        if (m_p >= m_e || *m_p != '[') return false;
        const char* e = m_e;
        const auto leerZurueck = [&] {
            while (e > m_p && JsonLeer(e[-1]))
                --e;
        };
        const auto zurueck = [&](char c) {
            leerZurueck();
            if (e == m_p || e[-1] != c) return false;
            --e;
            return true;
        };
        if (!zurueck('}') || !zurueck(']')) return false;
        const char* schluss = e; // the array's closing bracket
        if (zurueck('[') && e == m_p) {
            m_p = schluss + 1;
            return true;
        }
        e = schluss;
        if (!zurueck(']')) return false;
        // The answer's milliseconds: a number, as the full reading takes it ("2000", "2e3").
        leerZurueck();
        const char* ziffern = e;
        while (e > m_p && ((e[-1] >= '0' && e[-1] <= '9') || e[-1] == '.' || e[-1] == 'e' || e[-1] == 'E' ||
                           e[-1] == '+' || e[-1] == '-'))
            --e;
        if (e == ziffern || !zurueck(',')) return false;
        m_p = schluss + 1;
        return true;
    }

private:
    // Digits alone, as nearly every number of ours is, without going through a double.
    bool kurzeGanzzahl(int64_t von, int64_t bis, int64_t& ziel) {
        leer();
        const char* p = m_p;
        int64_t wert = 0;
        int stellen = 0;
        for (; p < m_e && *p >= '0' && *p <= '9' && stellen < 16; ++p, ++stellen)
            wert = wert * 10 + (*p - '0');
        if (stellen == 0 || stellen == 16 || (stellen > 1 && *m_p == '0')) return false;
        if (p < m_e && (*p == '.' || *p == 'e' || *p == 'E')) return false;
        if (wert < von || wert > bis) return false;
        ziel = wert;
        m_p = p;
        return true;
    }
    bool wort(const char* w) {
        const QByteArrayView soll(w);
        if (m_e - m_p < soll.size() || QByteArrayView(m_p, soll.size()) != soll) return false;
        m_p += soll.size();
        return true;
    }
    bool folge(char auf, char zu, int tiefe, bool objekt) {
        bool fertig = false;
        if (!folgeAnfang(auf, zu, fertig)) return false;
        for (bool weiter = !fertig; weiter;) {
            QByteArrayView schluessel;
            if (objekt && (!text(schluessel, m_puffer) || !zeichen(':'))) return false;
            if (!ueberspringen(tiefe + 1) || !folgeWeiter(zu, weiter)) return false;
        }
        return true;
    }
    static void utf8(uint32_t z, QByteArray& ziel) {
        if (z < 0x80) {
            ziel += static_cast<char>(z);
        } else if (z < 0x800) {
            ziel += static_cast<char>(0xC0 | (z >> 6));
            ziel += static_cast<char>(0x80 | (z & 0x3F));
        } else if (z < 0x10000) {
            ziel += static_cast<char>(0xE0 | (z >> 12));
            ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            ziel += static_cast<char>(0x80 | (z & 0x3F));
        } else {
            ziel += static_cast<char>(0xF0 | (z >> 18));
            ziel += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
            ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            ziel += static_cast<char>(0x80 | (z & 0x3F));
        }
    }
    bool hex4(uint32_t& ziel) {
        if (m_e - m_p < 4) return false;
        ziel = 0;
        for (int i = 0; i < 4; ++i, ++m_p) {
            const char c = *m_p;
            const int w = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
            if (w < 0) return false;
            ziel = ziel * 16 + static_cast<uint32_t>(w);
        }
        return true;
    }
    bool escapesLesen(QByteArray& ziel) {
        while (m_p < m_e) {
            const char c = *m_p++;
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                ziel += c;
                continue;
            }
            if (m_p >= m_e) return false;
            const char e = *m_p++;
            static constexpr char Kurz[] = "\"\"\\\\//b\bf\fn\nr\rt\t";
            bool gefunden = false;
            for (std::size_t i = 0; i + 1 < sizeof(Kurz); i += 2)
                if (Kurz[i] == e) {
                    ziel += Kurz[i + 1];
                    gefunden = true;
                    break;
                }
            if (gefunden) continue;
            uint32_t z = 0;
            if (e != 'u' || !hex4(z)) return false;
            // A lone half of a surrogate pair becomes U+FFFD, as in every other reader of ours.
            if (z >= 0xD800 && z < 0xDC00) {
                uint32_t tief = 0;
                if (m_e - m_p >= 6 && m_p[0] == '\\' && m_p[1] == 'u') {
                    m_p += 2;
                    if (!hex4(tief)) return false;
                }
                z = tief >= 0xDC00 && tief < 0xE000 ? 0x10000 + ((z - 0xD800) << 10) + (tief - 0xDC00)
                                                    : 0xFFFD;
            } else if (z >= 0xDC00 && z < 0xE000) {
                z = 0xFFFD;
            }
            utf8(z, ziel);
        }
        return false;
    }

    const char* m_p;
    const char* m_e;
    QByteArray m_puffer;
};

enum Feld : unsigned {
    Titel = 1u << 0,
    Datei = 1u << 1,
    Hash = 1u << 2,
    Teilnehmer = 1u << 3,
    Rechner = 1u << 4,
    Start = 1u << 5,
    Note = 1u << 6,
    Dauer = 1u << 7,
    Leistung = 1u << 8,
    Ganz = 1u << 9,
    Antworten = 1u << 10,
    AlleFelder = (1u << 11) - 1,
};

bool AntwortLesen(Zeiger& z, KqaBestand& b, QByteArray& puffer) {
    int64_t ziel = 0, versuch = 0, ms = 0;
    KqaAntwortKurz a;
    QByteArrayView text;
    if (!z.zeichen('[') || !z.ganzzahl(0, INT32_MAX, ziel) || !z.zeichen(',') || !z.text(text, puffer))
        return false;
    a.nummer = b.textId(text);
    if (!z.zeichen(',') || !z.text(text, puffer)) return false;
    a.text = b.textId(text);
    if (!z.zeichen(',') || !z.wahrheit(a.richtig) || !z.zeichen(',') || !z.ganzzahl(1, INT32_MAX, versuch) ||
        !z.zeichen(',') || !z.ganzzahl(0, MsHoechstens, ms) || !z.zeichen(']'))
        return false;
    a.ziel = static_cast<int32_t>(ziel);
    a.versuch = static_cast<int32_t>(versuch);
    a.ms = ms;
    b.antwortAnhaengen(a);
    return true;
}

bool AntwortenLesen(Zeiger& z, KqaBestand& b) {
    QByteArray puffer;
    bool leer = false;
    if (!z.folgeAnfang('[', ']', leer)) return false;
    int anzahl = 0;
    for (bool weiter = !leer; weiter;)
        if (++anzahl > KqaAntwortenHoechstens || !AntwortLesen(z, b, puffer) || !z.folgeWeiter(']', weiter))
            return false;
    return true;
}

// A member's name with its length known before the line is read.
template <std::size_t N> constexpr QByteArrayView Schluessel(const char (&name)[N]) {
    return QByteArrayView(name, N - 1);
}

// A run's line as it is read: the head, which members came, and where its start lies.
struct Zeilenstand {
    KqaLaufKopf k;
    unsigned gesehen = 0;
    QByteArrayView start;
    QByteArray startPuffer;
    std::size_t naechstes = 0; // where in the member table to look first
};

bool TextFeld(Zeiger& z, KqaBestand& b, QByteArray& puffer, std::size_t feld, int32_t& ziel) {
    QByteArrayView roh;
    if (!z.text(roh, puffer)) return false;
    ziel = b.feldTextId(feld, roh);
    return true;
}

// The answers, or, for a run whose answers the reading does not keep and whose head is
// complete before them, a step over them to the line's end.
bool AntwortenMitgliedLesen(Zeiger& z, Zeilenstand& st, KqaBestand& b) {
    // Two lists of answers in one run are no record of ours.
    if (st.gesehen & Antworten) return false;
    st.gesehen |= Antworten;
    if (st.gesehen == AlleFelder) {
        st.k.schueler = b.schuelerId(st.k.teilnehmer);
        if (!b.antwortenNoetig(st.k.schueler, st.k.ganz)) {
            st.k.antwortenGelesen = false;
            return z.antwortenAmSchlussUeberspringen();
        }
    }
    st.k.antwortAnfang = b.antwortAnzahl();
    if (!AntwortenLesen(z, b)) return false;
    st.k.antwortEnde = b.antwortAnzahl();
    return true;
}

enum class Art { Text, Start, Dauer, Leistung, Ganz, Antworten };

struct Mitglied {
    QByteArrayView name;
    Feld feld;
    Art art;
    int32_t KqaLaufKopf::*text;
};

// In the order in which our lines carry them, so that the search mostly ends at once.
constexpr Mitglied Mitglieder[] = {
    {Schluessel("dauerMs"), Dauer, Art::Dauer, nullptr},
    {Schluessel("datei"), Datei, Art::Text, &KqaLaufKopf::datei},
    {Schluessel("ganz"), Ganz, Art::Ganz, nullptr},
    {Schluessel("hash"), Hash, Art::Text, &KqaLaufKopf::hash},
    {Schluessel("leistung"), Leistung, Art::Leistung, nullptr},
    {Schluessel("note"), Note, Art::Text, &KqaLaufKopf::note},
    {Schluessel("rechner"), Rechner, Art::Text, &KqaLaufKopf::rechner},
    {Schluessel("start"), Start, Art::Start, nullptr},
    {Schluessel("teilnehmer"), Teilnehmer, Art::Text, &KqaLaufKopf::teilnehmer},
    {Schluessel("titel"), Titel, Art::Text, &KqaLaufKopf::titel},
    {Schluessel("antworten"), Antworten, Art::Antworten, nullptr},
};

bool MitgliedLesen(Zeiger& z, QByteArrayView schluessel, Zeilenstand& st, KqaBestand& b, QByteArray& puffer) {
    const Mitglied* m = nullptr;
    for (std::size_t i = 0; i < std::size(Mitglieder) && !m; ++i) {
        // Where the last member was found, the next one is looked for first.
        const Mitglied& kandidat = Mitglieder[(st.naechstes + i) % std::size(Mitglieder)];
        if (KurzGleich(schluessel, kandidat.name)) m = &kandidat;
    }
    if (!m) return z.ueberspringen();
    st.naechstes = static_cast<std::size_t>(m - Mitglieder) + 1;
    if (m->art == Art::Antworten) return AntwortenMitgliedLesen(z, st, b);
    st.gesehen |= m->feld;
    switch (m->art) {
    case Art::Text:
        return TextFeld(z, b, puffer, static_cast<std::size_t>(m - Mitglieder), st.k.*(m->text));
    case Art::Start:
        return z.text(st.start, st.startPuffer) && st.start.size() <= 64;
    case Art::Dauer:
        return z.ganzzahl(0, MsHoechstens, st.k.dauerMs);
    case Art::Leistung:
        if (!z.zahl(st.k.leistung)) return false;
        st.k.leistung = std::clamp(st.k.leistung, 0.0, 1.0);
        return true;
    default:
        return z.wahrheit(st.k.ganz);
    }
}

} // namespace

bool KqaJsonZeileLesen(QByteArrayView zeile, int64_t nummer, KqaBestand& bestand) {
    const std::size_t vorher = bestand.antwortAnzahl();
    Zeiger z(zeile);
    Zeilenstand st;
    st.k.zeile = nummer;
    QByteArray schluesselPuffer;
    QByteArray wertPuffer;
    bool leer = false;
    bool ok = z.folgeAnfang('{', '}', leer);
    for (bool weiter = ok && !leer; ok && weiter;) {
        QByteArrayView schluessel;
        ok = z.text(schluessel, schluesselPuffer) && z.zeichen(':') &&
             MitgliedLesen(z, schluessel, st, bestand, wertPuffer) && z.folgeWeiter('}', weiter);
    }
    if (!ok || !z.amEnde() || st.gesehen != AlleFelder) {
        bestand.antwortenKuerzen(vorher);
        return false;
    }
    st.k.schueler = bestand.schuelerId(st.k.teilnehmer);
    // Answers read before the head was complete, of a run that the reading does not count.
    if (st.k.antwortenGelesen && !bestand.antwortenNoetig(st.k.schueler, st.k.ganz)) {
        bestand.antwortenKuerzen(vorher);
        st.k.antwortenGelesen = false;
    }
    if (!st.k.antwortenGelesen) st.k.antwortAnfang = st.k.antwortEnde = bestand.antwortAnzahl();
    bestand.startSetzen(st.k, st.start);
    bestand.kopfAnhaengen(st.k);
    return true;
}
