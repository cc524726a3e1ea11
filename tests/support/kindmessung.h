#pragma once
// Runs a piece of work in a forked child and measures what it cost there: wall time
// and the growth of the peak resident memory (getrusage), so a reader that briefly
// needs gigabytes shows up even when it frees them again.
#include <QByteArray>

#include <chrono>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

struct KindErgebnis {
    bool beendet = false; // the child ran to its end (no crash, no kill)
    QByteArray text;      // what the work returned
    double sekunden = 0;
    long zusatzMb = 0; // peak resident memory above the child's start
};

// Sanitizer builds are slower and keep freed memory in quarantine.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool KindMitSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool KindMitSanitizer = true;
#else
inline constexpr bool KindMitSanitizer = false;
#endif
#else
inline constexpr bool KindMitSanitizer = false;
#endif

// `zeitlimitSek` > 0 ends a child that runs longer (one that blocks, say) as not finished.
inline KindErgebnis ImKindMessen(const std::function<QByteArray()>& arbeit, unsigned zeitlimitSek = 0) {
    int rohr[2];
    KindErgebnis e;
    if (::pipe(rohr) != 0) return e;
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::close(rohr[0]);
        if (zeitlimitSek > 0) ::alarm(zeitlimitSek);
        rusage vorher{};
        ::getrusage(RUSAGE_SELF, &vorher);
        const auto anfang = std::chrono::steady_clock::now();
        const QByteArray text = arbeit();
        const double sekunden =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
        rusage nachher{};
        ::getrusage(RUSAGE_SELF, &nachher);
        const long mb = (nachher.ru_maxrss - vorher.ru_maxrss) / 1024; // ru_maxrss is in KiB on Linux
        const QByteArray bericht = QByteArray::number(sekunden) + ' ' + QByteArray::number(mb) + ' ' + text;
        qsizetype geschrieben = 0;
        while (geschrieben < bericht.size()) {
            const ssize_t n =
                ::write(rohr[1], bericht.constData() + geschrieben, size_t(bericht.size() - geschrieben));
            if (n <= 0) break;
            geschrieben += n;
        }
        ::_exit(0);
    }
    ::close(rohr[1]);
    QByteArray bericht;
    char puffer[4096];
    for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;)
        bericht.append(puffer, n);
    ::close(rohr[0]);
    int status = 0;
    ::waitpid(kind, &status, 0);
    e.beendet = kind > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const QList<QByteArray> teile = bericht.split(' ');
    if (!e.beendet || teile.size() < 3) return e;
    e.sekunden = teile[0].toDouble();
    e.zusatzMb = teile[1].toLong();
    e.text = bericht.mid(teile[0].size() + teile[1].size() + 2);
    return e;
}
