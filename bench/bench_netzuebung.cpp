// Publishing europa.tvl as a network exercise against writing the document alone with
// the document writer: the settings file, the temporary names and the renames should
// cost little beside the document itself.
#include "data/av_data.h"
#include "documents/dokument.h"
#include "documents/tvl_datei.h"
#include "network/netzuebung.h"
#include "platform/meldungen.h"
#include "platform/systeminfo.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class StilleMeldungen final : public Meldungen {
public:
    Antwort zeigen(MeldungsArt, const QString&, Knoepfe) override { return Antwort::OK; }
};
class Rechner final : public SystemInfo {
public:
    QString rechnername() const override { return QStringLiteral("LEHRER-PC"); }
    QString benutzername() const override { return QStringLiteral("lehrer"); }
    BildschirmModus bildschirm() const override { return {}; }
};

const Dokument& Europa() {
    static const Dokument dok = [] {
        Dokument d;
        if (!TvlLeser().lesen(QStringLiteral(KARTELLO_BIN_ORDNER "/europa.tvl"), d)) std::abort();
        return d;
    }();
    return dok;
}

void BM_DokumentSchreiben(benchmark::State& state) {
    QTemporaryDir tmp;
    const QString ziel = tmp.filePath(QStringLiteral("TVL-1-tvlnetzuebung.tvl"));
    for (auto _ : state)
        if (!TvlSchreiber().schreiben(ziel, Europa())) state.SkipWithError("schreiben");
}

void BM_NetzuebungInitiieren(benchmark::State& state) {
    QTemporaryDir tmp;
    ProgrammOrdnerTyp ordner;
    ordner.Kommunikationsordner = QDir::toNativeSeparators(tmp.path()) + QDir::separator();
    ProgrammEinstellungenTyp werte;
    StilleMeldungen meldungen;
    Rechner rechner;
    Netzuebung netz(meldungen, rechner);
    NetzInitHaken haken;
    haken.optionenZeigen = [](int32_t) { return true; };
    for (auto _ : state)
        if (netz.Initiieren(Europa(), werte, ordner, false, haken) != NetzErgebnis::Erledigt)
            state.SkipWithError("initiieren");
}

} // namespace

BENCHMARK(BM_DokumentSchreiben)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_NetzuebungInitiieren)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_MAIN();
