#include "platform/dateianfang.h"

#include <QFile>

#if defined(Q_OS_WIN)

Dateianfang::Dateianfang(const QString& pfad) : m_datei(new QFile(pfad)) {
    m_offen = m_datei->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    if (m_offen) m_groesse = m_datei->size();
}

Dateianfang::~Dateianfang() {
    delete m_datei;
}

QByteArray Dateianfang::lesen(qint64 anzahl) {
    if (!m_offen || anzahl <= 0) return {};
    return m_datei->read(anzahl);
}

qint64 Dateianfang::lesenIn(char* ziel, qint64 anzahl) {
    if (!m_offen || anzahl <= 0) return 0;
    return qMax<qint64>(0, m_datei->read(ziel, anzahl));
}

#else

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Dateianfang::Dateianfang(const QString& pfad) {
    m_fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0) return;
    struct stat info {};
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) return;
    m_groesse = static_cast<qint64>(info.st_size);
    m_offen = true;
}

Dateianfang::~Dateianfang() {
    if (m_fd >= 0) ::close(m_fd);
}

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
        const ssize_t n = ::read(m_fd, ziel + gelesen, static_cast<size_t>(anzahl - gelesen));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        gelesen += n;
    }
    return gelesen;
}

#endif
