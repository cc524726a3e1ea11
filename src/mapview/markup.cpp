#include "mapview/markup.h"

#include "data/av_data.h"
#include "mapview/kartenhilfen.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

namespace {

enum class TagArt {
    Keiner,
    FettAn,
    FettAus,
    KursivAn,
    KursivAus,
    UnterAn,
    UnterAus,
    WortAuf,
    WortZu,
    FarbeAn,
    FarbeAus,
    Linie,
    PosX,
    Reb
};

struct Tag {
    TagArt art = TagArt::Keiner;
    int laenge = 0;
    int zahl = 0;
};

// Pattern letters: 'd' a decimal digit, 'h' a hexadecimal digit; other characters match
// themselves, ignoring case.
bool PasstMuster(const QString& text, int pos, QStringView muster) {
    if (pos + muster.size() > text.size()) return false;
    for (int i = 0; i < muster.size(); ++i) {
        const QChar z = text.at(pos + i);
        const QChar m = muster.at(i);
        if (m == QLatin1Char('d')) {
            if (z < QLatin1Char('0') || z > QLatin1Char('9')) return false;
        } else if (m == QLatin1Char('h')) {
            const QChar k = z.toLower();
            const bool hex = (z >= QLatin1Char('0') && z <= QLatin1Char('9')) ||
                             (k >= QLatin1Char('a') && k <= QLatin1Char('f'));
            if (!hex) return false;
        } else if (z.toLower() != m.toLower()) {
            return false;
        }
    }
    return true;
}

int ZweiZiffern(const QString& text, int pos) {
    return (text.at(pos).unicode() - u'0') * 10 + (text.at(pos + 1).unicode() - u'0');
}

Tag ErkenneTag(const QString& t, int pos, bool lueckenModus) {
    struct Einfach {
        const char16_t* muster;
        TagArt art;
    };
    static constexpr Einfach einfache[] = {
        {u"<B>", TagArt::FettAn},     {u"</B>", TagArt::FettAus}, {u"<I>", TagArt::KursivAn},
        {u"</I>", TagArt::KursivAus}, {u"<U>", TagArt::UnterAn},  {u"</U>", TagArt::UnterAus},
    };
    for (const auto& e : einfache) {
        const QStringView m(e.muster);
        if (PasstMuster(t, pos, m)) return {e.art, static_cast<int>(m.size()), 0};
    }
    if (lueckenModus && PasstMuster(t, pos, u"<<")) return {TagArt::WortAuf, 2, 0};
    if (lueckenModus && PasstMuster(t, pos, u">>")) return {TagArt::WortZu, 2, 0};
    if (PasstMuster(t, pos, u"<@COL=hhhhhh>")) return {TagArt::FarbeAn, 13, 0};
    if (PasstMuster(t, pos, u"</@COL>")) return {TagArt::FarbeAus, 7, 0};
    if (PasstMuster(t, pos, u"<@LINIE>")) return {TagArt::Linie, 8, 0};
    if (PasstMuster(t, pos, u"<@POSX=dd%>")) return {TagArt::PosX, 11, ZweiZiffern(t, pos + 7)};
    if (PasstMuster(t, pos, u"<@REB=dd>")) return {TagArt::Reb, 9, ZweiZiffern(t, pos + 6)};
    return {};
}

bool IstSatzzeichenNachLuecke(QChar z) {
    return QStringView(u"!,.:;?").contains(z);
}

class AbsatzLayout final {
public:
    AbsatzLayout(QPainter& maler, const QString& text, const MarkupParameter& p)
        : m_maler(maler), m_t(text), m_p(p), m_fm(maler.font(), maler.device()) {}

    int Ausfuehren();

private:
    bool LueckenModus() const { return m_p.modus > 0; }
    bool TextZeichnen() const {
        if (!m_p.zeichnen) return false;
        // The measuring pass never draws, and the overlay shows only the keywords: a sheet
        // made during a quiz must look like one made in the learning view.
        return m_p.modus != MarkupMessen && m_p.modus != MarkupLoesungQuiz;
    }
    int Breite(const QString& s) const { return m_fm.horizontalAdvance(s); }
    void SchriftSetzen(const QFont& schrift) {
        m_maler.setFont(schrift);
        m_fm = QFontMetrics(schrift, m_maler.device());
    }
    void StilSetzen(TagArt art);
    void Segment(int von, int bis, bool zeilenende);
    void TextZeichnenBei(const QString& s, QColor farbe);
    void Melden(const QString& text, int breite, bool luecke, bool gezeichnet, QColor farbe) const {
        if (m_p.beiStueck)
            m_p.beiStueck({text, m_x, m_y, breite, luecke, false, gezeichnet, m_maler.font(), farbe});
    }
    int TagBehandeln(const Tag& tag, int pos);
    void Luecke(const QString& wort);
    void LueckeAufKarte(const QString& wort, int lueckenBreite);
    bool NurLeerzeichenAb(int pos) const;

    QPainter& m_maler;
    QString m_t;
    const MarkupParameter& m_p;
    QFontMetrics m_fm;
    int m_x = 0;
    int m_y = 0;
    int m_h = 0;
    int m_abstand = 0;
    bool m_imWort = false;
    int m_wortStart = 0;
};

void AbsatzLayout::StilSetzen(TagArt art) {
    QFont f = m_maler.font();
    switch (art) {
    case TagArt::FettAn:
        f.setBold(true);
        break;
    case TagArt::FettAus:
        f.setBold(false);
        break;
    case TagArt::KursivAn:
        f.setItalic(true);
        break;
    case TagArt::KursivAus:
        f.setItalic(false);
        break;
    case TagArt::UnterAn:
        f.setUnderline(true);
        break;
    case TagArt::UnterAus:
        f.setUnderline(false);
        break;
    default:
        return;
    }
    SchriftSetzen(f);
}

void AbsatzLayout::TextZeichnenBei(const QString& s, QColor farbe) {
    m_maler.setPen(farbe);
    m_maler.drawText(QPoint(m_x, m_y + m_fm.ascent()), s);
}

// Draws text[von, bis) at the pen, moves the pen on; with a line end starts a new line.
// Keyword text is never drawn as plain text: the gap stands for it.
void AbsatzLayout::Segment(int von, int bis, bool zeilenende) {
    if (bis > von && !m_imWort) {
        const QString s = m_t.mid(von, bis - von);
        const int breite = Breite(s);
        if (TextZeichnen()) TextZeichnenBei(s, m_p.farbe);
        Melden(s, breite, false, TextZeichnen(), m_p.farbe);
        m_x += breite;
    }
    if (zeilenende) {
        m_x = m_p.startX;
        m_y += m_abstand;
    }
}

bool AbsatzLayout::NurLeerzeichenAb(int pos) const {
    for (int i = pos; i < m_t.size(); ++i)
        if (m_t.at(i) != QLatin1Char(' ')) return false;
    return true;
}

void AbsatzLayout::Luecke(const QString& wort) {
    const QString drei = QStringLiteral("   ");
    const QString mitRand = drei + wort + drei;
    if (m_p.modus == MarkupKarte) {
        const int breite = std::max(Breite(QStringLiteral(" ") + wort), Breite(QStringLiteral(" XX")));
        LueckeAufKarte(wort, breite);
        Melden(wort, breite, true, false, m_p.farbe);
        m_x += breite;
        return;
    }
    const int breite = std::max(Breite(mitRand), Breite(QStringLiteral(" XX")));
    if (m_p.zeichnen && (m_p.modus == MarkupLuecken || m_p.modus == MarkupLoesung)) {
        m_maler.setPen(QPen(Qt::black, 1));
        m_maler.drawLine(m_x, m_y + m_h, m_x + breite, m_y + m_h);
    }
    if (m_p.zeichnen && (m_p.modus == MarkupLoesungQuiz || m_p.modus == MarkupLoesung))
        TextZeichnenBei(drei + wort, QColor(255, 0, 0));
    Melden(wort, breite, true, m_p.zeichnen, QColor(255, 0, 0));
    m_x += breite;
}

// Moves the next cloze-gap object to the gap; keywords beyond the last object get none.
void AbsatzLayout::LueckeAufKarte(const QString& /*wort*/, int lueckenBreite) {
    if (m_p.objekte == nullptr || m_p.lueckenCursor == nullptr) return;
    auto& objekte = *m_p.objekte;
    int& cursor = *m_p.lueckenCursor;
    while (cursor < static_cast<int>(objekte.size()) && objekte[cursor].OB_Typ != ObArt::Luecke)
        ++cursor;
    if (cursor < 0 || cursor >= static_cast<int>(objekte.size())) return;
    ObjDataTyp& o = objekte[cursor];
    ++cursor;
    const double rand = std::max(1, m_p.rechterRand);
    const double hoehe = std::max(1, m_p.textflaechenHoehe);
    o.OB_Kx = (m_x + lueckenBreite / 2.0) / rand;
    o.OB_Ky = (m_y + m_fm.height() + 4) / hoehe;
    o.OB_Sx = o.OB_Kx;
    o.OB_Sy = o.OB_Ky;
}

// Acts on a recognised tag at `pos`; returns where the pending segment starts afterwards.
int AbsatzLayout::TagBehandeln(const Tag& tag, int pos) {
    int weiter = pos + tag.laenge;
    switch (tag.art) {
    case TagArt::WortAuf:
        m_imWort = true;
        m_wortStart = weiter;
        break;
    case TagArt::WortZu: {
        const QString wort = m_imWort ? m_t.mid(m_wortStart, pos - m_wortStart) : QString();
        m_imWort = false;
        Luecke(wort);
        if (weiter < m_t.size() && IstSatzzeichenNachLuecke(m_t.at(weiter))) {
            Segment(weiter, weiter + 1, false);
            ++weiter;
        }
        break;
    }
    case TagArt::Linie:
        if (TextZeichnen()) {
            const int ly = m_y + m_abstand / 2 - 1;
            m_maler.setPen(QPen(m_p.farbe, 1));
            m_maler.drawLine(m_x, ly, m_p.rechterRand, ly);
        }
        if (m_p.beiStueck) {
            MarkupStueck regel{
                {}, m_x, m_y, m_p.rechterRand - m_x, false, true, TextZeichnen(), m_maler.font(), m_p.farbe};
            m_p.beiStueck(regel);
        }
        m_x = m_p.rechterRand;
        break;
    case TagArt::PosX:
        m_x = RundeGerade(tag.zahl / 100.0 * m_p.rechterRand);
        break;
    case TagArt::Reb: {
        const QString ziffern = m_t.mid(weiter, tag.zahl);
        m_x += tag.zahl * Breite(QStringLiteral("0")) - Breite(ziffern);
        Segment(weiter, weiter + static_cast<int>(ziffern.size()), false);
        weiter += static_cast<int>(ziffern.size());
        break;
    }
    case TagArt::FarbeAn:
    case TagArt::FarbeAus:
        break; // accepted and removed; the colour stays the paragraph's colour
    default:
        StilSetzen(tag.art);
        break;
    }
    return weiter;
}

int AbsatzLayout::Ausfuehren() {
    QFont schrift = m_maler.font();
    schrift.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    if (m_p.pixelhoehe > 0)
        schrift.setPixelSize(m_p.pixelhoehe);
    else if (m_p.punktgroesse > 0)
        schrift.setPointSize(m_p.punktgroesse);
    schrift.setBold(false);
    schrift.setItalic(false);
    schrift.setUnderline(false);
    SchriftSetzen(schrift);
    m_maler.setBackgroundMode(Qt::TransparentMode);

    m_h = m_fm.height();
    m_abstand = RundeGerade(m_h * 1.25);
    if (LueckenModus()) m_abstand = RundeGerade(m_abstand * 1.1);
    m_x = m_p.startX;
    m_y = m_p.startY + RundeGerade(m_h * 1.25 * 0.02 / 0.055);

    const int n = static_cast<int>(m_t.size());
    int pos = 0;
    int segment = 0;
    int bruch = -1; // last break opportunity of the current line
    while (pos < n) {
        const Tag tag = ErkenneTag(m_t, pos, LueckenModus());
        if (tag.art != TagArt::Keiner) {
            Segment(segment, pos, false);
            segment = TagBehandeln(tag, pos);
            bruch = segment - 1;
            pos = segment;
            continue;
        }
        const int breite = Breite(m_t.mid(segment, pos - segment + 1));
        if (m_x + breite > m_p.rechterRand) {
            const int ende = bruch >= 0 ? bruch : pos;
            const bool rest = !NurLeerzeichenAb(ende + 1);
            Segment(segment, ende + 1, rest);
            segment = ende + 1;
            bruch = -1;
            while (rest && segment < n && m_t.at(segment) == QLatin1Char(' '))
                ++segment;
        } else if (m_t.at(pos) == QLatin1Char(' ') && !m_imWort) {
            bruch = pos;
        }
        pos = segment > pos ? segment : pos + 1;
    }
    m_imWort = false; // an unclosed keyword is shown as the text it is
    Segment(segment, n, true);
    return m_y;
}

} // namespace

int MarkupAbsatz(QPainter& maler, const QString& absatz, const MarkupParameter& parameter) {
    maler.save();
    AbsatzLayout layout(maler, TrimmeSteuerzeichen(absatz) + QLatin1Char(' '), parameter);
    const int y = layout.Ausfuehren();
    maler.restore();
    return y;
}

QStringList MarkupAbsaetze(const QString& text) {
    if (text.isEmpty()) return {};
    static const QRegularExpression umbruch(QStringLiteral("\r\n|\r|\n"));
    QStringList absaetze = text.split(umbruch);
    if (absaetze.size() > 1 && absaetze.last().isEmpty())
        absaetze.removeLast(); // a closing line break opens no further paragraph
    return absaetze;
}
