#include "worksheet/arbeitsblatt.h"

#include "data/av_data.h"
#include "data/programmadressen.h"
#include "mapview/karte.h"
#include "mapview/kartenhilfen.h"
#include "mapview/markup.h"

#include <QCollator>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace {

const QString FussText = QStringLiteral("erstellt mit TVL - Tavolo für interaktive Übungen");

// "s": the height of the letter "X" in the painter's current font.
int S(const QPainter& maler) {
    return QFontMetrics(maler.font(), maler.device()).height();
}

int Mal(double faktor, int s) {
    return RundeGerade(faktor * s);
}

void SchriftSetzen(QPainter& maler, int hoehe, bool fett = false) {
    maler.setFont(ArialSchrift(hoehe, fett));
    maler.setPen(QPen(Qt::black, 1));
}

// Text anchored at its top-left corner.
void TextOben(QPainter& maler, int x, int y, const QString& text) {
    maler.drawText(QPoint(x, y + QFontMetrics(maler.font(), maler.device()).ascent()), text);
}

int TextBreite(const QPainter& maler, const QString& text) {
    return QFontMetrics(maler.font(), maler.device()).horizontalAdvance(text);
}

void Rahmen(QPainter& maler, int oben, int unten) {
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(QRect(0, oben, Arbeitsblatt::Breite, unten - oben));
}

// The learning view's states: an open, judged or closed quiz position is a covered one, so
// boxes get their text size whatever a running quiz has done to the objects.
void LernansichtZustaende(Dokument& dok) {
    for (ObjDataTyp& o : dok.Objekte)
        if (o.Zustand < ObZustand::Verdeckt) o.Zustand = ObZustand::Verdeckt;
}

} // namespace

Arbeitsblatt::Arbeitsblatt(const Dokument& dok, const ArbeitsblattOptionen& optionen, QSize steuerelement)
    : m_dok(dok), m_opt(optionen) {
    m_opt.abFrage = std::clamp(m_opt.abFrage, 1, 99999);
    LernansichtZustaende(m_dok);
    if (m_dok.Header.HD_DokTyp == Bildbeschriftung) KarteZusammensetzen(steuerelement);
}

void Arbeitsblatt::KarteZusammensetzen(QSize steuerelement) {
    ::Karte karte(m_dok);
    karte.SetzeSteuerelementgroesse(steuerelement);
    karte.HintergrundAufbauen();
    if (karte.Hintergrundbild().isNull()) return;
    m_kartenbild = Voll() ? karte.Hintergrundbild() : NeuesBild(karte.Hintergrundbild().size());
    const int variante = (Voll() ? LeereAntwortkaesten : 0) + (Loesung() ? NurLoesung : 0);
    for (int i = 0; i < static_cast<int>(m_dok.Objekte.size()); ++i)
        karte.ZeichneObjekt(i, m_kartenbild, variante, true, false, false);
}

SeitenInfo Arbeitsblatt::Zeichnen(QPainter& maler) const {
    SeitenInfo info;
    maler.save();
    maler.setBrush(Qt::NoBrush);
    maler.setBackgroundMode(Qt::TransparentMode);
    maler.setRenderHint(QPainter::TextAntialiasing);
    SchriftSetzen(maler, 18);
    int y = Eintragfelder(maler, 0);
    y = Titel(maler, y);
    y = Aufgabe(maler, y);
    y = Antworttexte(maler, y);
    SchriftSetzen(maler, 25);
    switch (m_dok.Header.HD_DokTyp) {
    case Bildbeschriftung:
        KarteZeichnen(maler, y);
        break;
    case Lueckentext:
        LueckentextZeichnen(maler, y);
        break;
    case Einzelfragen:
        EinzelfragenZeichnen(maler, y, info);
        break;
    default:
        break;
    }
    Fusszeile(maler);
    maler.restore();
    return info;
}

int Arbeitsblatt::Eintragfelder(QPainter& maler, int y) const {
    struct Feld {
        bool an;
        const char16_t* text;
        int x;
        int breite;
    };
    const Feld felder[] = {{m_opt.name, u"Name:", 0, 500},
                           {m_opt.klasse, u"Klasse:", 500, 250},
                           {m_opt.datum, u"Datum:", 750, 250}};
    const int s = S(maler);
    const int linie = y + s;
    bool eines = false;
    for (const Feld& f : felder) {
        if (!f.an) continue;
        eines = true;
        if (!Voll()) continue;
        TextOben(maler, f.x, y, QString::fromUtf16(f.text));
        maler.drawLine(f.x, linie, f.x + f.breite, linie);
    }
    return eines ? y + Mal(2.5, s) : y;
}

int Arbeitsblatt::Titel(QPainter& maler, int y) const {
    if (m_opt.titel.isEmpty()) return y;
    y += Mal(0.5, S(maler));
    SchriftSetzen(maler, 30, true);
    const int s = S(maler);
    if (Voll()) {
        TextOben(maler, Breite / 2 - TextBreite(maler, m_opt.titel) / 2, y, m_opt.titel);
        Rahmen(maler, y - Mal(0.3, s), y + Mal(1.3, s));
    }
    return y + Mal(2, s);
}

int Arbeitsblatt::Aufgabe(QPainter& maler, int y) const {
    if (m_opt.aufgabe.isEmpty()) return y;
    SchriftSetzen(maler, 25);
    const QString text = MitZeilenumbruechen(m_opt.aufgabe);
    const QRect flaeche(0, y, Breite, std::max(1, Hoehe - y));
    const int flaggen = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    const QRect gemessen = QFontMetrics(maler.font(), maler.device()).boundingRect(flaeche, flaggen, text);
    if (Voll()) maler.drawText(flaeche, flaggen, text);
    return y + gemessen.height();
}

QStringList Arbeitsblatt::AntworttextListe() const {
    const int typ = m_dok.Header.HD_DokTyp;
    const int art = typ == Bildbeschriftung ? 0 : typ == Lueckentext ? 3 : typ == Einzelfragen ? 10 : -1;
    QStringList texte;
    for (const ObjDataTyp& o : m_dok.Objekte) {
        if (o.OB_Typ != art) continue;
        if (art == 10 && o.OB_FrageNummer < m_opt.abFrage) continue;
        texte << TextNormalisieren(o.OB_Cap);
    }
    // Alphabetical as a German reader expects it: "Österreich" among the O, case ignored.
    QCollator ordnung{QLocale(QLocale::German, QLocale::Germany)};
    ordnung.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(texte.begin(), texte.end(),
                     [&ordnung](const QString& a, const QString& b) { return ordnung.compare(a, b) < 0; });
    return texte;
}

int Arbeitsblatt::Antworttexte(QPainter& maler, int y) const {
    if (!m_opt.textvorgabe) return y;
    SchriftSetzen(maler, 22);
    const int s = S(maler);
    const QStringList texte = AntworttextListe();
    QString zeile;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QString laenger = i == 0 ? texte.at(i) : zeile + QStringLiteral(" - ") + texte.at(i);
        if (i == 0 || TextBreite(maler, laenger) <= Breite) {
            zeile = laenger;
            continue;
        }
        if (Voll()) TextOben(maler, 0, y, zeile);
        y += Mal(1.25, s);
        zeile = texte.at(i);
    }
    if (!texte.isEmpty()) {
        if (Voll()) TextOben(maler, 0, y, zeile);
        y += Mal(1.25, s);
    }
    return y + s;
}

int Arbeitsblatt::KarteZeichnen(QPainter& maler, int y) const {
    const int s = S(maler);
    if (m_kartenbild.isNull() || m_kartenbild.width() <= 0) return y + Mal(1.5, s);
    const int h = RundeGerade(static_cast<double>(m_kartenbild.height()) * Breite / m_kartenbild.width());
    const QRect ziel(0, y, Breite, h);
    maler.setRenderHint(QPainter::SmoothPixmapTransform, false); // colour on colour
    maler.drawImage(ziel, m_kartenbild);
    if (Voll()) Rahmen(maler, y, y + h);
    return y + h + Mal(1.5, s);
}

int Arbeitsblatt::LueckentextZeichnen(QPainter& maler, int y) const {
    const int s = S(maler);
    MarkupParameter p;
    p.startX = RundeGerade(0.02 * Breite);
    p.rechterRand = RundeGerade(0.97 * Breite);
    p.pixelhoehe = 30;
    p.farbe = Qt::black;
    p.modus = (Voll() ? MarkupLuecken : 0) + (Loesung() ? MarkupLoesungQuiz : 0);
    const int vorher = y;
    for (const QString& absatz : MarkupAbsaetze(m_dok.Header.HD_lueckentext)) {
        p.startY = y;
        y = MarkupAbsatz(maler, absatz, p);
    }
    if (Voll()) Rahmen(maler, vorher, y);
    return y + Mal(1.5, s);
}

int Arbeitsblatt::EinzelfragenZeichnen(QPainter& maler, int y, SeitenInfo& info) const {
    const int s = S(maler);
    const std::vector<FrageTextZeile> fragen = FragenAusFragentext(m_dok.Header.HD_fragentext);
    MarkupParameter p;
    p.startX = RundeGerade(0.02 * Breite);
    p.rechterRand = RundeGerade(0.97 * Breite);
    p.pixelhoehe = 25;
    const int erste = y;
    for (int n = m_opt.abFrage; n <= static_cast<int>(fragen.size()); ++n) {
        const FrageTextZeile& f = fragen[static_cast<size_t>(n - 1)];
        const QString frage = QString::number(n) + QStringLiteral(". ") + f.Frage;
        // Measuring pass: laid out, never drawn.
        p.modus = MarkupMessen;
        p.zeichnen = false;
        p.startY = y;
        p.startY = MarkupAbsatz(maler, frage, p);
        if (MarkupAbsatz(maler, f.Antwort, p) >= Hoehe - Mal(1.5, s)) break;
        // Drawing pass from the same start.
        p.modus = MarkupInfotext;
        p.startY = y;
        p.farbe = Qt::black;
        p.zeichnen = Voll();
        p.startY = MarkupAbsatz(maler, frage, p);
        p.farbe = QColor(255, 0, 0);
        p.zeichnen = Loesung();
        y = MarkupAbsatz(maler, f.Antwort, p);
        if (Voll()) maler.drawLine(0, y, Breite, y);
        info.letzteFrage = n;
    }
    if (Voll()) Rahmen(maler, erste, y + 1);
    return y + Mal(1.5, s);
}

void Arbeitsblatt::Fusszeile(QPainter& maler) const {
    SchriftSetzen(maler, 15);
    const int y = Hoehe - S(maler);
    if (!Voll()) return;
    maler.drawLine(0, y, Breite, y);
    TextOben(maler, 0, y, FussText);
    TextOben(maler, Breite - TextBreite(maler, ProduktHomepage), y, ProduktHomepage);
}
