// Rendering protocol text into the protocol document: headings, gaps, sizes, tab stop, comments.
#include "results/protokoll.h"

#include "data/rtf_schreiber.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Absatz {
    QString text;
    bool fett;
    qreal punkte;
};

QTextCharFormat FormatAmEnde(const QTextBlock& b) {
    // The format of the paragraph's text, or of the paragraph mark when it holds no text.
    if (b.length() <= 1) return b.charFormat();
    return b.begin().fragment().charFormat();
}

std::vector<Absatz> Absaetze(const QTextDocument& dok) {
    std::vector<Absatz> liste;
    for (QTextBlock b = dok.begin(); b.isValid(); b = b.next()) {
        const QTextCharFormat f = FormatAmEnde(b);
        liste.push_back({b.text(), f.fontWeight() > QFont::Medium, f.fontPointSize()});
    }
    return liste;
}

void ErwarteAbsaetze(const QTextDocument& dok, const std::vector<Absatz>& soll) {
    const auto ist = Absaetze(dok);
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t i = 0; i < soll.size(); ++i) {
        EXPECT_EQ(ist[i].text, soll[i].text) << "Absatz " << i;
        EXPECT_EQ(ist[i].fett, soll[i].fett) << "Absatz " << i;
        EXPECT_EQ(ist[i].punkte, soll[i].punkte) << "Absatz " << i;
    }
}

TEST(ProtokollZeilen, TrenntWieEineZeilenliste) {
    const struct {
        QString text;
        QStringList zeilen;
    } faelle[] = {
        {u""_s, {}},
        {u"a"_s, {u"a"_s}},
        {u"a\r\nb"_s, {u"a"_s, u"b"_s}},
        {u"a\r\n"_s, {u"a"_s}},
        {u"\r\n"_s, {u""_s}},
        {u"a\r\n\r\nb"_s, {u"a"_s, u""_s, u"b"_s}},
        {u"a\nb\rc"_s, {u"a"_s, u"b"_s, u"c"_s}},
        {u"a\tb\r\n\r\n"_s, {u"a\tb"_s, u""_s}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ProtokollZeilen(f.text), f.zeilen) << f.text.toStdString();
}

TEST(ProtokollTitel, TagInJederSchreibweiseAmZeilenanfang) {
    const struct {
        QString zeile;
        bool titel;
    } faelle[] = {
        {u"<tit>Quiz-Protokoll"_s, true},
        {u"<TIT>Statistik"_s, true},
        {u"<Tit>x"_s, true},
        {u"<tIt>"_s, true},
        {u" <tit>x"_s, false},
        {u"x<tit>"_s, false},
        {u"<tit"_s, false},
        {u"<ti>t"_s, false},
        {u""_s, false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(IstTitelZeile(f.zeile), f.titel) << f.zeile.toStdString();
}

TEST(ProtokollRendern, UeberschriftFettMitAbstandInJederSchreibweise) {
    for (const QString& tag : {u"<tit>"_s, u"<TIT>"_s, u"<Tit>"_s, u"<tiT>"_s}) {
        QTextDocument dok;
        ProtokollRendern(dok, tag + u"Übungseinstellungen\r\nTitel:\tEuropa"_s, true);
        ErwarteAbsaetze(
            dok, {{u"Übungseinstellungen"_s, true, 9}, {u""_s, false, 4}, {u"Titel:\tEuropa"_s, false, 9}});
    }
}

TEST(ProtokollRendern, FuehrendesLeerzeichenZeigtDasTagAlsText) {
    QTextDocument dok;
    ProtokollRendern(dok, u" <tit>Kommentar\r\na<tit>b\r\n<tit"_s, true);
    ErwarteAbsaetze(dok, {{u" <tit>Kommentar"_s, false, 9}, {u"a<tit>b"_s, false, 9}, {u"<tit"_s, false, 9}});
}

TEST(ProtokollRendern, NurDasTagGibtLeereFetteZeileUndAbstand) {
    QTextDocument dok;
    ProtokollRendern(dok, u"<tit>\r\n\r\nx"_s, true);
    ErwarteAbsaetze(dok, {{u""_s, true, 9}, {u""_s, false, 4}, {u""_s, false, 9}, {u"x"_s, false, 9}});
}

TEST(ProtokollRendern, LeerenErsetztAnhaengenFuegtAn) {
    QTextDocument dok;
    ProtokollRendern(dok, u"<tit>Quiz-Protokoll\r\nalt\r\n"_s, true);
    ProtokollRendern(dok, u"neu"_s, true);
    ErwarteAbsaetze(dok, {{u"neu"_s, false, 9}});
    ProtokollRendern(dok, u"dazu\r\n\r\n"_s, false);
    ErwarteAbsaetze(dok, {{u"neu"_s, false, 9}, {u"dazu"_s, false, 9}, {u""_s, false, 9}});
    ProtokollRendern(dok, {}, true);
    EXPECT_TRUE(dok.isEmpty());
    EXPECT_EQ(dok.blockCount(), 1);
    // an empty protocol line is a paragraph of its own that later lines do not take over
    ProtokollRendern(dok, u"\r\n"_s, true);
    ProtokollRendern(dok, u"x"_s, false);
    ErwarteAbsaetze(dok, {{u""_s, false, 9}, {u"x"_s, false, 9}});
}

TEST(ProtokollRendern, ArialSchwarzUndEinTabstoppBei160Punkt) {
    QTextDocument dok;
    ProtokollRendern(dok, u"<tit>Statistik-Zusammenfassung\r\nRichtig zugeordnet:\t17\r\n\r\nA:\tB"_s, true);
    const qreal soll = 160.0 * LayoutDpi() / 72.0;
    for (QTextBlock b = dok.begin(); b.isValid(); b = b.next()) {
        const auto tabs = b.blockFormat().tabPositions();
        ASSERT_EQ(tabs.size(), 1) << b.text().toStdString();
        EXPECT_DOUBLE_EQ(tabs.first().position, soll);
        EXPECT_EQ(tabs.first().type, QTextOption::LeftTab);
        const QTextCharFormat f = FormatAmEnde(b);
        EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{u"Arial"_s});
        EXPECT_EQ(f.foreground().color(), QColor(Qt::black));
    }
    EXPECT_EQ(dok.defaultFont().family(), u"Arial"_s);
}

TEST(ProtokollRendern, WerteStehenAmTabstopp) {
    QTextDocument dok;
    dok.setDocumentMargin(0);
    ProtokollRendern(dok, u"Richtig zugeordnet:\t17\r\nGesamtleistung:\t85.0 %"_s, true);
    dok.setTextWidth(2000);
    dok.documentLayout()->documentSize(); // lays the document out
    const qreal soll = 160.0 * LayoutDpi() / 72.0;
    for (QTextBlock b = dok.begin(); b.isValid(); b = b.next()) {
        const int nachTab = static_cast<int>(b.text().indexOf(u'\t')) + 1;
        ASSERT_GT(nachTab, 0);
        const QTextLine zeile = b.layout()->lineAt(0);
        EXPECT_NEAR(zeile.cursorToX(nachTab), soll, 1.0) << b.text().toStdString();
    }
}

TEST(Protokoll, LeerVorDemErstenQuiz) {
    Protokoll p;
    EXPECT_TRUE(p.leer());
    EXPECT_TRUE(p.klartext().isEmpty());
}

TEST(Protokoll, KommentarWirdMitUeberschriftAngehaengt) {
    Protokoll p;
    p.ersetzen(u"<tit>Quiz-Protokoll\r\nTeilnehmername:\tAnna\r\n"_s);
    ASSERT_TRUE(p.kommentarHinzufuegen(u"  \r\n Gut gemacht\nZweite Zeile \r\n\t"_s));
    ErwarteAbsaetze(p.dokument(), {{u"Quiz-Protokoll"_s, true, 9},
                                   {u""_s, false, 4},
                                   {u"Teilnehmername:\tAnna"_s, false, 9},
                                   {u""_s, false, 9},
                                   {u"Kommentar"_s, true, 9},
                                   {u""_s, false, 4},
                                   {u"Gut gemacht"_s, false, 9},
                                   {u"Zweite Zeile"_s, false, 9}});
    ASSERT_TRUE(p.kommentarHinzufuegen(u"noch einer"_s));
    EXPECT_TRUE(p.klartext().endsWith(u"Zweite Zeile\n\nKommentar\n\nnoch einer"_s));
}

TEST(Protokoll, LeererKommentarFuegtNichtsHinzu) {
    Protokoll p;
    p.ersetzen(u"a"_s);
    for (const QString& k : {u""_s, u"   "_s, u"\r\n \r\n"_s, u"\t\x01 \n"_s}) {
        EXPECT_FALSE(p.kommentarHinzufuegen(k));
        EXPECT_EQ(p.dokument().blockCount(), 1);
        EXPECT_EQ(p.klartext(), u"a"_s);
    }
}

TEST(Protokoll, NeuesQuizErsetztProtokollUndKommentare) {
    Protokoll p;
    p.ersetzen(u"erstes"_s);
    p.kommentarHinzufuegen(u"weg damit"_s);
    p.ersetzen(u"<tit>zweites"_s);
    ErwarteAbsaetze(p.dokument(), {{u"zweites"_s, true, 9}, {u""_s, false, 4}});
}

} // namespace
