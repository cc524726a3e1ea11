// Publishing, joining and removing an exercise through the core flows.
#include "netztest.h"

#include "documents/tvl_puffer.h"
#include "network/netz_archiv.h"
#include "platform/dateisperre.h"
#include "platform/geteilte_datei.h"
#include "quiz/quiztexte.h"

#include <QtEndian>
#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <unistd.h>

namespace {

QByteArray Text(const QByteArray& bytes) {
    QByteArray r(4, '\0');
    qToLittleEndian<int32_t>(static_cast<int32_t>(bytes.size()), r.data());
    return r + bytes;
}
QByteArray Zahl(int32_t wert) {
    QByteArray r(4, '\0');
    qToLittleEndian<int32_t>(wert, r.data());
    return r;
}

struct DateiFall {
    const char* name;
    int32_t dokTyp;
    std::array<int32_t, 8> erwartet;
};

class Einstellungsdatei : public NetzTest, public ::testing::WithParamInterface<DateiFall> {};

TEST_P(Einstellungsdatei, ByteFuerByte) {
    const DateiFall& fall = GetParam();
    dok.Header.HD_DokTyp = fall.dokTyp;
    // 2 minutes 30 seconds in either window.
    werte.UebOpt = {.AbfrageModus = 1,
                    .Zeitlimit = 1,
                    .ZLimitMin = QStringLiteral("2"),
                    .ZLimitSek = QStringLiteral("30"),
                    .ZuordnungRichtig = 1,
                    .ZuordnungFalsch = 1,
                    .Zuordnungstexte = 0,
                    .Zuordnungsziele = 2};
    werte.UebOptFragen = {.Zeitlimit = 1,
                          .ZLimitMin = QStringLiteral("2"),
                          .ZLimitSek = QStringLiteral("30"),
                          .ZuordnungFalsch = 1,
                          .Zuordnungstexte = 0,
                          .Zuordnungsziele = 0};
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    EXPECT_TRUE(meldungen.eintraege.empty());
    EXPECT_EQ(fensterTypen, std::vector<int32_t>{fall.dokTyp});

    QByteArray erwartet = Text("tvlnetzuebung.dat") +
                          Text("NetzUebungMaster|RiFaRueckmeldungItemIndex|ZuordnungRichtigItemIndex|"
                               "ZuordnungFalschItemIndex|ZuordnungstexteItemIndex|ZuordnungszieleItemIndex|"
                               "AbfrageModusItemIndex|ZeitLimitIndex|ZeitLimitWert|") +
                          Text("SCHULPC-07");
    for (int32_t w : fall.erwartet)
        erwartet += Zahl(w);
    const QByteArray datei = Inhalt(dateien().Einstellungen);
    EXPECT_EQ(datei.toHex(), erwartet.toHex());
    EXPECT_EQ(datei.left(21), QByteArray("\x11\0\0\0tvlnetzuebung.dat", 21))
        << "17 bytes after a count of 17";

    // The quiz state has the same values and the teacher's computer.
    EXPECT_EQ(master, QStringLiteral("SCHULPC-07"));
    EXPECT_EQ(NetzWerteAus(uebernommen, master), [&] {
        NetzUebungDataTyp d;
        EXPECT_TRUE(NetzUebungLeser().lesenAusDaten(datei, d));
        return d;
    }());
    // The document is the open one, and the open document keeps its own name.
    Dokument gelesen;
    ASSERT_TRUE(TvlLeser().lesen(dateien().Dokument, gelesen));
    EXPECT_EQ(gelesen.Header.HD_titel, dok.Header.HD_titel);
    EXPECT_EQ(dok.Header.Dateiname, QStringLiteral("/themen/Europa.tvl"));
    EXPECT_TRUE(netz.Veroeffentlicht());
    // Only the two targets remain: the temporary files were renamed into place.
    EXPECT_EQ(QDir(m_tmp.path()).entryList(QDir::Files).size(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Typen, Einstellungsdatei,
    ::testing::Values(DateiFall{"Bildbeschriftung", Bildbeschriftung, {0, 1, 1, 0, 2, 1, 1, 150}},
                      DateiFall{"Lueckentext", Lueckentext, {0, 1, 1, 0, 2, 1, 1, 150}},
                      DateiFall{"Einzelfragen", Einzelfragen, {0, 0, 1, 0, 0, 0, 1, 150}}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST_F(NetzTest, AndererKanalLaesstTvl1Unberuehrt) {
    const NetzDateienTyp tvl1 = dateien();
    for (const QString& pfad : {tvl1.Dokument, tvl1.Einstellungen, tvl1.Bestenliste, tvl1.Marke})
        Anlegen(pfad, "alt");
    ordner.Kanalname = QStringLiteral("Klasse-7b");
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    EXPECT_TRUE(QFile::exists(ordner.Kommunikationsordner + QStringLiteral("Klasse-7b-tvlnetzuebung.tvl")));
    EXPECT_TRUE(QFile::exists(ordner.Kommunikationsordner + QStringLiteral("Klasse-7b-tvlnetzuebung.dat")));
    for (const QString& pfad : {tvl1.Dokument, tvl1.Einstellungen, tvl1.Bestenliste, tvl1.Marke})
        EXPECT_EQ(Inhalt(pfad), QByteArray("alt")) << pfad.toStdString();
}

TEST_F(NetzTest, AbbruchImOptionsfensterAendertKeineDatei) {
    Anlegen(dateien().Bestenliste, "liste");
    optionenStarten = false;
    EXPECT_EQ(initiieren(), NetzErgebnis::Abgebrochen);
    EXPECT_EQ(QDir(m_tmp.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("TVL-1-tvlnetzuebung.hsc")});
    EXPECT_EQ(Inhalt(dateien().Bestenliste), QByteArray("liste"));
    EXPECT_EQ(geleert, 0);
    EXPECT_FALSE(netz.Veroeffentlicht());
}

TEST_F(NetzTest, NeueUebungBeginntMitLeererBestenliste) {
    Anlegen(dateien().Bestenliste, "alte Ergebnisse");
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    EXPECT_FALSE(QFile::exists(dateien().Bestenliste));
    EXPECT_EQ(geleert, 1);
}

// Republishing keeps the previous lesson's results: best list, answer records and the
// document they belong to go into the protocol folder first, and the teacher is told once.
TEST_F(NetzTest, NeuveroeffentlichungSichertDieErgebnisse) {
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    Anlegen(dateien().Bestenliste, "Ergebnisse 7B");
    Anlegen(dateien().Antworten, "{\"antworten\":[]}\n");
    const QByteArray altesDokument = Inhalt(dateien().Dokument);
    const QDateTime veroeffentlicht = QFileInfo(dateien().Einstellungen).lastModified();
    meldungen.eintraege.clear();
    dok.Header.HD_titel = QStringLiteral("Flüsse");
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    EXPECT_FALSE(QFile::exists(dateien().Bestenliste));
    EXPECT_FALSE(QFile::exists(dateien().Antworten));
    const QString archiv = QDir(m_protokolle.path())
                               .filePath(QStringLiteral("Netzwerk-Übungen/") +
                                         veroeffentlicht.toString(QStringLiteral("yyyy-MM-dd HH-mm")) +
                                         QStringLiteral(" TVL-1 Länder Europas"));
    EXPECT_EQ(Inhalt(archiv + QStringLiteral("/TVL-1-tvlnetzuebung.hsc")), QByteArray("Ergebnisse 7B"));
    EXPECT_EQ(Inhalt(archiv + QStringLiteral("/TVL-1-tvlnetzuebung.kqa")),
              QByteArray("{\"antworten\":[]}\n"));
    EXPECT_EQ(Inhalt(archiv + QStringLiteral("/TVL-1-tvlnetzuebung.tvl")), altesDokument);
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Information);
    EXPECT_EQ(meldungen.eintraege[0].text, NetzArchivText(archiv));

    // Without a protocol folder to keep them in, the results stay where they are.
    Anlegen(dateien().Bestenliste, "Ergebnisse 7C");
    ordner.Protokollordner = m_tmp.filePath(QStringLiteral("fehlt/"));
    meldungen.eintraege.clear();
    EXPECT_EQ(initiieren(), NetzErgebnis::Fehlgeschlagen);
    EXPECT_EQ(Inhalt(dateien().Bestenliste), QByteArray("Ergebnisse 7C"));
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Fehler);
}

// What pupils plant in the communication folder is not archived and not followed: a link
// to a teacher's file, a pipe for the document (whose title is then unknown), a link where
// the archive folder would go. A list that an
// append holds is waited for, and when it stays held, nothing is removed.
TEST_F(NetzTest, NeuveroeffentlichungUebergehtGepflanztes) {
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    QTemporaryDir fremd;
    const QString geheim = fremd.filePath(QStringLiteral("geheim.txt"));
    Anlegen(geheim, "geheim");
    Anlegen(dateien().Bestenliste, "Ergebnisse 7B");
    ASSERT_TRUE(QFile::link(geheim, dateien().Antworten));
    ASSERT_TRUE(QFile::remove(dateien().Dokument));
    ASSERT_EQ(mkfifo(QFile::encodeName(dateien().Dokument).constData(), 0666), 0);
    const QString basis = QDir(m_protokolle.path())
                              .filePath(QStringLiteral("Netzwerk-Übungen/") +
                                        QFileInfo(dateien().Einstellungen)
                                            .lastModified()
                                            .toString(QStringLiteral("yyyy-MM-dd HH-mm")) +
                                        QStringLiteral(" TVL-1 Übung"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(basis).path()));
    ASSERT_TRUE(QFile::link(fremd.path(), basis));

    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    const QString archiv = basis + QStringLiteral(" (2)");
    EXPECT_EQ(QDir(archiv).entryList(QDir::Files | QDir::System),
              QStringList{QStringLiteral("TVL-1-tvlnetzuebung.hsc")});
    EXPECT_EQ(Inhalt(archiv + QStringLiteral("/TVL-1-tvlnetzuebung.hsc")), QByteArray("Ergebnisse 7B"));
    EXPECT_EQ(QDir(fremd.path()).entryList(QDir::Files | QDir::System),
              QStringList{QStringLiteral("geheim.txt")});
    EXPECT_EQ(Inhalt(geheim), QByteArray("geheim"));
    EXPECT_EQ(GeteiltArtVon(dateien().Bestenliste), GeteiltArt::Fehlt);
    EXPECT_EQ(GeteiltArtVon(dateien().Antworten), GeteiltArt::Fehlt);

    Anlegen(dateien().Antworten, "{}\n");
    GesperrteDatei halter;
    ASSERT_TRUE(halter.oeffnen(dateien().Antworten, GesperrteDatei::Zugriff::Exklusiv));
    EXPECT_EQ(initiieren(), NetzErgebnis::Fehlgeschlagen);
    EXPECT_EQ(Inhalt(dateien().Antworten), QByteArray("{}\n"));
}

TEST_F(NetzTest, OhneDokumentNurDieBitte) {
    dok = Dokument{};
    EXPECT_EQ(initiieren(), NetzErgebnis::Abgebrochen);
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Information);
    EXPECT_EQ(meldungen.eintraege[0].text,
              QStringLiteral("Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen."));
    EXPECT_TRUE(fensterTypen.empty());
    EXPECT_TRUE(QDir(m_tmp.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(NetzTest, LaufendesQuizFragtZuerst) {
    meldungen.antworten = {Antwort::Nein};
    EXPECT_EQ(initiieren(true), NetzErgebnis::Abgebrochen);
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].text, QuizAbbrechenFrage);
    EXPECT_TRUE(fensterTypen.empty());
    meldungen.antworten = {Antwort::Ja};
    EXPECT_EQ(initiieren(true), NetzErgebnis::Erledigt);
}

TEST_F(NetzTest, UnsichererKanalWirdAbgelehnt) {
    QDir(m_tmp.path()).mkpath(QStringLiteral("kom"));
    ordner.Kommunikationsordner = m_tmp.filePath(QStringLiteral("kom")) + QDir::separator();
    for (const QString& kanal : {QStringLiteral("../TVL-1"), QStringLiteral("a/b"), QStringLiteral("a\\b"),
                                 QStringLiteral(".."), QStringLiteral("TVL\t1"), QStringLiteral("TVL\n1")}) {
        SCOPED_TRACE(kanal.toStdString());
        ordner.Kanalname = kanal;
        meldungen.eintraege.clear();
        EXPECT_EQ(initiieren(), NetzErgebnis::Fehlgeschlagen);
        ASSERT_EQ(meldungen.eintraege.size(), 1u);
        EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Fehler);
        QString sichtbar = kanal;
        sichtbar.replace(u'\t', u'?').replace(u'\n', u'?');
        EXPECT_TRUE(meldungen.eintraege[0].text.contains(u'"' + sichtbar + u'"'));
        NetzuebungAufraeumen(ordner, QByteArrayLiteral("x"));
        Dokument d;
        NetzUebungDataTyp n;
        EXPECT_EQ(netz.Laden(ordner, d, n), NetzErgebnis::Fehlgeschlagen);
    }
    EXPECT_TRUE(fensterTypen.empty());
    EXPECT_EQ(QDir(m_tmp.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("kom")});
    EXPECT_TRUE(QDir(m_tmp.filePath(QStringLiteral("kom"))).isEmpty());
}

// A write failure while publishing: the message names the file, and the previous
// exercise (document, settings, best list) is exactly as it was.
enum class Stoerung { SchreibgeschuetzterOrdner, VolleFestplatte };

class Schreibfehler : public NetzTest, public ::testing::WithParamInterface<Stoerung> {};

TEST_P(Schreibfehler, VorherigeUebungBleibt) {
    if (GetParam() == Stoerung::SchreibgeschuetzterOrdner && geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    Anlegen(dateien().Bestenliste, "Ergebnisse der Klasse");
    const QByteArray altDok = Inhalt(dateien().Dokument);
    const QByteArray altDat = Inhalt(dateien().Einstellungen);
    dok.Header.HD_titel = QStringLiteral("Neue Übung");
    werte.UebOpt.AbfrageModus = 2;

    NetzErgebnis ergebnis;
    if (GetParam() == Stoerung::SchreibgeschuetzterOrdner) {
        QFile::setPermissions(m_tmp.path(), QFile::ReadOwner | QFile::ExeOwner);
        ergebnis = initiieren();
        QFile::setPermissions(m_tmp.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else {
        // Files may not grow past a few bytes, as on a full disk; the signal would end the test.
        const auto vorher = std::signal(SIGXFSZ, SIG_IGN);
        rlimit alt{};
        getrlimit(RLIMIT_FSIZE, &alt);
        rlimit klein = alt;
        klein.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &klein);
        ergebnis = initiieren();
        setrlimit(RLIMIT_FSIZE, &alt);
        std::signal(SIGXFSZ, vorher);
    }
    EXPECT_EQ(ergebnis, NetzErgebnis::Fehlgeschlagen);
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(meldungen.eintraege[0].text, SchreibfehlerText(dateien().Dokument));
    EXPECT_EQ(Inhalt(dateien().Dokument), altDok);
    EXPECT_EQ(Inhalt(dateien().Einstellungen), altDat);
    EXPECT_EQ(Inhalt(dateien().Bestenliste), QByteArray("Ergebnisse der Klasse"));
    EXPECT_EQ(QDir(m_tmp.path()).entryList(QDir::Files).size(), 3) << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(Arten, Schreibfehler,
                         ::testing::Values(Stoerung::SchreibgeschuetzterOrdner, Stoerung::VolleFestplatte));

// Program end on each computer of a class: only the run that published removes the
// exercise, and only while the settings file is still its own.
struct EndeFall {
    const char* name;
    bool veroeffentlicht; // this run published
    const char* inDatei;  // computer named in the settings file; nullptr: damaged file
    const char* eigener;  // computer in the file this run wrote
    bool entfernt;
};

class Programmende : public NetzTest, public ::testing::WithParamInterface<EndeFall> {};

TEST_P(Programmende, NurDieEigeneVeroeffentlichungWirdEntfernt) {
    const EndeFall& fall = GetParam();
    const NetzDateienTyp d = dateien();
    NetzUebungDataTyp daten, eigene;
    daten.NetzUebungMaster = fall.inDatei ? QString::fromUtf8(fall.inDatei) : QString();
    eigene.NetzUebungMaster = QString::fromUtf8(fall.eigener);
    Anlegen(d.Einstellungen, fall.inDatei ? NetzUebungBytes(daten) : QByteArray("kaputt"));
    Anlegen(d.Dokument, "dok");
    Anlegen(d.Marke, "ok");
    Anlegen(d.Bestenliste, "liste");
    NetzuebungAufraeumen(ordner, fall.veroeffentlicht ? NetzUebungBytes(eigene) : QByteArray());
    for (const QString& pfad : {d.Einstellungen, d.Dokument, d.Marke})
        EXPECT_EQ(QFile::exists(pfad), !fall.entfernt) << pfad.toStdString();
    EXPECT_TRUE(QFile::exists(d.Bestenliste)) << "the results stay for the teacher";
    NetzuebungAufraeumen(ordner, NetzUebungBytes(eigene)); // missing files are no error
}

INSTANTIATE_TEST_SUITE_P(
    Rechner, Programmende,
    ::testing::Values(EndeFall{"Lehrerrechner", true, "SCHULPC-07", "SCHULPC-07", true},
                      EndeFall{"SchuelerGleichenNamens", false, "SCHULPC-07", "SCHULPC-07", false},
                      EndeFall{"Schuelerrechner", false, "LEHRER-PC", "SCHULPC-07", false},
                      EndeFall{"InzwischenAndererLehrer", true, "LEHRER-PC", "SCHULPC-07", false},
                      EndeFall{"Beschaedigt", true, nullptr, "SCHULPC-07", false}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST_F(NetzTest, TeilnehmenLiestEinstellungenUndDokument) {
    Dokument gelesen;
    NetzUebungDataTyp daten;
    EXPECT_EQ(netz.Laden(ordner, gelesen, daten), NetzErgebnis::Keine);
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, MeldungsArt::Information);
    EXPECT_EQ(meldungen.eintraege[0].text,
              QStringLiteral("Im Kommunikationsordner \"") + ordner.Kommunikationsordner +
                  QStringLiteral("\" ist zum Kanal \"TVL-1\" zurzeit keine Netzwerk-Übung veröffentlicht."));

    werte.UebOpt.AbfrageModus = 2;
    ASSERT_EQ(initiieren(), NetzErgebnis::Erledigt);
    meldungen.eintraege.clear();
    ASSERT_EQ(netz.Laden(ordner, gelesen, daten), NetzErgebnis::Erledigt);
    EXPECT_TRUE(meldungen.eintraege.empty());
    EXPECT_EQ(gelesen.Header.HD_titel, dok.Header.HD_titel);
    EXPECT_EQ(gelesen.Header.Dateiname, dateien().Dokument);
    EXPECT_EQ(UebungsWerteAus(daten).AbfrageModus, 2);
    EXPECT_EQ(daten.NetzUebungMaster, QStringLiteral("SCHULPC-07"));

    // A damaged settings file or document: the read-failure message, nothing taken over.
    for (const QString& pfad : {dateien().Einstellungen, dateien().Dokument}) {
        SCOPED_TRACE(pfad.toStdString());
        const QByteArray gut = Inhalt(pfad);
        Anlegen(pfad, gut.left(gut.size() - 3));
        Dokument unberuehrt;
        unberuehrt.Header.HD_titel = QStringLiteral("offen");
        NetzUebungDataTyp auchUnberuehrt;
        meldungen.eintraege.clear();
        EXPECT_EQ(netz.Laden(ordner, unberuehrt, auchUnberuehrt), NetzErgebnis::Fehlgeschlagen);
        ASSERT_EQ(meldungen.eintraege.size(), 1u);
        EXPECT_EQ(meldungen.eintraege[0].text, LesefehlerText(pfad));
        EXPECT_EQ(unberuehrt.Header.HD_titel, QStringLiteral("offen"));
        EXPECT_EQ(auchUnberuehrt, NetzUebungDataTyp{});
        Anlegen(pfad, gut);
    }
}

} // namespace
