#include "werkzeug_lauf.h"

#include <gtest/gtest.h>

namespace {

struct AufrufFall {
    const char* name;
    QStringList argumente;
    int exitCode;
    QString textInAusgabe; // stdout for exit 0, stderr otherwise
};

class Aufruf : public ::testing::TestWithParam<AufrufFall> {};

TEST_P(Aufruf, ExitCodeUndText) {
    const AufrufFall& fall = GetParam();
    const WerkzeugErgebnis e = WerkzeugStarten(fall.argumente);
    EXPECT_EQ(e.exitCode, fall.exitCode);
    const QString text = fall.exitCode == 0 ? QString::fromUtf8(e.ausgabe) : e.fehler;
    EXPECT_TRUE(text.contains(fall.textInAusgabe)) << text.toStdString();
    if (fall.exitCode != 0) {
        EXPECT_TRUE(e.ausgabe.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    KartelloTool, Aufruf,
    ::testing::Values(AufrufFall{"Hilfe", {QStringLiteral("--help")}, 0, QStringLiteral("Befehle:\n  dump ")},
                      AufrufFall{"HilfeNenntBuild", {QStringLiteral("-h")}, 0, QStringLiteral("\n  build ")},
                      AufrufFall{"DumpHilfe",
                                 {QStringLiteral("dump"), QStringLiteral("--help")},
                                 0,
                                 QStringLiteral("Aufruf: kartello-tool dump DATEI.tvl")},
                      AufrufFall{"BuildHilfe",
                                 {QStringLiteral("build"), QStringLiteral("--help")},
                                 0,
                                 QStringLiteral("Aufruf: kartello-tool build DOKUMENT.json AUS.tvl")},
                      AufrufFall{"OhneBefehl", {}, 2, QStringLiteral("Aufruf: kartello-tool BEFEHL")},
                      AufrufFall{"UnbekannterBefehl",
                                 {QStringLiteral("malen")},
                                 2,
                                 QStringLiteral("Unbekannter Befehl \"malen\".")},
                      AufrufFall{"DumpOhneDatei",
                                 {QStringLiteral("dump")},
                                 2,
                                 QStringLiteral("Falsche Anzahl von Argumenten.")},
                      AufrufFall{"DumpZuViele",
                                 {QStringLiteral("dump"), QStringLiteral("a"), QStringLiteral("b")},
                                 2,
                                 QStringLiteral("Aufruf: kartello-tool dump DATEI.tvl")},
                      AufrufFall{"BuildOhneZiel",
                                 {QStringLiteral("build"), QStringLiteral("a.json")},
                                 2,
                                 QStringLiteral("Aufruf: kartello-tool build DOKUMENT.json AUS.tvl")}),
    [](const ::testing::TestParamInfo<AufrufFall>& fall) { return std::string(fall.param.name); });

} // namespace
