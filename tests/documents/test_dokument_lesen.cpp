// Opening and saving as the user sees it: messages in order and the hooks.
#include "documents/dokument_lesen.h"

#include "data/av_data.h"
#include "documents/tvl_datei.h"
#include "fake_meldungen.h"
#include "test_tvl_hilfe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tvltest;

namespace {

struct Protokoll {
    std::vector<QString> schritte;
    DokumentHooks hooks() {
        DokumentHooks h;
        h.warteCursor = [this](bool an) { schritte.push_back(an ? u"warten"_qs : u"normal"_qs); };
        h.dokumentSchliessen = [this] { schritte.push_back(u"schliessen"_qs); };
        h.nachLaden = [this] { schritte.push_back(u"nachLaden"_qs); };
        h.ordnerUebernehmen = [this](const QString& o) { schritte.push_back(u"ordner "_qs + o); };
        h.lernansichtZeigen = [this] { schritte.push_back(u"lernansicht"_qs); };
        return h;
    }
};

Dokument Offen() {
    Dokument d = Beispiel();
    d.Header.Dateiname = QStringLiteral("/alt/offen.tvl");
    d.Header.Geaendert = true;
    d.Listenindex = 3;
    return d;
}

QString Ablegen(const QTemporaryDir& ordner, const char* name, const QByteArray& bytes) {
    const QString pfad = ordner.filePath(QString::fromLatin1(name));
    QFile f(pfad);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return pfad;
}

} // namespace

TEST(DokumentLesen, FehlendeDateiMeldetUndLaesstDasModell) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("fehlt.tvl"));
    Dokument d = Offen();
    FakeMeldungen m;
    Protokoll p;
    EXPECT_FALSE(DokumentLesen(d, pfad, true, m, p.hooks()));
    ASSERT_EQ(m.eintraege.size(), 1u);
    EXPECT_EQ(m.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(m.eintraege[0].knoepfe, Knoepfe::OK);
    EXPECT_EQ(m.eintraege[0].text, FehltText(pfad));
    EXPECT_TRUE(p.schritte.empty());
    EXPECT_EQ(d.Header.Dateiname, QStringLiteral("/alt/offen.tvl"));
    EXPECT_TRUE(d.Header.Geaendert);
    EXPECT_EQ(d.Listenindex, 3);
}

TEST(DokumentLesen, ErfolgMitOrdnerwechsel) {
    QTemporaryDir ordner;
    const QString pfad = Ablegen(ordner, "welt.tvl", AlsBytes(Beispiel()));
    Dokument d = Offen();
    FakeMeldungen m;
    Protokoll p;
    ASSERT_TRUE(DokumentLesen(d, pfad, true, m, p.hooks()));
    EXPECT_TRUE(m.eintraege.empty());
    const std::vector<QString> erwartet{u"warten"_qs, u"nachLaden"_qs,
                                        u"ordner "_qs + QDir::toNativeSeparators(ordner.path() + u'/'),
                                        u"lernansicht"_qs, u"normal"_qs};
    EXPECT_EQ(p.schritte, erwartet);
    EXPECT_EQ(d.Header.Dateiname, pfad);
    EXPECT_EQ(d.Header.HD_titel, Beispiel().Header.HD_titel);
    EXPECT_FALSE(d.Header.Geaendert);
    EXPECT_EQ(d.Listenindex, -1);
    EXPECT_EQ(d.VorherigesDokument, QStringLiteral("/alt/offen.tvl"));
    EXPECT_EQ(d.Objekte.size(), Beispiel().Objekte.size());
}

TEST(DokumentLesen, ErfolgOhneOrdnerwechselUndOhneHooks) {
    QTemporaryDir ordner;
    const QString pfad = Ablegen(ordner, "welt.tvl", AlsBytes(Beispiel()));
    Dokument d;
    FakeMeldungen m;
    Protokoll p;
    ASSERT_TRUE(DokumentLesen(d, pfad, false, m, p.hooks()));
    EXPECT_EQ(p.schritte, (std::vector<QString>{u"warten"_qs, u"nachLaden"_qs, u"normal"_qs}));
    Dokument e;
    EXPECT_TRUE(DokumentLesen(e, pfad, true, m)) << "empty hooks are allowed";
    EXPECT_TRUE(m.eintraege.empty());
}

TEST(DokumentLesen, FalscheMagicZweiMeldungenDannSchliessen) {
    QTemporaryDir ordner;
    QByteArray bytes = AlsBytes(Beispiel());
    bytes.replace(4, 4, "XYZ-");
    const QString pfad = Ablegen(ordner, "falsch.tvl", bytes);
    Dokument d = Offen();
    FakeMeldungen m;
    Protokoll p;
    EXPECT_FALSE(DokumentLesen(d, pfad, true, m, p.hooks()));
    ASSERT_EQ(m.eintraege.size(), 2u);
    EXPECT_EQ(m.eintraege[0].text, QStringLiteral("Ungültiges Dateiformat."));
    EXPECT_EQ(m.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(m.eintraege[1].text, LesefehlerText(pfad));
    EXPECT_EQ(m.eintraege[1].art, MeldungsArt::Fehler);
    EXPECT_EQ(p.schritte, (std::vector<QString>{u"warten"_qs, u"normal"_qs, u"schliessen"_qs}));
    // The model was reset before reading, and nothing of the file got in.
    EXPECT_TRUE(d.Header.Dateiname.isEmpty());
    EXPECT_EQ(d.VorherigesDokument, QStringLiteral("/alt/offen.tvl"));
    EXPECT_EQ(d.Header.HD_titel, QString());
}

TEST(DokumentLesen, BeschaedigteDateiEineMeldungDannSchliessen) {
    QTemporaryDir ordner;
    const QByteArray ganz = AlsBytes(Beispiel());
    const QString pfad = Ablegen(ordner, "kaputt.tvl", ganz.left(ganz.size() - 30));
    Dokument d = Offen();
    FakeMeldungen m;
    Protokoll p;
    EXPECT_FALSE(DokumentLesen(d, pfad, true, m, p.hooks()));
    ASSERT_EQ(m.eintraege.size(), 1u);
    EXPECT_EQ(m.eintraege[0].text, LesefehlerText(pfad));
    EXPECT_EQ(p.schritte, (std::vector<QString>{u"warten"_qs, u"normal"_qs, u"schliessen"_qs}));
    EXPECT_FALSE(d.IstOffen());
}

TEST(DokumentSchreiben, NamenUebernehmenOderNicht) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("kopie.tvl"));
    Dokument d = Offen();
    FakeMeldungen m;
    Protokoll p;
    ASSERT_TRUE(DokumentSchreiben(d, pfad, false, m, p.hooks()));
    EXPECT_EQ(d.Header.Dateiname, QStringLiteral("/alt/offen.tvl"));
    EXPECT_TRUE(d.Header.Geaendert);
    EXPECT_EQ(p.schritte, (std::vector<QString>{u"warten"_qs, u"normal"_qs}));
    ASSERT_TRUE(DokumentSchreiben(d, pfad, true, m));
    EXPECT_EQ(d.Header.Dateiname, pfad);
    EXPECT_FALSE(d.Header.Geaendert);
    EXPECT_TRUE(m.eintraege.empty());
    Dokument gelesen;
    TvlLeser leser;
    EXPECT_TRUE(leser.lesen(pfad, gelesen));
}

TEST(DokumentSchreiben, FehlerMeldetUndAendertNichts) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("fehlt/kopie.tvl"));
    Dokument d = Offen();
    FakeMeldungen m;
    Protokoll p;
    EXPECT_FALSE(DokumentSchreiben(d, pfad, true, m, p.hooks()));
    ASSERT_EQ(m.eintraege.size(), 1u);
    EXPECT_EQ(m.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(m.eintraege[0].text, SchreibfehlerText(pfad));
    EXPECT_EQ(p.schritte, (std::vector<QString>{u"warten"_qs, u"normal"_qs}));
    EXPECT_EQ(d.Header.Dateiname, QStringLiteral("/alt/offen.tvl"));
    EXPECT_TRUE(d.Header.Geaendert);
}

// A folder, pipe or device named like a document exists: the user learns that it
// cannot be read, not that it is missing, and the reader never waits on the pipe.
TEST(DokumentLesen, OrdnerPipeUndGeraetSindUnlesbar) {
    QTemporaryDir ordner;
    const QString mappe = ordner.filePath(QStringLiteral("Mappe.tvl"));
    ASSERT_TRUE(QDir().mkpath(mappe));
    const QString rohr = ordner.filePath(QStringLiteral("Rohr.tvl"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    for (const QString& pfad : {mappe, rohr, QStringLiteral("/dev/zero")}) {
        Dokument d = Offen();
        FakeMeldungen m;
        EXPECT_FALSE(DokumentLesen(d, pfad, false, m)) << pfad.toStdString();
        EXPECT_EQ(m.texte(), std::vector<QString>{LesefehlerText(pfad)}) << pfad.toStdString();
        TvlLeser leser;
        EXPECT_FALSE(leser.lesen(pfad, d));
        EXPECT_EQ(leser.fehler(), TvlLeser::Fehler::Lesefehler);
    }
}

// Header and objects larger than the first read: the reader reads on as far as they
// need, gives the same document as from memory, and reports a cut file as before.
TEST(DokumentLesen, GrosseObjektlisteUeberDenErstenBlockHinaus) {
    QTemporaryDir ordner;
    Dokument gross = Beispiel();
    for (int i = 0; i < 4000; ++i)
        gross.Objekte.push_back(Objekt(0, QStringLiteral("Objekt %1").arg(i)));
    const QByteArray bytes = AlsBytes(gross);
    ASSERT_GT(bytes.size(), 4 * 64 * 1024);
    const QString pfad = Ablegen(ordner, "gross.tvl", bytes);
    Dokument ausDatei;
    Dokument ausSpeicher;
    TvlLeser leser;
    ASSERT_TRUE(leser.lesen(pfad, ausDatei)) << leser.errorString().toStdString();
    ASSERT_TRUE(TvlLeser().lesenAusDaten(bytes, ausSpeicher));
    EXPECT_EQ(ausDatei.Objekte.size(), gross.Objekte.size());
    EXPECT_EQ(ausDatei.Objekte.back().OB_Cap, QStringLiteral("Objekt 3999"));
    EXPECT_EQ(ausDatei.Basisbild, ausSpeicher.Basisbild);
    for (const qsizetype schnitt : {qsizetype(70'000), bytes.size() / 2, bytes.size() - 30}) {
        const QString kurz = Ablegen(ordner, "kurz.tvl", bytes.left(schnitt));
        TvlLeser ausKurz;
        TvlLeser ausKurzSpeicher;
        Dokument d;
        EXPECT_FALSE(ausKurz.lesen(kurz, d));
        EXPECT_FALSE(ausKurzSpeicher.lesenAusDaten(bytes.left(schnitt), d));
        EXPECT_EQ(ausKurz.errorString(), ausKurzSpeicher.errorString()) << schnitt;
        EXPECT_EQ(ausKurz.fehlerOffset(), ausKurzSpeicher.fehlerOffset()) << schnitt;
    }
}
