#include "widgets/hoverpanel_text.h"

#include <QFontMetrics>
#include <QRegularExpression>

namespace {

// Rounds zaehler / nenner (both >= 0) to the nearest integer, ties to even.
int RundeBruch(int zaehler, int nenner) {
    const int ganz = zaehler / nenner;
    const int rest2 = 2 * (zaehler % nenner);
    if (rest2 > nenner || (rest2 == nenner && ganz % 2 == 1)) return ganz + 1;
    return ganz;
}

// Appends the wrapped lines of one paragraph: greedy, breaking at blanks only.
void AbsatzUmbrechen(const QString& absatz, const QFont& schrift, int breite, QStringList& zeilen) {
    const QStringList woerter = absatz.split(u' ');
    QString zeile;
    bool begonnen = false;
    for (const QString& wort : woerter) {
        if (!begonnen) {
            zeile = wort;
            begonnen = true;
            continue;
        }
        const QString mitWort = zeile + u' ' + wort;
        if (ZeilenBreite(mitWort, schrift) <= breite) {
            zeile = mitWort;
        } else {
            zeilen.append(zeile);
            zeile = wort;
        }
    }
    zeilen.append(zeile);
}

int SchriftGroesse(const QFont& f) {
    return f.pointSize() > 0 ? f.pointSize() : f.pixelSize();
}

void SetzeSchriftGroesse(QFont& f, int groesse) {
    if (f.pointSize() > 0)
        f.setPointSize(groesse);
    else
        f.setPixelSize(groesse);
}

} // namespace

int ZeilenBreite(const QString& zeile, const QFont& schrift) {
    const QFontMetrics fm(schrift);
    const int tab = 8 * fm.averageCharWidth();
    const QStringList teile = zeile.split(u'\t');
    int x = 0;
    for (qsizetype i = 0; i < teile.size(); ++i) {
        if (i > 0 && tab > 0) x = (x / tab + 1) * tab;
        x += fm.horizontalAdvance(teile[i]);
    }
    return x;
}

TextAnordnung TextAnordnen(const QString& text, const QFont& schrift, int breite, bool wortumbruch) {
    TextAnordnung a;
    if (text.isEmpty()) return a;
    static const QRegularExpression zeilenende(QStringLiteral("\r\n|\r|\n"));
    QStringList absaetze = text.split(zeilenende);
    // A final line end does not open an empty line.
    if (absaetze.size() > 1 && absaetze.last().isEmpty()) absaetze.removeLast();
    for (const QString& absatz : absaetze) {
        if (wortumbruch)
            AbsatzUmbrechen(absatz, schrift, breite, a.Zeilen);
        else
            a.Zeilen.append(absatz);
    }
    int breiteste = 0;
    for (const QString& zeile : a.Zeilen)
        breiteste = std::max(breiteste, ZeilenBreite(zeile, schrift));
    a.Groesse = QSize(breiteste, static_cast<int>(a.Zeilen.size()) * QFontMetrics(schrift).height());
    return a;
}

EingepassteBeschriftung BeschriftungEinpassen(const QString& beschriftung, const QFont& schrift,
                                              const QSize& bereich, const EinpassOptionen& optionen) {
    EingepassteBeschriftung e{beschriftung, schrift, {}};
    auto passt = [&] {
        e.Anordnung = TextAnordnen(e.Text, e.Schrift, bereich.width(), optionen.Wortumbruch);
        return e.Anordnung.Groesse.width() <= bereich.width() &&
               e.Anordnung.Groesse.height() <= bereich.height();
    };
    if (passt() || !optionen.AutoGroesse) return e;
    const int start = SchriftGroesse(schrift);
    auto schrumpfen = [&] {
        bool ok = passt();
        // A font has at least one point, whatever minimum was set.
        const int minimum = std::max(1, optionen.MinSchriftgroesse);
        for (int g = start; !ok && g > minimum;) {
            SetzeSchriftGroesse(e.Schrift, --g);
            ok = passt();
        }
        return ok;
    };
    if (schrumpfen()) return e;
    e.Text.replace(u'-', QStringLiteral("- "));
    SetzeSchriftGroesse(e.Schrift, start);
    if (schrumpfen()) return e;
    // Keep the size reached and give up words from the end.
    QString rest = e.Text;
    do {
        rest = rest.trimmed();
        const qsizetype blank = rest.lastIndexOf(u' ');
        rest = blank >= 0 ? rest.left(blank) : QString();
        e.Text = rest + (rest.isEmpty() ? QStringLiteral("...") : QStringLiteral(" ..."));
    } while (!passt() && !rest.isEmpty());
    return e;
}

QColor HellFarbe(const QColor& h) {
    return QColor(RundeBruch(4 * 255 + h.red(), 5), RundeBruch(4 * 255 + h.green(), 5),
                  RundeBruch(4 * 255 + h.blue(), 5));
}

QColor DunkelFarbe(const QColor& h) {
    return QColor(RundeBruch(3 * h.red(), 4), RundeBruch(3 * h.green(), 4), RundeBruch(3 * h.blue(), 4));
}

QColor HalbWeiss(const QColor& f) {
    return QColor(RundeBruch(f.red() + 255, 2), RundeBruch(f.green() + 255, 2),
                  RundeBruch(f.blue() + 255, 2));
}
