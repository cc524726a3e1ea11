#include "worksheet/arbeitsblatt_befehle.h"

#include "data/av_data.h"
#include "platform/dialoge.h"
#include "platform/meldungen.h"
#include "platform/zwischenablage.h"
#include "worksheet/arbeitsblatt.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

DateiDialogAuftrag ArbeitsblattSpeicherAuftrag(const QString& startordner) {
    DateiDialogAuftrag a;
    a.Startordner = startordner;
    a.Titel = QStringLiteral("Arbeitsblatt exportieren");
    a.Filter = {{QStringLiteral("Enhanced Metafile (*.emf)"), QStringLiteral("*.emf")},
                {QStringLiteral("Metafile (*.wmf)"), QStringLiteral("*.wmf")},
                {QStringLiteral("Alle Dateien (*.*)"), QStringLiteral("*.*")}};
    a.Standardendung = QStringLiteral("emf");
    a.MussExistieren = false;
    a.UeberschreibenFragen = true;
    return a;
}

QString ArbeitsblattStartordner(const ProgrammOrdnerTyp& ordner) {
    if (OrdnerBereitstellen(ordner.Protokollordner, ordner)) return ordner.Protokollordner;
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath();
}

void ArbeitsblattSpeichern(const Arbeitsblatt& blatt, Dialoge& dialoge, Meldungen& meldungen,
                           const QString& startordner, const std::function<void(bool)>& beschaeftigt) {
    const std::optional<QString> datei = dialoge.DateiSpeichern(ArbeitsblattSpeicherAuftrag(startordner));
    if (!datei || datei->isEmpty()) return;
    const Seitenformat format = FormatAusDateiname(*datei);
    if (format != Seitenformat::Emf && format != Seitenformat::Wmf) {
        meldungen.fehler(EndungFehlerText);
        return;
    }
    if (beschaeftigt) beschaeftigt(true);
    const QString fehler = ArbeitsblattSchreiben(blatt, *datei, format);
    if (beschaeftigt) beschaeftigt(false);
    if (!fehler.isEmpty()) meldungen.fehler(fehler);
}

void ArbeitsblattKopieren(const Arbeitsblatt& blatt, Zwischenablage& ablage) {
    ZwischenablageInhalt inhalt;
    inhalt.Bild = blatt.Vorschaubild();
    inhalt.Formate = {{QStringLiteral("image/x-emf"), blatt.Emf()},
                      {QStringLiteral("image/x-wmf"), blatt.Wmf()},
                      {QStringLiteral("image/svg+xml"), blatt.Svg()}};
    ablage.Setzen(inhalt);
}
