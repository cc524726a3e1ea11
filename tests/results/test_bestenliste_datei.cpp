// Appending and reading under the lock, the retries, the messages word for word,
// and a write that fails partway leaving the list as it was.
#include "results/bestenliste.h"

#include "data/av_data.h"
#include "documents/dokument.h"
#include "fake_meldungen.h"
#include "kindmessung.h"
#include "test_bestenliste_hilfe.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

class BestenlisteDatei : public ::testing::Test {
protected:
    QString pfad(const QString& name = QStringLiteral("Europa.hsc")) const { return m_ordner.filePath(name); }

    QTemporaryDir m_ordner;
    FakeMeldungen m_meldungen;
    AktionsWarten m_warten;
    Bestenliste m_liste{m_meldungen, m_warten};
};

const QString Speicherfehler(const QString& pfad, const QString& grund = {}) {
    return QStringLiteral("Die Datei \"") + pfad +
           QStringLiteral("\" kann nicht geschrieben werden. Mögliche Ursachen:\r\n"
                          "- Ungültiger Ordner oder Dateiname\r\n"
                          "- fehlende Schreibzugriffsberechtigung im Netzwerk\r\n\r\n") +
           (grund.isEmpty() ? QString() : grund + QStringLiteral("\r\n\r\n")) +
           QStringLiteral("Die Bestenliste konnte nicht gespeichert werden. Überprüfen Sie die Einstellungen "
                          "unter \"Optionen | Ordner für Protokolle und Bestenlisten\".");
}

const QString KeinPlatz = QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");

TEST_F(BestenlisteDatei, ErsterEintragLegtDateiMitKopfAn) {
    const BestListDataTyp e = TestEintrag(QStringLiteral("Anna"), 0.875, 59999);
    ASSERT_TRUE(m_liste.anhaengen(pfad(), e));
    EXPECT_EQ(Inhalt(pfad()), HscBytes().kopf().eintrag("Anna", "PC-01", e.Beginn, 59999, 0.875).bytes());
    ASSERT_TRUE(m_liste.anhaengen(pfad(), TestEintrag(QStringLiteral("Bo"), 0.5, 1)));
    EXPECT_EQ(Inhalt(pfad()), HscBytes()
                                  .kopf()
                                  .eintrag("Anna", "PC-01", e.Beginn, 59999, 0.875)
                                  .eintrag("Bo", "PC-01", e.Beginn, 1, 0.5)
                                  .bytes());
    EXPECT_TRUE(m_meldungen.eintraege.empty());
    EXPECT_TRUE(m_warten.pausen.empty());
}

TEST_F(BestenlisteDatei, LeereVorhandeneDateiBekommtDenKopf) {
    Schreiben(pfad(), QByteArray());
    ASSERT_TRUE(QFileInfo::exists(pfad()));
    ASSERT_TRUE(m_liste.anhaengen(pfad(), TestEintrag(QStringLiteral("A"), 1, 2)));
    EXPECT_TRUE(Inhalt(pfad()).startsWith(BestListKopf()));
    EXPECT_EQ(Inhalt(pfad()).size(), 76 + 28 + 1 + 5);
}

TEST_F(BestenlisteDatei, GesperrteDateiFuenfVersucheDannMeldung) {
    Schreiben(pfad(), BestListKopf());
    GesperrteDatei andere;
    ASSERT_TRUE(andere.oeffnen(pfad(), GesperrteDatei::Zugriff::Exklusiv));
    EXPECT_FALSE(m_liste.anhaengen(pfad(), TestEintrag(QStringLiteral("A"), 1, 2)));
    EXPECT_EQ(m_warten.pausen, (std::vector<int>{100, 100, 100, 100}));
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(m_meldungen.eintraege[0].text, Speicherfehler(pfad()));
    EXPECT_EQ(Inhalt(pfad()), BestListKopf());
}

TEST_F(BestenlisteDatei, FreigabeWaehrendDerPausenLaesstDenDrittenVersuchGelingen) {
    auto andere = std::make_unique<GesperrteDatei>();
    ASSERT_TRUE(andere->oeffnen(pfad(), GesperrteDatei::Zugriff::LesenOhneSchreiber) ||
                andere->oeffnen(pfad(), GesperrteDatei::Zugriff::Exklusiv));
    m_warten.beiPause = 2;
    m_warten.aktion = [&] { andere.reset(); };
    EXPECT_TRUE(m_liste.anhaengen(pfad(), TestEintrag(QStringLiteral("A"), 1, 2)));
    EXPECT_EQ(m_warten.pausen.size(), 2u);
    EXPECT_TRUE(m_meldungen.eintraege.empty());
}

TEST_F(BestenlisteDatei, LeserSperrenSchreiberAusAberNichtAndereLeser) {
    Schreiben(pfad(), HscBytes().kopf().eintrag("A", "R", 1, 2, 0.5).bytes());
    GesperrteDatei leser;
    ASSERT_TRUE(leser.oeffnen(pfad(), GesperrteDatei::Zugriff::LesenOhneSchreiber));
    std::vector<BestListDataTyp> l;
    QString grund;
    EXPECT_TRUE(BestListLesenVersuch(pfad(), l, grund));
    EXPECT_EQ(l.size(), 1u);
    EXPECT_FALSE(BestListAnhaengenVersuch(pfad(), TestEintrag(QStringLiteral("B"), 1, 1), {}, grund));
    leser.schliessen();
    GesperrteDatei schreiber;
    ASSERT_TRUE(schreiber.oeffnen(pfad(), GesperrteDatei::Zugriff::Exklusiv));
    EXPECT_FALSE(BestListLesenVersuch(pfad(), l, grund));
    EXPECT_TRUE(l.empty());
}

// A write that stops after k bytes, for every k: the file is cut back and the next append is clean.
TEST_F(BestenlisteDatei, AbgebrochenesSchreibenLaesstDieListeWieSieWar) {
    ASSERT_TRUE(m_liste.anhaengen(pfad(), TestEintrag(QStringLiteral("Erster"), 0.5, 10)));
    const QByteArray vorher = Inhalt(pfad());
    const qsizetype eintragLaenge = BestListEintragBytes(TestEintrag(QStringLiteral("Zweiter"), 1, 1)).size();
    for (int64_t k = 0; k < eintragLaenge; ++k) {
        m_meldungen.eintraege.clear();
        m_liste.setzeSchreiber(
            [k](GesperrteDatei& d, const char* daten, int64_t) { return d.anhaengen(daten, k); });
        EXPECT_FALSE(m_liste.anhaengen(pfad(), TestEintrag(QStringLiteral("Zweiter"), 1, 1)));
        ASSERT_EQ(Inhalt(pfad()), vorher) << k;
        ASSERT_EQ(m_meldungen.texte(), std::vector<QString>{Speicherfehler(pfad())});
    }
    m_liste.setzeSchreiber({});
    ASSERT_TRUE(m_liste.anhaengen(pfad(), TestEintrag(QStringLiteral("Dritter"), 1, 1)));
    std::vector<BestListDataTyp> l;
    QString grund;
    ASSERT_TRUE(BestListLesenVersuch(pfad(), l, grund));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].Name, QStringLiteral("Dritter"));
}

// An empty file is no best list: a first append that fails leaves no file behind,
// while an empty file that was there before stays.
TEST_F(BestenlisteDatei, AbgebrochenerKopfEinerNeuenDateiHinterlaesstKeineDatei) {
    m_liste.setzeSchreiber(
        [](GesperrteDatei& d, const char* daten, int64_t) { return d.anhaengen(daten, 40); });
    EXPECT_FALSE(m_liste.anhaengen(pfad(), TestEintrag(QStringLiteral("A"), 1, 1)));
    EXPECT_FALSE(QFileInfo::exists(pfad()));
    Schreiben(pfad(), QByteArray());
    EXPECT_FALSE(m_liste.anhaengen(pfad(), TestEintrag(QStringLiteral("A"), 1, 1)));
    EXPECT_TRUE(QFileInfo::exists(pfad()));
    EXPECT_EQ(Inhalt(pfad()).size(), 0);
}

// A device is no list: it is refused before anything is written (the reason of a really
// full disk is checked on a full file system below).
TEST_F(BestenlisteDatei, GeraetedateiWirdAbgelehnt) {
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "kein /dev/full";
    EXPECT_FALSE(m_liste.anhaengen(QStringLiteral("/dev/full"), TestEintrag(QStringLiteral("A"), 1, 1)));
    EXPECT_EQ(m_meldungen.texte(), std::vector<QString>{Speicherfehler(QStringLiteral("/dev/full"))});
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("/dev/full")));
}

// A real full file system: a small tmpfs mounted in a mount namespace of a child
// process. The first append of a new list fails, says why and leaves no file.
TEST_F(BestenlisteDatei, ErsterEintragAufVollemDatentraeger) {
    const QString mnt = m_ordner.filePath(QStringLiteral("voll"));
    ASSERT_TRUE(QDir().mkpath(mnt));
    const KindErgebnis e = ImKindMessen([&]() -> QByteArray {
        const QByteArray ziel = QFile::encodeName(mnt);
        if (::unshare(CLONE_NEWNS) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return "kein tmpfs";
        // Private first, so the mount below never shows outside this child.
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return "kein tmpfs";
        if (::mount("tmpfs", ziel.constData(), "tmpfs", 0, "size=64k") != 0) return "kein tmpfs";
        QFile fuellung(mnt + QStringLiteral("/fuellung"));
        fuellung.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (fuellung.write(QByteArray(4096, 'x')) > 0) {
        }
        fuellung.close();
        FakeMeldungen meldungen;
        AktionsWarten warten;
        Bestenliste liste(meldungen, warten);
        const QString p = mnt + QStringLiteral("/Europa.hsc");
        const bool ok = liste.anhaengen(p, TestEintrag(QStringLiteral("A"), 1, 1));
        return QByteArray(ok ? "geschrieben" : "gescheitert") +
               (QFileInfo::exists(p) ? " Datei da " : " keine Datei ") +
               (meldungen.texte().empty() ? QByteArray() : meldungen.texte()[0].toUtf8());
    });
    ASSERT_TRUE(e.beendet);
    if (e.text == "kein tmpfs") GTEST_SKIP() << "kein tmpfs in einem eigenen Mount-Namensraum möglich";
    EXPECT_EQ(e.text, "gescheitert keine Datei " +
                          Speicherfehler(mnt + QStringLiteral("/Europa.hsc"), KeinPlatz).toUtf8());
}

// A damaged list still shows its intact entries and says where the damage begins;
// appending to it still works and keeps them readable.
TEST_F(BestenlisteDatei, BeschaedigteListeWarntUndBleibtBeschreibbar) {
    Schreiben(pfad(), HscBytes()
                          .kopf()
                          .eintrag("A", "R", 1, 2, 0.5)
                          .eintrag("B", "R", 1, 2, 0.5)
                          .ganzzahl(-4)
                          .text("R")
                          .bytes());
    ASSERT_TRUE(m_liste.laden(pfad(), false));
    EXPECT_EQ(m_liste.eintraege().size(), 2u);
    EXPECT_EQ(m_liste.schaden(), QStringLiteral("Die Bestenliste \"") + pfad() +
                                     QStringLiteral("\" ist ab Eintrag 3 beschädigt; angezeigt werden die "
                                                    "Einträge davor."));
    EXPECT_TRUE(m_meldungen.eintraege.empty());
    ASSERT_TRUE(m_liste.anhaengen(pfad(), TestEintrag(QStringLiteral("C"), 1, 1)));
    ASSERT_TRUE(m_liste.laden(pfad(), false));
    EXPECT_EQ(m_liste.eintraege().size(), 2u);
    EXPECT_FALSE(m_liste.schaden().isEmpty());
    Schreiben(pfad(), HscBytes().kopf().eintrag("A", "R", 1, 2, 0.5).bytes());
    ASSERT_TRUE(m_liste.laden(pfad(), false));
    EXPECT_TRUE(m_liste.schaden().isEmpty());
}

// Folders, pipes and devices named like a list exist: they get the read failure.
TEST_F(BestenlisteDatei, OrdnerUndPipeMitEndungSindUnlesbar) {
    const QString ordner = pfad(QStringLiteral("Ordner.hsc"));
    ASSERT_TRUE(QDir().mkpath(ordner));
    const QString rohr = pfad(QStringLiteral("Rohr.hsc"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    for (const QString& p : {ordner, rohr, QStringLiteral("/dev/zero")}) {
        m_meldungen.eintraege.clear();
        EXPECT_FALSE(m_liste.laden(p, false)) << p.toStdString();
        ASSERT_EQ(m_meldungen.eintraege.size(), 1u) << p.toStdString();
        EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Fehler);
        EXPECT_TRUE(m_meldungen.eintraege[0].text.contains(QStringLiteral("kann nicht gelesen werden")));
    }
}

TEST_F(BestenlisteDatei, UngueltigerOrdnerMeldetDenFehler) {
    const QString p = pfad(QStringLiteral("gibtesnicht/Europa.hsc"));
    EXPECT_FALSE(m_liste.anhaengen(p, TestEintrag(QStringLiteral("A"), 1, 1)));
    EXPECT_EQ(m_meldungen.texte(), std::vector<QString>{Speicherfehler(p)});
    EXPECT_EQ(m_warten.pausen.size(), 4u);
}

TEST_F(BestenlisteDatei, FehlendeDateiMeldetKeineEintraege) {
    for (const bool netz : {false, true}) {
        m_meldungen.eintraege.clear();
        EXPECT_FALSE(m_liste.laden(pfad(QStringLiteral("fehlt.hsc")), netz));
        ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
        EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Information);
        EXPECT_EQ(
            m_meldungen.eintraege[0].text,
            netz ? QStringLiteral("Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch keine Einträge.")
                 : QStringLiteral("Zu diesem Quiz gibt es bisher keine Einträge in der Bestenliste. "
                                  "Überprüfen Sie ggf. die Einstellungen im Menü \"Optionen\", um die "
                                  "Bestenliste zu nutzen."));
    }
    EXPECT_TRUE(m_warten.pausen.empty());
}

TEST_F(BestenlisteDatei, UnlesbareDateiMeldetNachFuenfVersuchen) {
    Schreiben(pfad(), HscBytes().text("TVL-HSC-2.00").bytes());
    for (const bool netz : {false, true}) {
        m_meldungen.eintraege.clear();
        m_warten.pausen.clear();
        EXPECT_FALSE(m_liste.laden(pfad(), netz));
        EXPECT_EQ(m_warten.pausen.size(), 4u);
        const QString zusatz =
            netz ? QStringLiteral(
                       "Möglicherweise existiert die Datei noch nicht, weil noch kein Teilnehmer das "
                       "Quiz beendet hat.")
                 : QStringLiteral(
                       "Überprüfen Sie die Einstellungen im Menü \"Optionen\", um die Bestenliste zu "
                       "nutzen. Möglicherweise existiert die Datei noch nicht, weil noch niemand das "
                       "Quiz durchgeführt hat.");
        const QString text = QStringLiteral("Die Datei \"") + pfad() +
                             QStringLiteral("\" kann nicht gelesen werden. Mögliche Ursachen:\r\n"
                                            "- Datei existiert nicht\r\n- Ungültiges Dateiformat\r\n"
                                            "- fehlende Lesezugriffsberechtigung im Netzwerk\r\n\r\n") +
                             zusatz;
        ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
        EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Fehler);
        EXPECT_EQ(m_meldungen.eintraege[0].text, text);
    }
}

TEST_F(BestenlisteDatei, PfadAusDokumentnameImBestenlistenordner) {
    EXPECT_EQ(BestListPfad(QStringLiteral("/b/"), QStringLiteral("/themen/Europa.tvl")),
              QStringLiteral("/b/Europa.hsc"));
    EXPECT_EQ(BestListPfad(QStringLiteral("/b/"), QStringLiteral("/x/Welt.v2.tvl")),
              QStringLiteral("/b/Welt.v2.hsc"));
    EXPECT_EQ(NetzBestListPfad(QStringLiteral("/kom/"), QStringLiteral("TVL-1")),
              QStringLiteral("/kom/TVL-1-tvlnetzuebung.hsc"));
}

TEST(BestenlisteEintrag, LeererNameWirdKeinName) {
    const QDateTime t(QDate(2026, 12, 8), QTime(10, 15));
    EXPECT_EQ(BestListEintrag(QString(), QStringLiteral("R"), t, 1, 1).Name, QStringLiteral("(kein Name)"));
    EXPECT_EQ(BestListEintrag(QStringLiteral("   "), QStringLiteral("R"), t, 1, 1).Name,
              QStringLiteral("(kein Name)"));
    EXPECT_EQ(BestListEintrag(QStringLiteral(" Anna "), QStringLiteral("R"), t, 1, 1).Name,
              QStringLiteral(" Anna "));
    EXPECT_DOUBLE_EQ(BestListEintrag(QString(), QString(), t, 1, 1).Beginn, SerielleZeit(t));
}

TEST_F(BestenlisteDatei, TeilwiederholungUndAusgeschalteteOptionTragenNichtsEin) {
    QuizErgebnisTyp teil{true, 5, 20, QStringLiteral("Anna"), QDateTime::currentDateTime(), 1000, 1.0};
    EXPECT_FALSE(m_liste.ergebnisEintragen(teil, pfad(), QStringLiteral("PC")));
    QuizErgebnisTyp aus{false, 20, 20, QStringLiteral("Anna"), QDateTime::currentDateTime(), 1000, 1.0};
    EXPECT_FALSE(m_liste.ergebnisEintragen(aus, pfad(), QStringLiteral("PC")));
    EXPECT_FALSE(QFileInfo::exists(pfad()));
    QuizErgebnisTyp ganz{true, 20, 20, QString(), QDateTime(QDate(2026, 12, 8), QTime(10, 15)), 61500, 0.85};
    EXPECT_TRUE(m_liste.ergebnisEintragen(ganz, pfad(), QStringLiteral("PC")));
    std::vector<BestListDataTyp> l;
    QString grund;
    ASSERT_TRUE(BestListLesenVersuch(pfad(), l, grund));
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0], (BestListDataTyp{QStringLiteral("(kein Name)"), QStringLiteral("PC"),
                                     46364.0 + 10.25 / 24, 61500, 0.85}));
}

class BestenlisteZeigen : public BestenlisteDatei {
protected:
    void SetUp() override {
        m_ordnerTyp.Bestenlistenordner = MitTrenner(m_ordner.filePath(QStringLiteral("best")));
        m_ordnerTyp.Kommunikationsordner = MitTrenner(m_ordner.filePath(QStringLiteral("kom")));
        QDir(m_ordner.path()).mkpath(QStringLiteral("best"));
        QDir(m_ordner.path()).mkpath(QStringLiteral("kom"));
        m_dok.Header.Dateiname = QStringLiteral("/irgendwo/Europa.tvl");
        m_dok.Header.HD_titel = QStringLiteral("Staaten Europas");
    }
    std::function<void(const QString&)> zeiger() {
        return [this](const QString& t) { m_titel << t; };
    }

    ProgrammOrdnerTyp m_ordnerTyp;
    Dokument m_dok;
    QStringList m_titel;
};

TEST_F(BestenlisteZeigen, OhneDokumentNurHinweis) {
    m_dok.Header.Dateiname.clear();
    m_liste.zeigen(m_dok, m_ordnerTyp, false, zeiger());
    EXPECT_TRUE(m_titel.isEmpty());
    EXPECT_EQ(m_meldungen.texte(),
              std::vector<QString>{QStringLiteral(
                  "Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen.")});
}

TEST_F(BestenlisteZeigen, LaedtOrdnetUndZeigtMitTitel) {
    const QString p = m_ordnerTyp.Bestenlistenordner + QStringLiteral("Europa.hsc");
    ASSERT_TRUE(m_liste.anhaengen(p, TestEintrag(QStringLiteral("langsam"), 0.9, 5000)));
    ASSERT_TRUE(m_liste.anhaengen(p, TestEintrag(QStringLiteral("schnell"), 0.9, 4000)));
    ASSERT_TRUE(m_liste.anhaengen(p, TestEintrag(QStringLiteral("schwach"), 0.2, 1)));
    m_liste.zeigen(m_dok, m_ordnerTyp, false, zeiger());
    EXPECT_EQ(m_titel, QStringList{QStringLiteral("Bestenliste - Staaten Europas")});
    ASSERT_EQ(m_liste.eintraege().size(), 3u);
    EXPECT_EQ(m_liste.eintraege()[0].Name, QStringLiteral("schnell"));
    EXPECT_EQ(m_liste.eintraege()[2].Name, QStringLiteral("schwach"));
    EXPECT_TRUE(m_meldungen.eintraege.empty());
}

TEST_F(BestenlisteZeigen, NetzListeAusDemKommunikationsordnerAuchOhneDokument) {
    m_dok.Header = HeaderDataTyp{};
    const QString p = m_ordnerTyp.Kommunikationsordner + QStringLiteral("TVL-1-tvlnetzuebung.hsc");
    ASSERT_TRUE(m_liste.anhaengen(p, TestEintrag(QStringLiteral("Netz"), 0.9, 5000)));
    m_liste.zeigen(m_dok, m_ordnerTyp, true, zeiger());
    EXPECT_EQ(m_titel, QStringList{QStringLiteral("Bestenliste - ")});
    ASSERT_EQ(m_liste.eintraege().size(), 1u);
}

TEST_F(BestenlisteZeigen, FehlendeListeZeigtDasFensterLeer) {
    ASSERT_TRUE(m_liste.anhaengen(m_ordnerTyp.Bestenlistenordner + QStringLiteral("Anderes.hsc"),
                                  TestEintrag(QStringLiteral("x"), 1, 1)));
    m_liste.laden(m_ordnerTyp.Bestenlistenordner + QStringLiteral("Anderes.hsc"), false);
    ASSERT_EQ(m_liste.eintraege().size(), 1u);
    m_liste.zeigen(m_dok, m_ordnerTyp, false, zeiger());
    EXPECT_EQ(m_titel.size(), 1);
    EXPECT_TRUE(m_liste.eintraege().empty());
    EXPECT_EQ(m_meldungen.eintraege.size(), 1u);
}

} // namespace
