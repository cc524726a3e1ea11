// "kartello-tool render": the map as the map view composes it, written as PNG.
#include "werkzeug_lauf.h"

#include "data/av_data.h"
#include "documents/tvl_datei.h"
#include "mapview/karte.h"
#include "mapview/kartenfarben.h"
#include "mapview/kartenhilfen.h"
#include "mapview/nummerierung.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QColor Land(90, 160, 90);

int Zaehle(const QImage& bild, const QRect& r, QColor farbe) {
    int n = 0;
    const QRect c = r.intersected(bild.rect());
    for (int y = c.top(); y <= c.bottom(); ++y)
        for (int x = c.left(); x <= c.right(); ++x)
            if (bild.pixelColor(x, y) == farbe) ++n;
    return n;
}

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        m_dok.Header.HD_titel = QStringLiteral("Seen");
        m_dok.Basisbild = QImage(870, 650, QImage::Format_RGB32);
        m_dok.Basisbild.fill(Land);
        for (const auto& [text, x, y] : {std::tuple{QStringLiteral("Bodensee"), 0.3, 0.3},
                                         std::tuple{QStringLiteral("Gardasee"), 0.6, 0.7}}) {
            ObjDataTyp o;
            o.OB_Cap = text;
            o.OB_Sx = x - 0.05;
            o.OB_Sy = y;
            o.OB_Kx = x;
            o.OB_Ky = y;
            o.OB_Ebene = 1;
            o.OB_Sline = 1;
            m_dok.Objekte.push_back(o);
        }
        TvlSchreiber schreiber;
        ASSERT_TRUE(schreiber.schreiben(Tvl(), m_dok));
    }
    QString Tvl() const { return m_tmp.filePath(QStringLiteral("seen.tvl")); }
    QString Png() const { return m_tmp.filePath(QStringLiteral("karte.png")); }
    QImage Rendern(const QStringList& optionen) {
        const WerkzeugErgebnis e =
            WerkzeugStarten(QStringList{QStringLiteral("render"), Tvl(), Png()} + optionen);
        EXPECT_EQ(e.exitCode, 0) << e.fehler.toStdString();
        return QImage(Png()).convertToFormat(QImage::Format_RGB32);
    }
    // The same composition in this process, for the box positions.
    Karte& ImProzess(QSize steuer, int zoomindex) {
        m_kopie = m_dok;
        NummerierungSetzen(m_kopie);
        m_karte = std::make_unique<Karte>(m_kopie);
        m_karte->SetzeSteuerelementgroesse(steuer);
        if (!m_karte->ZoomSetzen(zoomindex)) m_karte->AnsichtAufbauen();
        return *m_karte;
    }
    QRect Box(int i) const {
        const auto& b = m_kopie.Objekte[i].Box;
        const QSize g = m_karte->Kartenbild().size();
        const int l = RundeGerade(b[0] * g.width());
        const int t = RundeGerade(b[1] * g.height());
        return {l, t, RundeGerade(b[2] * g.width()) - l, RundeGerade(b[3] * g.height()) - t};
    }

    QTemporaryDir m_tmp;
    Dokument m_dok;
    Dokument m_kopie;
    std::unique_ptr<Karte> m_karte;
};

struct Groesse {
    QStringList optionen;
    QSize erwartet;
};

TEST_F(RenderTest, BildgroesseNachSteuerelementUndZoom) {
    const Groesse faelle[] = {
        {{}, QSize(870, 650)},
        {{QStringLiteral("--zoom"), QStringLiteral("200")}, QSize(1740, 1300)},
        {{QStringLiteral("--zoom"), QStringLiteral("150")}, QSize(1305, 975)},
        {{QStringLiteral("--breite"), QStringLiteral("435"), QStringLiteral("--hoehe"),
          QStringLiteral("400")},
         QSize(435, 325)},
    };
    for (const Groesse& fall : faelle)
        EXPECT_EQ(Rendern(fall.optionen).size(), fall.erwartet) << fall.optionen.join(u' ').toStdString();
}

TEST_F(RenderTest, AbdeckungenMitNummernOderAufgedeckt) {
    const QImage bild = Rendern({});
    ImProzess(QSize(870, 650), 0);
    EXPECT_EQ(bild, m_karte->Kartenbild().convertToFormat(QImage::Format_RGB32));
    for (int i = 0; i < 2; ++i) {
        const QRect box = Box(i);
        ASSERT_GT(box.width(), 30);
        // Fill inside the box, border on its edge, the red number on the white disc.
        EXPECT_GT(Zaehle(bild, box.adjusted(1, 1, -1, -1), Kartenfarbe::AbdeckungFuellung), box.width() * 4);
        EXPECT_EQ(bild.pixelColor(box.left(), box.center().y()), Kartenfarbe::AbdeckungRand);
        EXPECT_GT(Zaehle(bild, box, Qt::white), 50);
        EXPECT_EQ(Zaehle(bild, box, Land), 0);
    }
    EXPECT_EQ(bild.pixelColor(5, 5), Land);

    const QImage offen = Rendern({QStringLiteral("--aufgedeckt")});
    for (int i = 0; i < 2; ++i) {
        const QRect box = Box(i);
        EXPECT_EQ(Zaehle(offen, box, Kartenfarbe::AbdeckungFuellung), 0);
        int dunkel = 0; // the caption in black
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (qGray(offen.pixel(x, y)) < 60) ++dunkel;
        EXPECT_GT(dunkel, 30);
    }
}

TEST_F(RenderTest, BeispielWieImProgramm) {
    const QString europa = QStringLiteral(KARTELLO_BIN_ORDNER "/europa.tvl");
    const WerkzeugErgebnis e = WerkzeugStarten(
        {QStringLiteral("render"), europa, Png(), QStringLiteral("--zoom"), QStringLiteral("200")});
    ASSERT_EQ(e.exitCode, 0) << e.fehler.toStdString();
    TvlLeser leser;
    Dokument dok;
    ASSERT_TRUE(leser.lesen(europa, dok));
    m_dok = dok;
    ImProzess(QSize(870, 650), 4);
    EXPECT_EQ(QImage(Png()).convertToFormat(QImage::Format_RGB32),
              m_karte->Kartenbild().convertToFormat(QImage::Format_RGB32));
}

TEST_F(RenderTest, FormatNachEndungWieImProgramm) {
    ImProzess(QSize(870, 650), 0);
    const QImage karte = m_karte->Kartenbild().convertToFormat(QImage::Format_RGB32);
    for (const char* name : {"karte.BMP", "karte.Jpg"}) {
        const QString aus = m_tmp.filePath(QString::fromLatin1(name));
        const WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("render"), Tvl(), aus});
        ASSERT_EQ(e.exitCode, 0) << name << e.fehler.toStdString();
        QFile f(aus);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray kopf = f.read(2);
        const QImage bild = QImage(aus).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(bild.size(), karte.size()) << name;
        if (name[6] == 'B') {
            EXPECT_EQ(kopf, "BM");
            EXPECT_EQ(bild, karte);
        } else {
            EXPECT_EQ(kopf, "\xff\xd8");
        }
    }
    for (const char* name : {"karte.jpeg", "karte", "karte.gif"}) {
        const QString aus = m_tmp.filePath(QString::fromLatin1(name));
        const WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("render"), Tvl(), aus});
        EXPECT_EQ(e.exitCode, 1) << name;
        EXPECT_TRUE(e.fehler.contains(
            QStringLiteral("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.")))
            << name << e.fehler.toStdString();
        EXPECT_FALSE(QFile::exists(aus)) << name;
    }
}

struct Fehlaufruf {
    const char* name;
    QStringList optionen;
    int exitCode;
};

TEST_F(RenderTest, FalscheAufrufeUndDateien) {
    const Fehlaufruf faelle[] = {
        {"zoom", {QStringLiteral("--zoom"), QStringLiteral("120")}, 2},
        {"breite_null", {QStringLiteral("--breite"), QStringLiteral("0")}, 2},
        {"breite_text", {QStringLiteral("--breite"), QStringLiteral("breit")}, 2},
        {"ohne_wert", {QStringLiteral("--hoehe")}, 2},
        {"unbekannt", {QStringLiteral("--farbig")}, 2},
    };
    for (const Fehlaufruf& f : faelle) {
        const WerkzeugErgebnis e =
            WerkzeugStarten(QStringList{QStringLiteral("render"), Tvl(), Png()} + f.optionen);
        EXPECT_EQ(e.exitCode, f.exitCode) << f.name;
        EXPECT_FALSE(e.fehler.isEmpty()) << f.name;
        EXPECT_FALSE(QFile::exists(Png())) << f.name;
    }
    const WerkzeugErgebnis fehlt =
        WerkzeugStarten({QStringLiteral("render"), m_tmp.filePath(QStringLiteral("weg.tvl")), Png()});
    EXPECT_EQ(fehlt.exitCode, 1);
    EXPECT_TRUE(fehlt.fehler.contains(QStringLiteral("weg.tvl")));

    QFile kaputt(m_tmp.filePath(QStringLiteral("kaputt.tvl")));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("KRF-1.01\r\nHD-titel=x\r\n");
    kaputt.close();
    EXPECT_EQ(WerkzeugStarten({QStringLiteral("render"), kaputt.fileName(), Png()}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(Png()));

    const WerkzeugErgebnis schreiben =
        WerkzeugStarten({QStringLiteral("render"), Tvl(), QStringLiteral("/gibt/es/nicht/karte.png")});
    EXPECT_EQ(schreiben.exitCode, 1);
    EXPECT_TRUE(schreiben.fehler.contains(QStringLiteral("karte.png")));
}

} // namespace
