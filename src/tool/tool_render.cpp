// "kartello-tool render DATEI.tvl AUS.png|.jpg|.bmp [...]": the composed map as a picture,
// written by the same export as the main window's, with the same rules for the name.
#include "tool_befehl.h"

#include "tool_ausgabe.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "data/av_data.h"
#include "documents/tvl_datei.h"
#include "mapview/karte.h"
#include "mapview/nummerierung.h"
#include "output/bildexport.h"

namespace {

struct RenderAuftrag {
    QString dokument;
    QString ausgabe;
    QSize steuerelement{870, 650};
    int zoomindex = 0;
    bool aufgedeckt = false;
};

bool Ganzzahl(const QString& text, int von, int bis, int& wert) {
    bool ok = false;
    const int zahl = text.toInt(&ok);
    if (!ok || zahl < von || zahl > bis) return false;
    wert = zahl;
    return true;
}

// Reads the options; an empty result means success, otherwise the message.
QString Auswerten(const QStringList& argumente, RenderAuftrag& auftrag) {
    auftrag.dokument = argumente.at(0);
    auftrag.ausgabe = argumente.at(1);
    for (int i = 2; i < argumente.size(); ++i) {
        const QString& option = argumente.at(i);
        if (option == QLatin1String("--aufgedeckt")) {
            auftrag.aufgedeckt = true;
            continue;
        }
        if (i + 1 >= argumente.size()) return QStringLiteral("Option \"%1\" ohne Wert.").arg(option);
        const QString wert = argumente.at(++i);
        int zahl = 0;
        if (option == QLatin1String("--breite") || option == QLatin1String("--hoehe")) {
            if (!Ganzzahl(wert, 1, 10000, zahl))
                return QStringLiteral("%1 muss eine ganze Zahl von 1 bis 10000 sein, nicht \"%2\".")
                    .arg(option, wert);
            if (option == QLatin1String("--breite"))
                auftrag.steuerelement.setWidth(zahl);
            else
                auftrag.steuerelement.setHeight(zahl);
        } else if (option == QLatin1String("--zoom")) {
            if (wert == QLatin1String("100"))
                auftrag.zoomindex = 0;
            else if (wert == QLatin1String("150"))
                auftrag.zoomindex = 2;
            else if (wert == QLatin1String("200"))
                auftrag.zoomindex = 4;
            else
                return QStringLiteral("--zoom muss 100, 150 oder 200 sein, nicht \"%1\".").arg(wert);
        } else {
            return QStringLiteral("Unbekannte Option \"%1\".").arg(option);
        }
    }
    return {};
}

QImage KarteZeichnen(Dokument& dok, const RenderAuftrag& auftrag) {
    // As after loading: covers numbered in the document's order, or every label shown.
    NummerierungSetzen(dok);
    if (auftrag.aufgedeckt)
        for (int i = 0; i < static_cast<int>(dok.Objekte.size()); ++i)
            if (IstAbdeckbar(dok, i)) dok.Objekte[i].Zustand = ObZustand::Gezeigt;
    Karte karte(dok);
    karte.SetzeSteuerelementgroesse(auftrag.steuerelement);
    if (!karte.ZoomSetzen(auftrag.zoomindex)) karte.AnsichtAufbauen();
    return karte.Kartenbild();
}

} // namespace

int BefehlRender(const QStringList& argumente) {
    RenderAuftrag auftrag;
    const QString fehler = Auswerten(argumente, auftrag);
    if (!fehler.isEmpty()) {
        AufrufFehlerAusgeben(QStringLiteral("render"), fehler);
        return ExitAufruf;
    }
    if (!SchriftenVorhanden(QStringLiteral("render"))) return ExitFehler;
    if (!BildformatFuer(auftrag.ausgabe)) {
        FehlerAusgeben(UngueltigeErweiterungText());
        return ExitFehler;
    }
    Dokument dok;
    if (!DokumentLesenOderMelden(auftrag.dokument, dok)) return ExitFehler;
    const QImage bild = KarteZeichnen(dok, auftrag);
    // Written whole or not at all, so a failed run never leaves half a picture.
    Bildexport export_;
    if (export_.schreiben(bild, auftrag.ausgabe) != Bildexport::Ergebnis::Geschrieben) {
        FehlerAusgeben(export_.errorString());
        return ExitFehler;
    }
    return ExitErfolg;
}
