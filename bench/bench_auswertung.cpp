// The class analysis of 100 000 runs of europa.tvl (25 positions), read from their .kqa and
// counted, against reading the best list of the same 100 000 runs, side by side.
#include "analysis/antwortsatz.h"
#include "analysis/auswertung.h"
#include "documents/tvl_datei.h"
#include "mapview/nummerierung.h"
#include "results/bestenliste_datei.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int Laeufe = 100000;

struct Daten {
    QTemporaryDir ordner;
    QString kqa = ordner.filePath(QStringLiteral("europa.kqa"));
    QString hsc = ordner.filePath(QStringLiteral("europa.hsc"));
    Dokument dok;

    Daten() {
        TvlLeser().lesen(QStringLiteral(KARTELLO_BIN_ORDNER "/europa.tvl"), dok);
        NummerierungSetzen(dok);
        std::mt19937 z(2026);
        QByteArray kqaBytes;
        QByteArray hscBytes = BestListKopf();
        for (int i = 0; i < Laeufe; ++i) {
            const KqaLauf lauf = Lauf(i, z);
            kqaBytes += KqaZeile(lauf) + '\n';
            hscBytes += BestListEintragBytes({lauf.teilnehmer, lauf.rechner, 46000.0 + i / 1000.0,
                                              static_cast<int32_t>(lauf.dauerMs), lauf.leistung});
        }
        // Written at once: one append per run would measure the disk.
        for (const auto& [pfad, bytes] : {std::pair{kqa, kqaBytes}, std::pair{hsc, hscBytes}}) {
            QFile f(pfad);
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
        }
    }

    // A whole run over the 25 positions; about one answer in five is wrong first.
    KqaLauf Lauf(int i, std::mt19937& z) const {
        KqaLauf l;
        l.titel = dok.Header.HD_titel;
        l.datei = QStringLiteral("europa.tvl");
        l.hash = QString(64, u'a');
        l.teilnehmer = QStringLiteral("Schüler %1").arg(i % 3000);
        l.rechner = QStringLiteral("PC-%1").arg(i % 40);
        l.start = QDateTime(QDate(2026, 12, 9), QTime(8, 0)).addSecs(i);
        l.dauerMs = 60000 + static_cast<int64_t>(z() % 240000);
        int64_t ms = 0;
        int falsch = 0;
        for (int32_t ziel = 0; ziel < 25; ++ziel) {
            const QString nummer = NummerText(dok, ziel);
            if (z() % 5 == 0) {
                ++falsch;
                l.antworten.push_back({ziel, nummer,
                                       dok.Objekte[static_cast<std::size_t>((ziel + 1) % 25)].OB_Cap, false,
                                       1, ms += 2000});
            }
            l.antworten.push_back({ziel, nummer, dok.Objekte[static_cast<std::size_t>(ziel)].OB_Cap, true,
                                   falsch > 0 ? 2 : 1, ms += 2000});
        }
        l.leistung = 25.0 / (25 + falsch);
        l.note = QString::number(1 + falsch / 3);
        return l;
    }
};

Daten& Dateien() {
    static Daten d;
    return d;
}

void BM_BestenlisteLesen(benchmark::State& state) {
    Daten& d = Dateien();
    for (auto _ : state) {
        std::vector<BestListDataTyp> liste;
        QString fehler;
        if (!BestListLesenVersuch(d.hsc, liste, fehler)) state.SkipWithError("Bestenliste nicht gelesen");
        benchmark::DoNotOptimize(liste.data());
    }
}
BENCHMARK(BM_BestenlisteLesen)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening as the window and the tool do (argument 0): every run read, the first whole run of
// each pupil counted; and the choice "all runs" (argument 1): every answer read and counted.
void BM_Klassenauswertung(benchmark::State& state) {
    Daten& d = Dateien();
    const auto umfang =
        state.range(0) == 0 ? AuswertungsUmfang::ErsterGanzerLauf : AuswertungsUmfang::AlleLaeufe;
    for (auto _ : state) {
        const KqaLeseErgebnis gelesen = KqaLesen(d.kqa, umfang);
        if (gelesen.bestand.laeufe().size() != Laeufe) state.SkipWithError("Läufe fehlen");
        const Auswertung a = Auswerten(gelesen.bestand, umfang, &d.dok);
        benchmark::DoNotOptimize(a.positionen.data());
    }
}
BENCHMARK(BM_Klassenauswertung)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
