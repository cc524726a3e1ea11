#pragma once
// A PDF page as poppler sees it: pdfinfo for the paper size, pdftoppm for the picture.
#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QString>

struct PdfSeite {
    bool gelesen = false;
    QSizeF punkte; // paper size in points (1/72 inch)
    QImage bild;   // the first page in grey, at `proCm` pixels per cm
    double proCm = 0;
    QRect dunkel;   // the bounding box of everything darker than mid-grey
    QString fehler; // what failed, for the test's message

    // A rectangle of the picture in cm of the paper.
    QRectF inCm(const QRect& r) const {
        return {r.x() / proCm, r.y() / proCm, r.width() / proCm, r.height() / proCm};
    }
};

PdfSeite PdfLesen(const QString& pdf, int dpi = 60);
