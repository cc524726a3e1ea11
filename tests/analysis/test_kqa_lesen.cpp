// Reading a .kqa for the first whole runs only, and in two halves at once, gives the same
// analysis as reading every answer in one pass; damaged lines are named by their line in
// the file either way.
#include "analysis/antwortsatz.h"
#include "analysis/auswertung.h"
#include "analysis/auswertung_text.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

const QStringList Namen = {QStringLiteral("Anna"), QStringLiteral(" Anna "), QString(),
                           QStringLiteral("   "),  QStringLiteral("Ben"),    QStringLiteral("Çelik"),
                           QStringLiteral("Zoë"),  QStringLiteral("Özil")};
const QStringList Staaten = {QStringLiteral("Polen"), QStringLiteral("Slowakei"), QStringLiteral("Slowenien"),
                             QStringLiteral("Ungarn"), QStringLiteral("Kroatien")};

KqaLauf ZufallsLauf(std::mt19937& z, int i) {
    KqaLauf l;
    l.titel = QStringLiteral("Europa");
    l.datei = QStringLiteral("europa.tvl");
    l.hash = QString(64, u'c');
    l.teilnehmer = i % 3 == 0 ? Namen[static_cast<qsizetype>(z() % Namen.size())]
                              : QStringLiteral("Schüler %1").arg(i % 40);
    l.rechner = QStringLiteral("PC-%1").arg(z() % 30);
    l.start = QDateTime(QDate(2026, 12, 9), QTime(8, 0)).addSecs(i);
    l.dauerMs = 1000 + z() % 100000;
    l.leistung = (z() % 101) / 100.0;
    l.note = QString::number(1 + z() % 6);
    l.ganz = z() % 4 != 0;
    int64_t ms = 0;
    for (int32_t ziel = 0; ziel < 5; ++ziel) {
        for (int versuch = 1; z() % 3 == 0 && versuch < 3; ++versuch)
            l.antworten.push_back(
                {ziel, QString::number(ziel + 1), Staaten[(ziel + versuch) % 5], false, versuch, ms += 700});
        l.antworten.push_back({ziel, QString::number(ziel + 1), Staaten[ziel], true, 1, ms += 900});
    }
    // Padding, so that a few thousand runs make a file that is read in two halves.
    l.titel += QString(600, u'.');
    return l;
}

// The same run as the first version wrote it: members in name order, the answers first.
QByteArray AlteReihenfolge(const KqaLauf& l) {
    return QJsonDocument::fromJson(KqaZeile(l)).toJson(QJsonDocument::Compact);
}

struct Datei {
    QTemporaryDir tmp;
    QString pfad = tmp.filePath(QStringLiteral("klasse.kqa"));
    QByteArray bytes;
    std::set<int64_t> kaputt;     // lines that every reading must name
    int64_t kaputteAntworten = 0; // a repeat whose answers are broken inside
};

// 6000 runs; every 97th line is cut short inside its answers, every 389th is no JSON, every
// 50th comes in the old member order. A pupil's first whole run is sometimes among the cut.
void Schreiben(Datei& d) {
    std::mt19937 z(4711);
    for (int i = 0; i < 6000; ++i) {
        const int64_t zeile = i + 1;
        const KqaLauf l = ZufallsLauf(z, i);
        QByteArray text = i % 50 == 0 ? AlteReihenfolge(l) : KqaZeile(l);
        if (i % 97 == 5) {
            text.chop(text.size() / 5);
            d.kaputt.insert(zeile);
        } else if (i % 389 == 7) {
            text = "Unsinn \x01";
            d.kaputt.insert(zeile);
        } else if (i >= 4000 && d.kaputteAntworten == 0 && !l.ganz && i % 50 != 0) {
            // An answer without its verdict in the middle, the line's end intact.
            text.replace(",true,1,", ",1,");
            d.kaputteAntworten = zeile;
        }
        d.bytes += text + (i % 3 == 0 ? "\r\n" : "\n");
    }
    QFile f(d.pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(d.bytes), d.bytes.size());
}

std::set<int64_t> Zeilen(const QStringList& warnungen) {
    std::set<int64_t> zeilen;
    for (const QString& w : warnungen)
        zeilen.insert(w.section(QStringLiteral("Zeile "), 1).section(u' ', 0, 0).toLongLong());
    return zeilen;
}

TEST(KqaLesen, ErsteLaeufeUndHaelftenWieAllesInEinemZug) {
    Datei d;
    Schreiben(d);
    ASSERT_GT(d.bytes.size(), 4 * 1024 * 1024);
    ASSERT_GT(d.kaputteAntworten, 0);

    const KqaLeseErgebnis einZug = KqaLesenAusBytes(d.bytes, QStringLiteral("klasse.kqa"));
    const KqaLeseErgebnis alle = KqaLesen(d.pfad, AuswertungsUmfang::AlleLaeufe);
    const KqaLeseErgebnis erste = KqaLesen(d.pfad, AuswertungsUmfang::ErsterGanzerLauf);
    ASSERT_TRUE(alle.fehler.isEmpty() && erste.fehler.isEmpty());

    // The halves join to the one pass: the same runs, the same warnings on the same lines.
    std::set<int64_t> erwartet = d.kaputt;
    erwartet.insert(d.kaputteAntworten);
    EXPECT_EQ(Zeilen(einZug.warnungen), erwartet);
    EXPECT_EQ(alle.warnungen, einZug.warnungen);
    ASSERT_EQ(alle.bestand.laeufe().size(), einZug.bestand.laeufe().size());
    for (std::size_t i = 0; i < alle.bestand.laeufe().size(); ++i)
        ASSERT_EQ(alle.bestand.lauf(i).start, einZug.bestand.lauf(i).start) << i;
    for (const auto umfang : {AuswertungsUmfang::ErsterGanzerLauf, AuswertungsUmfang::AlleLaeufe})
        EXPECT_EQ(TabellenText(Auswerten(alle.bestand, umfang)),
                  TabellenText(Auswerten(einZug.bestand, umfang)));

    // Without the answers of the runs it does not count, the first runs give the same tables.
    // The one run whose answers are broken only inside is not looked into, so it is counted
    // as a run of its pupil and not named.
    EXPECT_EQ(Zeilen(erste.warnungen), d.kaputt);
    EXPECT_EQ(erste.bestand.laeufe().size(), alle.bestand.laeufe().size() + 1);
    EXPECT_LT(erste.bestand.antworten().size(), alle.bestand.antworten().size() / 3);
    const Auswertung a = Auswerten(alle.bestand, AuswertungsUmfang::ErsterGanzerLauf);
    const Auswertung b = Auswerten(erste.bestand, AuswertungsUmfang::ErsterGanzerLauf);
    EXPECT_EQ(PositionsTabText(b), PositionsTabText(a));
    ASSERT_EQ(b.schueler.size(), a.schueler.size());
    int mehrLaeufe = 0;
    for (std::size_t i = 0; i < a.schueler.size(); ++i) {
        EXPECT_EQ(b.schueler[i].name, a.schueler[i].name);
        EXPECT_EQ(b.schueler[i].verfehlt, a.schueler[i].verfehlt) << a.schueler[i].name.toStdString();
        EXPECT_EQ(b.schueler[i].ersterGanzer.note, a.schueler[i].ersterGanzer.note);
        mehrLaeufe += b.schueler[i].laeufe - a.schueler[i].laeufe;
    }
    EXPECT_EQ(mehrLaeufe, 1);
    // " Anna " and "Anna" are one pupil, a blank name is "(kein Name)": 40 + 6 rows, in the
    // order of a German class list.
    QStringList namen;
    for (const SchuelerZeile& s : a.schueler)
        if (!s.name.startsWith(QStringLiteral("Schüler"))) namen << s.name;
    EXPECT_EQ(namen,
              (QStringList{QStringLiteral("(kein Name)"), QStringLiteral("Anna"), QStringLiteral("Ben"),
                           QStringLiteral("Çelik"), QStringLiteral("Özil"), QStringLiteral("Zoë")}));
    EXPECT_EQ(a.schueler.size(), 46u);
}

TEST(KqaLesen, SchlussDerZeileWirdGeprueft) {
    std::mt19937 z(1);
    KqaLauf l = ZufallsLauf(z, 1);
    l.ganz = false; // not counted under "first whole runs": its answers are stepped over
    const QByteArray gut = KqaZeile(l);
    // Cut at the end or inside the last answer, a cut answer closed, something after the
    // object, not an array.
    const QList<QByteArray> zeilen = {gut.left(gut.size() - 1),
                                      gut.left(gut.size() - 2) + '}',
                                      gut + 'x',
                                      gut.left(gut.size() - 3),
                                      gut.left(gut.size() - 3) + QByteArray("]}"),
                                      QByteArray(gut).replace("\"antworten\":[", "\"antworten\":{")};
    for (const QByteArray& zeile : zeilen) {
        const KqaLeseErgebnis e = KqaLesenAusBytes(gut + "\n" + zeile + "\n", QStringLiteral("x.kqa"),
                                                   AuswertungsUmfang::ErsterGanzerLauf);
        EXPECT_EQ(e.warnungen, QStringList{KqaZeileBeschaedigtText(QStringLiteral("x.kqa"), 2)})
            << zeile.right(20).data();
    }
    const KqaLeseErgebnis e = KqaLesenAusBytes(gut + "\n" + gut + "  \t\r\n", QStringLiteral("x.kqa"),
                                               AuswertungsUmfang::ErsterGanzerLauf);
    EXPECT_TRUE(e.warnungen.isEmpty());
    EXPECT_EQ(e.bestand.laeufe().size(), 2u);
}

} // namespace
