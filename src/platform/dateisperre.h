#pragma once
// Files in folders that several computers may share (best lists): one open is one
// short read or append, guarded by a lock that other programs and other computers
// honour. An attempt never blocks; the caller retries after a pause.
#include "data/dateigrund.h"
#include "platform/uhr.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class GesperrteDatei final {
public:
    enum class Zugriff {
        // Read and write, created when missing; nobody else may open it meanwhile.
        Exklusiv,
        // Read only, the file must exist; others may read but not write meanwhile.
        LesenOhneSchreiber,
    };

    GesperrteDatei() = default;
    ~GesperrteDatei();
    GesperrteDatei(const GesperrteDatei&) = delete;
    GesperrteDatei& operator=(const GesperrteDatei&) = delete;

    // One attempt. False when the file is locked by someone else, missing (for
    // reading) or cannot be opened; fehler() then says why. A link or anything but a
    // regular file at the name is refused, and the open never waits; once locked, a
    // file that no longer has the name (replaced meanwhile) is opened anew.
    bool oeffnen(const QString& pfad, Zugriff zugriff);
    bool offen() const { return m_handle != KeinHandle; }
    // Current size in bytes, -1 on failure.
    int64_t groesse();
    // The whole content from the start.
    bool allesLesen(QByteArray& ziel);
    // Up to `n` bytes from byte `ab` into `ziel`; returns how many (fewer at the end or on failure).
    int64_t lesenAb(int64_t ab, char* ziel, int64_t n);
    // The file's identity (device and inode, or volume and file id).
    bool kennung(uint64_t& geraet, uint64_t& knoten);
    // True when the last oeffnen() created the file.
    bool erstellt() const { return m_erstellt; }
    // Appends at the end in as few system calls as the system allows; returns the
    // bytes written, which fall short of `laenge` only on failure.
    int64_t anhaengen(const char* daten, int64_t laenge);
    // Cuts the file back to `laenge` bytes (undoes a torn append).
    bool kuerzen(int64_t laenge);
    // Releases lock and file; false when the system reports a late write failure.
    bool schliessen();
    QString fehler() const { return m_fehler; }
    // The system's reason of the last failure, where it is one the user can act on.
    Dateigrund grund() const { return m_grund; }

private:
    enum class Oeffnung { Offen, Fehler, Ersetzt };
    Oeffnung einmalOeffnen(const QString& pfad, Zugriff zugriff);
    void systemfehlerMerken();

    static constexpr intptr_t KeinHandle = -1;
    intptr_t m_handle = KeinHandle;
    QString m_fehler;
    Dateigrund m_grund = Dateigrund::Unbekannt;
    bool m_erstellt = false;
};

// Pauses between attempts without processing window messages: the retry waits
// must not let the learner act in the middle of saving a result.
class WartenBlockierend final : public Warten {
public:
    void warten(int ms) override;
};
