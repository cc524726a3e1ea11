#include "platform/dateianfang.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct Dateianfang::Griff {
    int fd = -1;
    ~Griff() {
        if (fd >= 0) ::close(fd);
    }
};

Dateianfang::Dateianfang(const QString& pfad) : m_griff(std::make_unique<Griff>()) {
    // Non-blocking, so that a FIFO named like a document cannot stall the scan before fstat refuses it.
    m_griff->fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_griff->fd < 0) return;
    struct stat info {};
    if (::fstat(m_griff->fd, &info) != 0 || !S_ISREG(info.st_mode)) return;
    m_groesse = static_cast<qint64>(info.st_size);
    m_offen = true;
}

Dateianfang::~Dateianfang() = default;

QByteArray Dateianfang::lesen(qint64 anzahl) {
    if (!m_offen || anzahl <= 0) return {};
    QByteArray daten(static_cast<qsizetype>(anzahl), Qt::Uninitialized);
    daten.truncate(static_cast<qsizetype>(lesenIn(daten.data(), anzahl)));
    return daten;
}

qint64 Dateianfang::lesenIn(char* ziel, qint64 anzahl) {
    if (!m_offen || anzahl <= 0) return 0;
    qint64 gelesen = 0;
    while (gelesen < anzahl) {
        const ssize_t n = ::read(m_griff->fd, ziel + gelesen, static_cast<size_t>(anzahl - gelesen));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        gelesen += n;
    }
    return gelesen;
}
