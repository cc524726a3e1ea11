// Enhanced metafile records in the units of the recorded page (MM_TEXT), so one page unit
// is one logical unit and the header's reference device gives the physical size.
#include "worksheet/metafile.h"

#include "worksheet/metafile_teile.h"

#include <QRect>
#include <cmath>

namespace {

enum : uint32_t {
    EMR_HEADER = 1,
    EMR_POLYGON16 = 86,
    EMR_POLYLINE16 = 87,
    EMR_EOF = 14,
    EMR_SETBKMODE = 18,
    EMR_SETSTRETCHBLTMODE = 21,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
};
constexpr uint32_t NullStift = 0x80000008;
constexpr int KopfGroesse = 108;

void Rechteck(Bytefolge& b, const QRect& r) {
    b.i32(r.left());
    b.i32(r.top());
    b.i32(r.right());
    b.i32(r.bottom());
}

class EmfSchreiber {
public:
    EmfSchreiber(QSize groesse, QSizeF mm) : m_groesse(groesse), m_mm(mm) {
        m_b.bytes(QByteArray(KopfGroesse, '\0')); // filled in at the end
        m_saetze = 1;
        Bytefolge t;
        t.u32(1); // TRANSPARENT
        Satz(EMR_SETBKMODE, t);
        Bytefolge a;
        a.u32(24); // TA_BASELINE | TA_LEFT
        Satz(EMR_SETTEXTALIGN, a);
        Bytefolge s;
        s.u32(3); // COLORONCOLOR
        Satz(EMR_SETSTRETCHBLTMODE, s);
    }

    void Befehl(const Zeichenbefehl& z);
    QByteArray Fertig();

private:
    void Satz(uint32_t typ, const Bytefolge& inhalt) {
        m_b.u32(typ);
        m_b.u32(static_cast<uint32_t>(8 + inhalt.groesse()));
        m_b.bytes(inhalt.daten());
        ++m_saetze;
    }
    void Waehlen(uint32_t index) {
        Bytefolge b;
        b.u32(index);
        Satz(EMR_SELECTOBJECT, b);
    }
    // Selects the new object and frees the one it replaces.
    void Ersetzen(int& aktuell, int neu) {
        Waehlen(static_cast<uint32_t>(neu));
        if (aktuell > 0) {
            Bytefolge b;
            b.u32(static_cast<uint32_t>(aktuell));
            Satz(EMR_DELETEOBJECT, b);
            m_objekte.Freigeben(aktuell);
        }
        aktuell = neu;
    }
    void Stift(const QColor& farbe, int breite);
    void Pinsel(const QColor& farbe);
    void Schrift(const Zeichenbefehl& z);
    void Textfarbe(const QColor& farbe);
    void Punkte(uint32_t typ, const QPolygon& p);
    void Text(const Zeichenbefehl& z);
    void Bild(const Zeichenbefehl& z);

    QSize m_groesse;
    QSizeF m_mm;
    Bytefolge m_b;
    int m_saetze = 0;
    Objekttabelle m_objekte{1};
    int m_stift = 0; // 0: the default (or stock) pen
    int m_pinsel = 0;
    int m_schrift = 0;
    QString m_stiftSchluessel;
    QString m_pinselSchluessel;
    QString m_schriftSchluessel;
    QColor m_textfarbe = Qt::black;
    QRect m_grenzen;
};

void EmfSchreiber::Stift(const QColor& farbe, int breite) {
    const QString schluessel = farbe.name() + QString::number(breite);
    if (schluessel == m_stiftSchluessel) return;
    m_stiftSchluessel = schluessel;
    const int index = m_objekte.Belegen();
    Bytefolge b;
    b.u32(static_cast<uint32_t>(index));
    b.u32(0); // PS_SOLID
    b.i32(breite);
    b.i32(0);
    b.u32(Farbreferenz(farbe));
    Satz(EMR_CREATEPEN, b);
    Ersetzen(m_stift, index);
}

void EmfSchreiber::Pinsel(const QColor& farbe) {
    const QString schluessel = farbe.name();
    if (schluessel == m_pinselSchluessel) return;
    m_pinselSchluessel = schluessel;
    const int index = m_objekte.Belegen();
    Bytefolge b;
    b.u32(static_cast<uint32_t>(index));
    b.u32(0); // BS_SOLID
    b.u32(Farbreferenz(farbe));
    b.u32(0);
    Satz(EMR_CREATEBRUSHINDIRECT, b);
    Ersetzen(m_pinsel, index);
    // Areas have no outline: the pen goes to the stock null pen.
}

void EmfSchreiber::Schrift(const Zeichenbefehl& z) {
    const QString schluessel = QStringLiteral("%1|%2|%3%4%5")
                                   .arg(z.schriftart)
                                   .arg(z.schrifthoehe)
                                   .arg(z.fett)
                                   .arg(z.kursiv)
                                   .arg(z.unterstrichen);
    if (schluessel == m_schriftSchluessel) return;
    m_schriftSchluessel = schluessel;
    const int index = m_objekte.Belegen();
    Bytefolge b;
    b.u32(static_cast<uint32_t>(index));
    b.i32(-z.schrifthoehe); // negative: character height
    b.i32(0);
    b.i32(0);
    b.i32(0);
    b.i32(z.fett ? 700 : 400);
    b.u8(z.kursiv ? 1 : 0);
    b.u8(z.unterstrichen ? 1 : 0);
    b.u8(0);
    b.u8(0); // ANSI_CHARSET
    b.u8(0);
    b.u8(0);
    b.u8(4);    // ANTIALIASED_QUALITY
    b.u8(0x22); // VARIABLE_PITCH | FF_SWISS
    const QString name = z.schriftart.left(31);
    for (int i = 0; i < 32; ++i)
        b.u16(i < name.size() ? name.at(i).unicode() : 0);
    Satz(EMR_EXTCREATEFONTINDIRECTW, b);
    Ersetzen(m_schrift, index);
}

void EmfSchreiber::Textfarbe(const QColor& farbe) {
    if (farbe == m_textfarbe) return;
    m_textfarbe = farbe;
    Bytefolge b;
    b.u32(Farbreferenz(farbe));
    Satz(EMR_SETTEXTCOLOR, b);
}

void EmfSchreiber::Punkte(uint32_t typ, const QPolygon& p) {
    const QRect grenzen = p.boundingRect();
    m_grenzen = m_grenzen.united(grenzen);
    Bytefolge b;
    Rechteck(b, grenzen);
    b.u32(static_cast<uint32_t>(p.size()));
    for (const QPoint& q : p) {
        b.i16(q.x());
        b.i16(q.y());
    }
    b.auffuellen(4);
    Satz(typ, b);
}

void EmfSchreiber::Text(const Zeichenbefehl& z) {
    Schrift(z);
    Textfarbe(z.farbe);
    int breite = 0;
    for (int v : z.vorschub)
        breite += v;
    const QRect grenzen(z.basis.x(), z.basis.y() - z.schrifthoehe, breite, z.schrifthoehe * 5 / 4);
    m_grenzen = m_grenzen.united(grenzen);
    const uint32_t zeichen = static_cast<uint32_t>(z.text.size());
    const uint32_t textAb = 76;
    const uint32_t vorschubAb = textAb + (zeichen * 2 + 3) / 4 * 4;
    Bytefolge b;
    Rechteck(b, grenzen);
    b.u32(1); // GM_COMPATIBLE
    b.f32(0);
    b.f32(0);
    b.i32(z.basis.x());
    b.i32(z.basis.y());
    b.u32(zeichen);
    b.u32(textAb);
    b.u32(0); // no options, no clipping
    Rechteck(b, QRect(0, 0, 0, 0));
    b.u32(vorschubAb);
    for (QChar c : z.text)
        b.u16(c.unicode());
    b.auffuellen(4);
    for (int v : z.vorschub)
        b.i32(v);
    Satz(EMR_EXTTEXTOUTW, b);
}

void EmfSchreiber::Bild(const Zeichenbefehl& z) {
    if (z.bild.isNull()) return;
    m_grenzen = m_grenzen.united(z.ziel);
    const int punkte = DibPunkteGroesse(z.bild);
    // Written straight into the file buffer: the bitmap is most of the file.
    m_b.reservieren(8 + 72 + 40 + punkte);
    m_b.u32(EMR_STRETCHDIBITS);
    m_b.u32(static_cast<uint32_t>(8 + 72 + 40 + punkte));
    Rechteck(m_b, z.ziel);
    m_b.i32(z.ziel.x());
    m_b.i32(z.ziel.y());
    m_b.i32(0);
    m_b.i32(0);
    m_b.i32(z.bild.width());
    m_b.i32(z.bild.height());
    m_b.u32(80);                            // offBmiSrc
    m_b.u32(40);                            // cbBmiSrc
    m_b.u32(120);                           // offBitsSrc
    m_b.u32(static_cast<uint32_t>(punkte)); // cbBitsSrc
    m_b.u32(0);                             // DIB_RGB_COLORS
    m_b.u32(0x00CC0020);                    // SRCCOPY
    m_b.i32(z.ziel.width());
    m_b.i32(z.ziel.height());
    DibKopf(m_b, z.bild);
    DibPunkte(m_b, z.bild);
    ++m_saetze;
}

void EmfSchreiber::Befehl(const Zeichenbefehl& z) {
    switch (z.art) {
    case Zeichenbefehl::Art::Linienzug:
        Stift(z.farbe, z.stiftBreite);
        Punkte(EMR_POLYLINE16, z.punkte);
        break;
    case Zeichenbefehl::Art::Flaeche:
        Pinsel(z.farbe);
        if (m_stiftSchluessel != QLatin1String("null")) {
            m_stiftSchluessel = QStringLiteral("null");
            Waehlen(NullStift);
        }
        Punkte(EMR_POLYGON16, z.punkte);
        break;
    case Zeichenbefehl::Art::Text:
        Text(z);
        break;
    case Zeichenbefehl::Art::Bild:
        Bild(z);
        break;
    }
}

QByteArray EmfSchreiber::Fertig() {
    Bytefolge ende;
    ende.u32(0);  // nPalEntries
    ende.u32(16); // offPalEntries
    ende.u32(20); // nSizeLast
    Satz(EMR_EOF, ende);

    Bytefolge k;
    k.u32(EMR_HEADER);
    k.u32(KopfGroesse);
    Rechteck(k,
             m_grenzen.isValid() ? m_grenzen.intersected(QRect(QPoint(0, 0), m_groesse)) : QRect(0, 0, 1, 1));
    // The frame is the whole page in 0.01 mm, inclusive.
    Rechteck(k, QRect(QPoint(0, 0), QPoint(static_cast<int>(std::lround(m_mm.width() * 100)),
                                           static_cast<int>(std::lround(m_mm.height() * 100)))));
    k.u32(0x464D4520); // " EMF"
    k.u32(0x10000);
    k.u32(static_cast<uint32_t>(m_b.groesse()));
    k.u32(static_cast<uint32_t>(m_saetze));
    k.u16(static_cast<uint16_t>(m_objekte.Hoechstzahl() + 1));
    k.u16(0);
    k.u32(0); // no description
    k.u32(0);
    k.u32(0); // no palette
    // Reference device: one pixel per page unit at the page's physical size.
    k.i32(m_groesse.width());
    k.i32(m_groesse.height());
    k.i32(static_cast<int>(std::lround(m_mm.width())));
    k.i32(static_cast<int>(std::lround(m_mm.height())));
    k.u32(0); // no pixel format
    k.u32(0);
    k.u32(0); // no OpenGL
    k.u32(static_cast<uint32_t>(std::lround(m_mm.width() * 1000)));
    k.u32(static_cast<uint32_t>(std::lround(m_mm.height() * 1000)));
    m_b.ersetzen(0, k.daten());
    return m_b.daten();
}

} // namespace

QByteArray EmfSchreiben(const Seitenaufzeichnung& seite, QSizeF millimeter) {
    EmfSchreiber schreiber(seite.Groesse(), millimeter);
    for (const Zeichenbefehl& z : seite.Befehle())
        schreiber.Befehl(z);
    return schreiber.Fertig();
}
