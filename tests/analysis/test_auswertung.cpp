// The class analysis from records to table, CSV, map and printout, and what damaged or
// planted records do to it.
#include "klassenlauf.h"

#include "analysis/antwortsatz_datei.h"
#include "analysis/auswertung.h"
#include "analysis/auswertung_text.h"
#include "platform/dateisperre.h"
#include "results/bestenliste_datei.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Anhaengen(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(bytes);
}

QString Python(const QString& skript, const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral("python3"), QStringList{QStringLiteral("-c"), skript} + argumente);
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(Klassenauswertung, DreiSchuelerWieVonHandGezaehlt) {
    const Klassenlauf k;
    // One line per run: three whole runs and Anna's repeat.
    EXPECT_EQ(Lesen(k.kqa).count('\n'), 4);
    const WerkzeugLauf erste = Werkzeug({k.kqa});
    ASSERT_EQ(erste.exitCode, 0) << erste.fehler.toStdString();
    EXPECT_FALSE(erste.fehler.contains(QStringLiteral("beschädigt"))) << erste.fehler.toStdString();
    EXPECT_EQ(QString::fromUtf8(erste.ausgabe), ErwarteteTabelleErste(k));

    // With every run, Anna's repeat counts as a fourth run on Tschechien, right at once.
    const WerkzeugLauf alle = Werkzeug({k.kqa, QStringLiteral("--alle")});
    ASSERT_EQ(alle.exitCode, 0);
    EXPECT_TRUE(
        QString::fromUtf8(alle.ausgabe)
            .contains(k.nrTschechien + QStringLiteral("\tTschechien\t3\t50.0 %\t2\tÖsterreich (2)\n")));

    // The pupils: runs, first whole run and best run, positions missed at the first attempt.
    const KqaLeseErgebnis gelesen = KqaLesen(k.kqa);
    const Auswertung a = Auswerten(gelesen.bestand, AuswertungsUmfang::ErsterGanzerLauf);
    const std::vector<QStringList> schueler = SchuelerTabelle(a);
    ASSERT_EQ(schueler.size(), 4u);
    EXPECT_EQ(schueler[1], (QStringList{QStringLiteral("Anna"), QStringLiteral("2"), QStringLiteral("2"),
                                        QStringLiteral("80.0 %"), QStringLiteral("2"),
                                        QStringLiteral("80.0 %"), k.nrTschechien}));
    EXPECT_EQ(schueler[2].at(0), QStringLiteral("Ben"));
    EXPECT_EQ(schueler[2].at(6).split(QStringLiteral(", ")).size(), 2);
}

TEST(Klassenauswertung, CsvLiestEinEchterLeser) {
    const Klassenlauf k;
    // A name that a spreadsheet would take for a formula, with a semicolon and a control character.
    KqaLauf boese;
    ASSERT_TRUE(KqaZeileLesen(Lesen(k.kqa).split('\n').first(), boese));
    boese.teilnehmer = QStringLiteral("=HYPERLINK(\"x\";1)\x07");
    WartenBlockierend warten;
    QString fehler;
    ASSERT_TRUE(KqaAnhaengen(k.kqa, boese, warten, fehler));
    const QString csv = k.tmp.filePath(QStringLiteral("aus.csv"));
    ASSERT_EQ(Werkzeug({k.kqa, QStringLiteral("--csv"), csv}).exitCode, 0);
    EXPECT_TRUE(Lesen(csv).startsWith("\xEF\xBB\xBF"));
    const QString zeilen =
        Python(QStringLiteral("import csv,sys\n"
                              "for r in csv.reader(open(sys.argv[1], encoding='utf-8-sig', "
                              "newline=''), delimiter=';'):\n"
                              "    print('|'.join(r))"),
               {csv});
    const QStringList z = zeilen.split(u'\n');
    EXPECT_EQ(z.value(0), QStringLiteral("Nr|Antwort|Teilnehmer|Richtig im ersten Versuch|Fehlversuche|"
                                         "Häufigste Verwechslung"));
    EXPECT_TRUE(zeilen.contains(k.nrTschechien +
                                QStringLiteral("|Tschechien|4|25.0 %|3|Tschechien ← Österreich (3)")))
        << zeilen.toStdString();
    EXPECT_TRUE(zeilen.contains(QStringLiteral("\n'=HYPERLINK(\"x\";1)|1|"))) << zeilen.toStdString();
}

TEST(Klassenauswertung, KarteUndAusdruck) {
    const Klassenlauf k;
    const QString png = k.tmp.filePath(QStringLiteral("karte.png"));
    const QString pdf = k.tmp.filePath(QStringLiteral("auswertung.pdf"));
    ASSERT_EQ(Werkzeug({k.kqa, QStringLiteral("--bild"), png}).exitCode, 0);
    const WerkzeugLauf druck = Werkzeug({k.kqa, QStringLiteral("--bild"), pdf});
    ASSERT_EQ(druck.exitCode, 0) << druck.fehler.toStdString();
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("Pages: 3"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("A4"))) << text.toStdString();
    QProcess datei;
    datei.start(QStringLiteral("file"), {QStringLiteral("-b"), png});
    ASSERT_TRUE(datei.waitForFinished(30000));
    EXPECT_TRUE(datei.readAllStandardOutput().startsWith("PNG image data"));
    // The wrong extension and a missing document fail with exit 1 and 2.
    EXPECT_EQ(Werkzeug({k.kqa, QStringLiteral("--bild"), k.tmp.filePath(QStringLiteral("x.bmp"))}).exitCode,
              2);
    // Records of another version of the document: no document has their hash.
    const QString fremd = k.tmp.filePath(QStringLiteral("fremd.kqa"));
    QByteArray zeilen = Lesen(k.kqa);
    const QByteArray hash = QJsonDocument::fromJson(zeilen.split('\n').first())
                                .object()
                                .value(QLatin1String("hash"))
                                .toString()
                                .toLatin1();
    Anhaengen(fremd, zeilen.replace(hash, QByteArray(64, '0')));
    const WerkzeugLauf ohne = Werkzeug({fremd, QStringLiteral("--bild"), png});
    EXPECT_EQ(ohne.exitCode, 1);
    EXPECT_TRUE(ohne.fehler.contains(QStringLiteral("wurde nicht gefunden"))) << ohne.fehler.toStdString();
}

TEST(Klassenauswertung, BeschaedigteZeilenWerdenUebergangen) {
    const Klassenlauf k;
    const QByteArray gut = Lesen(k.kqa).split('\n').at(1);
    // Line 5: cut short; 6: no JSON; 7: a field of the wrong type; 8: an answer without its
    // verdict; 9: far too long; 10: intact again.
    Anhaengen(k.kqa, gut.left(gut.size() / 2) + "\n");
    Anhaengen(k.kqa, "\x01\x02 Unsinn\n");
    Anhaengen(k.kqa, QByteArray(gut).replace("\"ganz\":true", "\"ganz\":\"ja\"") + "\n");
    Anhaengen(k.kqa, QByteArray(gut).replace(",true,1,", ",1,") + "\n");
    Anhaengen(k.kqa, "{\"antworten\":[" + QByteArray(KqaZeileHoechstens, ' ') + "]}\n");
    Anhaengen(k.kqa, gut + "\n");
    const WerkzeugLauf l = Werkzeug({k.kqa, QStringLiteral("--alle")});
    ASSERT_EQ(l.exitCode, 0);
    for (int zeile = 5; zeile <= 9; ++zeile)
        EXPECT_TRUE(l.fehler.contains(QStringLiteral("europa.kqa: Zeile %1 ist beschädigt").arg(zeile)))
            << zeile << l.fehler.toStdString();
    EXPECT_FALSE(l.fehler.contains(QStringLiteral("Zeile 10")));
    // Ben's run counts twice now: four runs on Polen, two of them right at once.
    EXPECT_TRUE(QString::fromUtf8(l.ausgabe).contains(k.nrPolen + QStringLiteral("\tPolen\t3\t50.0 %\t2\t")))
        << l.ausgabe.constData();

    // A file that is no record at all, and a missing one.
    EXPECT_EQ(Werkzeug({k.tvl}).exitCode, 1);
    EXPECT_EQ(Werkzeug({k.tmp.filePath(QStringLiteral("fehlt.kqa"))}).exitCode, 1);
}

// Thirty pupils finish at the same moment: every best-list entry and every record arrives whole.
TEST(KqaLast, DreissigSchuelerZugleich) {
    QTemporaryDir tmp;
    const QString hsc = tmp.filePath(QStringLiteral("Klasse.hsc"));
    const QString kqa = KqaPfadZuBestenliste(hsc);
    constexpr int Schueler = 30;
    std::vector<std::thread> faeden;
    std::atomic<int> fehlgeschlagen{0};
    for (int s = 0; s < Schueler; ++s)
        faeden.emplace_back([&, s] {
            WartenBlockierend warten;
            QString fehler;
            KqaLauf lauf;
            lauf.teilnehmer = QStringLiteral("Schüler %1 ").arg(s) + QString(s, u'x');
            lauf.antworten.assign(static_cast<std::size_t>(s + 1),
                                  KqaAntwort{s, QStringLiteral("1"), QStringLiteral("T"), true, 1, 10});
            if (!BestListAnhaengen(hsc, {lauf.teilnehmer, QStringLiteral("PC"), 46000.5, 1000, 0.5}, warten,
                                   fehler) ||
                !KqaAnhaengen(kqa, lauf, warten, fehler))
                ++fehlgeschlagen;
        });
    for (std::thread& f : faeden)
        f.join();
    EXPECT_EQ(fehlgeschlagen.load(), 0);
    std::vector<BestListDataTyp> liste;
    QString grund;
    ASSERT_TRUE(BestListLesenVersuch(hsc, liste, grund));
    EXPECT_EQ(liste.size(), static_cast<std::size_t>(Schueler));
    const KqaLeseErgebnis gelesen = KqaLesen(kqa);
    EXPECT_TRUE(gelesen.warnungen.isEmpty());
    ASSERT_EQ(gelesen.bestand.laeufe().size(), static_cast<std::size_t>(Schueler));
    for (const KqaLaufKopf& lauf : gelesen.bestand.laeufe()) {
        const int s = gelesen.bestand.text(lauf.teilnehmer).section(u' ', 1, 1).toInt();
        EXPECT_EQ(lauf.antwortEnde - lauf.antwortAnfang, static_cast<std::size_t>(s + 1));
    }
}

} // namespace
