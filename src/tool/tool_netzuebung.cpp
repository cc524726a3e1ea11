// "kartello-tool netzuebung zeigen KOMORDNER [--kanal K]": the exercise published on a
// channel, read with the program's own readers, for a teacher or an administrator
// checking a class folder.
#include "tool_befehl.h"

#include "tool_ausgabe.h"

#include "data/av_data.h"
#include "documents/dokument.h"
#include "documents/tvl_datei.h"
#include "network/netzuebung.h"
#include "quiz/quiztexte.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

namespace {

struct Zeile {
    const char* schluessel;
    int32_t wert;
    QString gruppe;
    std::vector<QString> eintraege; // item captions by index; empty: not used by this type
};

QString Eintrag(const Zeile& z) {
    if (z.eintraege.empty()) return QStringLiteral("(bei diesem Dokumenttyp nicht verwendet)");
    if (z.wert < 0 || z.wert >= static_cast<int32_t>(z.eintraege.size())) return QStringLiteral("?");
    return z.gruppe.trimmed() + QStringLiteral(": ") + z.eintraege[static_cast<size_t>(z.wert)].trimmed();
}

// The option groups and item captions of the options window of the document's type.
std::vector<Zeile> Zeilen(const NetzUebungDataTyp& d, int32_t dokTyp) {
    const QString ordnung = QStringLiteral(" alphabetisch geordnet ");
    const QString gemischt = QStringLiteral(" zufällig gemischt ");
    const Zeile rifa{
        "RiFaRueckmeldungItemIndex",
        d.RiFaRueckmeldungItemIndex,
        QStringLiteral(" Richtig-/Falsch-Rückmeldung "),
        {QStringLiteral(" sofort bei jeder Zuordnung "), QStringLiteral(" erst am Ende der Übung ")}};
    if (dokTyp == Einzelfragen)
        return {rifa,
                {"ZuordnungRichtigItemIndex", d.ZuordnungRichtigItemIndex, {}, {}},
                {"ZuordnungFalschItemIndex",
                 d.ZuordnungFalschItemIndex,
                 QStringLiteral(" Abfragemodus "),
                 {QStringLiteral(" solange wiederholen, bis jede Frage richtig beantwortet wurde "),
                  QStringLiteral(" jede Frage nur einmal stellen ")}},
                {"ZuordnungstexteItemIndex",
                 d.ZuordnungstexteItemIndex,
                 QStringLiteral(" Antwortmöglichkeiten "),
                 {ordnung, gemischt}},
                {"ZuordnungszieleItemIndex",
                 d.ZuordnungszieleItemIndex,
                 QStringLiteral(" Reihenfolge der Fragen "),
                 {QStringLiteral(" geordnet "), gemischt}},
                {"AbfrageModusItemIndex", d.AbfrageModusItemIndex, {}, {}},
                {"ZeitLimitIndex",
                 d.ZeitLimitIndex,
                 QStringLiteral(" Zeitlimit "),
                 {QStringLiteral(" ohne Zeitlimit "), QStringLiteral(" Zeitlimit von: ")}}};
    return {rifa,
            {"ZuordnungRichtigItemIndex",
             d.ZuordnungRichtigItemIndex,
             QStringLiteral(" Verhalten bei richtiger Zuordnung "),
             {QStringLiteral(" Beschriftung einblenden "), QStringLiteral(" grünes Häkchen setzen ")}},
            {"ZuordnungFalschItemIndex",
             d.ZuordnungFalschItemIndex,
             QStringLiteral(" Verhalten bei falscher Zuordnung (Fehlversuch) "),
             {QStringLiteral(" beliebig viele Zuordnungsversuche erlaubt "),
              QStringLiteral(" rotes Kreuz setzen, keine erneute Zuordnung an dieser Position")}},
            {"ZuordnungstexteItemIndex",
             d.ZuordnungstexteItemIndex,
             QStringLiteral(" Zuordnungstexte "),
             {ordnung, gemischt}},
            {"ZuordnungszieleItemIndex",
             d.ZuordnungszieleItemIndex,
             QStringLiteral(" Zuordnungsziele (Positionen) "),
             {QStringLiteral(" geordnet nummeriert "), QStringLiteral(" zufällig gemischt nummeriert "),
              QStringLiteral(" Fragezeichen ")}},
            {"AbfrageModusItemIndex",
             d.AbfrageModusItemIndex,
             QStringLiteral(" Abfragemodus "),
             {QStringLiteral(" freie Zuordnung "), QStringLiteral(" Einzelabfrage Texte "),
              QStringLiteral(" Einzelabfrage Positionen ")}},
            {"ZeitLimitIndex",
             d.ZeitLimitIndex,
             QStringLiteral(" Zeitlimit "),
             {QStringLiteral(" ohne Zeitlimit"), QStringLiteral(" mit Zeitlimit:")}}};
}

QString Bericht(const Dokument& dok, const NetzUebungDataTyp& d) {
    QString text = QStringLiteral("Dokument: %1\n").arg(dok.Header.HD_titel);
    text += QStringLiteral("NetzUebungMaster: %1\n").arg(d.NetzUebungMaster);
    for (const Zeile& z : Zeilen(d, dok.Header.HD_DokTyp))
        text += QStringLiteral("%1 = %2  %3\n").arg(QLatin1String(z.schluessel)).arg(z.wert).arg(Eintrag(z));
    text += QStringLiteral("ZeitLimitWert = %1  Zeitlimit (Min:Sek): %2")
                .arg(d.ZeitLimitWert)
                .arg(UhrText(d.ZeitLimitWert));
    return text;
}

} // namespace

int BefehlNetzuebung(const QStringList& argumente) {
    if (argumente.first() != QLatin1String("zeigen") || (argumente.size() != 2 && argumente.size() != 4) ||
        (argumente.size() == 4 && argumente[2] != QLatin1String("--kanal"))) {
        FehlerAusgeben(QStringLiteral("Aufruf: kartello-tool netzuebung zeigen KOMORDNER [--kanal K]"));
        return ExitAufruf;
    }
    ProgrammOrdnerTyp ordner;
    ordner.Kommunikationsordner = MitTrenner(QDir::toNativeSeparators(argumente[1]));
    if (argumente.size() == 4) ordner.Kanalname = argumente[3];
    if (!KanalZulaessig(ordner.Kanalname)) {
        FehlerAusgeben(KanalUnzulaessigText(ordner.Kanalname));
        return ExitFehler;
    }
    // The same read as joining with F8: never a document with another publication's settings.
    const NetzDateienTyp dateien = NetzDateien(ordner.Kommunikationsordner, ordner.Kanalname);
    NetzUebungDataTyp daten;
    Dokument dok;
    WartenBlockierend warten;
    const NetzLesung lesung = NetzuebungEinlesen(dateien, dok, daten, warten);
    if (lesung.ergebnis == NetzErgebnis::Keine) {
        Ausgeben(NetzKeineUebungText(ordner.Kommunikationsordner, ordner.Kanalname));
        return ExitFehler;
    }
    if (lesung.ergebnis != NetzErgebnis::Erledigt) {
        FehlerAusgeben(LesefehlerText(lesung.fehlerPfad, lesung.grund));
        return ExitFehler;
    }
    Ausgeben(Bericht(dok, daten));
    return ExitErfolg;
}
