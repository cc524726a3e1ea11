// "kartello-tool arbeitsblatt DATEI.tvl AUS [...]": the worksheet page as a file.
#include "tool_befehl.h"

#include "tool_ausgabe.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <optional>

#include "data/av_data.h"
#include "documents/tvl_datei.h"
#include "worksheet/arbeitsblatt.h"

namespace {

struct BlattAuftrag {
    QString dokument;
    QString ausgabe;
    ArbeitsblattOptionen optionen;
    std::optional<QString> titel; // without: the document's title
    QSize steuerelement{870, 650};
};

bool Ganzzahl(const QString& text, int von, int bis, int& wert) {
    bool ok = false;
    const int zahl = text.toInt(&ok);
    if (!ok || zahl < von || zahl > bis) return false;
    wert = zahl;
    return true;
}

bool Schalter(const QString& option, ArbeitsblattOptionen& o) {
    if (option == QLatin1String("--ohne-name"))
        o.name = false;
    else if (option == QLatin1String("--ohne-klasse"))
        o.klasse = false;
    else if (option == QLatin1String("--ohne-datum"))
        o.datum = false;
    else if (option == QLatin1String("--ohne-textvorgabe"))
        o.textvorgabe = false;
    else
        return false;
    return true;
}

QString Wert(const QString& option, const QString& wert, BlattAuftrag& a) {
    int zahl = 0;
    if (option == QLatin1String("--art")) {
        static const QStringList arten{QStringLiteral("arbeitsblatt"), QStringLiteral("loesung"),
                                       QStringLiteral("folie")};
        if (!arten.contains(wert))
            return QStringLiteral("--art muss arbeitsblatt, loesung oder folie sein, nicht \"%1\".")
                .arg(wert);
        a.optionen.art = static_cast<int>(arten.indexOf(wert));
    } else if (option == QLatin1String("--titel")) {
        a.titel = wert;
    } else if (option == QLatin1String("--aufgabe")) {
        a.optionen.aufgabe = wert;
    } else if (option == QLatin1String("--ab-frage")) {
        if (!Ganzzahl(wert, 1, 99999, zahl))
            return QStringLiteral("--ab-frage muss eine ganze Zahl von 1 bis 99999 sein, nicht \"%1\".")
                .arg(wert);
        a.optionen.abFrage = zahl;
    } else if (option == QLatin1String("--breite") || option == QLatin1String("--hoehe")) {
        if (!Ganzzahl(wert, 1, 10000, zahl))
            return QStringLiteral("%1 muss eine ganze Zahl von 1 bis 10000 sein, nicht \"%2\".")
                .arg(option, wert);
        if (option == QLatin1String("--breite"))
            a.steuerelement.setWidth(zahl);
        else
            a.steuerelement.setHeight(zahl);
    } else {
        return QStringLiteral("Unbekannte Option \"%1\".").arg(option);
    }
    return {};
}

// Reads the options; an empty result means success, otherwise the message.
QString Auswerten(const QStringList& argumente, BlattAuftrag& a) {
    a.dokument = argumente.at(0);
    a.ausgabe = argumente.at(1);
    for (int i = 2; i < argumente.size(); ++i) {
        const QString& option = argumente.at(i);
        if (Schalter(option, a.optionen)) continue;
        if (!option.startsWith(QLatin1String("--")) || i + 1 >= argumente.size())
            return option.startsWith(QLatin1String("--"))
                       ? QStringLiteral("Option \"%1\" ohne Wert.").arg(option)
                       : QStringLiteral("Unbekannte Option \"%1\".").arg(option);
        const QString fehler = Wert(option, argumente.at(++i), a);
        if (!fehler.isEmpty()) return fehler;
    }
    return {};
}

} // namespace

int BefehlArbeitsblatt(const QStringList& argumente) {
    BlattAuftrag auftrag;
    const QString fehler = Auswerten(argumente, auftrag);
    if (!fehler.isEmpty()) {
        AufrufFehlerAusgeben(QStringLiteral("arbeitsblatt"), fehler);
        return ExitAufruf;
    }
    if (!SchriftenVorhanden(QStringLiteral("arbeitsblatt"))) return ExitFehler;
    const Seitenformat format = FormatAusDateiname(auftrag.ausgabe);
    if (format == Seitenformat::Unbekannt) {
        FehlerAusgeben(EndungFehlerText);
        return ExitFehler;
    }
    Dokument dok;
    if (!DokumentLesenOderMelden(auftrag.dokument, dok)) return ExitFehler;
    auftrag.optionen.titel = auftrag.titel.value_or(dok.Header.HD_titel);
    const Arbeitsblatt blatt(dok, auftrag.optionen, auftrag.steuerelement);
    const QString schreibfehler = ArbeitsblattSchreiben(blatt, auftrag.ausgabe, format);
    if (!schreibfehler.isEmpty()) {
        FehlerAusgeben(schreibfehler);
        return ExitFehler;
    }
    return ExitErfolg;
}
