#include "network/netzuebung_datei.h"

#include "data/cp1252.h"
#include "documents/tvl_puffer.h"
#include "network/netz_dateien.h"
#include "platform/geteilte_datei.h"

#include <array>

const char* const NetzUebungSchluesselliste =
    "NetzUebungMaster|RiFaRueckmeldungItemIndex|ZuordnungRichtigItemIndex|ZuordnungFalschItemIndex|"
    "ZuordnungstexteItemIndex|ZuordnungszieleItemIndex|AbfrageModusItemIndex|ZeitLimitIndex|ZeitLimitWert|";

namespace {

// Longest computer name we take; network names are far shorter.
constexpr int32_t HoechsteNamenslaenge = 1024;

struct Wertfeld {
    int32_t NetzUebungDataTyp::*feld;
    int32_t hoechst; // largest item index (or value) an options window can give
    const char* name;
};
constexpr std::array<Wertfeld, 8> Wertfelder{{
    {&NetzUebungDataTyp::RiFaRueckmeldungItemIndex, 1, "RiFaRueckmeldungItemIndex"},
    {&NetzUebungDataTyp::ZuordnungRichtigItemIndex, 1, "ZuordnungRichtigItemIndex"},
    {&NetzUebungDataTyp::ZuordnungFalschItemIndex, 1, "ZuordnungFalschItemIndex"},
    {&NetzUebungDataTyp::ZuordnungstexteItemIndex, 1, "ZuordnungstexteItemIndex"},
    {&NetzUebungDataTyp::ZuordnungszieleItemIndex, 2, "ZuordnungszieleItemIndex"},
    {&NetzUebungDataTyp::AbfrageModusItemIndex, 2, "AbfrageModusItemIndex"},
    {&NetzUebungDataTyp::ZeitLimitIndex, 1, "ZeitLimitIndex"},
    {&NetzUebungDataTyp::ZeitLimitWert, NetzZeitLimitHoechstwert, "ZeitLimitWert"},
}};

} // namespace

QByteArray NetzUebungBytes(const NetzUebungDataTyp& d) {
    QByteArray bytes;
    TvlPacker packer(bytes);
    packer.text(NetzEinstellungenName.toLatin1());
    packer.text(QByteArray(NetzUebungSchluesselliste));
    packer.text(NachCp1252(d.NetzUebungMaster));
    for (const Wertfeld& w : Wertfelder)
        packer.ganzzahl(d.*(w.feld));
    return bytes;
}

NetzUebungEntwurf::NetzUebungEntwurf(const QString& pfad)
    : m_entwurf(std::make_unique<GeteilterEntwurf>(pfad)) {}

NetzUebungEntwurf::~NetzUebungEntwurf() = default;

bool NetzUebungEntwurf::schreiben(const NetzUebungDataTyp& daten) {
    m_bytes = NetzUebungBytes(daten);
    const GeteiltErgebnis e = m_entwurf->schreiben(m_bytes);
    m_fehler = e.fehler;
    return e.ok;
}

bool NetzUebungEntwurf::einsetzen() {
    const GeteiltErgebnis e = m_entwurf->einsetzen();
    m_fehler = e.fehler;
    return e.ok;
}

bool NetzUebungSchreiben(const QString& pfad, const NetzUebungDataTyp& daten, QString& fehler) {
    NetzUebungEntwurf entwurf(pfad);
    if (entwurf.schreiben(daten) && entwurf.einsetzen()) return true;
    fehler = entwurf.errorString();
    return false;
}

bool NetzUebungLeser::scheitern(Fehler art, const QString& text, qint64 offset) {
    m_fehler = art;
    m_text = text;
    m_offset = offset;
    return false;
}

bool NetzUebungLeser::lesen(const QString& pfad, NetzUebungDataTyp& daten, QByteArray* gelesen) {
    // Bounded: a settings file is small, anything far larger is refused unread.
    QByteArray bytes;
    const GeteiltErgebnis e = GeteiltLesen(pfad, NetzUebungHoechstgroesse, bytes);
    if (e.fehlt) return scheitern(Fehler::FehltDatei, QStringLiteral("Die Datei fehlt."), -1);
    if (e.zuGross) return scheitern(Fehler::FalschesFormat, e.fehler, NetzUebungHoechstgroesse);
    if (!e.ok) return scheitern(Fehler::Lesefehler, e.fehler, -1);
    if (gelesen != nullptr) *gelesen = bytes;
    return lesenAusDaten(bytes, daten);
}

bool NetzUebungLeser::lesenAusDaten(const QByteArray& bytes, NetzUebungDataTyp& daten) {
    m_fehler = Fehler::Keiner;
    m_text.clear();
    m_offset = -1;
    TvlPuffer p(bytes.constData(), bytes.size());
    const char* anfang = nullptr;
    int32_t laenge = 0;
    if (!p.text(anfang, laenge) || QByteArray(anfang, laenge) != NetzEinstellungenName.toLatin1())
        return scheitern(Fehler::FalschesFormat, QStringLiteral("Die Kennung \"tvlnetzuebung.dat\" fehlt."),
                         0);
    const qint64 liste = p.position();
    if (!p.text(anfang, laenge) || QByteArray(anfang, laenge) != QByteArray(NetzUebungSchluesselliste))
        return scheitern(Fehler::FalschesFormat, QStringLiteral("Unbekannte Schlüsselliste."), liste);
    NetzUebungDataTyp neu;
    const qint64 name = p.position();
    if (!p.text(anfang, laenge)) return scheitern(Fehler::Lesefehler, p.fehler(), p.fehlerOffset());
    if (laenge > HoechsteNamenslaenge)
        return scheitern(Fehler::FalschesFormat, QStringLiteral("Der Rechnername ist zu lang."), name);
    neu.NetzUebungMaster = AusCp1252(anfang, laenge);
    for (const Wertfeld& w : Wertfelder) {
        const qint64 stelle = p.position();
        int32_t wert = 0;
        if (!p.ganzzahl(wert)) return scheitern(Fehler::Lesefehler, p.fehler(), p.fehlerOffset());
        if (wert < 0 || wert > w.hoechst)
            return scheitern(Fehler::FalschesFormat,
                             QStringLiteral("Ungültiger Wert %1 für %2 bei Byte %3.")
                                 .arg(wert)
                                 .arg(QLatin1String(w.name))
                                 .arg(stelle),
                             stelle);
        neu.*(w.feld) = wert;
    }
    if (p.rest() != 0)
        return scheitern(
            Fehler::FalschesFormat,
            QStringLiteral("Unerwartete Daten nach dem letzten Wert bei Byte %1.").arg(p.position()),
            p.position());
    daten = std::move(neu);
    return true;
}
