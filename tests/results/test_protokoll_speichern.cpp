// Saving the protocol: automatic names with counter, exclusive creation, failure messages.
#include "results/protokoll_speichern.h"

#include "data/av_data.h"
#include "fake_meldungen.h"
#include "fake_systeminfo.h"
#include "fake_uhr.h"
#include "results/protokoll.h"
#include "results/rtf_leser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Schreiben(const QString& pfad, const QByteArray& daten) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(daten) == daten.size();
}

class AutoSpeichern : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        ordner = tmp.path() + u'/';
        uhr.setzeZeit(QDateTime(QDate(2026, 12, 8), QTime(10, 15, 7)));
        system.rechner = u"RAUM12-PC3"_s;
        protokoll.ersetzen(u"<tit>Quiz-Protokoll\r\nTeilnehmername:\tAnna\r\n"_s);
    }
    bool speichern(QString* pfad = nullptr) {
        return ProtokollAutomatischSpeichern(protokoll, ordner, uhr, system, meldungen, pfad);
    }
    QStringList dateien() const { return QDir(ordner).entryList(QDir::Files | QDir::System, QDir::Name); }

    QTemporaryDir tmp;
    QString ordner;
    FakeUhr uhr;
    FakeSystemInfo system;
    FakeMeldungen meldungen;
    Protokoll protokoll;
};

TEST(ProtokollDateiname, DatumZeitRechnerZaehler) {
    const struct {
        QDateTime zeit;
        QString rechner;
        int zaehler;
        QString name;
    } faelle[] = {
        {QDateTime(QDate(2005, 6, 12), QTime(10, 0, 0)), u"SCHULPC-07"_s, 0,
         u"20050612-100000-SCHULPC-07-0.rtf"_s},
        {QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), u"pc"_s, 12, u"20260102-030405-pc-12.rtf"_s},
        {QDateTime(QDate(999, 12, 31), QTime(23, 59, 59)), u""_s, 1, u"09991231-235959--1.rtf"_s},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ProtokollDateiname(f.zeit, f.rechner, f.zaehler), f.name);
}

TEST_F(AutoSpeichern, ZweiMalInDerselbenSekunde) {
    QString erster, zweiter;
    ASSERT_TRUE(speichern(&erster));
    protokoll.kommentarHinzufuegen(u"zweiter Stand"_s);
    ASSERT_TRUE(speichern(&zweiter));
    EXPECT_EQ(erster, ordner + u"20261208-101507-RAUM12-PC3-0.rtf"_s);
    EXPECT_EQ(zweiter, ordner + u"20261208-101507-RAUM12-PC3-1.rtf"_s);
    EXPECT_EQ(dateien(),
              (QStringList{u"20261208-101507-RAUM12-PC3-0.rtf"_s, u"20261208-101507-RAUM12-PC3-1.rtf"_s}));
    EXPECT_FALSE(Lesen(erster).contains("zweiter Stand"));
    EXPECT_EQ(Lesen(zweiter), protokoll.rtf());
    EXPECT_TRUE(meldungen.eintraege.empty());

    uhr.vorruecken(1000); // a new second starts at 0 again
    QString dritter;
    ASSERT_TRUE(speichern(&dritter));
    EXPECT_EQ(dritter, ordner + u"20261208-101508-RAUM12-PC3-0.rtf"_s);
}

TEST_F(AutoSpeichern, GespeicherteDateiIstLesbaresRtf) {
    QString pfad;
    ASSERT_TRUE(speichern(&pfad));
    RtfInhaltTyp inhalt;
    RtfLeser leser;
    ASSERT_TRUE(leser.lesen(Lesen(pfad), inhalt)) << leser.errorString().toStdString();
    EXPECT_EQ(inhalt.text(), protokoll.klartext());
}

TEST_F(AutoSpeichern, VorhandeneDateiWirdNieUeberschrieben) {
    const QString null = ordner + u"20261208-101507-RAUM12-PC3-0.rtf"_s;
    const QString eins = ordner + u"20261208-101507-RAUM12-PC3-1.rtf"_s;
    ASSERT_TRUE(Schreiben(null, "von einem anderen Rechner"));
    ASSERT_TRUE(QDir(ordner).mkdir(u"20261208-101507-RAUM12-PC3-1.rtf"_s)); // even a folder takes the name
    // a dangling link must not be followed to create its target
    const QString ziel = tmp.path() + u"/ziel-des-links"_s;
    ASSERT_TRUE(QFile::link(ziel, ordner + u"20261208-101507-RAUM12-PC3-2.rtf"_s));
    QString pfad;
    ASSERT_TRUE(speichern(&pfad));
    EXPECT_EQ(pfad, ordner + u"20261208-101507-RAUM12-PC3-3.rtf"_s);
    EXPECT_EQ(Lesen(null), QByteArray("von einem anderen Rechner"));
    EXPECT_TRUE(QFileInfo(eins).isDir());
    EXPECT_FALSE(QFileInfo::exists(ziel));
    EXPECT_EQ(Lesen(pfad), protokoll.rtf());
    EXPECT_TRUE(meldungen.eintraege.empty());
}

TEST_F(AutoSpeichern, GleichzeitigeRechnerTeilenSichDieZaehler) {
    // Four "computers" with the same name and clock save into one folder at once: every
    // protocol gets its own file and none is overwritten.
    constexpr int Rechner = 4;
    constexpr int JeRechner = 25;
    std::vector<std::unique_ptr<Protokoll>> protokolle;
    for (int r = 0; r < Rechner; ++r) {
        protokolle.push_back(std::make_unique<Protokoll>());
        protokolle.back()->ersetzen(u"Rechner:\t"_s + QString::number(r));
    }
    std::vector<QByteArray> rtf;
    for (const auto& p : protokolle)
        rtf.push_back(p->rtf());
    std::vector<FakeMeldungen> meldungenJe(Rechner);
    std::vector<std::thread> faeden;
    for (int r = 0; r < Rechner; ++r) {
        faeden.emplace_back([&, r] {
            for (int i = 0; i < JeRechner; ++i)
                ProtokollAutomatischSpeichern(*protokolle[r], ordner, uhr, system, meldungenJe[r]);
        });
    }
    for (auto& f : faeden)
        f.join();
    const QStringList namen = dateien();
    ASSERT_EQ(namen.size(), Rechner * JeRechner);
    std::vector<int> anzahl(Rechner, 0);
    for (int n = 0; n < Rechner * JeRechner; ++n) {
        const QByteArray inhalt =
            Lesen(ordner + u"20261208-101507-RAUM12-PC3-"_s + QString::number(n) + u".rtf"_s);
        const auto r = std::find(rtf.begin(), rtf.end(), inhalt);
        ASSERT_NE(r, rtf.end()) << "Datei " << n << " ist unvollständig";
        ++anzahl[static_cast<std::size_t>(r - rtf.begin())];
    }
    for (int r = 0; r < Rechner; ++r) {
        EXPECT_EQ(anzahl[r], JeRechner);
        EXPECT_TRUE(meldungenJe[r].eintraege.empty());
    }
}

QString NichtBeschreibbarerOrdner(const QTemporaryDir& tmp) {
    if (geteuid() == 0) return u"/sys/"_s; // root may write anywhere a mode allows; sysfs refuses new files
    const QString pfad = tmp.path() + u"/schreibgeschuetzt/"_s;
    QDir().mkpath(pfad);
    QFile::setPermissions(pfad, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    return pfad;
}

TEST_F(AutoSpeichern, SchreibfehlerZeigtMeldungMitZusatzsatz) {
    ASSERT_TRUE(Schreiben(tmp.path() + u"/eine-datei"_s, "x"));
    const QString ordnerFaelle[] = {tmp.path() + u"/gibt-es-nicht/"_s, tmp.path() + u"/eine-datei/"_s,
                                    NichtBeschreibbarerOrdner(tmp)};
    for (const QString& o : ordnerFaelle) {
        FakeMeldungen m;
        ASSERT_FALSE(ProtokollAutomatischSpeichern(protokoll, o, uhr, system, m)) << o.toStdString();
        ASSERT_EQ(m.eintraege.size(), 1u);
        EXPECT_EQ(m.eintraege[0].art, MeldungsArt::Fehler);
        EXPECT_EQ(m.eintraege[0].knoepfe, Knoepfe::OK);
        const QString pfad = QDir::toNativeSeparators(o + u"20261208-101507-RAUM12-PC3-0.rtf"_s);
        EXPECT_EQ(m.eintraege[0].text,
                  u"Die Datei \""_s + pfad +
                      u"\" kann nicht geschrieben werden. Mögliche Ursachen:\r\n"
                      "- Ungültiger Ordner oder Dateiname\r\n"
                      "- fehlende Schreibzugriffsberechtigung im Netzwerk\r\n\r\n"
                      "Das Übungsprotokoll konnte nicht automatisch gespeichert werden. Überprüfen Sie die "
                      "Einstellungen unter \"Optionen | Ordner für Protokolle und Bestenlisten\"."_s);
    }
    EXPECT_FALSE(protokoll.leer()); // the protocol stays for saving by hand
}

TEST_F(AutoSpeichern, RechnernameMitPfadzeichenWirdAbgelehnt) {
    system.rechner = u"../ausbruch"_s;
    EXPECT_FALSE(speichern());
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_TRUE(dateien().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(tmp.path() + u"/../ausbruch-0.rtf"_s));
}

TEST_F(AutoSpeichern, AbgebrochenesSchreibenHinterlaesstKeineHalbeDatei) {
    // A file size limit makes the write fail halfway, as a full disk would.
    for (int i = 0; i < 200; ++i)
        protokoll.anhaengen(u"00:07 - RICHTIG - eine lange Zeile des Ablaufs mit etwas Text"_s);
    const auto alteBehandlung = std::signal(SIGXFSZ, SIG_IGN);
    rlimit alt{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &alt), 0);
    rlimit klein = alt;
    klein.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
    const bool ok = speichern();
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, alteBehandlung);
    EXPECT_FALSE(ok);
    EXPECT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_TRUE(dateien().isEmpty()) << dateien().join(u' ').toStdString();
}

TEST_F(AutoSpeichern, QuizendeErsetztUndSpeichertNurMitOption) {
    const ProgrammOrdnerTyp alt = Ordner();
    Ordner().Protokollordner = ordner;
    QuizProtokollUebernehmen(protokoll, u"<tit>neu\r\n"_s, false, uhr, system, meldungen);
    EXPECT_EQ(protokoll.klartext(), u"neu\n"_s);
    EXPECT_TRUE(dateien().isEmpty());
    QuizProtokollUebernehmen(protokoll, u"<tit>noch neuer\r\n"_s, true, uhr, system, meldungen);
    EXPECT_EQ(dateien(), QStringList{u"20261208-101507-RAUM12-PC3-0.rtf"_s});
    Ordner().Protokollordner = ordner + u"fehlt/"_s;
    QuizProtokollUebernehmen(protokoll, u"dritter"_s, true, uhr, system, meldungen);
    EXPECT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(protokoll.klartext(), u"dritter"_s);
    Ordner() = alt;
}

TEST_F(AutoSpeichern, SpeichernUnterErsetztOderMeldet) {
    const QString pfad = ordner + u"von Hand.rtf"_s;
    ASSERT_TRUE(Schreiben(pfad, "alt"));
    EXPECT_TRUE(ProtokollSpeichernUnter(protokoll, pfad, meldungen));
    EXPECT_EQ(Lesen(pfad), protokoll.rtf());
    const QString falsch = ordner + u"fehlt/x.rtf"_s;
    EXPECT_FALSE(ProtokollSpeichernUnter(protokoll, falsch, meldungen));
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.texte()[0], SchreibfehlerText(QDir::toNativeSeparators(falsch)));
}

} // namespace
