// Links of the learning view: only addresses and plain local files are handed to the
// system, and document markers open documents or switch into a subfolder.
#include "mapview/link.h"

#include "data/av_data.h"
#include "documents/themen_aktionen.h"
#include "documents/tvl_datei.h"
#include "fake_dialoge.h"
#include "fake_meldungen.h"
#include "fake_shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString Anlegen(const QString& pfad,
                QFileDevice::Permissions rechte = QFileDevice::ReadOwner | QFileDevice::WriteOwner) {
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("#!/bin/sh\necho hallo\n");
    datei.close();
    EXPECT_TRUE(datei.setPermissions(rechte));
    return pfad;
}

struct LinkFall {
    const char* name;
    QString beschriftung;
    bool erlaubt;
};

class LinkTest : public ::testing::TestWithParam<LinkFall> {};

TEST_P(LinkTest, NurAdressenUndHarmloseDateien) {
    const LinkFall& fall = GetParam();
    FakeShell shell;
    FakeMeldungen meldungen;
    const bool geoeffnet = LinkOeffnen(fall.beschriftung, QString(), shell, meldungen);
    EXPECT_EQ(geoeffnet, fall.erlaubt);
    if (fall.erlaubt) {
        ASSERT_EQ(shell.geoeffnet.size(), 1);
        EXPECT_TRUE(meldungen.eintraege.empty());
    } else {
        EXPECT_TRUE(shell.geoeffnet.isEmpty()) << shell.geoeffnet.value(0).toStdString();
        ASSERT_EQ(meldungen.eintraege.size(), 1u);
        EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Fehler);
        EXPECT_EQ(meldungen.eintraege[0].text, QStringLiteral("Die Datei oder Internet-Adresse \"") +
                                                   fall.beschriftung +
                                                   QStringLiteral("\" kann nicht geöffnet werden."));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ziele, LinkTest,
    ::testing::Values(LinkFall{"http", QStringLiteral("http://example.org/karte.html"), true},
                      LinkFall{"https", QStringLiteral("https://example.org/?a=1&b=2"), true},
                      LinkFall{"HTTPS_gross", QStringLiteral("HTTPS://EXAMPLE.ORG"), true},
                      LinkFall{"ftp", QStringLiteral("ftp://ftp.example.org/karten/"), true},
                      LinkFall{"mailto", QStringLiteral("mailto:lehrer@example.org"), true},
                      LinkFall{"shell", QStringLiteral("/bin/sh"), false},
                      LinkFall{"file_ls", QStringLiteral("file:///bin/ls"), false},
                      LinkFall{"javascript", QStringLiteral("javascript:alert(1)"), false},
                      LinkFall{"fehlt", QStringLiteral("/gibt/es/nicht.pdf"), false},
                      LinkFall{"leer", QString(), false},
                      LinkFall{"ohne_host", QStringLiteral("http://"), false},
                      LinkFall{"mailto_leer", QStringLiteral("mailto:"), false},
                      LinkFall{"smb", QStringLiteral("smb://server/freigabe/setup.exe"), false},
                      LinkFall{"data", QStringLiteral("data:text/html,<script>x</script>"), false},
                      LinkFall{"zeilenumbruch", QStringLiteral("http://a.example\n/bin/sh"), false},
                      LinkFall{"ordner", QStringLiteral("/tmp"), false}),
    [](const auto& fall) { return std::string(fall.param.name); });

class LinkDateiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_tmp.isValid()); }
    QString Pfad(const QString& name) const { return m_tmp.filePath(name); }

    QTemporaryDir m_tmp;
    FakeShell m_shell;
    FakeMeldungen m_meldungen;
};

TEST_F(LinkDateiTest, AusfuehrbaresSkriptWirdAbgelehnt) {
    const QString skript = Anlegen(Pfad(QStringLiteral("zeige.txt")),
                                   QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(LinkOeffnen(skript, QString(), m_shell, m_meldungen));
    EXPECT_TRUE(m_shell.geoeffnet.isEmpty());
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].text, LinkNichtOeffnenbarText(skript));
    // Execute permission for others only counts as well.
    const QString andere =
        Anlegen(Pfad(QStringLiteral("andere.txt")), QFileDevice::ReadOwner | QFileDevice::ExeOther);
    EXPECT_TRUE(SichererLinkZiel(andere).isEmpty());
}

TEST_F(LinkDateiTest, ProgrammendungenOhneRechteWerdenAbgelehnt) {
    for (const char* name : {"setup.exe", "START.BAT", "los.sh", "app.desktop", "bild.pdf.exe", "x.ps1",
                             "setup.exe.", "skript.vbs"}) {
        const QString pfad = Anlegen(Pfad(QString::fromLatin1(name)));
        EXPECT_TRUE(SichererLinkZiel(pfad).isEmpty()) << name;
    }
}

TEST_F(LinkDateiTest, HarmloseDateiWirdAlsDateiadresseGeoeffnet) {
    const QString pdf = Anlegen(Pfad(QStringLiteral("Alpen Karte.pdf")));
    EXPECT_TRUE(LinkOeffnen(pdf, QString(), m_shell, m_meldungen));
    ASSERT_EQ(m_shell.geoeffnet.size(), 1);
    const QUrl url(m_shell.geoeffnet[0]);
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(), QFileInfo(pdf).canonicalFilePath());
    // As a file URL too, and relative to the folder of the open document.
    EXPECT_FALSE(SichererLinkZiel(QUrl::fromLocalFile(pdf).toString()).isEmpty());
    EXPECT_FALSE(SichererLinkZiel(QStringLiteral("Alpen Karte.pdf"), m_tmp.path()).isEmpty());
}

TEST_F(LinkDateiTest, VerknuepfungAufEinProgrammZaehltAlsProgramm) {
    const QString ziel =
        Anlegen(Pfad(QStringLiteral("werkzeug")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString verweis = Pfad(QStringLiteral("liesmich.txt"));
    ASSERT_TRUE(QFile::link(ziel, verweis));
    EXPECT_TRUE(SichererLinkZiel(verweis).isEmpty());
}

TEST_F(LinkDateiTest, SystemKannNichtOeffnenMeldetDasselbe) {
    m_shell.gelingt = false;
    EXPECT_FALSE(LinkOeffnen(QStringLiteral("https://example.org"), QString(), m_shell, m_meldungen));
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].text, LinkNichtOeffnenbarText(QStringLiteral("https://example.org")));
}

// Document markers go through the topic-list flows.
class DokumentLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        m_ordner.Themenordner = MitTrenner(QDir::toNativeSeparators(m_tmp.path()));
        m_ordner.Startordner = m_ordner.Themenordner;
        ThemenHaken haken;
        haken.DokumentLesen = [this](const QString& pfad, bool uebernehmen) {
            m_gelesen << pfad;
            EXPECT_TRUE(uebernehmen);
            TvlLeser leser;
            const bool ok = leser.lesen(pfad, m_dok);
            if (ok) m_dok.Header.Dateiname = pfad;
            return ok;
        };
        haken.StartpanelZeigen = [this] { ++m_startpanel; };
        m_themen = std::make_unique<ThemenAktionen>(m_dok, m_liste, m_ordner, m_meldungen, m_dialoge,
                                                    std::move(haken));
    }
    void Dokument_(const QString& pfad, const QString& titel) {
        Dokument d;
        d.Header.HD_titel = titel;
        d.Basisbild = QImage(8, 8, QImage::Format_RGB32);
        d.Basisbild.fill(Qt::gray);
        TvlSchreiber s;
        ASSERT_TRUE(s.schreiben(pfad, d));
    }

    QTemporaryDir m_tmp;
    Dokument m_dok;
    Themenliste m_liste;
    ProgrammOrdnerTyp m_ordner;
    FakeMeldungen m_meldungen;
    FakeDialoge m_dialoge;
    std::unique_ptr<ThemenAktionen> m_themen;
    QStringList m_gelesen;
    int m_startpanel = 0;
};

TEST_F(DokumentLinkTest, UnterordnerMitBackslashWirdThemenordner) {
    ASSERT_TRUE(QDir(m_tmp.path()).mkdir(QStringLiteral("Europa")));
    Dokument_(m_tmp.filePath(QStringLiteral("Europa/laender.tvl")), QStringLiteral("Länder"));
    EXPECT_TRUE(DokumentLinkOeffnen(QStringLiteral("Europa\\"), m_dok, m_ordner, *m_themen, m_meldungen));
    EXPECT_EQ(m_ordner.Themenordner,
              MitTrenner(QDir::toNativeSeparators(m_tmp.filePath(QStringLiteral("Europa")))));
    EXPECT_TRUE(m_gelesen.isEmpty()); // a folder switch opens no document
    EXPECT_EQ(m_startpanel, 1);
    ASSERT_EQ(m_liste.Anzahl(), 1);
    EXPECT_EQ(m_liste.Eintrag(0).Titel, QStringLiteral("Länder"));
    EXPECT_TRUE(m_meldungen.eintraege.empty());
}

TEST_F(DokumentLinkTest, DokumentNebenDemOffenenWirdGeoeffnet) {
    ASSERT_TRUE(QDir(m_tmp.path()).mkdir(QStringLiteral("a")));
    const QString offen = m_tmp.filePath(QStringLiteral("a/start.tvl"));
    Dokument_(offen, QStringLiteral("Start"));
    const QString daneben = m_tmp.filePath(QStringLiteral("a/fluesse.tvl"));
    Dokument_(daneben, QStringLiteral("Flüsse"));
    Dokument_(m_tmp.filePath(QStringLiteral("fluesse.tvl")), QStringLiteral("Falsch"));
    m_dok.Header.Dateiname = QDir::toNativeSeparators(offen);
    EXPECT_TRUE(DokumentLinkOeffnen(QStringLiteral("fluesse.tvl"), m_dok, m_ordner, *m_themen, m_meldungen));
    ASSERT_EQ(m_gelesen.size(), 1);
    EXPECT_EQ(m_gelesen[0], QDir::toNativeSeparators(daneben));
    EXPECT_EQ(m_dok.Header.HD_titel, QStringLiteral("Flüsse"));
}

TEST_F(DokumentLinkTest, SonstImStartordner) {
    Dokument_(m_tmp.filePath(QStringLiteral("berge.tvl")), QStringLiteral("Berge"));
    EXPECT_TRUE(DokumentLinkOeffnen(QStringLiteral("berge.tvl"), m_dok, m_ordner, *m_themen, m_meldungen));
    ASSERT_EQ(m_gelesen.size(), 1);
    EXPECT_EQ(m_liste.Anzahl(), 1); // the folder is read again
}

TEST_F(DokumentLinkTest, FehlendesDokumentMeldetEsUndAendertNichts) {
    EXPECT_FALSE(DokumentLinkOeffnen(QStringLiteral("weg.tvl"), m_dok, m_ordner, *m_themen, m_meldungen));
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].text, QStringLiteral("Die Datei \"weg.tvl\" existiert nicht."));
    EXPECT_TRUE(m_gelesen.isEmpty());
    // A subfolder that does not exist is looked for as a file, and is missing as well.
    const QString vorher = m_ordner.Themenordner;
    EXPECT_FALSE(DokumentLinkOeffnen(QStringLiteral("Asien\\"), m_dok, m_ordner, *m_themen, m_meldungen));
    EXPECT_EQ(m_ordner.Themenordner, vorher);
}

} // namespace
