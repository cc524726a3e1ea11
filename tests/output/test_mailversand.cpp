// Sending the document with a scripted mail window, message boxes and mail program.
#include "data/programmadressen.h"
#include "fake_maildienst.h"
#include "fake_meldungen.h"
#include "output/mailversand.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>

namespace {

const QString Information = QStringLiteral(
    "\r\n- Information -\r\n"
    "\"TVL - Tavolo\" ist ein Autorensystem für digitale Lern- und Übungseinheiten. \r\n"
    "Zum Öffnen von TVL-Themendokumenten wird das TVL-Basissystem (liegt allen Themenpaketen kostenlos bei) "
    "oder das TVL-Autorensystem (kostet z.Zt. ab 49,90 Euro) benötigt. \r\n"
    "Weitere Informationen im Internet unter: \r\n");

class Mailversand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        m_setup =
            QDir::toNativeSeparators(m_tmp.filePath(QStringLiteral("setupbasissystem"))) + QDir::separator();
        ASSERT_TRUE(QDir().mkpath(m_setup));
        m_dokument = QDir::toNativeSeparators(m_tmp.filePath(QStringLiteral("Flüsse, \"Europa\" 1.tvl")));
        anlegen(m_dokument);
    }
    static void anlegen(const QString& pfad) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    // Runs the command; the mail window answers from `m_fenster` (empty: cancelled).
    std::optional<int> senden(const QString& dokument) {
        return DokumentVersenden(dokument, m_setup, m_meldungen, m_mail, [this]() -> std::optional<int> {
            ++m_fensterGezeigt;
            if (m_fenster.empty()) return std::nullopt;
            const int a = m_fenster.front();
            m_fenster.pop_front();
            return a;
        });
    }

    QTemporaryDir m_tmp;
    QString m_setup;
    QString m_dokument;
    FakeMeldungen m_meldungen;
    FakeMailDienst m_mail;
    std::deque<int> m_fenster;
    int m_fensterGezeigt = 0;
};

TEST_F(Mailversand, OhneDokumentdateiKeinVersand) {
    m_fenster = {0};
    EXPECT_FALSE(senden(QString()));
    EXPECT_EQ(m_fensterGezeigt, 0);
    EXPECT_TRUE(m_mail.auftraege.empty());
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Information);
    EXPECT_EQ(m_meldungen.eintraege[0].text, QStringLiteral("Es ist kein Dokument geöffnet bzw. das aktuelle "
                                                            "Dokument muss zunächst gespeichert werden."));
}

TEST_F(Mailversand, NurDokumentMitNotizZeichenGenau) {
    m_fenster = {NurDokument};
    EXPECT_EQ(senden(m_dokument), 0);
    ASSERT_EQ(m_mail.auftraege.size(), 1u);
    const MailAuftrag& a = m_mail.auftraege[0];
    EXPECT_EQ(a.Betreff, QStringLiteral("TVL-Dokument"));
    // The comma and the quotes of the name stay inside one attachment.
    EXPECT_EQ(a.Anhaenge, QStringList{m_dokument});
    EXPECT_EQ(a.Text, QStringLiteral("TVL-Themendokument: Flüsse, \"Europa\" 1.tvl\r\n") + Information +
                          HerstellerHomepage + QStringLiteral(" \r\n"));
    EXPECT_EQ(
        m_meldungen.texte(),
        std::vector<QString>{QStringLiteral(
            "Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt. Falls Ihr E-Mail-Programm "
            "Nachrichten nicht sofort versendet, sondern erst im Postausgang zwischenspeichert, müssen Sie "
            "den "
            "Versand in Ihrem E-Mail-Programm noch selbst auslösen.")});
}

TEST_F(Mailversand, BasissystemVorAnderenSetupdateien) {
    anlegen(m_setup + QStringLiteral("setup-tvl09demo.exe"));
    anlegen(m_setup + QStringLiteral("setup-tvl10basis.exe"));
    m_fenster = {MitBasissystem};
    EXPECT_EQ(senden(m_dokument), 0);
    ASSERT_EQ(m_mail.auftraege.size(), 1u);
    const MailAuftrag& a = m_mail.auftraege[0];
    EXPECT_EQ(a.Anhaenge, (QStringList{m_dokument, m_setup + QStringLiteral("setup-tvl10basis.exe")}));
    EXPECT_EQ(a.Text, QStringLiteral("TVL-Themendokument: Flüsse, \"Europa\" 1.tvl\r\n"
                                     "TVL-Basissystem: setup-tvl10basis.exe\r\n") +
                          Information + HerstellerHomepage + QStringLiteral(" \r\n"));
    EXPECT_EQ(m_meldungen.eintraege.size(), 1u); // only the result, no question
}

TEST_F(Mailversand, AndereSetupdateiNachFrage) {
    anlegen(m_setup + QStringLiteral("setup-tvl-zeta.exe"));
    anlegen(m_setup + QStringLiteral("setup-tvl-alpha.exe"));
    anlegen(m_setup + QStringLiteral("setup-tvl-alpha.txt"));
    const QString frage =
        QStringLiteral("Soll die Setup-Programmdatei \"setup-tvl-alpha.exe\" mitverschickt werden?\r\n"
                       "(Das einzelne Setup für das TVL-Basissystem ist nicht verfügbar.)");
    // Nein: back to the mail window, which is then cancelled.
    m_fenster = {MitBasissystem};
    m_meldungen.antworten = {Antwort::Nein};
    EXPECT_FALSE(senden(m_dokument));
    EXPECT_EQ(m_fensterGezeigt, 2);
    EXPECT_TRUE(m_mail.auftraege.empty());
    ASSERT_EQ(m_meldungen.eintraege.size(), 1u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Bestaetigung);
    EXPECT_EQ(m_meldungen.eintraege[0].knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(m_meldungen.eintraege[0].text, frage);

    // Ja: the first matching file goes along and is named in the note.
    m_fenster = {MitBasissystem};
    m_meldungen.antworten = {Antwort::Ja};
    EXPECT_EQ(senden(m_dokument), 0);
    ASSERT_EQ(m_mail.auftraege.size(), 1u);
    EXPECT_EQ(m_mail.auftraege[0].Anhaenge,
              (QStringList{m_dokument, m_setup + QStringLiteral("setup-tvl-alpha.exe")}));
    EXPECT_EQ(m_mail.auftraege[0].Text, QStringLiteral("TVL-Themendokument: Flüsse, \"Europa\" 1.tvl\r\n"
                                                       "Setup-Programmdatei: setup-tvl-alpha.exe\r\n") +
                                            Information + HerstellerHomepage + QStringLiteral(" \r\n"));
}

TEST_F(Mailversand, OhneSetupdateiFehlerUndZurueckZumFenster) {
    m_fenster = {MitBasissystem, NurDokument};
    EXPECT_EQ(senden(m_dokument), 0);
    EXPECT_EQ(m_fensterGezeigt, 2);
    ASSERT_EQ(m_meldungen.eintraege.size(), 2u);
    EXPECT_EQ(m_meldungen.eintraege[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(m_meldungen.eintraege[0].text, QStringLiteral("Datei \"") + m_setup +
                                                 QStringLiteral("setup-tvl10basis.exe\" (Setup für das "
                                                                "TVL-Basissystem) nicht gefunden."));
    ASSERT_EQ(m_mail.auftraege.size(), 1u);
    EXPECT_EQ(m_mail.auftraege[0].Anhaenge, QStringList{m_dokument}); // nothing left from the first try
}

struct Ergebnisfall {
    int ergebnis;
    MeldungsArt art;
    const char* text;
};

TEST_F(Mailversand, ErgebnisseDesMailprogramms) {
    const Ergebnisfall faelle[] = {
        {1, MeldungsArt::Information, "Der E-Mail-Versand wurde abgebrochen."},
        {MailErgebnis::KeinProgramm, MeldungsArt::Fehler,
         "Auf diesem Computer ist kein E-Mail-Programm eingerichtet; die Nachricht wurde nicht versendet. "
         "Richten Sie ein E-Mail-Programm als Standardprogramm für E-Mail ein oder versenden Sie die Datei "
         "aus "
         "Ihrem E-Mail-Programm heraus."},
        {2, MeldungsArt::Fehler, "One or more unspecified errors occurred; no message was sent."},
        {11, MeldungsArt::Fehler, "The specified attachment was not found; no message was sent."},
        {12, MeldungsArt::Fehler, "The specified attachment could not be open; no message was sent."},
        {18, MeldungsArt::Fehler, "The text in the message was too large to sent; the message was not sent."},
        {4, MeldungsArt::Fehler,
         "Bei der Übermittelung das Nachricht an das E-Mail-Programm ist ein Fehler aufgetreten."},
    };
    for (const Ergebnisfall& f : faelle) {
        m_meldungen.eintraege.clear();
        m_mail.ergebnis = f.ergebnis;
        m_fenster = {NurDokument};
        EXPECT_EQ(senden(m_dokument), f.ergebnis);
        ASSERT_EQ(m_meldungen.eintraege.size(), 1u) << f.ergebnis;
        EXPECT_EQ(m_meldungen.eintraege[0].art, f.art) << f.ergebnis;
        EXPECT_EQ(m_meldungen.eintraege[0].text, QString::fromUtf8(f.text)) << f.ergebnis;
    }
    for (int ergebnis : {3, 5, 9, 10, 14, 15, 21})
        EXPECT_NE(MailErgebnisText(ergebnis), MailErgebnisText(99)) << ergebnis;
}

} // namespace
