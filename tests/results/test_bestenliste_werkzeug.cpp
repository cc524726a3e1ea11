// kartello-tool bestenliste: the grid text of "Speichern...", failures, and the load
// test of 20 processes appending to one list at the same time.
#include "results/bestenliste.h"
#include "results/bestenliste_rang.h"
#include "results/bestenliste_text.h"

#include "test_bestenliste_hilfe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

struct Lauf {
    int exitCode = -1;
    QByteArray ausgabe;
    QString fehler;
};

QString Werkzeug() {
    return QStringLiteral(KARTELLO_BIN_ORDNER "/kartello-tool");
}

Lauf Starten(const QStringList& argumente,
             const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.start(Werkzeug(), argumente);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

QStringList EintragArgumente(const QString& datei, const QString& name, int dauer, const QString& leistung) {
    return {QStringLiteral("bestenliste"),
            QStringLiteral("eintragen"),
            datei,
            QStringLiteral("--name"),
            name,
            QStringLiteral("--rechner"),
            QStringLiteral("PC-7"),
            QStringLiteral("--beginn"),
            QStringLiteral("2026-12-08T10:15:00"),
            QStringLiteral("--dauer-ms"),
            QString::number(dauer),
            QStringLiteral("--leistung"),
            leistung};
}

TEST(BestenlisteWerkzeug, ZeigenGibtDenGridTextDerGeordnetenListe) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("Europa.hsc"));
    ASSERT_EQ(
        Starten(EintragArgumente(datei, QStringLiteral("Jörg"), 90000, QStringLiteral("0.875"))).exitCode, 0);
    ASSERT_EQ(Starten(EintragArgumente(datei, QStringLiteral(" "), 30000, QStringLiteral("0.875"))).exitCode,
              0);
    ASSERT_EQ(Starten(EintragArgumente(datei, QStringLiteral("Zoë"), 59999, QStringLiteral("1"))).exitCode,
              0);

    std::vector<BestListDataTyp> l;
    QString grund;
    ASSERT_TRUE(BestListLesenVersuch(datei, l, grund));
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[1].Name, QStringLiteral("(kein Name)"));
    EXPECT_EQ(l[0].Beginn, SerielleZeit(QDateTime(QDate(2026, 12, 8), QTime(10, 15))));
    BestListRangfolge(l);
    // The terminal gets UTF-8 with LF; --datei writes the bytes of "Speichern...".
    const Lauf lauf = Starten({QStringLiteral("bestenliste"), QStringLiteral("zeigen"), datei});
    EXPECT_EQ(lauf.exitCode, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(
        lauf.ausgabe,
        BestListGridText(BestListZeilen(l)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8());
    EXPECT_TRUE(lauf.ausgabe.contains("\n1\tZo\xc3\xab\tPC-7\t100.0 %\t00:59\t"));
    EXPECT_TRUE(lauf.ausgabe.contains("\n2\t(kein Name)\tPC-7\t87.5 %\t00:30\t"));
    EXPECT_TRUE(lauf.ausgabe.contains("J\xc3\xb6rg"));
    EXPECT_FALSE(lauf.ausgabe.contains('\r'));

    const QString export_ = ordner.filePath(QStringLiteral("Europa.txt"));
    const Lauf datei_ = Starten(
        {QStringLiteral("bestenliste"), QStringLiteral("zeigen"), datei, QStringLiteral("--datei"), export_});
    EXPECT_EQ(datei_.exitCode, 0) << datei_.fehler.toStdString();
    EXPECT_TRUE(datei_.ausgabe.isEmpty());
    QFile aus(export_);
    ASSERT_TRUE(aus.open(QIODevice::ReadOnly));
    const QByteArray bytes = aus.readAll();
    EXPECT_EQ(bytes, BestListGridBytes(BestListZeilen(l)));
    EXPECT_TRUE(bytes.contains("\r\n1\tZo\xeb\tPC-7\t100.0 %\t00:59\t"));

    const Lauf gesperrt =
        Starten({QStringLiteral("bestenliste"), QStringLiteral("zeigen"), datei, QStringLiteral("--datei"),
                 ordner.filePath(QStringLiteral("fehlt/aus.txt"))});
    EXPECT_EQ(gesperrt.exitCode, 1);
    EXPECT_TRUE(gesperrt.fehler.contains(QStringLiteral("kann nicht geschrieben werden")))
        << gesperrt.fehler.toStdString();
}

TEST(BestenlisteWerkzeug, FehlendeOderUnlesbareDatei) {
    QTemporaryDir ordner;
    const QString fehlt = ordner.filePath(QStringLiteral("fehlt.hsc"));
    Lauf lauf = Starten({QStringLiteral("bestenliste"), QStringLiteral("zeigen"), fehlt});
    EXPECT_EQ(lauf.exitCode, 1);
    EXPECT_TRUE(lauf.ausgabe.isEmpty());
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("existiert nicht."))) << lauf.fehler.toStdString();

    const QString kaputt = ordner.filePath(QStringLiteral("kaputt.hsc"));
    Schreiben(kaputt, "KRF-1.01 kein Bestenlistenkopf");
    lauf = Starten({QStringLiteral("bestenliste"), QStringLiteral("zeigen"), kaputt});
    EXPECT_EQ(lauf.exitCode, 1);
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("kann nicht gelesen werden.")))
        << lauf.fehler.toStdString();
}

TEST(BestenlisteWerkzeug, FalscheAufrufeAendernNichts) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("x.hsc"));
    const std::vector<QStringList> faelle{
        EintragArgumente(datei, QStringLiteral("A"), -1, QStringLiteral("0.5")),
        EintragArgumente(datei, QStringLiteral("A"), 1, QStringLiteral("1.5")),
        EintragArgumente(datei, QStringLiteral("A"), 1, QStringLiteral("nan")),
        {QStringLiteral("bestenliste"), QStringLiteral("eintragen"), datei, QStringLiteral("--name")},
        {QStringLiteral("bestenliste"), QStringLiteral("eintragen"), datei, QStringLiteral("--leistung"),
         QStringLiteral("1")},
        {QStringLiteral("bestenliste"), QStringLiteral("loeschen"), datei},
    };
    for (const QStringList& a : faelle) {
        const Lauf lauf = Starten(a);
        EXPECT_EQ(lauf.exitCode, 2) << a.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(lauf.fehler.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(datei));
}

TEST(BestenlisteWerkzeug, SchreibfehlerMitExitEins) {
    QTemporaryDir ordner;
    const Lauf lauf = Starten(EintragArgumente(ordner.filePath(QStringLiteral("nicht/da.hsc")),
                                               QStringLiteral("A"), 1, QStringLiteral("0.5")));
    EXPECT_EQ(lauf.exitCode, 1);
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("Die Bestenliste konnte nicht gespeichert werden.")));
}

// 20 processes, 50 locked appends each, all at once. Names of different lengths make
// any interleaved or torn entry misalign everything after it.
TEST(BestenlisteLast, ZwanzigProzesseJeFuenfzigEintraege) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("Last.hsc"));
    constexpr int Prozesse = 20, Eintraege = 50;
    QElapsedTimer uhr;
    uhr.start();
    std::vector<std::unique_ptr<QProcess>> laeufe;
    for (int p = 0; p < Prozesse; ++p) {
        QStringList a =
            EintragArgumente(datei, QStringLiteral("P%1-").arg(p) + QString(p + 1, QLatin1Char('x')),
                             p * 1000 + 7, QString::number(p / 20.0));
        a << QStringLiteral("--anzahl") << QString::number(Eintraege);
        laeufe.push_back(std::make_unique<QProcess>());
        laeufe.back()->start(Werkzeug(), a);
    }
    for (auto& l : laeufe) {
        ASSERT_TRUE(l->waitForFinished(60000));
        EXPECT_EQ(l->exitCode(), 0) << l->readAllStandardError().toStdString();
    }
    std::vector<BestListDataTyp> liste;
    QString grund;
    ASSERT_TRUE(BestListLesenVersuch(datei, liste, grund));
    ASSERT_EQ(liste.size(), static_cast<std::size_t>(Prozesse * Eintraege));
    std::map<int, int> jeProzess;
    for (const BestListDataTyp& e : liste) {
        const int p = e.Name.section(QLatin1Char('-'), 0, 0).mid(1).toInt();
        ASSERT_EQ(e.Name, QStringLiteral("P%1-").arg(p) + QString(p + 1, QLatin1Char('x')));
        ASSERT_EQ(e.Rechner, QStringLiteral("PC-7"));
        ASSERT_EQ(e.Dauer, p * 1000 + 7);
        ASSERT_EQ(e.Leistung, QString::number(p / 20.0).toDouble());
        ++jeProzess[p];
    }
    for (int p = 0; p < Prozesse; ++p)
        EXPECT_EQ(jeProzess[p], Eintraege) << p;
    EXPECT_EQ(Inhalt(datei).size(), [&] {
        qsizetype n = 76;
        for (const auto& e : liste)
            n += BestListEintragBytes(e).size();
        return n;
    }());
    EXPECT_LT(uhr.elapsed(), 30000);
}

} // namespace

namespace {

// A list damaged before its end: the intact entries on stdout, the warning once on
// stderr, and exit code 0, because what could be read was printed.
TEST(BestenlisteWerkzeug, BeschaedigteListeWarntAufStderr) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("Kaputt.hsc"));
    Schreiben(datei, HscBytes()
                         .kopf()
                         .eintrag("Anna", "PC-1", 46000, 1000, 0.5)
                         .ganzzahl(-9)
                         .eintrag("Nachher", "PC-2", 46000, 1000, 0.5)
                         .bytes());
    const Lauf lauf = Starten({QStringLiteral("bestenliste"), QStringLiteral("zeigen"), datei});
    EXPECT_EQ(lauf.exitCode, 0);
    EXPECT_TRUE(lauf.ausgabe.contains("\n1\tAnna\tPC-1\t50.0 %\t00:01\t"));
    EXPECT_FALSE(lauf.ausgabe.contains("Nachher"));
    EXPECT_FALSE(lauf.ausgabe.contains("\n2\t"));
    EXPECT_EQ(lauf.fehler, QStringLiteral("Die Bestenliste \"") + QDir::toNativeSeparators(datei) +
                               QStringLiteral("\" ist ab Eintrag 2 beschädigt; angezeigt werden die Einträge "
                                              "davor.\n"));
}

// The program's texts are German, so are its dates on a system without German language.
TEST(BestenlisteWerkzeug, DatumDeutschUnterCUtf8) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("Europa.hsc"));
    ASSERT_EQ(
        Starten(EintragArgumente(datei, QStringLiteral("Jörg"), 90000, QStringLiteral("0.875"))).exitCode, 0);
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_TIME", "LC_MESSAGES", "LANGUAGE"})
        umgebung.remove(QString::fromLatin1(name));
    umgebung.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    const Lauf lauf = Starten({QStringLiteral("bestenliste"), QStringLiteral("zeigen"), datei}, umgebung);
    ASSERT_EQ(lauf.exitCode, 0) << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.ausgabe.contains("\t08.12.26 10:15:00")) << lauf.ausgabe.constData();
    EXPECT_FALSE(lauf.ausgabe.contains("Dec")) << lauf.ausgabe.constData();
}

} // namespace
