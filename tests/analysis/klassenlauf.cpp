#include "klassenlauf.h"

#include "analysis/antwortsatz_datei.h"
#include "analysis/antwortsatz_quiz.h"
#include "analysis/dokument_suche.h"
#include "documents/tvl_datei.h"
#include "mapview/nummerierung.h"
#include "platform/dateisperre.h"
#include "quiz/quizlauf.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <map>

namespace {

struct Wurf {
    int32_t ziel;
    const char* text;
    bool richtig;
};

QuizLauf Lauf(const Dokument& dok, const QString& name, bool komplett, double leistung, int32_t note,
              const std::vector<Wurf>& wuerfe) {
    QuizLauf l;
    l.Dokumentpfad = dok.Header.Dateiname;
    l.Titel = dok.Header.HD_titel;
    l.Teilnehmer = name;
    l.Rechnername = QStringLiteral("PC-") + name.left(1);
    l.Start = QDateTime(QDate(2026, 12, 9), QTime(10, 15));
    l.DauerMs = 60000;
    l.Komplett = komplett;
    l.Gesamtleistung = leistung;
    l.Note = note;
    std::map<int32_t, int> versuche;
    int64_t ms = 0;
    for (const Wurf& w : wuerfe)
        l.Antworten.push_back({w.ziel, NummerText(dok, w.ziel),
                               dok.Objekte[static_cast<std::size_t>(w.ziel)].OB_Cap, -1,
                               QString::fromUtf8(w.text), w.richtig, ++versuche[w.ziel], ms += 1500});
    return l;
}

} // namespace

Klassenlauf::Klassenlauf() {
    tvl = tmp.filePath(QStringLiteral("europa.tvl"));
    kqa = tmp.filePath(QStringLiteral("europa.kqa"));
    EXPECT_TRUE(QFile::copy(QStringLiteral(KARTELLO_BIN_ORDNER "/europa.tvl"), tvl));
    Dokument dok;
    EXPECT_TRUE(TvlLeser().lesen(tvl, dok));
    NummerierungSetzen(dok);
    nrPolen = NummerText(dok, 13);
    nrTschechien = NummerText(dok, 14);
    nrDeutschland = NummerText(dok, 8);
    // Anna and Cem take Tschechien for Österreich first; Ben drops Tschechien on Polen and
    // Österreich on Deutschland. Anna repeats her wrong answers once (not a whole run).
    const std::vector<QuizLauf> laeufe{
        Lauf(dok, QStringLiteral("Anna"), true, 0.8, 2,
             {{13, "Polen", true},
              {14, "Österreich", false},
              {14, "Tschechien", true},
              {8, "Deutschland", true}}),
        Lauf(dok, QStringLiteral("Ben"), true, 0.6, 3,
             {{13, "Tschechien", false},
              {13, "Polen", true},
              {14, "Tschechien", true},
              {8, "Österreich", false},
              {8, "Deutschland", true}}),
        Lauf(dok, QStringLiteral("Cem"), true, 0.8, 2,
             {{13, "Polen", true},
              {14, "Österreich", false},
              {14, "Tschechien", true},
              {8, "Deutschland", true}}),
        Lauf(dok, QStringLiteral("Anna"), false, 1.0, 1, {{14, "Tschechien", true}}),
    };
    const QString hash = DateiHash(tvl);
    WartenBlockierend warten;
    QString fehler;
    for (const QuizLauf& l : laeufe)
        EXPECT_TRUE(KqaAnhaengen(kqa, KqaLaufAus(l, hash), warten, fehler)) << fehler.toStdString();
}

WerkzeugLauf Werkzeug(const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral(KARTELLO_BIN_ORDNER "/kartello-tool"),
            QStringList{QStringLiteral("auswertung")} + argumente);
    WerkzeugLauf l;
    if (!p.waitForFinished(60000)) return l;
    l.exitCode = p.exitCode();
    l.ausgabe = p.readAllStandardOutput();
    l.fehler = QString::fromUtf8(p.readAllStandardError());
    return l;
}

QString ErwarteteTabelleErste(const Klassenlauf& k) {
    const std::map<int, QString> zeilen{
        {k.nrDeutschland.toInt(),
         k.nrDeutschland + QStringLiteral("\tDeutschland\t3\t66.7 %\t1\tÖsterreich (1)\n")},
        {k.nrPolen.toInt(), k.nrPolen + QStringLiteral("\tPolen\t3\t66.7 %\t1\tTschechien (1)\n")},
        {k.nrTschechien.toInt(),
         k.nrTschechien + QStringLiteral("\tTschechien\t3\t33.3 %\t2\tÖsterreich (2)\n")},
    };
    QString text = QStringLiteral("Nr\tAntwort\tTeilnehmer\tRichtig im ersten Versuch\tFehlversuche\t"
                                  "Häufigste Verwechslung\n");
    for (const auto& [nr, zeile] : zeilen)
        text += zeile;
    return text;
}
