// The window side of a quiz on a 300-label document: the start with its 300 answer
// elements created in the quiz area, and one drag move with the element moved and the
// quiz area repainted, against one map rebuild and one scroll step of the same map.
#include "mapview/karte.h"
#include "mapview/nummerierung.h"
#include "quiz/av_quizanzeige.h"
#include "quiz/av_uebinfopan.h"
#include "quiz/av_uebungpan.h"
#include "quizbench.h"
#include "platform/speicher.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace quizbench;

struct Fenster {
    Dokument dok = Dokument300();
    Karte karte{dok};
    ProgrammEinstellungenTyp werte;
    StilleMeldungen meldungen;
    FesteUhr uhr;
    KeinWarten warten;
    KeinTon ton;
    System system;
    QWidget traeger;
    TUebungPan* pan = new TUebungPan(&traeger);
    TUebInfoPan* info = new TUebInfoPan(&traeger);
    TQuizAnzeige anzeige{dok, karte, werte, QuizDienste{meldungen, uhr, warten, ton, system},
                         QuizFenster{pan, info}};
    Fenster() {
        werte.UebNameEingabe = false;
        traeger.resize(Panel.width() + 200, Panel.height());
        pan->setGeometry(QRect(QPoint(0, 0), Panel));
        info->move(Panel.width(), 0);
        traeger.show();
    }
};

void BM_FensterQuizStart300(benchmark::State& state) {
    for (auto _ : state) {
        // Each run on a fresh window, so every start creates its 300 answer elements.
        state.PauseTiming();
        Fenster* neu = new Fenster;
        state.ResumeTiming();
        neu->anzeige.quiz().Starten(false, 0);
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete neu;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// A repeat: the same window starts again and reuses its elements.
void BM_FensterQuizWiederholung300(benchmark::State& state) {
    Fenster f;
    for (auto _ : state) {
        f.anzeige.quiz().Starten(false, 0);
        // What the event loop does next: the old elements go, the new ones are painted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void BM_FensterZiehschritt300(benchmark::State& state) {
    Fenster f;
    f.anzeige.quiz().Starten(false, 0);
    QCoreApplication::processEvents();
    const QPoint griff = f.anzeige.quiz().Elemente()[0].Rechteck.center();
    f.anzeige.quiz().Aufnehmen(0, griff);
    int schritt = 0;
    for (auto _ : state) {
        const int x = 100 + (schritt++ % 200);
        f.anzeige.quiz().Ziehen(0, QPoint(x, 690));
        // The event loop paints the moved element and what it uncovered.
        QCoreApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_FensterQuizStart300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterQuizWiederholung300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnsichtAufbauen300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterZiehschritt300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KarteRollschritt)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    // As the program does, so that a map rebuild reuses its image memory.
    SpeicherverwaltungEinrichten();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
