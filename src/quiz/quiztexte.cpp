#include "quiz/quiztexte.h"

#include "data/av_data.h"
#include "documents/dokument.h"
#include "quiz/quizoptionen.h"

#include <QLocale>
#include <QStringList>
#include <cmath>
#include <initializer_list>

namespace {

QString Auswahl(int32_t wert, std::initializer_list<const char16_t*> texte) {
    if (wert < 0 || wert >= static_cast<int32_t>(texte.size())) return {};
    return QString::fromUtf16(*(texte.begin() + wert));
}

} // namespace

QString ProzentText(double anteil) {
    return QString::number(anteil * 100.0, 'f', 1) + QStringLiteral(" %");
}

QString UhrText(int64_t sekunden) {
    const int64_t s = std::max<int64_t>(0, sekunden);
    return QStringLiteral("%1:%2").arg(s / 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString DauerText(int64_t sekunden) {
    const int64_t s = std::max<int64_t>(0, sekunden);
    const int64_t h = s / 3600;
    const int64_t m = (s % 3600) / 60;
    QString text;
    if (h > 0) text += QString::number(h) + QStringLiteral(" Std. ");
    if (m > 0 || h > 0) text += QString::number(m) + QStringLiteral(" Min. ");
    text += QString::number(s % 60) + QStringLiteral(" Sek.");
    return text.trimmed();
}

int32_t NoteFuer(double l) {
    for (int32_t i = 1; i <= 6; ++i)
        if (l >= Notengrenzen[i]) return i;
    return 6; // NaN or a negative value: the lowest grade
}

QString NotenWort(int32_t note) {
    return Auswahl(note - 1,
                   {u"sehr gut", u"gut", u"befriedigend", u"ausreichend", u"mangelhaft", u"ungenügend"});
}

QString Anweisungstext(int32_t dokTyp, int32_t modus) {
    if (dokTyp == Bildbeschriftung)
        return Auswahl(modus, {u"Ziehe die Beschriftungen an die jeweils richtige Position!",
                               u"Ziehe die Beschriftung an die richtige Position!",
                               u"Ziehe die richtige Beschriftung an die markierte Position!"});
    if (dokTyp == Lueckentext)
        return Auswahl(modus, {u"Ziehe die Lückentexte an die jeweils richtige Position!",
                               u"Ziehe den Lückentext an die richtige Position!",
                               u"Ziehe den richtigen Lückentext an die markierte Position!"});
    if (dokTyp == Einzelfragen) return QStringLiteral("Klicke auf die richtige Antwort!");
    return {};
}

QString Zitat(const QString& beschriftung) {
    return u'"' + TextNormalisieren(beschriftung) + u'"';
}

QString EinzeltextZeile(int32_t dokTyp, const QString& text) {
    if (dokTyp == Lueckentext)
        return QStringLiteral("Lückentext ") + Zitat(text) +
               QStringLiteral(" soll der richtigen Lücke zugeordnet werden");
    return QStringLiteral("Beschriftungstext ") + Zitat(text) +
           QStringLiteral(" soll der richtigen Position zugeordnet werden");
}

QString EinzelpositionZeile(int32_t dokTyp, const QString& position) {
    if (dokTyp == Lueckentext)
        return QStringLiteral("Der Lücke ") + Zitat(position) +
               QStringLiteral(" soll der richtige Lückentext zugeordnet werden");
    return QStringLiteral("Der Position ") + Zitat(position) +
           QStringLiteral(" soll der richtige Beschriftungstext zugeordnet werden");
}

namespace {

QString Richtigzeile(int32_t dokTyp, int32_t modus, const QString& t, const QString& p) {
    const bool luecke = dokTyp == Lueckentext;
    const QString art = luecke ? QStringLiteral("Lückentext ") : QStringLiteral("Beschriftungstext ");
    if (modus == AbfrageModusArt::Einzeltexte)
        return QStringLiteral("RICHTIG - ") + art + t + QStringLiteral(" wird richtig zugeordnet");
    if (modus == AbfrageModusArt::Einzelpositionen)
        return luecke ? QStringLiteral("RICHTIG - Der Lücke ") + p +
                            QStringLiteral(" wird der richtige Lückentext zugeordnet")
                      : QStringLiteral("RICHTIG - Der Position von ") + p +
                            QStringLiteral(" wird der richtige Beschriftungstext zugeordnet");
    return QStringLiteral("RICHTIG - ") + art + t +
           (luecke ? QStringLiteral(" wird der richtigen Lücke zugeordnet")
                   : QStringLiteral(" wird der richtigen Position zugeordnet"));
}

QString Falschzeile(int32_t dokTyp, int32_t modus, const QString& t, const QString& p) {
    const bool luecke = dokTyp == Lueckentext;
    if (modus == AbfrageModusArt::Einzelpositionen)
        return luecke
                   ? QStringLiteral("FALSCH - Der Lücke ") + p + QStringLiteral(" wird der Lückentext ") + t +
                         QStringLiteral(" zugeordnet")
                   : QStringLiteral("FALSCH - Der Position von ") + p +
                         QStringLiteral(" wird der Beschriftungstext ") + t + QStringLiteral(" zugeordnet");
    return luecke ? QStringLiteral("FALSCH - Lückentext ") + t + QStringLiteral(" wird der Lücke von ") + p +
                        QStringLiteral(" zugeordnet")
                  : QStringLiteral("FALSCH - Beschriftungstext ") + t +
                        QStringLiteral(" wird der Position von ") + p + QStringLiteral(" zugeordnet");
}

} // namespace

QString UrteilZeile(int32_t dokTyp, int32_t modus, bool richtig, const QString& text,
                    const QString& position) {
    const QString t = Zitat(text);
    const QString p = Zitat(position);
    if (dokTyp == Einzelfragen)
        return (richtig ? QStringLiteral("RICHTIG - Gewählte Antwort: ")
                        : QStringLiteral("FALSCH - Gewählte Antwort: ")) +
               t;
    return richtig ? Richtigzeile(dokTyp, modus, t, p) : Falschzeile(dokTyp, modus, t, p);
}

QString AbfragemodusText(int32_t w) {
    return Auswahl(w, {u"freie Zuordnung in beliebiger Reihenfolge", u"Einzelabfrage Texte",
                       u"Einzelabfrage Positionen"});
}
QString ZuordnungRichtigText(int32_t w) {
    return Auswahl(w, {u"Beschriftung einblenden", u"grünes Häkchen setzen"});
}
QString ZuordnungFalschText(int32_t w) {
    return Auswahl(w, {u"beliebig viele Zuordnungsversuche erlaubt",
                       u"rotes Kreuz setzen, keine erneute Zuordnung an dieser Position"});
}
QString ZuordnungstexteText(int32_t w) {
    return Auswahl(w, {u"alphabetisch geordnet", u"zufällig gemischt"});
}
QString ZuordnungszieleText(int32_t w) {
    return Auswahl(w, {u"geordnet nummeriert", u"zufällig gemischt nummeriert", u"Fragezeichen"});
}
QString FragenAbfragemodusText(int32_t w) {
    return Auswahl(w, {u"solange wiederholen, bis jede Frage richtig beantwortet wurde",
                       u"jede Frage nur einmal stellen"});
}
QString FragenReihenfolgeText(int32_t w) {
    return Auswahl(w, {u"geordnet", u"zufällig gemischt"});
}
