// The exercise's best list under a classroom's load, and the view that follows it.
#include "netztest.h"

#include "results/bestenliste.h"
#include "results/bestenliste_datei.h"
#include "results/bestenliste_verfolger.h"
#include "fake_uhr.h"

#include <QProcess>
#include <QSet>
#include <QTest>
#include <memory>

namespace {

TEST_F(NetzTest, DreissigSchuelerGleichzeitigVerlierenKeinErgebnis) {
    const QString liste = dateien().Bestenliste;
    std::vector<std::unique_ptr<QProcess>> schueler;
    for (int i = 0; i < 30; ++i) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(KARTELLO_BIN_ORDNER "/kartello-tool"),
                 {QStringLiteral("bestenliste"), QStringLiteral("eintragen"), liste, QStringLiteral("--name"),
                  QStringLiteral("Schüler %1").arg(i), QStringLiteral("--rechner"),
                  QStringLiteral("PC-%1").arg(i), QStringLiteral("--dauer-ms"), QString::number(60000 + i),
                  QStringLiteral("--leistung"), QStringLiteral("0.5")});
        schueler.push_back(std::move(p));
    }
    for (auto& p : schueler) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    std::vector<BestListDataTyp> eintraege;
    QString fehler;
    ASSERT_TRUE(BestListLesenVersuch(liste, eintraege, fehler)) << fehler.toStdString();
    ASSERT_EQ(eintraege.size(), 30u);
    QSet<QString> namen;
    for (const BestListDataTyp& e : eintraege) {
        namen.insert(e.Name);
        EXPECT_EQ(e.Rechner, QStringLiteral("PC-") + e.Name.mid(8));
        EXPECT_EQ(e.Dauer, 60000 + e.Name.mid(8).toInt());
        EXPECT_EQ(e.Leistung, 0.5);
    }
    EXPECT_EQ(namen.size(), 30);
}

TEST_F(NetzTest, AnsichtFolgtDerGeteiltenDatei) {
    const QString pfad = dateien().Bestenliste;
    FakeMeldungen m;
    FakeWarten w;
    Bestenliste liste(m, w);
    bool gesperrt = false;
    int geladen = 0;
    BestListVerfolger verfolger(
        pfad,
        [&] {
            if (gesperrt) return false; // a writer holds the file: try again later
            ++geladen;
            return liste.stillNachladen(pfad);
        },
        50);
    const auto eintrag = [](const char* name, double leistung) {
        return BestListEintrag(QString::fromUtf8(name), QStringLiteral("PC"), QDateTime::currentDateTime(),
                               1000, leistung);
    };
    QString fehler;
    ASSERT_TRUE(BestListAnhaengen(pfad, eintrag("Ada", 0.5), w, fehler));
    ASSERT_TRUE(QTest::qWaitFor([&] { return liste.eintraege().size() == 1; }, 3000));
    gesperrt = true;
    ASSERT_TRUE(BestListAnhaengen(pfad, eintrag("Bert", 0.9), w, fehler));
    QTest::qWait(200);
    EXPECT_EQ(liste.eintraege().size(), 1u);
    gesperrt = false; // the next poll takes the change it could not load before
    ASSERT_TRUE(QTest::qWaitFor([&] { return liste.eintraege().size() == 2; }, 3000));
    EXPECT_EQ(liste.eintraege()[0].Name, QStringLiteral("Bert")) << "ranked";
    const int bisher = geladen;
    QTest::qWait(200);
    EXPECT_EQ(geladen, bisher) << "an unchanged file is not read again";
    // A new exercise deletes the list: the view empties.
    ASSERT_TRUE(QFile::remove(pfad));
    ASSERT_TRUE(QTest::qWaitFor([&] { return liste.eintraege().empty(); }, 3000));
    EXPECT_TRUE(m.eintraege.empty()) << "following shows no message";
}

} // namespace
