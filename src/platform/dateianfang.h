#pragma once
// Reading the first bytes of many files, as the topic-folder scan does: no buffering,
// no more system calls than open, one size query and the reads themselves.
#include <QByteArray>
#include <QString>
#include <memory>

class Dateianfang final {
public:
    explicit Dateianfang(const QString& pfad);
    ~Dateianfang();
    Dateianfang(const Dateianfang&) = delete;
    Dateianfang& operator=(const Dateianfang&) = delete;

    // Open, and a regular file (a pipe or device named like a document is never read).
    bool offen() const { return m_offen; }
    qint64 groesse() const { return m_groesse; }
    // The next up to `anzahl` bytes; fewer at the end of the file, empty on failure.
    QByteArray lesen(qint64 anzahl);
    // The next up to `anzahl` bytes into `ziel`; returns how many (fewer at the end, 0 on failure).
    qint64 lesenIn(char* ziel, qint64 anzahl);

private:
    // The open file as the operating system hands it out; each platform file defines it.
    struct Griff;
    std::unique_ptr<Griff> m_griff;
    bool m_offen = false;
    qint64 m_groesse = -1;
};
