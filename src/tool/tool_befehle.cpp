#include "tool_befehl.h"

#include "tool_ausgabe.h"

namespace {

bool IstHilfe(const QString& argument) {
    return argument == QLatin1String("--help") || argument == QLatin1String("-h") ||
           argument == QLatin1String("hilfe");
}

QString Uebersicht() {
    QString text = QStringLiteral("Aufruf: kartello-tool BEFEHL [ARGUMENTE]\n\n"
                                  "Begleitwerkzeug von Velmora Kartello-Quiz für die Kommandozeile.\n\n"
                                  "Befehle:\n");
    for (const Befehl& b : AlleBefehle())
        text += QStringLiteral("  %1 %2\n").arg(b.name.leftJustified(11), b.kurzbeschreibung);
    text += QStringLiteral("\n\"kartello-tool BEFEHL --help\" zeigt die Hilfe zu einem Befehl.\n"
                           "Rückgabewerte: 0 Erfolg, 1 Fehler bei der Ausführung, 2 falscher Aufruf.");
    return text;
}

QString BefehlsHilfe(const Befehl& b) {
    return QStringLiteral("Aufruf: kartello-tool %1\n\n%2").arg(b.aufruf, b.hilfe);
}

} // namespace

const std::vector<Befehl>& AlleBefehle() {
    static const std::vector<Befehl> befehle{
        {QStringLiteral("dump"), QStringLiteral("Gibt ein Themendokument (*.tvl) als JSON aus."),
         QStringLiteral("dump DATEI.tvl"),
         QStringLiteral(
             "Liest das Themendokument DATEI.tvl und gibt Kopfdaten, Objekte und eine Beschreibung\n"
             "des Basisbilds (Breite, Höhe und SHA-256 der RGB-Bytes aller Pixel, zeilenweise von\n"
             "oben) als JSON auf der Standardausgabe aus. Zeilenumbrüche in Beschriftungen\n"
             "erscheinen als \\r\\n, reelle Zahlen mit voller Genauigkeit.\n"
             "Kann die Datei nicht gelesen werden, steht die Meldung auf der Fehlerausgabe und der\n"
             "Rückgabewert ist 1."),
         1, 1, &BefehlDump},
        {QStringLiteral("build"), QStringLiteral("Erzeugt ein Themendokument aus JSON und einem Bild."),
         QStringLiteral("build DOKUMENT.json AUS.tvl"),
         QStringLiteral(
             "Schreibt das Themendokument AUS.tvl aus der JSON-Beschreibung DOKUMENT.json. Sie hat\n"
             "dieselben Felder wie die Ausgabe von \"dump\"; nur \"Basisbild\" nennt das Bild:\n"
             "{\"datei\": \"bild.png\"}, relativ zum Ordner der JSON-Datei.\n"
             "Alle Felder sind Pflicht. Fehlt ein Feld, hat es den falschen Typ, ist es unbekannt\n"
             "oder enthält es ein Zeichen außerhalb von Windows-1252, nennt die Meldung das Feld\n"
             "(Objekte von 1 an gezählt); dann wird nichts geschrieben und der Rückgabewert ist 1.\n"
             "Reelle Zahlen dürfen auch \"NaN\", \"Infinity\" oder \"-Infinity\" sein."),
         2, 2, &BefehlBuild},
        {QStringLiteral("bestenliste"),
         QStringLiteral("Zeigt eine Bestenliste (*.hsc) oder trägt ein Ergebnis ein."),
         QStringLiteral(
             "bestenliste zeigen DATEI.hsc [--datei AUS.txt] | bestenliste eintragen DATEI.hsc OPTIONEN"),
         QStringLiteral(
             "\"zeigen\" gibt die Bestenliste nach Rang geordnet als Text aus (Spalten durch Tabulatoren\n"
             "getrennt, UTF-8). Mit --datei AUS.txt entsteht stattdessen die Datei AUS.txt genau so, wie\n"
             "sie \"Speichern...\" im Programm schreibt (Zeilen mit CR LF, Windows-1252).\n"
             "Fehlt die Datei oder kann sie nicht gelesen werden, steht die Meldung auf der\n"
             "Fehlerausgabe und der Rückgabewert ist 1.\n"
             "\"eintragen\" hängt ein Ergebnis an, mit derselben Sperre wie das Programm (bis zu 5\n"
             "Versuche im Abstand von 100 ms). Optionen:\n"
             "  --name N            Teilnehmername (leer: \"(kein Name)\")\n"
             "  --rechner R         Rechnername (ohne: der Name dieses Rechners)\n"
             "  --beginn ZEIT       Beginn, z. B. 2026-12-08T10:15:00 (ohne: jetzt)\n"
             "  --dauer-ms D        Dauer in Millisekunden (Pflicht)\n"
             "  --leistung L        Gesamtleistung von 0 bis 1 (Pflicht)\n"
             "  --anzahl K          das Ergebnis K-mal eintragen, jedes Mal einzeln gesperrt (für "
             "Lasttests)"),
         2, 14, &BefehlBestenliste},
        {QStringLiteral("render"),
         QStringLiteral("Zeichnet die Karte eines Themendokuments als PNG-, JPEG- oder BMP-Bild."),
         QStringLiteral(
             "render DATEI.tvl AUS.png|AUS.jpg|AUS.bmp [--breite W] [--hoehe H] [--zoom 100|150|200] "
             "[--aufgedeckt]"),
         QStringLiteral(
             "Setzt die Karte von DATEI.tvl so zusammen, wie sie das Programm in einem Kartenfeld von\n"
             "W x H Pixeln (ohne Angabe 870 x 650) in der Zoomstufe 100, 150 oder 200 % zeigt, und\n"
             "schreibt das ganze Kartenbild nach AUS: Basisbild mit Randerweiterung, Lückentext und\n"
             "alle Objekte, die Beschriftungen abgedeckt und nummeriert wie nach dem Öffnen, mit\n"
             "--aufgedeckt alle Beschriftungen sichtbar. Die Endung wählt das Format wie beim Exportieren\n"
             "im Programm: .png (PNG, Kompressionsstufe 5), .jpg (JPEG, Qualität 99) oder .bmp\n"
             "(24-Bit-Bitmap), Groß- und Kleinschreibung gleich; jede andere Endung wird abgelehnt.\n"
             "Kann die Datei nicht gelesen oder das Bild nicht geschrieben werden, steht die Meldung\n"
             "auf der Fehlerausgabe und der Rückgabewert ist 1."),
         2, 7, &BefehlRender},
        {QStringLiteral("arbeitsblatt"),
         QStringLiteral("Erzeugt Arbeitsblatt, Lösungsblatt oder Auflegefolie eines Themendokuments."),
         QStringLiteral(
             "arbeitsblatt DATEI.tvl AUS [--art arbeitsblatt|loesung|folie] [--ohne-name]\n"
             "    [--ohne-klasse] [--ohne-datum] [--titel TEXT] [--aufgabe TEXT] [--ohne-textvorgabe]\n"
             "    [--ab-frage N] [--breite W] [--hoehe H]"),
         QStringLiteral(
             "Schreibt die Seite, die das Fenster \"Arbeitsblatt\" mit denselben Einstellungen erzeugt.\n"
             "Ohne Angaben: Arbeitsblatt mit Name, Klasse und Datum, dem Titel des Dokuments, der\n"
             "Aufgabe \"Aufgabe: Fülle die freien Felder aus!\", vorgegebenen Antworttexten und ab\n"
             "Frage 1; die Karte wie in einem Kartenfeld von W x H Pixeln (ohne Angabe 870 x 650).\n"
             "Das Format folgt der Endung von AUS: .emf, .wmf, .svg, .pdf oder .png (1001 x 1625).\n"
             "Die PDF-Datei ist ein A4-Blatt mit der Seite an der Stelle, an die das Druckfenster sie\n"
             "ohne Änderungen setzt (Rand links 2,2 cm, oben 1,4 cm, 16,6 x 27,0 cm).\n"
             "Eine andere Endung, ein unlesbares Dokument oder ein Schreibfehler: Meldung auf der\n"
             "Fehlerausgabe und Rückgabewert 1."),
         2, 19, &BefehlArbeitsblatt},
        {QStringLiteral("einstellungen"),
         QStringLiteral("Zeigt die Einstellungen des Programms oder setzt eine davon."),
         QStringLiteral("einstellungen zeigen | einstellungen setzen NAME WERT"),
         QStringLiteral(
             "\"zeigen\" gibt jede Einstellung in einer Zeile aus: Name, Wert und Herkunft, durch\n"
             "Tabulatoren getrennt. Die Herkunft ist \"Benutzer\" (eigene Einstellungen), \"System\"\n"
             "(Vorgabe für alle Benutzer des Rechners, unter Linux in\n"
             "/etc/xdg/Velmora/Velmora Kartello-Quiz 1.0.conf) oder \"Standard\".\n"
             "\"setzen\" schreibt einen Wert in die eigenen Einstellungen, mit dem Typ, den das Programm\n"
             "verwendet: Schalter als true, false, 1 oder 0, Auswahlen als ganze Zahl, Ordner und Texte\n"
             "unverändert. Ein unbekannter Name oder ein ungültiger Wert ergibt den Rückgabewert 2."),
         1, 3, &BefehlEinstellungen},
        {QStringLiteral("netzuebung"),
         QStringLiteral("Zeigt die in einem Kommunikationsordner veröffentlichte Netzwerk-Übung."),
         QStringLiteral("netzuebung zeigen KOMORDNER [--kanal K]"),
         QStringLiteral(
             "Liest die Einstellungsdatei K-tvlnetzuebung.dat und das Dokument K-tvlnetzuebung.tvl\n"
             "des Kanals K (ohne Angabe \"TVL-1\") im Ordner KOMORDNER und gibt den Titel des\n"
             "Dokuments, den Rechner der Lehrkraft und die acht Übungswerte mit den Beschriftungen\n"
             "der Übungsoptionen aus, das Zeitlimit als Min:Sek.\n"
             "Ist zum Kanal keine Übung veröffentlicht, sagt die Ausgabe das und der Rückgabewert ist\n"
             "1; ebenso, wenn eine der Dateien nicht gelesen werden kann (Meldung auf der\n"
             "Fehlerausgabe)."),
         2, 4, &BefehlNetzuebung},
        {QStringLiteral("auswertung"),
         QStringLiteral("Wertet die Antwortprotokolle (*.kqa) einer Klasse aus."),
         QStringLiteral("auswertung DATEI.kqa [--erste|--alle] [--csv AUS.csv] [--bild AUS.png|AUS.pdf]"),
         QStringLiteral(
             "Gibt die Tabelle je Position aus (UTF-8, Spalten durch Tabulatoren getrennt), nach Nummern\n"
             "geordnet: Nr, Antwort, Teilnehmer, Richtig im ersten Versuch (in Prozent), Fehlversuche und\n"
             "die häufigste Verwechslung als \"<falscher Text> (<Anzahl>)\".\n"
             "--erste (Vorgabe) wertet je Teilnehmer den ersten vollständigen Durchgang aus, --alle jeden.\n"
             "--csv schreibt beide Tabellen (Positionen und Teilnehmer) als CSV-Datei für\n"
             "Tabellenprogramme (UTF-8 mit BOM, Semikolons). --bild schreibt die farbige Karte (.png) oder\n"
             "den ganzen Ausdruck (.pdf); das Dokument wird neben DATEI.kqa gesucht, nach Name und Hash.\n"
             "Eine beschädigte Zeile wird mit einer Warnung auf der Fehlerausgabe übergangen. Ist DATEI\n"
             "keine .kqa-Datei, fehlt das Dokument oder kann eine Datei nicht geschrieben werden, steht\n"
             "die Meldung auf der Fehlerausgabe und der Rückgabewert ist 1."),
         1, 6, &BefehlAuswertung},
    };
    return befehle;
}

const Befehl* BefehlSuchen(const QString& name) {
    for (const Befehl& b : AlleBefehle())
        if (b.name == name) return &b;
    return nullptr;
}

int WerkzeugAusfuehren(const QStringList& argumente) {
    if (argumente.isEmpty()) {
        FehlerAusgeben(Uebersicht());
        return ExitAufruf;
    }
    if (IstHilfe(argumente.first())) {
        Ausgeben(Uebersicht());
        return ExitErfolg;
    }
    const Befehl* befehl = BefehlSuchen(argumente.first());
    if (befehl == nullptr) {
        FehlerAusgeben(QStringLiteral("Unbekannter Befehl \"%1\".\n"
                                      "\"kartello-tool --help\" zeigt die verfügbaren Befehle.")
                           .arg(argumente.first()));
        return ExitAufruf;
    }
    const QStringList rest = argumente.mid(1);
    if (rest.size() == 1 && IstHilfe(rest.first())) {
        Ausgeben(BefehlsHilfe(*befehl));
        return ExitErfolg;
    }
    if (rest.size() < befehl->mindestArgumente || rest.size() > befehl->hoechstArgumente) {
        FehlerAusgeben(QStringLiteral("Falsche Anzahl von Argumenten.\nAufruf: kartello-tool %1\n"
                                      "\"kartello-tool %2 --help\" zeigt die Hilfe.")
                           .arg(befehl->aufruf, befehl->name));
        return ExitAufruf;
    }
    return befehl->ausfuehren(rest);
}
