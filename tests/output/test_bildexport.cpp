// The image export: which names it takes, what it writes (read back without the
// program's encoders) and what a failed write leaves behind.
#include "bilddekoder.h"
#include "data/av_data.h"
#include "fake_dialoge.h"
#include "fake_meldungen.h"
#include "output/ansichtausgabe.h"
#include "output/bildexport.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A picture with edges, gradients and an odd width, so rows need padding in a bitmap.
QImage Testbild(int breite = 203, int hoehe = 117) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb(x * 255 / breite, y * 255 / hoehe, (x + y) * 255 / (breite + hoehe)));
    QPainter maler(&bild);
    maler.fillRect(20, 20, 60, 30, Qt::white);
    maler.setPen(Qt::black);
    maler.drawText(24, 42, QStringLiteral("Bodensee"));
    return bild;
}

struct Name {
    const char* datei;
    std::optional<Bildformat> format;
};

TEST(Bildexport, ErweiterungEntscheidetUeberFormat) {
    const Name faelle[] = {
        {"karte.png", Bildformat::Png},     {"KARTE.PNG", Bildformat::Png},
        {"karte.JPG", Bildformat::Jpeg},    {"karte.jpg", Bildformat::Jpeg},
        {"karte.Bmp", Bildformat::Bmp},     {"a.b.bmp", Bildformat::Bmp},
        {"karte.jpeg", std::nullopt},       {"karte", std::nullopt},
        {"karte.png.txt", std::nullopt},    {"karte.", std::nullopt},
        {"ordner.png/karte", std::nullopt}, {"karte.gif", std::nullopt},
    };
    for (const Name& f : faelle)
        EXPECT_EQ(BildformatFuer(QString::fromLatin1(f.datei)), f.format) << f.datei;
}

class Export : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_tmp.isValid()); }
    QString Pfad(const char* name) const { return m_tmp.filePath(QString::fromLatin1(name)); }
    // The view exported through the save dialog under `name`, as the window does it.
    bool Exportieren(const QImage& bild, const char* name) {
        m_dialoge.dateien.push_back(Pfad(name));
        return AnsichtExportieren(bild, m_dialoge, m_meldungen, [this](bool an) { m_cursor.push_back(an); });
    }
    QStringList Dateien() const {
        return QDir(m_tmp.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    QTemporaryDir m_tmp;
    FakeDialoge m_dialoge;
    FakeMeldungen m_meldungen;
    std::vector<bool> m_cursor;
};

TEST_F(Export, DialogUndAbgelehnteNamen) {
    const QImage bild = Testbild();
    EXPECT_FALSE(AnsichtExportieren(bild, m_dialoge, m_meldungen, {})); // cancelled
    ASSERT_EQ(m_dialoge.speichernAuftraege.size(), 1u);
    const DateiDialogAuftrag& a = m_dialoge.speichernAuftraege[0];
    EXPECT_EQ(a.Titel, QStringLiteral("Ansicht in Bilddatei speichern"));
    EXPECT_EQ(a.Standardendung, QStringLiteral("png"));
    EXPECT_TRUE(a.UeberschreibenFragen);
    ASSERT_EQ(a.Filter.size(), 4u);
    EXPECT_EQ(a.Filter[0], std::make_pair(QStringLiteral("Alle Dateien (*.*)"), QStringLiteral("*.*")));
    EXPECT_EQ(a.Filter[2], std::make_pair(QStringLiteral("JPEG (*.jpg)"), QStringLiteral("*.jpg")));
    EXPECT_EQ(a.Filter[3], std::make_pair(QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("*.bmp")));
    EXPECT_TRUE(m_meldungen.eintraege.empty());

    for (const char* name : {"karte.jpeg", "karte", "karte.tif"}) {
        EXPECT_FALSE(Exportieren(bild, name)) << name;
        ASSERT_FALSE(m_meldungen.eintraege.empty());
        EXPECT_EQ(m_meldungen.eintraege.back().art, MeldungsArt::Fehler);
        EXPECT_EQ(m_meldungen.eintraege.back().text,
                  QStringLiteral("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung."));
    }
    EXPECT_TRUE(Dateien().isEmpty());
    EXPECT_TRUE(m_cursor.empty()); // nothing to wait for
}

TEST_F(Export, DreiFormateVonUnabhaengigenLesernGeprueft) {
    const QImage bild = Testbild();
    ASSERT_TRUE(Exportieren(bild, "karte.png"));
    ASSERT_TRUE(Exportieren(bild, "KARTE.JPG"));
    ASSERT_TRUE(Exportieren(bild, "karte.bmp"));
    EXPECT_TRUE(m_meldungen.eintraege.empty());
    EXPECT_EQ(m_cursor, (std::vector<bool>{true, false, true, false, true, false}));
    EXPECT_EQ(Dateien().size(), 3); // no temporary file left over

    // PNG: 8-bit RGB, its zlib stream made at level 5 (FLEVEL 1 covers levels 2 to 5, the
    // default level 6 would be FLEVEL 2), and the pixels exactly those of the view.
    const QByteArray png = Lesen(Pfad("karte.png"));
    const std::optional<PngKopf> pk = PngLesen(png);
    ASSERT_TRUE(pk);
    EXPECT_EQ(pk->breite, 203u);
    EXPECT_EQ(pk->hoehe, 117u);
    EXPECT_EQ(pk->bittiefe, 8);
    EXPECT_EQ(pk->farbtyp, 2);
    EXPECT_EQ(pk->zlibFlevel, 1);
    EXPECT_TRUE(pk->zlibPruefsummeOk);
    const QImage pngBild = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(pngBild, bild);

    // JPEG in capitals: baseline, three components, the tables of quality 99.
    const QByteArray jpg = Lesen(Pfad("KARTE.JPG"));
    const std::optional<JpegKopf> jk = JpegLesen(jpg);
    ASSERT_TRUE(jk);
    EXPECT_EQ(jk->breite, 203);
    EXPECT_EQ(jk->hoehe, 117);
    EXPECT_EQ(jk->komponenten, 3);
    ASSERT_EQ(jk->tabellen.size(), 2u);
    EXPECT_EQ(jk->tabellen[0], StandardQuantisierung(true, 99));
    EXPECT_EQ(jk->tabellen[1], StandardQuantisierung(false, 99));
    EXPECT_EQ(jk->tabellen[0][0], 1); // quality 99: (16 * 2 + 50) / 100
    const QImage jpgBild = QImage::fromData(jpg, "JPEG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(jpgBild.size(), bild.size());
    // Brightness survives nearly unchanged (colour is subsampled).
    double abweichung = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            abweichung += std::abs(qGray(jpgBild.pixel(x, y)) - qGray(bild.pixel(x, y)));
    EXPECT_LT(abweichung / (bild.width() * bild.height()), 1.5);

    // BMP: 24-bit, bottom-up, rows padded with zeros to 612 bytes, the PNG's pixels.
    const QByteArray bmp = Lesen(Pfad("karte.bmp"));
    EXPECT_EQ(bmp.size(), 54 + 612 * 117);
    const std::optional<QImage> bmpBild = BmpLesen(bmp);
    ASSERT_TRUE(bmpBild);
    EXPECT_EQ(*bmpBild, pngBild);
}

TEST_F(Export, EinBildMitAlphaWirdDeckendGeschrieben) {
    QImage bild(8, 4, QImage::Format_ARGB32);
    bild.fill(qRgba(10, 200, 30, 255));
    bild.setPixel(0, 0, qRgba(0, 0, 0, 0));
    ASSERT_TRUE(Exportieren(bild, "alpha.bmp"));
    const std::optional<QImage> b = BmpLesen(Lesen(Pfad("alpha.bmp")));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->pixel(3, 2), qRgb(10, 200, 30));
    EXPECT_EQ(Bildexport().schreiben(QImage(), Pfad("leer.png")), Bildexport::Ergebnis::Schreibfehler);
    EXPECT_FALSE(QFile::exists(Pfad("leer.png")));
}

// With a file-size limit, a write stops halfway (EFBIG), as on a full disk; this works
// for every user, root included, where permissions would not stop the write.
class Groessengrenze {
public:
    explicit Groessengrenze(rlim_t bytes) {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_alt);
        rlimit neu = m_alt;
        neu.rlim_cur = bytes;
        m_gesetzt = setrlimit(RLIMIT_FSIZE, &neu) == 0;
    }
    ~Groessengrenze() {
        setrlimit(RLIMIT_FSIZE, &m_alt);
        std::signal(SIGXFSZ, m_signal);
    }
    bool gesetzt() const { return m_gesetzt; }

private:
    rlimit m_alt{};
    void (*m_signal)(int) = nullptr;
    bool m_gesetzt = false;
};

TEST_F(Export, AbgebrochenesSchreibenLaesstFruehereDateiStehen) {
    const QString pfad = Pfad("karte.bmp");
    const QByteArray frueher(5000, 'x');
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(frueher), frueher.size());
    }
    bool geschrieben = true;
    {
        const Groessengrenze grenze(8000); // the bitmap needs about 71 KB
        ASSERT_TRUE(grenze.gesetzt());
        geschrieben = Exportieren(Testbild(), "karte.bmp");
    }
    EXPECT_FALSE(geschrieben);
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(m_meldungen.eintraege[0].text, SchreibfehlerText(QDir::toNativeSeparators(pfad)));
    EXPECT_EQ(Lesen(pfad), frueher);
    EXPECT_EQ(Dateien(), QStringList{QStringLiteral("karte.bmp")}); // no torn temporary file
    EXPECT_EQ(m_cursor, (std::vector<bool>{true, false}));

    // A folder that does not exist, and a name that is a folder.
    EXPECT_FALSE(Exportieren(Testbild(), "fehlt/karte.png"));
    ASSERT_TRUE(QDir(m_tmp.path()).mkdir(QStringLiteral("ordner.png")));
    EXPECT_FALSE(Exportieren(Testbild(), "ordner.png"));
    EXPECT_EQ(m_meldungen.eintraege.size(), 3u);

    // Afterwards the same name is replaced in one step.
    ASSERT_TRUE(Exportieren(Testbild(), "karte.bmp"));
    EXPECT_TRUE(BmpLesen(Lesen(pfad)));
}

} // namespace
