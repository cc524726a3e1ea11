// "kartello-tool arbeitsblatt": the page the window makes, written by file extension.
#include "werkzeug_lauf.h"

#include "pdf_seite.h"

#include "documents/tvl_datei.h"
#include "worksheet/arbeitsblatt.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class BlattWerkzeug : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        m_dok.Header.HD_titel = QStringLiteral("Seen");
        m_dok.Header.HD_DokTyp = Einzelfragen;
        m_dok.Header.HD_fragentext = QStringLiteral("Größter See? // Bodensee\r\nTiefster See");
        m_dok.Basisbild = QImage(300, 200, QImage::Format_RGB32);
        m_dok.Basisbild.fill(Qt::white);
        TvlSchreiber schreiber;
        ASSERT_TRUE(schreiber.schreiben(Pfad(QStringLiteral("seen.tvl")), m_dok));
    }
    QString Pfad(const QString& name) const { return m_tmp.filePath(name); }
    WerkzeugErgebnis Blatt(const QString& aus, const QStringList& optionen = {}) {
        return WerkzeugStarten(
            QStringList{QStringLiteral("arbeitsblatt"), Pfad(QStringLiteral("seen.tvl")), Pfad(aus)} +
            optionen);
    }
    QTemporaryDir m_tmp;
    Dokument m_dok;
};

} // namespace

TEST_F(BlattWerkzeug, PngIstDieVorschauDesFenstersMitDenselbenOptionen) {
    const QStringList optionen{
        QStringLiteral("--art"),     QStringLiteral("loesung"),     QStringLiteral("--ohne-klasse"),
        QStringLiteral("--aufgabe"), QStringLiteral("Beantworte!"), QStringLiteral("--ab-frage"),
        QStringLiteral("2")};
    const WerkzeugErgebnis e = Blatt(QStringLiteral("blatt.png"), optionen);
    ASSERT_EQ(e.exitCode, 0) << e.fehler.toStdString();
    TvlLeser leser;
    Dokument gelesen;
    ASSERT_TRUE(leser.lesen(Pfad(QStringLiteral("seen.tvl")), gelesen));
    ArbeitsblattOptionen o;
    o.art = LoesungKomplett;
    o.klasse = false;
    o.aufgabe = QStringLiteral("Beantworte!");
    o.abFrage = 2;
    o.titel = QStringLiteral("Seen");
    const QImage erwartet = Arbeitsblatt(gelesen, o, QSize(870, 650)).Vorschaubild();
    const QImage bild = QImage(Pfad(QStringLiteral("blatt.png"))).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(bild.size(), QSize(1001, 1625));
    EXPECT_TRUE(bild == erwartet);

    for (const char* endung : {"emf", "wmf", "svg", "pdf"}) {
        const QString name = QStringLiteral("blatt.") + QString::fromLatin1(endung);
        EXPECT_EQ(Blatt(name, {QStringLiteral("--titel"), QString()}).exitCode, 0) << endung;
        EXPECT_GT(QFile(Pfad(name)).size(), 100) << endung;
    }
}

// The PDF is an A4 sheet with the page where the print window puts it by default: a
// printer's border clips nothing, and the page keeps its ratio.
TEST_F(BlattWerkzeug, PdfIstEinA4BlattMitDenRaendernDesDruckfensters) {
    const WerkzeugErgebnis e = Blatt(QStringLiteral("blatt.pdf"));
    ASSERT_EQ(e.exitCode, 0) << e.fehler.toStdString();
    const PdfSeite seite = PdfLesen(Pfad(QStringLiteral("blatt.pdf")));
    ASSERT_TRUE(seite.gelesen) << seite.fehler.toStdString();
    EXPECT_NEAR(seite.punkte.width(), 595.28, 0.5);
    EXPECT_NEAR(seite.punkte.height(), 841.89, 0.5);
    const DruckLage lage = StandardDruckLage();
    EXPECT_DOUBLE_EQ(lage.hoehe, 27.0);
    const QRectF rahmen(lage.links, lage.oben, lage.breite, lage.breite / Seitenverhaeltnis);
    const QRectF cm = seite.inCm(seite.dunkel);
    const double pixel = 1.0 / seite.proCm + 0.01;
    EXPECT_GE(cm.left(), rahmen.left() - pixel);
    EXPECT_GE(cm.top(), rahmen.top() - pixel);
    EXPECT_LE(cm.right(), rahmen.right() + pixel);
    EXPECT_LE(cm.bottom(), rahmen.bottom() + pixel);
    // The footer sits at the page's foot: the page is drawn at full height, not squashed.
    EXPECT_GT(cm.bottom(), rahmen.top() + 0.95 * rahmen.height()) << cm.bottom();
}

TEST_F(BlattWerkzeug, FehlerfaelleUndRueckgabewerte) {
    struct Fall {
        QStringList argumente;
        int exitCode;
        QString meldung;
    };
    const QString tvl = Pfad(QStringLiteral("seen.tvl"));
    QFile kaputt(Pfad(QStringLiteral("kaputt.tvl")));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("KRF-1.01\r\nkein Dokument");
    kaputt.close();
    const std::vector<Fall> faelle{
        {{tvl, Pfad(QStringLiteral("a.bmp"))},
         1,
         QStringLiteral("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.")},
        {{Pfad(QStringLiteral("kaputt.tvl")), Pfad(QStringLiteral("a.emf"))},
         1,
         QStringLiteral("kaputt.tvl")},
        {{Pfad(QStringLiteral("fehlt.tvl")), Pfad(QStringLiteral("a.emf"))}, 1, QStringLiteral("fehlt.tvl")},
        {{tvl, Pfad(QStringLiteral("a.emf")), QStringLiteral("--art"), QStringLiteral("tafel")},
         2,
         QStringLiteral("--art")},
        {{tvl, Pfad(QStringLiteral("a.emf")), QStringLiteral("--ab-frage"), QStringLiteral("0")},
         2,
         QStringLiteral("--ab-frage")},
        {{tvl, Pfad(QStringLiteral("a.emf")), QStringLiteral("--titel")}, 2, QStringLiteral("ohne Wert")},
        {{tvl}, 2, QStringLiteral("Falsche Anzahl")},
    };
    for (const Fall& f : faelle) {
        const WerkzeugErgebnis e = WerkzeugStarten(QStringList{QStringLiteral("arbeitsblatt")} + f.argumente);
        EXPECT_EQ(e.exitCode, f.exitCode) << f.argumente.join(u' ').toStdString();
        EXPECT_TRUE(e.fehler.contains(f.meldung)) << e.fehler.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Pfad(QStringLiteral("a.bmp"))));
    EXPECT_FALSE(QFile::exists(Pfad(QStringLiteral("a.emf"))));
}
