// Quiz costs against the map view they run on: one drag move (target search over 300 open
// positions plus the marker frame) against one scroll step of the map, a quiz start on a
// 300-label document against one map rebuild, and one whole answer with its feedback.
#include "mapview/karte.h"
#include "quizbench.h"
#include "mapview/nummerierung.h"
#include "quiz/quiz.h"
#include "platform/speicher.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace quizbench;

struct Oberflaeche final : QuizOberflaeche {
    QSize PanelGroesse() const override { return Panel; }
};

struct Aufbau {
    Dokument dok = Dokument300();
    Karte karte{dok};
    ProgrammEinstellungenTyp werte;
    StilleMeldungen meldungen;
    FesteUhr uhr;
    KeinWarten warten;
    KeinTon ton;
    System system;
    Oberflaeche ui;
    Quiz quiz{dok, karte, werte, QuizDienste{meldungen, uhr, warten, ton, system}, ui};
    Aufbau() { werte.UebNameEingabe = false; }
};

void BM_ZiehschrittZielsuche300(benchmark::State& state) {
    Aufbau a;
    a.quiz.Starten(false, 0);
    // The element wanders over the empty bottom strip: every move scans all 300 open positions.
    const QPoint griff = a.quiz.Elemente()[0].Rechteck.center();
    a.quiz.Aufnehmen(0, griff);
    int schritt = 0;
    for (auto _ : state) {
        const int x = 100 + (schritt++ % 200);
        a.quiz.Ziehen(0, QPoint(x, 690));
    }
    benchmark::DoNotOptimize(a.quiz.Ziel());
}

void BM_QuizStart300(benchmark::State& state) {
    Aufbau a;
    for (auto _ : state)
        a.quiz.Starten(false, 0);
}

// One whole right answer: picked up, dragged onto its position (target search), dropped,
// judged with its feedback steps (pauses of no length, no sound), counted, the next focus.
void BM_GanzeAntwort300(benchmark::State& state) {
    Aufbau a;
    a.werte.Sound = false;
    a.quiz.Starten(false, 0);
    for (auto _ : state) {
        if (a.quiz.Daten().Offen <= 1) {
            state.PauseTiming();
            a.quiz.Starten(false, 0);
            state.ResumeTiming();
        }
        int k = 0;
        while (!a.quiz.Elemente()[static_cast<size_t>(k)].Vorhanden)
            ++k;
        const AntwortElement& e = a.quiz.Elemente()[static_cast<size_t>(k)];
        const auto& b = a.dok.Objekte[static_cast<size_t>(e.Tag)].Box;
        const QPoint mitte = QRect(a.karte.AnteilZuPunkt(QPointF(b[0], b[1])),
                                   a.karte.AnteilZuPunkt(QPointF(b[2], b[3])) - QPoint(1, 1))
                                 .center();
        const QPoint griff = e.Rechteck.center();
        const QPoint neu = mitte - QPoint(0, e.Rechteck.height() / 2);
        a.quiz.Aufnehmen(k, griff);
        a.quiz.Ziehen(k, griff + (neu - e.Rechteck.topLeft()));
        a.quiz.Loslassen(k);
    }
    benchmark::DoNotOptimize(a.quiz.Daten().Richtig);
}

} // namespace

BENCHMARK(BM_ZiehschrittZielsuche300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KarteRollschritt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QuizStart300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GanzeAntwort300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnsichtAufbauen300)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // As the program does, so that a map rebuild reuses its image memory.
    SpeicherverwaltungEinrichten();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
