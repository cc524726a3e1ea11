#pragma once
// Reader and writer of topic document files (*.tvl). They never show a message:
// they return success and keep a German errorString() for the caller.
#include "documents/dokument.h"

#include <QByteArray>
#include <QString>

class QIODevice;
class TvlPuffer;
struct TvlEingabe;

class TvlLeser final {
public:
    enum class Fehler { Keiner, FehltDatei, FalschesFormat, Lesefehler };

    // Reads the document as a stream, never past the image's end marker. On success `dok` holds header
    // (Dateiname := pfad), objects with fresh runtime fields and the base image; on failure `dok` is
    // untouched.
    bool lesen(const QString& pfad, Dokument& dok);
    // The same from bytes already in memory (the fuzzer and the tool use it);
    // Dateiname stays empty.
    bool lesenAusDaten(const QByteArray& daten, Dokument& dok);

    // Magic, key list, HD-vers and HD-titel only; reads a small prefix of the
    // file and never touches the image.
    static bool KopfLesen(const QString& pfad, QString& titel, QString& vers);
    // The same from bytes in memory.
    static bool KopfAusDaten(const QByteArray& daten, QString& titel, QString& vers);

    Fehler fehler() const { return m_fehler; }
    QString errorString() const { return m_fehlertext; }
    qint64 fehlerOffset() const { return m_fehlerOffset; }

private:
    void zuruecksetzen();
    bool ausEingabe(TvlEingabe& eingabe, Dokument& dok);
    bool scheitern(Fehler art, const QString& text, qint64 offset);
    bool scheitern(const TvlPuffer& puffer);

    Fehler m_fehler = Fehler::Keiner;
    QString m_fehlertext;
    qint64 m_fehlerOffset = -1;
};

class TvlSchreiber final {
public:
    // Writes the document to a temporary file beside `pfad` and renames it over
    // the target only when complete, so a failure leaves the previous file intact.
    bool schreiben(const QString& pfad, const Dokument& dok);
    // The whole file onto an open device (no rename safety of its own).
    bool schreiben(QIODevice& ziel, const Dokument& dok);
    QString errorString() const { return m_fehlertext; }

private:
    QString m_fehlertext;
};

// The 244-byte key list that the writer always writes.
extern const char* const TvlSchluesselliste;
// "KRF-1.01"; readers compare only the first four characters.
extern const char* const TvlMagic;
