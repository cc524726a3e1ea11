// The file primitives for folders every pupil can write: modes of new and replaced
// files, bounded reads, the append's retry after a late close error, and an append to a
// list replaced meanwhile.
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

// Links and size bounds on reading; the table of planted objects covers the rest.
TEST_F(GeteilteDatei, LesenFolgtKeinemLinkUndBleibtInDerGrenze) {
    ASSERT_TRUE(GeteiltErsetzen(pfad("gross"), QByteArray(101, 'x')));
    ASSERT_TRUE(QFile::link(pfad("gross"), pfad("link")));
    QByteArray gelesen;
    EXPECT_TRUE(GeteiltLesen(pfad("gross"), 100, gelesen).zuGross);
    EXPECT_TRUE(GeteiltLesen(pfad("fehlt"), 100, gelesen).fehlt);
    const GeteiltErgebnis link = GeteiltLesen(pfad("link"), 1000, gelesen);
    EXPECT_FALSE(link.ok || link.fehlt || link.zuGross);
    ASSERT_TRUE(GeteiltLesen(pfad("gross"), 101, gelesen));
    EXPECT_EQ(gelesen.size(), 101);
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

// Line records: a line that a crash left without its end gets one before the new line,
// also when the first try's bytes arrived despite a late error.
TEST_F(GeteilteDatei, ZeileNachAbgerissenerZeileBeginntNeuUndSteht1Mal) {
    const QString datei = pfad("liste.kqa");
    ASSERT_TRUE(GeteiltErsetzen(datei, "{\"a\":1}\n{\"abgeris"));
    SpaeterFehler schicht;
    EXPECT_TRUE(GeteiltAnhaengen(datei, {}, "{\"neu\":1}\n", warten, &schicht, AnhangArt::Zeilen));
    EXPECT_TRUE(GeteiltAnhaengen(datei, {}, "{\"zwei\":2}\n", warten, nullptr, AnhangArt::Zeilen));
    EXPECT_EQ(Inhalt(datei), QByteArray("{\"a\":1}\n{\"abgeris\n{\"neu\":1}\n{\"zwei\":2}\n"));
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

} // namespace
