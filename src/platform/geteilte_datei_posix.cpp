#include "platform/geteilte_datei.h"

#include "platform/dateigrund_posix.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Name(const QString& pfad) {
    return QFile::encodeName(pfad);
}

GeteiltErgebnis Systemfehler() {
    const int nummer = errno;
    GeteiltErgebnis e{false, QString::fromLocal8Bit(std::strerror(nummer)), DateigrundAusErrno(nummer)};
    errno = nummer;
    return e;
}

GeteiltErgebnis ZuGross() {
    GeteiltErgebnis e{false, QStringLiteral("Die Datei ist zu groß."), Dateigrund::Unbekannt};
    e.zuGross = true;
    return e;
}

GeteiltErgebnis Fehler(const QString& text) {
    return {false, text, Dateigrund::Unbekannt};
}

GeteiltErgebnis Erfolg() {
    return {true, {}, Dateigrund::Unbekannt};
}

bool AllesSchreiben(int fd, const char* daten, int64_t laenge) {
    int64_t geschrieben = 0;
    while (geschrieben < laenge) {
        const ssize_t w = ::write(fd, daten + geschrieben, static_cast<size_t>(laenge - geschrieben));
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        geschrieben += w;
    }
    return true;
}

} // namespace

GeteiltArt GeteiltArtVon(const QString& pfad) {
    struct stat info {};
    if (::lstat(Name(pfad).constData(), &info) != 0) return GeteiltArt::Fehlt;
    if (S_ISREG(info.st_mode)) return GeteiltArt::Datei;
    if (S_ISLNK(info.st_mode)) return GeteiltArt::Link;
    if (S_ISDIR(info.st_mode)) return GeteiltArt::Ordner;
    return GeteiltArt::Anderes;
}

GeteiltErgebnis GeteiltLesen(const QString& pfad, int64_t hoechstens, QByteArray& ziel) {
    const int fd = ::open(Name(pfad).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ELOOP) return Fehler(QStringLiteral("Keine gewöhnliche Datei."));
        GeteiltErgebnis e = Systemfehler();
        e.fehlt = errno == ENOENT;
        return e;
    }
    struct stat info {};
    GeteiltErgebnis e = Erfolg();
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        e = Fehler(QStringLiteral("Keine gewöhnliche Datei."));
    else if (info.st_size > hoechstens)
        e = ZuGross();
    if (e.ok) {
        // The size may grow meanwhile: read one byte more than allowed to notice it.
        QByteArray bytes(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
        qsizetype gelesen = 0;
        while (gelesen < bytes.size()) {
            const ssize_t r = ::read(fd, bytes.data() + gelesen, static_cast<size_t>(bytes.size() - gelesen));
            if (r < 0 && errno == EINTR) continue;
            if (r < 0) e = Systemfehler();
            if (r <= 0) break;
            gelesen += r;
        }
        bytes.truncate(gelesen);
        if (e.ok && gelesen > hoechstens) e = ZuGross();
        if (e.ok) ziel = std::move(bytes);
    }
    ::close(fd);
    return e;
}

struct GeteilterEntwurf::Zustand {
    QByteArray ziel;
    QByteArray temp; // empty while no temporary file exists
};

GeteilterEntwurf::GeteilterEntwurf(const QString& pfad) : m_z(std::make_unique<Zustand>()) {
    m_z->ziel = Name(pfad);
}

GeteilterEntwurf::~GeteilterEntwurf() {
    if (!m_z->temp.isEmpty()) ::unlink(m_z->temp.constData());
}

GeteiltErgebnis GeteilterEntwurf::schreiben(const QByteArray& inhalt) {
    struct stat alt {};
    const bool vorhanden = ::lstat(m_z->ziel.constData(), &alt) == 0;
    if (vorhanden && S_ISDIR(alt.st_mode)) return Fehler(QStringLiteral("Ein Ordner trägt den Namen."));
    // A hidden name beside the target: the rename then stays within one folder and one file system.
    const qsizetype trenner = m_z->ziel.lastIndexOf('/');
    const QByteArray ordner = m_z->ziel.left(trenner + 1);
    const QByteArray name = m_z->ziel.mid(trenner + 1);
    int fd = -1;
    for (int versuch = 0; versuch < 20 && fd < 0; ++versuch) {
        m_z->temp = ordner + '.' + name + '.' +
                    QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        // O_EXCL never opens what is there, link or not; 0666 lets the umask decide.
        fd = ::open(m_z->temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const GeteiltErgebnis e = Systemfehler();
        m_z->temp.clear();
        return e;
    }
    bool ok = AllesSchreiben(fd, inhalt.constData(), inhalt.size());
    // A replaced file keeps its mode; a link, pipe or new name gets the umask's.
    if (ok && vorhanden && S_ISREG(alt.st_mode)) ok = ::fchmod(fd, alt.st_mode & 07777) == 0;
    GeteiltErgebnis e = ok ? Erfolg() : Systemfehler();
    // Network file systems report late write failures here.
    if (::close(fd) != 0 && e.ok) e = Systemfehler();
    if (!e.ok) {
        ::unlink(m_z->temp.constData());
        m_z->temp.clear();
    }
    return e;
}

GeteiltErgebnis GeteilterEntwurf::einsetzen() {
    if (m_z->temp.isEmpty()) return Fehler(QStringLiteral("Nichts geschrieben."));
    // rename() replaces the name itself, a link there included; it never resolves one.
    if (::rename(m_z->temp.constData(), m_z->ziel.constData()) != 0) return Systemfehler();
    m_z->temp.clear();
    return Erfolg();
}

GeteiltErgebnis GeteilterEntwurf::neuEinsetzen(bool& vorhanden) {
    vorhanden = false;
    if (m_z->temp.isEmpty()) return Fehler(QStringLiteral("Nichts geschrieben."));
    // A hard link takes the name only while it is free, whatever is there; file systems
    // without hard links (shares of other systems) get a look at the name and a rename.
    if (::link(m_z->temp.constData(), m_z->ziel.constData()) == 0) {
        ::unlink(m_z->temp.constData());
        m_z->temp.clear();
        return Erfolg();
    }
    if (errno == EEXIST) {
        vorhanden = true;
        return Systemfehler();
    }
    struct stat info {};
    if (::lstat(m_z->ziel.constData(), &info) == 0) {
        vorhanden = true;
        return Fehler(QStringLiteral("Der Name ist vergeben."));
    }
    return einsetzen();
}

GeteiltErgebnis GeteiltEntfernen(const QString& pfad) {
    // unlink() removes a link itself and refuses a folder.
    if (::unlink(Name(pfad).constData()) == 0 || errno == ENOENT) return Erfolg();
    return Systemfehler();
}
