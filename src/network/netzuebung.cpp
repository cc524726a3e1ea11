#include "network/netzuebung.h"

#include "network/netz_archiv.h"

#include "data/av_data.h"
#include "documents/dokument.h"
#include "documents/tvl_datei.h"
#include "platform/geteilte_datei.h"
#include "platform/meldungen.h"
#include "platform/systeminfo.h"
#include "quiz/quiztexte.h"

#include <QBuffer>

namespace {

class CursorAn final {
public:
    explicit CursorAn(const std::function<void(bool)>& hook) : m_hook(hook) {
        if (m_hook) m_hook(true);
    }
    ~CursorAn() { aus(); }
    CursorAn(const CursorAn&) = delete;
    CursorAn& operator=(const CursorAn&) = delete;
    void aus() {
        if (m_an && m_hook) m_hook(false);
        m_an = false;
    }

private:
    const std::function<void(bool)>& m_hook;
    bool m_an = true;
};

// A folder at either name would stop its rename halfway through publishing; anything
// else there (a planted link, pipe or file) is simply replaced by the rename.
QString BelegterName(const NetzDateienTyp& dateien) {
    for (const QString& pfad : {dateien.Dokument, dateien.Einstellungen})
        if (GeteiltArtVon(pfad) == GeteiltArt::Ordner) return pfad;
    return {};
}

QByteArray DokumentBytes(const Dokument& dok, bool& ok) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    ok = TvlSchreiber().schreiben(puffer, dok);
    return puffer.data();
}

NetzLesung Fehlschlag(const QString& pfad, const QString& grund) {
    return {NetzErgebnis::Fehlgeschlagen, pfad, grund};
}

// One try of the joiner's read.
NetzLesung EinmalEinlesen(const NetzDateienTyp& dateien, Dokument& dok, NetzUebungDataTyp& daten,
                          const NetzTestHalt& halt) {
    const GeteiltArt einstellungen = GeteiltArtVon(dateien.Einstellungen);
    const GeteiltArt dokument = GeteiltArtVon(dateien.Dokument);
    if (einstellungen == GeteiltArt::Fehlt || dokument == GeteiltArt::Fehlt)
        return {NetzErgebnis::Keine, {}, {}};
    NetzUebungLeser leser;
    NetzUebungDataTyp neueDaten;
    QByteArray vorher;
    if (!leser.lesen(dateien.Einstellungen, neueDaten, &vorher))
        return Fehlschlag(dateien.Einstellungen, leser.errorString());
    if (halt) halt(NetzHalt::NachDenEinstellungen);
    // The document reader streams its file; a link or special file at the name is refused first.
    if (GeteiltArtVon(dateien.Dokument) != GeteiltArt::Datei)
        return Fehlschlag(dateien.Dokument, QStringLiteral("Keine gewöhnliche Datei."));
    Dokument neu;
    TvlLeser dokLeser;
    if (!dokLeser.lesen(dateien.Dokument, neu)) return Fehlschlag(dateien.Dokument, dokLeser.errorString());
    QByteArray nachher;
    if (!GeteiltLesen(dateien.Einstellungen, NetzUebungHoechstgroesse, nachher) || nachher != vorher)
        return Fehlschlag(dateien.Einstellungen,
                          QStringLiteral("Die Übung wurde währenddessen neu veröffentlicht."));
    dok = std::move(neu);
    daten = std::move(neueDaten);
    return {NetzErgebnis::Erledigt, {}, {}};
}

} // namespace

NetzLesung NetzuebungEinlesen(const NetzDateienTyp& dateien, Dokument& dok, NetzUebungDataTyp& daten,
                              Warten& warten, const NetzTestHalt& halt) {
    NetzLesung lesung;
    for (int versuch = 0; versuch < GeteiltVersuche; ++versuch) {
        if (versuch > 0) warten.warten(GeteiltPauseMs);
        lesung = EinmalEinlesen(dateien, dok, daten, halt);
        if (lesung.ergebnis == NetzErgebnis::Erledigt) break;
        // Nothing at either name: no exercise, nothing to wait for. One name alone is a
        // publication in progress.
        if (lesung.ergebnis == NetzErgebnis::Keine &&
            GeteiltArtVon(dateien.Einstellungen) == GeteiltArt::Fehlt &&
            GeteiltArtVon(dateien.Dokument) == GeteiltArt::Fehlt)
            break;
    }
    return lesung;
}

NetzUebungDataTyp NetzWerteAus(const UebungsWerte& w, const QString& master) {
    // Feedback always comes at once for every assignment.
    return {master,
            RueckmeldungArt::Standard,
            w.ZuordnungRichtig,
            w.ZuordnungFalsch,
            w.Zuordnungstexte,
            w.Zuordnungsziele,
            w.AbfrageModus,
            w.Zeitlimit,
            w.ZeitlimitSek};
}

UebungsWerte UebungsWerteAus(const NetzUebungDataTyp& d) {
    return {d.RiFaRueckmeldungItemIndex,
            d.ZuordnungRichtigItemIndex,
            d.ZuordnungFalschItemIndex,
            d.ZuordnungstexteItemIndex,
            d.ZuordnungszieleItemIndex,
            d.AbfrageModusItemIndex,
            d.ZeitLimitIndex,
            d.ZeitLimitWert};
}

QString NetzKeineUebungText(const QString& kommunikationsordner, const QString& kanal) {
    return QStringLiteral("Im Kommunikationsordner \"%1\" ist zum Kanal \"%2\" zurzeit keine Netzwerk-Übung "
                          "veröffentlicht.")
        .arg(kommunikationsordner, kanal);
}

NetzErgebnis Netzuebung::Initiieren(const Dokument& dok, const ProgrammEinstellungenTyp& werte,
                                    const ProgrammOrdnerTyp& ordner, bool quizLaeuft,
                                    const NetzInitHaken& haken) {
    if (!dok.IstOffen()) {
        m_meldungen.information(NetzKeinDokumentText);
        return NetzErgebnis::Abgebrochen;
    }
    if (!KanalZulaessig(ordner.Kanalname)) {
        m_meldungen.fehler(KanalUnzulaessigText(ordner.Kanalname));
        return NetzErgebnis::Fehlgeschlagen;
    }
    if (quizLaeuft &&
        m_meldungen.zeigen(MeldungsArt::Bestaetigung, QuizAbbrechenFrage, Knoepfe::JaNein) == Antwort::Nein)
        return NetzErgebnis::Abgebrochen;
    const int32_t typ = dok.Header.HD_DokTyp;
    if (!haken.optionenZeigen || !haken.optionenZeigen(typ)) return NetzErgebnis::Abgebrochen;

    const UebungsWerte uebung = OptionsWerte(werte, typ);
    const QString master = m_system.rechnername();
    if (haken.werteUebernehmen) haken.werteUebernehmen(uebung, master);
    const NetzDateienTyp dateien = NetzDateien(ordner.Kommunikationsordner, ordner.Kanalname);
    // The program's own default folder "kom" is made when first needed; a folder that the
    // teacher or an administrator set and that is missing (an unmounted share) is reported.
    OrdnerBereitstellen(ordner.Kommunikationsordner, ordner);
    m_gesichert.clear();
    if (!Schreiben(dok, dateien, NetzWerteAus(uebung, master), haken, ordner))
        return NetzErgebnis::Fehlgeschlagen;
    if (!m_gesichert.isEmpty()) m_meldungen.information(NetzArchivText(m_gesichert));
    return NetzErgebnis::Erledigt;
}

bool Netzuebung::Schreiben(const Dokument& dok, const NetzDateienTyp& dateien, const NetzUebungDataTyp& daten,
                           const NetzInitHaken& haken, const ProgrammOrdnerTyp& ordner) {
    CursorAn cursor(haken.warteCursor);
    const auto scheitern = [&](const QString& pfad) {
        cursor.aus();
        m_meldungen.fehler(SchreibfehlerText(pfad));
        return false;
    };
    if (const QString belegt = BelegterName(dateien); !belegt.isEmpty()) return scheitern(belegt);
    // Both files are made complete under temporary names first: a failure up to here
    // leaves the previous exercise, its best list included, exactly as it was.
    bool dokOk = false;
    const QByteArray dokBytes = DokumentBytes(dok, dokOk);
    GeteilterEntwurf dokument(dateien.Dokument);
    if (!dokOk || !dokument.schreiben(dokBytes)) return scheitern(dateien.Dokument);
    NetzUebungEntwurf einstellungen(dateien.Einstellungen);
    if (!einstellungen.schreiben(daten)) return scheitern(dateien.Einstellungen);

    // The previous lesson's results are kept before they go; failing that, nothing goes.
    OrdnerBereitstellen(ordner.Protokollordner, ordner);
    const NetzArchivErgebnis archiv =
        NetzErgebnisseSichern(dateien, ordner.Kanalname, ordner.Protokollordner, *m_warten);
    if (!archiv.ok) return scheitern(archiv.fehler);
    m_gesichert = archiv.ordner;
    if (haken.bestenlisteLeeren) haken.bestenlisteLeeren();
    // Old results must not mix into the new exercise.
    for (const QString& alt : {dateien.Bestenliste, dateien.Antworten})
        if (!GeteiltEntfernen(alt)) return scheitern(alt);
    // Without a settings file no joiner takes the document alone; the new settings file
    // comes last, so whoever reads settings and then document gets one publication whole.
    if (!GeteiltEntfernen(dateien.Einstellungen)) return scheitern(dateien.Einstellungen);
    m_eigeneEinstellungen.clear();
    if (!dokument.einsetzen()) return scheitern(dateien.Dokument);
    if (m_halt) m_halt(NetzHalt::ZwischenDenUmbenennungen);
    if (!einstellungen.einsetzen()) return scheitern(dateien.Einstellungen);
    m_eigeneEinstellungen = einstellungen.bytes();
    return true;
}

NetzErgebnis Netzuebung::Laden(const ProgrammOrdnerTyp& ordner, Dokument& dok, NetzUebungDataTyp& daten) {
    if (!KanalZulaessig(ordner.Kanalname)) {
        m_meldungen.fehler(KanalUnzulaessigText(ordner.Kanalname));
        return NetzErgebnis::Fehlgeschlagen;
    }
    const NetzDateienTyp dateien = NetzDateien(ordner.Kommunikationsordner, ordner.Kanalname);
    const NetzLesung lesung = NetzuebungEinlesen(dateien, dok, daten, *m_warten, m_halt);
    if (lesung.ergebnis == NetzErgebnis::Keine)
        m_meldungen.information(NetzKeineUebungText(ordner.Kommunikationsordner, ordner.Kanalname));
    if (lesung.ergebnis == NetzErgebnis::Fehlgeschlagen)
        m_meldungen.fehler(LesefehlerText(lesung.fehlerPfad));
    return lesung.ergebnis;
}

void NetzuebungAufraeumen(const ProgrammOrdnerTyp& ordner, const QByteArray& eigeneEinstellungen) {
    if (eigeneEinstellungen.isEmpty()) return;
    if (!KanalZulaessig(ordner.Kanalname)) return; // such a name could reach outside the folder
    const NetzDateienTyp dateien = NetzDateien(ordner.Kommunikationsordner, ordner.Kanalname);
    // Read without following a link and without waiting for a pipe; only our own bytes count.
    QByteArray jetzt;
    if (!GeteiltLesen(dateien.Einstellungen, NetzUebungHoechstgroesse, jetzt) || jetzt != eigeneEinstellungen)
        return;
    // The settings file first: a pupil who looks in between finds no exercise, not half of one.
    for (const QString& datei : {dateien.Einstellungen, dateien.Dokument, dateien.Marke})
        GeteiltEntfernen(datei);
}
