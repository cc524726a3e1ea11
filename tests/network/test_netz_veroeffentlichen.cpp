// Publishing and joining at the same moment: a pupil gets the old exercise whole or the
// new one whole, never a document with another publication's settings.
#include "netztest.h"

#include "fake_uhr.h"
#include "platform/geteilte_datei.h"

#include <sys/stat.h>

namespace {

class Gleichzeitig : public NetzTest {
protected:
    void SetUp() override {
        NetzTest::SetUp();
        schueler.setzeWarten(warten);
    }
    // The teacher's next publication: another title and other options.
    void neueUebungVorbereiten() {
        dok.Header.HD_titel = QStringLiteral("Neue Übung");
        werte.UebOpt.AbfrageModus = 2;
        werte.UebOpt.Zeitlimit = 1;
    }

    FakeMeldungen schuelerMeldungen;
    FakeWarten warten;
    Netzuebung schueler{schuelerMeldungen, system};
};

TEST_F(Gleichzeitig, ZwischenDenUmbenennungenGibtEsKeineHalbeUebung) {
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    neueUebungVorbereiten();
    int halte = 0;
    netz.setzeTestHalt([&](NetzHalt halt) {
        if (halt != NetzHalt::ZwischenDenUmbenennungen) return;
        ++halte;
        Dokument gelesen;
        NetzUebungDataTyp daten;
        // The new document is in place, its settings file not yet: no exercise to take.
        EXPECT_EQ(schueler.Laden(ordner, gelesen, daten), NetzErgebnis::Keine);
        EXPECT_TRUE(gelesen.Header.HD_titel.isEmpty());
    });
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    EXPECT_EQ(halte, 1);
    EXPECT_EQ(warten.pausen, std::vector<int>(4, 100)) << "five tries, 100 ms apart";
    Dokument gelesen;
    NetzUebungDataTyp daten;
    ASSERT_EQ(schueler.Laden(ordner, gelesen, daten), NetzErgebnis::Erledigt);
    EXPECT_EQ(gelesen.Header.HD_titel, QStringLiteral("Neue Übung"));
    EXPECT_EQ(daten.AbfrageModusItemIndex, 2);
}

TEST_F(Gleichzeitig, NeueVeroeffentlichungWaehrendDesLesensWirdGanzGenommen) {
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    neueUebungVorbereiten();
    bool einmal = false;
    schueler.setzeTestHalt([&](NetzHalt halt) {
        // The pupil has the old settings; the teacher publishes anew before the document is read.
        if (halt != NetzHalt::NachDenEinstellungen || std::exchange(einmal, true)) return;
        ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    });
    Dokument gelesen;
    NetzUebungDataTyp daten;
    ASSERT_EQ(schueler.Laden(ordner, gelesen, daten), NetzErgebnis::Erledigt);
    EXPECT_EQ(gelesen.Header.HD_titel, QStringLiteral("Neue Übung"));
    EXPECT_EQ(daten.AbfrageModusItemIndex, 2);
    EXPECT_EQ(daten.ZeitLimitIndex, 1);
    EXPECT_EQ(warten.pausen, std::vector<int>{100});
    EXPECT_TRUE(schuelerMeldungen.eintraege.empty());
}

TEST_F(Gleichzeitig, ImmerWiederNeuVeroeffentlichtGibtDenLesefehler) {
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    int titel = 0;
    schueler.setzeTestHalt([&](NetzHalt halt) {
        if (halt != NetzHalt::NachDenEinstellungen) return;
        dok.Header.HD_titel = QString::number(++titel);
        werte.UebOpt.Zeitlimit = 1;
        werte.UebOpt.ZLimitSek = QString::number(titel); // each publication's settings differ
        ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    });
    Dokument gelesen;
    NetzUebungDataTyp daten;
    EXPECT_EQ(schueler.Laden(ordner, gelesen, daten), NetzErgebnis::Fehlgeschlagen);
    EXPECT_EQ(titel, 5);
    ASSERT_EQ(schuelerMeldungen.eintraege.size(), 1u);
    EXPECT_EQ(schuelerMeldungen.eintraege[0].text, LesefehlerText(dateien().Einstellungen));
    EXPECT_TRUE(gelesen.Header.HD_titel.isEmpty());
}

TEST_F(Gleichzeitig, VeroeffentlichteDateienSindFuerAlleLesbar) {
    const mode_t alt = ::umask(022);
    const NetzErgebnis e = initiieren();
    ::umask(alt);
    ASSERT_EQ(e, NetzErgebnis::Erledigt);
    for (const QString& pfad : {dateien().Dokument, dateien().Einstellungen}) {
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(pfad).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0644u) << pfad.toStdString();
    }
}

TEST_F(Gleichzeitig, OrdnerAmNamenHaeltDieVeroeffentlichungVorJederAenderungAuf) {
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    Anlegen(dateien().Bestenliste, "Ergebnisse");
    const QByteArray altDok = Inhalt(dateien().Dokument);
    ASSERT_TRUE(GeteiltEntfernen(dateien().Einstellungen));
    ASSERT_TRUE(QDir().mkdir(dateien().Einstellungen));
    neueUebungVorbereiten();
    meldungen.eintraege.clear();
    EXPECT_EQ(initiieren(), NetzErgebnis::Fehlgeschlagen);
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].text, SchreibfehlerText(dateien().Einstellungen));
    EXPECT_EQ(Inhalt(dateien().Dokument), altDok);
    EXPECT_EQ(Inhalt(dateien().Bestenliste), QByteArray("Ergebnisse"));
}

} // namespace
