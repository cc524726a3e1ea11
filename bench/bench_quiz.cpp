// Quiz costs against the map view they run on: one drag move (target search over 300 open
// positions plus the marker frame) against one scroll step of the map, and a quiz start on
// a 300-label document against one map rebuild.
#include "mapview/karte.h"
#include "mapview/nummerierung.h"
#include "platform/meldungen.h"
#include "platform/systeminfo.h"
#include "platform/ton.h"
#include "platform/uhr.h"
#include "quiz/quiz.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QSize Panel(1024, 700);

struct StilleMeldungen final : Meldungen {
    Antwort zeigen(MeldungsArt, const QString&, Knoepfe) override { return Antwort::Ja; }
};
struct FesteUhr final : Uhr {
    uint32_t tickMs() const override { return 1000; }
    QDateTime jetzt() const override { return QDateTime(QDate(2005, 6, 12), QTime(10, 0)); }
};
struct KeinWarten final : Warten {
    void warten(int) override {}
};
struct KeinTon final : Ton {
    void abspielen(const QString&, bool, bool) override {}
    void stoppen() override {}
};
struct System final : SystemInfo {
    QString rechnername() const override { return QStringLiteral("PC"); }
    QString benutzername() const override { return QStringLiteral("u"); }
    BildschirmModus bildschirm() const override { return {}; }
};
struct Oberflaeche final : QuizOberflaeche {
    QSize PanelGroesse() const override { return Panel; }
};

// 300 labels on a 20 x 15 grid.
Dokument Dokument300() {
    Dokument d;
    d.Header.Dateiname = QStringLiteral("300.tvl");
    d.Basisbild = QImage(960, 720, QImage::Format_ARGB32);
    d.Basisbild.fill(QColor(200, 225, 245));
    for (int i = 0; i < 300; ++i) {
        ObjDataTyp o;
        o.OB_Cap = QStringLiteral("Ort %1").arg(i);
        o.OB_Sx = o.OB_Kx = 0.02 + 0.049 * (i % 20);
        o.OB_Sy = o.OB_Ky = 0.03 + 0.064 * (i / 20);
        o.OB_Ebene = 1;
        o.OB_Fsize = -5;
        d.Objekte.push_back(o);
    }
    return d;
}

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

void BM_KarteRollschritt(benchmark::State& state) {
    Dokument dok = Dokument300();
    NummerierungSetzen(dok);
    Karte karte(dok);
    karte.SetzeSteuerelementgroesse(QSize(Panel.width() - 160, Panel.height()));
    karte.SetzeAnsichtsmodus(Karte::Quizansicht); // in a quiz both view images take pixels
    karte.ZoomSetzen(4);
    karte.AnsichtAufbauen();
    bool rechts = true;
    int n = 0;
    for (auto _ : state) {
        karte.Rollen(rechts ? Karte::Richtung::Rechts : Karte::Richtung::Links);
        if (++n % 8 == 0) rechts = !rechts;
    }
}

void BM_QuizStart300(benchmark::State& state) {
    Aufbau a;
    for (auto _ : state)
        a.quiz.Starten(false, 0);
}

void BM_AnsichtAufbauen300(benchmark::State& state) {
    Dokument dok = Dokument300();
    NummerierungSetzen(dok);
    Karte karte(dok);
    karte.SetzeSteuerelementgroesse(QSize(Panel.width() - 160, Panel.height()));
    for (auto _ : state)
        karte.AnsichtAufbauen();
}

} // namespace

BENCHMARK(BM_ZiehschrittZielsuche300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KarteRollschritt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QuizStart300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnsichtAufbauen300)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
