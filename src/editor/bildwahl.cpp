#include "editor/bildwahl.h"

#include "documents/tvl_png.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The largest size of the same aspect that a document's picture may have.
QSize Erlaubt(QSize s) {
    double faktor = 1;
    const double pixel = double(s.width()) * s.height();
    if (pixel > double(PngMaxPixel)) faktor = std::sqrt(double(PngMaxPixel) / pixel);
    faktor = std::min({faktor, double(PngMaxSeite) / s.width(), double(PngMaxSeite) / s.height()});
    if (faktor >= 1) return s;
    return {std::max(1, int(s.width() * faktor)), std::max(1, int(s.height() * faktor))};
}

} // namespace

Bildwahl BildLaden(const QString& pfad) {
    Bildwahl w;
    QImageReader leser(pfad);
    leser.setAutoTransform(true);
    const QSize groesse = leser.size();
    if (groesse.isValid()) {
        const QSize erlaubt = Erlaubt(groesse);
        if (erlaubt != groesse) {
            leser.setScaledSize(erlaubt);
            w.hinweis = QStringLiteral("Das Bild hat %1 × %2 Pixel und wurde auf %3 × %4 Pixel verkleinert.")
                            .arg(groesse.width())
                            .arg(groesse.height())
                            .arg(erlaubt.width())
                            .arg(erlaubt.height());
        }
    }
    const QImage gelesen = leser.read();
    if (gelesen.isNull()) {
        w.fehler =
            QStringLiteral("Das Bild \"%1\" kann nicht gelesen werden: %2").arg(pfad, leser.errorString());
        w.hinweis.clear();
        return w;
    }
    w.bild = QImage(gelesen.size(), QImage::Format_RGB32);
    w.bild.fill(Qt::white);
    QPainter maler(&w.bild);
    maler.drawImage(0, 0, gelesen);
    return w;
}
