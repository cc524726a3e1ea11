// Worksheet costs against their plain baselines, side by side in one run: making a
// labelling sheet (page and preview bitmap) against one map composition at 100 %, the
// preview re-layout on a resize against one smooth scaling of the page bitmap, and
// writing the .emf against writing the same map pixels as a 24-bit BMP file.
#include "documents/tvl_datei.h"
#include "mapview/karte.h"
#include "mapview/nummerierung.h"
#include "worksheet/ac_arbeitsblatt.h"
#include "platform/dialoge.h"
#include "platform/speicher.h"
#include "platform/meldungen.h"
#include "platform/zwischenablage.h"
#include "worksheet/arbeitsblatt.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

const QSize Steuerelement(870, 650);

Dokument& Europa() {
    static Dokument dok = [] {
        Dokument d;
        const QString pfad =
            qEnvironmentVariable("KARTELLO_EUROPA", QStringLiteral(KARTELLO_BIN_ORDNER "/europa.tvl"));
        TvlLeser leser;
        if (!leser.lesen(pfad, d)) {
            fprintf(stderr, "europa.tvl fehlt: %s\n", qPrintable(pfad));
            std::exit(1);
        }
        NummerierungSetzen(d);
        return d;
    }();
    return dok;
}

ArbeitsblattOptionen Optionen() {
    ArbeitsblattOptionen o;
    o.titel = Europa().Header.HD_titel;
    return o;
}

void BM_BlattErzeugen(benchmark::State& state) {
    for (auto _ : state) {
        const Arbeitsblatt blatt(Europa(), Optionen(), Steuerelement);
        QImage bild = blatt.Vorschaubild();
        benchmark::DoNotOptimize(bild.constBits());
    }
}

void BM_AnsichtAufbauen(benchmark::State& state) {
    Karte karte(Europa());
    karte.SetzeSteuerelementgroesse(Steuerelement);
    for (auto _ : state) {
        karte.AnsichtAufbauen();
        benchmark::DoNotOptimize(karte.Kartenbild().constBits());
    }
}

// Ports that answer nothing: the benchmarks never ask the user.
class StilleMeldungen final : public Meldungen {
public:
    Antwort zeigen(MeldungsArt, const QString&, Knoepfe) override { return Antwort::OK; }
};
class KeineDialoge final : public Dialoge {
public:
    std::optional<QString> DateiOeffnen(const DateiDialogAuftrag&) override { return std::nullopt; }
    std::optional<QString> DateiSpeichern(const DateiDialogAuftrag&) override { return std::nullopt; }
    std::optional<QString> OrdnerWaehlen(const QString&, const QString&) override { return std::nullopt; }
    bool DruckerWaehlen(QPrinter&, const DateiDialogAuftrag&) override { return false; }
};
class KeineAblage final : public Zwischenablage {
public:
    void Setzen(const ZwischenablageInhalt&) override {}
};

struct Fenster {
    StilleMeldungen meldungen;
    KeineDialoge dialoge;
    KeineAblage ablage;
    TArbeitsblattForm form{meldungen, dialoge, ablage};
    Fenster() {
        form.resize(900, 680);
        form.Aktivieren(Europa(), Steuerelement);
    }
};

void BM_VorschauAnordnen(benchmark::State& state) {
    Fenster f;
    for (auto _ : state) {
        f.form.VorschauAnordnen();
        benchmark::DoNotOptimize(f.form.ABImg());
    }
}

void BM_SeitenbildGlaetten(benchmark::State& state) {
    Fenster f;
    const QImage seite = f.form.Seite()->Vorschaubild();
    const QSize ziel = f.form.ABImg()->size();
    for (auto _ : state) {
        QImage bild = seite.scaled(ziel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(bild.constBits());
    }
}

void BM_EmfSchreiben(benchmark::State& state) {
    QTemporaryDir ordner;
    const Arbeitsblatt blatt(Europa(), Optionen(), Steuerelement);
    const QString pfad = ordner.filePath(QStringLiteral("blatt.emf"));
    for (auto _ : state)
        if (!ArbeitsblattSchreiben(blatt, pfad, Seitenformat::Emf).isEmpty()) state.SkipWithError("write");
}

void BM_BmpSchreiben(benchmark::State& state) {
    QTemporaryDir ordner;
    const Arbeitsblatt blatt(Europa(), Optionen(), Steuerelement);
    const QImage karte = blatt.Kartenbild().convertToFormat(QImage::Format_RGB888);
    const QString pfad = ordner.filePath(QStringLiteral("karte.bmp"));
    for (auto _ : state)
        if (!karte.save(pfad, "BMP")) state.SkipWithError("write");
}

BENCHMARK(BM_BlattErzeugen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnsichtAufbauen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VorschauAnordnen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeitenbildGlaetten)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EmfSchreiben)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BmpSchreiben)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // As the program does, so that big images reuse their memory.
    SpeicherverwaltungEinrichten();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
