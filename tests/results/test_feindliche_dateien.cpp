// Damaged and hostile files against the document and best-list readers: each is
// read in a child process whose time and peak memory are measured, so a reader that
// inflates, copies or reads what it does not need fails here even when it answers right.
#include "documents/tvl_datei.h"
#include "results/bestenliste_datei.h"

#include "kindmessung.h"
#include "png_bauen.h"
#include "test_bestenliste_hilfe.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace pngbau;

QByteArray Dokumentbytes(const QByteArray& png) {
    Dokument d;
    d.Header.HD_titel = QStringLiteral("Feind");
    d.Basisbild = QImage(2, 2, QImage::Format_RGB32);
    d.Basisbild.fill(Qt::red);
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    TvlSchreiber().schreiben(b, d);
    return png.isEmpty() ? b.data() : b.data().left(b.data().indexOf("\x89PNG")) + png;
}

// A 2x2 grey image with `chunks` copies of one compressed text chunk before its data.
QByteArray MitTextBomben(int chunks, uint64_t bytesJeChunk) {
    const QByteArray bombe = TextBombe(bytesJeChunk);
    QByteArray png = Signatur() + Ihdr(2, 2, 8, 0);
    for (int i = 0; i < chunks; ++i)
        png += bombe;
    return png + Chunk("IDAT", NullenKomprimiert(2 * 3)) + Chunk("IEND", {});
}

void Ablegen(const QString& pfad, const QByteArray& bytes, qint64 groesse = -1) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
    // Growing by resize leaves a sparse tail of zeros: gigabytes that cost no disk.
    if (groesse > bytes.size()) {
        ASSERT_TRUE(f.resize(groesse));
    }
}

QByteArray DokumentLesen(const QString& pfad) {
    Dokument d;
    TvlLeser leser;
    if (!leser.lesen(pfad, d)) return "Fehler: " + leser.errorString().toUtf8();
    return "ok " + QByteArray::number(d.Basisbild.width()) + 'x' + QByteArray::number(d.Basisbild.height());
}

QByteArray ListeLesen(const QString& pfad) {
    std::vector<BestListDataTyp> l;
    QString fehler;
    int64_t ab = 0;
    if (!BestListLesenVersuch(pfad, l, fehler, &ab)) return "Fehler: " + fehler.toUtf8();
    QByteArray text = QByteArray::number(qulonglong(l.size())) + " Einträge, beschädigt ab " +
                      QByteArray::number(qlonglong(ab));
    if (!l.empty()) {
        const BestListDataTyp& e = l.back();
        text += ", letzter " + QByteArray::number(e.Leistung) + ' ' + QByteArray::number(e.Dauer) + ' ' +
                QByteArray::number(e.Beginn, 'f', 0);
    }
    return text;
}

QByteArray Liste(int anzahl) {
    HscBytes h;
    h.kopf();
    for (int i = 0; i < anzahl; ++i)
        h.eintrag("Teilnehmer", "PC-07", 46000.5, 1000 * i, 0.5);
    return h.bytes();
}

struct Fall {
    const char* name;
    std::function<void(const QString& pfad)> anlegen;
    bool dokument;       // else a best list
    QByteArray erwartet; // the start of the reader's answer
    double sekunden;
    long mb;
};

std::vector<Fall> Faelle() {
    const double inf = std::numeric_limits<double>::infinity();
    return {
        // 100 chunks of 80 MB text each: 8 GB if inflated, skipped unread instead.
        {"TextBombe", [](const QString& p) { Ablegen(p, Dokumentbytes(MitTextBomben(100, 80'000'000))); },
         true, "ok 2x2", 3, 60},
        // 26 KB of PNG that describe 400 megapixels.
        {"Grosses1BitBild", [](const QString& p) { Ablegen(p, Dokumentbytes(Nullbild(20000, 20000, 1))); },
         true, "Fehler: Bild ab Byte", 1, 40},
        // Just below the cap: read, at 4 bytes per pixel.
        {"ErlaubtesGrossesBild", [](const QString& p) { Ablegen(p, Dokumentbytes(Nullbild(6000, 6000, 1))); },
         true, "ok 6000x6000", 3, 300},
        {"NullenMitEndung", [](const QString& p) { Ablegen(p, {}, 1LL << 30); }, true,
         "Fehler: Ungültiges Dateiformat.", 1, 20},
        {"DokumentMitRiesigemAnhang", [](const QString& p) { Ablegen(p, Dokumentbytes({}), 3LL << 30); },
         true, "ok 2x2", 1, 20},
        {"LaengeMittenInDerListe",
         [](const QString& p) {
             Ablegen(p, Liste(500) + HscBytes().ganzzahl(-7).text("PC").bytes() + Liste(500).mid(76));
         },
         false, "500 Einträge, beschädigt ab 501", 1, 40},
        {"RiesigeLaengeMittenInDerListe",
         [](const QString& p) {
             Ablegen(p, Liste(3) + HscBytes().ganzzahl(1 << 30).bytes() + Liste(9).mid(76));
         },
         false, "3 Einträge, beschädigt ab 4", 1, 20},
        {"UnbekannteSchluesselMitDaten",
         [](const QString& p) { Ablegen(p, HscBytes().kopf("|HSC-Fremd|").text("Daten").bytes()); }, false,
         "0 Einträge, beschädigt ab 1", 1, 20},
        {"WerteAusserhalbIhresBereichs",
         [inf](const QString& p) { Ablegen(p, HscBytes().kopf().eintrag("A", "R", inf, -5, 7).bytes()); },
         false, "1 Einträge, beschädigt ab 0, letzter 1 0 2958465", 1, 20},
        {"EineMillionEintraege", [](const QString& p) { Ablegen(p, Liste(1'000'000)); }, false,
         "1000000 Einträge, beschädigt ab 0", 3, 600},
        {"OrdnerMitEndung", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); }, false, "Fehler: ", 1,
         20},
        // A header and a hole: gigabytes of zeros that cost no disk. A start time of 0 is damage.
        {"Duenn2GB", [](const QString& p) { Ablegen(p, HscBytes().kopf().bytes(), 2LL << 30); }, false,
         "0 Einträge, beschädigt ab 1", 1, 20},
        {"Duenn200MBNachEintraegen", [](const QString& p) { Ablegen(p, Liste(3), 200LL << 20); }, false,
         "3 Einträge, beschädigt ab 4", 1, 20},
        // Without a start time in the key list, zeros make valid empty entries: the count bounds them.
        {"NullenOhneBeginn",
         [](const QString& p) { Ablegen(p, HscBytes().kopf("|HSC-Name|HSC-Dauer|").bytes(), 200LL << 20); },
         false, "1000000 Einträge, beschädigt ab 1000001", 3, 300},
        // Long names: only entries that start within the first 64 MiB are read.
        {"LangeNamen",
         [](const QString& p) {
             HscBytes h;
             h.kopf();
             for (int i = 0; i < 1200; ++i)
                 h.eintrag(QByteArray(60000, 'a'), "PC", 46000.5, i, 0.5);
             Ablegen(p, h.bytes());
         },
         false, "1118 Einträge, beschädigt ab 1119", 3, 400},
    };
}

class FeindlicheDatei : public ::testing::TestWithParam<Fall> {};

TEST_P(FeindlicheDatei, BleibtInZeitUndSpeicher) {
    const Fall& f = GetParam();
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QLatin1String(f.name) +
                                         (f.dokument ? QStringLiteral(".tvl") : QStringLiteral(".hsc")));
    f.anlegen(pfad);
    const KindErgebnis e = ImKindMessen([&] { return f.dokument ? DokumentLesen(pfad) : ListeLesen(pfad); });
    ASSERT_TRUE(e.beendet);
    EXPECT_TRUE(e.text.startsWith(f.erwartet)) << e.text.constData();
    // Sanitizers slow the code down and hold freed memory for a while.
    const double zeitFaktor = KindMitSanitizer ? 4 : 1;
    const long mbZuschlag = KindMitSanitizer ? 400 : 0;
    EXPECT_LT(e.sekunden, f.sekunden * zeitFaktor) << e.text.constData();
    EXPECT_LT(e.zusatzMb, f.mb + mbZuschlag) << e.text.constData();
}

INSTANTIATE_TEST_SUITE_P(Tabelle, FeindlicheDatei, ::testing::ValuesIn(Faelle()),
                         [](const auto& fall) { return std::string(fall.param.name); });

} // namespace
