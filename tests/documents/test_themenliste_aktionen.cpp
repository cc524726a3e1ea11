#include "documents/themen_aktionen.h"

#include "data/av_data.h"
#include "documents/dokument_lesen.h"
#include "fake_dialoge.h"
#include "fake_meldungen.h"
#include "test_themenliste_hilfe.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace thementest;

namespace {

const QString QuizFrage =
    QStringLiteral("Das aktuelle Quiz ist noch nicht beendet.\r\nQuiz wirklich abbrechen?");

// The topic list wired to the real document reader, with every hook recorded.
class ThemenAktionenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        ASSERT_TRUE(QDir(m_tmp.path()).mkdir(QStringLiteral("eins")));
        ASSERT_TRUE(QDir(m_tmp.path()).mkdir(QStringLiteral("zwei")));
        for (const char* n : {"a.tvl", "b.tvl", "c.tvl"})
            ASSERT_TRUE(DokumentAnlegen(eins(), QString::fromLatin1(n),
                                        QStringLiteral("Titel ") + QLatin1Char(n[0])));
        ASSERT_TRUE(DokumentAnlegen(zwei(), QStringLiteral("x.tvl"), QStringLiteral("Titel x")));
        ASSERT_TRUE(DokumentAnlegen(zwei(), QStringLiteral("y.tvl"), QStringLiteral("Titel y")));
        m_ordner.Themenordner = MitTrenner(eins().path());
        m_ordner.Startordner = m_ordner.Themenordner;
        m_startbild = QImage(4, 4, QImage::Format_ARGB32);
        m_startbild.fill(Qt::blue);

        ThemenHaken haken;
        haken.DokumentLesen = [this](const QString& pfad, bool uebernehmen) {
            ++m_gelesen;
            DokumentHooks hooks;
            hooks.dokumentSchliessen = [this] { m_aktionen->DokumentSchliessen(); };
            hooks.ordnerUebernehmen = [this](const QString& o) { m_ordner.Themenordner = o; };
            return DokumentLesen(m_dok, pfad, uebernehmen, m_meldungen, hooks);
        };
        haken.QuizUnbeendet = [this] { return m_quizLaeuft; };
        haken.Ansichtsmodus = [this] { return m_ansichtsmodus; };
        haken.MenueAufbauen = [this](const Themenliste& liste, int index) {
            m_menue.clear();
            for (int i = 0; i < liste.Anzahl(); ++i)
                m_menue << liste.MenueBeschriftung(i);
            m_haken = index;
        };
        haken.MenueHakenSetzen = [this](int index) { m_haken = index; };
        haken.TitelZeigen = [this](const QString& f, const QString& d) {
            m_fenstertitel = f;
            m_doktitel = d;
        };
        haken.BestenlisteLeeren = [this] { ++m_bestenlisteGeleert; };
        haken.KarteNeuAufbauen = [this] { ++m_karteAufgebaut; };
        haken.StartpanelZeigen = [this] { ++m_startpanel; };
        m_aktionen =
            std::make_unique<ThemenAktionen>(m_dok, m_liste, m_ordner, m_meldungen, m_dialoge, haken);
        m_aktionen->setzeStartbild(m_startbild);
        m_aktionen->OrdnerLesen();
    }

    QDir eins() const { return QDir(m_tmp.filePath(QStringLiteral("eins"))); }
    QDir zwei() const { return QDir(m_tmp.filePath(QStringLiteral("zwei"))); }
    QString pfadIn(const QDir& d, const char* name) const {
        return MitTrenner(d.path()) + QString::fromLatin1(name);
    }

    QTemporaryDir m_tmp;
    Dokument m_dok;
    Themenliste m_liste;
    ProgrammOrdnerTyp m_ordner;
    FakeMeldungen m_meldungen;
    FakeDialoge m_dialoge;
    QImage m_startbild;
    std::unique_ptr<ThemenAktionen> m_aktionen;

    bool m_quizLaeuft = false;
    int m_ansichtsmodus = 2;
    // The last open dialog asked for.
    const DateiDialogAuftrag* dateiAuftrag() const {
        return m_dialoge.oeffnenAuftraege.empty() ? nullptr : &m_dialoge.oeffnenAuftraege.back();
    }
    int m_gelesen = 0;
    QStringList m_menue;
    int m_haken = -2;
    QString m_fenstertitel;
    QString m_doktitel;
    int m_bestenlisteGeleert = 0;
    int m_karteAufgebaut = 0;
    int m_startpanel = 0;
};

} // namespace

TEST_F(ThemenAktionenTest, ErstesEinlesenZeigtOrdnerUndStarttitel) {
    EXPECT_EQ(m_menue, (QStringList{QStringLiteral("&1:  Titel a"), QStringLiteral("&2:  Titel b"),
                                    QStringLiteral("&3:  Titel c")}));
    EXPECT_EQ(m_haken, -1);
    EXPECT_EQ(m_fenstertitel, QStringLiteral("Velmora Kartello-Quiz"));
    EXPECT_EQ(m_doktitel, QStringLiteral("Rufen Sie das Menü \"Quizauswahl\" auf, um ein Quiz auszuwählen!"));
}

TEST_F(ThemenAktionenTest, ListeneintragOeffnen) {
    m_aktionen->ListeneintragOeffnen(1);
    EXPECT_EQ(m_dok.Header.Dateiname, pfadIn(eins(), "b.tvl"));
    EXPECT_EQ(m_dok.Listenindex, 1);
    EXPECT_EQ(m_haken, 1);
    EXPECT_EQ(m_fenstertitel, QStringLiteral("Velmora Kartello-Quiz - Titel b"));
    EXPECT_EQ(m_doktitel, QStringLiteral("Titel b (0 Fragen)"));
    EXPECT_TRUE(m_meldungen.eintraege.empty());
}

TEST_F(ThemenAktionenTest, UngueltigerIndexTutNichts) {
    m_aktionen->ListeneintragOeffnen(-1);
    m_aktionen->ListeneintragOeffnen(3);
    EXPECT_EQ(m_gelesen, 0);
    EXPECT_FALSE(m_dok.IstOffen());
}

TEST_F(ThemenAktionenTest, NaechstesOhneOffenenEintragOeffnetDenErsten) {
    m_aktionen->Naechstes();
    EXPECT_EQ(m_dok.Listenindex, 0);
    EXPECT_EQ(m_dok.Header.Dateiname, pfadIn(eins(), "a.tvl"));
}

TEST_F(ThemenAktionenTest, VorherigesOhneOffenenEintragOeffnetDenErsten) {
    m_aktionen->Vorheriges();
    EXPECT_EQ(m_dok.Listenindex, 0);
}

TEST_F(ThemenAktionenTest, AnDenEndenGeschiehtNichts) {
    m_aktionen->ListeneintragOeffnen(2);
    const int gelesen = m_gelesen;
    m_aktionen->Naechstes();
    EXPECT_EQ(m_gelesen, gelesen);
    EXPECT_EQ(m_dok.Listenindex, 2);
    m_aktionen->ListeneintragOeffnen(0);
    m_aktionen->Vorheriges();
    EXPECT_EQ(m_gelesen, gelesen + 1);
    EXPECT_EQ(m_dok.Listenindex, 0);
    m_aktionen->Naechstes();
    EXPECT_EQ(m_dok.Listenindex, 1);
    m_aktionen->Vorheriges();
    EXPECT_EQ(m_dok.Listenindex, 0);
}

TEST_F(ThemenAktionenTest, NaechstesUndVorherigesNurInDerLernansicht) {
    m_ansichtsmodus = 3;
    m_aktionen->Naechstes();
    m_aktionen->Vorheriges();
    EXPECT_EQ(m_gelesen, 0);
}

TEST_F(ThemenAktionenTest, LeereListeNaechstesTutNichts) {
    m_ordner.Themenordner = MitTrenner(m_tmp.filePath(QStringLiteral("fehlt")));
    m_aktionen->OrdnerLesen();
    EXPECT_TRUE(m_menue.isEmpty());
    m_aktionen->Naechstes();
    m_aktionen->Vorheriges();
    EXPECT_EQ(m_gelesen, 0);
}

TEST_F(ThemenAktionenTest, LaufendesQuizFragtVorDemWechsel) {
    m_quizLaeuft = true;
    m_meldungen.antworten = {Antwort::Nein};
    m_aktionen->ListeneintragOeffnen(1);
    EXPECT_EQ(m_gelesen, 0);
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].text, QuizFrage);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Bestaetigung);
    EXPECT_EQ(m_meldungen.eintraege[0].knoepfe, Knoepfe::JaNein);

    m_meldungen.antworten = {Antwort::Ja};
    m_aktionen->ListeneintragOeffnen(1);
    EXPECT_EQ(m_dok.Listenindex, 1);
}

TEST(QuizVerlassen, OhneQuizOhneFrage) {
    FakeMeldungen m;
    EXPECT_TRUE(QuizVerlassenBestaetigen(m, false));
    EXPECT_TRUE(m.eintraege.empty());
    m.antworten = {Antwort::Nein};
    EXPECT_FALSE(QuizVerlassenBestaetigen(m, true));
    EXPECT_EQ(m.texte(), std::vector<QString>{QuizFrage});
}

TEST_F(ThemenAktionenTest, BeschaedigtesDokumentSchliesstUndLiestNeu) {
    // The header reads, so the file is listed; the body is cut short.
    const QByteArray gut = Dokumentbytes(QStringLiteral("Titel b"));
    ASSERT_TRUE(Schreiben(pfadIn(eins(), "b.tvl"), gut.left(gut.size() - 20)));
    m_aktionen->ListeneintragOeffnen(0);
    m_aktionen->ListeneintragOeffnen(1);
    EXPECT_FALSE(m_dok.IstOffen());
    EXPECT_EQ(m_dok.Listenindex, -1);
    EXPECT_EQ(m_haken, -1);
    EXPECT_EQ(m_dok.VorherigesDokument, QString());
    EXPECT_EQ(m_dok.Basisbild, m_startbild);
    EXPECT_EQ(m_startpanel, 1);
    ASSERT_FALSE(m_meldungen.eintraege.empty());
    EXPECT_EQ(m_meldungen.eintraege.back().art, MeldungsArt::Fehler);
    EXPECT_EQ(m_doktitel, QStringLiteral("Rufen Sie das Menü \"Quizauswahl\" auf, um ein Quiz auszuwählen!"));
    EXPECT_EQ(m_menue.size(), 3);
}

TEST_F(ThemenAktionenTest, SchliessenStelltStartzustandHer) {
    m_aktionen->ListeneintragOeffnen(2);
    m_dok.Objekte.resize(3);
    m_aktionen->Schliessen();
    EXPECT_FALSE(m_dok.IstOffen());
    EXPECT_TRUE(m_dok.Objekte.empty());
    EXPECT_EQ(m_dok.Basisbild, m_startbild);
    EXPECT_EQ(m_dok.VorherigesDokument, pfadIn(eins(), "c.tvl"));
    EXPECT_EQ(m_bestenlisteGeleert, 1);
    EXPECT_EQ(m_karteAufgebaut, 1);
    EXPECT_EQ(m_startpanel, 1);
    EXPECT_EQ(m_haken, -1);
    EXPECT_EQ(m_menue.size(), 3);
    EXPECT_EQ(m_fenstertitel, QStringLiteral("Velmora Kartello-Quiz"));
}

TEST_F(ThemenAktionenTest, SchliessenImQuizMitNeinBleibtOffen) {
    m_aktionen->ListeneintragOeffnen(0);
    m_quizLaeuft = true;
    m_meldungen.antworten = {Antwort::Nein};
    m_aktionen->Schliessen();
    EXPECT_TRUE(m_dok.IstOffen());
    EXPECT_EQ(m_startpanel, 0);
}

TEST_F(ThemenAktionenTest, ZuvorAngezeigtesDokument) {
    m_aktionen->ZuvorAngezeigtes(); // nothing shown before
    EXPECT_EQ(m_gelesen, 0);
    m_aktionen->ListeneintragOeffnen(1);
    m_aktionen->Schliessen();
    m_aktionen->ZuvorAngezeigtes();
    EXPECT_EQ(m_dok.Header.Dateiname, pfadIn(eins(), "b.tvl"));
    EXPECT_EQ(m_dok.Listenindex, 1);
    EXPECT_EQ(m_haken, 1);
    EXPECT_EQ(m_doktitel, QStringLiteral("Titel b (0 Fragen)"));
}

TEST_F(ThemenAktionenTest, OeffnenAusAnderemOrdnerWechseltDieListe) {
    m_dialoge.dateien.push_back(pfadIn(zwei(), "y.tvl"));
    m_aktionen->Oeffnen();
    ASSERT_NE(dateiAuftrag(), nullptr);
    EXPECT_EQ(dateiAuftrag()->Titel, QStringLiteral("Dokument öffnen"));
    ASSERT_EQ(dateiAuftrag()->Filter.size(), 2u);
    EXPECT_EQ(dateiAuftrag()->Filter[0].first, QStringLiteral("Tavolo - Dokument (*.tvl)"));
    EXPECT_EQ(dateiAuftrag()->Filter[0].second, QStringLiteral("*.tvl"));
    EXPECT_EQ(dateiAuftrag()->Filter[1].first, QStringLiteral("Alle Dateien (*.*)"));
    EXPECT_EQ(dateiAuftrag()->Filter[1].second, QStringLiteral("*.*"));
    EXPECT_EQ(dateiAuftrag()->Standardendung, QStringLiteral("tvl"));
    EXPECT_TRUE(dateiAuftrag()->MussExistieren);
    EXPECT_EQ(dateiAuftrag()->Startordner, MitTrenner(eins().path()));
    EXPECT_TRUE(dateiAuftrag()->Dateiname.isEmpty());

    EXPECT_EQ(m_ordner.Themenordner, MitTrenner(zwei().path()));
    EXPECT_EQ(m_menue, (QStringList{QStringLiteral("&1:  Titel x"), QStringLiteral("&2:  Titel y")}));
    EXPECT_EQ(m_dok.Listenindex, 1);
    EXPECT_EQ(m_haken, 1);
    EXPECT_EQ(m_doktitel, QStringLiteral("Titel y (0 Fragen)"));

    // With a document open the dialog starts at it.
    m_dialoge.dateien.push_back(std::nullopt);
    m_aktionen->Oeffnen();
    EXPECT_EQ(dateiAuftrag()->Startordner, MitTrenner(zwei().path()));
    EXPECT_EQ(dateiAuftrag()->Dateiname, pfadIn(zwei(), "y.tvl"));
    EXPECT_EQ(m_dok.Header.Dateiname, pfadIn(zwei(), "y.tvl"));
}

TEST_F(ThemenAktionenTest, OeffnenAbgebrochenAendertNichts) {
    m_aktionen->Oeffnen();
    EXPECT_NE(dateiAuftrag(), nullptr);
    EXPECT_EQ(m_gelesen, 0);
}

TEST_F(ThemenAktionenTest, OrdnerWaehlen) {
    m_aktionen->ListeneintragOeffnen(0);
    m_dialoge.ordner.push_back(zwei().path()); // without a separator at the end
    m_aktionen->OrdnerWaehlen();
    ASSERT_EQ(m_dialoge.ordnerTitel.size(), 1u);
    EXPECT_EQ(m_dialoge.ordnerTitel[0], QStringLiteral("Aktuellen Ordner wählen"));
    EXPECT_EQ(m_dialoge.ordnerVorauswahl[0], MitTrenner(eins().path()));
    EXPECT_EQ(m_ordner.Themenordner, MitTrenner(zwei().path()));
    EXPECT_FALSE(m_dok.IstOffen());
    EXPECT_EQ(m_menue.size(), 2);
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Information);
    EXPECT_EQ(m_meldungen.eintraege[0].text,
              QStringLiteral("2 Themendokument(e) eingelesen.\r\n"
                             "Wählen Sie das gewünschte Dokument im Menü \"Themenauswahl\"."));
}

TEST_F(ThemenAktionenTest, OrdnerWaehlenAbgebrochen) {
    m_aktionen->ListeneintragOeffnen(0);
    m_aktionen->OrdnerWaehlen();
    EXPECT_TRUE(m_dok.IstOffen());
    EXPECT_EQ(m_ordner.Themenordner, MitTrenner(eins().path()));
    EXPECT_TRUE(m_meldungen.eintraege.empty());
}

TEST_F(ThemenAktionenTest, StartseiteOhneStartdokumentSchliesst) {
    m_ordner.Startordner = MitTrenner(zwei().path());
    m_aktionen->ListeneintragOeffnen(0);
    m_aktionen->Startseite();
    EXPECT_FALSE(m_dok.IstOffen());
    EXPECT_EQ(m_ordner.Themenordner, MitTrenner(zwei().path()));
    EXPECT_EQ(m_menue.size(), 2);
}

TEST_F(ThemenAktionenTest, StartseiteMitStartdokumentOeffnetEs) {
    m_ordner.Startdokument = pfadIn(zwei(), "x.tvl");
    m_aktionen->Startseite();
    EXPECT_EQ(m_dok.Header.Dateiname, pfadIn(zwei(), "x.tvl"));
    EXPECT_EQ(m_dok.Listenindex, 0);
    EXPECT_EQ(m_haken, 0);
    EXPECT_EQ(m_menue.size(), 2);
}

TEST_F(ThemenAktionenTest, FehlendesStartdokumentMeldetUndLaesstListe) {
    m_ordner.Startdokument = pfadIn(zwei(), "fehlt.tvl");
    m_aktionen->Startseite();
    EXPECT_FALSE(m_dok.IstOffen());
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].text, FehltText(pfadIn(zwei(), "fehlt.tvl")));
    EXPECT_EQ(m_menue.size(), 3);
}
