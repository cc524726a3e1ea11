// The RTF that the program writes, read by an independent reader (unrtf, a Debian package
// in tools/debian-pakete.txt): the text, the umlauts, bold headings, sizes and the face survive.
#include "results/protokoll.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString UnrtfHtml(const QByteArray& rtf) {
    QTemporaryDir tmp;
    const QString pfad = tmp.path() + u"/protokoll.rtf"_s;
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(rtf) != rtf.size()) return {};
    datei.close();
    QProcess unrtf;
    unrtf.start(QStandardPaths::findExecutable(u"unrtf"_s), {u"--html"_s, pfad});
    if (!unrtf.waitForFinished(30000) || unrtf.exitCode() != 0) return {};
    return QString::fromUtf8(unrtf.readAllStandardOutput());
}

TEST(RtfFremdleser, UnrtfLiestDasProtokoll) {
    ASSERT_FALSE(QStandardPaths::findExecutable(u"unrtf"_s).isEmpty())
        << "unrtf fehlt: apt-get install unrtf (tools/debian-pakete.txt)";
    Protokoll p;
    p.ersetzen(u"<tit>Quiz-Protokoll\r\n"
               "Teilnehmername:\tJürgen Größe\r\n"
               "\r\n"
               "<tit>Übungseinstellungen\r\n"
               "Titel:\tFlüsse {Europa} \\ Őrség – 中\r\n"_s);
    const QString html = UnrtfHtml(p.rtf());
    ASSERT_FALSE(html.isEmpty());
    const QString rumpf = html.mid(html.indexOf(u"<body>"_s));
    EXPECT_TRUE(rumpf.contains(u"<font face=\"Arial\">"_s)) << rumpf.toStdString();
    EXPECT_TRUE(rumpf.contains(u"<b>Quiz-Protokoll"_s)) << rumpf.toStdString();
    EXPECT_TRUE(rumpf.contains(u"<b>&Uuml;bungseinstellungen"_s)) << rumpf.toStdString();
    EXPECT_TRUE(rumpf.contains(u"font-size:9pt"_s));
    EXPECT_TRUE(rumpf.contains(u"font-size:4pt"_s));
    EXPECT_TRUE(rumpf.contains(u"J&uuml;rgen Gr&ouml;&szlig;e"_s)) << rumpf.toStdString();
    EXPECT_TRUE(rumpf.contains(u"Fl&uuml;sse {Europa} \\ &#336;"_s)) << rumpf.toStdString();
    EXPECT_TRUE(rumpf.contains(u"rs&eacute;g &ndash; &#20013;"_s)) << rumpf.toStdString();
    EXPECT_FALSE(rumpf.contains(u"Teilnehmername:</b>"_s)); // bold ends with the heading
}

} // namespace
