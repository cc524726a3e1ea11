// "kartello-tool einstellungen zeigen|setzen": the program's settings on the command
// line, read and written through the same store and table as the program.
#include "tool_befehl.h"

#include "tool_ausgabe.h"

#include <QCoreApplication>

#include "data/av_data.h"
#include "platform/einstellungen_qt.h"
#include "quiz/quizoptionen.h"
#include "shell/programmeinstellungen.h"

namespace {

// The defaults of the folder values depend on where the program lives and on the
// names of its per-user data folder, so they are resolved as the program does.
ProgrammOrdnerTyp StandardOrdner() {
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(ProgrammTitel);
    return OrdnerAusProgrammordner(QCoreApplication::applicationDirPath());
}

QString Herkunft(const EinstellungenQt& speicher, const EinstellungsWert& eintrag) {
    if (EinstellungVorhanden(speicher.benutzer(), eintrag)) return QStringLiteral("Benutzer");
    if (speicher.system() != nullptr && EinstellungVorhanden(*speicher.system(), eintrag))
        return QStringLiteral("System");
    return QStringLiteral("Standard");
}

int Zeigen() {
    const EinstellungenQt speicher;
    ProgrammEinstellungenTyp werte;
    ProgrammOrdnerTyp ordner = StandardOrdner();
    EinstellungenLaden(speicher, werte, ordner);
    QString text;
    for (const EinstellungsWert& e : EinstellungenAlsText(werte, ordner))
        text += e.name + u'\t' + e.wert + u'\t' + Herkunft(speicher, e) + u'\n';
    RohAusgeben(text.toUtf8());
    return ExitErfolg;
}

int Setzen(const QString& name, const QString& wert) {
    EinstellungenQt speicher;
    switch (EinstellungSetzen(speicher.benutzer(), name, wert)) {
    case SetzErgebnis::UnbekannterName:
        FehlerAusgeben(QStringLiteral("Unbekannte Einstellung \"%1\". Bekannt sind:\n%2")
                           .arg(name, EinstellungsNamen().join(u'\n')));
        return ExitAufruf;
    case SetzErgebnis::UngueltigerWert:
        FehlerAusgeben(QStringLiteral("Ungültiger Wert \"%1\" für \"%2\": erwartet wird true, false, 1 "
                                      "oder 0 für Schalter und eine ganze Zahl für Auswahlen.")
                           .arg(wert, name));
        return ExitAufruf;
    case SetzErgebnis::Gesetzt:
        break;
    }
    if (!speicher.benutzer().fehlerfrei()) {
        FehlerAusgeben(SchreibfehlerText(speicher.ort()));
        return ExitFehler;
    }
    return ExitErfolg;
}

} // namespace

int BefehlEinstellungen(const QStringList& argumente) {
    const QString unterbefehl = argumente.at(0);
    if (unterbefehl == QLatin1String("zeigen") && argumente.size() == 1) return Zeigen();
    if (unterbefehl == QLatin1String("setzen") && argumente.size() == 3)
        return Setzen(argumente.at(1), argumente.at(2));
    FehlerAusgeben(QStringLiteral("Unbekannter Unterbefehl oder falsche Argumente.\n"
                                  "\"kartello-tool einstellungen --help\" zeigt die Hilfe."));
    return ExitAufruf;
}
