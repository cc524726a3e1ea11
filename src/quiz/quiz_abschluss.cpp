// Completing a quiz: grade, result window, protocol text, best-list entry and the repeat loop.
#include "quiz/quiz.h"

#include "mapview/karte.h"
#include "platform/anzeigeort.h"
#include "platform/systeminfo.h"
#include "quiz/quiztexte.h"

#include <QLocale>

namespace {

// The short date and long time, without a time-zone name, German on any system.
QString DatumZeitText(const QDateTime& zeit) {
    const QLocale ort = AnzeigeOrt();
    QString zeitformat = ort.timeFormat(QLocale::LongFormat);
    zeitformat.remove(u't');
    return ort.toString(zeit.date(), QLocale::ShortFormat) + u' ' +
           zeit.time().toString(zeitformat.trimmed());
}

} // namespace

void Quiz::Abschliessen() {
    // One completion per run: one protocol and at most one best-list entry.
    if (!m_quizmodus || m_abgeschlossenLauf == m_lauf) return;
    m_abgeschlossenLauf = m_lauf;
    m_ui.ZeitTimerSetzen(false);
    UhrAnhalten();
    if (m_daten.Endzustand == Aktiv) m_daten.Endzustand = Fertig;
    StatusAktualisieren();
    m_daten.Note = NoteFuer(m_daten.Gesamtleistung);
    const ErgebnisAnzeige anzeige = ErgebnisFuellen();
    ZusammenfassungSchreiben(anzeige);
    m_protokoll = m_daten.Zusammenfassung + m_daten.Ablauf;
    m_ui.ProtokollUebergeben(m_protokoll);
    if (m_einstellungen.AutoProtSpeichern) m_ui.ProtokollAutomatischSpeichern();
    if ((m_einstellungen.ErgebBestListEintragen || NetzUebung()) &&
        m_daten.FragenAnzahl == m_daten.FragenGesamt)
        m_ui.BestenlisteEintragen({m_daten.TeilnehmerName, m_dienste.systemInfo.rechnername(),
                                   m_daten.StartZeit, m_zeitMs, m_daten.Gesamtleistung, NetzUebung()});
    for (;;) {
        const ErgebnisWahl wahl = m_ui.ErgebnisZeigen(anzeige);
        if (!wahl.wiederholen) break;
        // Without failed attempts only the complete repeat is offered.
        const int modus = anzeige.WiederholenAktiv ? wahl.wiederholmodus : 0;
        // As before F7: the options window first when the user wants it before every quiz;
        // closed without starting, the result window comes back. An exercise keeps its options.
        if (!NetzUebung() && m_ui.OptionenVorJederUebung(m_dok.Header.HD_DokTyp) &&
            !m_ui.OptionenZeigen(m_dok.Header.HD_DokTyp))
            continue;
        if (Starten(true, modus, NetzUebung())) return;
    }
    Beenden();
}

ErgebnisAnzeige Quiz::ErgebnisFuellen() const {
    ErgebnisAnzeige e;
    e.Richtig = m_status.Richtig + QStringLiteral("  ") + m_status.GesAnz;
    e.Falsch = m_status.Falsch;
    e.Quote = m_status.Quote;
    e.Gesamtleistung = m_status.Gesamtleistung;
    e.ZeitArt =
        m_daten.Zeitlimit == 1 ? QStringLiteral("Verbliebene Zeit:") : QStringLiteral("Benötigte Zeit:");
    e.Zeit = m_status.Zeit;
    e.Offen = QString::number(m_daten.Offen);
    e.Bewertung = NotenWort(m_daten.Note);
    e.Note = QString::number(m_daten.Note);
    e.L = m_daten.Gesamtleistung;
    e.WiederholenAktiv = m_daten.Fehlversuche > 0;
    if (m_daten.FragenAnzahl < m_daten.FragenGesamt)
        e.Durchlauf = QStringLiteral("Wiederholung: ") + QString::number(m_daten.FragenAnzahl) +
                      (m_daten.FragenAnzahl == 1 ? QStringLiteral(" Frage") : QStringLiteral(" Fragen"));
    return e;
}

QString Quiz::SumZeile(const QString& text) {
    return text + QStringLiteral("\r\n");
}

void Quiz::ZusammenfassungSchreiben(const ErgebnisAnzeige& e) {
    const UebDataTyp& d = m_daten;
    const QString tab = QStringLiteral("\t");
    QStringList z;
    z << QStringLiteral("<tit>Quiz-Protokoll");
    z << QStringLiteral("Datum/Uhrzeit (Beginn):") + tab + DatumZeitText(d.StartZeit);
    z << QStringLiteral("Teilnehmername:") + tab +
             (d.TeilnehmerName.isEmpty() ? QStringLiteral("(nicht angegeben)") : d.TeilnehmerName);
    z << QStringLiteral("Rechnername:") + tab + m_dienste.systemInfo.rechnername();
    z << QStringLiteral("Rechnerbenutzer:") + tab + m_dienste.systemInfo.benutzername();
    z << QString() << QStringLiteral("<tit>Übungseinstellungen");
    z << QStringLiteral("Titel:") + tab + m_dok.Header.HD_titel;
    z << QStringLiteral("Quiz-Umfang:") + tab +
             (d.FragenAnzahl == d.FragenGesamt
                  ? QString(QString::number(d.FragenAnzahl) + QStringLiteral(" Fragen (komplettes Quiz)"))
                  : QString::number(d.FragenAnzahl) + QStringLiteral(" von ") +
                        QString::number(d.FragenGesamt) + QStringLiteral(" Fragen (Teilwiederholung)"));
    const QString zeitlimit = d.Zeitlimit == 1 ? QString(QStringLiteral("ja, ") + DauerText(d.ZeitlimitSek))
                                               : QStringLiteral("nein");
    if (IstEinzelfragen()) {
        z << QStringLiteral("Abfragemodus:") + tab + FragenAbfragemodusText(d.ZuordnungFalsch);
        z << QStringLiteral("Zeitlimit:") + tab + zeitlimit;
        z << QStringLiteral("Antwortmöglichkeiten:") + tab + ZuordnungstexteText(d.Zuordnungstexte);
        z << QStringLiteral("Reihenfolge der Fragen:") + tab + FragenReihenfolgeText(d.Zuordnungsziele);
    } else {
        z << QStringLiteral("Abfragemodus:") + tab + AbfragemodusText(d.AbfrageModus);
        z << QStringLiteral("Zeitlimit:") + tab + zeitlimit;
        z << QStringLiteral("Verhalten bei richtiger Zuordnung:") + tab +
                 ZuordnungRichtigText(d.ZuordnungRichtig);
        z << QStringLiteral("Verhalten bei Fehlversuch:") + tab + ZuordnungFalschText(d.ZuordnungFalsch);
        z << QStringLiteral("Zuordnungstexte:") + tab + ZuordnungstexteText(d.Zuordnungstexte);
        z << QStringLiteral("Zuordnungsziele (Positionen):") + tab + ZuordnungszieleText(d.Zuordnungsziele);
    }
    z << QString() << QStringLiteral("<tit>Statistik-Zusammenfassung");
    z << QStringLiteral("Richtig zugeordnet:") + tab + e.Richtig;
    z << QStringLiteral("Fehlversuche:") + tab + e.Falsch;
    z << QStringLiteral("Erfolgsquote:") + tab + e.Quote;
    z << QStringLiteral("Offene Positionen:") + tab + e.Offen;
    z << e.ZeitArt + tab + e.Zeit;
    z << QStringLiteral("Gesamtleistung:") + tab + e.Gesamtleistung;
    z << QStringLiteral("Bewertung:") + tab + e.Bewertung;
    z << QStringLiteral("Schulnote:") + tab + e.Note;
    z << QString() << QStringLiteral("<tit>Detaillierter Ablauf");
    QString text;
    for (const QString& zeile : z)
        text += SumZeile(zeile);
    m_daten.Zusammenfassung = text;
}
