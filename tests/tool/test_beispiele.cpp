// The bundled sample documents: built by the build, read back unchanged, and sound in content.
#include "werkzeug_lauf.h"

#include "documents/tvl_datei.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QStringList BeispielNamen() {
    return QDir(QStringLiteral(KARTELLO_QUELL_ORDNER "/samples"))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

QString Quelle(const QString& name) {
    return QStringLiteral(KARTELLO_QUELL_ORDNER "/samples/") + name;
}
QString Gebaut(const QString& name) {
    return QStringLiteral(KARTELLO_BIN_ORDNER "/") + name + u".tvl"_qs;
}

Dokument Lesen(const QString& name) {
    Dokument dok;
    TvlLeser leser;
    EXPECT_TRUE(leser.lesen(Gebaut(name), dok)) << name.toStdString() << leser.errorString().toStdString();
    return dok;
}

TEST(Beispiele, MindestensVierDokumenteAllerArten) {
    const QStringList namen = BeispielNamen();
    EXPECT_GE(namen.size(), 4);
    std::set<int> typen;
    bool buchstabenAlphabetisch = false;
    for (const QString& name : namen) {
        const Dokument dok = Lesen(name);
        typen.insert(dok.Header.HD_DokTyp);
        buchstabenAlphabetisch |= dok.Header.HD_NumArt == 1 && dok.Header.HD_GeordnetArt == 1;
        EXPECT_EQ(dok.Header.HD_autor, QStringLiteral("Kartello-Quiz Beispiele"));
        EXPECT_FALSE(dok.Header.HD_titel.isEmpty());
    }
    EXPECT_EQ(typen, (std::set<int>{0, 1, 2}));
    EXPECT_TRUE(buchstabenAlphabetisch);
}

TEST(Beispiele, DumpGibtDieQuelleWiederUndDasBild) {
    for (const QString& name : BeispielNamen()) {
        SCOPED_TRACE(name.toStdString());
        QJsonObject quelle = JsonAusDatei(Quelle(name) + u"/dokument.json"_qs);
        const QString bilddatei = quelle.take(u"Basisbild").toObject()[u"datei"].toString();
        const WerkzeugErgebnis e = WerkzeugStarten({QStringLiteral("dump"), Gebaut(name)});
        ASSERT_EQ(e.exitCode, 0) << e.fehler.toStdString();
        QJsonObject dump = QJsonDocument::fromJson(e.ausgabe).object();
        const QJsonObject bild = dump.take(u"Basisbild").toObject();
        EXPECT_EQ(dump, quelle);
        const QImage png(Quelle(name) + u'/' + bilddatei);
        ASSERT_FALSE(png.isNull());
        EXPECT_EQ(bild[u"breite"].toInt(), png.width());
        EXPECT_EQ(bild[u"hoehe"].toInt(), png.height());
        EXPECT_EQ(bild[u"rgb_sha256"].toString(), RgbHashUnabhaengig(png));
    }
}

TEST(Beispiele, KoordinatenLiegenAufDerKarte) {
    for (const QString& name : BeispielNamen()) {
        for (const ObjDataTyp& o : Lesen(name).Objekte) {
            for (double wert : {o.OB_Sx, o.OB_Sy, o.OB_Kx, o.OB_Ky}) {
                EXPECT_GE(wert, 0.0) << name.toStdString();
                EXPECT_LE(wert, 1.0) << name.toStdString();
            }
        }
    }
}

// Gap objects follow the keywords of the cloze text one to one, in order.
TEST(Beispiele, LueckentextHatEinLueckenobjektJeSchluesselwort) {
    for (const QString& name : BeispielNamen()) {
        const Dokument dok = Lesen(name);
        if (dok.Header.HD_DokTyp != Lueckentext) continue;
        QStringList woerter;
        static const QRegularExpression luecke(QStringLiteral("<<(.*?)>>"));
        for (auto it = luecke.globalMatch(dok.Header.HD_lueckentext); it.hasNext();)
            woerter << it.next().captured(1);
        QStringList objekte;
        for (const ObjDataTyp& o : dok.Objekte)
            if (o.OB_Typ == 3) objekte << o.OB_Cap;
        EXPECT_GE(woerter.size(), 10);
        EXPECT_EQ(objekte, woerter);
    }
}

TEST(Beispiele, EinzelfragenPassenZumFragentext) {
    for (const QString& name : BeispielNamen()) {
        const Dokument dok = Lesen(name);
        if (dok.Header.HD_DokTyp != Einzelfragen) continue;
        const auto fragen = FragenAusFragentext(dok.Header.HD_fragentext);
        ASSERT_EQ(qsizetype(fragen.size()), dok.Header.HD_AnzFrageNummern);
        for (size_t j = 0; j < fragen.size(); ++j) {
            const int nr = int(j) + 1;
            int antworten = 0, fragetexte = 0, beschriftungen = 0;
            for (const ObjDataTyp& o : dok.Objekte) {
                if (o.OB_FrageNummer != nr) continue;
                antworten += o.OB_Typ == 10 && o.OB_Cap == fragen[j].Antwort;
                fragetexte += o.OB_Typ == 11 && o.OB_Cap == fragen[j].Frage;
                beschriftungen += o.OB_Typ == 17 && o.OB_Cap == QStringLiteral("Antwort:");
            }
            EXPECT_EQ(antworten, 1) << nr;
            EXPECT_EQ(fragetexte, 1) << nr;
            EXPECT_EQ(beschriftungen, 1) << nr;
        }
        const QStringList zeichen{QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("|<"),
                                  QStringLiteral(">|"), QStringLiteral("?")};
        for (int typ = 12; typ <= 16; ++typ) {
            const auto knopf = std::find_if(dok.Objekte.begin(), dok.Objekte.end(),
                                            [typ](const ObjDataTyp& o) { return o.OB_Typ == typ; });
            ASSERT_NE(knopf, dok.Objekte.end()) << typ;
            EXPECT_EQ(knopf->OB_Cap, zeichen.at(typ - 12));
        }
    }
}

} // namespace
