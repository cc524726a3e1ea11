// "kartello-tool bestenliste zeigen|eintragen DATEI.hsc ...": the best list on the
// command line, through the same locked reading and appending as the program.
#include "tool_befehl.h"

#include "tool_ausgabe.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSysInfo>

#include "data/av_data.h"
#include "data/steuerzeichen.h"
#include "platform/dateisperre.h"
#include "platform/geteilte_datei.h"
#include "results/bestenliste.h"
#include "results/bestenliste_rang.h"
#include "results/bestenliste_text.h"

#include <cmath>
#include <optional>

namespace {

// The terminal reads UTF-8 with LF line ends; the file gets the export's own bytes.
int Ausgabe(const std::vector<QStringList>& zeilen, const QString& datei) {
    if (datei.isEmpty()) {
        RohAusgeben(BestListGridText(zeilen).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8());
        return ExitErfolg;
    }
    if (!GeteiltErsetzen(datei, BestListGridBytes(zeilen))) {
        FehlerAusgeben(SchreibfehlerText(QDir::toNativeSeparators(datei)));
        return ExitFehler;
    }
    return ExitErfolg;
}

int Zeigen(const QString& pfad, const QString& datei = {}) {
    const QString name = QDir::toNativeSeparators(pfad);
    if (GeteiltArtVon(pfad) == GeteiltArt::Fehlt) {
        FehlerAusgeben(FehltText(name));
        return ExitFehler;
    }
    WartenBlockierend warten;
    std::vector<BestListDataTyp> liste;
    QString grund;
    int64_t beschaedigtAb = 0;
    if (!BestListLesen(pfad, liste, warten, grund, &beschaedigtAb)) {
        FehlerAusgeben(LesefehlerText(name, grund));
        return ExitFehler;
    }
    // The intact entries are still printed: the warning goes to stderr, the exit code stays 0.
    if (beschaedigtAb > 0) FehlerAusgeben(BestListSchadenText(name, beschaedigtAb));
    BestListRangfolge(liste);
    return Ausgabe(BestListZeilen(liste), datei);
}

struct EintragAuftrag {
    BestListDataTyp eintrag;
    int anzahl = 1;
};

// "--name N" pairs; every option must be known and have a value.
std::optional<QHash<QString, QString>> Optionen(const QStringList& argumente) {
    static const QStringList bekannt{QStringLiteral("--name"),     QStringLiteral("--rechner"),
                                     QStringLiteral("--beginn"),   QStringLiteral("--dauer-ms"),
                                     QStringLiteral("--leistung"), QStringLiteral("--anzahl")};
    QHash<QString, QString> werte;
    for (qsizetype i = 0; i < argumente.size(); i += 2) {
        if (!bekannt.contains(argumente[i]) || i + 1 >= argumente.size()) {
            FehlerAusgeben(
                QStringLiteral("Unbekannte Option oder fehlender Wert: \"%1\".").arg(argumente[i]));
            return std::nullopt;
        }
        werte.insert(argumente[i], argumente[i + 1]);
    }
    return werte;
}

std::optional<EintragAuftrag> AuftragAus(const QHash<QString, QString>& o) {
    bool okDauer = false, okLeistung = false, okAnzahl = true;
    const int dauer = o.value(QStringLiteral("--dauer-ms")).toInt(&okDauer);
    const double leistung = o.value(QStringLiteral("--leistung")).toDouble(&okLeistung);
    EintragAuftrag a;
    if (o.contains(QStringLiteral("--anzahl")))
        a.anzahl = o.value(QStringLiteral("--anzahl")).toInt(&okAnzahl);
    QDateTime beginn = QDateTime::currentDateTime();
    if (o.contains(QStringLiteral("--beginn")))
        beginn = QDateTime::fromString(o.value(QStringLiteral("--beginn")), Qt::ISODate);
    if (!okDauer || dauer < 0 || !okLeistung || !std::isfinite(leistung) || leistung < 0 || leistung > 1 ||
        !okAnzahl || a.anzahl < 1 || !beginn.isValid()) {
        FehlerAusgeben(QStringLiteral("Ungültige Werte: --dauer-ms braucht eine ganze Zahl ab 0, --leistung "
                                      "eine Zahl von 0 bis 1, --beginn eine Zeit wie 2026-12-08T10:15:00, "
                                      "--anzahl eine Zahl ab 1."));
        return std::nullopt;
    }
    const QString rechner = o.value(QStringLiteral("--rechner"), QSysInfo::machineHostName());
    // As the name window does: no control character reaches the list.
    a.eintrag = BestListEintrag(OhneSteuerzeichen(o.value(QStringLiteral("--name"))),
                                OhneSteuerzeichen(rechner), beginn, dauer, leistung);
    return a;
}

int Eintragen(const QString& pfad, const QStringList& optionen) {
    const auto werte = Optionen(optionen);
    if (!werte) return ExitAufruf;
    if (!werte->contains(QStringLiteral("--dauer-ms")) || !werte->contains(QStringLiteral("--leistung"))) {
        FehlerAusgeben(QStringLiteral("--dauer-ms und --leistung fehlen."));
        return ExitAufruf;
    }
    const auto auftrag = AuftragAus(*werte);
    if (!auftrag) return ExitAufruf;
    WartenBlockierend warten;
    for (int i = 0; i < auftrag->anzahl; ++i) {
        QString grund;
        Dateigrund art = Dateigrund::Unbekannt;
        if (!BestListAnhaengen(pfad, auftrag->eintrag, warten, grund, nullptr, &art)) {
            FehlerAusgeben(
                SchreibfehlerText(QDir::toNativeSeparators(pfad), BestListSpeichernFehlerZusatz(), art));
            return ExitFehler;
        }
    }
    return ExitErfolg;
}

} // namespace

int BefehlBestenliste(const QStringList& argumente) {
    const QString unterbefehl = argumente.at(0);
    if (unterbefehl == QLatin1String("zeigen") && argumente.size() == 2) return Zeigen(argumente.at(1));
    if (unterbefehl == QLatin1String("zeigen") && argumente.size() == 4 &&
        argumente.at(2) == QLatin1String("--datei"))
        return Zeigen(argumente.at(1), argumente.at(3));
    if (unterbefehl == QLatin1String("eintragen")) return Eintragen(argumente.at(1), argumente.mid(2));
    FehlerAusgeben(QStringLiteral("Unbekannter Unterbefehl oder falsche Argumente.\n"
                                  "\"kartello-tool bestenliste --help\" zeigt die Hilfe."));
    return ExitAufruf;
}
