// The real xdg-email hands the request to a stand-in mail program that is installed as
// the default mailto: handler in a temporary XDG data folder; the stand-in writes down
// what arrives.
#include <QtGlobal>
#ifdef Q_OS_LINUX

#include "platform/maildienst_linux.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class XdgEmail : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty())
            GTEST_SKIP() << "xdg-email (xdg-utils) fehlt";
        for (const char* ordner : {"daten/applications", "konfig", "systemdaten", "systemkonfig"})
            ASSERT_TRUE(QDir(m_tmp.path()).mkpath(QString::fromLatin1(ordner)));
    }
    QString pfad(const QString& name) const { return m_tmp.filePath(name); }
    void schreiben(const QString& name, const QByteArray& inhalt) {
        QFile f(pfad(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    // The stand-in mail program as the default handler of mailto: addresses.
    void mailprogrammEinrichten() {
        schreiben(QStringLiteral("mailprogramm.sh"),
                  "#!/bin/sh\nprintf '%s' \"$#\" > \"$(dirname \"$0\")/anzahl.txt\"\n"
                  "printf '%s' \"$1\" > \"$(dirname \"$0\")/empfangen.txt\"\n");
        QFile(pfad(QStringLiteral("mailprogramm.sh")))
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        schreiben(QStringLiteral("daten/applications/kartello-testpost.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Testpost\nExec=" +
                      QFile::encodeName(pfad(QStringLiteral("mailprogramm.sh"))) +
                      " %u\nMimeType=x-scheme-handler/mailto;\n");
        schreiben(QStringLiteral("konfig/mimeapps.list"),
                  "[Default Applications]\nx-scheme-handler/mailto=kartello-testpost.desktop\n");
    }
    // Only what xdg-email needs, so no desktop of the machine running the test answers.
    QProcessEnvironment umgebung() const {
        QProcessEnvironment u;
        u.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH", QStringLiteral("/usr/bin:/bin")));
        u.insert(QStringLiteral("HOME"), m_tmp.path());
        u.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4711")); // a session with a screen
        u.insert(QStringLiteral("XDG_DATA_HOME"), pfad(QStringLiteral("daten")));
        u.insert(QStringLiteral("XDG_CONFIG_HOME"), pfad(QStringLiteral("konfig")));
        u.insert(QStringLiteral("XDG_DATA_DIRS"), pfad(QStringLiteral("systemdaten")));
        u.insert(QStringLiteral("XDG_CONFIG_DIRS"), pfad(QStringLiteral("systemkonfig")));
        u.insert(QStringLiteral("BROWSER"), pfad(QStringLiteral("kein-browser")));
        return u;
    }
    // The parameters of the mailto: address the stand-in received, decoded.
    QMultiMap<QString, QString> empfangen() {
        QFile f(pfad(QStringLiteral("empfangen.txt")));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray adresse = f.readAll();
        EXPECT_TRUE(adresse.startsWith("mailto:?")) << adresse.constData();
        QMultiMap<QString, QString> werte;
        for (const QByteArray& teil : adresse.mid(8).split('&')) {
            const qsizetype gleich = teil.indexOf('=');
            werte.insert(QString::fromLatin1(teil.left(gleich)),
                         QUrl::fromPercentEncoding(teil.mid(gleich + 1)));
        }
        return werte;
    }

    QTemporaryDir m_tmp;
};

TEST_F(XdgEmail, BetreffTextUndJederAnhangKommenAn) {
    mailprogrammEinrichten();
    const QString komma = pfad(QStringLiteral("Flüsse, \"Europa\" 'Süd'.tvl"));
    const QString zweiter = pfad(QStringLiteral("setup-tvl10basis.exe"));
    schreiben(QFileInfo(komma).fileName(), "x");
    schreiben(QFileInfo(zweiter).fileName(), "y");
    MailAuftrag a;
    a.Betreff = QStringLiteral("TVL-Dokument");
    a.Text = QStringLiteral("TVL-Themendokument: Flüsse, \"Europa\" 'Süd'.tvl\r\n\r\n- Information -\r\n"
                            "Weitere Informationen & mehr: \r\nhttps://www.velmora.example/?a=1 \r\n");
    a.Anhaenge = {komma, zweiter};
    MailDienstXdg dienst(QStringLiteral("xdg-email"), umgebung());
    EXPECT_EQ(dienst.senden(a), MailErgebnis::Uebermittelt);

    QFile anzahl(pfad(QStringLiteral("anzahl.txt")));
    ASSERT_TRUE(anzahl.open(QIODevice::ReadOnly));
    EXPECT_EQ(anzahl.readAll(), "1"); // the address as one argument
    const QMultiMap<QString, QString> w = empfangen();
    EXPECT_EQ(w.values(QStringLiteral("subject")), QStringList{a.Betreff});
    // The lines arrive with CR LF, each once; the shell drops the final line break.
    QString erwartet = a.Text;
    erwartet.chop(2);
    EXPECT_EQ(w.values(QStringLiteral("body")), QStringList{erwartet});
    QStringList anhaenge = w.values(QStringLiteral("attach"));
    std::reverse(anhaenge.begin(), anhaenge.end()); // QMultiMap lists the newest first
    EXPECT_EQ(anhaenge, (QStringList{komma, zweiter}));
}

TEST_F(XdgEmail, OhneMailprogrammKeinProgrammOhneAnhangFehlend) {
    MailAuftrag a;
    a.Betreff = QStringLiteral("TVL-Dokument");
    a.Text = QStringLiteral("Text\r\n");
    MailDienstXdg dienst(QStringLiteral("xdg-email"), umgebung());
    EXPECT_EQ(dienst.senden(a), MailErgebnis::KeinProgramm);
    EXPECT_TRUE(dienst.bericht().contains(QStringLiteral("xdg-email"))) << dienst.bericht().toStdString();

    mailprogrammEinrichten();
    a.Anhaenge = {pfad(QStringLiteral("gibt es nicht.tvl"))};
    EXPECT_EQ(dienst.senden(a), MailErgebnis::AnhangFehlt);
    EXPECT_FALSE(QFile::exists(pfad(QStringLiteral("empfangen.txt"))));

    MailDienstXdg ohneProgramm(pfad(QStringLiteral("kein-xdg-email")), umgebung());
    a.Anhaenge.clear();
    EXPECT_EQ(ohneProgramm.senden(a), MailErgebnis::KeinProgramm);
    EXPECT_TRUE(ohneProgramm.bericht().contains(QStringLiteral("kein-xdg-email")))
        << ohneProgramm.bericht().toStdString();
}

TEST(XdgErgebnis, AustrittscodesAlsMailergebnisse) {
    const std::pair<int, int> faelle[] = {{0, 0}, {1, 2},  {2, 11}, {3, MailErgebnis::KeinProgramm},
                                          {4, 2}, {5, 12}, {77, 2}};
    for (const auto& [code, ergebnis] : faelle)
        EXPECT_EQ(MailDienstXdg::Ergebnis(QProcess::NormalExit, code), ergebnis) << code;
    EXPECT_EQ(MailDienstXdg::Ergebnis(QProcess::CrashExit, 0), MailErgebnis::Fehler);
    MailAuftrag a;
    a.Betreff = QStringLiteral("B");
    a.Text = QStringLiteral("1\r\n2\r\n");
    a.Anhaenge = {QStringLiteral("/a,b.tvl"), QStringLiteral("/c d.exe")};
    EXPECT_EQ(
        MailDienstXdg::Argumente(a),
        (QStringList{QStringLiteral("--utf8"), QStringLiteral("--subject"), QStringLiteral("B"),
                     QStringLiteral("--body"), QStringLiteral("1\n2\n"), QStringLiteral("--attach"),
                     QStringLiteral("/a,b.tvl"), QStringLiteral("--attach"), QStringLiteral("/c d.exe")}));
}

} // namespace

#endif
