#pragma once
// Files in folders that every pupil can write: the communication folder, the best-list
// folder and often the protocol folder. Whatever a pupil plants at a name there (a link
// into the teacher's home, a pipe, a device, a folder) is never followed, never waited
// for and never written through:
// - a name is opened without following a link and without blocking, and only a regular
//   file is used;
// - a whole file is written under a temporary name in the same folder and renamed over
//   the name, which replaces a planted link itself; a new file gets 0666 less the umask,
//   a replaced file keeps the mode of the file it replaces;
// - an append runs under the file's lock, after checking that the name still leads to
//   the locked file, and a failed append is cut back before it is tried again;
// - a removal removes the name, never what a link there points to.
#include "data/dateigrund.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>

class GesperrteDatei;
class Warten;

// The outcome of an operation: the system's reason on failure, for diagnostics and the
// write-failure message.
struct GeteiltErgebnis {
    bool ok = false;
    QString fehler;
    Dateigrund grund = Dateigrund::Unbekannt;
    bool fehlt = false;   // nothing has the name
    bool zuGross = false; // a read refused a file above its bound
    explicit operator bool() const { return ok; }
};

// What is at a name, the name itself looked at (a link is a link, wherever it points).
enum class GeteiltArt { Fehlt, Datei, Link, Ordner, Anderes };
GeteiltArt GeteiltArtVon(const QString& pfad);

// The whole content of the regular file at `pfad`, at most `hoechstens` bytes; a larger
// file is refused unread, as are links and special files.
GeteiltErgebnis GeteiltLesen(const QString& pfad, int64_t hoechstens, QByteArray& ziel);

// A whole-file write in two steps, so that several files can be made complete before
// any of them replaces its name. The temporary file goes when the object goes unused.
class GeteilterEntwurf final {
public:
    explicit GeteilterEntwurf(const QString& pfad);
    ~GeteilterEntwurf();
    GeteilterEntwurf(const GeteilterEntwurf&) = delete;
    GeteilterEntwurf& operator=(const GeteilterEntwurf&) = delete;

    // Writes `inhalt` to a new temporary file beside the name. Refused when a folder
    // holds the name, since no rename could replace it.
    GeteiltErgebnis schreiben(const QByteArray& inhalt);
    // Renames the temporary file over the name (a link or file there is replaced).
    GeteiltErgebnis einsetzen();
    // Puts the temporary file at the name only while the name is free; `vorhanden` tells
    // that something (a file, a link, anything) already has it.
    GeteiltErgebnis neuEinsetzen(bool& vorhanden);

    struct Zustand;

private:
    std::unique_ptr<Zustand> m_z;
};

// Both steps of GeteilterEntwurf at once.
GeteiltErgebnis GeteiltErsetzen(const QString& pfad, const QByteArray& inhalt);

// Copies the regular file at `quelle` to `ziel`, a new name in a folder of our own, piece by
// piece and under the file's read lock, so that no append is copied half. A link, a pipe,
// a device or a folder at `quelle` is refused unopened (`fehlt`), a file above
// `hoechstens` bytes unread (`zuGross`).
GeteiltErgebnis GeteiltKopieren(const QString& quelle, const QString& ziel, int64_t hoechstens);

// Removes the name; a missing name is success, a folder is refused.
GeteiltErgebnis GeteiltEntfernen(const QString& pfad);

// The system calls an append makes on the locked file. Tests hand in a layer that fails
// as a full disk, or a network file system's late write error at close, would.
class AnhangSchicht {
public:
    virtual ~AnhangSchicht() = default;
    // Returns the bytes written.
    virtual int64_t schreiben(GesperrteDatei& datei, const char* daten, int64_t laenge);
    // False when the system reports that written data did not reach the file.
    virtual bool schliessen(GesperrteDatei& datei);
};

// What one append leaves for the next try: a failed attempt whose bytes may still
// have reached the file (a late error at close) is cut back before the next one writes.
struct AnhangStand {
    bool offen = false; // an attempt wrote and then failed
    uint64_t geraet = 0, knoten = 0;
    int64_t vorher = 0; // the file's size before that attempt
    QByteArray bytes;   // what it wrote
};

// How appended data meets what is there: as bytes, or as lines, where a last line that
// a crash left without its end gets one first, so that it never swallows the new line.
enum class AnhangArt { Bytes, Zeilen };

// One append attempt: opens the file (made with 0666 less the umask when missing), takes
// its lock, writes `kopfWennLeer` first when the file is empty, then `daten`, in one
// write. A failed write is cut back at once; a file this attempt made and left empty goes.
GeteiltErgebnis GeteiltAnhaengenVersuch(const QString& pfad, const QByteArray& kopfWennLeer,
                                        const QByteArray& daten, AnhangStand& stand,
                                        AnhangSchicht* schicht = nullptr, AnhangArt art = AnhangArt::Bytes);

// The attempts with their pauses, as a folder shared by a classroom needs them.
inline constexpr int GeteiltVersuche = 5;
inline constexpr int GeteiltPauseMs = 100;
GeteiltErgebnis GeteiltAnhaengen(const QString& pfad, const QByteArray& kopfWennLeer, const QByteArray& daten,
                                 Warten& warten, AnhangSchicht* schicht = nullptr,
                                 AnhangArt art = AnhangArt::Bytes);
