// The window "Klassenauswertung" over the records of a class: its figures agree with the
// tool's, the map shows the colours and the confusions, and the outputs go through the ports.
#include "klassenlauf.h"

#include "analysis/ac_klassenauswertung.h"
#include "analysis/auswertung_text.h"
#include "fake_dialoge.h"
#include "fake_meldungen.h"
#include "fake_zwischenablage.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString TabellenZeilen(const QTableWidget* t) {
    QString text;
    QStringList kopf;
    for (int s = 0; s < t->columnCount(); ++s)
        kopf.append(t->horizontalHeaderItem(s)->text());
    text += kopf.join(u'\t') + u'\n';
    for (int z = 0; z < t->rowCount(); ++z) {
        QStringList zellen;
        for (int s = 0; s < t->columnCount(); ++s)
            zellen.append(t->item(z, s)->text());
        text += zellen.join(u'\t') + u'\n';
    }
    return text;
}

struct Fenster {
    FakeMeldungen meldungen;
    FakeDialoge dialoge;
    FakeZwischenablage ablage;
    TKlassenauswertungForm form{meldungen, dialoge, ablage};
};

TEST(KlassenauswertungFenster, ZahlenWieDasWerkzeugUndDieHandzaehlung) {
    const Klassenlauf k;
    Fenster f;
    ASSERT_TRUE(f.form.Oeffnen(k.kqa, {}));
    EXPECT_TRUE(f.dialoge.oeffnenAuftraege.empty()) << "the document was found beside the records";
    // The window writes the confusion with its position; the figures are the tool's.
    QString erwartet = ErwarteteTabelleErste(k);
    erwartet.replace(QStringLiteral("\tÖsterreich (1)"), QStringLiteral("\tDeutschland ← Österreich (1)"))
        .replace(QStringLiteral("\tTschechien (1)"), QStringLiteral("\tPolen ← Tschechien (1)"))
        .replace(QStringLiteral("\tÖsterreich (2)"), QStringLiteral("\tTschechien ← Österreich (2)"));
    EXPECT_EQ(TabellenZeilen(f.form.positionenTabelle()), erwartet);
    EXPECT_EQ(f.form.schuelerTabelle()->rowCount(), 3);

    // Every position on the map, in the colour of its share: Tschechien red, Polen yellow.
    const AuswertungsBild& karte = f.form.karte();
    ASSERT_EQ(karte.stellen.size(), 3u);
    for (const MarkierteStelle& s : karte.stellen) {
        const QColor rand = karte.bild.pixelColor(s.rechteck.left() + 1, s.rechteck.center().y());
        const PositionsZeile& p = f.form.auswertung().positionen[s.zeile];
        const QColor soll = AmpelFarbe(AmpelFuer(p.anteil()));
        EXPECT_LT(std::abs(rand.red() - soll.red()) + std::abs(rand.green() - soll.green()), 60)
            << p.antwort.toStdString();
    }

    // All runs: Anna's repeat makes Tschechien a half.
    f.form.findChild<QComboBox*>(QStringLiteral("UmfangBox"))->setCurrentIndex(1);
    EXPECT_TRUE(TabellenZeilen(f.form.positionenTabelle())
                    .contains(k.nrTschechien + QStringLiteral("\tTschechien\t3\t50.0 %\t2\t")));
}

TEST(KlassenauswertungFenster, FokusZeigtVerwechslungenUndAusgabenGehenDurchDiePorts) {
    const Klassenlauf k;
    Fenster f;
    ASSERT_TRUE(f.form.Oeffnen(k.kqa, {}));
    f.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.form));
    QWidget* feld = f.form.findChild<QWidget*>(QStringLiteral("KartenFeld"));
    ASSERT_NE(feld, nullptr);
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_Right);
    QTest::keyClick(feld, Qt::Key_Right);
    // Focus on the third position (number order): Tschechien, with its confusion.
    EXPECT_TRUE(feld->accessibleDescription().contains(QStringLiteral("Tschechien ← Österreich (2)")))
        << feld->accessibleDescription().toStdString();

    const QString csv = k.tmp.filePath(QStringLiteral("fenster.csv"));
    f.dialoge.dateien.push_back(csv);
    QTest::mouseClick(f.form.findChild<QPushButton*>(QStringLiteral("SaveBtn")), Qt::LeftButton);
    EXPECT_TRUE(QFile(csv).open(QIODevice::ReadOnly));

    QTest::mouseClick(f.form.findChild<QPushButton*>(QStringLiteral("ClipBtn")), Qt::LeftButton);
    ASSERT_EQ(f.ablage.inhalte.size(), 1u);
    EXPECT_EQ(f.ablage.inhalte[0].Bild.size(), f.form.karte().bild.size());
    EXPECT_TRUE(f.ablage.inhalte[0].Text.startsWith(QStringLiteral("Nr\tAntwort\t")));

    const QString pdf = k.tmp.filePath(QStringLiteral("druck.pdf"));
    f.dialoge.druckPdf = pdf;
    QTest::mouseClick(f.form.findChild<QPushButton*>(QStringLiteral("DruckBtn")), Qt::LeftButton);
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_TRUE(f.meldungen.eintraege.empty());
}

TEST(KlassenauswertungFenster, FehlendesDokumentWirdErfragt) {
    const Klassenlauf k;
    const QString anderswo = k.tmp.filePath(QStringLiteral("anderswo.tvl"));
    ASSERT_TRUE(QFile::rename(k.tvl, anderswo));
    // Renamed in the same folder: found by its hash without asking.
    Fenster f;
    ASSERT_TRUE(f.form.Oeffnen(k.kqa, {}));
    EXPECT_TRUE(f.dialoge.oeffnenAuftraege.empty());
    // Gone: the window asks; cancelled, it shows the tables and numbered tiles.
    ASSERT_TRUE(QFile::remove(anderswo));
    Fenster g;
    ASSERT_TRUE(g.form.Oeffnen(k.kqa, {}));
    ASSERT_EQ(g.dialoge.oeffnenAuftraege.size(), 1u);
    EXPECT_EQ(g.dialoge.oeffnenAuftraege[0].Dateiname, QStringLiteral("europa.tvl"));
    EXPECT_EQ(g.form.karte().stellen.size(), 3u);
    EXPECT_EQ(g.form.positionenTabelle()->rowCount(), 3);
    // A file that holds no records is refused with a message.
    Fenster h;
    EXPECT_FALSE(h.form.Oeffnen(QStringLiteral(KARTELLO_BIN_ORDNER "/europa.tvl"), {}));
    ASSERT_EQ(h.meldungen.eintraege.size(), 1u);
}

} // namespace
