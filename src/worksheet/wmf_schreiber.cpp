// Placeable Windows metafile: the 22-byte placeable header gives the page's bounds and
// units per inch, the records draw in page units with 16-bit coordinates. Text is
// written in Windows-1252, the code page of the records.
#include "worksheet/metafile.h"

#include "data/cp1252.h"
#include "worksheet/metafile_teile.h"

namespace {

enum : uint16_t {
    META_EOF = 0x0000,
    META_SETBKMODE = 0x0102,
    META_SETSTRETCHBLTMODE = 0x0107,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_DELETEOBJECT = 0x01F0,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_EXTTEXTOUT = 0x0A32,
    META_STRETCHDIB = 0x0F43,
};

class WmfSchreiber {
public:
    explicit WmfSchreiber(QSize groesse) {
        Bytefolge org;
        org.i16(0);
        org.i16(0);
        Satz(META_SETWINDOWORG, org);
        Bytefolge ext;
        ext.i16(groesse.height()); // y comes first in these records
        ext.i16(groesse.width());
        Satz(META_SETWINDOWEXT, ext);
        Bytefolge bk;
        bk.u16(1); // TRANSPARENT
        Satz(META_SETBKMODE, bk);
        Bytefolge a;
        a.u16(24); // TA_BASELINE | TA_LEFT
        Satz(META_SETTEXTALIGN, a);
        Bytefolge s;
        s.u16(3); // COLORONCOLOR
        Satz(META_SETSTRETCHBLTMODE, s);
        // A null pen and a null brush first, so areas and outlines can switch to them.
        Bytefolge b;
        b.u16(1); // BS_NULL
        b.u32(0);
        b.u16(0);
        m_nullPinsel = Anlegen(META_CREATEBRUSHINDIRECT, b);
        Waehlen(m_nullPinsel);
    }

    void Befehl(const Zeichenbefehl& z);
    QByteArray Fertig(QSize groesse, int zoll);

private:
    void Satz(uint16_t funktion, const Bytefolge& inhalt) {
        const int worte = 3 + (inhalt.groesse() + 1) / 2;
        m_b.u32(static_cast<uint32_t>(worte));
        m_b.u16(funktion);
        m_b.bytes(inhalt.daten());
        m_b.auffuellen(2);
        m_groessterSatz = std::max(m_groessterSatz, worte);
    }
    int Anlegen(uint16_t funktion, const Bytefolge& inhalt) {
        Satz(funktion, inhalt);
        return m_objekte.Belegen();
    }
    void Waehlen(int index) {
        Bytefolge b;
        b.u16(static_cast<uint16_t>(index));
        Satz(META_SELECTOBJECT, b);
    }
    void Ersetzen(int& aktuell, int neu) {
        Waehlen(neu);
        if (aktuell >= 0) {
            Bytefolge b;
            b.u16(static_cast<uint16_t>(aktuell));
            Satz(META_DELETEOBJECT, b);
            m_objekte.Freigeben(aktuell);
        }
        aktuell = neu;
    }
    void Stift(const QColor& farbe, int breite, bool aus);
    void Pinsel(const QColor& farbe);
    void Schrift(const Zeichenbefehl& z);
    void Punkte(uint16_t funktion, const QPolygon& p);
    void Text(const Zeichenbefehl& z);
    void Bild(const Zeichenbefehl& z);

    Bytefolge m_b;
    int m_groessterSatz = 0;
    Objekttabelle m_objekte{0};
    int m_nullPinsel = -1;
    int m_stift = -1;
    int m_pinsel = -1;
    int m_schrift = -1;
    QString m_stiftSchluessel;
    QString m_pinselSchluessel;
    QString m_schriftSchluessel;
    QColor m_textfarbe = Qt::black;
};

void WmfSchreiber::Stift(const QColor& farbe, int breite, bool aus) {
    const QString schluessel = aus ? QStringLiteral("null") : farbe.name() + QString::number(breite);
    if (schluessel == m_stiftSchluessel) return;
    m_stiftSchluessel = schluessel;
    Bytefolge b;
    b.u16(aus ? 5 : 0); // PS_NULL or PS_SOLID
    b.i16(breite);
    b.i16(0);
    b.u32(Farbreferenz(farbe));
    Ersetzen(m_stift, Anlegen(META_CREATEPENINDIRECT, b));
}

void WmfSchreiber::Pinsel(const QColor& farbe) {
    const QString schluessel = farbe.name();
    if (schluessel == m_pinselSchluessel) return;
    m_pinselSchluessel = schluessel;
    Bytefolge b;
    b.u16(0); // BS_SOLID
    b.u32(Farbreferenz(farbe));
    b.u16(0);
    Ersetzen(m_pinsel, Anlegen(META_CREATEBRUSHINDIRECT, b));
}

void WmfSchreiber::Schrift(const Zeichenbefehl& z) {
    const QString schluessel = QStringLiteral("%1|%2|%3%4%5")
                                   .arg(z.schriftart)
                                   .arg(z.schrifthoehe)
                                   .arg(z.fett)
                                   .arg(z.kursiv)
                                   .arg(z.unterstrichen);
    if (schluessel == m_schriftSchluessel) return;
    m_schriftSchluessel = schluessel;
    Bytefolge b;
    b.i16(-z.schrifthoehe);
    b.i16(0);
    b.i16(0);
    b.i16(0);
    b.i16(z.fett ? 700 : 400);
    b.u8(z.kursiv ? 1 : 0);
    b.u8(z.unterstrichen ? 1 : 0);
    b.u8(0);
    b.u8(0); // ANSI_CHARSET: the text bytes are Windows-1252
    b.u8(0);
    b.u8(0);
    b.u8(4);    // ANTIALIASED_QUALITY
    b.u8(0x22); // VARIABLE_PITCH | FF_SWISS
    QByteArray name = NachCp1252(z.schriftart).left(31);
    name.append('\0');
    b.bytes(name);
    Ersetzen(m_schrift, Anlegen(META_CREATEFONTINDIRECT, b));
}

void WmfSchreiber::Punkte(uint16_t funktion, const QPolygon& p) {
    Bytefolge b;
    b.i16(static_cast<int>(p.size()));
    for (const QPoint& q : p) {
        b.i16(q.x());
        b.i16(q.y());
    }
    Satz(funktion, b);
}

void WmfSchreiber::Text(const Zeichenbefehl& z) {
    Schrift(z);
    if (z.farbe != m_textfarbe) {
        m_textfarbe = z.farbe;
        Bytefolge f;
        f.u32(Farbreferenz(z.farbe));
        Satz(META_SETTEXTCOLOR, f);
    }
    QByteArray text;
    for (QChar c : z.text) {
        const QByteArray zeichen = NachCp1252(QStringView(&c, 1));
        text.append(zeichen.isEmpty() ? '?' : zeichen.at(0));
    }
    Bytefolge b;
    b.i16(z.basis.y());
    b.i16(z.basis.x());
    b.i16(static_cast<int>(text.size()));
    b.u16(0);
    // No advance array: players then keep the run as one text element, which an editor
    // can change as a whole.
    b.bytes(text);
    Satz(META_EXTTEXTOUT, b);
}

void WmfSchreiber::Bild(const Zeichenbefehl& z) {
    if (z.bild.isNull()) return;
    const int punkte = DibPunkteGroesse(z.bild);
    const int worte = 3 + (22 + 40 + punkte + 1) / 2;
    // Written straight into the file buffer: the bitmap is most of the file.
    m_b.reservieren(2 * worte);
    m_b.u32(static_cast<uint32_t>(worte));
    m_b.u16(META_STRETCHDIB);
    m_b.u32(0x00CC0020); // SRCCOPY
    m_b.u16(0);          // DIB_RGB_COLORS
    m_b.i16(z.bild.height());
    m_b.i16(z.bild.width());
    m_b.i16(0);
    m_b.i16(0);
    m_b.i16(z.ziel.height());
    m_b.i16(z.ziel.width());
    m_b.i16(z.ziel.y());
    m_b.i16(z.ziel.x());
    DibKopf(m_b, z.bild);
    DibPunkte(m_b, z.bild);
    m_b.auffuellen(2);
    m_groessterSatz = std::max(m_groessterSatz, worte);
}

void WmfSchreiber::Befehl(const Zeichenbefehl& z) {
    switch (z.art) {
    case Zeichenbefehl::Art::Linienzug:
        Stift(z.farbe, z.stiftBreite, false);
        Punkte(META_POLYLINE, z.punkte);
        break;
    case Zeichenbefehl::Art::Flaeche:
        Stift(z.farbe, 1, true);
        Pinsel(z.farbe);
        Punkte(META_POLYGON, z.punkte);
        break;
    case Zeichenbefehl::Art::Text:
        Text(z);
        break;
    case Zeichenbefehl::Art::Bild:
        Bild(z);
        break;
    }
}

QByteArray WmfSchreiber::Fertig(QSize groesse, int zoll) {
    Satz(META_EOF, Bytefolge());
    Bytefolge p;
    p.u32(0x9AC6CDD7);
    p.u16(0);
    p.i16(0);
    p.i16(0);
    p.i16(groesse.width());
    p.i16(groesse.height());
    p.u16(static_cast<uint16_t>(zoll));
    p.u32(0);
    uint16_t pruefsumme = 0;
    const QByteArray& kopf = p.daten();
    for (int i = 0; i < 20; i += 2)
        pruefsumme ^= qFromLittleEndian<uint16_t>(kopf.constData() + i);
    p.u16(pruefsumme);

    const int worte = 9 + m_b.groesse() / 2;
    p.u16(1); // memory metafile
    p.u16(9);
    p.u16(0x0300);
    p.u32(static_cast<uint32_t>(worte));
    p.u16(static_cast<uint16_t>(m_objekte.Hoechstzahl()));
    p.u32(static_cast<uint32_t>(m_groessterSatz));
    p.u16(0);
    p.bytes(m_b.daten());
    return p.daten();
}

} // namespace

QByteArray WmfSchreiben(const Seitenaufzeichnung& seite, int einheitenJeZoll) {
    WmfSchreiber schreiber(seite.Groesse());
    for (const Zeichenbefehl& z : seite.Befehle())
        schreiber.Befehl(z);
    return schreiber.Fertig(seite.Groesse(), einheitenJeZoll);
}
