#pragma once
// What the quiz benchmarks share: silent ports and a document of 300 labels.
#include "documents/dokument.h"
#include "mapview/karte.h"
#include "mapview/nummerierung.h"
#include "platform/meldungen.h"
#include "platform/systeminfo.h"
#include "platform/ton.h"
#include "platform/uhr.h"

#include <QSize>
#include <benchmark/benchmark.h>

namespace quizbench {

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
    void abspielen(const QString&, bool synchron, bool) override {
        if (synchron) emit beendet();
    }
    void stoppen() override {}
};
struct System final : SystemInfo {
    QString rechnername() const override { return QStringLiteral("PC"); }
    QString benutzername() const override { return QStringLiteral("u"); }
    BildschirmModus bildschirm() const override { return {}; }
};

// 300 labels on a 20 x 15 grid.
inline Dokument Dokument300() {
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

// The baselines: one scroll step and one rebuild of the map the quiz runs on.
inline void BM_KarteRollschritt(benchmark::State& state) {
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

inline void BM_AnsichtAufbauen300(benchmark::State& state) {
    Dokument dok = Dokument300();
    NummerierungSetzen(dok);
    Karte karte(dok);
    karte.SetzeSteuerelementgroesse(QSize(Panel.width() - 160, Panel.height()));
    for (auto _ : state)
        karte.AnsichtAufbauen();
}

} // namespace quizbench
