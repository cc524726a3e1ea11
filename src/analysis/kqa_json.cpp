#include "analysis/kqa_json.h"

#include "analysis/antwortsatz.h"

#include <QByteArray>

#include <charconv>
#include <cmath>

namespace {

constexpr int TiefeHoechstens = 64;
constexpr int64_t MsHoechstens = int64_t{1} << 50;

class Zeiger final {
public:
    explicit Zeiger(QByteArrayView s) : m_p(s.data()), m_e(s.data() + s.size()) {}

    void leer() {
        while (m_p < m_e && (*m_p == ' ' || *m_p == '\t' || *m_p == '\r' || *m_p == '\n'))
            ++m_p;
    }
    bool zeichen(char c) {
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
    bool text(QString& ziel) {
        QByteArrayView roh;
        if (!text(roh, m_puffer)) return false;
        ziel = QString::fromUtf8(roh);
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

private:
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

bool MitgliedLesen(Zeiger& z, QByteArrayView schluessel, KqaLaufKopf& k, KqaBestand& b, unsigned& gesehen) {
    const auto textFeld = [&](QString& ziel, unsigned feld) {
        gesehen |= feld;
        return z.text(ziel);
    };
    if (schluessel == "titel") return textFeld(k.titel, Titel);
    if (schluessel == "datei") return textFeld(k.datei, Datei);
    if (schluessel == "hash") return textFeld(k.hash, Hash);
    if (schluessel == "teilnehmer") return textFeld(k.teilnehmer, Teilnehmer);
    if (schluessel == "rechner") return textFeld(k.rechner, Rechner);
    if (schluessel == "note") return textFeld(k.note, Note);
    if (schluessel == "start") return textFeld(k.start, Start);
    if (schluessel == "dauerMs") {
        gesehen |= Dauer;
        return z.ganzzahl(0, MsHoechstens, k.dauerMs);
    }
    if (schluessel == "leistung") {
        gesehen |= Leistung;
        if (!z.zahl(k.leistung)) return false;
        k.leistung = std::clamp(k.leistung, 0.0, 1.0);
        return true;
    }
    if (schluessel == "ganz") {
        gesehen |= Ganz;
        return z.wahrheit(k.ganz);
    }
    if (schluessel == "antworten") {
        // Two lists of answers in one run are no record of ours.
        if (gesehen & Antworten) return false;
        gesehen |= Antworten;
        k.antwortAnfang = b.antwortAnzahl();
        if (!AntwortenLesen(z, b)) return false;
        k.antwortEnde = b.antwortAnzahl();
        return true;
    }
    return z.ueberspringen();
}

} // namespace

bool KqaJsonZeileLesen(QByteArrayView zeile, int64_t nummer, KqaBestand& bestand) {
    const std::size_t vorher = bestand.antwortAnzahl();
    Zeiger z(zeile);
    KqaLaufKopf k;
    k.zeile = nummer;
    unsigned gesehen = 0;
    QByteArray puffer;
    bool leer = false;
    bool ok = z.folgeAnfang('{', '}', leer);
    for (bool weiter = ok && !leer; ok && weiter;) {
        QByteArrayView schluessel;
        // The key stays valid: it lives in the line or in `puffer`, which no member's string uses.
        ok = z.text(schluessel, puffer) && z.zeichen(':') &&
             MitgliedLesen(z, schluessel, k, bestand, gesehen) && z.folgeWeiter('}', weiter);
    }
    if (!ok || !z.amEnde() || gesehen != AlleFelder) {
        bestand.antwortenKuerzen(vorher);
        return false;
    }
    bestand.kopfAnhaengen(std::move(k));
    return true;
}
