#include "werkzeug_lauf.h"

#include "data/av_data.h"
#include "documents/tvl_datei.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

class Build : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_ordner.isValid());
        const Dokument dok = TestDokument();
        ASSERT_TRUE(dok.Basisbild.save(pfad(u"bild.png")));
        const QString tvl = pfad(u"quelle.tvl");
        TvlSchreiber schreiber;
        ASSERT_TRUE(schreiber.schreiben(tvl, dok));
        m_json = dumpen(tvl);
        m_json[u"Basisbild"] = QJsonObject{{QStringLiteral("datei"), QStringLiteral("bild.png")}};
    }
    QString pfad(QStringView name) const { return m_ordner.filePath(name.toString()); }
    QJsonObject dumpen(const QString& tvl) {
        const WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("dump"), tvl});
        EXPECT_EQ(e.exitCode, 0) << e.fehler.toStdString();
        return QJsonDocument::fromJson(e.ausgabe).object();
    }
    WerkzeugErgebnis bauen(const QJsonObject& json) {
        JsonSchreiben(pfad(u"dokument.json"), json);
        return WerkzeugStarten({QStringLiteral("build"), pfad(u"dokument.json"), pfad(u"aus.tvl")});
    }
    QTemporaryDir m_ordner;
    QJsonObject m_json;
};

TEST_F(Build, RundreiseUeberDumpIstVerlustfrei) {
    const WerkzeugErgebnis e = bauen(m_json);
    ASSERT_EQ(e.exitCode, 0) << e.fehler.toStdString();
    EXPECT_TRUE(e.ausgabe.isEmpty());
    QJsonObject zurueck = dumpen(pfad(u"aus.tvl"));
    const QJsonObject bild = zurueck.take(u"Basisbild").toObject();
    QJsonObject erwartet = m_json;
    erwartet.remove(u"Basisbild");
    EXPECT_EQ(zurueck, erwartet);
    EXPECT_EQ(bild[u"rgb_sha256"].toString(), RgbHashUnabhaengig(TestDokument().Basisbild));
}

TEST_F(Build, GebautesDokumentLiestDerLeserWieGeschrieben) {
    ASSERT_EQ(bauen(m_json).exitCode, 0);
    Dokument gelesen;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesen(pfad(u"aus.tvl"), gelesen)) << leser.errorString().toStdString();
    const Dokument erwartet = TestDokument();
    HeaderDataTyp kopf = gelesen.Header;
    kopf.Dateiname.clear();
    EXPECT_EQ(kopf, erwartet.Header);
    ASSERT_EQ(gelesen.Objekte.size(), erwartet.Objekte.size());
    for (size_t i = 0; i < erwartet.Objekte.size(); ++i)
        EXPECT_TRUE(gelesen.Objekte[i].GleicheDateifelder(erwartet.Objekte[i])) << i;
    EXPECT_EQ(RgbHashUnabhaengig(gelesen.Basisbild), RgbHashUnabhaengig(erwartet.Basisbild));
}

TEST_F(Build, NichtEndlicheZahlenWerdenAbgelehnt) {
    m_json[u"HD_RandErw"] = QJsonArray{QStringLiteral("NaN"), 0.0, 0.0, 0.25};
    const WerkzeugErgebnis e = bauen(m_json);
    EXPECT_EQ(e.exitCode, 1);
    EXPECT_TRUE(e.fehler.contains(QStringLiteral("HD_RandErw"))) << e.fehler.toStdString();
    EXPECT_FALSE(QFile::exists(pfad(u"aus.tvl")));
}

using Aenderung = std::function<void(QJsonObject&)>;

void ObjektAendern(QJsonObject& json, int index, const Aenderung& aendern) {
    QJsonArray objekte = json[u"objekte"].toArray();
    QJsonObject o = objekte.at(index).toObject();
    aendern(o);
    objekte[index] = o;
    json[u"objekte"] = objekte;
}

struct Fehlerfall {
    const char* name;
    Aenderung aendern;
    QString meldung;
};

class BuildFehler : public Build, public ::testing::WithParamInterface<Fehlerfall> {};

// Every failure: exit 1, the message names the field, nothing written, an older file untouched.
TEST_P(BuildFehler, MeldetFeldUndSchreibtNichts) {
    const Fehlerfall& fall = GetParam();
    QJsonObject json = m_json;
    fall.aendern(json);
    const WerkzeugErgebnis ohneAlt = bauen(json);
    EXPECT_EQ(ohneAlt.exitCode, 1);
    EXPECT_TRUE(ohneAlt.fehler.contains(fall.meldung)) << ohneAlt.fehler.toStdString();
    EXPECT_FALSE(QFile::exists(pfad(u"aus.tvl")));
    EXPECT_EQ(QDir(m_ordner.path()).entryList(QDir::Files).size(), 3); // bild.png, quelle.tvl, dokument.json

    QFile alt(pfad(u"aus.tvl"));
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("alt");
    alt.close();
    EXPECT_EQ(bauen(json).exitCode, 1);
    EXPECT_EQ(DateiInhalt(pfad(u"aus.tvl")), QByteArray("alt"));
}

INSTANTIATE_TEST_SUITE_P(
    KartelloTool, BuildFehler,
    ::testing::Values(
        Fehlerfall{"KopffeldFehlt", [](QJsonObject& j) { j.remove(u"HD_titel"); },
                   QStringLiteral("Feld \"HD_titel\" fehlt.")},
        Fehlerfall{"ObjektfeldFehlt",
                   [](QJsonObject& j) { ObjektAendern(j, 2, [](QJsonObject& o) { o.remove(u"OB_Cap"); }); },
                   QStringLiteral("Feld \"OB_Cap\" fehlt in Objekt 3.")},
        Fehlerfall{"TextStattZahl",
                   [](QJsonObject& j) {
                       ObjektAendern(j, 0, [](QJsonObject& o) { o[u"OB_Typ"] = QStringLiteral("0"); });
                   },
                   QStringLiteral("Feld \"OB_Typ\" in Objekt 1 muss eine ganze Zahl")},
        Fehlerfall{"Bruchzahl", [](QJsonObject& j) { j[u"HD_DokTyp"] = 1.5; },
                   QStringLiteral("Feld \"HD_DokTyp\" muss eine ganze Zahl")},
        Fehlerfall{"ZahlZuGross", [](QJsonObject& j) { j[u"HD_NumArt"] = 3e9; },
                   QStringLiteral("Feld \"HD_NumArt\" muss eine ganze Zahl")},
        Fehlerfall{"ZahlAlsText",
                   [](QJsonObject& j) {
                       ObjektAendern(j, 1, [](QJsonObject& o) { o[u"OB_Sx"] = QStringLiteral("0.5"); });
                   },
                   QStringLiteral("Feld \"OB_Sx\" in Objekt 2 muss eine Zahl sein.")},
        Fehlerfall{"ZahlStattText", [](QJsonObject& j) { j[u"HD_autor"] = 3; },
                   QStringLiteral("Feld \"HD_autor\" muss eine Zeichenkette sein.")},
        Fehlerfall{"RandMitDreiZahlen",
                   [](QJsonObject& j) {
                       j[u"HD_RandErw"] = QJsonArray{0, 0, 0};
                   },
                   QStringLiteral("Feld \"HD_RandErw\" muss eine Liste von vier Zahlen")},
        Fehlerfall{"UnbekanntesFeld",
                   [](QJsonObject& j) { ObjektAendern(j, 3, [](QJsonObject& o) { o[u"OB_Farbe"] = 1; }); },
                   QStringLiteral("Unbekanntes Feld \"OB_Farbe\" in Objekt 4.")},
        Fehlerfall{"ZeichenAusserhalbWindows1252",
                   [](QJsonObject& j) {
                       ObjektAendern(j, 0, [](QJsonObject& o) { o[u"OB_Cap"] = QStringLiteral("Ω-Bucht"); });
                   },
                   QStringLiteral("Feld \"OB_Cap\" in Objekt 1 enthält das Zeichen \"Ω\"")},
        Fehlerfall{"ObjekteKeineListe", [](QJsonObject& j) { j[u"objekte"] = QJsonObject(); },
                   QStringLiteral("Feld \"objekte\" muss eine Liste sein.")},
        Fehlerfall{"ObjektKeinObjekt", [](QJsonObject& j) { j[u"objekte"] = QJsonArray{1}; },
                   QStringLiteral("Objekt 1 muss ein JSON-Objekt sein.")},
        Fehlerfall{"BasisbildFehlt", [](QJsonObject& j) { j.remove(u"Basisbild"); },
                   QStringLiteral("Feld \"Basisbild\" fehlt.")},
        Fehlerfall{"BasisbildAusDump",
                   [](QJsonObject& j) {
                       j[u"Basisbild"] = QJsonObject{{QStringLiteral("breite"), 7}};
                   },
                   QStringLiteral("Feld \"Basisbild\" muss ein Objekt")},
        Fehlerfall{"BilddateiFehlt",
                   [](QJsonObject& j) {
                       j[u"Basisbild"] = QJsonObject{{QStringLiteral("datei"), QStringLiteral("weg.png")}};
                   },
                   QStringLiteral("weg.png\" existiert nicht.")},
        Fehlerfall{
            "BilddateiKeinBild",
            [](QJsonObject& j) {
                j[u"Basisbild"] = QJsonObject{{QStringLiteral("datei"), QStringLiteral("dokument.json")}};
            },
            QStringLiteral("dokument.json\" kann nicht gelesen werden.")}),
    [](const ::testing::TestParamInfo<Fehlerfall>& fall) { return std::string(fall.param.name); });

TEST_F(Build, KaputtesJsonNenntDieStelle) {
    QFile datei(pfad(u"dokument.json"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(QJsonDocument(m_json).toJson().chopped(3));
    datei.close();
    const WerkzeugErgebnis e =
        WerkzeugStarten({QStringLiteral("build"), pfad(u"dokument.json"), pfad(u"aus.tvl")});
    EXPECT_EQ(e.exitCode, 1);
    EXPECT_TRUE(e.fehler.startsWith(QStringLiteral("Ungültiges JSON in \""))) << e.fehler.toStdString();
    EXPECT_TRUE(e.fehler.contains(QStringLiteral("bei Zeichen")));
    EXPECT_FALSE(QFile::exists(pfad(u"aus.tvl")));
}

TEST_F(Build, JsonListeStattObjekt) {
    QFile datei(pfad(u"dokument.json"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("[1, 2]");
    datei.close();
    const WerkzeugErgebnis e =
        WerkzeugStarten({QStringLiteral("build"), pfad(u"dokument.json"), pfad(u"aus.tvl")});
    EXPECT_EQ(e.exitCode, 1);
    EXPECT_TRUE(e.fehler.contains(QStringLiteral("erwartet wird ein JSON-Objekt"))) << e.fehler.toStdString();
    EXPECT_FALSE(QFile::exists(pfad(u"aus.tvl")));
}

TEST_F(Build, FehlendeJsonDatei) {
    const WerkzeugErgebnis e =
        WerkzeugStarten({QStringLiteral("build"), pfad(u"nichts.json"), pfad(u"aus.tvl")});
    EXPECT_EQ(e.exitCode, 1);
    EXPECT_EQ(e.fehler.trimmed(), FehltText(QDir::toNativeSeparators(pfad(u"nichts.json"))));
}

TEST_F(Build, UnbeschreibbaresZielMeldetSchreibfehler) {
    const QString ziel = pfad(u"gibtesnicht/aus.tvl");
    JsonSchreiben(pfad(u"dokument.json"), m_json);
    const WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("build"), pfad(u"dokument.json"), ziel});
    EXPECT_EQ(e.exitCode, 1);
    EXPECT_TRUE(e.fehler.contains(QStringLiteral("kann nicht geschrieben werden"))) << e.fehler.toStdString();
}

} // namespace
