#include "documents/dokument_lesen.h"

#include "data/av_data.h"
#include "documents/tvl_datei.h"
#include "platform/meldungen.h"

#include <QDir>
#include <QFileInfo>
#include <type_traits>

namespace {

template <typename... Args>
void Aufrufen(const std::function<void(Args...)>& hook, std::type_identity_t<Args>... args) {
    if (hook) hook(args...);
}

// Restores the normal cursor on every way out of a flow.
class WarteCursor final {
public:
    explicit WarteCursor(const DokumentHooks& hooks) : m_hooks(hooks) { Aufrufen(m_hooks.warteCursor, true); }
    ~WarteCursor() { aus(); }
    WarteCursor(const WarteCursor&) = delete;
    WarteCursor& operator=(const WarteCursor&) = delete;
    // Message boxes show with the normal cursor.
    void aus() {
        if (m_an) Aufrufen(m_hooks.warteCursor, false);
        m_an = false;
    }

private:
    const DokumentHooks& m_hooks;
    bool m_an = true;
};

} // namespace

bool DokumentLesen(Dokument& dok, const QString& pfad, bool ordnerUebernehmen, Meldungen& meldungen,
                   const DokumentHooks& hooks) {
    // A folder or pipe of that name exists: it gets the read failure below, not "existiert nicht".
    if (!QFileInfo::exists(pfad)) {
        meldungen.fehler(FehltText(pfad));
        return false;
    }
    dok.Zuruecksetzen();
    WarteCursor cursor(hooks);
    TvlLeser leser;
    if (!leser.lesen(pfad, dok)) {
        cursor.aus();
        if (leser.fehler() == TvlLeser::Fehler::FalschesFormat)
            meldungen.fehler(QStringLiteral("Ungültiges Dateiformat."));
        meldungen.fehler(LesefehlerText(pfad));
        Aufrufen(hooks.dokumentSchliessen);
        return false;
    }
    dok.Listenindex = -1;
    Aufrufen(hooks.nachLaden);
    if (ordnerUebernehmen) {
        Aufrufen(hooks.ordnerUebernehmen,
                 MitTrenner(QDir::toNativeSeparators(QFileInfo(pfad).absolutePath())));
        Aufrufen(hooks.lernansichtZeigen);
    }
    dok.Header.Geaendert = false;
    return true;
}

bool DokumentSchreiben(Dokument& dok, const QString& pfad, bool nameUebernehmen, Meldungen& meldungen,
                       const DokumentHooks& hooks) {
    WarteCursor cursor(hooks);
    TvlSchreiber schreiber;
    if (!schreiber.schreiben(pfad, dok)) {
        cursor.aus();
        meldungen.fehler(SchreibfehlerText(pfad));
        return false;
    }
    if (nameUebernehmen) {
        dok.Header.Dateiname = pfad;
        dok.Header.Geaendert = false;
    }
    return true;
}
