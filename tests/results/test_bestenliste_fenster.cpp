// The best-list window and the folders window with real widgets.
#include "results/ac_bestlist.h"
#include "results/av_bestlistverz.h"
#include "results/bestenliste.h"
#include "results/bestenliste_text.h"

#include "data/av_data.h"
#include "fake_dialoge.h"
#include "fake_meldungen.h"
#include "fake_zwischenablage.h"
#include "test_bestenliste_hilfe.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Zelle(const QTableView* g, int zeile, int spalte) {
    return g->model()->index(zeile, spalte).data().toString();
}

Qt::Alignment Ausrichtung(const QTableView* g, int zeile, int spalte) {
    return Qt::Alignment(g->model()->index(zeile, spalte).data(Qt::TextAlignmentRole).toInt()) &
           Qt::AlignHorizontal_Mask;
}

class BestListFenster : public ::testing::Test {
protected:
    void SetUp() override {
        const QString p = m_ordner.filePath(QStringLiteral("l.hsc"));
        m_liste.anhaengen(p, TestEintrag(QStringLiteral("Bo"), 0.5, 6000000));
        m_liste.anhaengen(p, TestEintrag(QStringLiteral("Anna"), 0.875, 59999));
        m_liste.laden(p, false);
        m_liste.rangfolge();
    }
    QTemporaryDir m_ordner;
    FakeMeldungen m_meldungen;
    FakeDialoge m_dialoge;
    FakeZwischenablage m_ablage;
    AktionsWarten m_warten;
    Bestenliste m_liste{m_meldungen, m_warten};
};

TEST_F(BestListFenster, GridZeigtDieGeordneteListeBeimAktivieren) {
    TBestListForm f(m_liste, m_meldungen, m_dialoge, m_ablage);
    f.show();
    QTableView* g = f.Grid1();
    const QAbstractItemModel* m = g->model();
    ASSERT_EQ(m->rowCount(), 2);
    ASSERT_EQ(m->columnCount(), 6);
    EXPECT_EQ(m->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Zeit (Min:Sek)"));
    EXPECT_EQ(Zelle(g, 0, 1), QStringLiteral("Anna"));
    EXPECT_EQ(Zelle(g, 0, 3), QStringLiteral("87.5 %"));
    EXPECT_EQ(Zelle(g, 1, 4), QStringLiteral("100:00"));
    EXPECT_EQ(Ausrichtung(g, 0, 0), Qt::AlignHCenter);
    EXPECT_EQ(Ausrichtung(g, 0, 1), Qt::AlignLeft);
    EXPECT_FALSE(f.findChild<QLabel*>(QStringLiteral("SchadenLab"))->isVisible());
    // The designed widths, widened where a header text would be cut ("Zeit (Min:Sek)"),
    // and the whole header visible at the window's own size.
    const std::array<int, 6> breiten{40, 200, 100, 80, 80, 140};
    const QFontMetrics masse = g->horizontalHeader()->fontMetrics();
    for (int s = 0; s < 6; ++s) {
        const int text = masse.horizontalAdvance(m->headerData(s, Qt::Horizontal).toString()) + 2;
        EXPECT_GE(g->columnWidth(s), std::max(breiten[s], text)) << s;
        if (text + 20 < breiten[s]) {
            EXPECT_EQ(g->columnWidth(s), breiten[s]) << s;
        }
    }
    EXPECT_LE(g->horizontalHeader()->length(), g->viewport()->width());
    EXPECT_EQ(g->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_EQ(g->selectionBehavior(), QAbstractItemView::SelectRows);
    f.close();
}

// A list damaged before its end: the window shows the entries before the damage and
// says so above them; a whole list loaded later hides the warning again.
TEST_F(BestListFenster, BeschaedigteListeZeigtDieWarnung) {
    const QString p = m_ordner.filePath(QStringLiteral("kaputt.hsc"));
    Schreiben(p,
              HscBytes().kopf().eintrag("Anna", "PC", 1, 2, 0.5).ganzzahl(-1).bytes() + QByteArray(40, 'x'));
    ASSERT_TRUE(m_liste.laden(p, false));
    TBestListForm f(m_liste, m_meldungen, m_dialoge, m_ablage);
    f.show();
    auto* warnung = f.findChild<QLabel*>(QStringLiteral("SchadenLab"));
    EXPECT_TRUE(warnung->isVisible());
    EXPECT_EQ(warnung->text(),
              QStringLiteral("Die Bestenliste \"") + p +
                  QStringLiteral("\" ist ab Eintrag 2 beschädigt; angezeigt werden die Einträge "
                                 "davor."));
    EXPECT_EQ(f.Grid1()->model()->rowCount(), 1);
    EXPECT_EQ(Zelle(f.Grid1(), 0, 1), QStringLiteral("Anna"));
    f.hide();
    m_liste.laden(m_ordner.filePath(QStringLiteral("l.hsc")), false);
    f.show();
    EXPECT_FALSE(warnung->isVisible());
    EXPECT_EQ(f.Grid1()->model()->rowCount(), 2);
    f.close();
}

TEST_F(BestListFenster, LeereListeZeigtEineLeereZeile) {
    m_liste.leeren();
    TBestListForm f(m_liste, m_meldungen, m_dialoge, m_ablage);
    f.show();
    ASSERT_EQ(f.Grid1()->model()->rowCount(), 1);
    EXPECT_TRUE(Zelle(f.Grid1(), 0, 1).isEmpty());
    f.close();
}

TEST_F(BestListFenster, SpeichernSchreibtDenGridText) {
    TBestListForm f(m_liste, m_meldungen, m_dialoge, m_ablage);
    const QString ziel = m_ordner.filePath(QStringLiteral("liste.txt"));
    m_dialoge.dateien.push_back(ziel);
    f.show();
    QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("SaveBtn")), Qt::LeftButton);
    ASSERT_EQ(m_dialoge.speichernAuftraege.size(), 1u);
    EXPECT_EQ(m_dialoge.speichernAuftraege[0].Titel, QStringLiteral("Bestenliste in Datei speichern"));
    EXPECT_EQ(Inhalt(ziel), BestListGridBytes(BestListZeilen(m_liste.eintraege())));
    EXPECT_TRUE(m_meldungen.eintraege.empty());
    f.close();
}

TEST_F(BestListFenster, SpeichernInUngueltigenOrdnerMeldetFehler) {
    TBestListForm f(m_liste, m_meldungen, m_dialoge, m_ablage);
    const QString ziel = m_ordner.filePath(QStringLiteral("nicht/da.txt"));
    m_dialoge.dateien.push_back(ziel);
    f.show();
    f.Speichern();
    EXPECT_EQ(m_meldungen.texte(), std::vector<QString>{SchreibfehlerText(ziel)});
    f.close();
}

TEST_F(BestListFenster, ZwischenablageBekommtDenGridText) {
    TBestListForm f(m_liste, m_meldungen, m_dialoge, m_ablage);
    f.show();
    QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("ClipBtn")), Qt::LeftButton);
    ASSERT_EQ(m_ablage.inhalte.size(), 1u);
    EXPECT_EQ(m_ablage.inhalte[0].Text, BestListGridText(BestListZeilen(m_liste.eintraege())));
    f.close();
}

TEST_F(BestListFenster, DruckenInEinePdfDatei) {
    TBestListForm f(m_liste, m_meldungen, m_dialoge, m_ablage);
    const QString pdf = m_ordner.filePath(QStringLiteral("b.pdf"));
    m_dialoge.druckPdf = pdf;
    f.show();
    QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("DruckBtn")), Qt::LeftButton);
    EXPECT_TRUE(Inhalt(pdf).startsWith("%PDF"));
    f.close();
}

TEST_F(BestListFenster, EscapeSchliesst) {
    TBestListForm f(m_liste, m_meldungen, m_dialoge, m_ablage);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
}

class VerzFenster : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(m_basis.path()).mkpath(QStringLiteral("prot"));
        QDir(m_basis.path()).mkpath(QStringLiteral("best"));
        m_ordner.Protokollordner = QStringLiteral("/alt/prot/");
        m_ordner.Bestenlistenordner = QStringLiteral("/alt/best/");
    }
    QString unter(const QString& name) const { return QDir::toNativeSeparators(m_basis.filePath(name)); }

    QTemporaryDir m_basis;
    ProgrammOrdnerTyp m_ordner;
    FakeMeldungen m_meldungen;
    FakeDialoge m_dialoge;
};

TEST_F(VerzFenster, OrdnerOhneTrennerWirdMitTrennerGespeichert) {
    TBestListVerzForm f(m_ordner, m_meldungen, m_dialoge);
    f.show();
    EXPECT_EQ(f.ProtVerzEdit1()->text(), QStringLiteral("/alt/prot/"));
    EXPECT_EQ(f.BestListVerzEdit1()->text(), QStringLiteral("/alt/best/"));
    f.ProtVerzEdit1()->setText(unter(QStringLiteral("prot")));
    f.BestListVerzEdit1()->setText(unter(QStringLiteral("best")));
    QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
    EXPECT_TRUE(m_meldungen.eintraege.empty());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(m_ordner.Protokollordner, unter(QStringLiteral("prot")) + QDir::separator());
    EXPECT_EQ(m_ordner.Bestenlistenordner, unter(QStringLiteral("best")) + QDir::separator());
}

TEST_F(VerzFenster, UngueltigerOrdnerBleibtOffenUndSpeichertNichts) {
    struct Fall {
        QString prot, best, meldung;
        bool fokusProt;
    };
    const std::vector<Fall> faelle{
        {unter(QStringLiteral("fehlt")), unter(QStringLiteral("best")),
         QStringLiteral("Der angegebene Ordner für die Protokolle ist ungültig."), true},
        {QString(), unter(QStringLiteral("best")),
         QStringLiteral("Der angegebene Ordner für die Protokolle ist ungültig."), true},
        {unter(QStringLiteral("prot")), QString(),
         QStringLiteral("Der angegebene Ordner für die Bestenlisten ist ungültig."), false},
    };
    for (const Fall& fall : faelle) {
        m_meldungen.eintraege.clear();
        TBestListVerzForm f(m_ordner, m_meldungen, m_dialoge);
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        f.ProtVerzEdit1()->setText(fall.prot);
        f.BestListVerzEdit1()->setText(fall.best);
        f.OK();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(m_meldungen.texte(), std::vector<QString>{fall.meldung});
        EXPECT_TRUE((fall.fokusProt ? f.ProtVerzEdit1() : f.BestListVerzEdit1())->hasFocus());
        EXPECT_EQ(m_ordner.Protokollordner, QStringLiteral("/alt/prot/"));
        EXPECT_EQ(m_ordner.Bestenlistenordner, QStringLiteral("/alt/best/"));
        if (!fall.prot.isEmpty()) {
            EXPECT_TRUE(f.ProtVerzEdit1()->text().endsWith(QDir::separator())); // shown with the separator
        }
        f.close();
    }
}

// A fresh installation: the program's own folders do not exist yet, nor their parents;
// OK creates them (a missing folder of anyone else's is refused, as above).
TEST_F(VerzFenster, EigeneStandardordnerWerdenAngelegt) {
    const QString prot = unter(QStringLiteral("daten/nutzer/protokolle")) + QDir::separator();
    const QString best = unter(QStringLiteral("daten/nutzer/bestenlisten")) + QDir::separator();
    m_ordner.EigeneOrdner = {prot, best};
    TBestListVerzForm f(m_ordner, m_meldungen, m_dialoge);
    f.show();
    f.ProtVerzEdit1()->setText(QDir::cleanPath(prot)); // typed without the final separator
    f.BestListVerzEdit1()->setText(best);
    f.OK();
    EXPECT_TRUE(m_meldungen.eintraege.empty());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo(prot).isDir() && QFileInfo(best).isDir());
    EXPECT_EQ(m_ordner.Protokollordner, prot);
    EXPECT_EQ(m_ordner.Bestenlistenordner, best);
}

TEST_F(VerzFenster, DurchsuchenUebernimmtDieWahl) {
    TBestListVerzForm f(m_ordner, m_meldungen, m_dialoge);
    m_dialoge.ordner = {unter(QStringLiteral("best")), std::nullopt};
    f.show();
    QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("BestListVerzBtn")), Qt::LeftButton);
    EXPECT_EQ(f.BestListVerzEdit1()->text(), unter(QStringLiteral("best")));
    QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("ProtVerzBtn")), Qt::LeftButton);
    EXPECT_EQ(f.ProtVerzEdit1()->text(), QStringLiteral("/alt/prot/"));
    EXPECT_EQ(m_dialoge.ordnerTitel,
              (std::vector<QString>{QStringLiteral("Ordner für Bestenlisten festlegen"),
                                    QStringLiteral("Ordner für Protokolle festlegen")}));
    EXPECT_EQ(m_dialoge.ordnerVorauswahl,
              (std::vector<QString>{QStringLiteral("/alt/best/"), QStringLiteral("/alt/prot/")}));
    f.close();
}

TEST_F(VerzFenster, AbbrechenAendertNichts) {
    TBestListVerzForm f(m_ordner, m_meldungen, m_dialoge);
    f.show();
    f.ProtVerzEdit1()->setText(unter(QStringLiteral("prot")));
    QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("AbbrechenBtn")), Qt::LeftButton);
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_EQ(m_ordner.Protokollordner, QStringLiteral("/alt/prot/"));
}

} // namespace
