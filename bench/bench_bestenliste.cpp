// Loading and ranking a best list of 100 000 entries, against std::stable_sort of
// the same entries by the same keys (the floor any ranking has to pay); and showing
// a list of 1 000 000 entries in its window, against reading and ranking it alone.
#include "platform/av_dialoge_qt.h"
#include "platform/meldungen.h"
#include "platform/uhr.h"
#include "platform/zwischenablage.h"
#include "results/ac_bestlist.h"
#include "results/bestenliste.h"
#include "results/bestenliste_datei.h"
#include "results/bestenliste_rang.h"

#include <QApplication>
#include <QTableView>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int Anzahl = 100000;

class KeinWarten final : public Warten {
public:
    void warten(int) override {}
};

// Results of 20-question quizzes: 21 possible performances, so ties are everywhere.
std::vector<BestListDataTyp> Eintraege() {
    std::mt19937 z(2026);
    std::vector<BestListDataTyp> l;
    l.reserve(Anzahl);
    for (int i = 0; i < Anzahl; ++i)
        l.push_back({QStringLiteral("Teilnehmer %1").arg(i % 3000), QStringLiteral("PC-%1").arg(i % 40),
                     46000.0 + i / 100.0, static_cast<int32_t>(z() % 600000),
                     static_cast<double>(z() % 21) / 20});
    return l;
}

const std::vector<BestListDataTyp>& Liste() {
    static const std::vector<BestListDataTyp> l = Eintraege();
    return l;
}

struct Datei {
    QTemporaryDir ordner;
    QString pfad = ordner.filePath(QStringLiteral("gross.hsc"));
    Datei() {
        // One append per entry would measure the disk; write the same bytes at once.
        QByteArray bytes = BestListKopf();
        for (const BestListDataTyp& e : Liste())
            bytes += BestListEintragBytes(e);
        QFile f(pfad);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

const QString& DateiPfad() {
    static Datei d;
    return d.pfad;
}

void StableSort(std::vector<BestListDataTyp>& l) {
    std::stable_sort(l.begin(), l.end(), BestListBesser);
}

template <void (*Ordnen)(std::vector<BestListDataTyp>&)> void NurOrdnen(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<BestListDataTyp> l = Liste();
        state.ResumeTiming();
        Ordnen(l);
        benchmark::DoNotOptimize(l.data());
    }
    state.SetItemsProcessed(state.iterations() * Anzahl);
}

template <void (*Ordnen)(std::vector<BestListDataTyp>&)> void LadenUndOrdnen(benchmark::State& state) {
    const QString pfad = DateiPfad();
    KeinWarten warten;
    for (auto _ : state) {
        std::vector<BestListDataTyp> l;
        QString fehler;
        if (!BestListLesen(pfad, l, warten, fehler) || l.size() != Anzahl) state.SkipWithError("Lesefehler");
        Ordnen(l);
        benchmark::DoNotOptimize(l.data());
    }
    state.SetItemsProcessed(state.iterations() * Anzahl);
}

void BM_Rangfolge(benchmark::State& s) {
    NurOrdnen<BestListRangfolge>(s);
}
void BM_StableSort(benchmark::State& s) {
    NurOrdnen<StableSort>(s);
}
void BM_LadenUndRangfolge(benchmark::State& s) {
    LadenUndOrdnen<BestListRangfolge>(s);
}
void BM_LadenUndStableSort(benchmark::State& s) {
    LadenUndOrdnen<StableSort>(s);
}

constexpr int Million = 1'000'000;

class KeineMeldungen final : public Meldungen {
public:
    Antwort zeigen(MeldungsArt, const QString&, Knoepfe) override { return Antwort::OK; }
};

struct GrosseDatei {
    QTemporaryDir ordner;
    QString pfad = ordner.filePath(QStringLiteral("million.hsc"));
    GrosseDatei() {
        QByteArray bytes = BestListKopf();
        std::mt19937 z(17);
        for (int i = 0; i < Million; ++i)
            bytes += BestListEintragBytes({QStringLiteral("Teilnehmer %1").arg(i % 3000),
                                           QStringLiteral("PC-%1").arg(i % 40), 46000.0 + i / 1000.0,
                                           static_cast<int32_t>(z() % 600000),
                                           static_cast<double>(z() % 21) / 20});
        QFile f(pfad);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

const QString& MillionPfad() {
    static GrosseDatei d;
    return d.pfad;
}

void BM_MillionLesenUndOrdnen(benchmark::State& state) {
    const QString pfad = MillionPfad();
    KeinWarten warten;
    for (auto _ : state) {
        std::vector<BestListDataTyp> l;
        QString fehler;
        if (!BestListLesen(pfad, l, warten, fehler) || l.size() != Million) state.SkipWithError("Lesefehler");
        BestListRangfolge(l);
        benchmark::DoNotOptimize(l.data());
    }
}

// What "Bestenliste" costs the teacher: load, rank, open the window and paint it.
void BM_MillionZeigen(benchmark::State& state) {
    const QString pfad = MillionPfad();
    KeinWarten warten;
    KeineMeldungen meldungen;
    DialogeQt dialoge; // the window is only shown: it asks for nothing
    ZwischenablageQt ablage;
    for (auto _ : state) {
        Bestenliste liste(meldungen, warten);
        if (!liste.laden(pfad, false)) state.SkipWithError("Lesefehler");
        liste.rangfolge();
        TBestListForm fenster(liste, meldungen, dialoge, ablage);
        fenster.show();
        fenster.Grid1()->viewport()->repaint();
        QApplication::processEvents();
        if (fenster.Grid1()->model()->rowCount() != Million) state.SkipWithError("Zeilen fehlen");
        fenster.close();
    }
}

} // namespace

BENCHMARK(BM_MillionLesenUndOrdnen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_MillionZeigen)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_Rangfolge)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_StableSort)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LadenUndRangfolge)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LadenUndStableSort)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
