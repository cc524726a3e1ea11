// Reading a topic folder of 2000 large documents: the topic list (header reader,
// sorting) against the floor of plain POSIX calls that read the first 4 KiB of
// every file. The list must stay within twice that floor, which it can only do
// when the header reader never touches the image data.
#include "documents/dokument.h"
#include "documents/themenliste.h"
#include "documents/tvl_datei.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <benchmark/benchmark.h>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int AnzahlDokumente = 2000;
constexpr qsizetype Ballast = 2 * 1024 * 1024;

QByteArray Kopfteil(int nummer) {
    Dokument dok;
    dok.Header.HD_titel = QStringLiteral("Übungsdokument Nr. %1").arg(nummer);
    dok.Header.HD_autor = QStringLiteral("Benchmark");
    for (int i = 0; i < 20; ++i) {
        ObjDataTyp o;
        o.OB_Sx = i / 20.0;
        o.OB_Sy = 0.5;
        o.OB_Kx = 0.25;
        o.OB_Ky = i / 40.0;
        o.OB_Cap = QStringLiteral("Beschriftung %1").arg(i);
        dok.Objekte.push_back(o);
    }
    dok.Basisbild = QImage(8, 8, QImage::Format_ARGB32);
    dok.Basisbild.fill(Qt::darkGreen);
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    TvlSchreiber().schreiben(puffer, dok);
    return puffer.data();
}

// Files stay valid documents: the reader ignores bytes after the image's IEND,
// so the 2 MiB of noise only stand in for a large base image.
QString Erzeugen() {
    const QString ordner =
        QDir::tempPath() + QStringLiteral("/kartello_bench_themenliste_%1/").arg(AnzahlDokumente);
    const QString fertig = ordner + QStringLiteral("fertig");
    if (QFile::exists(fertig)) return ordner;
    QDir().mkpath(ordner);
    QByteArray ballast(Ballast, Qt::Uninitialized);
    std::mt19937 zufall(42);
    for (qsizetype i = 0; i + 4 <= ballast.size(); i += 4) {
        const uint32_t w = zufall();
        std::memcpy(ballast.data() + i, &w, 4);
    }
    for (int n = 0; n < AnzahlDokumente; ++n) {
        QFile datei(
            ordner +
            QStringLiteral("Dokument_%1.tvl").arg((n * 7919) % AnzahlDokumente, 4, 10, QLatin1Char('0')));
        if (!datei.open(QIODevice::WriteOnly)) return {};
        datei.write(Kopfteil(n));
        ballast[n % ballast.size()] = char(n);
        datei.write(ballast);
    }
    QFile(fertig).open(QIODevice::WriteOnly);
    return ordner;
}

const QString& Ordner() {
    static const QString ordner = Erzeugen();
    return ordner;
}

void BM_Themenliste(benchmark::State& state) {
    const QString& ordner = Ordner();
    Themenliste liste;
    for (auto _ : state) {
        liste.OrdnerLesen(ordner);
        benchmark::DoNotOptimize(liste.Anzahl());
    }
    if (liste.Anzahl() != AnzahlDokumente) state.SkipWithError("not every document was listed");
    state.counters["Dokumente"] = liste.Anzahl();
}

// The floor: enumerate the folder and read the first `state.range(0)` bytes of each document.
void BM_PosixPrefix(benchmark::State& state) {
    const QByteArray ordner = QFile::encodeName(Ordner());
    std::vector<char> puffer(static_cast<size_t>(state.range(0)));
    int anzahl = 0;
    for (auto _ : state) {
        anzahl = 0;
        DIR* dir = opendir(ordner.constData());
        if (!dir) {
            state.SkipWithError("folder missing");
            return;
        }
        while (dirent* e = readdir(dir)) {
            const size_t laenge = std::strlen(e->d_name);
            if (laenge < 4 || std::strcmp(e->d_name + laenge - 4, ".tvl") != 0) continue;
            const int fd = openat(dirfd(dir), e->d_name, O_RDONLY);
            if (fd < 0) continue;
            if (read(fd, puffer.data(), puffer.size()) > 0) ++anzahl;
            close(fd);
        }
        closedir(dir);
        benchmark::DoNotOptimize(anzahl);
    }
    state.counters["Dokumente"] = anzahl;
}

} // namespace

BENCHMARK(BM_Themenliste)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_PosixPrefix)
    ->Arg(4096)
    ->Arg(65536)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
