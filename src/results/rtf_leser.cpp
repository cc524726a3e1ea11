#include "results/rtf_leser.h"

#include "data/cp1252.h"

#include <QSet>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <limits>

namespace {

enum class Ziel { Text, Schriften, Farben, Ignorieren };

// Character and paragraph properties are saved with each group and restored at its end.
struct Zustand {
    Ziel ziel = Ziel::Text;
    int schrift = 0;
    int halbpunkte = 24;
    bool fett = false;
    bool kursiv = false;
    int uc = 1;
    int schriftDef = 0;
    QList<int> tabs;
};

constexpr int MaxTiefe = 1000;
constexpr int MaxWortLaenge = 32;
constexpr int MaxZiffern = 10;

bool IstIgnorierteGruppe(const QByteArray& wort) {
    static const QSet<QByteArray> Woerter{"stylesheet",
                                          "info",
                                          "pict",
                                          "header",
                                          "headerl",
                                          "headerr",
                                          "headerf",
                                          "footer",
                                          "footerl",
                                          "footerr",
                                          "footerf",
                                          "footnote",
                                          "listtable",
                                          "listoverridetable",
                                          "revtbl",
                                          "rsidtbl",
                                          "generator",
                                          "themedata",
                                          "colorschememapping",
                                          "latentstyles",
                                          "datastore",
                                          "fldinst",
                                          "object",
                                          "shp",
                                          "nonshppict",
                                          "xmlnstbl",
                                          "filetbl",
                                          "mmathPr"};
    return Woerter.contains(wort);
}

class Parser final {
public:
    explicit Parser(const QByteArray& daten) : m_d(daten) {}

    bool lesen(RtfInhaltTyp& inhalt);
    QString fehler() const { return m_fehler; }
    qsizetype fehlerStelle() const { return m_fehlerStelle; }

private:
    bool scheitern(const QString& text) {
        m_fehler = text;
        m_fehlerStelle = m_pos;
        return false;
    }
    Zustand& z() { return m_stapel.back(); }
    bool gruppeOeffnen();
    bool gruppeSchliessen();
    bool steuerung();
    bool steuerwort();
    bool hexZeichen();
    void wort(const QByteArray& w, bool mitZahl, int zahl);
    void zeichen(QChar c);
    void textZeichen(QChar c);
    void absatzEnde();

    const QByteArray& m_d;
    qsizetype m_pos = 0;
    std::vector<Zustand> m_stapel;
    Zustand m_zuletzt; // the document group's state as it closed, for a last paragraph without \par
    RtfInhaltTyp m_inhalt;
    RtfAbsatzTyp m_absatz;
    QString m_schriftname;
    int m_deff = 0;
    int m_ueberspringen = 0;
    bool m_stern = false;
    bool m_fertig = false;
    QString m_fehler;
    qsizetype m_fehlerStelle = -1;
};

bool Parser::lesen(RtfInhaltTyp& inhalt) {
    if (!m_d.startsWith("{\\rtf"))
        return scheitern(QStringLiteral("Die Daten sind kein Rich Text Format (der Kopf \"{\\rtf\" fehlt)."));
    while (m_pos < m_d.size() && !m_fertig) {
        const char c = m_d.at(m_pos);
        bool ok = true;
        if (c == '{') {
            ok = gruppeOeffnen();
        } else if (c == '}') {
            ok = gruppeSchliessen();
        } else if (c == '\\') {
            ok = steuerung();
        } else {
            if (c != '\r' && c != '\n') zeichen(AusCp1252(&c, 1).at(0));
            ++m_pos;
        }
        if (!ok) return false;
    }
    if (!m_stapel.empty()) return scheitern(QStringLiteral("Die RTF-Daten enden mitten in einer Gruppe."));
    if (!m_absatz.laeufe.empty()) absatzEnde();
    inhalt = std::move(m_inhalt);
    return true;
}

bool Parser::gruppeOeffnen() {
    if (m_stapel.size() >= MaxTiefe)
        return scheitern(QStringLiteral("Die RTF-Gruppen sind zu tief verschachtelt."));
    m_stapel.push_back(m_stapel.empty() ? Zustand{} : m_stapel.back());
    m_ueberspringen = 0;
    m_stern = false;
    ++m_pos;
    return true;
}

bool Parser::gruppeSchliessen() {
    if (m_stapel.empty()) return scheitern(QStringLiteral("Die RTF-Daten haben eine überzählige \"}\"."));
    m_zuletzt = m_stapel.back();
    m_stapel.pop_back();
    m_ueberspringen = 0;
    m_fertig = m_stapel.empty();
    ++m_pos;
    return true;
}

bool Parser::steuerung() {
    ++m_pos;
    if (m_pos >= m_d.size()) return scheitern(QStringLiteral("Die RTF-Daten enden nach einem \"\\\"."));
    const char c = m_d.at(m_pos);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return steuerwort();
    if (c == '\'') return hexZeichen();
    ++m_pos;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        zeichen(QChar::fromLatin1(c));
        break;
    case '*':
        m_stern = true;
        break;
    case '~':
        zeichen(QChar(0xA0));
        break;
    case '_':
        zeichen(QChar(0x2011));
        break;
    case '\r':
    case '\n':
        if (z().ziel == Ziel::Text) absatzEnde();
        break;
    default: // optional hyphen and other control symbols show nothing
        break;
    }
    return true;
}

bool Parser::steuerwort() {
    const qsizetype anfang = m_pos;
    while (m_pos < m_d.size() && std::isalpha(static_cast<unsigned char>(m_d.at(m_pos))))
        ++m_pos;
    if (m_pos - anfang > MaxWortLaenge) return scheitern(QStringLiteral("Ein RTF-Steuerwort ist zu lang."));
    const QByteArray w = m_d.mid(anfang, m_pos - anfang);
    const qsizetype zahlAnfang = m_pos;
    if (m_pos < m_d.size() && m_d.at(m_pos) == '-') ++m_pos;
    const qsizetype ziffernAnfang = m_pos;
    while (m_pos < m_d.size() && std::isdigit(static_cast<unsigned char>(m_d.at(m_pos))))
        ++m_pos;
    if (m_pos - ziffernAnfang > MaxZiffern) return scheitern(QStringLiteral("Eine RTF-Zahl ist zu lang."));
    const bool mitZahl = m_pos > ziffernAnfang;
    if (!mitZahl) m_pos = zahlAnfang; // a lone "-" is text
    const qint64 roh = mitZahl ? m_d.mid(zahlAnfang, m_pos - zahlAnfang).toLongLong() : 0;
    const int zahl = static_cast<int>(
        std::clamp<qint64>(roh, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    if (m_pos < m_d.size() && m_d.at(m_pos) == ' ') ++m_pos;
    wort(w, mitZahl, zahl);
    return true;
}

bool Parser::hexZeichen() {
    ++m_pos;
    bool ok = false;
    const int wert = m_pos + 2 <= m_d.size() ? m_d.mid(m_pos, 2).toInt(&ok, 16) : -1;
    if (!ok || wert < 0)
        return scheitern(QStringLiteral("Ein RTF-Zeichen \"\\'\" hat keine zwei Hexziffern."));
    m_pos += 2;
    const char b = static_cast<char>(wert);
    zeichen(AusCp1252(&b, 1).at(0));
    return true;
}

void Parser::wort(const QByteArray& w, bool mitZahl, int zahl) {
    Zustand& s = z();
    if (m_stern || IstIgnorierteGruppe(w)) {
        m_stern = false;
        s.ziel = Ziel::Ignorieren;
    }
    if (s.ziel == Ziel::Ignorieren) return;
    if (w == "fonttbl") {
        s.ziel = Ziel::Schriften;
    } else if (w == "colortbl") {
        s.ziel = Ziel::Farben;
    } else if (w == "deff") {
        m_deff = zahl;
        s.schrift = zahl;
    } else if (w == "f") {
        if (s.ziel == Ziel::Schriften) {
            s.schriftDef = zahl;
            m_schriftname.clear();
        } else {
            s.schrift = zahl;
        }
    } else if (w == "fs") {
        s.halbpunkte = mitZahl && zahl > 0 ? zahl : 24;
    } else if (w == "b" || w == "i") {
        (w == "b" ? s.fett : s.kursiv) = !mitZahl || zahl != 0;
    } else if (w == "plain") {
        s.fett = s.kursiv = false;
        s.halbpunkte = 24;
        s.schrift = m_deff;
    } else if (w == "pard") {
        s.tabs.clear();
    } else if (w == "tx") {
        s.tabs.append(zahl);
    } else if (w == "par") {
        if (s.ziel == Ziel::Text) absatzEnde();
    } else if (w == "tab") {
        zeichen(u'\t');
    } else if (w == "line") {
        zeichen(QChar::LineSeparator);
    } else if (w == "uc") {
        s.uc = std::max(0, zahl);
    } else if (w == "u") {
        textZeichen(QChar(static_cast<char16_t>(zahl < 0 ? zahl + 65536 : zahl)));
        m_ueberspringen = s.uc;
    } else if (w == "lquote" || w == "rquote" || w == "ldblquote" || w == "rdblquote" || w == "bullet" ||
               w == "endash" || w == "emdash") {
        static const QMap<QByteArray, char16_t> Zeichen{
            {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
            {"bullet", 0x2022}, {"endash", 0x2013}, {"emdash", 0x2014}};
        zeichen(QChar(Zeichen.value(w)));
    }
}

void Parser::zeichen(QChar c) {
    if (m_ueberspringen > 0) {
        --m_ueberspringen;
        return;
    }
    textZeichen(c);
}

void Parser::textZeichen(QChar c) {
    if (m_stapel.empty()) return;
    Zustand& s = z();
    if (s.ziel == Ziel::Schriften) {
        if (c == u';') {
            m_inhalt.schriften.insert(s.schriftDef, m_schriftname.trimmed());
            m_schriftname.clear();
        } else {
            m_schriftname += c;
        }
        return;
    }
    if (s.ziel != Ziel::Text) return;
    std::vector<RtfLaufTyp>& laeufe = m_absatz.laeufe;
    const QString name = m_inhalt.schriften.value(s.schrift);
    if (laeufe.empty() || laeufe.back().fett != s.fett || laeufe.back().kursiv != s.kursiv ||
        laeufe.back().halbpunkte != s.halbpunkte || laeufe.back().schrift != name)
        laeufe.push_back({{}, name, s.halbpunkte, s.fett, s.kursiv});
    laeufe.back().text += c;
}

void Parser::absatzEnde() {
    const Zustand& s = m_stapel.empty() ? m_zuletzt : z();
    m_absatz.tabsTwips = s.tabs;
    m_absatz.halbpunkte = s.halbpunkte;
    m_absatz.fett = s.fett;
    m_inhalt.absaetze.push_back(std::move(m_absatz));
    m_absatz = RtfAbsatzTyp{};
}

} // namespace

QString RtfAbsatzTyp::text() const {
    QString t;
    for (const RtfLaufTyp& lauf : laeufe)
        t += lauf.text;
    return t;
}

QString RtfInhaltTyp::text() const {
    QStringList zeilen;
    for (const RtfAbsatzTyp& a : absaetze)
        zeilen.append(a.text());
    return zeilen.join(u'\n');
}

bool RtfLeser::lesen(const QByteArray& daten, RtfInhaltTyp& inhalt) {
    Parser parser(daten);
    if (!parser.lesen(inhalt)) {
        m_fehlertext = parser.fehler();
        m_fehlerOffset = parser.fehlerStelle();
        return false;
    }
    m_fehlertext.clear();
    m_fehlerOffset = -1;
    return true;
}
