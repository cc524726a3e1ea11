#pragma once
// The exercise settings file ("tvlnetzuebung.dat"): identifier, key list, the teacher's
// computer and eight 32-bit values, in the little-endian primitives of the document
// file. The reader is as strict as the document reader: anything else is refused with
// a German reason and the record is left untouched.
#include <QByteArray>
#include <QString>
#include <memory>
#include <cstdint>

struct NetzUebungDataTyp {
    QString NetzUebungMaster;
    int32_t RiFaRueckmeldungItemIndex = 0;
    int32_t ZuordnungRichtigItemIndex = 0;
    int32_t ZuordnungFalschItemIndex = 0;
    int32_t ZuordnungstexteItemIndex = 1;
    int32_t ZuordnungszieleItemIndex = 1;
    int32_t AbfrageModusItemIndex = 0;
    int32_t ZeitLimitIndex = 0;
    int32_t ZeitLimitWert = 0;

    bool operator==(const NetzUebungDataTyp&) const = default;
};

extern const char* const NetzUebungSchluesselliste;
// Two fields of at most 99 each (minutes x 60 + seconds), the most the options windows take.
inline constexpr int32_t NetzZeitLimitHoechstwert = 99 * 60 + 99;
// A settings file is a few hundred bytes; more than this is not one.
inline constexpr qint64 NetzUebungHoechstgroesse = 64 * 1024;

// Records 1 to 11 in order.
QByteArray NetzUebungBytes(const NetzUebungDataTyp& daten);

class GeteilterEntwurf;

// The settings file made complete under a temporary name beside its target, then
// renamed over it, so a reader sees the previous file or the new one, never a torn one.
// A link at the name is replaced, never written through.
// Unlike the document it is not synced to disk before the rename: the file is tiny and
// written anew at every initiation, and after a power loss the strict reader refuses
// what the disk lost, so a sync would only cost the teacher a disk round trip.
class NetzUebungEntwurf final {
public:
    explicit NetzUebungEntwurf(const QString& pfad);
    ~NetzUebungEntwurf();
    bool schreiben(const NetzUebungDataTyp& daten);
    // The bytes written, which the publisher later recognises its file by.
    const QByteArray& bytes() const { return m_bytes; }
    // Puts the written file in place; on failure the previous file stays.
    bool einsetzen();
    QString errorString() const { return m_fehler; }

private:
    std::unique_ptr<GeteilterEntwurf> m_entwurf;
    QByteArray m_bytes;
    QString m_fehler;
};

// Both steps at once.
bool NetzUebungSchreiben(const QString& pfad, const NetzUebungDataTyp& daten, QString& fehler);

class NetzUebungLeser final {
public:
    enum class Fehler { Keiner, FehltDatei, FalschesFormat, Lesefehler };

    // Opens the name itself (a link or special file is refused) without blocking; `bytes`
    // receives what was read, for a later check that the file is still the same.
    bool lesen(const QString& pfad, NetzUebungDataTyp& daten, QByteArray* bytes = nullptr);
    bool lesenAusDaten(const QByteArray& bytes, NetzUebungDataTyp& daten);

    Fehler fehler() const { return m_fehler; }
    QString errorString() const { return m_text; }
    qint64 fehlerOffset() const { return m_offset; }

private:
    bool scheitern(Fehler art, const QString& text, qint64 offset);

    Fehler m_fehler = Fehler::Keiner;
    QString m_text;
    qint64 m_offset = -1;
};
