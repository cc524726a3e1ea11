// The RTF writer's bytes and the reader that parses them back; damaged RTF takes the failure path.
#include "results/protokoll.h"
#include "results/rtf_leser.h"
#include "data/rtf_schreiber.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString BeispielProtokoll = u"<tit>Quiz-Protokoll\r\n"
                                  "Teilnehmername:\tJürgen Größe\r\n"
                                  "Rechnername:\tSCHULPC-07\r\n"
                                  "\r\n"
                                  "<TIT>Übungseinstellungen\r\n"
                                  "Titel:\tFlüsse {Europa} \\ Süd\r\n"
                                  "Zeitlimit:\tja, 3 Min. 0 Sek.\r\n"
                                  "00:07 - RICHTIG - Őrség – €5\r\n"_s;

QByteArray Rtf(const QString& protokolltext) {
    Protokoll p;
    p.ersetzen(protokolltext);
    return p.rtf();
}

QByteArray RtfVonText(const QString& zeile) {
    const QByteArray rtf = Rtf(zeile);
    // the text follows the character commands of its one paragraph
    const qsizetype anfang = rtf.indexOf("\\cf1 ") + 5;
    return rtf.mid(anfang, rtf.indexOf("\\par\r\n", anfang) - anfang);
}

TEST(RtfSchreiber, KopfSchrifttabelleUndFarben) {
    const QByteArray rtf = Rtf(BeispielProtokoll);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"));
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"));
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red0\\green0\\blue0;}"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
    for (const char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "RTF ist reines ASCII";
}

TEST(RtfSchreiber, UeberschriftFettNeunPunktAbstandVierPunktTabstopp) {
    const QByteArray rtf = Rtf(u"<tit>Quiz-Protokoll\r\nA:\tB"_s);
    EXPECT_TRUE(rtf.contains("\\pard\\tx3200\\plain\\f0\\fs18\\cf1\\b Quiz-Protokoll\\par\r\n"));
    EXPECT_TRUE(rtf.contains("\\pard\\tx3200\\plain\\f0\\fs8\\cf1 \\par\r\n"));
    EXPECT_TRUE(rtf.contains("\\pard\\tx3200\\plain\\f0\\fs18\\cf1 A:\\tab B\\par\r\n"));
    EXPECT_EQ(rtf.count("\\par\r\n"), 3);
}

TEST(RtfSchreiber, ZeichenWerdenMaskiert) {
    const struct {
        QString text;
        QByteArray rtf;
    } faelle[] = {
        {u"Übung äöüß ÄÖ"_s, "\\'dcbung \\'e4\\'f6\\'fc\\'df \\'c4\\'d6"},
        {u"€ – „x“"_s, "\\'80 \\'96 \\'84x\\'93"},
        {u"a{b}c\\d"_s, "a\\{b\\}c\\\\d"},
        {u"Label:\tWert"_s, "Label:\\tab Wert"},
        {u"Őrség"_s, "{\\u336?}rs\\'e9g"},
        {u"中文"_s, "{\\u20013?}{\\u25991?}"},
        {u"\U0001F600"_s, "{\\u-10179?\\u-8704?}"},
        {u"\xD800x"_s, "{\\u-10240?}x"},
        {QString(QChar(0x81)) + u"x\x01y"_s, "{\\u129?}xy"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(RtfVonText(f.text), f.rtf) << f.text.toStdString();
}

TEST(RtfSchreiber, LeeresProtokollIstGueltigesRtf) {
    const QByteArray rtf = Rtf({});
    RtfInhaltTyp inhalt;
    RtfLeser leser;
    ASSERT_TRUE(leser.lesen(rtf, inhalt)) << leser.errorString().toStdString();
    ASSERT_EQ(inhalt.absaetze.size(), 1u);
    EXPECT_TRUE(inhalt.absaetze[0].text().isEmpty());
}

TEST(RtfLeser, LiestDieEigeneAusgabeZurueck) {
    Protokoll p;
    p.ersetzen(BeispielProtokoll);
    p.kommentarHinzufuegen(u"Sehr {gut}"_s);
    RtfInhaltTyp inhalt;
    RtfLeser leser;
    ASSERT_TRUE(leser.lesen(p.rtf(), inhalt)) << leser.errorString().toStdString();
    EXPECT_EQ(inhalt.schriften.value(0), u"Arial"_s);

    ASSERT_EQ(static_cast<int>(inhalt.absaetze.size()), p.dokument().blockCount());
    QTextBlock block = p.dokument().begin();
    for (const RtfAbsatzTyp& a : inhalt.absaetze) {
        EXPECT_EQ(a.text(), block.text());
        EXPECT_EQ(a.tabsTwips, QList<int>{3200});
        const QTextCharFormat f =
            block.length() > 1 ? block.begin().fragment().charFormat() : block.charFormat();
        EXPECT_EQ(a.halbpunkte, qRound(f.fontPointSize() * 2)) << a.text().toStdString();
        EXPECT_EQ(a.fett, f.fontWeight() > QFont::Medium) << a.text().toStdString();
        for (const RtfLaufTyp& l : a.laeufe)
            EXPECT_EQ(l.schrift, u"Arial"_s);
        block = block.next();
    }
    EXPECT_EQ(inhalt.text(), p.klartext());
    EXPECT_EQ(inhalt.absaetze[5].text(), u"Übungseinstellungen"_s);
    EXPECT_EQ(inhalt.absaetze[6].halbpunkte, 8);
}

TEST(RtfLeser, LiestFremdesRtf) {
    const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\froman Times;}"
                           "{\\*\\generator Fremd 1.0;}{\\info{\\title Titel}}{\\stylesheet{\\s0 Normal;}}"
                           "\\f0\\pard\\tx1000\\tx2000 Hallo \\b Welt\\b0 !\\par\n"
                           "\\uc2\\u8364\\'80\\'80 x \\uc1\\u8364?\\'80\\par\n"
                           "{\\f1\\i kursiv}\\line\\~\\lquote q\\rquote}";
    RtfInhaltTyp inhalt;
    RtfLeser leser;
    ASSERT_TRUE(leser.lesen(rtf, inhalt)) << leser.errorString().toStdString();
    EXPECT_EQ(inhalt.schriften.value(0), u"Helvetica"_s);
    EXPECT_EQ(inhalt.schriften.value(1), u"Times"_s);
    ASSERT_EQ(inhalt.absaetze.size(), 3u);
    EXPECT_EQ(inhalt.absaetze[0].text(), u"Hallo Welt!"_s);
    EXPECT_EQ(inhalt.absaetze[0].tabsTwips, (QList<int>{1000, 2000}));
    ASSERT_EQ(inhalt.absaetze[0].laeufe.size(), 3u);
    EXPECT_TRUE(inhalt.absaetze[0].laeufe[1].fett);
    EXPECT_EQ(inhalt.absaetze[0].laeufe[1].text, u"Welt"_s);
    EXPECT_EQ(inhalt.absaetze[1].text(), u"€ x €€"_s);
    EXPECT_EQ(inhalt.absaetze[2].text(), u"kursiv\u2028\u00A0\u2018q\u2019"_s);
    EXPECT_TRUE(inhalt.absaetze[2].laeufe[0].kursiv);
    EXPECT_EQ(inhalt.absaetze[2].laeufe[0].schrift, u"Times"_s);
}

TEST(RtfLeser, BeschaedigteDatenScheitern) {
    const struct {
        const char* name;
        QByteArray daten;
    } faelle[] = {
        {"leer", ""},
        {"kein RTF", "Hallo Welt"},
        {"Kopf ohne Gruppe", "\\rtf1 x"},
        {"offene Gruppe", "{\\rtf1 Text"},
        {"offene Untergruppe", "{\\rtf1 {\\b fett}"},
        {"Backslash am Ende", "{\\rtf1 Text\\"},
        {"halbes Hexzeichen", "{\\rtf1 \\'4"},
        {"kein Hex", "{\\rtf1 \\'zz}"},
        {"langes Steuerwort", "{\\rtf1 \\" + QByteArray(40, 'a') + " x}"},
        {"lange Zahl", "{\\rtf1 \\fs12345678901 x}"},
        {"zu tief", "{\\rtf1 " + QByteArray(5000, '{') + QByteArray(5000, '}') + "}"},
    };
    for (const auto& f : faelle) {
        RtfInhaltTyp inhalt;
        inhalt.schriften.insert(7, u"unberührt"_s);
        RtfLeser leser;
        EXPECT_FALSE(leser.lesen(f.daten, inhalt)) << f.name;
        EXPECT_FALSE(leser.errorString().isEmpty()) << f.name;
        EXPECT_GE(leser.fehlerOffset(), 0) << f.name;
        EXPECT_EQ(inhalt.schriften.value(7), u"unberührt"_s) << f.name;
    }
}

TEST(RtfLeser, JedeAbgeschnitteneEigeneAusgabeScheitert) {
    const QByteArray rtf = Rtf(BeispielProtokoll);
    const qsizetype ende = rtf.lastIndexOf('}');
    RtfLeser leser;
    for (qsizetype n = 0; n < ende; ++n) {
        RtfInhaltTyp inhalt;
        ASSERT_FALSE(leser.lesen(rtf.first(n), inhalt)) << n;
    }
    RtfInhaltTyp inhalt;
    EXPECT_TRUE(leser.lesen(rtf.first(ende + 1), inhalt));
}

TEST(RtfLeser, ZufallsdatenFuehrenNieZumAbsturz) {
    const QByteArray rtf = Rtf(BeispielProtokoll);
    QRandomGenerator zufall(4711);
    for (int runde = 0; runde < 2000; ++runde) {
        QByteArray d = rtf;
        const int aenderungen = 1 + static_cast<int>(zufall.bounded(8));
        for (int i = 0; i < aenderungen; ++i) {
            const auto stelle = static_cast<qsizetype>(zufall.bounded(static_cast<quint32>(d.size())));
            d[stelle] = static_cast<char>(zufall.bounded(256));
        }
        RtfInhaltTyp inhalt;
        RtfLeser leser;
        if (!leser.lesen(d, inhalt)) {
            EXPECT_FALSE(leser.errorString().isEmpty());
        }
    }
}

} // namespace
