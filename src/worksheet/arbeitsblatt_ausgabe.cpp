// The page on its targets: preview bitmap, EMF, WMF, SVG, PDF and PNG files.
#include "worksheet/arbeitsblatt.h"

#include "data/av_data.h"
#include "worksheet/metafile.h"
#include "worksheet/seitenaufzeichnung.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace {

const Seitenaufzeichnung& Aufzeichnen(const Arbeitsblatt& blatt, Seitenaufzeichnung& seite) {
    QPainter maler(&seite);
    blatt.Zeichnen(maler);
    return seite;
}

} // namespace

QImage Arbeitsblatt::Vorschaubild() const {
    QImage bild(Bildgroesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    Zeichnen(maler);
    return bild;
}

QByteArray Arbeitsblatt::Emf() const {
    Seitenaufzeichnung seite(Bildgroesse);
    return EmfSchreiben(Aufzeichnen(*this, seite), QSizeF(BreiteMm, HoeheMm()));
}

QByteArray Arbeitsblatt::Wmf() const {
    const int jeZoll = static_cast<int>(std::lround(Bildgroesse.width() * 25.4 / BreiteMm));
    Seitenaufzeichnung seite(Bildgroesse);
    return WmfSchreiben(Aufzeichnen(*this, seite), jeZoll);
}

QByteArray Arbeitsblatt::Svg() const {
    QBuffer puffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(Bildgroesse);
    svg.setViewBox(QRect(QPoint(0, 0), Bildgroesse));
    svg.setResolution(static_cast<int>(std::lround(Bildgroesse.width() * 25.4 / BreiteMm)));
    svg.setTitle(QStringLiteral("Arbeitsblatt"));
    QPainter maler(&svg);
    Zeichnen(maler);
    maler.end();
    return puffer.data();
}

QByteArray Arbeitsblatt::Pdf() const {
    // An A4 sheet with the page where the print window puts it by default, so that a
    // printer's unprintable border clips nothing of header and footer.
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(600);
    pdf.setTitle(QStringLiteral("Arbeitsblatt"));
    QPainter maler(&pdf);
    maler.setWindow(0, 0, Breite, Hoehe);
    maler.setViewport(DruckRechteck(StandardDruckLage(), pdf.resolution() / 2.54, true));
    Zeichnen(maler);
    maler.end();
    return puffer.data();
}

DruckLage StandardDruckLage() {
    DruckLage lage;
    lage.hoehe = std::round(lage.breite / Seitenverhaeltnis * 10) / 10;
    return lage;
}

QRect DruckRechteck(const DruckLage& lage, double proCm, bool verhaeltnisHalten) {
    const auto einheiten = [proCm](double cm) { return static_cast<int>(std::lround(cm * proCm)); };
    const int breite = std::max(1, einheiten(lage.breite));
    const int hoehe = verhaeltnisHalten ? static_cast<int>(std::lround(breite / Seitenverhaeltnis))
                                        : std::max(1, einheiten(lage.hoehe));
    return {einheiten(lage.links), einheiten(lage.oben), breite, std::max(1, hoehe)};
}

Seitenformat FormatAusDateiname(const QString& dateiname) {
    const QString endung = QFileInfo(dateiname).suffix().toLower();
    if (endung == QLatin1String("emf")) return Seitenformat::Emf;
    if (endung == QLatin1String("wmf")) return Seitenformat::Wmf;
    if (endung == QLatin1String("svg")) return Seitenformat::Svg;
    if (endung == QLatin1String("pdf")) return Seitenformat::Pdf;
    if (endung == QLatin1String("png")) return Seitenformat::Png;
    return Seitenformat::Unbekannt;
}

QString ArbeitsblattSchreiben(const Arbeitsblatt& blatt, const QString& dateiname, Seitenformat format) {
    QByteArray daten;
    switch (format) {
    case Seitenformat::Emf:
        daten = blatt.Emf();
        break;
    case Seitenformat::Wmf:
        daten = blatt.Wmf();
        break;
    case Seitenformat::Svg:
        daten = blatt.Svg();
        break;
    case Seitenformat::Pdf:
        daten = blatt.Pdf();
        break;
    case Seitenformat::Png: {
        QBuffer puffer(&daten);
        puffer.open(QIODevice::WriteOnly);
        QImageWriter(&puffer, "png").write(blatt.Vorschaubild());
        break;
    }
    case Seitenformat::Unbekannt:
        return EndungFehlerText;
    }
    QSaveFile datei(dateiname);
    if (daten.isEmpty() || !datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size() ||
        !datei.commit())
        return SchreibfehlerText(QDir::toNativeSeparators(dateiname));
    return {};
}
