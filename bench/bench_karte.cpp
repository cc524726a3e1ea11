// Map composition costs against their plain raster baselines: the full rebuild against
// one smooth scaling, a scroll step against two memcpy rectangle copies, and one object
// redrawn in place against the full rebuild.
#include "documents/tvl_datei.h"
#include "mapview/karte.h"
#include "mapview/kartenhilfen.h"
#include "mapview/nummerierung.h"
#include "platform/speicher.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>

namespace {

const QSize Steuerelement(1024, 768);
constexpr int Zoom200 = 4;

// The sample Europe document, or a generated one of the same shape when it is not built.
Dokument& EuropaDokument() {
    static Dokument dok = [] {
        Dokument d;
        // KARTELLO_EUROPA names the sample when this build directory has not built it.
        const QString pfad =
            qEnvironmentVariable("KARTELLO_EUROPA", QStringLiteral(KARTELLO_BIN_ORDNER "/europa.tvl"));
        TvlLeser leser;
        if (QFileInfo::exists(pfad) && leser.lesen(pfad, d)) return d;
        d.Header.Dateiname = QStringLiteral("erzeugt.tvl");
        d.Header.HD_RandErw = {0, 0, 0.25, 0};
        d.Basisbild = QImage(960, 768, QImage::Format_ARGB32);
        QPainter maler(&d.Basisbild);
        maler.fillRect(d.Basisbild.rect(), QColor(200, 225, 245));
        for (int i = 0; i < 60; ++i)
            maler.fillRect(QRect((i * 97) % 900, (i * 53) % 700, 80, 60), QColor(240, 225, 170));
        for (int i = 0; i < 25; ++i) {
            ObjDataTyp o;
            o.OB_Cap = QStringLiteral("Land %1").arg(i);
            o.OB_Sx = 0.1 + 0.03 * i;
            o.OB_Sy = 0.2 + 0.025 * i;
            o.OB_Kx = o.OB_Sx + 0.05;
            o.OB_Ky = o.OB_Sy;
            o.OB_Sline = 1;
            o.OB_Ebene = 1;
            o.OB_Fsize = -3;
            d.Objekte.push_back(o);
        }
        return d;
    }();
    return dok;
}

std::unique_ptr<Karte> NeueKarte(int ansichtsmodus) {
    Dokument& dok = EuropaDokument();
    NummerierungSetzen(dok);
    auto karte = std::make_unique<Karte>(dok);
    karte->SetzeSteuerelementgroesse(Steuerelement);
    karte->SetzeAnsichtsmodus(ansichtsmodus);
    karte->ZoomSetzen(Zoom200);
    karte->AnsichtAufbauen();
    return karte;
}

void BM_AnsichtAufbauen(benchmark::State& state) {
    auto karte = NeueKarte(Karte::Lernansicht);
    for (auto _ : state) {
        karte->AnsichtAufbauen();
        benchmark::DoNotOptimize(karte->Kartenbild().constBits());
    }
}

void BM_GlatteSkalierung(benchmark::State& state) {
    auto karte = NeueKarte(Karte::Lernansicht);
    const QSize ziel = karte->Kartenbild().size();
    const Dokument& dok = EuropaDokument();
    const auto& rand = dok.Header.HD_RandErw;
    const QSize basis = dok.Basisbild.size();
    QImage erweitert = NeuesBild(QSize(RundeGerade((rand[0] + 1 + rand[2]) * basis.width()),
                                       RundeGerade((rand[1] + 1 + rand[3]) * basis.height())));
    {
        QPainter maler(&erweitert);
        maler.drawImage(QPoint(RundeGerade(basis.width() * rand[0]), RundeGerade(basis.height() * rand[1])),
                        dok.Basisbild);
    }
    for (auto _ : state) {
        QImage bild = erweitert.scaled(ziel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(bild.constBits());
    }
}

void BM_Rollschritt(benchmark::State& state) {
    auto karte = NeueKarte(Karte::Quizansicht); // in a quiz both view images take pixels
    karte->AusschnittVerschieben(-1, 0);
    bool rechts = true;
    int schritte = 0;
    for (auto _ : state) {
        karte->Rollen(rechts ? Karte::Richtung::Rechts : Karte::Richtung::Links);
        if (++schritte == 10) {
            schritte = 0;
            rechts = !rechts;
        }
        benchmark::DoNotOptimize(karte->Ansichtsbild().constBits());
    }
}

void BM_ZweiRechteckeMemcpy(benchmark::State& state) {
    auto karte = NeueKarte(Karte::Quizansicht);
    const QImage quelleA = karte->Kartenbild().copy();
    const QImage quelleB = karte->Beschriftungsbild().copy();
    QImage zielA = karte->Ansichtsbild().copy();
    QImage zielB = karte->Ansichtsbild().copy();
    const int breite = zielA.width();
    const int hoehe = zielA.height();
    int x = 0;
    for (auto _ : state) {
        x = (x + 51) % std::max(1, quelleA.width() - breite);
        for (const auto& [q, z] : {std::pair{&quelleA, &zielA}, std::pair{&quelleB, &zielB}})
            for (int y = 0; y < hoehe; ++y)
                std::memcpy(z->scanLine(y), q->constScanLine(y) + x * 4, static_cast<size_t>(breite) * 4);
        benchmark::DoNotOptimize(zielA.constBits());
        benchmark::DoNotOptimize(zielB.constBits());
    }
}

void BM_ObjektNeuZeichnen(benchmark::State& state) {
    auto karte = NeueKarte(Karte::Quizansicht);
    Dokument& dok = EuropaDokument();
    const int index = 0;
    for (auto _ : state) {
        ObjDataTyp& o = dok.Objekte[index];
        o.Zustand = o.Zustand == -2 ? -3 : -2;
        karte->ObjektNeuZeichnen(index);
        benchmark::DoNotOptimize(karte->Kartenbild().constBits());
    }
}

BENCHMARK(BM_AnsichtAufbauen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GlatteSkalierung)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rollschritt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZweiRechteckeMemcpy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ObjektNeuZeichnen)->Unit(benchmark::kMicrosecond);

} // namespace

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
