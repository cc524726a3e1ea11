// "kartello-tool netzuebung zeigen": a published exercise, none, and a damaged one.
#include "werkzeug_lauf.h"

#include "data/av_data.h"
#include "documents/tvl_datei.h"
#include "network/netzuebung.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(NetzuebungZeigen, VeroeffentlichteUebungUndKeine) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString kom = tmp.path();
    WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("netzuebung"), QStringLiteral("zeigen"), kom});
    EXPECT_EQ(e.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(e.ausgabe).contains(QStringLiteral("zurzeit keine Netzwerk-Übung")));

    Dokument dok = TestDokument();
    dok.Header.HD_DokTyp = Einzelfragen;
    const NetzDateienTyp d = NetzDateien(kom + QDir::separator(), QStringLiteral("Raum-12"));
    ASSERT_TRUE(TvlSchreiber().schreiben(d.Dokument, dok));
    NetzUebungDataTyp werte;
    werte.NetzUebungMaster = QStringLiteral("LEHRER-PC");
    werte.ZuordnungFalschItemIndex = 1;
    werte.ZuordnungszieleItemIndex = 0;
    werte.ZeitLimitIndex = 1;
    werte.ZeitLimitWert = 150;
    QString fehler;
    ASSERT_TRUE(NetzUebungSchreiben(d.Einstellungen, werte, fehler));

    e = WerkzeugStarten({QStringLiteral("netzuebung"), QStringLiteral("zeigen"), kom,
                         QStringLiteral("--kanal"), QStringLiteral("Raum-12")});
    ASSERT_EQ(e.exitCode, 0) << e.fehler.toStdString();
    const QString text = QString::fromUtf8(e.ausgabe);
    for (const QString& zeile :
         {QString(QStringLiteral("Dokument: ") + dok.Header.HD_titel),
          QStringLiteral("NetzUebungMaster: LEHRER-PC"),
          QStringLiteral("ZuordnungFalschItemIndex = 1  Abfragemodus: jede Frage nur einmal stellen"),
          QStringLiteral("ZuordnungszieleItemIndex = 0  Reihenfolge der Fragen: geordnet"),
          QStringLiteral("AbfrageModusItemIndex = 0  (bei diesem Dokumenttyp nicht verwendet)"),
          QStringLiteral("ZeitLimitIndex = 1  Zeitlimit: Zeitlimit von:"),
          QStringLiteral("ZeitLimitWert = 150  Zeitlimit (Min:Sek): 02:30")})
        EXPECT_TRUE(text.contains(zeile)) << zeile.toStdString() << "\n" << text.toStdString();

    // The default channel is untouched by the other one, and a damaged file is refused.
    e = WerkzeugStarten({QStringLiteral("netzuebung"), QStringLiteral("zeigen"), kom});
    EXPECT_EQ(e.exitCode, 1);
    QFile kaputt(d.Einstellungen);
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly | QIODevice::Truncate));
    kaputt.write("\x11\0\0\0tvlnetzuebung.da", 20);
    kaputt.close();
    e = WerkzeugStarten({QStringLiteral("netzuebung"), QStringLiteral("zeigen"), kom,
                         QStringLiteral("--kanal"), QStringLiteral("Raum-12")});
    EXPECT_EQ(e.exitCode, 1);
    EXPECT_TRUE(e.fehler.contains(QStringLiteral("kann nicht gelesen werden"))) << e.fehler.toStdString();
    e = WerkzeugStarten({QStringLiteral("netzuebung"), QStringLiteral("zeigen"), kom,
                         QStringLiteral("--kanal"), QStringLiteral("../x")});
    EXPECT_EQ(e.exitCode, 1);
    EXPECT_TRUE(e.fehler.contains(QStringLiteral("\"../x\"")));
}

} // namespace
