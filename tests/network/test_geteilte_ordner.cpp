// A pupil plants things in the shared folders: a link into the teacher's home, a link
// to nowhere, a pipe, a folder, a link to /dev/null. Every operation on those folders
// meets each of them at the name it uses. Nothing outside the folder may change, nothing
// may block, and the user gets the right message (the tool: exit code 1). Each operation
// runs in a child process whose time and memory are measured.
#include "analysis/antwortsatz_datei.h"
#include "data/av_data.h"
#include "network/netzuebung.h"
#include "platform/geteilte_datei.h"
#include "results/bestenliste.h"
#include "results/protokoll.h"
#include "results/protokoll_speichern.h"

#include "fake_meldungen.h"
#include "fake_systeminfo.h"
#include "fake_uhr.h"
#include "kindmessung.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/stat.h>

namespace {

enum class Objekt { LinkNachAussen, LinkInsLeere, Fifo, Ordner, DevNull, Duenn2GB, Duenn200MB };
enum class Vorgang {
    Veroeffentlichen,
    Aufraeumen,
    ListeAnhaengen,
    ListeLesen,
    Protokoll,
    ToolEintragen,
    ToolZeigen,
    AntwortenAnhaengen,
    AntwortenLesen
};

const char* Name(Objekt o) {
    static const char* namen[] = {"LinkNachAussen", "LinkInsLeere", "Fifo",      "Ordner",
                                  "DevNull",        "Duenn2GB",     "Duenn200MB"};
    return namen[static_cast<int>(o)];
}
const char* Name(Vorgang v) {
    static const char* namen[] = {"Veroeffentlichen", "Aufraeumen",         "ListeAnhaengen",
                                  "ListeLesen",       "Protokoll",          "ToolEintragen",
                                  "ToolZeigen",       "AntwortenAnhaengen", "AntwortenLesen"};
    return namen[static_cast<int>(v)];
}

QByteArray Text(const FakeMeldungen& m) {
    return m.eintraege.empty() ? QByteArray("keine Meldung") : m.eintraege.back().text.toUtf8();
}

struct WerkzeugLauf {
    int exitCode;
    QString fehler;
    double sekunden;
    long mb; // peak resident memory of the tool
};

class GeplantesObjekt : public ::testing::TestWithParam<std::tuple<Objekt, Vorgang>> {
protected:
    void SetUp() override {
        ordner.Kommunikationsordner = QDir::toNativeSeparators(m_kom.path()) + QDir::separator();
        ordner.Protokollordner = ordner.Kommunikationsordner;
        ordner.Programmordner = ordner.Kommunikationsordner;
        geheim = m_draussen.filePath(QStringLiteral("geheim.txt"));
        QFile f(geheim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("GEHEIM");
        f.close();
        ASSERT_TRUE(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        dok.Header.Dateiname = QStringLiteral("/themen/Europa.tvl");
        dok.Header.HD_titel = QStringLiteral("Europa");
        dok.Basisbild = QImage(8, 8, QImage::Format_RGB32);
        dok.Basisbild.fill(Qt::blue);
    }

    NetzDateienTyp dateien() const { return NetzDateien(ordner.Kommunikationsordner, ordner.Kanalname); }
    QString name(Vorgang v) const {
        switch (v) {
        case Vorgang::Veroeffentlichen:
            return dateien().Dokument;
        case Vorgang::Aufraeumen:
            return dateien().Einstellungen;
        case Vorgang::Protokoll:
            return ordner.Protokollordner + ProtokollDateiname(uhr.jetzt(), system.rechner, 0);
        case Vorgang::AntwortenAnhaengen:
        case Vorgang::AntwortenLesen:
            return dateien().Antworten;
        default:
            return dateien().Bestenliste;
        }
    }
    void pflanzen(Objekt o, const QString& pfad) const {
        const QByteArray n = QFile::encodeName(pfad);
        switch (o) {
        case Objekt::LinkNachAussen:
            ASSERT_TRUE(QFile::link(geheim, pfad));
            break;
        case Objekt::LinkInsLeere:
            ASSERT_TRUE(QFile::link(m_draussen.filePath(QStringLiteral("nie-da")), pfad));
            break;
        case Objekt::Fifo:
            ASSERT_EQ(::mkfifo(n.constData(), 0666), 0);
            break;
        case Objekt::Ordner:
            ASSERT_EQ(::mkdir(n.constData(), 0777), 0);
            break;
        case Objekt::DevNull:
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), pfad));
            break;
        case Objekt::Duenn2GB:
        case Objekt::Duenn200MB: {
            // A best-list header and a hole of zeros: apparent gigabytes, a few KB on disk.
            QFile f(pfad);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(BestListKopf());
            ASSERT_TRUE(f.resize(o == Objekt::Duenn2GB ? 2LL << 30 : 200LL << 20));
            break;
        }
        }
    }

    // The operation as the program runs it; the text says what the user was told.
    QByteArray ausfuehren(Vorgang v) {
        FakeMeldungen meldungen;
        FakeWarten warten;
        switch (v) {
        case Vorgang::Veroeffentlichen: {
            Netzuebung netz(meldungen, system);
            NetzInitHaken haken;
            haken.optionenZeigen = [](int32_t) { return true; };
            return netz.Initiieren(dok, werte, ordner, false, haken) == NetzErgebnis::Erledigt
                       ? QByteArray("veröffentlicht")
                       : Text(meldungen);
        }
        case Vorgang::Aufraeumen:
            NetzuebungAufraeumen(ordner, NetzUebungBytes(NetzUebungDataTyp{}));
            return "aufgeräumt";
        case Vorgang::ListeAnhaengen: {
            Bestenliste liste(meldungen, warten);
            BestListDataTyp e{QStringLiteral("Eve"), QStringLiteral("PC"), 46000.5, 1000, 0.5};
            return liste.anhaengen(name(v), e) ? QByteArray("gespeichert") : Text(meldungen);
        }
        case Vorgang::ListeLesen: {
            // What the window does before it shows the grid.
            Bestenliste liste(meldungen, warten);
            if (!liste.laden(name(v), true)) return Text(meldungen);
            liste.rangfolge();
            return "gelesen: " + liste.schaden().toUtf8();
        }
        case Vorgang::AntwortenAnhaengen: {
            QString grund;
            return KqaAnhaengen(name(v), KqaLauf{}, warten, grund) ? QByteArray("gespeichert")
                                                                   : QByteArray("nicht gespeichert");
        }
        case Vorgang::AntwortenLesen: {
            const KqaLeseErgebnis e = KqaLesen(name(v));
            if (!e.fehler.isEmpty()) return "nicht gelesen";
            return e.keinKqa ? QByteArray("keine Antwortprotokolle") : QByteArray("gelesen");
        }
        case Vorgang::Protokoll: {
            Protokoll p;
            p.ersetzen(QStringLiteral("Teilnehmer:\tEve"));
            QString pfad;
            if (!ProtokollAutomatischSpeichern(p, ordner.Protokollordner, uhr, system, meldungen, &pfad))
                return Text(meldungen);
            return "gespeichert als " + QFileInfo(pfad).fileName().toUtf8();
        }
        default:
            return {};
        }
    }

    WerkzeugLauf werkzeug(Vorgang v) {
        QStringList argumente{QStringLiteral("bestenliste"), QStringLiteral("zeigen"), name(v)};
        if (v == Vorgang::ToolEintragen)
            argumente = {
                QStringLiteral("bestenliste"), QStringLiteral("eintragen"),  name(v),
                QStringLiteral("--name"),      QStringLiteral("Eve"),        QStringLiteral("--dauer-ms"),
                QStringLiteral("1000"),        QStringLiteral("--leistung"), QStringLiteral("0.5")};
        // GNU time reports the tool's own peak memory on its last line of stderr.
        const QString zeit = QStringLiteral("/usr/bin/time");
        const bool messen = QFile::exists(zeit);
        const QString werkzeug = QStringLiteral(KARTELLO_BIN_ORDNER "/kartello-tool");
        if (messen)
            argumente = QStringList{QStringLiteral("-f"), QStringLiteral("%M KB"), werkzeug} + argumente;
        QProcess p;
        QElapsedTimer uhrzeit;
        uhrzeit.start();
        p.start(messen ? zeit : werkzeug, argumente);
        const bool fertig = p.waitForFinished(10000);
        if (!fertig) p.kill();
        WerkzeugLauf lauf{fertig ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError()),
                          uhrzeit.elapsed() / 1000.0, 0};
        if (messen) {
            const qsizetype zeile = lauf.fehler.lastIndexOf(u'\n', -2);
            lauf.mb = lauf.fehler.mid(zeile + 1).section(u' ', 0, 0).toLong() / 1024;
            lauf.fehler.truncate(zeile + 1);
        }
        return lauf;
    }

    static bool duenn(Objekt o) { return o == Objekt::Duenn2GB || o == Objekt::Duenn200MB; }

    QByteArray erwartet(Objekt o, Vorgang v) const {
        const QString n = name(v);
        if (duenn(o) && v == Vorgang::ListeAnhaengen) return "gespeichert";
        if (duenn(o) && v == Vorgang::ListeLesen) return "gelesen: " + BestListSchadenText(n, 1).toUtf8();
        // Answer records: a sparse file is a regular one, appended to; read, it is no record
        // (200 MB of zeros) or beyond the bound (2 GB).
        if (v == Vorgang::AntwortenAnhaengen) return duenn(o) ? "gespeichert" : "nicht gespeichert";
        if (v == Vorgang::AntwortenLesen)
            return o == Objekt::Duenn200MB ? "keine Antwortprotokolle" : "nicht gelesen";
        switch (v) {
        case Vorgang::Veroeffentlichen:
            // A folder would stop the rename: refused before anything changes. Anything
            // else at the name is replaced by the rename itself.
            return o == Objekt::Ordner ? SchreibfehlerText(n).toUtf8() : QByteArray("veröffentlicht");
        case Vorgang::Aufraeumen:
            return "aufgeräumt";
        case Vorgang::ListeAnhaengen:
            return SchreibfehlerText(n, BestListSpeichernFehlerZusatz(), Dateigrund::Unbekannt).toUtf8();
        case Vorgang::ListeLesen:
            return LesefehlerText(n, BestListLesenFehlerZusatz(true)).toUtf8();
        case Vorgang::Protokoll:
            return "gespeichert als " +
                   QFileInfo(ProtokollDateiname(uhr.jetzt(), system.rechner, 1)).fileName().toUtf8();
        default:
            return {};
        }
    }

    QTemporaryDir m_kom, m_draussen;
    ProgrammOrdnerTyp ordner;
    ProgrammEinstellungenTyp werte;
    Dokument dok;
    FakeSystemInfo system;
    FakeUhr uhr;
    QString geheim;
};

TEST_P(GeplantesObjekt, NichtsDraussenAendertSichNichtsBlockiert) {
    const auto [objekt, vorgang] = GetParam();
    const QString n = name(vorgang);
    pflanzen(objekt, n);
    const GeteiltArt vorher = GeteiltArtVon(n);
    QByteArray ergebnis;
    double sekunden = 0;
    long mb = 0;
    if (vorgang == Vorgang::ToolEintragen || vorgang == Vorgang::ToolZeigen) {
        const WerkzeugLauf lauf = werkzeug(vorgang);
        // A hole of zeros is a damaged list: entered into, or shown with the damage warning.
        EXPECT_EQ(lauf.exitCode, duenn(objekt) ? 0 : 1) << lauf.fehler.toStdString();
        if (!duenn(objekt) || vorgang == Vorgang::ToolZeigen) {
            EXPECT_TRUE(lauf.fehler.contains(QDir::toNativeSeparators(n))) << lauf.fehler.toStdString();
        }
        ergebnis = "Exit " + QByteArray::number(lauf.exitCode);
        sekunden = lauf.sekunden;
        mb = lauf.mb;
        EXPECT_LT(mb, 600);
    } else {
        const KindErgebnis e = ImKindMessen([&] { return ausfuehren(vorgang); }, 10);
        ASSERT_TRUE(e.beendet) << "blocked or crashed";
        EXPECT_EQ(e.text, erwartet(objekt, vorgang));
        ergebnis = e.text.left(60);
        sekunden = e.sekunden;
        mb = e.zusatzMb;
    }
    EXPECT_LT(sekunden, 3.0);
    if (vorgang != Vorgang::ToolEintragen && vorgang != Vorgang::ToolZeigen) {
        EXPECT_LT(mb, 60);
    }
    // Outside the folder: the secret file keeps its bytes and mode, no link target appears.
    QFile f(geheim);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("GEHEIM"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(geheim).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_FALSE(QFile::exists(m_draussen.filePath(QStringLiteral("nie-da"))));
    EXPECT_EQ(QDir(m_draussen.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 1);
    // In the folder: no temporary file stays, and the planted object was replaced only by a
    // publication (as a name), never used.
    EXPECT_TRUE(
        QDir(m_kom.path()).entryList({QStringLiteral("*.tmp")}, QDir::Hidden | QDir::Files).isEmpty());
    const bool ersetzt = vorgang == Vorgang::Veroeffentlichen && objekt != Objekt::Ordner;
    EXPECT_EQ(GeteiltArtVon(n), ersetzt ? GeteiltArt::Datei : vorher);
    std::cout << "| " << Name(vorgang) << " | " << Name(objekt) << " | " << ergebnis.constData() << " | "
              << sekunden << " s | " << mb << " MB |\n";
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, GeplantesObjekt,
    ::testing::Combine(::testing::Values(Objekt::LinkNachAussen, Objekt::LinkInsLeere, Objekt::Fifo,
                                         Objekt::Ordner, Objekt::DevNull, Objekt::Duenn2GB,
                                         Objekt::Duenn200MB),
                       ::testing::Values(Vorgang::Veroeffentlichen, Vorgang::Aufraeumen,
                                         Vorgang::ListeAnhaengen, Vorgang::ListeLesen, Vorgang::Protokoll,
                                         Vorgang::ToolEintragen, Vorgang::ToolZeigen,
                                         Vorgang::AntwortenAnhaengen, Vorgang::AntwortenLesen)),
    [](const auto& fall) {
        return std::string(Name(std::get<1>(fall.param))) + '_' + Name(std::get<0>(fall.param));
    });

} // namespace
