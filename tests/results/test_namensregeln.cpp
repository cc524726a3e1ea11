// Names on their way into best lists and exports: control characters go, formulas are
// defused, other scripts are written in Latin letters for the Windows-1252 list.
#include "data/cp1252.h"
#include "data/steuerzeichen.h"
#include "results/bestenliste.h"
#include "results/bestenliste_text.h"
#include "results/lateinschrift.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Namensregeln, SteuerzeichenUndFormeln) {
    struct Fall {
        QString roh, ohneSteuerzeichen, zelle;
    };
    for (const Fall& f : std::vector<Fall>{
             {u"Eve\r\n<tit>Note: 1"_s, u"Eve<tit>Note: 1"_s, u"Eve<tit>Note: 1"_s},
             {u"A\tB\u0085C\u2028D\u2029E\x7f"_s, u"ABCDE"_s, u"ABCDE"_s},
             {u"=HYPERLINK(\"x\")"_s, u"=HYPERLINK(\"x\")"_s, u"'=HYPERLINK(\"x\")"_s},
             {u"+49"_s, u"+49"_s, u"'+49"_s},
             {u"-1"_s, u"-1"_s, u"'-1"_s},
             {u"@SUMME"_s, u"@SUMME"_s, u"'@SUMME"_s},
             {u"\t=1"_s, u"=1"_s, u"'=1"_s},
             {u"Anna-Lena"_s, u"Anna-Lena"_s, u"Anna-Lena"_s},
         }) {
        EXPECT_EQ(OhneSteuerzeichen(f.roh), f.ohneSteuerzeichen) << f.roh.toStdString();
        EXPECT_EQ(ExportZelle(f.roh), f.zelle) << f.roh.toStdString();
    }
}

TEST(Namensregeln, ExportHatEineZeileJeEintrag) {
    const std::vector<BestListDataTyp> liste{{u"=1+1\tX\r\nY"_s, u"-PC"_s, 46000.5, 1000, 0.5}};
    const QString text = BestListGridText(BestListZeilen(liste));
    EXPECT_EQ(text.count(u"\r\n"_s), 2);
    EXPECT_EQ(text.count(u'\t'), 2 * (BestListSpaltenAnzahl - 1));
    EXPECT_TRUE(text.contains(u"\t'=1+1XY\t'-PC\t"_s));
}

TEST(Namensregeln, AndereSchriftenInLateinischenBuchstaben) {
    struct Fall {
        QString name, liste;
    };
    for (const Fall& f : std::vector<Fall>{{u"Жанна"_s, u"Zhanna"_s},
                                           {u"Jörg Müller"_s, u"Jörg Müller"_s},
                                           {u"Şükrü Işıl"_s, u"Sükrü Isil"_s},
                                           {u"Łukasz Dvořák"_s, u"Lukasz Dvorák"_s},
                                           {u"Ольга"_s, u"Ol'ga"_s},
                                           {u"Ελένη"_s, u"Eléne"_s}}) {
        EXPECT_EQ(FuerCp1252Umschreiben(f.name), f.liste) << f.name.toStdString();
    }
    // Arabic has no fixed spelling in Latin letters; it only must not become question marks.
    const QByteArray arabisch = NachCp1252(FuerCp1252Umschreiben(u"محمد"_s));
    EXPECT_FALSE(arabisch.isEmpty());
    EXPECT_FALSE(arabisch.contains('?'));
    // The list holds the Latin form; the entry itself (and so the protocol) keeps the name.
    const BestListDataTyp e =
        BestListEintrag(u"Жанна"_s, u"PC"_s, QDateTime(QDate(2026, 12, 9), QTime(9, 0)), 1000, 0.5);
    EXPECT_EQ(e.Name, u"Жанна"_s);
    std::vector<BestListDataTyp> gelesen;
    ASSERT_EQ(BestListAusDaten(BestListKopf() + BestListEintragBytes(e), gelesen),
              BestListLeseFehler::Keiner);
    ASSERT_EQ(gelesen.size(), 1u);
    EXPECT_EQ(gelesen[0].Name, u"Zhanna"_s);
}

// The tool enters a name as the name window does: without its control characters.
TEST(Namensregeln, WerkzeugEntferntSteuerzeichen) {
    QTemporaryDir ordner;
    const QString liste = ordner.filePath(QStringLiteral("Europa.hsc"));
    QProcess p;
    p.start(QStringLiteral(KARTELLO_BIN_ORDNER "/kartello-tool"),
            {u"bestenliste"_s, u"eintragen"_s, liste, u"--name"_s, u"Eve\r\n<tit>Note:\t1"_s, u"--rechner"_s,
             u"Жанна-PC"_s, u"--dauer-ms"_s, u"1000"_s, u"--leistung"_s, u"0.5"_s});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    std::vector<BestListDataTyp> l;
    QString grund;
    ASSERT_TRUE(BestListLesenVersuch(liste, l, grund));
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].Name, u"Eve<tit>Note:1"_s);
    EXPECT_EQ(l[0].Rechner, u"Zhanna-PC"_s);
}

} // namespace
