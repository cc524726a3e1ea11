#include "werkzeug_lauf.h"

#include "data/av_data.h"
#include "documents/tvl_datei.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Bit-for-bit equality, so that a lost last digit shows up.
bool BitGleich(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class Dump : public ::testing::Test {
protected:
    QString geschrieben(const Dokument& dok) {
        const QString pfad = m_ordner.filePath(QStringLiteral("dok.tvl"));
        TvlSchreiber schreiber;
        EXPECT_TRUE(schreiber.schreiben(pfad, dok)) << schreiber.errorString().toStdString();
        return pfad;
    }
    QJsonObject dump(const QString& pfad) {
        const WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("dump"), pfad});
        EXPECT_EQ(e.exitCode, 0) << e.fehler.toStdString();
        EXPECT_TRUE(e.fehler.isEmpty());
        QJsonParseError fehler{};
        const QJsonDocument doc = QJsonDocument::fromJson(e.ausgabe, &fehler);
        EXPECT_EQ(fehler.error, QJsonParseError::NoError);
        return doc.object();
    }
    QTemporaryDir m_ordner;
};

TEST_F(Dump, KopfUndObjekteEntsprechenDemGeschriebenenDokument) {
    const Dokument dok = TestDokument();
    const QJsonObject json = dump(geschrieben(dok));
    const HeaderDataTyp& k = dok.Header;
    EXPECT_EQ(json[u"HD_vers"].toString(), k.HD_vers);
    EXPECT_EQ(json[u"HD_titel"].toString(), k.HD_titel);
    EXPECT_EQ(json[u"HD_autor"].toString(), k.HD_autor);
    EXPECT_EQ(json[u"HD_bemerkung"].toString(), k.HD_bemerkung);
    EXPECT_EQ(json[u"HD_lueckentext"].toString(), k.HD_lueckentext);
    EXPECT_EQ(json[u"HD_fragentext"].toString(), k.HD_fragentext);
    EXPECT_EQ(json[u"HD_AnzFrageNummern"].toInteger(), k.HD_AnzFrageNummern);
    EXPECT_EQ(json[u"HD_DokTyp"].toInteger(), k.HD_DokTyp);
    EXPECT_EQ(json[u"HD_NumArt"].toInteger(), k.HD_NumArt);
    EXPECT_EQ(json[u"HD_GeordnetArt"].toInteger(), k.HD_GeordnetArt);
    const QJsonArray rand = json[u"HD_RandErw"].toArray();
    ASSERT_EQ(rand.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(BitGleich(rand.at(i).toDouble(), k.HD_RandErw[size_t(i)])) << i;

    const QJsonArray objekte = json[u"objekte"].toArray();
    ASSERT_EQ(objekte.size(), qsizetype(dok.Objekte.size()));
    for (size_t i = 0; i < dok.Objekte.size(); ++i) {
        const ObjDataTyp& o = dok.Objekte[i];
        const QJsonObject j = objekte.at(qsizetype(i)).toObject();
        EXPECT_EQ(j.size(), 13);
        EXPECT_TRUE(BitGleich(j[u"OB_Sx"].toDouble(), o.OB_Sx)) << i;
        EXPECT_TRUE(BitGleich(j[u"OB_Sy"].toDouble(), o.OB_Sy)) << i;
        EXPECT_TRUE(BitGleich(j[u"OB_Kx"].toDouble(), o.OB_Kx)) << i;
        EXPECT_TRUE(BitGleich(j[u"OB_Ky"].toDouble(), o.OB_Ky)) << i;
        EXPECT_EQ(j[u"OB_Cap"].toString(), o.OB_Cap) << i;
        EXPECT_EQ(j[u"OB_KAusr"].toInteger(), o.OB_KAusr);
        EXPECT_EQ(j[u"OB_TAusr"].toInteger(), o.OB_TAusr);
        EXPECT_EQ(j[u"OB_Ebene"].toInteger(), o.OB_Ebene);
        EXPECT_EQ(j[u"OB_Typ"].toInteger(), o.OB_Typ);
        EXPECT_EQ(j[u"OB_Sline"].toInteger(), o.OB_Sline);
        EXPECT_EQ(j[u"OB_Fsize"].toInteger(), o.OB_Fsize);
        EXPECT_EQ(j[u"OB_FrageNummer"].toInteger(), o.OB_FrageNummer);
        EXPECT_EQ(j[u"OB_KAusrAkt"].toInteger(), o.OB_KAusrAkt);
    }
}

TEST_F(Dump, ZeilenumbruchImTitelErscheintAlsEscape) {
    const WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("dump"), geschrieben(TestDokument())});
    EXPECT_TRUE(e.ausgabe.contains(R"("Schwäbische\r\nAlb")"));
}

TEST_F(Dump, BasisbildMitUnabhaengigBerechnetemHash) {
    const Dokument dok = TestDokument();
    const QJsonObject bild = dump(geschrieben(dok))[u"Basisbild"].toObject();
    EXPECT_EQ(bild[u"breite"].toInt(), 7);
    EXPECT_EQ(bild[u"hoehe"].toInt(), 5);
    EXPECT_EQ(bild[u"rgb_sha256"].toString(), RgbHashUnabhaengig(dok.Basisbild));
    EXPECT_EQ(bild.size(), 3);
}

// Values whose shortest decimal form needs all 17 digits, denormals and the extremes.
TEST_F(Dump, ReelleZahlenUeberlebenDieAusgabeBitGenau) {
    const std::vector<double> werte{0.1,
                                    0.1 + 0.2,
                                    1.0 / 3.0,
                                    2.0 / 3.0,
                                    1e-300,
                                    5e-324,
                                    std::numeric_limits<double>::min(),
                                    std::numeric_limits<double>::max(),
                                    -123456789.98765432,
                                    0.30000000000000004,
                                    std::nextafter(1.0, 2.0),
                                    -0.0};
    Dokument dok = TestDokument();
    dok.Objekte.clear();
    for (double w : werte) {
        ObjDataTyp o;
        o.OB_Sx = w;
        o.OB_Ky = -w;
        dok.Objekte.push_back(o);
    }
    const QJsonArray objekte = dump(geschrieben(dok))[u"objekte"].toArray();
    ASSERT_EQ(objekte.size(), qsizetype(werte.size()));
    for (size_t i = 0; i < werte.size(); ++i) {
        const QJsonObject j = objekte.at(qsizetype(i)).toObject();
        // -0.0 may come back as 0: equal as numbers is what JSON promises there.
        EXPECT_EQ(j[u"OB_Sx"].toDouble(), werte[i]) << i;
        if (werte[i] != 0.0) {
            EXPECT_TRUE(BitGleich(j[u"OB_Sx"].toDouble(), werte[i])) << i;
            EXPECT_TRUE(BitGleich(j[u"OB_Ky"].toDouble(), -werte[i])) << i;
        }
    }
}

TEST_F(Dump, NichtEndlicheZahlGiltAlsBeschaedigt) {
    Dokument dok = TestDokument();
    dok.Header.HD_RandErw = {std::numeric_limits<double>::quiet_NaN(), 0, 0, 0.5};
    const WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("dump"), geschrieben(dok)});
    EXPECT_EQ(e.exitCode, 1);
    EXPECT_TRUE(e.ausgabe.isEmpty());
    EXPECT_TRUE(e.fehler.contains(QStringLiteral("kann nicht gelesen werden"))) << e.fehler.toStdString();
}

TEST_F(Dump, FehlendeDateiMeldetExistiertNicht) {
    const QString pfad = m_ordner.filePath(QStringLiteral("fehlt.tvl"));
    const WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("dump"), pfad});
    EXPECT_EQ(e.exitCode, 1);
    EXPECT_TRUE(e.ausgabe.isEmpty());
    EXPECT_EQ(e.fehler.trimmed(), FehltText(QDir::toNativeSeparators(pfad)));
}

TEST_F(Dump, FalscheKennungMeldetZuerstUngueltigesDateiformat) {
    const QString pfad = m_ordner.filePath(QStringLiteral("falsch.tvl"));
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(QByteArray("\x08\x00\x00\x00XRF-1.01", 12) + QByteArray(300, 'x'));
    datei.close();
    const WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("dump"), pfad});
    EXPECT_EQ(e.exitCode, 1);
    EXPECT_TRUE(e.ausgabe.isEmpty());
    EXPECT_TRUE(e.fehler.startsWith(QStringLiteral("Ungültiges Dateiformat.\n"))) << e.fehler.toStdString();
    EXPECT_TRUE(e.fehler.contains(QStringLiteral("kann nicht gelesen werden")));
}

// A file cut at every kind of place takes the read-failure path and prints nothing on stdout.
TEST_F(Dump, AbgeschnitteneDateiIstLesefehler) {
    const QByteArray ganz = DateiInhalt(geschrieben(TestDokument()));
    for (const qsizetype laenge :
         {qsizetype(3), qsizetype(20), qsizetype(270), ganz.size() / 2, ganz.size() - 13}) {
        const QString pfad = m_ordner.filePath(QStringLiteral("kurz.tvl"));
        QFile datei(pfad);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        datei.write(ganz.left(laenge));
        datei.close();
        const WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("dump"), pfad});
        EXPECT_EQ(e.exitCode, 1) << laenge;
        EXPECT_TRUE(e.ausgabe.isEmpty()) << laenge;
        EXPECT_TRUE(e.fehler.contains(QStringLiteral("kann nicht gelesen werden"))) << laenge;
    }
}

} // namespace
