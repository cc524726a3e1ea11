// What the desktop reads about the program: the desktop entry, the software-centre data,
// the file types and the icons, each checked by the desktop's own tools.
#include "paket_hilfe.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

const QString Kennung = QStringLiteral("de.velmora.KartelloQuiz");

QString Paketdatei(const QString& name) {
    return QStringLiteral(KARTELLO_QUELL_ORDNER "/packaging/") + name;
}

bool WohlgeformtesXml(const QByteArray& inhalt, QString& fehler) {
    QXmlStreamReader xml(inhalt);
    while (!xml.atEnd())
        xml.readNext();
    fehler = xml.errorString();
    return !xml.hasError();
}

TEST(Desktopdateien, EintragUndMetainfoBestehenDiePruefer) {
    const QString desktop = Paketdatei(Kennung + QStringLiteral(".desktop"));
    const Lauf d = Ausfuehren(QStringLiteral("desktop-file-validate"), {desktop});
    EXPECT_EQ(d.exitCode, 0) << d.fehler.toStdString();
    EXPECT_TRUE(d.ausgabe.trimmed().isEmpty()) << d.ausgabe.constData(); // not even a hint

    const Lauf a =
        Ausfuehren(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                    Paketdatei(Kennung + QStringLiteral(".metainfo.xml"))});
    EXPECT_EQ(a.exitCode, 0) << a.ausgabe.constData() << a.fehler.toStdString();

    // One application id for entry, icon and metainfo; the entry opens the document type.
    const QString text = QString::fromUtf8(DateiLesen(desktop));
    for (const QString& zeile :
         {QStringLiteral("Exec=kartello-quiz %f"), QStringLiteral("Categories=Education;"),
          QStringLiteral(
              "MimeType=application/x-kartello-themendokument;application/x-kartello-bestenliste;"),
          QString(QStringLiteral("Icon=") + Kennung), QStringLiteral("Name[de]="),
          QStringLiteral("Comment[de]=Quiz zu Landkarten, Lückentexten"),
          QStringLiteral("Comment=Play quizzes")})
        EXPECT_TRUE(text.contains(zeile)) << zeile.toStdString();
    const QString meta = QString::fromUtf8(DateiLesen(Paketdatei(Kennung + QStringLiteral(".metainfo.xml"))));
    EXPECT_TRUE(meta.contains(QString(QStringLiteral("<id>") + Kennung + QStringLiteral("</id>"))));
    EXPECT_TRUE(meta.contains(
        QString(QStringLiteral("<launchable type=\"desktop-id\">") + Kennung + QStringLiteral(".desktop<"))));
    EXPECT_TRUE(meta.contains(QStringLiteral("<p xml:lang=\"de\">")));
    for (const char* bild : {"hauptfenster-900.png", "quiz-900.png"}) {
        EXPECT_TRUE(meta.contains(QString::fromLatin1(bild))) << bild;
        EXPECT_TRUE(
            QFile::exists(QStringLiteral(KARTELLO_QUELL_ORDNER "/docs/") + QString::fromLatin1(bild)));
    }
}

TEST(Desktopdateien, SymboleInAllenGroessen) {
    const QString basis = QStringLiteral(KARTELLO_QUELL_ORDNER "/packaging/icons/hicolor/");
    for (const int g : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString pfad = basis + QStringLiteral("%1x%1/apps/").arg(g) + Kennung + QStringLiteral(".png");
        const QImage bild(pfad);
        EXPECT_EQ(bild.size(), QSize(g, g)) << pfad.toStdString();
        EXPECT_TRUE(bild.hasAlphaChannel());
    }
    const QByteArray svg =
        DateiLesen(basis + QStringLiteral("scalable/apps/") + Kennung + QStringLiteral(".svg"));
    QString fehler;
    EXPECT_TRUE(WohlgeformtesXml(svg, fehler)) << fehler.toStdString();
    EXPECT_TRUE(svg.contains("<svg")) << "an SVG picture";
}

// The file types are registered in a temporary data folder; the desktop's own lookup
// (xdg-mime through gio) then names them by extension and, for a renamed copy, by content.
TEST(Desktopdateien, DateitypenErkanntNachNamenUndInhalt) {
    const QByteArray xml = DateiLesen(Paketdatei(Kennung + QStringLiteral(".mime.xml")));
    QString fehler;
    ASSERT_TRUE(WohlgeformtesXml(xml, fehler)) << fehler.toStdString();

    XdgUmgebung xdg;
    const QString mime = xdg.daten() + QStringLiteral("/mime");
    ASSERT_TRUE(QDir().mkpath(mime + QStringLiteral("/packages")));
    ASSERT_TRUE(QFile::copy(Paketdatei(Kennung + QStringLiteral(".mime.xml")),
                            mime + QStringLiteral("/packages/") + Kennung + QStringLiteral(".xml")));
    const Lauf u = Ausfuehren(QStringLiteral("update-mime-database"), {mime});
    ASSERT_EQ(u.exitCode, 0) << u.fehler.toStdString();
    ASSERT_TRUE(QFile::exists(mime + QStringLiteral("/application/x-kartello-themendokument.xml")));

    // A best list made the way the program makes it, and a sample document.
    const QString hsc = xdg.tmp.filePath(QStringLiteral("Europa.hsc"));
    ASSERT_EQ(Ausfuehren(QStringLiteral(KARTELLO_BIN_ORDNER "/kartello-tool"),
                         {QStringLiteral("bestenliste"), QStringLiteral("eintragen"), hsc,
                          QStringLiteral("--dauer-ms"), QStringLiteral("1000"), QStringLiteral("--leistung"),
                          QStringLiteral("0.5")})
                  .exitCode,
              0);
    const QString tvl = QStringLiteral(TESTDATEN_ORDNER "/tvl/beispiel.tvl");
    const QString tvlKopie = xdg.tmp.filePath(QStringLiteral("umbenannt"));
    const QString hscKopie = xdg.tmp.filePath(QStringLiteral("liste.dat"));
    ASSERT_TRUE(QFile::copy(tvl, tvlKopie));
    ASSERT_TRUE(QFile::copy(hsc, hscKopie));
    // Answer records: by their ending, and by their first bytes under another name.
    const QString kqa = xdg.tmp.filePath(QStringLiteral("Europa.kqa"));
    const QString kqaKopie = xdg.tmp.filePath(QStringLiteral("antworten"));
    for (const QString& pfad : {kqa, kqaKopie}) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({"antworten":[[3,"3","Polen",true,1,1200]],"dauerMs":1200})"
                "\n");
    }

    QProcessEnvironment umgebung = xdg.umgebung();
    umgebung.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/local/share:/usr/share"));
    umgebung.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
    const struct {
        QString datei;
        const char* typ;
    } faelle[] = {
        {tvl, "application/x-kartello-themendokument"}, {tvlKopie, "application/x-kartello-themendokument"},
        {hsc, "application/x-kartello-bestenliste"},    {hscKopie, "application/x-kartello-bestenliste"},
        {kqa, "application/x-kartello-antworten"},      {kqaKopie, "application/x-kartello-antworten"}};
    for (const auto& f : faelle) {
        const Lauf q = Ausfuehren(QStringLiteral("xdg-mime"),
                                  {QStringLiteral("query"), QStringLiteral("filetype"), f.datei}, umgebung);
        EXPECT_EQ(q.exitCode, 0) << q.fehler.toStdString();
        EXPECT_EQ(q.ausgabe.trimmed(), QByteArray(f.typ)) << f.datei.toStdString();
    }

    // With the entry installed, a double-click on either type starts the program.
    const QString anwendungen = xdg.daten() + QStringLiteral("/applications");
    ASSERT_TRUE(QDir().mkpath(anwendungen));
    ASSERT_TRUE(QFile::copy(Paketdatei(Kennung + QStringLiteral(".desktop")),
                            anwendungen + QStringLiteral("/") + Kennung + QStringLiteral(".desktop")));
    ASSERT_EQ(Ausfuehren(QStringLiteral("update-desktop-database"), {anwendungen}).exitCode, 0);
    for (const char* typ : {"application/x-kartello-themendokument", "application/x-kartello-bestenliste"}) {
        const Lauf q = Ausfuehren(
            QStringLiteral("xdg-mime"),
            {QStringLiteral("query"), QStringLiteral("default"), QString::fromLatin1(typ)}, umgebung);
        EXPECT_EQ(q.ausgabe.trimmed(), (Kennung + QStringLiteral(".desktop")).toUtf8()) << typ;
    }
}

} // namespace
