// The editor as the desktop offers it: its own entry and icon, and the player's entry
// with the second action for topic documents. Checked by the desktop's validator.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

namespace {

QString Paketdatei(const QString& name) {
    return QStringLiteral(KARTELLO_QUELL_ORDNER "/packaging/") + name;
}

QString Text(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(Editorpaket, DesktopEintraegeBestehenDenPruefer) {
    const QStringList eintraege{Paketdatei(QStringLiteral("de.velmora.KartelloEditor.desktop")),
                                Paketdatei(QStringLiteral("de.velmora.KartelloQuiz.desktop"))};
    QProcess pruefer;
    pruefer.start(QStringLiteral("desktop-file-validate"), eintraege);
    ASSERT_TRUE(pruefer.waitForFinished(30000));
    EXPECT_EQ(pruefer.exitCode(), 0) << pruefer.readAllStandardError().constData();
    EXPECT_TRUE(pruefer.readAllStandardOutput().trimmed().isEmpty());

    const QString editor = Text(eintraege[0]);
    for (const char* zeile :
         {"Exec=kartello-editor %f", "Icon=de.velmora.KartelloEditor",
          "MimeType=application/x-kartello-themendokument;", "Name=Velmora Kartello-Editor"})
        EXPECT_TRUE(editor.contains(QString::fromUtf8(zeile))) << zeile;
    const QString spieler = Text(eintraege[1]);
    for (const char* zeile : {"Actions=Bearbeiten;", "[Desktop Action Bearbeiten]", "Name[de]=Bearbeiten",
                              "Exec=kartello-editor %f"})
        EXPECT_TRUE(spieler.contains(QString::fromUtf8(zeile))) << zeile;
}

TEST(Editorpaket, SymbolInAllenGroessen) {
    const QString basis = QStringLiteral(KARTELLO_QUELL_ORDNER "/packaging/icons/hicolor/");
    for (const int g : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage bild(basis + QStringLiteral("%1x%1/apps/de.velmora.KartelloEditor.png").arg(g));
        EXPECT_EQ(bild.size(), QSize(g, g)) << g;
        EXPECT_TRUE(bild.hasAlphaChannel());
    }
    EXPECT_TRUE(
        Text(basis + QStringLiteral("scalable/apps/de.velmora.KartelloEditor.svg")).contains(u"<svg"));
}

} // namespace
