#include "results/protokoll_text.h"

#include "documents/dokument.h"
#include "platform/anzeigeort.h"
#include "quiz/quiztexte.h"

#include <QLocale>
#include <QStringList>

namespace {

const QString Tab = QStringLiteral("\t");
const QString ZeilenEnde = QStringLiteral("\r\n");

// The short date and long time, without a time-zone name, German on any system.
QString DatumZeitText(const QDateTime& zeit) {
    const QLocale ort = AnzeigeOrt();
    QString zeitformat = ort.timeFormat(QLocale::LongFormat);
    zeitformat.remove(u't');
    return ort.toString(zeit.date(), QLocale::ShortFormat) + u' ' +
           zeit.time().toString(zeitformat.trimmed());
}

QString Zeile(int64_t ms, const QString& text) {
    return UhrText(ms / 1000) + QStringLiteral(" - ") + text + ZeilenEnde;
}

QString EreignisZeilen(const QuizLauf& l, const LaufEreignis& e) {
    switch (e.art) {
    case LaufEreignis::Art::Start:
        return Zeile(e.Ms, QStringLiteral("Quiz wird gestartet"));
    case LaufEreignis::Art::TextGefragt:
        return Zeile(e.Ms, EinzeltextZeile(l.DokTyp, e.Text));
    case LaufEreignis::Art::PositionGefragt:
        return Zeile(e.Ms, EinzelpositionZeile(l.DokTyp, e.Text));
    case LaufEreignis::Art::FrageGestellt: {
        // The question by its number only; the repeat note belongs to the counter panel.
        QStringList angebote;
        for (size_t i = 0; i < e.Angebote.size(); ++i)
            angebote << u'"' + e.Angebote[i] + u'"' +
                            (static_cast<int32_t>(i) == e.Loesung ? QStringLiteral(" (Lösung)") : QString());
        return Zeile(e.Ms, QString::number(e.Zaehler) + QStringLiteral(". Frage") + ZeilenEnde + e.Text) +
               QStringLiteral("Antwortmöglichkeiten: ") + angebote.join(QStringLiteral(", ")) + ZeilenEnde;
    }
    case LaufEreignis::Art::Zeitablauf:
        return Zeile(e.Ms, ZeitlimitErreichtText);
    }
    return {};
}

QString UmfangText(const QuizLauf& l) {
    if (l.FragenAnzahl == l.FragenGesamt)
        return QString::number(l.FragenAnzahl) + QStringLiteral(" Fragen (komplettes Quiz)");
    return QString::number(l.FragenAnzahl) + QStringLiteral(" von ") + QString::number(l.FragenGesamt) +
           QStringLiteral(" Fragen (Teilwiederholung)");
}

void Einstellungen(const QuizLauf& l, QStringList& z) {
    const UebungsWerte& o = l.Optionen;
    const QString zeitlimit = o.Zeitlimit == ZeitlimitArt::An
                                  ? QString(QStringLiteral("ja, ") + DauerText(o.ZeitlimitSek))
                                  : QStringLiteral("nein");
    if (l.DokTyp == Einzelfragen) {
        z << QStringLiteral("Abfragemodus:") + Tab + FragenAbfragemodusText(o.ZuordnungFalsch);
        z << QStringLiteral("Zeitlimit:") + Tab + zeitlimit;
        z << QStringLiteral("Antwortmöglichkeiten:") + Tab + ZuordnungstexteText(o.Zuordnungstexte);
        z << QStringLiteral("Reihenfolge der Fragen:") + Tab + FragenReihenfolgeText(o.Zuordnungsziele);
        return;
    }
    z << QStringLiteral("Abfragemodus:") + Tab + AbfragemodusText(o.AbfrageModus);
    z << QStringLiteral("Zeitlimit:") + Tab + zeitlimit;
    z << QStringLiteral("Verhalten bei richtiger Zuordnung:") + Tab +
             ZuordnungRichtigText(o.ZuordnungRichtig);
    z << QStringLiteral("Verhalten bei Fehlversuch:") + Tab + ZuordnungFalschText(o.ZuordnungFalsch);
    z << QStringLiteral("Zuordnungstexte:") + Tab + ZuordnungstexteText(o.Zuordnungstexte);
    z << QStringLiteral("Zuordnungsziele (Positionen):") + Tab + ZuordnungszieleText(o.Zuordnungsziele);
}

// The clock as the status panel showed it at the end: time left or time taken.
QString ZeitText(const QuizLauf& l) {
    const auto sekunden = static_cast<int32_t>(l.DauerMs / 1000);
    if (l.Optionen.Zeitlimit == ZeitlimitArt::An)
        return UhrText(std::max<int32_t>(0, l.Optionen.ZeitlimitSek - sekunden));
    return UhrText(sekunden);
}

void Statistik(const QuizLauf& l, QStringList& z) {
    const bool limit = l.Optionen.Zeitlimit == ZeitlimitArt::An;
    z << QStringLiteral("Richtig zugeordnet:") + Tab + QString::number(l.Richtig) +
             QStringLiteral("  von  ") + QString::number(l.FragenAnzahl);
    z << QStringLiteral("Fehlversuche:") + Tab + QString::number(l.Fehlversuche);
    z << QStringLiteral("Erfolgsquote:") + Tab + ProzentText(l.Erfolgsquote);
    z << QStringLiteral("Offene Positionen:") + Tab + QString::number(l.Offen);
    z << (limit ? QStringLiteral("Verbliebene Zeit:") : QStringLiteral("Benötigte Zeit:")) + Tab +
             ZeitText(l);
    z << QStringLiteral("Gesamtleistung:") + Tab + ProzentText(l.Gesamtleistung);
    z << QStringLiteral("Bewertung:") + Tab + NotenWort(l.Note);
    z << QStringLiteral("Schulnote:") + Tab + QString::number(l.Note);
}

} // namespace

QString AblaufText(const QuizLauf& l) {
    QString text;
    size_t e = 0;
    for (size_t a = 0; a <= l.Antworten.size(); ++a) {
        for (; e < l.Ereignisse.size() && l.Ereignisse[e].NachAntworten <= a; ++e)
            text += EreignisZeilen(l, l.Ereignisse[e]);
        if (a == l.Antworten.size()) break;
        const AntwortEintrag& antwort = l.Antworten[a];
        text += Zeile(antwort.Ms, UrteilZeile(l.DokTyp, l.Optionen.AbfrageModus, antwort.Richtig,
                                              antwort.Text, antwort.ZielBeschriftung));
    }
    return text;
}

QString ProtokollText(const QuizLauf& l) {
    QStringList z;
    z << QStringLiteral("<tit>Quiz-Protokoll");
    z << QStringLiteral("Datum/Uhrzeit (Beginn):") + Tab + DatumZeitText(l.Start);
    z << QStringLiteral("Teilnehmername:") + Tab +
             (l.Teilnehmer.isEmpty() ? QStringLiteral("(nicht angegeben)") : l.Teilnehmer);
    z << QStringLiteral("Rechnername:") + Tab + l.Rechnername;
    z << QStringLiteral("Rechnerbenutzer:") + Tab + l.Rechnerbenutzer;
    z << QString() << QStringLiteral("<tit>Übungseinstellungen");
    z << QStringLiteral("Titel:") + Tab + l.Titel;
    z << QStringLiteral("Quiz-Umfang:") + Tab + UmfangText(l);
    Einstellungen(l, z);
    z << QString() << QStringLiteral("<tit>Statistik-Zusammenfassung");
    Statistik(l, z);
    z << QString() << QStringLiteral("<tit>Detaillierter Ablauf");
    QString text;
    for (const QString& zeile : z)
        text += zeile + ZeilenEnde;
    return text + AblaufText(l);
}
