#include "widgets/hoverpanel_text.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

QFont Arial(int punkte) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(punkte);
    return f;
}

QSize Groesse(const QString& text, int punkte, int breite = 10000, bool umbruch = false) {
    return TextAnordnen(text, Arial(punkte), breite, umbruch).Groesse;
}

EinpassOptionen Auto(bool umbruch, int min = 7) {
    return EinpassOptionen{umbruch, true, min};
}

} // namespace

TEST(HoverPanelText, AnordnungZeilenUndHoehe) {
    const QFont f = Arial(12);
    const QFontMetrics fm(f);
    const TextAnordnung a = TextAnordnen(QStringLiteral("Quiz\r\nabbrechen\n"), f, 1000, false);
    EXPECT_EQ(a.Zeilen, (QStringList{QStringLiteral("Quiz"), QStringLiteral("abbrechen")}));
    EXPECT_EQ(a.Groesse.height(), 2 * fm.height());
    EXPECT_EQ(a.Groesse.width(), fm.horizontalAdvance(QStringLiteral("abbrechen")));
    EXPECT_TRUE(TextAnordnen(QString(), f, 10, false).Zeilen.isEmpty());
}

TEST(HoverPanelText, UmbruchNurAnLeerzeichen) {
    const QFont f = Arial(12);
    const QString text = QStringLiteral("Nord-Amerika und Süd-Amerika");
    const int breite = ZeilenBreite(QStringLiteral("Nord-Amerika und"), f);
    const TextAnordnung a = TextAnordnen(text, f, breite, true);
    EXPECT_EQ(a.Zeilen, (QStringList{QStringLiteral("Nord-Amerika und"), QStringLiteral("Süd-Amerika")}));
    // A word longer than the width stays whole and overflows.
    const TextAnordnung lang = TextAnordnen(QStringLiteral("Donaudampfschiff"), f, 20, true);
    EXPECT_EQ(lang.Zeilen.size(), 1);
    EXPECT_GT(lang.Groesse.width(), 20);
}

TEST(HoverPanelText, TabsStehenAufAchtZeichenbreiten) {
    const QFont f = Arial(10);
    const int tab = 8 * QFontMetrics(f).averageCharWidth();
    EXPECT_EQ(ZeilenBreite(QStringLiteral("a\tb"), f), tab + QFontMetrics(f).horizontalAdvance(u'b'));
    EXPECT_EQ(ZeilenBreite(QStringLiteral("\t\t"), f), 2 * tab);
}

TEST(HoverPanelText, PasstBeiVollerGroesseUnveraendert) {
    const QString text = QStringLiteral("Startseite");
    const QSize bereich = Groesse(text, 12);
    const EingepassteBeschriftung e = BeschriftungEinpassen(text, Arial(12), bereich, Auto(false));
    EXPECT_EQ(e.Text, text);
    EXPECT_EQ(e.Schrift.pointSize(), 12);
}

TEST(HoverPanelText, OhneAutoGroesseKeineAenderung) {
    const QString text = QStringLiteral("Ein viel zu langer Text");
    const EingepassteBeschriftung e = BeschriftungEinpassen(text, Arial(12), QSize(10, 5), EinpassOptionen{});
    EXPECT_EQ(e.Text, text);
    EXPECT_EQ(e.Schrift.pointSize(), 12);
}

TEST(HoverPanelText, SchrumpftBisEsPasst) {
    const QString text = QStringLiteral("Bestenliste");
    for (int ziel : {11, 9, 7}) {
        const QSize bereich = Groesse(text, ziel);
        const EingepassteBeschriftung e = BeschriftungEinpassen(text, Arial(14), bereich, Auto(false));
        EXPECT_EQ(e.Text, text);
        // The largest size that fits, reached point by point.
        int erwartet = 14;
        while (erwartet > 7 && (Groesse(text, erwartet).width() > bereich.width() ||
                                Groesse(text, erwartet).height() > bereich.height()))
            --erwartet;
        EXPECT_EQ(e.Schrift.pointSize(), erwartet) << ziel;
        EXPECT_LE(erwartet, 14);
        EXPECT_GE(erwartet, ziel);
    }
}

TEST(HoverPanelText, MinSchriftUeberStartSchrumpftNicht) {
    const QString text = QStringLiteral("Zwei Wörter");
    const QSize bereich(Groesse(text, 12).width() - 1, Groesse(text, 12).height());
    const EingepassteBeschriftung e = BeschriftungEinpassen(text, Arial(12), bereich, Auto(false, 12));
    EXPECT_EQ(e.Schrift.pointSize(), 12);
    EXPECT_EQ(e.Text, QStringLiteral("Zwei ..."));
}

TEST(HoverPanelText, BindestrichUmbruchVorDemKuerzen) {
    const QString text = QStringLiteral("Nord-West-Passage");
    // Two lines high, as wide as the widest part at the smallest size.
    const QFont klein = Arial(7);
    const int breite = std::max(ZeilenBreite(QStringLiteral("Nord- West-"), klein),
                                ZeilenBreite(QStringLiteral("Passage"), klein));
    const int hoehe = 2 * QFontMetrics(klein).height();
    ASSERT_GT(Groesse(text, 7).width(), breite);
    const EingepassteBeschriftung e =
        BeschriftungEinpassen(text, Arial(12), QSize(breite, hoehe), Auto(true));
    EXPECT_EQ(e.Text, QStringLiteral("Nord- West- Passage"));
    EXPECT_LE(e.Anordnung.Groesse.width(), breite);
    EXPECT_LE(e.Anordnung.Groesse.height(), hoehe);
    EXPECT_GE(e.Schrift.pointSize(), 7);
    EXPECT_FALSE(e.Text.contains(QStringLiteral("...")));
}

TEST(HoverPanelText, BindestrichFormPasstSchonBeiVollerGroesse) {
    const QString text = QStringLiteral("Süd-Ost");
    const QFont f = Arial(12);
    const int breite =
        std::max(ZeilenBreite(QStringLiteral("Süd-"), f), ZeilenBreite(QStringLiteral("Ost"), f));
    const QSize bereich(breite, 2 * QFontMetrics(f).height());
    const EingepassteBeschriftung e = BeschriftungEinpassen(text, f, bereich, Auto(true, 12));
    EXPECT_EQ(e.Text, QStringLiteral("Süd- Ost"));
    EXPECT_EQ(e.Schrift.pointSize(), 12);
}

TEST(HoverPanelText, WoerterFallenWegMitLeerzeichenPunkten) {
    const QString text = QStringLiteral("Eins Zwei Drei Vier");
    const QFont klein = Arial(7);
    const QSize bereich(ZeilenBreite(QStringLiteral("Eins Zwei ..."), klein), QFontMetrics(klein).height());
    const EingepassteBeschriftung e = BeschriftungEinpassen(text, Arial(12), bereich, Auto(false));
    EXPECT_EQ(e.Text, QStringLiteral("Eins Zwei ..."));
    EXPECT_EQ(e.Schrift.pointSize(), 7);
}

TEST(HoverPanelText, EinLangesWortEndetAlsPunkte) {
    const QFont klein = Arial(7);
    const QSize bereich(ZeilenBreite(QStringLiteral("..."), klein), QFontMetrics(klein).height());
    const EingepassteBeschriftung e =
        BeschriftungEinpassen(QStringLiteral("Donaudampfschifffahrt"), Arial(12), bereich, Auto(true));
    EXPECT_EQ(e.Text, QStringLiteral("..."));
    EXPECT_EQ(e.Schrift.pointSize(), 7);
}

TEST(HoverPanelText, NichtsPasstEndetAuchAlsPunkte) {
    const EingepassteBeschriftung e =
        BeschriftungEinpassen(QStringLiteral("Ein paar Wörter"), Arial(12), QSize(0, 0), Auto(true));
    EXPECT_EQ(e.Text, QStringLiteral("..."));
}

TEST(HoverPanelText, Farbmischungen) {
    struct Fall {
        QColor hintergrund, hell, dunkel, halb;
    };
    // 75 % of 2 is 1.5 and of 6 is 4.5: ties go to the even neighbour.
    const Fall faelle[] = {
        {QColor(0, 0, 0), QColor(204, 204, 204), QColor(0, 0, 0), QColor(128, 128, 128)},
        {QColor(255, 255, 255), QColor(255, 255, 255), QColor(191, 191, 191), QColor(255, 255, 255)},
        {QColor(2, 6, 10), QColor(204, 205, 206), QColor(2, 4, 8), QColor(128, 130, 132)},
        {QColor(240, 240, 240), QColor(252, 252, 252), QColor(180, 180, 180), QColor(248, 248, 248)},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(HellFarbe(f.hintergrund), f.hell) << f.hintergrund.name().toStdString();
        EXPECT_EQ(DunkelFarbe(f.hintergrund), f.dunkel) << f.hintergrund.name().toStdString();
        EXPECT_EQ(HalbWeiss(f.hintergrund), f.halb) << f.hintergrund.name().toStdString();
    }
}

TEST(HoverPanelText, MinimumUnterEinemPunktBleibtBeiEinem) {
    const EingepassteBeschriftung e =
        BeschriftungEinpassen(QStringLiteral("Wort"), Arial(5), QSize(1, 1), Auto(false, -3));
    EXPECT_EQ(e.Schrift.pointSize(), 1);
    EXPECT_EQ(e.Text, QStringLiteral("..."));
}
