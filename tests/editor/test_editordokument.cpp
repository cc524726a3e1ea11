#include "editor/editoransicht.h"
#include "editor/editordokument.h"
#include "editor/objekte.h"
#include "editor/wiederherstellung.h"
#include "editortest.h"

#include <QTemporaryDir>

// The samples are read where the build puts them beside the programs (KARTELLO_BIN_ORDNER).
namespace {

class Rundreise : public ::testing::TestWithParam<const char*> {};

TEST_P(Rundreise, OeffnenUndSpeichernSchreibtDieselbenBytes) {
    const QByteArray original = DateiBytes(Beispiel(GetParam()));
    ASSERT_FALSE(original.isEmpty());
    EditorDokument dok;
    QString fehler;
    ASSERT_TRUE(dok.oeffnen(Beispiel(GetParam()), fehler)) << fehler.toStdString();
    // Showing it in both views draws on a copy: the model keeps every stored byte.
    Editoransicht ansicht(dok);
    ansicht.setzeGroesse(QSize(900, 650));
    ansicht.setzeQuizansicht(true);
    ansicht.setzeQuizansicht(false);
    EXPECT_FALSE(dok.istGeaendert());
    QTemporaryDir tmp;
    const QString ziel = tmp.filePath(QStringLiteral("kopie.tvl"));
    ASSERT_TRUE(dok.speichern(ziel, fehler)) << fehler.toStdString();
    EXPECT_EQ(DateiBytes(ziel), original);
    EXPECT_EQ(dok.pfad(), ziel);
}

INSTANTIATE_TEST_SUITE_P(Beispiele, Rundreise,
                         ::testing::Values("europa", "wasserkreislauf", "hauptstaedte", "planeten"));

TEST(EditorDokument, RueckgaengigUndWiederholenFuehrenGenauZurueck) {
    EditorDokument dok;
    QString fehler;
    ASSERT_TRUE(dok.oeffnen(Beispiel("europa"), fehler));
    const QByteArray anfang = Bytes(dok);
    QImage bild(400, 300, QImage::Format_RGB32);
    bild.fill(Qt::darkCyan);

    dok.aendern(QStringLiteral("Titel"),
                [](Dokumentstand& s) { s.Kopf.HD_titel = QStringLiteral("Mein Europa"); });
    dok.aendern(QStringLiteral("neu"), [](Dokumentstand& s) {
        s.Objekte.push_back(NeueBeschriftung({0.3, 0.4}));
    });
    const int neu = static_cast<int>(dok.dokument().Objekte.size()) - 1;
    dok.aendern(
        QStringLiteral("Text"),
        [neu](Dokumentstand& s) { s.Objekte[neu].OB_Cap = QStringLiteral("Alpen\r\nGebirge"); }, neu, 5);
    for (int i = 0; i < 3; ++i) // merged into one step
        dok.aendern(
            QStringLiteral("Schieben"),
            [neu](Dokumentstand& s) { ObjektVerschieben(s.Objekte[neu], 0.01, -0.01); }, neu, 1);
    dok.aendern(QStringLiteral("Rand"), [](Dokumentstand& s) {
        RandAendern(s.Kopf, s.Objekte, {0.1, 0, 0.25, 0.05});
    });
    dok.aendern(QStringLiteral("Bild"), [&bild](Dokumentstand& s) { s.Basisbild = bild; });
    dok.aendern(QStringLiteral("Weg"), [](Dokumentstand& s) { s.Objekte.erase(s.Objekte.begin()); });
    EXPECT_EQ(dok.stapel().count(), 7);
    EXPECT_TRUE(dok.istGeaendert());
    const QByteArray ende = Bytes(dok);

    while (dok.stapel().canUndo())
        dok.stapel().undo();
    EXPECT_EQ(Bytes(dok), anfang);
    EXPECT_FALSE(dok.istGeaendert());
    while (dok.stapel().canRedo())
        dok.stapel().redo();
    EXPECT_EQ(Bytes(dok), ende);
}

TEST(EditorDokument, RandHaeltObjekteAmOrtDesBildes) {
    HeaderDataTyp kopf;
    std::vector<ObjDataTyp> objekte{NeueBeschriftung({0.5, 0.25})};
    RandAendern(kopf, objekte, {1.0, 0, 0, 1.0}); // the map doubles in width and height
    EXPECT_DOUBLE_EQ(objekte[0].OB_Sx, 0.75);
    EXPECT_DOUBLE_EQ(objekte[0].OB_Sy, 0.125);
    RandAendern(kopf, objekte, {0, 0, 0, 0});
    EXPECT_DOUBLE_EQ(objekte[0].OB_Sx, 0.5);
    EXPECT_DOUBLE_EQ(objekte[0].OB_Sy, 0.25);
}

TEST(EditorDokument, BeschaedigteDateiLaesstDasDokumentStehen) {
    QTemporaryDir tmp;
    QByteArray bytes = DateiBytes(Beispiel("planeten"));
    bytes.truncate(bytes.size() / 2);
    const QString pfad = tmp.filePath(QStringLiteral("kaputt.tvl"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    EditorDokument dok;
    dok.neu(Lueckentext);
    const QByteArray vorher = Bytes(dok);
    QString fehler;
    EXPECT_FALSE(dok.oeffnen(pfad, fehler));
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_EQ(Bytes(dok), vorher);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{QStringLiteral("kaputt.tvl")});
}

TEST(EditorDokument, NeueDokumenteJedenTyps) {
    EditorDokument dok;
    for (DokTyp typ : {Bildbeschriftung, Lueckentext, Einzelfragen}) {
        dok.neu(typ);
        EXPECT_EQ(dok.dokument().Header.HD_DokTyp, typ);
        EXPECT_EQ(dok.dokument().Header.HD_vers, QStringLiteral("1.00"));
        EXPECT_TRUE(dok.pfad().isEmpty());
        EXPECT_FALSE(dok.istGeaendert());
        EXPECT_FALSE(dok.dokument().Basisbild.isNull());
        // Single questions start with their navigation buttons, the others empty.
        EXPECT_EQ(dok.dokument().Objekte.size(), typ == Einzelfragen ? 5u : 0u);
    }
}

TEST(Wiederherstellung, KopieWirdAngebotenGeladenUndVerworfen) {
    QTemporaryDir tmp;
    Wiederherstellung w(tmp.filePath(QStringLiteral("daten/wiederherstellung")));
    EXPECT_FALSE(w.vorhanden());
    EditorDokument dok;
    QString fehler;
    ASSERT_TRUE(dok.oeffnen(Beispiel("planeten"), fehler));
    dok.aendern(QStringLiteral("Titel"),
                [](Dokumentstand& s) { s.Kopf.HD_titel = QStringLiteral("Geändert"); });
    ASSERT_TRUE(w.sichern(dok));
    EXPECT_TRUE(w.vorhanden());
    EXPECT_EQ(w.herkunft(), Beispiel("planeten"));

    EditorDokument zurueck;
    ASSERT_TRUE(w.laden(zurueck));
    EXPECT_EQ(Bytes(zurueck), Bytes(dok));
    EXPECT_EQ(zurueck.pfad(), Beispiel("planeten"));
    EXPECT_TRUE(zurueck.istGeaendert());
    w.verwerfen();
    EXPECT_FALSE(w.vorhanden());

    // A damaged copy is not offered twice.
    ASSERT_TRUE(w.sichern(dok));
    QFile f(tmp.filePath(QStringLiteral("daten/wiederherstellung/wiederherstellung.tvl")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("KRF-kaputt");
    f.close();
    EditorDokument leer;
    EXPECT_FALSE(w.laden(leer));
    EXPECT_FALSE(w.vorhanden());
}

} // namespace
