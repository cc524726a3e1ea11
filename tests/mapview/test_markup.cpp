// Layout of marked-up paragraphs: tags, line breaking, number fields, gaps.
#include "mapview/infotext.h"
#include "mapview/kartenhilfen.h"
#include "mapview/markup.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct Ergebnis {
    std::vector<MarkupStueck> stuecke;
    int y = 0;
};

class MarkupTest : public ::testing::Test {
protected:
    MarkupTest() : m_bild(NeuesBild(QSize(600, 400))), m_maler(&m_bild) {}

    Ergebnis Lege(const QString& absatz, int modus = MarkupInfotext, int rand = 500, int startY = 0,
                  bool quizLaeuft = false) {
        Ergebnis e;
        MarkupParameter p;
        p.rechterRand = rand;
        p.startY = startY;
        p.pixelhoehe = 20;
        p.modus = modus;
        p.objekte = &m_objekte;
        p.lueckenCursor = &m_cursor;
        p.textflaechenHoehe = 400;
        p.quizLaeuft = quizLaeuft;
        p.beiStueck = [&e](const MarkupStueck& s) { e.stuecke.push_back(s); };
        e.y = MarkupAbsatz(m_maler, absatz, p);
        return e;
    }

    static QString Sichtbar(const Ergebnis& e) {
        QString s;
        for (const auto& st : e.stuecke)
            if (!st.luecke) s += st.text;
        return s;
    }

    static const MarkupStueck* Finde(const Ergebnis& e, const QString& text) {
        for (const auto& st : e.stuecke)
            if (st.text.trimmed() == text) return &st;
        return nullptr;
    }

    int Breite(const QString& s, bool fett = false) {
        return QFontMetrics(ArialSchrift(20, fett), &m_bild).horizontalAdvance(s);
    }
    int Hoehe() { return QFontMetrics(ArialSchrift(20), &m_bild).height(); }

    QImage m_bild;
    QPainter m_maler;
    std::vector<ObjDataTyp> m_objekte;
    int m_cursor = 0;
};

TEST(RundeGeradeTest, HalbeRundenZurGeradenZahl) {
    EXPECT_EQ(RundeGerade(2.5), 2);
    EXPECT_EQ(RundeGerade(3.5), 4);
    EXPECT_EQ(RundeGerade(-2.5), -2);
    EXPECT_EQ(RundeGerade(-3.5), -4);
    EXPECT_EQ(RundeGerade(2.4999), 2);
    EXPECT_EQ(RundeGerade(2.5001), 3);
    EXPECT_EQ(RundeGerade(0.0), 0);
}

struct StilFall {
    const char16_t* absatz;
};
class MarkupStilTest : public MarkupTest, public ::testing::WithParamInterface<StilFall> {};

TEST_P(MarkupStilTest, FettUndKursivOhneSichtbareTags) {
    const Ergebnis e = Lege(QString::fromUtf16(GetParam().absatz));
    const MarkupStueck* fett = Finde(e, QStringLiteral("Berg"));
    const MarkupStueck* kursiv = Finde(e, QStringLiteral("Tal"));
    ASSERT_NE(fett, nullptr);
    ASSERT_NE(kursiv, nullptr);
    EXPECT_TRUE(fett->schrift.bold());
    EXPECT_FALSE(fett->schrift.italic());
    EXPECT_TRUE(kursiv->schrift.italic());
    EXPECT_FALSE(kursiv->schrift.bold());
    EXPECT_FALSE(Sichtbar(e).contains(QLatin1Char('<')));
    EXPECT_FALSE(Sichtbar(e).contains(QLatin1Char('>')));
    EXPECT_TRUE(Sichtbar(e).startsWith(QStringLiteral("Ein ")));
}

INSTANTIATE_TEST_SUITE_P(Tags, MarkupStilTest,
                         ::testing::Values(StilFall{u"Ein <b>Berg</b> und ein <i>Tal</i> hier"},
                                           StilFall{u"Ein <B>Berg</B> und ein <I>Tal</I> hier"}));

TEST_F(MarkupTest, UnterstreichungSchaltetEinUndAus) {
    const Ergebnis e = Lege(QStringLiteral("a <u>Fluss</u> b"));
    EXPECT_TRUE(Finde(e, QStringLiteral("Fluss"))->schrift.underline());
    EXPECT_FALSE(Finde(e, QStringLiteral("b"))->schrift.underline());
}

TEST_F(MarkupTest, PositionstagSetztStiftAufProzentDesRands) {
    const Ergebnis e = Lege(QStringLiteral("A<@POSX=50%>B"), MarkupInfotext, 400);
    const MarkupStueck* b = Finde(e, QStringLiteral("B"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->x, 200);
}

TEST_F(MarkupTest, PositionstagMitEinerZifferIstText) {
    const Ergebnis e = Lege(QStringLiteral("A<@POSX=5%>B"), MarkupInfotext, 400);
    EXPECT_TRUE(Sichtbar(e).contains(QStringLiteral("<@POSX=5%>")));
}

TEST_F(MarkupTest, FalscheTagformenSindText) {
    for (const QString& t : {QStringLiteral("<@COL=12345G>x"), QStringLiteral("<@REB=1x>x"),
                             QStringLiteral("<@LINIE x"), QStringLiteral("<b x")}) {
        const Ergebnis e = Lege(t);
        EXPECT_EQ(Sichtbar(e).trimmed(), t) << t.toStdString();
    }
}

TEST_F(MarkupTest, FarbtagsWerdenEntfernt) {
    const Ergebnis e = Lege(QStringLiteral("a<@COL=00fF80>b</@COL>c"));
    EXPECT_EQ(Sichtbar(e).trimmed(), QStringLiteral("abc"));
}

TEST_F(MarkupTest, RechtsbuendigeZahlenEndenAmSelbenRand) {
    const Ergebnis sieben = Lege(QStringLiteral("<@REB=03>7"));
    const Ergebnis hundert = Lege(QStringLiteral("<@REB=03>123"), MarkupInfotext, 500, sieben.y);
    const MarkupStueck* a = Finde(sieben, QStringLiteral("7"));
    const MarkupStueck* b = Finde(hundert, QStringLiteral("123"));
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->x + a->breite, b->x + b->breite);
    EXPECT_EQ(a->x + a->breite, 3 * Breite(QStringLiteral("0")));
    EXPECT_GT(b->y, a->y);
}

TEST_F(MarkupTest, StichwortImModus0MitKlammernImModus1AlsLuecke) {
    const Ergebnis text = Lege(QStringLiteral("Die <<Donau>> fliesst"), MarkupInfotext);
    EXPECT_TRUE(Sichtbar(text).contains(QStringLiteral("<<Donau>>")));

    m_bild.fill(Qt::white);
    const Ergebnis luecke = Lege(QStringLiteral("Die <<Donau>> fliesst"), MarkupLuecken);
    EXPECT_FALSE(Sichtbar(luecke).contains(QStringLiteral("Donau")));
    const MarkupStueck* gap = nullptr;
    for (const auto& s : luecke.stuecke)
        if (s.luecke) gap = &s;
    ASSERT_NE(gap, nullptr);
    EXPECT_EQ(gap->text, QStringLiteral("Donau"));
    EXPECT_GE(gap->breite, Breite(QStringLiteral(" XX")));
    EXPECT_EQ(gap->breite, Breite(QStringLiteral("   Donau   ")));
    // The underline runs at the text height below the line top, across the gap.
    const int linieY = gap->y + Hoehe();
    for (int x = gap->x + 1; x < gap->x + gap->breite; x += 5)
        EXPECT_EQ(m_bild.pixelColor(x, linieY), QColor(Qt::black)) << x;
}

TEST_F(MarkupTest, KurzesStichwortBekommtMindestbreite) {
    const Ergebnis e = Lege(QStringLiteral("<<a>>"), MarkupKarte);
    ASSERT_FALSE(e.stuecke.empty());
    EXPECT_EQ(e.stuecke.front().breite, Breite(QStringLiteral(" XX")));
}

TEST_F(MarkupTest, SatzzeichenNachLueckeBleibtAufDerZeile) {
    // Find a filler that makes the gap end right at the edge.
    const QString wort = QStringLiteral("Rhein");
    for (int rand = 120; rand < 260; rand += 3) {
        const Ergebnis e =
            Lege(QStringLiteral("aa bb <<") + wort + QStringLiteral(">>. cc"), MarkupLuecken, rand);
        const MarkupStueck* gap = nullptr;
        const MarkupStueck* punkt = nullptr;
        for (const auto& s : e.stuecke) {
            if (s.luecke) gap = &s;
            if (!s.luecke && s.text.startsWith(QLatin1Char('.'))) punkt = &s;
        }
        ASSERT_NE(gap, nullptr);
        ASSERT_NE(punkt, nullptr) << rand;
        EXPECT_EQ(punkt->y, gap->y) << rand;
        EXPECT_EQ(punkt->x, gap->x + gap->breite) << rand;
    }
}

TEST_F(MarkupTest, ZeilenbruchAmLeerzeichen) {
    const Ergebnis e = Lege(QStringLiteral("Berg Tal"), MarkupInfotext, Breite(QStringLiteral("Berg Ta")));
    const MarkupStueck* berg = Finde(e, QStringLiteral("Berg"));
    const MarkupStueck* tal = Finde(e, QStringLiteral("Tal"));
    ASSERT_NE(berg, nullptr);
    ASSERT_NE(tal, nullptr);
    EXPECT_EQ(tal->x, 0);
    EXPECT_EQ(tal->y - berg->y, RundeGerade(Hoehe() * 1.25));
}

TEST_F(MarkupTest, WortBreiterAlsZeileWirdZerlegt) {
    const QString wort = QStringLiteral("Donaudampfschifffahrtsgesellschaft");
    const int rand = Breite(QStringLiteral("Donau"));
    const Ergebnis e = Lege(wort, MarkupInfotext, rand);
    EXPECT_EQ(Sichtbar(e).trimmed(), wort);
    ASSERT_GT(e.stuecke.size(), 3u);
    for (size_t i = 1; i < e.stuecke.size(); ++i) {
        if (e.stuecke[i].text.trimmed().isEmpty()) continue;
        EXPECT_GT(e.stuecke[i].y, e.stuecke[i - 1].y);
        EXPECT_EQ(e.stuecke[i].x, 0);
    }
}

TEST_F(MarkupTest, LeererAbsatzRuecktUmAbstandUndZeileVor) {
    const int h = Hoehe();
    const int erwartet = 10 + RundeGerade(h * 1.25 * 0.02 / 0.055) + RundeGerade(h * 1.25);
    EXPECT_EQ(Lege(QString(), MarkupInfotext, 500, 10).y, erwartet);
    EXPECT_EQ(Lege(QStringLiteral(" \t "), MarkupInfotext, 500, 10).y, erwartet);
    // Gap modes use a pitch 1.1 times wider.
    const int luecke = 10 + RundeGerade(h * 1.25 * 0.02 / 0.055) + RundeGerade(RundeGerade(h * 1.25) * 1.1);
    EXPECT_EQ(Lege(QString(), MarkupLuecken, 500, 10).y, luecke);
}

TEST_F(MarkupTest, LinieGehtBisZumRandUndBrichtDieZeile) {
    const Ergebnis e = Lege(QStringLiteral("ab<@LINIE>cd"), MarkupInfotext, 300);
    const MarkupStueck* ab = Finde(e, QStringLiteral("ab"));
    const MarkupStueck* cd = Finde(e, QStringLiteral("cd"));
    ASSERT_NE(ab, nullptr);
    ASSERT_NE(cd, nullptr);
    EXPECT_GT(cd->y, ab->y);
    const int linieY = ab->y + RundeGerade(Hoehe() * 1.25) / 2 - 1;
    EXPECT_EQ(m_bild.pixelColor(290, linieY), QColor(Qt::black));
    EXPECT_EQ(m_bild.pixelColor(350, linieY), QColor(Qt::white));
    const auto regel =
        std::find_if(e.stuecke.begin(), e.stuecke.end(), [](const auto& s) { return s.linie; });
    ASSERT_NE(regel, e.stuecke.end());
    EXPECT_EQ(regel->x + regel->breite, 300);
    EXPECT_EQ(regel->x, ab->x + ab->breite);
}

TEST_F(MarkupTest, KartenmodusSetztLueckenobjekteDerReiheNach) {
    m_objekte.resize(4);
    m_objekte[0].OB_Typ = 0;
    m_objekte[1].OB_Typ = 3;
    m_objekte[2].OB_Typ = 1;
    m_objekte[3].OB_Typ = 3;
    m_objekte[0].OB_Kx = 0.25;
    const Ergebnis e =
        Lege(QStringLiteral("Die <<Donau>> und der <<Rhein>> und <<Main>>"), MarkupKarte, 500, 0);
    std::vector<MarkupStueck> luecken;
    for (const auto& s : e.stuecke)
        if (s.luecke) luecken.push_back(s);
    ASSERT_EQ(luecken.size(), 3u);
    EXPECT_DOUBLE_EQ(m_objekte[1].OB_Kx, (luecken[0].x + luecken[0].breite / 2.0) / 500);
    EXPECT_DOUBLE_EQ(m_objekte[1].OB_Ky, (luecken[0].y + Hoehe() + 4) / 400.0);
    EXPECT_DOUBLE_EQ(m_objekte[1].OB_Sx, m_objekte[1].OB_Kx);
    EXPECT_DOUBLE_EQ(m_objekte[3].OB_Kx, (luecken[1].x + luecken[1].breite / 2.0) / 500);
    EXPECT_DOUBLE_EQ(m_objekte[0].OB_Kx, 0.25); // other kinds are not touched
    EXPECT_EQ(m_cursor, 4);
    // The gap for "Main" found no object; nothing is drawn for gaps in this mode.
    EXPECT_FALSE(Sichtbar(e).contains(QStringLiteral("Main")));
}

TEST_F(MarkupTest, MessenUndAuflegefolieZeichnenNieKlartextAuchImQuiz) {
    for (bool quiz : {false, true}) {
        const Ergebnis e = Lege(QStringLiteral("Text"), MarkupMessen, 500, 0, quiz);
        ASSERT_FALSE(e.stuecke.empty());
        EXPECT_FALSE(e.stuecke.front().gezeichnet);
        const Ergebnis folie = Lege(QStringLiteral("Der <<Rhein>>"), MarkupLoesungQuiz, 500, 0, quiz);
        const MarkupStueck* der = Finde(folie, QStringLiteral("Der"));
        ASSERT_NE(der, nullptr);
        EXPECT_FALSE(der->gezeichnet);
        for (int y = 0; y < m_bild.height(); ++y)
            for (int x = 0; x < 200; ++x) {
                const QColor c = m_bild.pixelColor(x, y);
                // Only the red keyword may have left marks.
                ASSERT_TRUE(c == QColor(Qt::white) || (c.red() > c.green() && c.red() > c.blue()))
                    << x << "," << y;
            }
    }
}

TEST_F(MarkupTest, AbsaetzeTeilenAnZeilenenden) {
    EXPECT_EQ(MarkupAbsaetze(QStringLiteral("a\r\nb\nc\rd\r\n")).size(), 4);
    EXPECT_TRUE(MarkupAbsaetze(QString()).isEmpty());
    EXPECT_EQ(MarkupAbsaetze(QStringLiteral("a\r\n\r\nb")).size(), 3);
}

TEST(InfotextTest, LangerTextWirdVollstaendigGelegt) {
    QStringList zeilen;
    for (int i = 0; i < 200; ++i)
        zeilen << QStringLiteral("Zeile %1 mit etwas Text, der umbrochen werden kann.").arg(i);
    zeilen << QStringLiteral("<b>ENDE</b>");
    const QString text = zeilen.join(QStringLiteral("\r\n"));
    const int hoehe = InfotextHoehe(text, 300);
    EXPECT_GT(hoehe, 3000);
    const QImage bild = InfotextBild(text, 300);
    EXPECT_EQ(bild.height(), hoehe);
    EXPECT_EQ(bild.width(), 300);
    // The last paragraph is drawn in its last line pitch.
    bool dunkel = false;
    for (int y = hoehe - 40; y < hoehe && !dunkel; ++y)
        for (int x = 0; x < 100 && !dunkel; ++x)
            dunkel = qGray(bild.pixel(x, y)) < 128;
    EXPECT_TRUE(dunkel);
}

TEST(InfotextTest, LeererTextGibtKleinesWeissesBild) {
    const QImage bild = InfotextBild(QString(), 200);
    EXPECT_GE(bild.height(), 1);
    EXPECT_EQ(bild.pixelColor(0, 0), QColor(Qt::white));
}

} // namespace
