// The page's layout, read from the drawing calls of the page routine.
#include "blatttest.h"

#include <QFile>
#include <QTemporaryDir>

using Art = Zeichenbefehl::Art;

TEST(Seite, NurDatumBleibtInSeinemFeldUndRueckt2KommaFuenfSNachUnten) {
    ArbeitsblattOptionen nurDatum = OhneKopf();
    nurDatum.datum = true;
    const Aufnahme mit = Aufnehmen(BlattDokument(), nurDatum);
    const Aufnahme ohne = Aufnehmen(BlattDokument(), OhneKopf());
    const int s = SVon(18);

    const Zeichenbefehl* datum = mit.text(QStringLiteral("Datum:"));
    ASSERT_NE(datum, nullptr);
    EXPECT_EQ(datum->basis.x(), 750);
    EXPECT_EQ(mit.text(QStringLiteral("Name:")), nullptr);
    EXPECT_EQ(mit.text(QStringLiteral("Klasse:")), nullptr);
    const auto linien = mit.von(Art::Linienzug);
    ASSERT_FALSE(linien.empty());
    EXPECT_EQ(linien.front().punkte, QPolygon({QPoint(750, s), QPoint(1000, s)}));

    const auto bildMit = mit.von(Art::Bild);
    const auto bildOhne = ohne.von(Art::Bild);
    ASSERT_EQ(bildMit.size(), 1u);
    ASSERT_EQ(bildOhne.size(), 1u);
    EXPECT_EQ(bildOhne.front().ziel.top(), 0);
    EXPECT_EQ(bildMit.front().ziel.top(), RundeGerade(2.5 * s));
    EXPECT_EQ(bildMit.front().ziel.width(), 1000);
    EXPECT_EQ(bildMit.front().ziel.height(), RundeGerade(400.0 * 1000 / 600)); // base image 600 x 400
}

TEST(Seite, LeererTitelLaesstTitelUndRahmenWeg) {
    ArbeitsblattOptionen mitTitel = OhneKopf();
    mitTitel.titel = QStringLiteral("Flüsse");
    const Aufnahme mit = Aufnehmen(BlattDokument(), mitTitel);
    const Aufnahme ohne = Aufnehmen(BlattDokument(), OhneKopf());
    ASSERT_NE(mit.text(QStringLiteral("Flüsse")), nullptr);
    EXPECT_TRUE(mit.text(QStringLiteral("Flüsse"))->fett);
    EXPECT_EQ(ohne.text(QStringLiteral("Flüsse")), nullptr);
    // A frame is one closed line of five points; the map frame is there in both.
    auto rahmen = [](const Aufnahme& a) {
        int n = 0;
        for (const auto& l : a.von(Art::Linienzug))
            n += l.punkte.size() == 5 && l.punkte.first() == l.punkte.last();
        return n;
    };
    EXPECT_EQ(rahmen(mit), 2);
    EXPECT_EQ(rahmen(ohne), 1);
    EXPECT_EQ(ohne.von(Art::Bild).front().ziel.top(), 0);
}

TEST(Seite, AntworttexteSortiertMitDoppeltenUndNormalisiert) {
    ArbeitsblattOptionen o = OhneKopf();
    o.textvorgabe = true;
    const Aufnahme a = Aufnehmen(BlattDokument(), o);
    EXPECT_NE(a.text(QStringLiteral("Donau - Elbe - Rhein - Rhein")), nullptr)
        << a.texte().join(u'|').toStdString();
    // The worksheet writes field labels, answer line and footer; the overlay none of them.
    EXPECT_NE(a.text(QStringLiteral("erstellt mit TVL - Tavolo für interaktive Übungen")), nullptr);
}

TEST(Seite, AuflegefolieNurLoesungenGenauWieAufDemLoesungsblatt) {
    for (int typ : {Bildbeschriftung, Lueckentext}) {
        SCOPED_TRACE(typ);
        ArbeitsblattOptionen voll;
        voll.titel = QStringLiteral("Flüsse");
        voll.art = LoesungKomplett;
        ArbeitsblattOptionen folie = voll;
        folie.art = LoesungFolie;
        const Aufnahme loesung = Aufnehmen(BlattDokument(typ), voll);
        const Aufnahme auflage = Aufnehmen(BlattDokument(typ), folie);
        EXPECT_TRUE(auflage.von(Art::Linienzug).empty());
        EXPECT_TRUE(auflage.von(Art::Flaeche).empty());
        std::vector<std::pair<QPoint, QString>> rotVoll;
        for (const auto& t : loesung.von(Art::Text))
            if (t.farbe == QColor(255, 0, 0)) rotVoll.push_back({t.basis, t.text});
        std::vector<std::pair<QPoint, QString>> rotFolie;
        for (const auto& t : auflage.von(Art::Text)) {
            EXPECT_EQ(t.farbe, QColor(255, 0, 0)) << t.text.toStdString();
            rotFolie.push_back({t.basis, t.text});
        }
        EXPECT_EQ(rotFolie, rotVoll);
        if (typ == Lueckentext) {
            EXPECT_EQ(rotFolie.size(), 2u);
        }
        if (typ != Bildbeschriftung) continue;
        // The map: same place; every solution pixel of the overlay is there on the solution sheet.
        ASSERT_EQ(auflage.von(Art::Bild).size(), 1u);
        const Zeichenbefehl bf = auflage.von(Art::Bild).front();
        const Zeichenbefehl bl = loesung.von(Art::Bild).front();
        EXPECT_EQ(bf.ziel, bl.ziel);
        int loesungspunkte = 0;
        for (int y = 0; y < bf.bild.height(); ++y)
            for (int x = 0; x < bf.bild.width(); ++x) {
                const QColor p = bf.bild.pixelColor(x, y);
                if (p.red() > 150 && p.green() < 60 && p.blue() < 60) {
                    ++loesungspunkte;
                    ASSERT_EQ(bl.bild.pixelColor(x, y), p) << x << "," << y;
                }
            }
        EXPECT_GT(loesungspunkte, 20);
    }
}

TEST(Seite, EinzelfragenNummeriertMitAntwortUndStrichen) {
    ArbeitsblattOptionen o = OhneKopf(LoesungKomplett);
    const Aufnahme a =
        Aufnehmen(FragenBlatt(QStringLiteral("  Wo liegt Rom? // In Italien \r\n\r\nOhne Antwort\r\n")), o);
    const QStringList texte = a.texte();
    // Each line drawn once: the measuring pass draws nothing.
    EXPECT_EQ(
        texte.count(QStringLiteral("1. Wo liegt Rom? ")) + texte.count(QStringLiteral("1. Wo liegt Rom?")), 1)
        << texte.join(u'|').toStdString();
    ASSERT_TRUE(texte.filter(QStringLiteral("In Italien")).size() == 1);
    EXPECT_EQ(texte.filter(QStringLiteral("2. Ohne Antwort")).size(), 1);
    EXPECT_EQ(texte.filter(QStringLiteral("---")).size(), 1);
    for (const auto& t : a.von(Art::Text))
        if (t.text.contains(QStringLiteral("---")) || t.text.contains(QStringLiteral("Italien"))) {
            EXPECT_EQ(t.farbe, QColor(255, 0, 0));
        }
    EXPECT_EQ(a.info.letzteFrage, 2);
    // Two separators across the page, the frame and the footer line.
    int quer = 0;
    for (const auto& l : a.von(Art::Linienzug))
        quer += l.punkte.size() == 2 && l.punkte[0].x() == 0 && l.punkte[1].x() == 1000;
    EXPECT_EQ(quer, 3);
}

TEST(Seite, VolleSeiteEndetMitLetzterGanzerFrageUndAbFrageSetztFort) {
    QString zeilen;
    for (int j = 1; j <= 60; ++j)
        zeilen += QStringLiteral("Frage %1 // Antwort %1\r\n").arg(j);
    ArbeitsblattOptionen o;
    o.textvorgabe = true;
    const Dokument dok = FragenBlatt(zeilen, 60);
    const Aufnahme erste = Aufnehmen(dok, o);
    const int letzte = erste.info.letzteFrage;
    ASSERT_GT(letzte, 5);
    ASSERT_LT(letzte, 60);
    EXPECT_TRUE(erste.texte().filter(QStringLiteral("%1. Frage %1").arg(letzte)).size() == 1);
    EXPECT_TRUE(erste.texte().filter(QStringLiteral("%1. Frage").arg(letzte + 1)).isEmpty());
    int tiefste = 0;
    for (const auto& t : erste.von(Art::Text))
        if (t.text.contains(QStringLiteral("Frage"))) tiefste = std::max(tiefste, t.basis.y());
    EXPECT_LT(tiefste, Arbeitsblatt::Hoehe - SVon(15));

    o.abFrage = letzte + 1;
    const Aufnahme zweite = Aufnehmen(dok, o);
    bool gefunden = false;
    for (const auto& t : zweite.von(Art::Text)) {
        if (!t.text.contains(QStringLiteral(". Frage"))) continue;
        EXPECT_TRUE(t.text.startsWith(QString::number(letzte + 1) + QStringLiteral(". Frage ")));
        gefunden = true;
        break;
    }
    EXPECT_TRUE(gefunden);
    // The answer list starts at the start number too.
    EXPECT_TRUE(zweite.texte().filter(QStringLiteral("Antwort 1 ")).isEmpty());
    EXPECT_TRUE(zweite.texte().filter(QStringLiteral("Antwort 5 ")).isEmpty());
}

TEST(Seite, FalscheEndungSchreibtNichtsUndSchreibfehlerWirdGemeldet) {
    QTemporaryDir ordner;
    const Arbeitsblatt blatt(BlattDokument(), ArbeitsblattOptionen{}, QSize(870, 650));
    const QString bmp = ordner.filePath(QStringLiteral("blatt.bmp"));
    EXPECT_EQ(FormatAusDateiname(bmp), Seitenformat::Unbekannt);
    EXPECT_EQ(FormatAusDateiname(QStringLiteral("A.EMF")), Seitenformat::Emf);
    EXPECT_EQ(ArbeitsblattSchreiben(blatt, bmp, FormatAusDateiname(bmp)),
              QStringLiteral("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung."));
    EXPECT_FALSE(QFile::exists(bmp));
    // A folder where the file should go: nothing written, the shared write message.
    QFile sperre(ordner.filePath(QStringLiteral("keinordner")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.write("x");
    sperre.close();
    const QString unmoeglich = ordner.filePath(QStringLiteral("keinordner/blatt.emf"));
    const QString fehler = ArbeitsblattSchreiben(blatt, unmoeglich, Seitenformat::Emf);
    EXPECT_TRUE(fehler.contains(QStringLiteral("blatt.emf"))) << fehler.toStdString();
    ASSERT_TRUE(sperre.open(QIODevice::ReadOnly));
    EXPECT_EQ(sperre.readAll(), QByteArray("x"));
}
