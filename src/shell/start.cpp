#include "shell/start.h"

#include "documents/themen_aktionen.h"
#include "network/netzuebung.h"
#include "platform/dateianfang.h"
#include "platform/einstellungen.h"
#include "platform/meldungen.h"
#include "shell/programmeinstellungen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

bool AnzeigeGeeignet(const BildschirmModus& modus) {
    if (!modus.bekannt) return true;
    return modus.breite >= 960 && modus.hoehe >= 768 && modus.farbtiefe >= 15;
}

QString AnzeigeWarnung(const BildschirmModus& modus) {
    return QStringLiteral(
               "Ungeeigneter Grafikmodus! (Windows-Systemsteuerung / Eigenschaften von Anzeige)\r\n\r\n"
               "Für dieses Programm sollte ein Grafikmodus mit einer Auflösung von mindestens "
               "1024 x 768 Pixel (Bildpunkte)und einer Farbtiefe von mindestens 16 Bit (High Color) "
               "eingestellt sein. \r\nAktuelle Einstellungen:\r\n- Auflösung: ") +
           QString::number(modus.breite) + QStringLiteral(" x ") + QString::number(modus.hoehe) +
           QStringLiteral(" Pixel\r\n- Farbtiefe: ") + QString::number(modus.farbtiefe) +
           QStringLiteral(" Bit\r\n\r\nProgramm trotzdem starten?");
}

bool AnzeigePruefen(const SystemInfo& system, Meldungen& meldungen) {
    const BildschirmModus modus = system.bildschirm();
    if (AnzeigeGeeignet(modus)) return true;
    return meldungen.zeigen(MeldungsArt::Warnung, AnzeigeWarnung(modus), Knoepfe::JaNein) == Antwort::Ja;
}

namespace {

bool EndetMitTrenner(const QString& pfad) {
    return pfad.endsWith(u'/') || pfad.endsWith(QDir::separator());
}

// The full native path; a final separator of the argument is kept, because it says
// "this is a folder" even when the folder does not exist.
QString VollerPfad(const QString& argument) {
    QString voll = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(argument).absoluteFilePath()));
    if (EndetMitTrenner(argument)) voll = MitTrenner(voll);
    return voll;
}

} // namespace

StartZiel StartZielAusArgument(const QString& argument, const QString& programmordner) {
    StartZiel ziel;
    if (argument.isEmpty()) {
        ziel.Startordner = programmordner;
        return ziel;
    }
    const QString voll = VollerPfad(argument);
    if (QFileInfo(voll).isDir()) {
        ziel.Startordner = MitTrenner(voll);
        return ziel;
    }
    if (IstBestenlistenDatei(voll)) {
        ziel.Startordner = programmordner;
        ziel.Bestenliste = voll;
        return ziel;
    }
    const qsizetype trenner = std::max(voll.lastIndexOf(QDir::separator()), voll.lastIndexOf(u'/'));
    ziel.Startordner = voll.left(trenner + 1);
    if (trenner + 1 < voll.size()) ziel.Startdokument = voll;
    return ziel;
}

bool IstBestenlistenDatei(const QString& pfad) {
    if (QFileInfo(pfad).suffix().compare(QLatin1String("hsc"), Qt::CaseInsensitive) == 0) return true;
    Dateianfang datei(pfad);
    return datei.offen() && datei.lesen(12).mid(4) == "TVL-HSC-";
}

QString OrdnerFehltText(const QString& ordner, const QString& zusatz) {
    QString text = QStringLiteral("Der Ordner \"") + ordner +
                   QStringLiteral("\" existiert nicht oder ist nicht erreichbar.");
    if (!zusatz.isEmpty()) text += QStringLiteral("\r\n\r\n") + zusatz;
    return text;
}

QStringList NetzuebungsDateien(const ProgrammOrdnerTyp& ordner) {
    const NetzDateienTyp d = NetzDateien(ordner.Kommunikationsordner, ordner.Kanalname);
    return {d.Dokument, d.Einstellungen, d.Marke};
}

bool Schliessen(bool quizLaeuft, Meldungen& meldungen, Einstellungen& speicher,
                const EinstellungsStand& geladen, const ProgrammEinstellungenTyp& werte,
                const ProgrammOrdnerTyp& ordner, const QByteArray& eigeneEinstellungen) {
    if (!QuizVerlassenBestaetigen(meldungen, quizLaeuft)) return false;
    // The settings first: nothing in the shared folder can keep them from being saved.
    if (!AenderungenSpeichern(speicher, geladen, werte, ordner))
        meldungen.fehler(SchreibfehlerText(speicher.ort()));
    NetzuebungAufraeumen(ordner, eigeneEinstellungen);
    return true;
}
