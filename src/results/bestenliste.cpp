#include "results/bestenliste.h"

#include "data/av_data.h"
#include "documents/dokument.h"
#include "platform/meldungen.h"
#include "results/bestenliste_rang.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdint>

QString BestListPfad(const QString& bestenlistenordner, const QString& dokumentDatei) {
    return bestenlistenordner + QFileInfo(dokumentDatei).completeBaseName() + QStringLiteral(".hsc");
}

QString NetzBestListPfad(const QString& kommunikationsordner, const QString& kanal) {
    return kommunikationsordner + kanal + QStringLiteral("-tvlnetzuebung.hsc");
}

BestListDataTyp BestListEintrag(const QString& teilnehmer, const QString& rechner, const QDateTime& beginn,
                                int32_t dauerMs, double leistung) {
    const bool leer = std::all_of(teilnehmer.begin(), teilnehmer.end(), [](QChar z) { return z == u' '; });
    return {leer ? QStringLiteral("(kein Name)") : teilnehmer, rechner, SerielleZeit(beginn), dauerMs,
            leistung};
}

bool BestListEintragErwuenscht(const QuizErgebnisTyp& ergebnis) {
    return ergebnis.optionEintragen && ergebnis.fragenAnzahl == ergebnis.fragenGesamt;
}

QString BestListSpeichernFehlerZusatz() {
    return QStringLiteral("Die Bestenliste konnte nicht gespeichert werden. Überprüfen Sie die Einstellungen "
                          "unter \"Optionen | Ordner für Protokolle und Bestenlisten\".");
}

QString BestListKeineEintraegeText(bool netz) {
    return netz ? QStringLiteral("Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch keine Einträge.")
                : QStringLiteral(
                      "Zu diesem Quiz gibt es bisher keine Einträge in der Bestenliste. Überprüfen "
                      "Sie ggf. die Einstellungen im Menü \"Optionen\", um die Bestenliste zu nutzen.");
}

QString BestListLesenFehlerZusatz(bool netz) {
    return netz ? QStringLiteral(
                      "Möglicherweise existiert die Datei noch nicht, weil noch kein Teilnehmer das "
                      "Quiz beendet hat.")
                : QStringLiteral(
                      "Überprüfen Sie die Einstellungen im Menü \"Optionen\", um die Bestenliste zu "
                      "nutzen. Möglicherweise existiert die Datei noch nicht, weil noch niemand das "
                      "Quiz durchgeführt hat.");
}

QString BestListKeinDokumentText() {
    return QStringLiteral("Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen.");
}

void Bestenliste::rangfolge() {
    BestListRangfolge(m_liste);
}

bool Bestenliste::anhaengen(const QString& pfad, const BestListDataTyp& eintrag) {
    Dateigrund grund = Dateigrund::Unbekannt;
    AnhangSchicht* schicht = m_schicht != nullptr ? m_schicht : &m_schreiber;
    if (BestListAnhaengen(pfad, eintrag, m_warten, m_fehler, schicht, &grund)) return true;
    m_meldungen.fehler(SchreibfehlerText(pfad, BestListSpeichernFehlerZusatz(), grund));
    return false;
}

bool Bestenliste::laden(const QString& pfad, bool netz) {
    m_liste.clear();
    m_schaden.clear();
    // A link there is no missing list: it gets the read failure below, never followed.
    if (GeteiltArtVon(pfad) == GeteiltArt::Fehlt) {
        m_meldungen.information(BestListKeineEintraegeText(netz));
        return false;
    }
    int64_t beschaedigtAb = 0;
    if (BestListLesen(pfad, m_liste, m_warten, m_fehler, &beschaedigtAb)) {
        if (beschaedigtAb > 0) m_schaden = BestListSchadenText(pfad, beschaedigtAb);
        return true;
    }
    m_meldungen.fehler(LesefehlerText(pfad, BestListLesenFehlerZusatz(netz)));
    return false;
}

bool Bestenliste::stillNachladen(const QString& pfad) {
    std::vector<BestListDataTyp> neu;
    QString grund;
    if (GeteiltArtVon(pfad) != GeteiltArt::Fehlt && !BestListLesenVersuch(pfad, neu, grund)) return false;
    m_liste = std::move(neu);
    rangfolge();
    return true;
}

bool Bestenliste::ergebnisEintragen(const QuizErgebnisTyp& ergebnis, const QString& pfad,
                                    const QString& rechner) {
    if (!BestListEintragErwuenscht(ergebnis)) return false;
    return anhaengen(pfad, BestListEintrag(ergebnis.teilnehmer, rechner, ergebnis.startZeit, ergebnis.dauerMs,
                                           ergebnis.gesamtleistung));
}

bool Bestenliste::dokumentErgebnisAnhaengen(const Dokument& dok, const ProgrammOrdnerTyp& ordner,
                                            const QString& teilnehmer, const QString& rechner,
                                            const QDateTime& start, int64_t dauerMs, double leistung) {
    const auto dauer = static_cast<int32_t>(std::clamp<int64_t>(dauerMs, 0, INT32_MAX));
    OrdnerBereitstellen(ordner.Bestenlistenordner, ordner);
    return anhaengen(BestListPfad(ordner.Bestenlistenordner, dok.Header.Dateiname),
                     BestListEintrag(teilnehmer, rechner, start, dauer, leistung));
}

void Bestenliste::zeigen(const Dokument& dok, const ProgrammOrdnerTyp& ordner, bool netz,
                         const std::function<void(const QString&)>& fensterZeigen) {
    if (!netz && !dok.IstOffen()) {
        m_meldungen.information(BestListKeinDokumentText());
        return;
    }
    const QString pfad = netz ? NetzBestListPfad(ordner.Kommunikationsordner, ordner.Kanalname)
                              : BestListPfad(ordner.Bestenlistenordner, dok.Header.Dateiname);
    laden(pfad, netz);
    rangfolge();
    if (fensterZeigen) fensterZeigen(QStringLiteral("Bestenliste - ") + dok.Header.HD_titel);
}
