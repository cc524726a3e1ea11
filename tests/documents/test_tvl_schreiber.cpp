// The writer replaces a file only when the new one is complete.
#include "documents/tvl_datei.h"

#include "test_tvl_hilfe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tvltest;

namespace {

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Eintraege(const QTemporaryDir& ordner) {
    return QDir(ordner.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A device that accepts a fixed number of bytes and then refuses.
class VolleScheibe final : public QIODevice {
public:
    explicit VolleScheibe(qint64 platz) : m_platz(platz) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 n) override {
        if (n > m_platz) {
            setErrorString(QStringLiteral("Kein Platz mehr"));
            return -1;
        }
        m_platz -= n;
        return n;
    }

private:
    qint64 m_platz;
};

} // namespace

TEST(TvlSchreiber, ErsetztEineVorhandeneDatei) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("a.tvl"));
    QFile alt(pfad);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write(QByteArray(100000, 'z'));
    alt.close();
    ASSERT_TRUE(TvlSchreiber().schreiben(pfad, Beispiel()));
    EXPECT_EQ(Inhalt(pfad), AlsBytes(Beispiel()));
    EXPECT_EQ(Eintraege(ordner), QStringList{QStringLiteral("a.tvl")});
}

TEST(TvlSchreiber, FehlerMittendrinLaesstDieAlteDateiStehen) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("a.tvl"));
    ASSERT_TRUE(TvlSchreiber().schreiben(pfad, Beispiel()));
    const QByteArray vorher = Inhalt(pfad);
    // Header and objects are written before the image fails.
    Dokument ohneBild = Beispiel();
    ohneBild.Basisbild = QImage();
    TvlSchreiber schreiber;
    EXPECT_FALSE(schreiber.schreiben(pfad, ohneBild));
    EXPECT_FALSE(schreiber.errorString().isEmpty());
    EXPECT_EQ(Inhalt(pfad), vorher);
    EXPECT_EQ(Eintraege(ordner), QStringList{QStringLiteral("a.tvl")}) << "no temporary file remains";
}

TEST(TvlSchreiber, NeueDateiEntstehtBeiFehlerGarNicht) {
    QTemporaryDir ordner;
    Dokument ohneBild = Beispiel();
    ohneBild.Basisbild = QImage();
    EXPECT_FALSE(TvlSchreiber().schreiben(ordner.filePath(QStringLiteral("neu.tvl")), ohneBild));
    EXPECT_TRUE(Eintraege(ordner).isEmpty());
}

struct PfadFall {
    const char* name;
    const char* relativ;
};

class TvlSchreiberPfad : public ::testing::TestWithParam<PfadFall> {};

TEST_P(TvlSchreiberPfad, UnschreibbarerPfadScheitert) {
    QTemporaryDir ordner;
    QFile datei(ordner.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("ordner")));
    const QStringList vorher = Eintraege(ordner);
    TvlSchreiber schreiber;
    EXPECT_FALSE(schreiber.schreiben(ordner.filePath(QString::fromLatin1(GetParam().relativ)), Beispiel()));
    EXPECT_FALSE(schreiber.errorString().isEmpty());
    EXPECT_EQ(Eintraege(ordner), vorher);
    EXPECT_TRUE(QDir(ordner.filePath(QStringLiteral("ordner"))).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Faelle, TvlSchreiberPfad,
                         ::testing::Values(PfadFall{"OrdnerFehlt", "fehlt/a.tvl"},
                                           PfadFall{"OrdnerIstDatei", "datei/a.tvl"},
                                           PfadFall{"ZielIstOrdner", "ordner"}),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(TvlSchreiber, SchreibfehlerDesGeraetsKommtAn) {
    const qint64 groesse = AlsBytes(Beispiel()).size();
    for (const qint64 platz : {qint64(0), qint64(10), qint64(259), qint64(400), groesse - 1}) {
        VolleScheibe scheibe(platz);
        TvlSchreiber schreiber;
        EXPECT_FALSE(schreiber.schreiben(scheibe, Beispiel())) << platz;
        EXPECT_FALSE(schreiber.errorString().isEmpty()) << platz;
    }
    VolleScheibe genug(groesse);
    EXPECT_TRUE(TvlSchreiber().schreiben(genug, Beispiel()));
}
