// The editor's costs against their baselines, side by side in one run: one step of dragging a
// box (the object redrawn in place) against a full rebuild of the map, and opening a document
// against decoding its picture alone with plain libpng.
#include "documents/tvl_datei.h"
#include "editor/editoransicht.h"
#include "editor/editordokument.h"
#include "editor/objekte.h"
#include "platform/speicher.h"
#include "png_roh.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <csetjmp>
#include <cstring>
#include <png.h>
#include <random>
#include <vector>

namespace {

// A map-like picture of 3000 x 2000 pixels with 40 labels, saved as a document.
struct Daten {
    QTemporaryDir ordner;
    QString pfad;
    QByteArray png;

    Daten() {
        Dokument dok;
        dok.Header.HD_titel = QStringLiteral("Messung");
        dok.Basisbild = QImage(3000, 2000, QImage::Format_RGB32);
        QPainter maler(&dok.Basisbild);
        QLinearGradient meer(0, 0, 3000, 2000);
        meer.setColorAt(0, QColor(150, 190, 230));
        meer.setColorAt(1, QColor(60, 110, 180));
        maler.fillRect(dok.Basisbild.rect(), meer);
        std::mt19937 z(11);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setPen(QPen(QColor(40, 60, 40), 3));
        for (int i = 0; i < 30; ++i) {
            maler.setBrush(QColor(90 + int(z() % 120), 150, 70));
            maler.drawEllipse(QPoint(int(z() % 3000), int(z() % 2000)), 100 + int(z() % 300),
                              80 + int(z() % 200));
        }
        maler.end();
        for (int i = 0; i < 40; ++i) {
            ObjDataTyp o = NeueBeschriftung({0.05 + 0.022 * i, 0.1 + 0.02 * i});
            o.OB_Cap = QStringLiteral("Ort %1").arg(i);
            dok.Objekte.push_back(o);
        }
        pfad = ordner.filePath(QStringLiteral("messung.tvl"));
        TvlSchreiber().schreiben(pfad, dok);
        QFile f(pfad);
        f.open(QIODevice::ReadOnly);
        const QByteArray datei = f.readAll();
        png = datei.mid(datei.indexOf("\x89PNG\r\n\x1a\n"));
    }
};

Daten& D() {
    static Daten d;
    return d;
}

void BM_EditorOeffnen(benchmark::State& state) {
    Daten& d = D();
    for (auto _ : state) {
        EditorDokument dok;
        QString fehler;
        if (!dok.oeffnen(d.pfad, fehler)) state.SkipWithError("open failed");
        benchmark::DoNotOptimize(dok.dokument().Basisbild.constBits());
    }
}

void BM_PngDekodierenAllein(benchmark::State& state) {
    Daten& d = D();
    for (auto _ : state) {
        std::vector<unsigned char> pixel;
        if (!PngRohDekodieren(d.png, pixel)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(pixel.data());
    }
}

struct Bearbeitung {
    EditorDokument dok;
    Editoransicht ansicht{dok};
    Bearbeitung() {
        QString fehler;
        dok.oeffnen(D().pfad, fehler);
        ansicht.setzeGroesse(QSize(1200, 800));
    }
};

void BM_KarteNeuAufbauen(benchmark::State& state) {
    Bearbeitung b;
    for (auto _ : state)
        b.ansicht.aufbauen();
}

void BM_KastenZiehenSchritt(benchmark::State& state) {
    Bearbeitung b;
    const QPoint start = b.ansicht.kastenRechteck(20).center();
    b.ansicht.ziehenBeginnen(20, Editoransicht::Griff::Kasten, start);
    int schritt = 0;
    for (auto _ : state) {
        ++schritt;
        b.ansicht.ziehenBewegen(start + QPoint(schritt % 40, schritt % 7));
    }
    b.ansicht.ziehenBeenden();
}

} // namespace

BENCHMARK(BM_EditorOeffnen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PngDekodierenAllein)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KarteNeuAufbauen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KastenZiehenSchritt)->Unit(benchmark::kMicrosecond)->UseRealTime();

int main(int argc, char** argv) {
    SpeicherverwaltungEinrichten();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
