// The file primitives for folders every pupil can write: modes of new and replaced
// files, links replaced instead of followed, the append's retry after a late close
// error, and an append to a list replaced meanwhile.
#include "platform/dateisperre.h"
#include "platform/geteilte_datei.h"
#include "platform/uhr.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <chrono>
#include <sys/stat.h>
#include <thread>

namespace {

class KeinWarten final : public Warten {
public:
    void warten(int) override {}
};

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

mode_t Modus(const QString& pfad) {
    struct stat info {};
    ::lstat(QFile::encodeName(pfad).constData(), &info);
    return info.st_mode & 07777;
}

class UmaskWahren final {
public:
    explicit UmaskWahren(mode_t neu) : m_alt(::umask(neu)) {}
    ~UmaskWahren() { ::umask(m_alt); }

private:
    mode_t m_alt;
};

class GeteilteDatei : public ::testing::Test {
protected:
    QString pfad(const char* name) const { return m_tmp.filePath(QString::fromUtf8(name)); }
    QTemporaryDir m_tmp;
    QTemporaryDir m_draussen; // stands for the teacher's home
    KeinWarten warten;
};

TEST_F(GeteilteDatei, NeueDateienNachUmaskErsetzteBehaltenIhrenModus) {
    const UmaskWahren umask(022);
    const QString neu = pfad("neu.dat");
    ASSERT_TRUE(GeteiltErsetzen(neu, "eins"));
    EXPECT_EQ(Modus(neu), 0644u) << "others can read what the teacher publishes";
    ASSERT_TRUE(GeteiltAnhaengen(pfad("liste.hsc"), "K", "E", warten));
    EXPECT_EQ(Modus(pfad("liste.hsc")), 0644u);
    ASSERT_EQ(::chmod(QFile::encodeName(neu).constData(), 0664), 0);
    ASSERT_TRUE(GeteiltErsetzen(neu, "zwei"));
    EXPECT_EQ(Modus(neu), 0664u);
    EXPECT_EQ(Inhalt(neu), QByteArray("zwei"));
}

TEST_F(GeteilteDatei, LinkWirdErsetztNieVerfolgt) {
    const QString geheim = m_draussen.filePath(QStringLiteral(".bashrc"));
    ASSERT_TRUE(QFile(geheim).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(geheim, pfad("a.tvl")));
    ASSERT_TRUE(QFile::link(m_draussen.filePath(QStringLiteral("nie")), pfad("b.tvl")));
    ASSERT_TRUE(GeteiltErsetzen(pfad("a.tvl"), "neu"));
    ASSERT_TRUE(GeteiltErsetzen(pfad("b.tvl"), "neu"));
    EXPECT_EQ(GeteiltArtVon(pfad("a.tvl")), GeteiltArt::Datei);
    EXPECT_EQ(Inhalt(geheim), QByteArray());
    EXPECT_FALSE(QFile::exists(m_draussen.filePath(QStringLiteral("nie"))));
    QByteArray gelesen;
    ASSERT_TRUE(QFile::link(geheim, pfad("c.hsc")));
    EXPECT_FALSE(GeteiltLesen(pfad("c.hsc"), 100, gelesen));
    EXPECT_FALSE(GeteiltAnhaengen(pfad("c.hsc"), "K", "E", warten));
    ASSERT_TRUE(GeteiltEntfernen(pfad("c.hsc")));
    EXPECT_TRUE(QFile::exists(geheim));
    const GeteiltErgebnis fehlt = GeteiltLesen(pfad("fehlt"), 100, gelesen);
    EXPECT_TRUE(fehlt.fehlt);
    ASSERT_TRUE(GeteiltErsetzen(pfad("gross"), QByteArray(101, 'x')));
    EXPECT_TRUE(GeteiltLesen(pfad("gross"), 100, gelesen).zuGross);
}

// A network file system reports a failed write only when the file is closed; the data may
// have arrived all the same. The retry must leave the entry in the list exactly once.
class SpaeterFehler final : public AnhangSchicht {
public:
    int fehlschlaege = 1;
    bool schliessen(GesperrteDatei& datei) override {
        const bool ok = datei.schliessen();
        return ok && fehlschlaege-- <= 0;
    }
};

TEST_F(GeteilteDatei, SchliessfehlerTraegtBeimNaechstenVersuchNichtDoppeltEin) {
    const QString liste = pfad("liste.hsc");
    for (int fehler : {1, 3}) {
        SCOPED_TRACE(fehler);
        QFile::remove(liste);
        ASSERT_TRUE(GeteiltAnhaengen(liste, "KOPF", "alt;", warten));
        SpaeterFehler schicht;
        schicht.fehlschlaege = fehler;
        EXPECT_TRUE(GeteiltAnhaengen(liste, "KOPF", "neu;", warten, &schicht));
        EXPECT_EQ(Inhalt(liste), QByteArray("KOPFalt;neu;"));
    }
    // Another pupil appended after the torn attempt: the entry stays where it is, once.
    SpaeterFehler schicht;
    AnhangStand stand;
    EXPECT_FALSE(GeteiltAnhaengenVersuch(liste, "KOPF", "mein;", stand, &schicht));
    ASSERT_TRUE(GeteiltAnhaengen(liste, "KOPF", "fremd;", warten));
    EXPECT_TRUE(GeteiltAnhaengenVersuch(liste, "KOPF", "mein;", stand, &schicht));
    EXPECT_EQ(Inhalt(liste), QByteArray("KOPFalt;neu;mein;fremd;"));
}

// A pupil's append opened the list just before the teacher published anew and waits for
// the lock: once it has the lock, the name leads to another file, so it opens that one.
TEST_F(GeteilteDatei, ErsetzteListeWirdNeuGeoeffnet) {
    const QString liste = pfad("liste.hsc");
    ASSERT_TRUE(GeteiltErsetzen(liste, "alt"));
    GesperrteDatei halter;
    ASSERT_TRUE(halter.oeffnen(liste, GesperrteDatei::Zugriff::Exklusiv));
    GeteiltErgebnis ergebnis;
    std::thread schueler([&] {
        AnhangStand stand;
        ergebnis = GeteiltAnhaengenVersuch(liste, "K", "+", stand);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(GeteiltErsetzen(liste, "neu"));
    QByteArray alt(3, '\0');
    ASSERT_EQ(halter.lesenAb(0, alt.data(), 3), 3);
    halter.schliessen();
    schueler.join();
    EXPECT_TRUE(ergebnis.ok) << ergebnis.fehler.toStdString();
    EXPECT_EQ(Inhalt(liste), QByteArray("neu+"));
}

TEST_F(GeteilteDatei, NeuEinsetzenNimmtKeinenBelegtenNamen) {
    for (const char* name : {"datei", "link", "ordner"}) {
        SCOPED_TRACE(name);
        const QString ziel = pfad(name);
        const QByteArray art(name);
        const bool angelegt = art == "datei"  ? GeteiltErsetzen(ziel, "fremd").ok
                              : art == "link" ? QFile::link(m_draussen.filePath(QStringLiteral("x")), ziel)
                                              : ::mkdir(QFile::encodeName(ziel).constData(), 0755) == 0;
        ASSERT_TRUE(angelegt);
        GeteilterEntwurf entwurf(ziel);
        if (art == "ordner") {
            EXPECT_FALSE(entwurf.schreiben("mein")) << "no rename could replace a folder";
            continue;
        }
        ASSERT_TRUE(entwurf.schreiben("mein"));
        bool vorhanden = false;
        EXPECT_FALSE(entwurf.neuEinsetzen(vorhanden));
        EXPECT_TRUE(vorhanden);
    }
    EXPECT_EQ(Inhalt(pfad("datei")), QByteArray("fremd"));
    EXPECT_FALSE(QFile::exists(m_draussen.filePath(QStringLiteral("x"))));
    EXPECT_TRUE(QDir(m_tmp.path())
                    .entryList({QStringLiteral("*.tmp")}, QDir::Hidden | QDir::Files | QDir::System)
                    .isEmpty())
        << "no temporary file left";
}

} // namespace
