#include "platform/dateisperre.h"

#include "platform/dateigrund_posix.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Systemfehler() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The lists live in folders every pupil can write: a link planted at the name is never
// followed (O_NOFOLLOW), and a pipe there never makes the open wait (O_NONBLOCK).
constexpr int Sicher = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

// Exclusive opens create a missing file; O_EXCL first tells whether this open made it.
// O_EXCL also refuses a dangling link rather than creating its target.
int ExklusivOeffnen(const char* name, bool& erstellt) {
    for (;;) {
        int fd = ::open(name, O_RDWR | O_CREAT | O_EXCL | Sicher, 0666);
        erstellt = fd >= 0;
        if (fd >= 0 || errno != EEXIST) return fd;
        fd = ::open(name, O_RDWR | Sicher);
        // Removed between the two opens: try to create it again.
        if (fd >= 0 || errno != ENOENT) return fd;
    }
}

QString NichtGewoehnlichText() {
    return QStringLiteral("Keine gewöhnliche Datei.");
}

// The name still leads to the open file: a list replaced or removed between the open and
// the lock would take an append that nobody ever reads.
bool NameFuehrtZu(const char* name, int fd) {
    struct stat offen {
    }, amNamen{};
    return ::fstat(fd, &offen) == 0 && ::lstat(name, &amNamen) == 0 && offen.st_dev == amNamen.st_dev &&
           offen.st_ino == amNamen.st_ino;
}

// Open-file-description locks belong to this open, not to the process, so two opens
// within one process exclude each other too (classic record locks would not, and
// closing any descriptor of the file would drop them). The kernel passes both kinds
// on to NFS and SMB servers. Older kernels lack them: fall back to record locks.
bool SperrenEinmal(int fd, short art) {
    struct flock sperre {};
    sperre.l_type = art;
    sperre.l_whence = SEEK_SET;
    sperre.l_start = 0;
    sperre.l_len = 0; // the whole file, however far it grows
#ifdef F_OFD_SETLK
    if (::fcntl(fd, F_OFD_SETLK, &sperre) == 0) return true;
    if (errno != EINVAL) return false;
#endif
    return ::fcntl(fd, F_SETLK, &sperre) == 0;
}

// One append or read holds the lock only for a moment. A lock met within an
// attempt is therefore asked for again for a few milliseconds before the attempt
// counts as failed, so that a whole class finishing at once does not run out of
// its retries while each holder needs only a millisecond.
bool Sperren(int fd, short art) {
    constexpr int Nachfragen = 25;
    constexpr useconds_t PauseUs = 2000;
    for (int i = 0;; ++i) {
        if (SperrenEinmal(fd, art)) return true;
        if ((errno != EACCES && errno != EAGAIN) || i + 1 >= Nachfragen) return false;
        ::usleep(PauseUs);
    }
}

} // namespace

GesperrteDatei::~GesperrteDatei() {
    schliessen();
}

void GesperrteDatei::systemfehlerMerken() {
    m_grund = DateigrundAusErrno(errno);
    m_fehler = Systemfehler();
}

bool GesperrteDatei::oeffnen(const QString& pfad, Zugriff zugriff) {
    // A file replaced under the name meanwhile is opened again, a few times at most.
    for (int versuch = 0; versuch < 5; ++versuch) {
        const Oeffnung o = einmalOeffnen(pfad, zugriff);
        if (o != Oeffnung::Ersetzt) return o == Oeffnung::Offen;
    }
    m_fehler = QStringLiteral("Die Datei wird gerade ersetzt.");
    m_grund = Dateigrund::Gesperrt;
    return false;
}

GesperrteDatei::Oeffnung GesperrteDatei::einmalOeffnen(const QString& pfad, Zugriff zugriff) {
    schliessen();
    const QByteArray name = QFile::encodeName(pfad);
    const bool exklusiv = zugriff == Zugriff::Exklusiv;
    m_erstellt = false;
    m_grund = Dateigrund::Unbekannt;
    const int fd = exklusiv ? ExklusivOeffnen(name.constData(), m_erstellt)
                            : ::open(name.constData(), O_RDONLY | Sicher);
    if (fd < 0) {
        const bool link = errno == ELOOP;
        systemfehlerMerken();
        if (link) m_fehler = NichtGewoehnlichText();
        return Oeffnung::Fehler;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        m_fehler = NichtGewoehnlichText();
        ::close(fd);
        return Oeffnung::Fehler;
    }
    if (!Sperren(fd, exklusiv ? F_WRLCK : F_RDLCK)) {
        m_fehler =
            errno == EACCES || errno == EAGAIN ? QStringLiteral("Die Datei ist gesperrt.") : Systemfehler();
        ::close(fd);
        return Oeffnung::Fehler;
    }
    if (!NameFuehrtZu(name.constData(), fd)) {
        ::close(fd);
        return Oeffnung::Ersetzt;
    }
    m_handle = fd;
    return Oeffnung::Offen;
}

bool GesperrteDatei::kennung(uint64_t& geraet, uint64_t& knoten) {
    struct stat info {};
    if (!offen() || ::fstat(static_cast<int>(m_handle), &info) != 0) return false;
    geraet = static_cast<uint64_t>(info.st_dev);
    knoten = static_cast<uint64_t>(info.st_ino);
    return true;
}

int64_t GesperrteDatei::groesse() {
    struct stat info {};
    if (!offen() || ::fstat(static_cast<int>(m_handle), &info) != 0) return -1;
    return info.st_size;
}

bool GesperrteDatei::allesLesen(QByteArray& ziel) {
    const int64_t n = groesse();
    if (n < 0) return false;
    ziel.resize(static_cast<qsizetype>(n));
    int64_t gelesen = 0;
    while (gelesen < n) {
        const ssize_t r = ::pread(static_cast<int>(m_handle), ziel.data() + gelesen,
                                  static_cast<size_t>(n - gelesen), gelesen);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        gelesen += r;
    }
    ziel.resize(static_cast<qsizetype>(gelesen));
    if (gelesen < n) m_fehler = Systemfehler();
    return gelesen == n;
}

int64_t GesperrteDatei::anhaengen(const char* daten, int64_t laenge) {
    const int fd = static_cast<int>(m_handle);
    if (!offen() || ::lseek(fd, 0, SEEK_END) < 0) return 0;
    int64_t geschrieben = 0;
    while (geschrieben < laenge) {
        const ssize_t w = ::write(fd, daten + geschrieben, static_cast<size_t>(laenge - geschrieben));
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            systemfehlerMerken();
            break;
        }
        geschrieben += w;
    }
    return geschrieben;
}

int64_t GesperrteDatei::lesenAb(int64_t ab, char* ziel, int64_t n) {
    int64_t gelesen = 0;
    while (offen() && gelesen < n) {
        const ssize_t r = ::pread(static_cast<int>(m_handle), ziel + gelesen,
                                  static_cast<size_t>(n - gelesen), ab + gelesen);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) systemfehlerMerken();
        if (r <= 0) break;
        gelesen += r;
    }
    return gelesen;
}

bool GesperrteDatei::kuerzen(int64_t laenge) {
    if (offen() && ::ftruncate(static_cast<int>(m_handle), laenge) == 0) return true;
    m_fehler = Systemfehler();
    return false;
}

bool GesperrteDatei::schliessen() {
    if (!offen()) return true;
    const int fd = static_cast<int>(m_handle);
    m_handle = KeinHandle;
    // Closing releases the lock; on network file systems it also reports writes that failed late.
    if (::close(fd) == 0) return true;
    systemfehlerMerken();
    return false;
}
