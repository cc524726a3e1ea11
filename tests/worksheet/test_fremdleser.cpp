// The files of the page are read by real programs: emf2svg-conv for EMF, wmf2svg (libwmf)
// for WMF; our SVG and PDF keep the texts as text.
#include "blatttest.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

const QString Fuss = QStringLiteral("erstellt mit TVL - Tavolo für interaktive Übungen");
const QString Aufgabe = QStringLiteral("Aufgabe: Fülle die freien Felder aus!");

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Laufen(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(60000)) return false;
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

class Fremdleser : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_ordner.isValid());
        ArbeitsblattOptionen o;
        o.titel = QStringLiteral("Flüsse");
        m_blatt = std::make_unique<Arbeitsblatt>(BlattDokument(), o, QSize(870, 650));
    }
    QString Schreiben(const QString& name) {
        const QString pfad = m_ordner.filePath(name);
        EXPECT_EQ(ArbeitsblattSchreiben(*m_blatt, pfad, FormatAusDateiname(pfad)), QString());
        return pfad;
    }
    QTemporaryDir m_ordner;
    std::unique_ptr<Arbeitsblatt> m_blatt;
};

} // namespace

TEST_F(Fremdleser, Emf2svgLiestTexteUndBild) {
    const QString emf = Schreiben(QStringLiteral("blatt.emf"));
    const QString svg = m_ordner.filePath(QStringLiteral("emf.svg"));
    ASSERT_TRUE(
        Laufen(QStringLiteral("emf2svg-conv"), {QStringLiteral("-i"), emf, QStringLiteral("-o"), svg}));
    const QString text = QString::fromUtf8(Lesen(svg));
    EXPECT_TRUE(text.contains(Fuss));
    EXPECT_TRUE(text.contains(Aufgabe));
    EXPECT_TRUE(text.contains(QStringLiteral("Flüsse")));
    EXPECT_TRUE(text.contains(QStringLiteral("<image")) || text.contains(QStringLiteral(":image")))
        << "the map bitmap";
    // Header: signature, page frame of A4 width in 0.01 mm.
    const QByteArray daten = Lesen(emf);
    ASSERT_GT(daten.size(), 108);
    EXPECT_EQ(daten.mid(40, 4), QByteArray(" EMF"));
    EXPECT_EQ(qFromLittleEndian<int32_t>(daten.constData() + 32), 21000);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(daten.constData() + 48), static_cast<uint32_t>(daten.size()));
}

TEST_F(Fremdleser, Wmf2svgLiestTexte) {
    const QString wmf = Schreiben(QStringLiteral("blatt.wmf"));
    const QString svg = m_ordner.filePath(QStringLiteral("wmf.svg"));
    ASSERT_TRUE(Laufen(QStringLiteral("wmf2svg"), {QStringLiteral("-o"), svg, wmf}));
    // libwmf passes the Windows-1252 bytes of the text through unchanged.
    const QString text = QString::fromLatin1(Lesen(svg));
    EXPECT_TRUE(text.contains(Fuss)) << text.left(400).toStdString();
    EXPECT_TRUE(text.contains(Aufgabe));
    const QByteArray daten = Lesen(wmf);
    ASSERT_GT(daten.size(), 40);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(daten.constData()), 0x9AC6CDD7u);
    EXPECT_EQ(qFromLittleEndian<int16_t>(daten.constData() + 10), 1001);
    EXPECT_EQ(qFromLittleEndian<int16_t>(daten.constData() + 12), 1625);
}

TEST_F(Fremdleser, SvgPdfUndPngBehaltenDieSeite) {
    const QString svg = QString::fromUtf8(Lesen(Schreiben(QStringLiteral("blatt.svg"))));
    EXPECT_TRUE(svg.contains(Fuss));
    EXPECT_TRUE(svg.contains(QStringLiteral("<text")));
    const QByteArray pdf = Lesen(Schreiben(QStringLiteral("blatt.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains("/Font")) << "text stays text";
    const QImage png(Schreiben(QStringLiteral("blatt.png")));
    EXPECT_EQ(png.size(), QSize(1001, 1625));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), m_blatt->Vorschaubild());
}
