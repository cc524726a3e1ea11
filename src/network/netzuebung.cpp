#include "network/netzuebung.h"

#include "data/av_data.h"
#include "documents/dokument.h"
#include "documents/tvl_datei.h"
#include "platform/meldungen.h"
#include "platform/systeminfo.h"
#include "quiz/quiztexte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

bool GleicherRechner(const QString& a, const QString& b) {
    // Network names of computers ignore case.
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

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
    if (!Schreiben(dok, dateien, NetzWerteAus(uebung, master), haken)) return NetzErgebnis::Fehlgeschlagen;
    m_veroeffentlicht = true;
    return NetzErgebnis::Erledigt;
}

bool Netzuebung::Schreiben(const Dokument& dok, const NetzDateienTyp& dateien, const NetzUebungDataTyp& daten,
                           const NetzInitHaken& haken) {
    CursorAn cursor(haken.warteCursor);
    const auto scheitern = [&](const QString& pfad) {
        cursor.aus();
        m_meldungen.fehler(SchreibfehlerText(pfad));
        return false;
    };
    // Both files are made complete under temporary names first: a failure up to here
    // leaves the previous exercise, its best list included, exactly as it was.
    QSaveFile dokument(dateien.Dokument);
    // flush() hands the buffered bytes to the system now, so a full disk shows here.
    if (!dokument.open(QIODevice::WriteOnly) || !TvlSchreiber().schreiben(dokument, dok) ||
        !dokument.flush() || dokument.error() != QFileDevice::NoError)
        return scheitern(dateien.Dokument);
    NetzUebungEntwurf einstellungen(dateien.Einstellungen);
    if (!einstellungen.schreiben(daten)) return scheitern(dateien.Einstellungen);

    if (haken.bestenlisteLeeren) haken.bestenlisteLeeren();
    if (QFileInfo::exists(dateien.Bestenliste) && !QFile::remove(dateien.Bestenliste))
        return scheitern(dateien.Bestenliste); // old results must not mix into the new exercise
    if (!dokument.commit()) return scheitern(dateien.Dokument);
    if (!einstellungen.einsetzen()) return scheitern(dateien.Einstellungen);
    return true;
}

NetzErgebnis Netzuebung::Laden(const ProgrammOrdnerTyp& ordner, Dokument& dok, NetzUebungDataTyp& daten) {
    if (!KanalZulaessig(ordner.Kanalname)) {
        m_meldungen.fehler(KanalUnzulaessigText(ordner.Kanalname));
        return NetzErgebnis::Fehlgeschlagen;
    }
    const NetzDateienTyp dateien = NetzDateien(ordner.Kommunikationsordner, ordner.Kanalname);
    if (!QFileInfo(dateien.Einstellungen).isFile() || !QFileInfo(dateien.Dokument).isFile()) {
        m_meldungen.information(NetzKeineUebungText(ordner.Kommunikationsordner, ordner.Kanalname));
        return NetzErgebnis::Keine;
    }
    NetzUebungDataTyp neueDaten;
    NetzUebungLeser leser;
    if (!leser.lesen(dateien.Einstellungen, neueDaten)) {
        m_meldungen.fehler(LesefehlerText(dateien.Einstellungen));
        return NetzErgebnis::Fehlgeschlagen;
    }
    Dokument neu;
    TvlLeser dokLeser;
    if (!dokLeser.lesen(dateien.Dokument, neu)) {
        m_meldungen.fehler(LesefehlerText(dateien.Dokument));
        return NetzErgebnis::Fehlgeschlagen;
    }
    dok = std::move(neu);
    daten = std::move(neueDaten);
    return NetzErgebnis::Erledigt;
}

void NetzuebungAufraeumen(const ProgrammOrdnerTyp& ordner, const QString& rechner, bool veroeffentlicht) {
    if (!KanalZulaessig(ordner.Kanalname)) return; // such a name could reach outside the folder
    const NetzDateienTyp dateien = NetzDateien(ordner.Kommunikationsordner, ordner.Kanalname);
    NetzUebungDataTyp daten;
    NetzUebungLeser leser;
    const bool gelesen = leser.lesen(dateien.Einstellungen, daten);
    const bool eigene = gelesen ? GleicherRechner(daten.NetzUebungMaster, rechner) : veroeffentlicht;
    if (!eigene) return;
    // The settings file first: a pupil who looks in between finds no exercise, not half of one.
    for (const QString& datei : {dateien.Einstellungen, dateien.Dokument, dateien.Marke})
        QFile::remove(datei);
}
