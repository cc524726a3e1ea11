// The Debian package, built by CPack from the current build folder (nothing is
// rebuilt), listed, unpacked into a temporary folder and started from there.
#include "paket_hilfe.h"

#include "data/installation.h"
#include "fake_dialoge.h"
#include "fake_einstellungen.h"
#include "fake_meldungen.h"
#include "fake_shell.h"
#include "fake_systeminfo.h"
#include "fake_ton.h"
#include "fake_uhr.h"
#include "fake_zwischenablage.h"
#include "shell/av_main.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList Beispielnamen() {
    QStringList namen;
    const QDir quellen(QStringLiteral(KARTELLO_QUELL_ORDNER "/samples"));
    for (const QString& name : quellen.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (QFileInfo::exists(quellen.filePath(name + QStringLiteral("/dokument.json"))))
            namen << name + QStringLiteral(".tvl");
    return namen;
}

QString Feld(const QString& deb, const char* name) {
    return QString::fromUtf8(
        Ausfuehren(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QString::fromLatin1(name)})
            .ausgabe.trimmed());
}

QString PaketBauen(const QString& ziel) {
    const Lauf c = Ausfuehren(QStringLiteral("cpack"),
                              {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), ziel},
                              QProcessEnvironment::systemEnvironment(), BauOrdner(), 600000);
    EXPECT_EQ(c.exitCode, 0) << c.ausgabe.constData() << c.fehler.toStdString();
    const QStringList debs = QDir(ziel).entryList({QStringLiteral("kartello-quiz_*.deb")}, QDir::Files);
    EXPECT_EQ(debs.size(), 1) << debs.join(u' ').toStdString();
    return debs.isEmpty() ? QString() : QDir(ziel).filePath(debs.first());
}

void KopfdatenPruefen(const QString& deb) {
    EXPECT_EQ(Feld(deb, "Package"), QStringLiteral("kartello-quiz"));
    EXPECT_EQ(Feld(deb, "Version"), QStringLiteral("1.0.2005"));
    EXPECT_TRUE(QFileInfo(deb).fileName().startsWith(QStringLiteral("kartello-quiz_1.0.2005_")));
    const QString haengt = Feld(deb, "Depends");
    for (const char* paket : {"fonts-liberation2", "libqt6core6", "libqt6widgets6", "libqt6multimedia6",
                              "libpng16-16", "qt6-translations-l10n"})
        EXPECT_TRUE(haengt.contains(QString::fromLatin1(paket))) << paket << " in " << haengt.toStdString();
    EXPECT_TRUE(Feld(deb, "Recommends").contains(QStringLiteral("xdg-utils")));
    EXPECT_TRUE(Feld(deb, "Maintainer").contains(u'@'));
    EXPECT_TRUE(Feld(deb, "Description").contains(QStringLiteral("Quiz player")));
}

void InhaltPruefen(const QString& deb) {
    const QString liste =
        QString::fromUtf8(Ausfuehren(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb}).ausgabe);
    QStringList erwartet{
        QStringLiteral("./usr/bin/kartello-quiz"),
        QStringLiteral("./usr/bin/kartello-tool"),
        QStringLiteral("./usr/share/kartello-quiz/sound/Richtig1.wav"),
        QStringLiteral("./usr/share/kartello-quiz/sound/Falsch1.wav"),
        QStringLiteral("./usr/share/kartello-quiz/hilfe/index.html"),
        QStringLiteral("./usr/share/doc/kartello-quiz/README.md"),
        QStringLiteral("./usr/share/doc/kartello-quiz/copyright"),
        QStringLiteral("./usr/share/applications/de.velmora.KartelloQuiz.desktop"),
        QStringLiteral("./usr/share/metainfo/de.velmora.KartelloQuiz.metainfo.xml"),
        QStringLiteral("./usr/share/mime/packages/de.velmora.KartelloQuiz.xml"),
        QStringLiteral("./usr/share/icons/hicolor/scalable/apps/de.velmora.KartelloQuiz.svg"),
        QStringLiteral("./usr/share/icons/hicolor/48x48/apps/de.velmora.KartelloQuiz.png"),
        QStringLiteral("./usr/share/icons/hicolor/256x256/apps/de.velmora.KartelloQuiz.png")};
    for (const QString& name : Beispielnamen())
        erwartet << QStringLiteral("./usr/share/kartello-quiz/beispiele/") + name;
    for (const QString& pfad : erwartet)
        EXPECT_TRUE(liste.contains(pfad + u'\n')) << pfad.toStdString();
    EXPECT_FALSE(liste.contains(QStringLiteral("test_"))) << "no test programs in the package";
}

// Nothing in the unpacked tree only holds a folder open in version control.
void KeinePlatzhalter(const QString& wurzel) {
    QDirIterator it(wurzel, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    int dateien = 0;
    while (it.hasNext()) {
        const QFileInfo datei(it.next());
        ++dateien;
        EXPECT_FALSE(datei.fileName().startsWith(u'.')) << datei.filePath().toStdString();
        EXPECT_GT(datei.size(), 0) << "empty file " << datei.filePath().toStdString();
    }
    EXPECT_GT(dateien, 20);
}

// The copyright file is machine-readable (read by python3-debian, strictly): every file
// is covered, every licence named has its text, the bundled data names its source.
void CopyrightPruefen(const QString& wurzel) {
    const QString datei = wurzel + QStringLiteral("/usr/share/doc/kartello-quiz/copyright");
    const QString pruefung = QStringLiteral(R"(
import re, sys, warnings
import debian.copyright as dc
with open(sys.argv[1], encoding="utf-8") as f:
    c = dc.Copyright(f, strict=True)
texte = {p.license.synopsis for p in c.all_license_paragraphs()}
for p in c.all_files_paragraphs():
    for name in re.split(r" and | or ", p.license.synopsis):
        if name not in texte and not p.license.text:
            sys.exit("ohne Lizenztext: " + name)
for pfad in ("src/shell/main.cpp", "resources/sound/Richtig1.wav", "samples/europa/bild.png"):
    p = c.find_files_paragraph(pfad)
    if p is None or not p.copyright:
        sys.exit("nicht erfasst: " + pfad)
    print(pfad + "	" + p.license.synopsis)
print("Upstream-Name	" + c.header.upstream_name)
)");
    const Lauf l = Ausfuehren(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), pruefung, datei});
    ASSERT_EQ(l.exitCode, 0) << l.fehler.toStdString();
    const QString aus = QString::fromUtf8(l.ausgabe);
    EXPECT_TRUE(aus.contains(QStringLiteral("src/shell/main.cpp\tGPL-3.0-or-later"))) << aus.toStdString();
    EXPECT_TRUE(
        aus.contains(QStringLiteral("samples/europa/bild.png\tGPL-3.0-or-later and public-domain and ISC")))
        << aus.toStdString();
    EXPECT_TRUE(aus.contains(QStringLiteral("Upstream-Name\tVelmora Kartello-Quiz")));
    const QString text = QString::fromUtf8(DateiLesen(datei));
    for (const char* quelle : {"Natural Earth", "world-atlas", "tools/klaenge", "tools/grafik", "no fonts"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(quelle))) << quelle;
}

// The unpacked program runs from its folder on the offscreen platform until stopped.
void ProgrammLaeuft(const QString& bin, const XdgUmgebung& xdg) {
    QProcess p;
    p.setProcessEnvironment(xdg.umgebung());
    p.start(bin + QStringLiteral("/kartello-quiz"), {});
    ASSERT_TRUE(p.waitForStarted(10000));
    EXPECT_FALSE(p.waitForFinished(4000)) << "ended early: " << p.readAllStandardError().constData();
    EXPECT_EQ(p.state(), QProcess::Running);
    p.kill();
    p.waitForFinished();
    EXPECT_FALSE(QFileInfo::exists(bin + QStringLiteral("/protokolle")))
        << "nothing is written beside the program";
}

// The unpacked tree seen by the program itself: its resources and the bundled quizzes.
void OrdnerUndQuizliste(const QString& wurzel) {
    const QString bin = wurzel + QStringLiteral("/usr/bin");
    const QString share = QDir::toNativeSeparators(wurzel + QStringLiteral("/usr/share/kartello-quiz/"));
    Ordner() = OrdnerAusProgrammordner(bin);
    EXPECT_EQ(Ordner().Soundordner, share + QStringLiteral("sound") + QDir::separator());
    EXPECT_EQ(Ordner().Hilfeordner, share + QStringLiteral("hilfe") + QDir::separator());
    EXPECT_TRUE(QFileInfo::exists(Ordner().Soundordner + QStringLiteral("Richtig1.wav")));
    EXPECT_TRUE(QFileInfo::exists(Ordner().Hilfeordner + QStringLiteral("index.html")));
    FakeMeldungen meldungen;
    FakeEinstellungen speicher;
    FakeSystemInfo system;
    FakeUhr uhr;
    FakeWarten warten;
    FakeShell shell;
    FakeTonAufnahme ton;
    FakeDialoge dialoge;
    FakeZwischenablage zwischenablage;
    {
        TForm1 f(Dienste{meldungen, speicher, system, uhr, warten, shell, ton, dialoge, zwischenablage},
                 QString());
        f.ErsteAktivierung();
        EXPECT_EQ(Ordner().Startordner, share + QStringLiteral("beispiele") + QDir::separator());
        EXPECT_EQ(f.themenliste().Anzahl(), Beispielnamen().size());
        EXPECT_TRUE(meldungen.eintraege.empty());
    }
    Ordner() = ProgrammOrdnerTyp{};
}

TEST(Paket, BauenAuflistenAuspackenStarten) {
    XdgUmgebung xdg;
    const QString deb = PaketBauen(xdg.tmp.filePath(QStringLiteral("paket")));
    ASSERT_FALSE(deb.isEmpty());
    KopfdatenPruefen(deb);
    InhaltPruefen(deb);

    const QString wurzel = xdg.tmp.filePath(QStringLiteral("wurzel"));
    ASSERT_EQ(Ausfuehren(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, wurzel}).exitCode, 0);
    KeinePlatzhalter(wurzel);
    CopyrightPruefen(wurzel);
    ProgrammLaeuft(wurzel + QStringLiteral("/usr/bin"), xdg);

    // The unpacked tool resolves the same folders: writable defaults in the user's data folder.
    const Lauf t = Ausfuehren(wurzel + QStringLiteral("/usr/bin/kartello-tool"),
                              {QStringLiteral("einstellungen"), QStringLiteral("zeigen")}, xdg.umgebung());
    EXPECT_EQ(t.exitCode, 0) << t.fehler.toStdString();
    const QString zeile = QStringLiteral("Opt-ProtOrdner\t") + xdg.daten() +
                          QStringLiteral("/Velmora/Velmora Kartello-Quiz/protokolle/\tStandard\n");
    EXPECT_TRUE(t.ausgabe.contains(zeile.toUtf8())) << t.ausgabe.constData();
    OrdnerUndQuizliste(wurzel);
}

} // namespace
